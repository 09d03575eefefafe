// Any bytes as a project file, then what a load runs: the computation the file's last command
// asks for, the tracing pass onto a canvas that converts every point to pixels as the raster
// does, the report, the SVG picture and the DXF export. Nothing may crash, overflow, or write a
// "NAN" or "INF" into the report, the DXF, the SVG or the project's data lines.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "FuzzFile.h"
#include "compute/Completeness.h"
#include "compute/Ephemeris.h"
#include "compute/Simulation.h"
#include "compute/Solver.h"
#include "export/DxfExport.h"
#include "export/SvgCanvas.h"
#include "files/ProjectFile.h"
#include "form/FakeFormHost.h"
#include "trace/TraceDial.h"

namespace {

using namespace umbrix;

// The room of the session's tests: a 449 x 449 pixel window.
constexpr int kRoomPx = 449;
constexpr int kMarginPx = 20;

void Require(bool condition) {
  if (!condition) std::abort();
}

// Every number the program prints goes through the one formatter, whose non-finite forms are
// "NAN", "INF" and "-INF".
void RequireFinite(std::string_view text) {
  Require(text.find("NAN") == std::string_view::npos);
  Require(text.find("INF") == std::string_view::npos);
}

// The raster's side of the primitives: every point converted to pixels, every point finite.
class PixelCanvas final : public Canvas {
 public:
  explicit PixelCanvas(const DrawingFrame& frame) : frame_(frame) {}
  void FillSurface(Colour) override {}
  void SetPenStyle(PenStyle) override {}
  void SetPenWidth(int pixels) override { Require(pixels == 0 || pixels == 3); }
  void DrawSegment(Colour, PointMm from, PointMm to) override {
    Pixel(from);
    Pixel(to);
  }
  void DrawPolyline(Colour, std::span<const PointMm> points) override { All(points); }
  void DrawMarker(Colour, PointMm at) override { Pixel(at); }
  void DrawLabel(std::string_view text, const LabelPlacement& at) override {
    Require(!text.empty());
    Require(std::isfinite(at.mm.x) && std::isfinite(at.mm.y));
    Require(std::abs(at.px) <= kPixelLimit + frame_.widthPx);
    Require(std::abs(at.py) <= kPixelLimit + frame_.heightPx);
  }
  void DrawFilledPolygon(Colour, std::span<const PointMm> points) override { All(points); }
  void DrawFilledQuads(Colour, std::span<const PointMm> points) override { All(points); }
  TextExtent MeasureText(std::string_view text) const override {
    return {static_cast<int>(text.size()) * 7, 15};
  }

 private:
  void Pixel(PointMm p) const {
    Require(std::isfinite(p.x) && std::isfinite(p.y));
    const int px = frame_.ToPixelX(p.x);
    const int py = frame_.ToPixelY(p.y);
    Require(std::abs(px) <= kPixelLimit + frame_.widthPx);
    Require(std::abs(py) <= kPixelLimit + frame_.heightPx);
  }
  void All(std::span<const PointMm> points) const {
    for (const PointMm& p : points) Pixel(p);
  }
  const DrawingFrame& frame_;
};

// The drawing frame the session gives the plate: fitted to the room, or the start-up square's
// bitmap while a rectangle is not fully known.
DrawingFrame FrameOf(const DialProject& project) {
  DrawingFrame frame;
  frame.marginPx = kMarginPx;
  FitResult fit = FitDrawingSize(project, kMarginPx, kRoomPx, kRoomPx);
  if (!fit.resized) fit = FitDrawingSize(BlankProject(), kMarginPx, kRoomPx, kRoomPx);
  frame.widthPx = fit.widthPx;
  frame.heightPx = fit.heightPx;
  frame.plate = project.Plate;
  frame.ComputeScale();
  return frame;
}

// The computation of `RunMode`, as the session's driver runs it after a load; false when it
// stops before tracing.
bool Compute(testing::Dialog& d, Orientation& orientation, HourLimits& limits, Report& report) {
  DialProject& project = d.project;
  const RunMode mode = d.state.RunMode;
  if (CheckCompleteness(project, mode).code != 0) return false;
  if (mode == RunMode::Ephemeris) {
    RequireFinite(EphemerisReport(project, true, DialOnShow{}, MonthNames::French));
    return false;
  }
  if (mode == RunMode::Trace) {
    const DirectTraceResult direct = TraceFromOrientation(project, report);
    orientation = direct.orientation;
    limits = direct.hourLimits.limits;
  } else if (mode == RunMode::Compute || mode == RunMode::Simulate) {
    if (mode == RunMode::Simulate && !SimulatePoints(project, d.form).success) return false;
    const SolveResult solved = SolveOrientation(project, d.state, report);
    if (!solved.success) {
      Require(!solved.messages.empty());
      return false;
    }
    orientation = solved.orientation;
    limits = solved.hourLimits.limits;
  } else {
    return false;
  }
  if (const auto refused = CheckTraceable(project, orientation, project.Plate)) {
    Require(refused->text.starts_with("Calcul impossible"));
    return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzzing::ScratchFile scratch(".umd");
  const std::string file = scratch.Write(data, size).string();
  testing::Dialog d({"MAP"});  // developer mode reads the extended files too
  ProjectFileLock lock;
  if (!ReadProjectFile(d.form, lock, file).ok) return 0;

  Orientation orientation;
  HourLimits limits{0.0, 0.0, 0.0, 0.0};
  Report report;
  const bool traced = Compute(d, orientation, limits, report);
  // what a save would write: the data lines never hold a non-finite number
  for (const std::string& line :
       BuildProjectLines(d.project, d.state, d.state.TestDataValid, true)) {
    RequireFinite(line.substr(0, line.find('\'')));
  }
  if (!traced) return 0;

  const DrawingFrame frame = FrameOf(d.project);
  PixelCanvas canvas(frame);
  TraceOptions options;
  options.composeReport = true;
  const TraceResult pass =
      TraceDial(d.project, orientation, limits, frame, canvas, options, report);
  RequireFinite(report.Compose());

  SvgCanvas svg(frame);
  Report unused;
  TraceDial(d.project, orientation, limits, frame, svg, TraceOptions{}, unused);
  RequireFinite(svg.Document());

  const DxfJob job{frame, DxfCasterGeometryOf(d.project, orientation, pass.style), 45000.5};
  const std::string dxf = DxfDocument(job, DialTracePass(d.project, orientation, limits, frame));
  RequireFinite(dxf);
  Require(dxf.ends_with("EOF\r\n"));
  return 0;
}
