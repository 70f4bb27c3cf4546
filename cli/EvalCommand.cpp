// mevrik-cli eval: being built.
#include <iostream>

#include "cli/Commands.h"

namespace mevrik::cli {

int RunEval(const std::vector<std::string>&) {
  std::cerr << "mevrik-cli eval: not available in this build\n";
  return 2;
}

}  // namespace mevrik::cli
