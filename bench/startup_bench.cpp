// Start-up of the designer side by side with a plain Qt Widgets window (plain_window), in
// the same run and the same way: each iteration starts both programs in turn, as a desktop
// would, and takes the time from starting the process to the program's word that its first
// window was painted, and the resident memory the program read at that moment. Run it on a
// display (xvfb-run): the X11 platform is where an OpenGL driver would be loaded.
//
// The counters give both programs' means and their ratios (designer over plain); the
// iteration time is the designer's. The processor time of each whole run (it quits right
// after its first window) is given too: a busy machine stretches the wall clock, not that.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Startup {
  double milliseconds = 0;
  double residentKiB = 0;
  // Processor time of the whole run, which it ends right after the first window: unlike
  // the wall-clock time, other work on the machine does not stretch it.
  double cpuMilliseconds = 0;
};

double Milliseconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

// "… VmRSS 29836 kB" at the end of the line that says the first window was shown.
std::optional<double> ResidentKiB(const std::string& line) {
  const std::size_t at = line.find("VmRSS ");
  if (at == std::string::npos) {
    return std::nullopt;
  }
  return std::strtod(line.c_str() + at + 6, nullptr);
}

// Starts the program with its start-up report on, reads up to the line that tells the first
// window was shown, and waits for the program to end. Nothing when it said no such thing.
std::optional<Startup> StartOnce(const char* program) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) {
    return std::nullopt;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    environment.emplace_back(*entry);
  }
  environment.emplace_back("PFC_STARTUP_REPORT=1");
  std::vector<char*> environmentPointers;
  for (std::string& entry : environment) {
    environmentPointers.push_back(entry.data());
  }
  environmentPointers.push_back(nullptr);
  char* const arguments[] = {const_cast<char*>(program), nullptr};

  const auto started = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned =
      posix_spawn(&child, program, &actions, nullptr, arguments, environmentPointers.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    close(pipeEnds[0]);
    return std::nullopt;
  }
  std::optional<Startup> startup;
  FILE* output = fdopen(pipeEnds[0], "r");
  char buffer[512];
  while (output != nullptr && std::fgets(buffer, sizeof buffer, output) != nullptr) {
    const std::string line = buffer;
    if (line.find("shown:") == std::string::npos) {
      continue;
    }
    const auto shown = std::chrono::steady_clock::now();
    if (const std::optional<double> resident = ResidentKiB(line)) {
      startup =
          Startup{std::chrono::duration<double, std::milli>(shown - started).count(), *resident};
    }
    break;
  }
  if (output != nullptr) {
    while (std::fgets(buffer, sizeof buffer, output) != nullptr) {
    }
    std::fclose(output);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (startup) {
    startup->cpuMilliseconds = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
  }
  return startup;
}

void BM_DesignerBesidePlainWindow(benchmark::State& state) {
  Startup plainTotal;
  Startup designerTotal;
  for (auto _ : state) {
    const std::optional<Startup> plain = StartOnce(PFC_PLAIN_WINDOW_PROGRAM);
    const std::optional<Startup> designer = StartOnce(PFC_DESIGNER_PROGRAM);
    if (!plain || !designer) {
      state.SkipWithError("a program did not report its first window");
      return;
    }
    state.SetIterationTime(designer->milliseconds / 1000.0);
    plainTotal.milliseconds += plain->milliseconds;
    plainTotal.residentKiB += plain->residentKiB;
    plainTotal.cpuMilliseconds += plain->cpuMilliseconds;
    designerTotal.milliseconds += designer->milliseconds;
    designerTotal.residentKiB += designer->residentKiB;
    designerTotal.cpuMilliseconds += designer->cpuMilliseconds;
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["plain_ms"] = plainTotal.milliseconds / runs;
  state.counters["designer_ms"] = designerTotal.milliseconds / runs;
  state.counters["plain_MiB"] = plainTotal.residentKiB / runs / 1024.0;
  state.counters["designer_MiB"] = designerTotal.residentKiB / runs / 1024.0;
  state.counters["plain_cpu_ms"] = plainTotal.cpuMilliseconds / runs;
  state.counters["designer_cpu_ms"] = designerTotal.cpuMilliseconds / runs;
  state.counters["time_ratio"] = designerTotal.milliseconds / plainTotal.milliseconds;
  state.counters["cpu_ratio"] = designerTotal.cpuMilliseconds / plainTotal.cpuMilliseconds;
  state.counters["rss_ratio"] = designerTotal.residentKiB / plainTotal.residentKiB;
}
BENCHMARK(BM_DesignerBesidePlainWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
