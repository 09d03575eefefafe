#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "support/RecordingCanvas.h"
#include "trace/CanvasRecording.h"
#include "trace/TraceDial.h"
#include "trace/TraceFixtures.h"

namespace umbrix {
namespace {

using testing::CallKind;
using testing::CanvasCall;
using testing::FrameFor;
using testing::Given;
using testing::RecordingCanvas;
using testing::SquareDial;
using testing::TypedOrientation;

// Hour limits of a horizontal plate at 45 degrees north in local mean time.
constexpr HourLimits kHorizontal45{4.29, 19.71, 0, 0};

TraceOptions WithReport() {
  TraceOptions o;
  o.composeReport = true;
  return o;
}

struct Pass {
  RecordingCanvas canvas;
  Report report;
  TraceResult result;
};

Pass Trace(const DialProject& p, const Orientation& o, const HourLimits& limits = kHorizontal45,
           TraceOptions options = WithReport()) {
  Pass pass;
  pass.result = TraceDial(p, o, limits, FrameFor(p.Plate), pass.canvas, options, pass.report);
  return pass;
}

DialProject FullHorizontalDial() {
  DialProject p = SquareDial(200, 30, 45);
  p.Options.SignArcs = 1;
  p.Options.Horizon1.checked = true;
  p.Options.MenDat.checked = true;
  p.Options.Ombre1.checked = true;
  return p;
}

const char* const kBoreal =
    "Le cadran est de type boréal, le style s'élève au-dessus de la surface du cadran en "
    "direction du pôle nord céleste.\r\n";

TEST(TraceDial, FullHorizontalDialReportsEverySectionExactly) {
  Pass pass;
  pass.report.sections[0] = "<0>";
  pass.report.sections[1] = "<1>";
  pass.report.sections[9] = "<9>";
  const DialProject p = FullHorizontalDial();
  TraceDial(p, TypedOrientation(45, 0, 0, 0), kHorizontal45, FrameFor(p.Plate), pass.canvas,
            WithReport(), pass.report);
  const auto& s = pass.report.sections;
  EXPECT_EQ(s[2], kBoreal);
  EXPECT_EQ(s[3],
            "\r\nL'ombre est dessinée pour le :\r\n 1 janvier 2010 à 12 h 00,\r\n heure du "
            "cadran\r\n");
  EXPECT_EQ(s[4],
            "\r\nPremière extrémité du style :\r\n - Position : (0, 0)\r\n - Hauteur : 30\r\n"
            "\r\nLe centre du cadran, point de rencontre des lignes horaires et du style, est à "
            "l'intérieur du cadran.\r\n"
            "\r\nPosition du centre : (0, -30)\r\n"
            "\r\nLongueur du style : 42.4\r\n");
  EXPECT_EQ(s[5],
            "\r\nLignes horaires :\r\n"
            " - Pour 4 h 00 : du centre\r\n     jusqu'à (-85.7, -L)\r\n"
            " - Pour 5 h 00 : du centre\r\n     jusqu'à (-L, -67.9)\r\n"
            " - Pour 6 h 00 : du centre\r\n     jusqu'à (-L, -30)\r\n"
            " - Pour 7 h 00 : du centre\r\n     jusqu'à (-L, 7.9)\r\n"
            " - Pour 8 h 00 : du centre\r\n     jusqu'à (-L, 51.6)\r\n"
            " - Pour 9 h 00 : du centre\r\n     jusqu'à (-91.9, L)\r\n"
            " - Pour 10 h 00 : du centre\r\n     jusqu'à (-53.1, L)\r\n"
            " - Pour 11 h 00 : du centre\r\n     jusqu'à (-24.6, L)\r\n"
            " - Pour 12 h 00 : du centre\r\n     jusqu'à (0, L)\r\n"
            " - Pour 13 h 00 : du centre\r\n     jusqu'à (24.6, L)\r\n"
            " - Pour 14 h 00 : du centre\r\n     jusqu'à (53.1, L)\r\n"
            " - Pour 15 h 00 : du centre\r\n     jusqu'à (91.9, L)\r\n"
            " - Pour 16 h 00 : du centre\r\n     jusqu'à (L, 51.6)\r\n"
            " - Pour 17 h 00 : du centre\r\n     jusqu'à (L, 7.9)\r\n"
            " - Pour 18 h 00 : du centre\r\n     jusqu'à (L, -30)\r\n"
            " - Pour 19 h 00 : du centre\r\n     jusqu'à (L, -67.9)\r\n"
            " - Pour 20 h 00 : du centre\r\n     jusqu'à (85.7, -L)\r\n");
  EXPECT_EQ(s[6], "\r\nIl n'y a pas de ligne d'horizon.\r\n");
  EXPECT_EQ(s[7], "\r\nEquinoxiale : de (-L, 30)\r\n     jusqu'à (L, 30)\r\n");
  EXPECT_EQ(s[8], "\r\nL'arc diurne est tracé pour la date du : 1 janvier 2010\r\n");
  std::string all;
  for (const auto& section : s) all += section;
  EXPECT_EQ(pass.report.Compose(), all);
  EXPECT_EQ(pass.report.Compose().rfind("<0>" + s[1] + s[2], 0), 0u);
  EXPECT_EQ(pass.report.Compose().substr(pass.report.Compose().size() - 3), "<9>");
}

TEST(TraceDial, ComposingClearsStaleTracingSectionsOnly) {
  Pass pass;
  for (auto& section : pass.report.sections) section = "stale";
  DialProject p = SquareDial(200, 30, 45);
  TraceDial(p, TypedOrientation(45, 0, 0, 0), kHorizontal45, FrameFor(p.Plate), pass.canvas,
            WithReport(), pass.report);
  const auto& s = pass.report.sections;
  EXPECT_EQ(s[0], "stale");
  EXPECT_EQ(s[1], "stale");
  EXPECT_EQ(s[9], "stale");
  for (int i : {3, 6, 7, 8}) EXPECT_EQ(s[i], "") << i;
  EXPECT_EQ(s[2], kBoreal);
}

TEST(TraceDial, WithoutComposingTheReportIsUntouched) {
  Pass pass;
  for (auto& section : pass.report.sections) section = "kept";
  const DialProject p = FullHorizontalDial();
  TraceDial(p, TypedOrientation(45, 0, 0, 0), kHorizontal45, FrameFor(p.Plate), pass.canvas,
            TraceOptions{}, pass.report);
  for (const auto& section : pass.report.sections) EXPECT_EQ(section, "kept");
  EXPECT_FALSE(pass.canvas.calls.empty());
}

struct KindCase {
  const char* name;
  double lat, dec, inc;
  int kind;
  const char* section2;
};

// What a computation checks before its tracing pass: numbers that reach the report and the DXF
// must be finite, and the plate at least the 0.1 mm they are written to.
TEST(CheckTraceable, RefusesWhatWouldBePrintedAsNaNOrAsAPoint) {
  const Orientation horizontal = TypedOrientation(45, 0, 0, 0);
  const auto square = [](double side) {
    DialProject p = SquareDial(200, 30, 45);
    p.Cote = Given(side);
    p.Plate = {-side / 2, side / 2, -side / 2, side / 2};
    return p;
  };
  Orientation nan = horizontal;
  nan.PlateEuler[1] = std::nan("");
  Orientation inf = horizontal;
  inf.ZenithVec.X = std::numeric_limits<double>::infinity();
  DialProject hugeGnomon = SquareDial(200, 30, 45);
  hugeGnomon.Gnomon = hugeGnomon.Gnomf = Given(1e308);
  DialProject rectangle = SquareDial(200, 30, 45);
  rectangle.Plate = {-100, 100, -0.04, 0.04};

  const struct {
    const char* what;
    DialProject project;
    Orientation orientation;
    std::optional<Message> expected;
  } rows[] = {
      {"an ordinary dial", SquareDial(200, 30, 45), horizontal, std::nullopt},
      {"a plate of 0.1 mm", square(0.1), horizontal, std::nullopt},
      {"a plate of 1e300 mm", square(1e300), horizontal, std::nullopt},
      {"a plate of 1e-300 mm", square(1e-300), horizontal, ErrorMessage(kPlateTooSmallText)},
      {"a plate of 0.09 mm", square(0.09), horizontal, ErrorMessage(kPlateTooSmallText)},
      {"a plate 0.08 mm high", rectangle, horizontal, ErrorMessage(kPlateTooSmallText)},
      {"a NaN angle", SquareDial(200, 30, 45), nan, ErrorMessage(kOutOfScaleText)},
      {"an infinite zenith", SquareDial(200, 30, 45), inf, ErrorMessage(kOutOfScaleText)},
      // the centre lies at gnomon / tan of the pole's forced height: beyond any double
      {"a gnomon of 1e308 on a polar plate", hugeGnomon, TypedOrientation(45, 0, 45, 0),
       ErrorMessage(kOutOfScaleText)},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(CheckTraceable(row.project, row.orientation, row.project.Plate), row.expected)
        << row.what;
  }
}

TEST(TraceDial, ClassifiesTheDial) {
  const KindCase cases[] = {
      {"horizontal, 45 N", 45, 0, 0, 1, kBoreal},
      {"vertical facing south, 45 N", 45, 0, 90, -1,
       "Le cadran est de type austral, le style s'élève au-dessus de la surface du cadran en "
       "direction du pôle sud céleste.\r\n"},
      {"parallel to the equator, 45 N", 45, 180, 45, 2,
       "Le cadran est de type équatorial. Le style s'élève perpendiculairement à la surface du "
       "cadran en direction du pôle nord céleste. Les lignes horaires sont régulièrement "
       "espacées de 15°.\r\n"},
      {"parallel to the equator, 45 S", -45, 0, 45, -2,
       "Le cadran est de type équatorial. Le style s'élève perpendiculairement à la surface du "
       "cadran en direction du pôle sud céleste. Les lignes horaires sont régulièrement "
       "espacées de 15°.\r\n"},
      {"containing the polar axis, 45 N", 45, 0, 45, 0,
       "Le cadran est de type polaire. Les lignes horaires sont parallèles entre elles et le "
       "style est parallèle à la surface du cadran.\r\n"},
  };
  for (const auto& c : cases) {
    const DialProject p = SquareDial(200, 30, c.lat);
    const Pass pass = Trace(p, TypedOrientation(c.lat, c.dec, c.inc, 0));
    EXPECT_EQ(pass.result.style.DialKind, c.kind) << c.name;
    EXPECT_EQ(pass.report.sections[2], c.section2) << c.name;
    EXPECT_TRUE(std::isfinite(pass.result.style.CentreOffset.x)) << c.name;
    EXPECT_TRUE(std::isfinite(pass.result.style.CentreOffset.y)) << c.name;
  }
}

TEST(TraceDial, PolarPlateForcesThePoleOffThePlateSoDivisionsStayFinite) {
  const DialProject p = SquareDial(200, 30, 45);
  const StyleGeometry g = ComputeStyleGeometry(p, TypedOrientation(45, 0, 45, 0), p.Plate);
  EXPECT_EQ(g.DialKind, 0);
  EXPECT_EQ(g.PoleInPlate.Z, 2e-4);
  EXPECT_NEAR(g.StyleSlope, 2e-4, 1e-9);
  // The centre runs far off the plate: the style ends on the plate's edge, nearly at full height.
  EXPECT_GT(std::hypot(g.CentreOffset.x, g.CentreOffset.y), 1e4);
  EXPECT_NEAR(g.StyleEndHeight, 30, 0.1);
}

TEST(TraceDial, EquatorialPlateGetsItsPoleForcedOntoY) {
  for (const double lat : {45.0, -45.0}) {
    const DialProject p = SquareDial(200, 30, lat);
    const StyleGeometry g =
        ComputeStyleGeometry(p, TypedOrientation(lat, lat > 0 ? 180 : 0, 45, 0), p.Plate);
    EXPECT_EQ(std::abs(g.DialKind), 2);
    EXPECT_EQ(g.PoleInPlate.X, 0.0);
    EXPECT_EQ(g.PoleInPlate.Y, 2e-4);
    EXPECT_LT(g.StyleEndHeight, 2e-4);  // the style stands on its centre, next to the foot
  }
}

struct SolarCase {
  double lon, zone;
  const char* correction;
};

TEST(TraceDial, SolarHoursAddTheCorrectionToLegalTime) {
  const SolarCase cases[] = {{2, 1, "+ 1 h 08"}, {-5, 1, "+ 0 h 40"}, {2, -1, "- 0 h 52"}};
  for (const auto& c : cases) {
    DialProject p = SquareDial(200, 30, 45);
    p.Hvrai = true;
    p.Long = Given(c.lon);
    p.FusHor = Given(c.zone);
    const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
    EXPECT_EQ(pass.report.sections[2],
              std::string(kBoreal) +
                  "\r\nCadran à heures solaires, correction supplémentaire pour obtenir l'heure "
                  "légale : " +
                  c.correction + "\r\n");
    EXPECT_DOUBLE_EQ(pass.result.style.SolarOffset, c.lon / 15 + c.zone);
  }
}

// ---- Arcs of the signs, equinoctial, date and monthly arcs, horizon ----

TEST(TraceDial, SolsticesOnlyDrawExactlyTwoArcs) {
  DialProject p = SquareDial(200, 30, 45);
  p.Options.SignArcs = 2;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawPolyline, colours::Purple), 2u);
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawSegment, colours::Purple), 0u);
  EXPECT_EQ(pass.report.sections[7], "");
}

