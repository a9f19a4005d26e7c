#include <gtest/gtest.h>
#include <oslayer/class_factory.h>

#include <memory>

namespace {

TEST(ClassFactoryTest, EachKindGivesItsClass) {
  struct Case {
    EInterfaceType kind;
    bool (*is)(IInterface*);
  } cases[] = {
      {IT_SECTION_FILE, [](IInterface* p) { return dynamic_cast<ISectionFile*>(p) != nullptr; }},
      {IT_LOCK, [](IInterface* p) { return dynamic_cast<ILock*>(p) != nullptr; }},
      {IT_XML_PARSER, [](IInterface* p) { return dynamic_cast<IXmlParser*>(p) != nullptr; }},
      {IT_FILE, [](IInterface* p) { return dynamic_cast<IFile*>(p) != nullptr; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    std::unique_ptr<IInterface> object(CClassFactory::GetInterface(c.kind));
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(c.is(object.get()));
  }
}

TEST(ClassFactoryTest, OtherKindsGiveNull) {
  for (int kind : {-1, 1, 2, 4, 12, 14, 16, 100}) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(CClassFactory::GetInterface(static_cast<EInterfaceType>(kind)), nullptr);
  }
}

}  // namespace
