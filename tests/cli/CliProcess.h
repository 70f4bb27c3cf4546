#pragma once
// Runs mevrik-cli as a separate process (argument list, no shell) with the given stdin and
// returns what it wrote and its exit status.
#include <string>
#include <vector>

namespace mevrik::testing {

struct CliResult {
  std::string out;
  std::string err;
  int status = -1;
};

CliResult RunCli(const std::vector<std::string>& args, const std::string& input = {});

}  // namespace mevrik::testing