TEST(TraceDial, AllSignsDrawSixArcsAndTheStraightEquinoctial) {
  DialProject p = SquareDial(200, 30, 45);
  p.Options.SignArcs = 7;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawPolyline, colours::Purple), 6u);
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawSegment, colours::Purple), 1u);
}

TEST(TraceDial, EquinoctialWithoutRefractionIsOneStraightSegment) {
  DialProject p = SquareDial(200, 30, 45);
  p.Options.SignArcs = 1;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  const auto segments = pass.canvas.Of(CallKind::DrawSegment, colours::Purple);
  ASSERT_EQ(segments.size(), 1u);
  EXPECT_EQ(segments[0].points[0].x, -100);
  EXPECT_EQ(segments[0].points[1].x, 100);
  EXPECT_NEAR(segments[0].points[0].y, 30, 1e-9);  // G tan(45) north of the foot
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawPolyline, colours::Purple), 0u);
  EXPECT_EQ(pass.report.sections[7], "\r\nEquinoxiale : de (-L, 30)\r\n     jusqu'à (L, 30)\r\n");
}

TEST(TraceDial, EquinoctialOnAVerticalPlateRunsFromTheHorizonTowardTheDaySide) {
  DialProject p = SquareDial(200, 30, 45);
  p.Options.SignArcs = 1;
  // A plate facing south-west: the equinoctial meets the horizon line, so it is a ray.
  const Pass pass = Trace(p, TypedOrientation(45, 40, 90, 0));
  const auto segments = pass.canvas.Of(CallKind::DrawSegment, colours::Purple);
  ASSERT_EQ(segments.size(), 1u);
  // Every point of the drawn piece lies below the horizon line's height (y = 0 on the foot).
  EXPECT_LE(segments[0].points[0].y, 1e-9);
  EXPECT_LE(segments[0].points[1].y, 1e-9);
  EXPECT_NE(pass.report.sections[7].find("Equinoxiale : de ("), std::string::npos);
}

