// The window: the program's start up to its first painted dial on the worked example (a process
// of its own, on the offscreen platform), and the redraw after a resize of the main window with
// a drawing of about 1000 pixels, and one step of each drag and of the wheel on the busiest dial
// in such a drawing, from the event to the repainted bitmap (goal: under 8 ms each); and each
// print of the worked example written as an A4 PDF through the window's print commands, every
// layout's dial drawn as vectors at 1200 dpi (goal for the 4-sheet print, layout 4: under
// 300 ms), from the command to the screen drawing left as it was. Wall time where a second
// thread paints part of the screen image.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/PrintCommands.h"
#include "cli/CliPlatform.h"
#include "render/PrintReplay.h"
#include "render/SystemServices.h"
#include "support/DialCatalogue.h"
#include "support/FileCopy.h"
#include "support/TempFolder.h"
#include "ui/BusyWindow.h"
#include "ui/MainWindow.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using umbrix::bench::BusyWindow;
using umbrix::bench::ShowExposed;

const fs::path kWorkedExample =
    fs::path(UMBRIX_SOURCE_DIR) / "examples" / "mur-declinant-ouest.umd";

/// The exit status of a program run to its end, -1 when it did not exit normally.
int Run(std::vector<std::string> args, std::vector<std::string> env) {
  std::vector<char*> argv, envp;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  for (char** e = environ; *e != nullptr; ++e) envp.push_back(*e);
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) return -1;
  int raw = 0;
  if (waitpid(pid, &raw, 0) != pid) return -1;
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

void BM_StartToFirstPaintedDial(benchmark::State& state) {
  const umbrix::testing::TempFolder scratch;
  const std::string project = umbrix::testing::CopyInto(scratch.Path(), kWorkedExample).string();
  for (auto _ : state) {
    if (Run({UMBRIX_PROGRAM_PATH, project},
            {"QT_QPA_PLATFORM=offscreen", "UMBRIX_QUIT_AFTER_FIRST_DIAL=1",
             "XDG_RUNTIME_DIR=" + scratch.Path().string()}) != 0) {
      state.SkipWithError("umbrix did not paint the worked example and end");
      break;
    }
  }
}
BENCHMARK(BM_StartToFirstPaintedDial)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RedrawAfterResize(benchmark::State& state) {
  const umbrix::testing::TempFolder scratch;
  umbrix::TerminalPrompts prompts(std::cerr);
  umbrix::SystemServices services;
  umbrix::MainWindow window(prompts, services);
  ShowExposed(window);
  window.Start({umbrix::testing::CopyInto(scratch.Path(), kWorkedExample).string()});
  // two sizes a few pixels apart, both giving a drawing of about 1000 pixels
  const QSize sizes[2] = {QSize(1215, 1080), QSize(1219, 1084)};
  int which = 0;
  int unchanged = 0;
  for (auto _ : state) {
    const int before = window.Bitmap().width();
    window.resize(sizes[which ^= 1]);
    window.centralWidget()->repaint();
    if (window.Bitmap().width() == before) ++unchanged;
  }
  // every step must have refitted and redrawn the bitmap, or the figure measures nothing
  if (unchanged > 1) state.SkipWithError("a resize did not refit the drawing");
  if (window.Bitmap().width() < 950) state.SkipWithError("the drawing is not 1000 pixels wide");
  state.counters["bitmap_px"] = window.Bitmap().width();
}
BENCHMARK(BM_RedrawAfterResize)->Unit(benchmark::kMillisecond)->UseRealTime();

/// Drag steps back and forth along `step`, one per iteration.
void DragSteps(benchmark::State& state, Qt::KeyboardModifiers modifiers, QPoint step) {
  BusyWindow busy(modifiers);
  if (!busy.Ready(state)) return;
  int which = 0;
  for (auto _ : state) busy.MoveTo((which ^= 1) != 0 ? step : QPoint());
  busy.CheckRepainted(state);
  state.counters["bitmap_px"] = busy.window.Bitmap().width();
}

void BM_MoveDragStep(benchmark::State& state) { DragSteps(state, {}, QPoint(3, -2)); }
BENCHMARK(BM_MoveDragStep)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TimeDragStep(benchmark::State& state) {
  DragSteps(state, Qt::ControlModifier, QPoint(7, 0));
}
BENCHMARK(BM_TimeDragStep)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DateDragStep(benchmark::State& state) { DragSteps(state, Qt::ShiftModifier, QPoint(0, 9)); }
BENCHMARK(BM_DateDragStep)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WheelStep(benchmark::State& state) {
  BusyWindow busy({});
  busy.Send(QEvent::MouseButtonRelease, busy.centre, Qt::LeftButton, Qt::NoButton, {});
  if (!busy.Ready(state)) return;
  QWidget* drawing = busy.window.centralWidget();
  int which = 0;
  for (auto _ : state) {
    const QPoint delta(0, (which ^= 1) != 0 ? 120 : -120);
    QWheelEvent event(busy.centre, drawing->mapToGlobal(busy.centre), QPoint(), delta, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(drawing, &event);
    umbrix::bench::PaintPending();
  }
  busy.CheckRepainted(state);
  state.counters["bitmap_px"] = busy.window.Bitmap().width();
}
BENCHMARK(BM_WheelStep)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PrintToPdf(benchmark::State& state) {
  const auto layout = static_cast<umbrix::PrintLayout>(state.range(0));
  const umbrix::testing::TempFolder scratch;
  umbrix::TerminalPrompts prompts(std::cerr);
  umbrix::SystemServices services;
  umbrix::MainWindow window(prompts, services);
  window.show();
  window.Start({umbrix::testing::CopyInto(scratch.Path(), kWorkedExample).string()});
  umbrix::PdfPrinter printer(umbrix::Paper::A4);
  window.UsePrinter(printer);
  // the 1:1 print's sheets question would be answered Cancel on the terminal
  window.printing().ConfirmTrueScaleSheets(false);
  const QSize screen = window.Bitmap().size();
  for (auto _ : state) {
    const umbrix::PrintOutcome outcome = layout == umbrix::PrintLayout::Report
                                             ? window.printing().PrintReport()
                                             : window.printing().PrintDrawing(layout);
    // a print that failed, or touched the screen's drawing, measures nothing
    if (outcome != umbrix::PrintOutcome::Printed || printer.Document().empty() ||
        window.Bitmap().size() != screen) {
      state.SkipWithError("the print did not complete or changed the screen");
      break;
    }
  }
  state.counters["pdf_kB"] = static_cast<double>(printer.Document().size()) / 1024;
}
BENCHMARK(BM_PrintToPdf)
    ->ArgName("layout")
    ->DenseRange(0, 5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
