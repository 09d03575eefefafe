// The vector surfaces fed by the real tracing pass. DXF: every figure the pass draws becomes
// exactly the entities its colour and kind call for, and the folded shadow-caster is left to the
// export. SVG: every figure lands in its colour's group.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "DxfReading.h"
#include "InteropOutput.h"
#include "export/DxfCanvas.h"
#include "export/DxfExport.h"
#include "export/SvgCanvas.h"
#include "support/RecordingCanvas.h"
#include "trace/TraceFixtures.h"

namespace umbrix {
namespace {

using testing::CallKind;
using testing::EntityCounts;
using testing::FrameFor;
using testing::KeepForInterop;
using testing::RecordingCanvas;
using testing::SquareDial;
using testing::TypedOrientation;

constexpr HourLimits kWallLimits{5.5, 18.5, 0, 0};

// A wall dial at 45 N with most figures on.
DialProject BusyDial() {
  DialProject p = SquareDial(100, 30, 45);
  p.Options.SignArcs = 7;
  p.Options.HourSubdivisions = 2;
  p.Options.MenDat.checked = true;
  p.Options.EteAutomne2.checked = true;
  p.Options.HiverPrintemps2.checked = true;
  p.Options.Horizon1.checked = true;
  p.Options.Ombre1.checked = true;
  p.Options.Axes1.checked = true;
  p.Options.Carreaux1.checked = true;
  p.Options.N2points1.checked = true;
  p.Mesx1 = testing::Given(10);
  p.Mesy1 = testing::Given(-20);
  p.Hediur = testing::Given(0.4);  // 9:36, the shadow falls on the plate
  return p;
}

// The entities each recorded call must give, keyed "layer/TYPE" as EntityCounts reads them.
std::map<std::string, int> ExpectedFrom(const RecordingCanvas& rec) {
  std::map<std::string, int> counts;
  for (const testing::CanvasCall& c : rec.calls) {
    const std::string layer(DxfLayerOf(c.colour).name);
    switch (c.kind) {
      case CallKind::DrawSegment:
        ++counts[layer + (c.penWidth != 0 ? "/POLYLINE" : "/LINE")];
        break;
      case CallKind::DrawPolyline: ++counts[layer + "/POLYLINE"]; break;
      case CallKind::DrawMarker: ++counts[layer + "/CIRCLE"]; break;
      case CallKind::DrawLabel: ++counts["0/TEXT"]; break;
      case CallKind::DrawFilledQuads:
        if (c.points.size() >= 3) counts[layer + "/SOLID"] += static_cast<int>((c.points.size() - 1) / 2);
        break;
      case CallKind::FillSurface:
      case CallKind::DrawFilledPolygon: break;
    }
  }
  return counts;
}

struct DialCase {
  const char* name;
  bool style;
  double decDeg, incDeg, rotDeg;
};

class DxfOfADial : public ::testing::TestWithParam<DialCase> {};

TEST_P(DxfOfADial, EveryFigureOfThePassBecomesItsEntitiesAndTheCasterIsWrittenOnce) {
  const DialCase c = GetParam();
  DialProject p = BusyDial();
  p.Options.Style1.checked = c.style;
  p.Options.Gnomon1.checked = !c.style;
  const Orientation o = TypedOrientation(45, c.decDeg, c.incDeg, c.rotDeg);
  const DrawingFrame frame = FrameFor(p.Plate);
  const DxfTracePass pass = DialTracePass(p, o, kWallLimits, frame);

  RecordingCanvas rec;
  pass(rec);
  ASSERT_GT(rec.calls.size(), 20u);
  // `Visible1` is checked in the project, yet the pass leaves the folded caster to the export.
  for (const testing::CanvasCall& call : rec.calls)
    EXPECT_NE(call.colour, colours::Green) << static_cast<int>(call.kind);

  const StyleGeometry geometry = ComputeStyleGeometry(p, o, p.Plate);
  const DxfJob job{frame, DxfCasterGeometryOf(p, o, geometry), 45000.5};
  std::ostringstream out;
  WriteDxf(out, job, pass);
  const std::string text = out.str();

  std::map<std::string, int> expected = ExpectedFrom(rec);
  ++expected["3D/SOLID"];                          // the white background
  ++expected["STYLE/POLYLINE"];                    // the caster folded flat
  ++expected[c.style ? "3D/SOLID" : "3D/CIRCLE"];  // its face, or the gnomon's cylinder
  ++expected["STYLE/CIRCLE"];                      // the foot
  EXPECT_EQ(EntityCounts(text), expected);
  EXPECT_EQ(rec.Labels().size(), static_cast<std::size_t>(expected["0/TEXT"]));
  EXPECT_NE(text.find("  6\r\nDASHED\r\n 10"), std::string::npos);  // half-hour lines
  KeepForInterop(std::string("dial-") + c.name + ".dxf", text, expected);
}

INSTANTIATE_TEST_SUITE_P(Dials, DxfOfADial,
                         ::testing::Values(DialCase{"style-wall", true, 20, 90, 5},
                                           DialCase{"gnomon-wall", false, 20, 90, 5},
                                           DialCase{"style-horizontal", true, 0, 0, 0},
                                           DialCase{"style-declining", true, -35, 70, -10}),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& ch : name)
                             if (ch == '-') ch = '_';
                           return name;
                         });

