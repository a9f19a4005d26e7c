// Per-test folders for the platform libraries' tests. The test runner points TMPDIR and the
// Zavo and XDG folders into the build tree; a Sandbox gives each test fresh folders below
// TMPDIR and points ZAVO_HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and ZAVO_MACHINE_CONFIG at them
// for its lifetime.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

namespace contracts_testing {

inline std::filesystem::path TestTempRoot() {
  const char* tmp = std::getenv("TMPDIR");
  std::filesystem::path root = tmp && *tmp ? tmp : std::filesystem::temp_directory_path();
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  if (info) root /= std::string(info->test_suite_name()) + "." + info->name();
  std::string name = root.string();
  for (char& c : name) {
    if (c == '<' || c == '>' || c == ' ') c = '_';  // typed and parameterised test names
  }
  return name;
}

class Sandbox {
 public:
  Sandbox() : mRoot(TestTempRoot()) {
    std::filesystem::remove_all(mRoot);
    for (const char* sub : {"home", "config", "data", "machine", "work"}) {
      std::filesystem::create_directories(mRoot / sub);
    }
    Set("ZAVO_HOME", mRoot / "home");
    Set("XDG_CONFIG_HOME", mRoot / "config");
    Set("XDG_DATA_HOME", mRoot / "data");
    Set("ZAVO_MACHINE_CONFIG", mRoot / "machine");
  }
  ~Sandbox() {
    for (const auto& [name, old] : mSaved) {
      if (old) {
        setenv(name.c_str(), old->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const std::filesystem::path& Root() const { return mRoot; }
  std::filesystem::path Home() const { return mRoot / "home"; }
  std::filesystem::path Config() const { return mRoot / "config"; }
  std::filesystem::path Machine() const { return mRoot / "machine"; }
  // A scratch folder of the test's own.
  std::filesystem::path Work() const { return mRoot / "work"; }

  void Set(const std::string& name, const std::filesystem::path& value) {
    if (!mSaved.count(name)) {
      const char* old = std::getenv(name.c_str());
      mSaved[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    setenv(name.c_str(), value.c_str(), 1);
  }
  void Unset(const std::string& name) {
    if (!mSaved.count(name)) {
      const char* old = std::getenv(name.c_str());
      mSaved[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    unsetenv(name.c_str());
  }

 private:
  std::filesystem::path mRoot;
  std::map<std::string, std::optional<std::string>> mSaved;
};

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace contracts_testing
