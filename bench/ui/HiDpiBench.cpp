// One step of a drag on the busiest dial on a screen scaled x2: a drawing of about 1000 pixels
// of the window, 2000 of the screen, from the mouse event to the repainted bitmap (goal: under
// 8 ms). Beside it, its share in the drawing alone: the busiest dial traced on the window's
// drawing at x2, which puts off its bitmap until read, at x1, and on the bitmap alone (0). Wall
// time: a second thread paints part of a tall screen image.

#include <benchmark/benchmark.h>

#include "render/DrawingFont.h"
#include "render/RasterDrawing.h"
#include "support/DialCatalogue.h"
#include "trace/TraceDial.h"
#include "ui/BusyWindow.h"

namespace {

void BM_BusiestDialOnTheWindowsDrawing(benchmark::State& state) {
  const double ratio = static_cast<double>(state.range(0));
  const umbrix::DialProject dial = umbrix::testing::BusiestDial();
  const umbrix::DrawingFrame frame =
      umbrix::testing::FittedFrame(dial, 999, umbrix::MeasureMargin());
  umbrix::Report report;
  const umbrix::DirectTraceResult set = umbrix::TraceFromOrientation(dial, report);
  umbrix::RasterDrawing drawing;
  drawing.SetScreenRatio(ratio);
  drawing.ResizeDrawing(frame.widthPx, frame.heightPx);
  for (auto _ : state) {
    const auto canvas = drawing.DrawOnBitmap(frame);
    umbrix::TraceDial(dial, set.orientation, set.hourLimits.limits, frame, *canvas, {}, report);
  }
  state.counters["device_px"] = drawing.ScreenImage().width();
}
BENCHMARK(BM_BusiestDialOnTheWindowsDrawing)
    ->Arg(2)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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
  busy.CheckRepainted(state);
  state.counters["device_px"] = busy.window.Bitmap().width() * ratio;
}
BENCHMARK(BM_MoveDragStepAtTwiceTheDensity)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
