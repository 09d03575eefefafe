// The busiest dial (every figure, ten-minute lines with analemmas and refraction): the tracing
// pass alone, its primitives drawn on a 1000 x 1000 drawing bitmap, and the whole redraw.
// Goals: the computation takes at most half the time of drawing its primitives; a whole redraw
// takes under 8 ms, also with the Italian, Babylonian and temporary hours drawn.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <span>
#include <string_view>
#include <utility>

#include "render/DrawingFont.h"
#include "render/QtRasterCanvas.h"
#include "support/DialCatalogue.h"
#include "support/RecordingCanvas.h"
#include "trace/TraceDial.h"

namespace umbrix {
namespace {

/// Sends recorded calls to another surface, with the pen each call was made with.
void Replay(const std::vector<testing::CanvasCall>& calls, Canvas& canvas) {
  using testing::CallKind;
  for (const testing::CanvasCall& c : calls) {
    canvas.SetPenStyle(c.penStyle);
    canvas.SetPenWidth(c.penWidth);
    switch (c.kind) {
      case CallKind::FillSurface:
        canvas.FillSurface(c.colour);
        break;
      case CallKind::DrawSegment:
        canvas.DrawSegment(c.colour, c.points[0], c.points[1]);
        break;
      case CallKind::DrawPolyline:
        canvas.DrawPolyline(c.colour, c.points);
        break;
      case CallKind::DrawMarker:
        canvas.DrawMarker(c.colour, c.points[0]);
        break;
      case CallKind::DrawLabel:
        canvas.DrawLabel(c.text, c.label);
        break;
      case CallKind::DrawFilledPolygon:
        canvas.DrawFilledPolygon(c.colour, c.points);
        break;
      case CallKind::DrawFilledQuads:
        canvas.DrawFilledQuads(c.colour, c.points);
        break;
    }
  }
}

/// The busiest dial with the three old hours as well.
DialProject WithOldHours(DialProject p) {
  p.Options.Italiques1 = p.Options.Babyloniques1 = p.Options.Temporaires1 = {true, true};
  return p;
}

struct BusyDial {
  DialProject project = testing::BusiestDial();
  DrawingFrame frame = testing::FittedFrame(project, 999, MeasureMargin());
  DirectTraceResult set;
  explicit BusyDial(DialProject p = testing::BusiestDial()) : project(std::move(p)) {
    Report report;
    set = TraceFromOrientation(project, report);
  }
  TraceResult Trace(Canvas& canvas) const {
    Report report;
    return TraceDial(project, set.orientation, set.hourLimits.limits, frame, canvas, {}, report);
  }
};

void BM_TraceComputationOnly(benchmark::State& state) {
  const BusyDial dial;
  NullCanvas canvas;
  for (auto _ : state) benchmark::DoNotOptimize(dial.Trace(canvas));
}
BENCHMARK(BM_TraceComputationOnly)->Unit(benchmark::kMillisecond);

void BM_TraceOntoRecording(benchmark::State& state) {
  const BusyDial dial;
  std::size_t calls = 0;
  for (auto _ : state) {
    testing::RecordingCanvas canvas;
    dial.Trace(canvas);
    calls = canvas.calls.size();
    benchmark::DoNotOptimize(canvas.calls.data());
  }
  state.counters["calls"] = static_cast<double>(calls);
}
BENCHMARK(BM_TraceOntoRecording)->Unit(benchmark::kMillisecond);

void BM_ReplayOntoRaster1000(benchmark::State& state) {
  const BusyDial dial;
  testing::RecordingCanvas recording;
  dial.Trace(recording);
  QImage image = NewDrawingImage(dial.frame);
  for (auto _ : state) {
    QtRasterCanvas canvas(image, dial.frame);
    Replay(recording.calls, canvas);
  }
  state.counters["px"] = image.width();
  state.counters["calls"] = static_cast<double>(recording.calls.size());
}
BENCHMARK(BM_ReplayOntoRaster1000)->Unit(benchmark::kMillisecond);

void BM_TraceOntoRaster1000(benchmark::State& state) {
  const BusyDial dial;
  QImage image = NewDrawingImage(dial.frame);
  for (auto _ : state) {
    QtRasterCanvas canvas(image, dial.frame);
    dial.Trace(canvas);
  }
  state.counters["px"] = image.width();
}
BENCHMARK(BM_TraceOntoRaster1000)->Unit(benchmark::kMillisecond);

void BM_TraceWithOldHoursOntoRaster1000(benchmark::State& state) {
  const BusyDial dial(WithOldHours(testing::BusiestDial()));
  QImage image = NewDrawingImage(dial.frame);
  std::size_t oldHours = 0;
  for (auto _ : state) {
    QtRasterCanvas canvas(image, dial.frame);
    oldHours = dial.Trace(canvas).oldHours.size();
  }
  if (oldHours == 0) state.SkipWithError("no old hour drawn");
  state.counters["px"] = image.width();
  state.counters["oldHours"] = static_cast<double>(oldHours);
}
BENCHMARK(BM_TraceWithOldHoursOntoRaster1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace umbrix

// The raster canvas needs fonts, hence a QGuiApplication, on the offscreen platform by default.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
