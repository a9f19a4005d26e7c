#include <corekit/throwable.h>
#include <diskio/diskio.h>
#include <gtest/gtest.h>

namespace {

using namespace zvfile;

// A factory that counts what it is asked for; its managers do nothing.
class FakeMgr final : public FileMgrItf {
 public:
  void Open() override {}
  void Close() override {}
  SPtr<ReadFileItf> AllocateReadFile() override { return SPtr<ReadFileItf>(); }
  SPtr<WriteFileItf> AllocateWriteFile() override { return SPtr<WriteFileItf>(); }
  SPtr<RandomAccessFileItf> AllocateRandomAccessFile() override {
    return SPtr<RandomAccessFileItf>();
  }
  void DeleteFile(const CZvString&) override {}
  void CopyFile(const CZvString&, const CZvString&) override {}
  bool FileExists(const CZvString&) override { return false; }
  bool FolderExists(const CZvString&) override { return false; }
  TCreateResult::T MkDir(const CZvString&) override { return TCreateResult::ZV_CREATED; }
  TCreateResult::T MkParentDir(const CZvString&) override { return TCreateResult::ZV_CREATED; }
  TRemoveResult::T RmDir(const CZvString&) override { return TRemoveResult::ZV_REMOVED; }
  TRemoveResult::T RmParentDir(const CZvString&) override { return TRemoveResult::ZV_REMOVED; }
};

class FakeFactory final : public FileFactoryItf {
 public:
  FileMgrItf* CreateFileMgr() override {
    ++created;
    return new FakeMgr;
  }
  void ReleaseFileMgr(FileMgrItf*& manager) override {
    delete manager;
    manager = nullptr;
    ++released;
  }
  int created = 0, released = 0;
};

TEST(FileGlobalsTest, EmptyRegistryThrowsIllegalState) {
  FileGlobals::SetFactory(nullptr);
  try {
    FileGlobals::GetFactory();
    FAIL() << "no exception";
  } catch (const zvlang::IllegalStateException& e) {
    EXPECT_TRUE(e.getMessage() == CZvString(u"No file factory installed"));
    EXPECT_TRUE(static_cast<const zvlang::Throwable&>(e).GetFullName() ==
                CZvString(u"com.zavo.lang.IllegalStateException"));
  }
}

TEST(FileGlobalsTest, InstalledFactoryIsTheOneGiven) {
  FakeFactory factory;
  FileGlobals::SetFactory(&factory);
  EXPECT_EQ(&FileGlobals::GetFactory(), &factory);
  FileMgrItf* manager = FileGlobals::GetFactory().CreateFileMgr();
  ASSERT_NE(manager, nullptr);
  FileGlobals::GetFactory().ReleaseFileMgr(manager);
  EXPECT_EQ(manager, nullptr);
  EXPECT_EQ(factory.created, 1);
  EXPECT_EQ(factory.released, 1);
  FileGlobals::SetFactory(nullptr);  // uninstalls
  EXPECT_THROW(FileGlobals::GetFactory(), zvlang::IllegalStateException);
}

TEST(FileTypesTest, Values) {
  EXPECT_EQ(TEncType::ZV_PLAIN, 0);
  EXPECT_EQ(TOpenPos::ZV_START, 0);
  EXPECT_EQ(TOpenPos::ZV_END, 1);
  EXPECT_EQ(TOpenMode::ZV_MUST_EXIST, 0);
  EXPECT_EQ(TOpenMode::ZV_OPEN_OR_CREATE, 1);
  EXPECT_EQ(TOpenMode::ZV_CREATE_NEW, 2);
  EXPECT_EQ(TCreateResult::ZV_CREATED, 0);
  EXPECT_EQ(TRemoveResult::ZV_REMOVED, 0);
}

}  // namespace
