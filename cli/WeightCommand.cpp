// mevrik-cli weight: being built.
#include <iostream>

#include "cli/Commands.h"

namespace mevrik::cli {

int RunWeight(const std::vector<std::string>&) {
  std::cerr << "mevrik-cli weight: not available in this build\n";
  return 2;
}

}  // namespace mevrik::cli