TEST(TraceDial, EquinoctialOffThePlateIsReported) {
  DialProject p = SquareDial(100, 80, 45);  // the equinoctial runs 80 mm north of the foot
  p.Options.SignArcs = 1;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawSegment, colours::Purple), 0u);
  EXPECT_EQ(pass.report.sections[7], "\r\nL'équinoxiale ne passe pas sur le cadran.\r\n");
}

DialProject WithRefraction(DialProject p) {
  p.Locc = true;
  p.Long = Given(0);
  p.FusHor = Given(0);
  p.Options.Refrac1 = {true, true};
  return p;
}

TEST(TraceDial, EquinoctialWithRefractionIsACurveWithoutReportLine) {
  DialProject p = WithRefraction(SquareDial(200, 30, 45));
  p.Options.SignArcs = 1;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawSegment, colours::Purple), 0u);
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawPolyline, colours::Purple), 1u);
  EXPECT_EQ(pass.report.sections[7], "");
}

TEST(TraceDial, DateArcIsTealAndMonthlyArcsStartDotted) {
  DialProject p = SquareDial(200, 30, 45);
  p.Options.MenDat.checked = true;
  p.Options.EteAutomne2.checked = true;
  p.Options.HiverPrintemps2.checked = true;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawPolyline, colours::Teal), 1u);
  for (const Colour c : {colours::Red, colours::Blue}) {
    const auto arcs = pass.canvas.Of(CallKind::DrawPolyline, c);
    ASSERT_EQ(arcs.size(), 6u);
    EXPECT_EQ(arcs[0].penStyle, PenStyle::Dotted);
    for (std::size_t k = 1; k < arcs.size(); ++k) EXPECT_EQ(arcs[k].penStyle, PenStyle::Solid);
  }
  // January's arc is the winter one: its noon shadow is longer than July's.
  const auto maxY = [](const CanvasCall& c) {
    double y = -1e9;
    for (const PointMm& q : c.points) y = std::max(y, q.y);
    return y;
  };
  EXPECT_GT(maxY(pass.canvas.Of(CallKind::DrawPolyline, colours::Blue)[0]),
            maxY(pass.canvas.Of(CallKind::DrawPolyline, colours::Red)[0]));
}

