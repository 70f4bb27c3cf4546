// mevrik-cli: the calculator's engine from a terminal.
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/Usage.h"
#include "cli/Utf8Process.h"

namespace {

constexpr int kOutputLost = 3;

int Run(std::vector<std::string> args) {
  if (args.empty()) {
    std::cerr << mevrik::cli::Usage();
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    std::cout << mevrik::cli::Usage();
    return 0;
  }
  if (args[0] == "--version") {
    std::cout << "mevrik-cli " MEVRIK_VERSION "\n";
    return 0;
  }
  const std::string command = args[0];
  args.erase(args.begin());
  // The configuration folder is accepted for symmetry with the window; the terminal never
  // reads or writes the configuration file.
  for (auto it = args.begin(); it != args.end() && *it != "--";) {
    if (*it == "--config-dir" && it + 1 != args.end()) it = args.erase(it, it + 2);
    else ++it;
  }
  if (command == "eval") return mevrik::cli::RunEval(args);
  if (command == "weight") return mevrik::cli::RunWeight(args);
  std::cerr << "未知命令 / unknown command: " << command << "\n\n" << mevrik::cli::Usage();
  return 2;
}

}  // namespace

// The results and the warnings are the program's work: when they could not all be written (a
// full disk, a closed output, a reader that left), that is its outcome, whatever the
// calculations gave.
int main(int argc, char** argv) {
  const mevrik::cli::Utf8Streams streams;
  const int status = Run(mevrik::cli::Utf8Arguments(argc, argv));
  const bool written = static_cast<bool>(std::cout.flush());
  if (written && std::cerr.flush()) return status;
  std::cerr << "mevrik-cli: 结果未能写出 / the output could not be written\n";
  return kOutputLost;
}
