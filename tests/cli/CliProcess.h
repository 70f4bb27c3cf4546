#pragma once
// Runs mevrik-cli as a separate process (argument list, no shell) with the given stdin and
// returns what it wrote and its exit status.
#include <string>
#include <vector>

#ifndef _WIN32
#include <spawn.h>
#endif

namespace mevrik::testing {

struct CliResult {
  std::string out;
  std::string err;
  int status = -1;
};

// With MEVRIK_CLI_TRANSCRIPT naming a file, every run is appended to it (arguments, input,
// outputs, status), so the runs of two builds of the program can be compared byte for byte.
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = {});

// The system's part: starts command[0] with the other items as its arguments.
CliResult RunProcess(const std::vector<std::string>& command, const std::string& input);

#ifndef _WIN32
// Starts command[0] with the other items as its arguments and the given changes to its files;
// its process id. Throws when it cannot be started.
pid_t Spawn(const std::vector<std::string>& command, const posix_spawn_file_actions_t& actions);
#endif

}  // namespace mevrik::testing
