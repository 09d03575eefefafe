// One step of a drag on the busiest dial on a screen scaled x2: a drawing of about 1000 pixels
// of the window, 2000 of the screen, from the mouse event to the repainted bitmap (goal: under
// 8 ms).

#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/BusyWindow.h"

namespace {

void BM_MoveDragStepAtTwiceTheDensity(benchmark::State& state) {
  umbrix::bench::BusyWindow busy({});
  if (!busy.Ready(state)) return;
  const double ratio = busy.window.devicePixelRatioF();
  if (ratio < 2) {
    state.SkipWithError("the screen is not scaled x2");
    return;
  }
  int which = 0;
  for (auto _ : state) busy.MoveTo((which ^= 1) != 0 ? QPoint(3, -2) : QPoint());
  state.counters["device_px"] = busy.window.Bitmap().width() * ratio;
}
BENCHMARK(BM_MoveDragStepAtTwiceTheDensity)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