struct HorizonCase {
  const char* name;
  double dec, inc;
  bool limite;
  const char* section6;
  std::size_t maroon;
};

TEST(TraceDial, HorizonLine) {
  const HorizonCase cases[] = {
      {"horizontal plate", 0, 0, true, "\r\nIl n'y a pas de ligne d'horizon.\r\n", 0},
      {"vertical plate", 0, 90, true, "\r\nLigne d'horizon : de (-L, 0)\r\n     jusqu'à (L, 0)\r\n",
       1},
      {"plate tilted 30 degrees", 0, 30, true,
       "\r\nLa ligne d'horizon ne passe pas sur le cadran.\r\n", 0},
      {"no latitude", 0, 90, false, "", 0},
  };
  for (const auto& c : cases) {
    DialProject p = SquareDial(100, 30, 45);
    p.Limite = c.limite;
    p.Options.Horizon1.checked = true;
    const Pass pass = Trace(p, TypedOrientation(45, c.dec, c.inc, 0));
    EXPECT_EQ(pass.report.sections[6], c.section6) << c.name;
    EXPECT_EQ(pass.canvas.Count(CallKind::DrawSegment, colours::Maroon), c.maroon) << c.name;
  }
}

// ---- Shadow at an instant ----

TEST(TraceDial, SunBelowTheHorizonGreysTheWholeFrameAndDrawsNoShadow) {
  DialProject p = SquareDial(100, 30, 45);
  p.Options.Ombre1.checked = true;
  p.Hediur = Given(0.0);  // midnight
  const DrawingFrame f = FrameFor(p.Plate);
  Pass pass;
  TraceDial(p, TypedOrientation(45, 0, 0, 0), kHorizontal45, f, pass.canvas, WithReport(),
            pass.report);
  const auto fills = pass.canvas.Of(CallKind::FillSurface);
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0].colour, colours::White);
  EXPECT_EQ(fills[1].colour, colours::Grey);
  const auto quads = pass.canvas.Of(CallKind::DrawFilledQuads, colours::Grey);
  ASSERT_EQ(quads.size(), 1u);
  const PlateWindow fw = f.FrameWindow();
  const std::vector<PointMm> corners = {
      {fw.XMin, fw.YMin}, {fw.XMax, fw.YMin}, {fw.XMax, fw.YMax}, {fw.XMin, fw.YMax}};
  EXPECT_EQ(quads[0].points, corners);
  EXPECT_TRUE(pass.canvas.Of(CallKind::DrawFilledPolygon).empty());
  EXPECT_EQ(pass.report.sections[3],
            "\r\nL'ombre est dessinée pour le :\r\n 1 janvier 2010 à 0 h 00,\r\n heure du "
            "cadran\r\n");
}

TEST(TraceDial, SunLightingTheBackOfThePlateGreysItLight) {
  DialProject p = SquareDial(100, 30, 45);
  p.Options.Ombre1.checked = true;
  const Pass pass = Trace(p, TypedOrientation(45, 180, 90, 0));  // facing north at noon
  EXPECT_EQ(pass.canvas.Count(CallKind::FillSurface, colours::LightGrey), 1u);
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawFilledQuads, colours::LightGrey), 1u);
  EXPECT_TRUE(pass.canvas.Of(CallKind::DrawFilledPolygon).empty());
}

bool Near(PointMm a, PointMm b) { return std::hypot(a.x - b.x, a.y - b.y) < 1e-9; }

TEST(TraceDial, CentreOnThePlateGivesAThreeVertexShadow) {
  DialProject p = SquareDial(200, 30, 45);
  p.Options.Ombre1.checked = true;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  EXPECT_LT(pass.result.style.StyleEndHeight, 2e-4);
  const auto polygons = pass.canvas.Of(CallKind::DrawFilledPolygon, colours::LightGrey);
  ASSERT_EQ(polygons.size(), 1u);
  const auto& v = polygons[0].points;
  ASSERT_EQ(v.size(), 3u);
  // Foot and centre at the ends, the tip's shadow (about 75 mm north at a winter noon) between.
  const PointMm foot{0, 0};
  const PointMm centre = pass.result.style.StyleEnd;
  EXPECT_TRUE((Near(v[0], foot) && Near(v[2], centre)) || (Near(v[0], centre) && Near(v[2], foot)));
  EXPECT_GT(v[1].y, 60);
  EXPECT_LT(v[1].y, 90);
  const auto quads = pass.canvas.Of(CallKind::DrawFilledQuads, colours::LightGrey);
  ASSERT_EQ(quads.size(), 1u);
  EXPECT_EQ(quads[0].points, v);
}

