#include "cli/CliProcess.h"

#include <cstdlib>
#include <fstream>

namespace mevrik::testing {
namespace {

// One line per run, so that runs can be sorted: the test programs of two builds run their cases
// in different orders.
std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\' || c == '\n' || c == '\r' || c == '|') out += '\\';
    out += c == '\n' ? 'n' : c == '\r' ? 'r' : c;
  }
  return out;
}

void AppendToTranscript(const char* path, const std::vector<std::string>& args,
                        const std::string& input, const CliResult& result) {
  std::ofstream file(path, std::ios::binary | std::ios::app);
  file << "mevrik-cli";
  for (const std::string& arg : args) file << " [" << Escaped(arg) << ']';
  file << " | stdin " << Escaped(input) << " | stdout " << Escaped(result.out) << " | stderr "
       << Escaped(result.err) << " | status " << result.status << '\n';
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& input) {
  std::vector<std::string> command{MEVRIK_CLI_PATH};
  command.insert(command.end(), args.begin(), args.end());
  const CliResult result = RunProcess(command, input);
  if (const char* transcript = std::getenv("MEVRIK_CLI_TRANSCRIPT")) {
    AppendToTranscript(transcript, args, input, result);
  }
  return result;
}

}  // namespace mevrik::testing
