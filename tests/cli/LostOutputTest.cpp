// mevrik-cli when its results cannot be written: a full disk, a closed output, a reader that
// left while SIGPIPE is ignored. The output is the program's work, so each ends with status 3
// and one line on stderr. Runs of its own, with the outputs and the memory use these need.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

#include "cli/CliProcess.h"

namespace mevrik::testing {
namespace {

enum class Output { DevFull, Closed, ReaderGone, Discarded, ErrorsToDevFull };

struct Outcome {
  int status = -1;
  std::string err;
  long maxResidentKb = 0;
};

std::string TemporaryPath(const char* name) {
  return std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/mevrik-cli-" +
         std::to_string(getpid()) + "-" + name;
}

// Starts the program with stdin from the file or folder `in`, or closed when `in` is empty.
Outcome RunWithOutput(const std::vector<std::string>& args, const std::string& in, Output output) {
  const std::string err = TemporaryPath("err");
  int pipeFds[2] = {-1, -1};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (in.empty()) posix_spawn_file_actions_addclose(&actions, 0);
  else posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  switch (output) {
    case Output::DevFull:
      posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
      break;
    case Output::Closed: posix_spawn_file_actions_addclose(&actions, 1); break;
    case Output::ReaderGone:
      EXPECT_EQ(pipe(pipeFds), 0);
      close(pipeFds[0]);
      posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
      posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
      break;
    case Output::Discarded:
      posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
      break;
    case Output::ErrorsToDevFull:
      posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
      posix_spawn_file_actions_addopen(&actions, 2, "/dev/full", O_WRONLY, 0);
      break;
  }
  std::signal(SIGPIPE, SIG_IGN);  // inherited: the child sees the failed write, not the signal
  std::vector<std::string> command{MEVRIK_CLI_PATH};
  command.insert(command.end(), args.begin(), args.end());
  const pid_t pid = Spawn(command, actions);
  posix_spawn_file_actions_destroy(&actions);
  if (pipeFds[1] >= 0) close(pipeFds[1]);
  Outcome outcome;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.maxResidentKb = usage.ru_maxrss;
  std::ifstream errFile(err, std::ios::binary);
  outcome.err.assign(std::istreambuf_iterator<char>(errFile), {});
  std::remove(err.c_str());
  return outcome;
}

std::string InputFile(const std::string& text) {
  const std::string path = TemporaryPath("in");
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(LostOutput, EndsWithStatusThreeAndOneLine) {
  std::string manyLines;
  for (int i = 0; i < 200000; ++i) manyLines += "1+1\n";
  const struct {
    const char* what;
    std::vector<std::string> args;
    std::string input;
    Output output;
  } cases[] = {
      {"eval to a full disk", {"eval", "9+9"}, "", Output::DevFull},
      {"eval with stdout closed", {"eval", "9+9"}, "", Output::Closed},
      {"lines to a reader that left", {"eval", "-"}, manyLines, Output::ReaderGone},
      {"lines to a full disk", {"eval", "-"}, manyLines, Output::DevFull},
      {"weight to a full disk", {"weight", "angle"}, "", Output::DevFull},
      {"help to a full disk", {"--help"}, "", Output::DevFull},
  };
  for (const auto& c : cases) {
    const std::string in = InputFile(c.input);
    const Outcome outcome = RunWithOutput(c.args, in, c.output);
    std::remove(in.c_str());
    EXPECT_EQ(outcome.status, 3) << c.what;
    EXPECT_EQ(outcome.err, "mevrik-cli: 结果未能写出 / the output could not be written\n") << c.what;
  }
}

// A warning that cannot be written is lost output too; input that cannot be read is said.
TEST(LostOutput, LostWarningsAndUnreadableInput) {
  EXPECT_EQ(RunWithOutput({"eval", "1+"}, "/dev/null", Output::ErrorsToDevFull).status, 3);
  for (const std::string in : {"/", ""}) {
    const Outcome outcome = RunWithOutput({"eval", "-"}, in, Output::Discarded);
    EXPECT_EQ(outcome.status, 1) << in;
    EXPECT_EQ(outcome.err, "mevrik-cli: 标准输入无法读取 / standard input cannot be read\n") << in;
  }
}

// A line of many megabytes is not held in memory to find out that it is too long.
TEST(CliMemory, AnOverlongLineIsNotReadWhole) {
  // Written in pieces: the memory of this process would count as the child's until it starts.
  const std::string in = TemporaryPath("in");
  {
    std::ofstream file(in, std::ios::binary);
    const std::string piece(1 << 20, '1');
    for (int i = 0; i < 64; ++i) file << piece;
    file << "\n2+2\n";
  }
  const Outcome outcome = RunWithOutput({"eval", "-"}, in, Output::DevFull);
  std::remove(in.c_str());
  EXPECT_EQ(outcome.err.rfind("计算式超过 32767 个字符", 0), 0u);
#if !defined(__SANITIZE_ADDRESS__)
  EXPECT_LT(outcome.maxResidentKb, 32 << 10);
#endif
}

}  // namespace
}  // namespace mevrik::testing