TEST(TraceDial, CentreOffThePlateEndsTheStyleOnTheEdgeAboveThePlate) {
  DialProject p = SquareDial(100, 80, 45);
  p.Options.Ombre1.checked = true;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  const StyleGeometry& g = pass.result.style;
  EXPECT_EQ(g.StyleEnd.y, -50);
  EXPECT_NEAR(g.StyleEndHeight, 30, 1e-9);
  EXPECT_EQ(pass.report.sections[4],
            "\r\nPremière extrémité du style :\r\n - Position : (0, 0)\r\n - Hauteur : 80\r\n"
            "\r\nLe centre du cadran, point de rencontre des lignes horaires et du style, est à "
            "l'extérieur du cadran.\r\n"
            "\r\nSeconde extrémité du style :\r\n - Position : (0, -L)\r\n - Hauteur : 30\r\n"
            "\r\nLongueur du style : 70.7\r\n");
  const auto polygons = pass.canvas.Of(CallKind::DrawFilledPolygon, colours::LightGrey);
  ASSERT_EQ(polygons.size(), 1u);
  const auto& v = polygons[0].points;
  ASSERT_GE(v.size(), 4u);
  EXPECT_TRUE((Near(v.front(), {0, 0}) && Near(v.back(), g.StyleEnd)) ||
              (Near(v.front(), g.StyleEnd) && Near(v.back(), {0, 0})));
  // The tip's shadow (about 200 mm away) is cut at the frame, which includes the margin.
  const PlateWindow fw = FrameFor(p.Plate).FrameWindow();
  for (const PointMm& q : v) {
    EXPECT_LE(q.y, fw.YMax);
    EXPECT_GE(q.y, fw.YMin);
  }
}

TEST(TraceDial, GnomonShadowIsAThickSegment) {
  DialProject p = SquareDial(200, 30, 45);
  p.Options.Ombre1.checked = true;
  p.Options.Style1.checked = false;
  p.Options.Gnomon1.checked = true;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  const auto shadow = pass.canvas.Of(CallKind::DrawSegment, colours::LightGrey);
  ASSERT_EQ(shadow.size(), 1u);
  EXPECT_EQ(shadow[0].penWidth, 3);
  EXPECT_EQ(shadow[0].points[0], (PointMm{0, 0}));
  EXPECT_EQ(pass.canvas.penWidth(), 0);
}

TEST(TraceDial, DeskModeDrawsTheShadowAtTheGivenInstant) {
  DialProject p = SquareDial(200, 30, 45);
  TraceOptions options;
  options.deskMode = true;
  options.shadowInstant = ShadowInstant{kStartupDadiurSerial, 0.0};  // midnight: night grey
  const Pass night = Trace(p, TypedOrientation(45, 0, 0, 0), kHorizontal45, options);
  EXPECT_EQ(night.canvas.Count(CallKind::FillSurface, colours::Grey), 1u);
  options.shadowInstant = ShadowInstant{kStartupDadiurSerial, 12.0};
  const Pass day = Trace(p, TypedOrientation(45, 0, 0, 0), kHorizontal45, options);
  // darker than the drawing's light grey, and edged in black all round
  EXPECT_EQ(day.canvas.Count(CallKind::DrawFilledPolygon, colours::LightGrey), 0u);
  const auto polygons = day.canvas.Of(CallKind::DrawFilledPolygon, colours::Grey);
  ASSERT_EQ(polygons.size(), 1u);
  std::vector<PointMm> closed = polygons[0].points;
  closed.push_back(closed.front());
  bool edged = false;
  for (const auto& line : day.canvas.Of(CallKind::DrawPolyline, colours::Black))
    edged = edged || line.points == closed;
  EXPECT_TRUE(edged);
  // a rod's shadow: a grey band over a wider black one
  p.Options.Style1.checked = false;
  p.Options.Gnomon1.checked = true;
  const Pass rod = Trace(p, TypedOrientation(45, 0, 0, 0), kHorizontal45, options);
  const auto band = rod.canvas.Of(CallKind::DrawSegment, colours::Grey);
  ASSERT_EQ(band.size(), 1u);
  EXPECT_EQ(band[0].penWidth, 3);
  const auto edge = rod.canvas.Of(CallKind::DrawSegment, colours::Black);
  ASSERT_FALSE(edge.empty());
  EXPECT_EQ(edge.front().penWidth, 5);
  EXPECT_EQ(edge.front().points, band[0].points);
}

// ---- Grid, axes, closing figures ----

struct GridCase {
  double square;
  std::size_t lines;
};

TEST(TraceDial, GridLinesRunThroughTheCentreAndEveryMultipleOfTheSquare) {
  // Squares too small to count draw nothing rather than never finishing.
  const GridCase cases[] = {{60, 2}, {50, 6}, {20, 10}, {30, 6}, {1e-9, 0}};
  for (const auto& c : cases) {
    DialProject p = SquareDial(100, 30, 45);
    p.Options.Carreaux1.checked = true;
    p.Carreau = Given(c.square);
    const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
    const auto grid = pass.canvas.Of(CallKind::DrawSegment, colours::Silver);
    EXPECT_EQ(grid.size(), c.lines) << c.square;
    for (const auto& line : grid) {
      const bool vertical = line.points[0].x == line.points[1].x;
      const double at = vertical ? line.points[0].x : line.points[0].y;
      EXPECT_NEAR(std::remainder(at, c.square), 0, 1e-9);
      EXPECT_LE(std::abs(at), 50);
    }
  }
}

TEST(TraceDial, ClosingFigures) {
  DialProject p = SquareDial(100, 30, 45);
  p.Options.N2points1.checked = true;
  p.Options.Axes1.checked = true;
  p.Mesx1 = Given(10);
  p.Mesy1 = Given(-20);
  p.Mesx2 = Given(5);  // second point without Y: no marker
  TraceOptions options = WithReport();
  options.interactiveFrame = true;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0), kHorizontal45, options);
  const auto markers = pass.canvas.Of(CallKind::DrawMarker, colours::Black);
  ASSERT_EQ(markers.size(), 2u);  // the foot, then point 1
  EXPECT_EQ(markers[0].points[0], (PointMm{0, 0}));
  EXPECT_EQ(markers[1].points[0], (PointMm{10, -20}));
  const auto outline = pass.canvas.Of(CallKind::DrawPolyline, colours::Black);
  ASSERT_FALSE(outline.empty());
  const std::vector<PointMm> plate = {{-50, -50}, {50, -50}, {50, 50}, {-50, 50}, {-50, -50}};
  EXPECT_EQ(outline.back().points, plate);
  const auto frame = pass.canvas.Of(CallKind::DrawPolyline, colours::Red);
  ASSERT_EQ(frame.size(), 1u);
  EXPECT_NEAR(frame[0].points[0].x, -50 - 20 * 100.0 / 300, 1e-12);
  EXPECT_EQ(pass.canvas.penStyle(), PenStyle::Solid);
  EXPECT_EQ(pass.canvas.penWidth(), 0);
}

