// Start-up cost of window programs on the X display in $DISPLAY: the time from starting the
// process to its first window being mapped, its CPU time and resident memory a second later,
// and optionally how long its tool windows take to appear when first opened by their keyboard
// shortcuts. The programs run in turn, round by round (every other round in reverse order), so
// that a busy machine slows all of them alike; a round starts each program kStartsPerRound
// times and keeps its quickest start. Each round prints every program's time and its ratio to
// the first program's (the programs' own output is discarded):
//   window_startup ROUNDS SPEC [-- SPEC]...
//   SPEC: [--label TEXT] [--fresh FILE COPY] [--open-by KEY]... PROGRAM [ARGS...]
// --fresh copies FILE over COPY before each start (a settings file the program rewrites);
// --open-by sends Ctrl+KEY to the main window after the memory is read and times the window that
// appears. The last lines, one per program, are tab-separated medians:
//   median LABEL MAPPED_MS RATIO RESIDENT_MB CPU_MS [KEY OPENED_MS]...
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Each round starts every program this often and keeps its quickest start: a start that another
// process on the machine held back says nothing about the program.
constexpr int kStartsPerRound = 3;

struct Program {
  std::string label;
  std::string freshFrom, freshTo;
  std::vector<char> openBy;  // shortcut letters of the tool windows to time
  std::vector<char*> argv;
};

struct Sample {
  double milliseconds = 0;
  long residentKb = 0;
  double cpuMilliseconds = 0;
  std::vector<double> openedMilliseconds;  // one per Program::openBy
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

class Display {
public:
  Display() : x_(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(x_)) {
      std::fprintf(stderr, "no X display\n");
      std::exit(2);
    }
    screen_ = xcb_setup_roots_iterator(xcb_get_setup(x_)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x_, screen_->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x_);
  }
  ~Display() { xcb_disconnect(x_); }
  Display(const Display&) = delete;
  Display& operator=(const Display&) = delete;

