// CPU time of two whole processes, run in pairs: each round starts both programs (the order
// alternating from round to round) with the same input file as standard input, and takes the
// user and system time the kernel accounted to each from wait4. A busy machine slows both
// runs of a pair alike, so the ratio of each pair is what is compared:
//   cpu_pairs ROUNDS INPUT PROGRAM [ARGS...] -- REFERENCE [ARGS...]
// prints the median ratio PROGRAM / REFERENCE and each program's median CPU time.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

double Microseconds(const timeval& t) { return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_usec); }

// The user and system time of one run, in microseconds; output goes to /dev/null.
double CpuMicroseconds(std::vector<char*> argv, const char* input) {
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, input, O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) != 0) {
    std::perror(argv[0]);
    std::exit(2);
  }
  posix_spawn_file_actions_destroy(&files);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed\n", argv[0]);
    std::exit(2);
  }
  return Microseconds(usage.ru_utime) + Microseconds(usage.ru_stime);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::vector<char*>> programs(1);
  for (int i = 3; i < argc; ++i) {
    if (std::string(argv[i]) == "--") programs.emplace_back();
    else programs.back().push_back(argv[i]);
  }
  if (argc < 4 || programs.size() != 2 || programs[0].empty() || programs[1].empty()) {
    std::fprintf(stderr, "usage: %s ROUNDS INPUT PROGRAM [ARGS...] -- REFERENCE [ARGS...]\n",
                 argv[0]);
    return 2;
  }
  const int rounds = std::max(1, std::atoi(argv[1]));
  const char* input = argv[2];
  std::vector<double> own, reference, ratios;
  for (int round = 0; round < rounds; ++round) {
    double a = 0, b = 0;
    if (round % 2 == 0) {
      a = CpuMicroseconds(programs[0], input);
      b = CpuMicroseconds(programs[1], input);
    } else {
      b = CpuMicroseconds(programs[1], input);
      a = CpuMicroseconds(programs[0], input);
    }
    own.push_back(a);
    reference.push_back(b);
    ratios.push_back(a / b);
  }
  std::printf("%s: cpu %.0f us, %s: cpu %.0f us (medians of %d paired rounds)\n", programs[0][0],
              Median(own), programs[1][0], Median(reference), rounds);
  std::printf("ratio %.2f (median of the rounds' ratios)\n", Median(ratios));
  return 0;
}
