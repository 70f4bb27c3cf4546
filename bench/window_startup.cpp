// Start-up cost of a window program on the X display in $DISPLAY: the time from starting the
// process to its first window being mapped, and its resident memory a second later. Each
// program runs `runs` times; the medians are printed, one line per program:
//   window_startup RUNS PROGRAM [ARGS...] [-- PROGRAM [ARGS...]]...
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double milliseconds = 0;
  long residentKb = 0;
  double cpuMilliseconds = 0;
};

// User and system time the process has used, from /proc/PID/stat (fields 14 and 15).
double CpuMilliseconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  double ticks = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i >= 14) ticks += std::stod(field);
  }
  return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return 0;
}

// Waits for the next MapNotify below the root window.
bool WaitForMap(xcb_connection_t* x) {
  while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
    const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
    std::free(event);
    if (mapped) return true;
  }
  return false;
}

Sample RunOnce(xcb_connection_t* x, std::vector<char*> argv) {
  argv.push_back(nullptr);
  const auto start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
    std::perror(argv[0]);
    std::exit(2);
  }
  Sample sample;
  if (WaitForMap(x)) {
    sample.milliseconds =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  }
  std::this_thread::sleep_for(std::chrono::seconds(1));
  sample.residentKb = ResidentKb(pid);
  sample.cpuMilliseconds = CpuMilliseconds(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return sample;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGS...] [-- PROGRAM [ARGS...]]...\n", argv[0]);
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<std::vector<char*>> programs(1);
  for (int i = 2; i < argc; ++i) {
    if (std::string(argv[i]) == "--") programs.emplace_back();
    else programs.back().push_back(argv[i]);
  }

  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);

  // Alternate the programs so that both see the same machine load.
  std::vector<std::vector<Sample>> samples(programs.size());
  for (int run = 0; run < runs; ++run) {
    for (std::size_t p = 0; p < programs.size(); ++p) samples[p].push_back(RunOnce(x, programs[p]));
  }
  for (std::size_t p = 0; p < programs.size(); ++p) {
    std::vector<double> times;
    std::vector<double> cpu;
    std::vector<long> memory;
    for (const Sample& s : samples[p]) {
      times.push_back(s.milliseconds);
      cpu.push_back(s.cpuMilliseconds);
      memory.push_back(s.residentKb);
    }
    std::string label = programs[p][0];
    label = label.substr(label.rfind('/') + 1);
    if (programs[p].size() > 1) label += std::string(" ") + programs[p][1];
    std::printf("%-24s mapped after %6.1f ms, cpu %5.0f ms, resident %5.1f MB (median of %d)\n",
                label.c_str(), Median(times), Median(cpu),
                static_cast<double>(Median(memory)) / 1024.0, runs);
  }
  xcb_disconnect(x);
  return 0;
}