  // Waits up to `timeoutMs` for the next window of its own (not a menu or tooltip) to be
  // mapped; 0 when none was.
  xcb_window_t WaitForMap(int timeoutMs) {
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(x_)) {
        xcb_window_t mapped = 0;
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
          const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
          if (!map->override_redirect) mapped = map->window;
        }
        std::free(event);
        if (mapped) return mapped;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
      if (left.count() <= 0) return 0;
      pollfd fd{xcb_get_file_descriptor(x_), POLLIN, 0};
      poll(&fd, 1, static_cast<int>(left.count()));
    }
  }

  void Drain() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(x_)) std::free(event);
  }

  // Gives `window` the keyboard focus and presses Ctrl+letter in it. A window opened just
  // before takes the focus as it appears: that is let pass first.
  void PressControl(xcb_window_t window, char letter) {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    xcb_set_input_focus(x_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    xcb_flush(x_);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Drain();
    for (const int type : {XCB_KEY_PRESS, XCB_KEY_RELEASE}) {
      xcb_key_press_event_t key{};
      key.response_type = static_cast<uint8_t>(type);
      key.detail = Keycode(static_cast<xcb_keysym_t>(letter));
      key.root = screen_->root;
      key.event = window;
      key.state = XCB_MOD_MASK_CONTROL;
      key.same_screen = 1;
      xcb_send_event(x_, 0, window, XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE,
                     reinterpret_cast<const char*>(&key));
    }
    xcb_flush(x_);
  }

private:
  xcb_keycode_t Keycode(xcb_keysym_t symbol) {
    const xcb_setup_t* setup = xcb_get_setup(x_);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto* reply = xcb_get_keyboard_mapping_reply(
        x_, xcb_get_keyboard_mapping(x_, setup->min_keycode, static_cast<uint8_t>(count)),
        nullptr);
    xcb_keycode_t found = 0;
    if (reply) {
      const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(reply);
      for (int i = 0; i < count * reply->keysyms_per_keycode && !found; ++i) {
        if (symbols[i] == symbol)
          found = static_cast<xcb_keycode_t>(setup->min_keycode + i / reply->keysyms_per_keycode);
      }
      std::free(reply);
    }
    return found;
  }

  xcb_connection_t* x_;
  xcb_screen_t* screen_;
};

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One start. `full`: memory, CPU time and tool windows too; else only the time to the map.
Sample RunOnce(Display& display, const Program& program, bool full) {
  if (!program.freshFrom.empty()) {
    std::filesystem::copy_file(program.freshFrom, program.freshTo,
                               std::filesystem::copy_options::overwrite_existing);
  }
  std::vector<char*> argv = program.argv;
  argv.push_back(nullptr);
  display.Drain();
  const auto start = Clock::now();
  pid_t pid = 0;
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  const int spawned = posix_spawnp(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (spawned != 0) {
    std::perror(argv[0]);
    std::exit(2);
  }
  Sample sample;
  const xcb_window_t window = display.WaitForMap(30000);
  if (window) sample.milliseconds = MillisecondsSince(start);
  if (full) std::this_thread::sleep_for(std::chrono::seconds(1));
  sample.residentKb = ResidentKb(pid);
  sample.cpuMilliseconds = CpuMilliseconds(pid);
  for (const char letter : full ? program.openBy : std::vector<char>{}) {
    display.Drain();
    display.PressControl(window, letter);
    const auto pressed = Clock::now();
    sample.openedMilliseconds.push_back(display.WaitForMap(5000) ? MillisecondsSince(pressed) : -1);
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  // The display server is left to tear the windows down before the next program starts.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  return sample;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::vector<Program> ParsePrograms(int argc, char** argv) {
  std::vector<Program> programs(1);
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    Program& p = programs.back();
    if (arg == "--") {
      programs.emplace_back();
    } else if (p.argv.empty() && arg == "--label" && i + 1 < argc) {
      p.label = argv[++i];
    } else if (p.argv.empty() && arg == "--fresh" && i + 2 < argc) {
      p.freshFrom = argv[++i];
      p.freshTo = argv[++i];
    } else if (p.argv.empty() && arg == "--open-by" && i + 1 < argc) {
      p.openBy.push_back(argv[++i][0]);
    } else {
      p.argv.push_back(argv[i]);
    }
  }
  for (Program& p : programs) {
    if (p.argv.empty()) return {};
    if (p.label.empty()) p.label = std::filesystem::path(p.argv[0]).filename().string();
  }
  return programs;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<Program> programs = argc >= 3 ? ParsePrograms(argc, argv) : std::vector<Program>{};
  if (programs.empty()) {
    std::fprintf(stderr,
                 "usage: %s ROUNDS SPEC [-- SPEC]...\n"
                 "  SPEC: [--label TEXT] [--fresh FILE COPY] [--open-by KEY]... PROGRAM [ARGS...]\n",
                 argv[0]);
    return 2;
  }
  const int rounds = std::max(1, std::atoi(argv[1]));
  Display display;

  std::vector<std::vector<Sample>> samples(programs.size());
  std::vector<std::vector<double>> ratios(programs.size());
  for (int round = 1; round <= rounds; ++round) {
    // Every other round runs the programs in reverse, so that none always follows another.
    std::vector<Sample> these(programs.size());
    for (int start = 0; start < kStartsPerRound; ++start) {
      for (std::size_t i = 0; i < programs.size(); ++i) {
        const std::size_t p = round % 2 ? i : programs.size() - 1 - i;
        const Sample sample = RunOnce(display, programs[p], start == 0);
        if (start == 0) these[p] = sample;
        else these[p].milliseconds = std::min(these[p].milliseconds, sample.milliseconds);
      }
    }
    std::printf("round %2d:", round);
    for (std::size_t p = 0; p < programs.size(); ++p) {
      samples[p].push_back(these[p]);
      ratios[p].push_back(these[p].milliseconds / these[0].milliseconds);
      std::printf("  %s %.1f ms", programs[p].label.c_str(), these[p].milliseconds);
      if (p > 0) std::printf(" (%.2fx)", ratios[p].back());
    }
    std::printf("\n");
    std::fflush(stdout);
  }

  for (std::size_t p = 0; p < programs.size(); ++p) {
    std::vector<double> times, cpu;
    std::vector<long> memory;
    std::vector<std::vector<double>> opened(programs[p].openBy.size());
    for (const Sample& s : samples[p]) {
      times.push_back(s.milliseconds);
      cpu.push_back(s.cpuMilliseconds);
      memory.push_back(s.residentKb);
      for (std::size_t k = 0; k < opened.size(); ++k) opened[k].push_back(s.openedMilliseconds[k]);
    }
    std::printf("median\t%s\t%.1f\t%.3f\t%.1f\t%.0f", programs[p].label.c_str(), Median(times),
                Median(ratios[p]), static_cast<double>(Median(memory)) / 1024.0, Median(cpu));
    for (std::size_t k = 0; k < opened.size(); ++k)
      std::printf("\t%c\t%.1f", programs[p].openBy[k], Median(opened[k]));
    std::printf("\n");
  }
  return 0;
}
