// mevrik-cli weight --list on a material list of 100,000 mixed rows (every kind, several
// materials, an expression), as a user runs it: the program started with the file, its table
// written to /dev/null. Reports the time of one run, the program's CPU time and its peak resident
// memory.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <string>

extern char** environ;

namespace {

constexpr int kRows = 100000;

// Each row ends with a value of its own (a quantity or a length), as the items of a real list
// differ, so that every row is weighed.
std::string Row(int i) {
  const std::string n = std::to_string(1 + i % 97);
  switch (i % 10) {
    case 0: return "角钢,∠50×5," + std::to_string(1000 + i % 5000) + ",,钢 7.85";
    case 1: return "钢管,Φ159×5," + std::to_string(1000 + i % 5000) + ",,自定义 8.9";
    case 2: return "钢板,δ10,1000*2000," + n + ",铜 8.92";
    case 3: return "工字钢,Ⅰ20a,6000," + n + ",";
    case 4: return "弹簧垫圈 (重型),16,," + n + ",";
    case 5: return "地脚螺栓,M24,400," + n + ",铝 2.70";
    case 6: return "圆钢,Φ20,6000," + n + ",";
    case 7: return "槽钢,[14a,3000," + n + ",";
    case 8: return "六角螺栓,M20,60," + n + ",";
    default: return "计算式,2(3+4)×" + n + ",,,";
  }
}

std::string ListFile() {
  const std::string path = "/tmp/mevrik-weight-list-bench.csv";
  std::ofstream out(path, std::ios::binary);
  out << "\xEF\xBB\xBF类型,规格,长度(mm)/面积(mm²),数量,材质(g/cm³)\r\n";
  for (int i = 0; i < kRows; ++i) out << Row(i) << "\r\n";
  return path;
}

void WeightList(benchmark::State& state) {
  const std::string path = ListFile();
  long peakKb = 0;
  double cpuSeconds = 0;  // the program's own, user and system: the figure on a busy machine
  for (auto _ : state) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(MEVRIK_CLI_PATH), const_cast<char*>("weight"),
                    const_cast<char*>("--list"), const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, MEVRIK_CLI_PATH, &actions, nullptr, argv, environ) != 0) {
      state.SkipWithError("mevrik-cli did not start");
      break;
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("a row failed");
    peakKb = std::max(peakKb, usage.ru_maxrss);
    cpuSeconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  }
  state.counters["rows"] = kRows;
  state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024;
  state.counters["cpu_ms"] = 1000 * cpuSeconds / static_cast<double>(state.iterations());
  std::remove(path.c_str());
}
BENCHMARK(WeightList)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
