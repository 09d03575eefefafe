// Report sections 2 to 8 of whole dials against golden texts in tests/data/trace. To regenerate
// them on purpose, run the test binary with UMBRIX_REGENERATE_GOLDEN=1, then review the diff.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/DialCatalogue.h"
#include "support/GoldenFile.h"
#include "support/RecordingCanvas.h"
#include "trace/TraceDial.h"

namespace umbrix {
namespace {

using testing::CatalogueDial;
using testing::DialCatalogue;

struct Traced {
  Report report;
  TraceResult result;
  DirectTraceResult setUp;
  testing::RecordingCanvas canvas;
};

Traced TraceCatalogueDial(const DialProject& p) {
  Traced t;
  t.setUp = TraceFromOrientation(p, t.report);
  TraceOptions options;
  options.composeReport = true;
  t.result = TraceDial(p, t.setUp.orientation, t.setUp.hourLimits.limits,
                       testing::FittedFrame(p, 600, kDefaultMarginPx), t.canvas, options, t.report);
  return t;
}

std::string TracingSections(const Report& r) {
  std::string text;
  for (int i = 2; i <= 8; ++i) text += r.sections[i];
  return text;
}

void CheckGolden(const std::string& name, const std::string& text) {
  testing::CheckGoldenFile(std::filesystem::path(UMBRIX_TEST_DATA_DIR) / "trace" / (name + ".txt"),
                           text);
}

// Each golden was checked by hand once against the horizontal-frame geometry of the plate (axes
// from declination and inclination, pole at the latitude's altitude, hour planes through the pole):
// - mur-declinant-ouest: austral; centre (-36.4, 106.4) = -G (px, py)/pz with p = (-0.2418,
//   0.7071, -0.6645); style 150.5 = 100 / sin(style angle) = 100 / 0.6645; the 8 h to 21 h ends
//   agree to 0.1 mm with the hour planes at H = (t - 13 h 40) 15 deg; horizon y = 0; the
//   equinoctial -0.2418 x + 0.7071 y + 66.45 = 0 from (274.7, 0) to (-L, -230.8).
// - horizontal-45n: boreal; centre (0, -50) = G / tan 45 south of the foot; style 70.7 = 50 / sin
// 45;
//   solar hours, + 0 h 40 for 5 deg E in zone +1; ends symmetric about noon with
//   tan(angle) = sin 45 tan H (13 h: 37.9 at 200 mm, 15 h: 141.4); 6 h and 18 h along y = -50;
//   equinoctial y = G tan 45 = 50; no horizon line.
// - equatorial-dessus: equatorial toward the north pole; centre on the foot; ends at 150 tan(15 k)
//   (40.2, 86.6, 150): lines 15 deg apart, noon toward -Y (north, down the slope), mornings to +X
//   (west); horizon y = 50 (tip 50 mm along a normal 45 deg up); no equinoctial.
// - equatorial-dessous: the lower face at 45 N, toward the south pole; 15 deg apart, 6 h to 18 h,
//   noon toward -Y, mornings to -X (the plate's X is east); horizon at y = -50.
// - equatorial-sud: the upper face at 45 S, toward the south pole; 15 deg apart, 4 h to 20 h
//   as a horizontal dial at 45 deg, noon toward -Y (south); horizon y = 50.
// - polaire: polar; lines parallel to Y at x = 50 tan H (13.4, 28.9, 50, 86.6), their far ends
//   0.1 mm wider because pz is forced to 2e-4 (centre 250 m away); 6, 7, 17, 18 h off the plate;
//   style parallel to the plate, from the foot to (0, -L), length 150; equinoctial y = 0.
// - mur-nord: boreal; centre (0, -50); hours 4 to 8 and 16 to 20, the gap 9 to 15 left out;
//   pairs h and 24 - h mirrored about x = 0; horizon y = 0; equinoctial off the plate.
// - centre-hors-cadran: the worked wall on 200 mm: E = (-34.2, L) where the substyle crosses
//   y = 100; F = 100 - 0.889 * 105.7 = 6; length sqrt(105.7^2 + 94^2) = 141.4; lines from the top
//   edge to the same ends as the hour planes; 8 h and 21 h miss the plate; equinoctial enters at
//   (L, -59.8) and leaves at (-17.6, -L) on the same line as on 800 mm.
// - lignes-limitees: gnomon, limited lines between the solstice shadows: noon 50 tan 21.56 = 19.8
//   to 50 tan 68.44 = 126.5; 11 h winter end (-34.4, 131.4) on the 11 h line at 135.8 mm from the
//   foot = 50 / tan(20.18 deg altitude); 7 h winter sun below the horizon, the line runs to the
//   edge; 4 h to 6 h and 18 h to 20 h summer shadows beyond 150 mm; lines start "de", not the
//   centre.
// - quarts-d-heure: 63 lines, 4 h 15 (17/4: 4.29 * 4 rounds to 17) to 19 h 45; 6 h along y = -40.
// - courbes-refraction: curve mode: no hour-line section, no equinoctial line (a curve with
//   refraction), "Gnomon :" without the centre.
TEST(ReportGolden, TracingSectionsOfEveryCatalogueDialMatchTheirGolden) {
  for (const CatalogueDial& dial : DialCatalogue()) {
    SCOPED_TRACE(dial.name);
    const Traced t = TraceCatalogueDial(dial.project);
    CheckGolden(dial.name, TracingSections(t.report));
  }
}

// The plate's axes in the horizontal frame (X south, Y east, Z zenith) for a declination west of
// south and an inclination from the zenith (degrees), rotation 0: X horizontal to the right of
// someone facing the plate, Z its normal.
struct PlateAxes {
  Vec3 x, y, n;
};
PlateAxes AxesOf(double decDeg, double incDeg) {
  const double D = decDeg * kPi / 180, i = incDeg * kPi / 180;
  const Vec3 n{std::sin(i) * std::cos(D), -std::sin(i) * std::sin(D), std::cos(i)};
  const Vec3 x{std::sin(D), std::cos(D), 0.0};
  const Vec3 y{n.Y * x.Z - n.Z * x.Y, n.Z * x.X - n.X * x.Z, n.X * x.Y - n.Y * x.X};
  return {x, y, n};
}

TEST(ReportGolden, KindCentreAndStyleAgreeWithTheHorizontalFrameGeometry) {
  for (const CatalogueDial& dial : DialCatalogue()) {
    SCOPED_TRACE(dial.name);
    const DialProject& p = dial.project;
    const Traced t = TraceCatalogueDial(p);
    const StyleGeometry& g = t.result.style;
    const PlateAxes a = AxesOf(p.DecEd.value, p.IncEd.value);
    const double lat = p.Lat.value * kPi / 180;
    const Vec3 pole{-std::cos(lat), 0.0, std::sin(lat)};
    const double px = Dot(pole, a.x), py = Dot(pole, a.y), pz = Dot(pole, a.n);
    const double G = p.Gnomon.value;
    if (std::fabs(pz) < 2e-4) {
      EXPECT_EQ(g.DialKind, 0);
    } else if (std::hypot(px, py) < 2e-4) {
      EXPECT_EQ(g.DialKind, pz > 0 ? 2 : -2);
      EXPECT_NEAR(g.CentreOffset.x, 0, 1e-9);
      EXPECT_NEAR(g.CentreOffset.y, 0, 0.02);  // the pole is forced 2e-4 off the normal
    } else {
      EXPECT_EQ(g.DialKind, pz > 0 ? 1 : -1);
      EXPECT_NEAR(g.CentreOffset.x, -G * px / pz, 1e-9 * G);
      EXPECT_NEAR(g.CentreOffset.y, -G * py / pz, 1e-9 * G);
      // The style from the tip to the centre is the gnomon over the sine of its angle.
      EXPECT_NEAR(std::hypot(std::hypot(g.CentreOffset.x, g.CentreOffset.y), G), G / std::fabs(pz),
                  1e-9 * G);
      EXPECT_NEAR(g.StyleSlope, std::fabs(pz) / std::hypot(px, py), 1e-12);
    }
  }
}

// ---- Whole passes over real dials for the edge cases of the sun-path curves ----

using testing::CallKind;

bool OnAnEdge(PointMm q, const PlateWindow& w) {
  return q.x == w.XMin || q.x == w.XMax || q.y == w.YMin || q.y == w.YMax;
}

bool Inside(PointMm q, const PlateWindow& w) {
  return w.XMin <= q.x && q.x <= w.XMax && w.YMin <= q.y && q.y <= w.YMax;
}

TEST(SunPathsOfARealDial, SummerArcLeavingThePlateAtNoonAndComingBackIsTwoPolylines) {
  // A horizontal dial at 45 N with a 40 mm gnomon 10 mm below the top edge: the summer noon
  // shadow (40 tan 21.56 = 15.8 mm north) falls beyond the edge, the morning and evening arms
  // cross the plate. The winter arc stays north of the plate.
  DialProject p = testing::OrientedDial(300, 40, 45, 0, 0, 0);
  p.Hautf = true;
  p.Gnomf = testing::Typed(40);
  p.Gnomx = testing::Typed(0);
  p.Gnomy = testing::Typed(140);
  p.Options.SignArcs = 2;
  const Traced t = TraceCatalogueDial(p);
  const auto arcs = t.canvas.Of(CallKind::DrawPolyline, colours::Purple);
  ASSERT_EQ(arcs.size(), 2u);
  const auto& morning = arcs[0].points;
  const auto& evening = arcs[1].points;
  ASSERT_GE(morning.size(), 3u);
  ASSERT_GE(evening.size(), 3u);
  EXPECT_EQ(morning.back().y, 150);   // leaves through the top edge
  EXPECT_EQ(evening.front().y, 150);  // and comes back through it
  EXPECT_LT(morning.back().x, 0);     // morning shadows fall west of the noon line
  EXPECT_GT(evening.front().x, 0);
  for (const auto& arc : arcs)
    for (const PointMm& q : arc.points) EXPECT_TRUE(Inside(q, p.Plate)) << q.x << ", " << q.y;
}

TEST(SunPathsOfARealDial, ShadowRunningToInfinityOnANorthWallEndsOnThePlatesEdge) {
  // On a north wall the summer sun lights the face at dawn, then passes into the wall's plane
  // between 7 h 30 and 7 h 45: the 5 mm gnomon's shadow, last seen at (128.4, -80.2), runs off to
  // infinity there, and that last piece stops on the plate's edge.
  DialProject p = testing::OrientedDial(300, 5, 45, 180, 90, 0);
  p.Options.SignArcs = 2;
  p.Options.Lighor1.checked = false;
  const Traced t = TraceCatalogueDial(p);
  const auto arcs = t.canvas.Of(CallKind::DrawPolyline, colours::Purple);
  ASSERT_FALSE(arcs.empty());
  for (const auto& arc : arcs)
    for (const PointMm& q : arc.points) EXPECT_TRUE(Inside(q, p.Plate)) << q.x << ", " << q.y;
  const auto& morning = arcs[0].points;
  ASSERT_GE(morning.size(), 2u);
  const PointMm lastSeen = morning[morning.size() - 2];
  EXPECT_NEAR(lastSeen.x, 128.4, 0.1);
  EXPECT_NEAR(lastSeen.y, -80.2, 0.1);
  EXPECT_TRUE(OnAnEdge(morning.back(), p.Plate)) << morning.back().x << ", " << morning.back().y;
  // Along the path's asymptote, away from the noon line and downward.
  EXPECT_GT(morning.back().x, lastSeen.x);
  EXPECT_LT(morning.back().y, lastSeen.y);
}

}  // namespace
}  // namespace umbrix