TEST(TraceDial, FoldedStyleIsThreeGreenSegmentsSquareToTheSubstyle) {
  DialProject p = SquareDial(200, 30, 45);
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  const StyleGeometry& g = pass.result.style;
  const auto green = pass.canvas.Of(CallKind::DrawSegment, colours::Green);
  ASSERT_EQ(green.size(), 3u);
  const double ux = green[0].points[1].x - green[0].points[0].x;
  const double uy = green[0].points[1].y - green[0].points[0].y;
  EXPECT_NEAR(std::hypot(ux, uy), 30, 1e-9);
  EXPECT_NEAR(ux * g.CentreOffset.x + uy * g.CentreOffset.y, 0, 1e-9);
  EXPECT_NEAR(std::atan2(uy, ux), g.StyleAngle, 1e-12);

  TraceOptions hidden = WithReport();
  hidden.visibleOverride = false;
  const Pass dxf = Trace(p, TypedOrientation(45, 0, 0, 0), kHorizontal45, hidden);
  EXPECT_EQ(dxf.canvas.Count(CallKind::DrawSegment, colours::Green), 0u);
}

TEST(TraceDial, FoldedGnomonIsOneThickSegment) {
  DialProject p = SquareDial(200, 30, 45);
  p.Options.Style1.checked = false;
  p.Options.Gnomon1.checked = true;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  const auto green = pass.canvas.Of(CallKind::DrawSegment, colours::Green);
  ASSERT_EQ(green.size(), 1u);
  EXPECT_EQ(green[0].penWidth, 3);
  EXPECT_EQ(pass.canvas.penWidth(), 0);
}

// ---- Hour lines ----

// Hour lines are the black segments once there is no substyle (gnomon) and no axes.
DialProject GnomonDial(double side, double gnomon, double lat) {
  DialProject p = SquareDial(side, gnomon, lat);
  p.Options.Style1.checked = false;
  p.Options.Gnomon1.checked = true;
  return p;
}

std::size_t ReportLines(const Report& r) {
  std::size_t n = 0;
  for (std::size_t at = r.sections[5].find(" - Pour "); at != std::string::npos;
       at = r.sections[5].find(" - Pour ", at + 1))
    ++n;
  return n;
}

TEST(TraceDial, QuarterHoursAreDottedAndUnnumbered) {
  DialProject p = GnomonDial(200, 30, 45);
  p.Options.HourSubdivisions = 4;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0), {10, 14, 0, 0});
  const auto lines = pass.canvas.Of(CallKind::DrawSegment, colours::Black);
  ASSERT_EQ(lines.size(), 17u);
  for (std::size_t k = 0; k < lines.size(); ++k)
    EXPECT_EQ(lines[k].penStyle, k % 4 == 0 ? PenStyle::Solid : PenStyle::Dotted) << k;
  EXPECT_EQ(pass.canvas.Labels(), (std::vector<std::string>{"10", "11", "12", "13", "14"}));
  EXPECT_EQ(ReportLines(pass.report), 17u);
  EXPECT_NE(pass.report.sections[5].find(" - Pour 10 h 15 : "), std::string::npos);
  EXPECT_NE(pass.report.sections[5].find(" - Pour 13 h 45 : "), std::string::npos);
  EXPECT_EQ(pass.canvas.penStyle(), PenStyle::Solid);
}

struct RangeCase {
  const char* name;
  HourLimits limits;
  int n;
  std::size_t lines;
  const char* firstLine;
};

TEST(TraceDial, RangeOfTheHourLoop) {
  const RangeCase cases[] = {
      {"5.7 rounds to 5.5, starting at 5", {5.7, 18, 0, 0}, 1, 14, " - Pour 5 h 00 : "},
      {"5.8 rounds to 6", {5.8, 18, 0, 0}, 1, 13, " - Pour 6 h 00 : "},
      {"never more than 24 n values", {0, 30, 0, 0}, 1, 24, " - Pour 0 h 00 : "},
      {"never more than 24 n half hours", {0, 30, 0, 0}, 2, 48, " - Pour 0 h 00 : "},
      {"the all-year gap is left out", {4.29, 19.71, 7.71, 16.29}, 1, 10, " - Pour 4 h 00 : "},
      {"empty range", {12, 11, 0, 0}, 1, 0, nullptr},
      {"limits that are not hours", {std::nan(""), 18, 0, 0}, 1, 0, nullptr},
  };
  for (const auto& c : cases) {
    DialProject p = GnomonDial(200, 30, 45);
    p.Options.HourSubdivisions = c.n;
    const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0), c.limits);
    EXPECT_EQ(ReportLines(pass.report), c.lines) << c.name;
    if (c.firstLine != nullptr) {
      EXPECT_EQ(pass.report.sections[5].find(c.firstLine), 21u) << c.name;
    }
  }
}

TEST(TraceDial, GapLeavesOutTheHoursBehindThePlate) {
  DialProject p = GnomonDial(200, 30, 45);
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0), {4.29, 19.71, 7.71, 16.29});
  const std::vector<std::string> expected = {"4", "5", "6", "7", "8", "16", "17", "18", "19", "20"};
  EXPECT_EQ(pass.canvas.Labels(), expected);
}

