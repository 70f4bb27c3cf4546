#pragma once
// The sub-commands of mevrik-cli. Each takes the arguments after its name and returns the exit
// status: 0 success, 1 a calculation that gave no result, 2 a usage error.
#include <string>
#include <vector>

namespace mevrik::cli {

int RunEval(const std::vector<std::string>& args);
int RunWeight(const std::vector<std::string>& args);

}  // namespace mevrik::cli