TEST(DxfCasterGeometry, TakesTheTracersGeometryAndTheSunOfTheShadowInstant) {
  DialProject p = BusyDial();
  const Orientation o = TypedOrientation(45, 0, 0, 0);  // horizontal plate
  const StyleGeometry g = ComputeStyleGeometry(p, o, p.Plate);
  const DxfCasterGeometry c = DxfCasterGeometryOf(p, o, g);
  EXPECT_EQ(c.foot, g.caster.foot);
  EXPECT_EQ(c.height, 30);
  EXPECT_EQ(c.styleAngle, g.StyleAngle);
  EXPECT_EQ(c.styleEnd, g.StyleEnd);
  EXPECT_EQ(c.styleEndHeight, g.StyleEndHeight);
  EXPECT_TRUE(c.style);
  EXPECT_GT(c.sun.Z, 0);  // a January morning lights a horizontal plate
  p.Hediur = testing::Given(0.0);  // midnight
  EXPECT_LT(DxfCasterGeometryOf(p, o, g).sun.Z, 0);
  p.Options.Style1.checked = false;
  p.Options.Gnomon1.checked = true;
  EXPECT_FALSE(DxfCasterGeometryOf(p, o, g).style);
}

TEST(SvgOfADial, EveryDrawnFigureIsInItsColoursGroup) {
  const DialProject p = BusyDial();
  const Orientation o = TypedOrientation(45, 20, 90, 5);
  const DrawingFrame frame = FrameFor(p.Plate);
  TraceOptions options;
  Report report;
  RecordingCanvas rec;
  TraceDial(p, o, kWallLimits, frame, rec, options, report);
  SvgCanvas svgCanvas(frame);
  TraceDial(p, o, kWallLimits, frame, svgCanvas, options, report);
  std::ostringstream out;
  svgCanvas.Write(out);
  const std::string svg = out.str();

  const auto count = [&](const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = svg.find(part); at != std::string::npos; at = svg.find(part, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("<text "), rec.Of(CallKind::DrawLabel).size());
  EXPECT_EQ(count("<line "), rec.Of(CallKind::DrawSegment).size());
  EXPECT_EQ(count("<polyline "), rec.Of(CallKind::DrawPolyline).size());
  EXPECT_EQ(count("<circle "), rec.Of(CallKind::DrawMarker).size());
  EXPECT_EQ(count("<polygon "), rec.Of(CallKind::DrawFilledPolygon).size());
  for (const char* group : {"fond", "lignes-horaires", "signes", "arc-diurne", "juin-decembre",
                            "decembre-juin", "horizon", "carreaux", "style", "ombre"})
    EXPECT_EQ(count(std::string("<g id=\"") + group + "\""), 1u) << group;
  EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);  // half hours and first months
  KeepForInterop("dial-style-wall.svg", svg);
}

}  // namespace
}  // namespace umbrix