TEST(TraceDial, LimitedLinesRunBetweenTheSolsticeShadows) {
  DialProject p = GnomonDial(200, 30, 45);
  p.Options.LhLim.checked = true;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0), {12, 12, 0, 0});
  const auto lines = pass.canvas.Of(CallKind::DrawSegment, colours::Black);
  ASSERT_EQ(lines.size(), 1u);
  // Noon shadows of a 30 mm gnomon at 45 N: 30 tan(45 deg - eps) and 30 tan(45 deg + eps).
  const double summer = 30 * std::tan(kPi / 4 - kObliquity);
  const double winter = 30 * std::tan(kPi / 4 + kObliquity);
  EXPECT_NEAR(lines[0].points[0].y, summer, 1e-9);
  EXPECT_NEAR(lines[0].points[1].y, winter, 1e-9);
  EXPECT_NEAR(lines[0].points[0].x, 0, 1e-9);
  EXPECT_EQ(
      pass.report.sections[5],
      "\r\nLignes horaires :\r\n - Pour 12 h 00 : de (0, 11.9)\r\n     jusqu'à (0, 75.9)\r\n");
  // The number sits beyond the winter end, away from the centre along the substyle.
  const auto labels = pass.canvas.Of(CallKind::DrawLabel);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_GT(labels[0].label.mm.y, winter);
}

TEST(TraceDial, LimitedLinesWithTheStyleReachingThePlateStartFromTheCentre) {
  DialProject p = SquareDial(200, 30, 45);
  p.Options.LhLim.checked = true;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0), {12, 12, 0, 0});
  EXPECT_EQ(pass.report.sections[5],
            "\r\nLignes horaires :\r\n - Pour 12 h 00 : du centre\r\n     jusqu'à (0, 75.9)\r\n");
}

TEST(TraceDial, CurveModeDrawsRefractedCurvesAndNumbersButNoStraightLines) {
  DialProject p = WithRefraction(GnomonDial(200, 30, 45));
  p.Options.LhLim.checked = true;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawSegment, colours::Black), 0u);
  EXPECT_EQ(pass.report.sections[5], "");
  EXPECT_GE(pass.canvas.Count(CallKind::DrawPolyline, colours::Black), 10u);
  EXPECT_FALSE(pass.canvas.Labels().empty());
  EXPECT_NE(pass.report.sections[4].find("Gnomon :"), std::string::npos);
}

TEST(TraceDial, WithoutHourLinesOnlyHoursWithAnAnalemmaAreNumbered) {
  DialProject p = GnomonDial(200, 30, 45);
  p.Options.Lighor1.checked = false;
  p.Options.EteAutomne1.checked = true;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0));
  EXPECT_EQ(pass.canvas.Count(CallKind::DrawSegment, colours::Black), 0u);
  EXPECT_EQ(pass.report.sections[5], "");
  const auto analemmas = pass.canvas.Of(CallKind::DrawPolyline, colours::Red);
  EXPECT_FALSE(analemmas.empty());
  const auto labels = pass.canvas.Labels();
  EXPECT_FALSE(labels.empty());
  EXPECT_LE(labels.size(), 17u);

  p.Options.EteAutomne1.enabled = false;  // as while `Hvrai` is checked
  const Pass disabled = Trace(p, TypedOrientation(45, 0, 0, 0));
  EXPECT_EQ(disabled.canvas.Count(CallKind::DrawPolyline, colours::Red), 0u);
  EXPECT_TRUE(disabled.canvas.Labels().empty());
}

TEST(TraceDial, AnalemmaHalvesAreRedAndBlue) {
  DialProject p = GnomonDial(200, 30, 45);
  p.Options.EteAutomne1.checked = true;
  p.Options.HiverPrintemps1.checked = true;
  const Pass pass = Trace(p, TypedOrientation(45, 0, 0, 0), {12, 12, 0, 0});
  const auto red = pass.canvas.Of(CallKind::DrawPolyline, colours::Red);
  const auto blue = pass.canvas.Of(CallKind::DrawPolyline, colours::Blue);
  ASSERT_EQ(red.size(), 1u);
  ASSERT_EQ(blue.size(), 1u);
  EXPECT_EQ(red[0].points.size(), 27u);  // 26 steps, all on the plate
  // June to December: the noon shadow grows from the summer to the winter solstice.
  EXPECT_LT(red[0].points.front().y, red[0].points.back().y);
  EXPECT_GT(blue[0].points.front().y, blue[0].points.back().y);
}

TEST(TraceDial, VerticalSouthDialHasItsNoonLineVerticalThroughTheFoot) {
  DialProject p = GnomonDial(200, 30, 45);
  p.Hautf = true;
  p.Gnomx = Given(10);
  p.Gnomy = Given(-5);
  const Pass pass = Trace(p, TypedOrientation(45, 0, 90, 0), {12, 12, 0, 0});
  const auto lines = pass.canvas.Of(CallKind::DrawSegment, colours::Black);
  ASSERT_EQ(lines.size(), 1u);
  const PointMm a = lines[0].points[0];
  const PointMm b = lines[0].points[1];
  EXPECT_NEAR(a.x, 10, 1e-9);
  EXPECT_NEAR(b.x, 10, 1e-9);
  EXPECT_NEAR(a.y, -5 + 30, 1e-9);  // the centre, G / tan(45 deg) above the foot
  EXPECT_EQ(b.y, -100);             // down through the foot to the plate's edge
  EXPECT_EQ(pass.result.style.DialKind, -1);
}

