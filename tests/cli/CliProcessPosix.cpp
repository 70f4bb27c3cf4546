#include "cli/CliProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

extern char** environ;

namespace mevrik::testing {
namespace {

struct Pipe {
  int read = -1, write = -1;
  Pipe() {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe");
    read = fds[0];
    write = fds[1];
  }
};

// Feeds the input and drains both outputs together, so neither side blocks on a full pipe.
void Exchange(int in, int out, int err, const std::string& input, CliResult& result) {
  size_t written = 0;
  if (input.empty()) close(in), in = -1;
  while (out >= 0 || err >= 0) {
    pollfd fds[3] = {{out, POLLIN, 0}, {err, POLLIN, 0}, {in, POLLOUT, 0}};
    poll(fds, 3, -1);
    char buffer[4096];
    for (int k = 0; k < 2; ++k) {
      int& fd = k == 0 ? out : err;
      if (fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP))) continue;
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n <= 0) close(fd), fd = -1;
      else (k == 0 ? result.out : result.err).append(buffer, static_cast<size_t>(n));
    }
    if (in >= 0 && (fds[2].revents & (POLLOUT | POLLERR))) {
      const ssize_t n = ::write(in, input.data() + written, input.size() - written);
      written += n > 0 ? static_cast<size_t>(n) : input.size();
      if (written >= input.size()) close(in), in = -1;
    }
  }
  if (in >= 0) close(in);
}

}  // namespace

pid_t Spawn(const std::vector<std::string>& command, const posix_spawn_file_actions_t& actions) {
  std::vector<std::string> all = command;
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
    throw std::runtime_error("cannot start " + command[0]);
  return pid;
}

CliResult RunProcess(const std::vector<std::string>& command, const std::string& input) {
  signal(SIGPIPE, SIG_IGN);  // a child that exits early must not end the test
  Pipe in, out, err;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.read, 0);
  posix_spawn_file_actions_adddup2(&actions, out.write, 1);
  posix_spawn_file_actions_adddup2(&actions, err.write, 2);
  for (int fd : {in.read, in.write, out.read, out.write, err.read, err.write}) {
    posix_spawn_file_actions_addclose(&actions, fd);
  }
  const auto closeChildEnds = [&] {
    posix_spawn_file_actions_destroy(&actions);
    close(in.read);
    close(out.write);
    close(err.write);
  };
  pid_t pid = 0;
  try {
    pid = Spawn(command, actions);
  } catch (...) {
    closeChildEnds();
    throw;
  }
  closeChildEnds();
  CliResult result;
  Exchange(in.write, out.read, err.read, input, result);
  int status = 0;
  waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace mevrik::testing
