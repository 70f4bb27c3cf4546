#pragma once
// The help texts of mevrik-cli: each command's own ("mevrik-cli weight --help") and the whole
// ("mevrik-cli --help").
#include <string>
#include <vector>

namespace mevrik::cli {

extern const char* const kEvalUsage;
extern const char* const kWeightUsage;
std::string Usage();
// "--help" or "-h" comes before the options end ("--").
bool AsksForHelp(const std::vector<std::string>& args);

}  // namespace mevrik::cli
