#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/Sun.h"
#include "support/RecordingCanvas.h"
#include "trace/Clipping.h"
#include "trace/ShadowGeometry.h"

namespace umbrix {
namespace {

using testing::CallKind;
using testing::RecordingCanvas;

const PlateWindow kPlate{-50, 50, -40, 40};

struct ClipCase {
  const char* name;
  PointMm from;
  double dx, dy;
  bool visible;
  PointMm start, end;
};

void ExpectClip(const ClipResult& r, const ClipCase& c) {
  EXPECT_EQ(r.visible, c.visible) << c.name;
  if (!r.visible || !c.visible) return;
  EXPECT_NEAR(r.start.x, c.start.x, 1e-12) << c.name;
  EXPECT_NEAR(r.start.y, c.start.y, 1e-12) << c.name;
  EXPECT_NEAR(r.end.x, c.end.x, 1e-12) << c.name;
  EXPECT_NEAR(r.end.y, c.end.y, 1e-12) << c.name;
}

TEST(ClipSegment, Cases) {
  const ClipCase cases[] = {
      {"inside", {-10, -10}, 20, 5, true, {-10, -10}, {10, -5}},
      {"leaves right", {0, 0}, 100, 20, true, {0, 0}, {50, 10}},
      {"crosses", {-100, 0}, 200, 0, true, {-50, 0}, {50, 0}},
      {"crosses backwards", {100, 0}, -200, 0, true, {50, 0}, {-50, 0}},
      {"enters from the top", {0, 80}, 0, -100, true, {0, 40}, {0, -20}},
      {"misses", {60, -100}, 0, 200, false, {}, {}},
      {"stops short", {-100, 0}, 40, 0, false, {}, {}},
      {"touches with its end on an edge", {-80, 0}, 30, 0, true, {-50, 0}, {-50, 0}},
      {"starts on an edge running outward", {50, 10}, 20, 0, true, {50, 10}, {50, 10}},
      {"starts on an edge running inward", {50, 10}, -20, 0, true, {50, 10}, {30, 10}},
      // A corner met through both of its edges must not hide the far end.
      {"enters through a corner", {-60, -50}, 128, 128, true, {-50, -40}, {30, 40}},
      {"diagonal through two corners", {-60, -48}, 160, 128, true, {-50, -40}, {50, 40}},
  };
  for (const auto& c : cases) ExpectClip(ClipSegment(kPlate, c.from, c.dx, c.dy), c);
}

TEST(ClipRay, Cases) {
  const ClipCase cases[] = {
      {"from inside", {0, 0}, 1, 1, true, {0, 0}, {40, 40}},
      {"from outside", {-100, 10}, 1, 0, true, {-50, 10}, {50, 10}},
      {"from outside, upward", {10, -100}, 0, 2, true, {10, -40}, {10, 40}},
      {"pointing away", {-100, 10}, -1, 0, false, {}, {}},
      {"passing by", {-100, 60}, 1, 0, false, {}, {}},
      {"no direction, inside", {0, 0}, 0, 0, false, {}, {}},
      {"touching a corner", {-60, -30}, 1, -1, true, {-50, -40}, {-50, -40}},
      {"through a corner", {-60, -50}, 1, 1, true, {-50, -40}, {30, 40}},
  };
  for (const auto& c : cases) ExpectClip(ClipRay(kPlate, c.from, c.dx, c.dy), c);
}

TEST(ClipRay, StartOnItsEntryEdgeGivesTheWholeCrossingNotAZeroLengthPiece) {
  const ClipCase cases[] = {
      {"on XMin going right", {-50, 5}, 1, 0, true, {-50, 5}, {50, 5}},
      {"on XMax going left", {50, 5}, -2, 0, true, {50, 5}, {-50, 5}},
      {"on YMin going up", {7, -40}, 0, 3, true, {7, -40}, {7, 40}},
      {"on YMax going down and right", {0, 40}, 1, -1, true, {0, 40}, {50, -10}},
      {"on a corner going in", {-50, -40}, 5, 4, true, {-50, -40}, {50, 40}},
  };
  for (const auto& c : cases) ExpectClip(ClipRay(kPlate, c.from, c.dx, c.dy), c);
}

TEST(ClipLine, Cases) {
  const ClipCase cases[] = {
      {"horizontal", {0, 10}, -3, 0, true, {-50, 10}, {50, 10}},
      {"vertical", {20, 0}, 0, 1, true, {20, -40}, {20, 40}},
      {"slanted, ends in edge order", {0, 0}, -1, 1, true, {40, -40}, {-40, 40}},
      {"outside", {0, 60}, 1, 0, false, {}, {}},
      {"diagonal through two corners", {0, 0}, 5, 4, true, {-50, -40}, {50, 40}},
  };
  for (const auto& c : cases) ExpectClip(ClipLine(kPlate, c.from, c.dx, c.dy), c);
}

Vec3 Unit(double x, double y, double z) {
  const double n = std::sqrt(x * x + y * y + z * z);
  return {x / n, y / n, z / n};
}

TEST(ShadowStepCode, LitAndAboveTheHorizonBits) {
  const Vec3 up{0, 1, 0};  // a vertical plate: the zenith lies along the plate's Y
  const struct {
    Vec3 s0, s1;
    int code;
  } cases[] = {
      {Unit(0.1, 0.5, 0.8), Unit(-0.1, 0.5, 0.8), 15},
      {Unit(0.1, 0.5, 0.8), Unit(0.1, -0.5, 0.8), 7},
      {Unit(0.1, 0.5, 0.8), Unit(0.1, 0.5, -0.8), 11},
      {Unit(0.1, -0.5, -0.8), Unit(0.1, 0.5, 0.8), 12},
      {Unit(0.1, 0.5, -0.8), Unit(0.1, -0.5, -0.8), 2},
  };
  for (const auto& c : cases) EXPECT_EQ(ShadowStepCode(c.s0, c.s1, up), c.code);
}

TEST(ShadowStep, LitAndUpAtBothSamplesGivesTheSegmentBetweenTheShadows) {
  const ShadowScene scene{{5, -5}, 10, {0, 0, 1}, kPlate};
  const ClipResult r = ShadowStep(scene, Unit(0.2, 0.1, 1), Unit(-0.3, 0.1, 1));
  ASSERT_TRUE(r.visible);
  EXPECT_NEAR(r.start.x, 5 - 2, 1e-12);
  EXPECT_NEAR(r.start.y, -5 - 1, 1e-12);
  EXPECT_NEAR(r.end.x, 5 + 3, 1e-12);
  EXPECT_NEAR(r.end.y, -5 - 1, 1e-12);
}

TEST(ShadowStep, SunsetEndsThePieceAtTheShadowOfTheHorizonCrossing) {
  // Vertical plate, zenith along Y: the horizon's shadow is the horizontal through the foot.
  const ShadowScene scene{{0, 0}, 30, {0, 1, 0}, kPlate};
  const Vec3 s0 = Unit(0.3, 0.2, 0.9);
  const Vec3 s1 = Unit(0.3, -0.2, 0.9);
  ASSERT_EQ(ShadowStepCode(s0, s1, scene.zenith), 7);
  const ClipResult r = ShadowStep(scene, s0, s1);
  ASSERT_TRUE(r.visible);
  EXPECT_NEAR(r.start.x, -10, 1e-12);
  EXPECT_NEAR(r.start.y, -30 * s0.Y / s0.Z, 1e-12);
  EXPECT_NEAR(r.end.x, -10, 1e-9);  // the sun at (0.3, 0, 0.9) casts the tip to (-10, 0)
  EXPECT_NEAR(r.end.y, 0, 1e-9);
}

TEST(ShadowStep, SunPassingIntoThePlatesPlaneRunsToTheEdgeNotToInfinity) {
  const ShadowScene scene{{0, 0}, 30, {0, 1, 0}, kPlate};
  const Vec3 s0 = Unit(0.5, 0.5, 0.4);
  const Vec3 s1 = Unit(0.6, 0.5, -0.2);  // now lighting the back of the plate
  ASSERT_EQ(ShadowStepCode(s0, s1, scene.zenith), 11);
  const ClipResult r = ShadowStep(scene, s0, s1);
  ASSERT_TRUE(r.visible);
  EXPECT_NEAR(r.start.x, -30 * s0.X / s0.Z, 1e-12);
  EXPECT_TRUE(r.end.x == kPlate.XMin || r.end.x == kPlate.XMax || r.end.y == kPlate.YMin ||
              r.end.y == kPlate.YMax);
  EXPECT_TRUE(std::isfinite(r.end.x) && std::isfinite(r.end.y));
}

TEST(ShadowStep, SunBelowTheHorizonAndBehindThePlateAtBothSamplesGivesNothing) {
  const ShadowScene scene{{0, 0}, 30, {0, 1, 0}, kPlate};
  EXPECT_FALSE(ShadowStep(scene, Unit(0.1, -0.5, -0.8), Unit(0.2, -0.5, -0.8)).visible);
}

TEST(HorizonCrossing, AbsentOnAHorizontalPlate) {
  const Vec3 n{0.3, -0.2, 0.9};
  EXPECT_FALSE(HorizonCrossing(n, {0, 0, 1}).exists);
  const HorizonCross q = HorizonCrossing(n, {0, 1, 0});
  ASSERT_TRUE(q.exists);
  EXPECT_NEAR(q.y, 0, 1e-12);  // on a vertical plate the horizon's shadow is y = 0
}

// Directions whose shadows (height 10, horizontal plate) fall at the given x, y = 0.
std::vector<Vec3> SunsCasting(std::initializer_list<double> xs) {
  std::vector<Vec3> suns;
  for (double x : xs) suns.push_back(Unit(-x / 10, 0, 1));
  return suns;
}

TEST(SunPathTracer, CurveLeavingAndReenteringIsTwoPolylines) {
  const ShadowScene scene{{0, 0}, 10, {0, 0, 1}, kPlate};
  RecordingCanvas canvas;
  SunPathTracer path(scene, canvas, colours::Purple);
  for (const Vec3& s : SunsCasting({0, 20, 80, 90, 20, 0})) path.Sample(s);
  path.Finish();
  const auto runs = canvas.Of(CallKind::DrawPolyline, colours::Purple);
  ASSERT_EQ(runs.size(), 2u);
  ASSERT_EQ(runs[0].points.size(), 3u);
  EXPECT_NEAR(runs[0].points[2].x, 50, 1e-12);
  ASSERT_EQ(runs[1].points.size(), 3u);
  EXPECT_NEAR(runs[1].points[0].x, 50, 1e-12);
  EXPECT_NEAR(runs[1].points[2].x, 0, 1e-12);
  EXPECT_TRUE(path.AnyVisible());
}

TEST(SunPathTracer, ConsecutiveVisibleStepsAreJoinedEndToEnd) {
  const ShadowScene scene{{0, 0}, 10, {0, 0, 1}, kPlate};
  RecordingCanvas canvas;
  SunPathTracer path(scene, canvas, colours::Teal);
  for (const Vec3& s : SunsCasting({-30, -10, 10, 30})) path.Sample(s);
  path.Finish();
  const auto runs = canvas.Of(CallKind::DrawPolyline, colours::Teal);
  ASSERT_EQ(runs.size(), 1u);
  ASSERT_EQ(runs[0].points.size(), 4u);
  EXPECT_NEAR(runs[0].points[3].x, 30, 1e-12);
}

TEST(SunPathTracer, NothingVisibleDrawsNothing) {
  const ShadowScene scene{{0, 0}, 10, {0, 0, 1}, kPlate};
  RecordingCanvas canvas;
  SunPathTracer path(scene, canvas, colours::Teal);
  for (const Vec3& s : SunsCasting({80, 90, 100})) path.Sample(s);
  path.Finish();
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_FALSE(path.AnyVisible());
}

TEST(SunPathTracer, RefractingItsSamplesDrawsWhatRefractedSamplesDraw) {
  // The tracer refracts a sun only when a step needs it; the runs must be exactly those drawn
  // from suns refracted beforehand. A tilted zenith and a whole day at several declinations
  // give steps across the horizon, the plate's plane and deep night.
  const Vec3 zenith = Unit(0.3, -0.6, 0.74);
  const ShadowScene refracting{{5, -3}, 10, zenith, kPlate, true};
  const ShadowScene plain{{5, -3}, 10, zenith, kPlate, false};
  for (double declination : {-0.4, -0.1, 0.0, 0.2, 0.4}) {
    RecordingCanvas lazy;
    RecordingCanvas eager;
    SunPathTracer lazyPath(refracting, lazy, colours::Purple);
    SunPathTracer eagerPath(plain, eager, colours::Purple);
    for (int j = 0; j <= 96; ++j) {
      const double h = (j / 4.0 - 12) * kPi / 12;
      const Vec3 sun = RotateY(
          RotateZ({std::cos(declination), 0.0, std::sin(declination)}, Turn(h)), Turn(0.9));
      lazyPath.Sample(sun);
      eagerPath.Sample(ApplyRefraction(sun, zenith).sun);
    }
    lazyPath.Finish();
    eagerPath.Finish();
    ASSERT_EQ(lazy.calls.size(), eager.calls.size()) << declination;
    EXPECT_FALSE(lazy.calls.empty()) << declination;
    for (std::size_t i = 0; i < lazy.calls.size(); ++i)
      EXPECT_EQ(lazy.calls[i].points, eager.calls[i].points) << declination << " run " << i;
    EXPECT_EQ(lazyPath.AnyVisible(), eagerPath.AnyVisible());
  }
}

TEST(ClipAndDrawSegmentInFrame, ShadowCasterMayStandInTheMargin) {
  DrawingFrame f;
  f.plate = {-50, 50, -50, 50};
  f.widthPx = f.heightPx = 341;
  f.ComputeScale();
  RecordingCanvas canvas;
  EXPECT_TRUE(ClipAndDrawSegmentInFrame(canvas, f, colours::Green, {45, 0}, 10, 0));
  EXPECT_FALSE(ClipAndDrawSegment(canvas, f.plate, colours::Green, {52, 0}, 4, 0));
  const auto drawn = canvas.Of(CallKind::DrawSegment, colours::Green);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_NEAR(drawn[0].points[1].x, 55, 1e-12);  // the margin is 20 px = 6.67 mm
}

}  // namespace
}  // namespace umbrix
