// The whole umbrix-cli run on the worked example, from process start to every file written, and
// the peak resident memory of that process.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/FileCopy.h"
#include "support/TempFolder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct ProcessRun {
  int status = -1;     // exit status, -1 when the process did not exit normally
  long peakRssKb = 0;  // the child's own peak resident set, kilobytes
};

ProcessRun Spawn(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ProcessRun run;
  if (spawned != 0) return run;

  int raw = 0;
  rusage usage{};
  if (wait4(pid, &raw, 0, &usage) != pid) return run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.peakRssKb = usage.ru_maxrss;
  return run;
}

void BM_CliWorkedExample(benchmark::State& state) {
  const umbrix::testing::TempFolder scratch;
  const fs::path& out = scratch.Path();
  const std::string project =
      umbrix::testing::CopyInto(
          out, fs::path(UMBRIX_SOURCE_DIR) / "examples" / "mur-declinant-ouest.umd")
          .string();
  const std::vector<std::string> args = {UMBRIX_CLI_PATH, project,
                                         "--report",      (out / "rapport.txt").string(),
                                         "--png",         (out / "cadran.png").string(),
                                         "--svg",         (out / "cadran.svg").string(),
                                         "--dxf",         (out / "cadran.dxf").string(),
                                         "--size",        "1000x1000"};
  long peakKb = 0;
  for (auto _ : state) {
    const ProcessRun run = Spawn(args);
    if (run.status != 0) {
      state.SkipWithError("umbrix-cli did not succeed on the worked example");
      break;
    }
    peakKb = std::max(peakKb, run.peakRssKb);
  }
  for (const char* name : {"rapport.txt", "cadran.png", "cadran.svg", "cadran.dxf"}) {
    if (!fs::exists(out / name) || fs::file_size(out / name) == 0) {
      state.SkipWithError("umbrix-cli did not write every file");
    }
  }
  state.counters["peak_rss_kB"] = benchmark::Counter(static_cast<double>(peakKb));
}
BENCHMARK(BM_CliWorkedExample)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
