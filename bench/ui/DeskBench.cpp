// The desk dial: one tick's redraw of the worked example in its 160 x 160 window, and the
// processor time the program spends over a minute of desk-dial mode in a real event loop
// (goal: under 0.5 % of one core; between two ticks it should spend none).

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "ui/BusyWindow.h"

#include "cli/CliPlatform.h"
#include "render/SystemServices.h"
#include "support/FileCopy.h"
#include "support/TempFolder.h"
#include "ui/MainWindow.h"

namespace {

namespace fs = std::filesystem;

const fs::path kWorkedExample =
    fs::path(UMBRIX_SOURCE_DIR) / "examples" / "mur-declinant-ouest.umd";

/// Processor time of this process so far, user and system, seconds.
double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

/// The worked example shown as a desk dial.
struct DeskWindow {
  DeskWindow() : window(prompts, services) {
    umbrix::bench::ShowExposed(window);
    window.Start({umbrix::testing::CopyInto(scratch.Path(), kWorkedExample).string()});
    window.desk().ToggleDeskMode();
  }
  bool Ready(benchmark::State& state) {
    if (!window.session().DeskMode()) {
      state.SkipWithError("the worked example did not enter desk-dial mode");
      return false;
    }
    return true;
  }

  umbrix::testing::TempFolder scratch;
  umbrix::TerminalPrompts prompts{std::cerr};
  umbrix::SystemServices services;
  umbrix::MainWindow window;
};

void BM_DeskTickRedraw(benchmark::State& state) {
  DeskWindow desk;
  if (!desk.Ready(state)) return;
  for (auto _ : state) {
    desk.window.desk().Tick();
    desk.window.centralWidget()->repaint();
  }
  state.counters["bitmap_px"] = desk.window.Bitmap().width();
}
BENCHMARK(BM_DeskTickRedraw)->Unit(benchmark::kMillisecond);

/// Seconds of the idle measurement: a minute, shorter for the suite's smoke run.
int IdleSeconds() {
  const char* text = std::getenv("UMBRIX_DESK_IDLE_SECONDS");
  const int seconds = text != nullptr ? std::atoi(text) : 0;
  return seconds > 0 ? seconds : 60;
}

void BM_DeskIdleProcessorTime(benchmark::State& state) {
  DeskWindow desk;
  if (!desk.Ready(state)) return;
  const int seconds = IdleSeconds();
  double percent = 0;
  for (auto _ : state) {
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    wall.start();
    const double before = ProcessorSeconds();
    loop.exec();
    const double used = ProcessorSeconds() - before;
    percent = 100.0 * used / (wall.elapsed() / 1000.0);
    state.SetIterationTime(used);
  }
  if (!desk.window.DeskTimer().isActive()) state.SkipWithError("the desk dial's timer stopped");
  state.counters["cpu_percent"] = percent;
  state.counters["seconds"] = seconds;
}
BENCHMARK(BM_DeskIdleProcessorTime)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
