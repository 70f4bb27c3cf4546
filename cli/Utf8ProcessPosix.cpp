#include "cli/Utf8Process.h"

namespace mevrik::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

Utf8Streams::Utf8Streams() = default;
Utf8Streams::~Utf8Streams() = default;

}  // namespace mevrik::cli
