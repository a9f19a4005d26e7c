// What the C++ drivers of the Java peer tests share: field checks that count mismatches, files
// of bytes, and a main that runs one named command on a folder.
#pragma once

#include <msgcodec/msgcodec.h>

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

namespace peer {

inline int gFailures = 0;

template <class A, class B>
void Check(const char* what, const A& expected, const B& actual) {
  if (!(expected == actual)) {
    ++gFailures;
    std::printf("MISMATCH %s\n", what);
  }
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline int WriteFile(const std::string& path, const CZavoOutput& out) {
  std::ofstream file(path, std::ios::binary);
  file.write(out.Data(), out.DataSize());
  return file.good() ? 0 : 1;
}

struct Command {
  const char* name;
  int (*run)(const std::string& dir);
};

// argv: the command's name and the folder. 0 when the command ran and every check matched.
inline int RunDriver(const char* driver, int argc, char** argv,
                     std::initializer_list<Command> commands) {
  if (argc != 3) {
    std::printf("usage: %s COMMAND DIR\n", driver);
    return 2;
  }
  const std::string name = argv[1];
  int rc = 2;
  for (const Command& command : commands) {
    if (name == command.name) rc = command.run(argv[2]);
  }
  if (rc == 0 && gFailures > 0) {
    std::printf("%d mismatches\n", gFailures);
    rc = 1;
  }
  if (rc == 0) std::printf("%s: %s ok\n", driver, argv[1]);
  return rc;
}

}  // namespace peer
