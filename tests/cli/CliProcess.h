#pragma once
// Runs the built mevrik-cli as a separate process, without a shell, and collects what it wrote.
#include <string>
#include <vector>

namespace mevrik::testing {

struct CliRun {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

CliRun RunCli(const std::vector<std::string>& args);

}  // namespace mevrik::testing