TEST(TraceDial, ExactlyEquatorialPlatesInBothHemispheresHaveHourLinesFifteenDegreesApart) {
  for (const double lat : {45.0, -45.0}) {
    DialProject p = GnomonDial(200, 30, lat);
    const Pass pass = Trace(p, TypedOrientation(lat, lat > 0 ? 180 : 0, 45, 0), {6, 18, 0, 0});
    const auto lines = pass.canvas.Of(CallKind::DrawSegment, colours::Black);
    ASSERT_EQ(lines.size(), 13u) << lat;
    double previous = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const double angle = std::atan2(lines[k].points[1].y - lines[k].points[0].y,
                                      lines[k].points[1].x - lines[k].points[0].x);
      if (k > 0) {
        EXPECT_NEAR(std::abs(std::remainder(angle - previous, 2 * kPi)), 15 * kPi / 180, 1e-6)
            << lat << " hour " << 6 + k;
      }
      previous = angle;
    }
    EXPECT_NE(pass.report.sections[4].find(", a pour position : "), std::string::npos) << lat;
  }
}

TEST(TraceDial, HourLabelsGoBeyondTheLinesEnds) {
  DialProject p = GnomonDial(200, 30, 45);
  const DrawingFrame f = FrameFor(p.Plate);
  Pass pass;
  TraceDial(p, TypedOrientation(45, 0, 0, 0), {12, 12, 0, 0}, f, pass.canvas, WithReport(),
            pass.report);
  const auto labels = pass.canvas.Of(CallKind::DrawLabel);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].text, "12");
  EXPECT_FALSE(labels[0].label.inPlate);
  EXPECT_EQ(labels[0].label.py, kDefaultMarginPx / 2);  // the top margin, above the noon line
  EXPECT_EQ(labels[0].label.px, f.ToPixelX(0));
}

TEST(TraceDial, EveryFigureOfEveryOrientationStaysFiniteAndInsideTheFrame) {
  DialProject p = WithRefraction(SquareDial(120, 25, 0));
  DrawingOptions& o = p.Options;
  o.SignArcs = 7;
  o.MenDat.checked = o.EteAutomne2.checked = o.HiverPrintemps2.checked = true;
  o.EteAutomne1.checked = o.HiverPrintemps1.checked = true;
  o.Horizon1.checked = o.Ombre1.checked = o.Carreaux1.checked = o.Axes1.checked = true;
  o.N2points1.checked = true;
  o.HourSubdivisions = 2;
  p.Hautf = true;
  p.Gnomx = Given(12);
  p.Gnomy = Given(-7);
  p.Hediur = Given(0.4);
  int worst = 0;
  std::string where;
  long points = 0;
  for (const double lat : {-80.0, -45.0, 0.0, 30.0, 66.0}) {
    for (double dec = -180; dec < 180; dec += 45) {
      for (double inc = 0; inc <= 180; inc += 30) {
        for (const bool refraction : {false, true}) {
          p.Lat = Given(lat);
          p.Options.Refrac1.checked = refraction;
          p.Options.LhLim.checked = refraction;
          const DrawingFrame f = FrameFor(p.Plate);
          const PlateWindow fw = f.FrameWindow();
          Pass pass;
          pass.result = TraceDial(p, TypedOrientation(lat, dec, inc, 20), {0, 24, 0, 0}, f,
                                  pass.canvas, WithReport(), pass.report);
          int outside = 0;
          for (const CanvasCall& c : pass.canvas.calls) {
            if (c.kind == CallKind::DrawLabel) continue;
            for (const PointMm& q : c.points) {
              ++points;
              const bool inFrame = q.x >= fw.XMin - 1e-9 && q.x <= fw.XMax + 1e-9 &&
                                   q.y >= fw.YMin - 1e-9 && q.y <= fw.YMax + 1e-9;
              if (!std::isfinite(q.x) || !std::isfinite(q.y) || !inFrame) ++outside;
            }
          }
          if (outside > worst) {
            worst = outside;
            where = std::to_string(lat) + " " + std::to_string(dec) + " " + std::to_string(inc);
          }
        }
      }
    }
  }
  EXPECT_EQ(worst, 0) << "worst at " << where;
  EXPECT_GT(points, 100000);
}

// Replayed, a recording makes every call of the pass again, in order, with the same pen; the
// tracer placed its labels by the extents the recording measured.
TEST(CanvasRecording, AReplayMakesEveryCallOfThePassAgain) {
  const DialProject p = FullHorizontalDial();
  const Orientation o = TypedOrientation(45, 0, 0, 0);
  const Pass direct = Trace(p, o);
  CanvasRecording recording([&](std::string_view t) { return direct.canvas.MeasureText(t); });
  Report report;
  TraceDial(p, o, kHorizontal45, FrameFor(p.Plate), recording, WithReport(), report);
  EXPECT_TRUE(recording.FillsSurface());
  RecordingCanvas replayed;
  recording.Replay(replayed);
  const std::vector<CanvasCall>& want = direct.canvas.calls;
  ASSERT_EQ(replayed.calls.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    const CanvasCall& got = replayed.calls[i];
    EXPECT_TRUE(got.kind == want[i].kind && got.colour == want[i].colour &&
                got.points == want[i].points && got.text == want[i].text &&
                got.label.px == want[i].label.px && got.label.py == want[i].label.py &&
                got.penStyle == want[i].penStyle && got.penWidth == want[i].penWidth)
        << "call " << i;
  }
  for (const CallKind kind : {CallKind::DrawSegment, CallKind::DrawPolyline, CallKind::DrawMarker,
                              CallKind::DrawLabel, CallKind::DrawFilledPolygon,
                              CallKind::DrawFilledQuads})
    EXPECT_FALSE(replayed.Of(kind).empty()) << static_cast<int>(kind);
}

}  // namespace
}  // namespace umbrix
