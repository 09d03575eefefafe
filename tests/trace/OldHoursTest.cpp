// The old hours checked against the sun computed on its own, from the defining formulas and the
// plate's typed rotations, never from the tracer's own hour frame.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "support/RecordingCanvas.h"
#include "trace/TraceDial.h"
#include "trace/TraceFixtures.h"

namespace umbrix {
namespace {

using testing::FrameFor;
using testing::HourFrameToPlate;
using testing::kDeg;
using testing::RecordingCanvas;
using testing::SquareDial;
using testing::TypedOrientation;

constexpr double kTolerance = 0.1;  // mm

struct Dial {
  const char* name;
  double side, gnomon;        // mm
  double lat, dec, inc, rot;  // degrees
  double p;                   // the solver's hour offset, radians: it must not matter
};

// The worked wall (45 N, 20 degrees west, vertical), a horizontal dial, and a reclining plate
// in the southern hemisphere.
const Dial kDials[] = {
    {"worked wall", 800, 100, 45, 20, 90, 0, 25 * kDeg},
    {"horizontal 45 N", 200, 30, 45, 0, 0, 0, 0.3},
    {"reclining 35 S", 300, 40, -35, 180, 60, 10, -0.2},
};

DialProject ProjectOf(const Dial& d, bool italian, bool babylonian, bool temporary) {
  DialProject p = SquareDial(d.side, d.gnomon, d.lat);
  p.Options.Italiques1 = {italian, true};
  p.Options.Babyloniques1 = {babylonian, true};
  p.Options.Temporaires1 = {temporary, true};
  return p;
}

TraceResult TraceOf(const Dial& d, bool italian, bool babylonian, bool temporary,
                    Report* report = nullptr) {
  const DialProject p = ProjectOf(d, italian, babylonian, temporary);
  RecordingCanvas canvas;
  Report unused;
  TraceOptions options;
  options.composeReport = report != nullptr;
  return TraceDial(p, TypedOrientation(d.lat, d.dec, d.inc, d.rot, d.p), {4, 20, 0, 0},
                   FrameFor(p.Plate), canvas, options, report ? *report : unused);
}

// The sun at a declination and a local hour angle (west positive), in the plate frame.
Vec3 Sun(const Dial& d, double decl, double hourAngle) {
  const Vec3 local{std::cos(decl) * std::cos(hourAngle), -std::cos(decl) * std::sin(hourAngle),
                   std::sin(decl)};
  return HourFrameToPlate(local, d.lat, d.dec, d.inc, d.rot);
}

// The tip's shadow for a sun in front of the plate.
std::optional<PointMm> Shadow(const Dial& d, Vec3 s) {
  if (!(s.Z > 1e-9)) return std::nullopt;
  return PointMm{-d.gnomon * s.X / s.Z, -d.gnomon * s.Y / s.Z};
}

bool Inside(const Dial& d, PointMm q) {
  const double h = d.side / 2 - 0.01;
  return std::fabs(q.x) < h && std::fabs(q.y) < h;
}

// Distance from q to the segment a-b, and where along it q falls (0 at a, 1 at b).
double DistanceToSegment(PointMm q, PointMm a, PointMm b, double* along = nullptr) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double t = std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  if (along) *along = t;
  return std::hypot(q.x - a.x - t * dx, q.y - a.y - t * dy);
}

double DistanceToPolyline(PointMm q, const std::vector<PointMm>& points) {
  double best = INFINITY;
  for (std::size_t i = 1; i < points.size(); ++i)
    best = std::min(best, DistanceToSegment(q, points[i - 1], points[i]));
  return best;
}

const OldHourTrace* Find(const TraceResult& r, OldHourSystem system, int number) {
  for (const OldHourTrace& t : r.oldHours)
    if (t.system == system && t.number == number) return &t;
  return nullptr;
}

// Hour angle of hour n from the definitions, with its sunset hour angle h0 (radians).
double DefinedHourAngle(OldHourSystem system, int n, double h0) {
  if (system == OldHourSystem::Italian) return h0 + (n - 24) * 15 * kDeg;
  return -h0 + n * 15 * kDeg;
}

TEST(OldHours, ItalianAndBabylonianLinesHoldEveryShadowOfTheirHour) {
  for (const Dial& d : kDials) {
    const TraceResult r = TraceOf(d, true, true, false);
    const double winter = d.lat >= 0 ? -kObliquity : kObliquity;
    double worst = 0;
    std::string worstAt;
    int checked = 0;
    for (const OldHourSystem system : {OldHourSystem::Italian, OldHourSystem::Babylonian}) {
      const OldHourNumbers numbers = NumbersOf(system);
      for (int n = numbers.first; n <= numbers.last; ++n) {
        const OldHourTrace* line = Find(r, system, n);
        double lastAlong = -1;
        for (int i = 0; i < 10; ++i) {  // ten declinations from the winter to the summer solstice
          const double decl = winter - i * (2 * winter) / 9;
          const double h0 = std::acos(-std::tan(d.lat * kDeg) * std::tan(decl));
          const double H = DefinedHourAngle(system, n, h0);
          const double altitude = std::sin(d.lat * kDeg) * std::sin(decl) +
                                  std::cos(d.lat * kDeg) * std::cos(decl) * std::cos(H);
          const std::optional<PointMm> q = Shadow(d, Sun(d, decl, H));
          if (altitude < -1e-9 || !q || !Inside(d, *q)) continue;
          const std::string at = std::string(d.name) + (system == OldHourSystem::Italian
                                                            ? " italian "
                                                            : " babylonian ") +
                                 std::to_string(n) + " at step " + std::to_string(i);
          ASSERT_NE(line, nullptr) << at << ": a shadow on the plate but no line";
          ASSERT_EQ(line->pieces.size(), 1u) << at;
          const std::vector<PointMm>& ends = line->pieces[0];
          ASSERT_EQ(ends.size(), 2u) << at;
          double along = 0;
          const double distance = DistanceToSegment(*q, ends[0], ends[1], &along);
          if (distance > worst) {
            worst = distance;
            worstAt = at;
          }
          // the line runs from the winter solstice's side to the summer one's
          EXPECT_GE(along, lastAlong - 1e-9) << at;
          lastAlong = along;
          ++checked;
        }
      }
    }
    EXPECT_LT(worst, kTolerance) << "worst at " << worstAt;
    EXPECT_GT(checked, 40) << d.name;
  }
}

TEST(OldHours, ItalianTwentyFourAndBabylonianZeroLieOnTheHorizonLine) {
  for (const Dial& d : {kDials[0], kDials[2]}) {
    const TraceResult r = TraceOf(d, true, true, false);
    // the horizon line of the tracer: through the shadow of the zenith's foot, square to it
    const Vec3 z = TypedOrientation(d.lat, d.dec, d.inc, d.rot, d.p).ZenithVec;
    const double k = d.gnomon * z.Z / (z.X * z.X + z.Y * z.Y);
    const PointMm through{z.X * k, z.Y * k};
    for (const auto& [system, n] :
         {std::pair{OldHourSystem::Italian, 24}, std::pair{OldHourSystem::Babylonian, 0}}) {
      const OldHourTrace* line = Find(r, system, n);
      ASSERT_NE(line, nullptr) << d.name << " " << n;
      for (const PointMm& q : line->pieces[0]) {
        const double off = ((q.x - through.x) * z.X + (q.y - through.y) * z.Y) / std::hypot(z.X, z.Y);
        EXPECT_LT(std::fabs(off), 1e-6) << d.name << " " << n;
      }
    }
  }
  // on a horizontal plate the sun on the horizon casts no shadow
  const TraceResult flat = TraceOf(kDials[1], true, true, false);
  EXPECT_EQ(Find(flat, OldHourSystem::Italian, 24), nullptr);
  EXPECT_EQ(Find(flat, OldHourSystem::Babylonian, 0), nullptr);
}

// Where two straight lines meet (mm).
std::optional<PointMm> Crossing(const std::vector<PointMm>& a, const std::vector<PointMm>& b) {
  const double ux = a[1].x - a[0].x, uy = a[1].y - a[0].y;
  const double vx = b[1].x - b[0].x, vy = b[1].y - b[0].y;
  const double det = ux * vy - uy * vx;
  if (std::fabs(det) < 1e-12) return std::nullopt;
  const double t = ((b[0].x - a[0].x) * vy - (b[0].y - a[0].y) * vx) / det;
  return PointMm{a[0].x + t * ux, a[0].y + t * uy};
}

TEST(OldHours, ItalianAndBabylonianOfOneEquinoxInstantCrossOnTheEquinoctial) {
  for (const Dial& d : kDials) {
    const TraceResult r = TraceOf(d, true, true, false);
    int crossings = 0;
    // at the equinox the day lasts twelve hours: Italian n and Babylonian n - 12 are one instant
    for (int n = 13; n <= 24; ++n) {
      const OldHourTrace* italian = Find(r, OldHourSystem::Italian, n);
      const OldHourTrace* babylonian = Find(r, OldHourSystem::Babylonian, n - 12);
      if (italian == nullptr || babylonian == nullptr) continue;
      const std::optional<PointMm> q = Shadow(d, Sun(d, 0, (n - 18) * 15 * kDeg));
      if (!q || !Inside(d, *q)) continue;
      const std::optional<PointMm> met = Crossing(italian->pieces[0], babylonian->pieces[0]);
      ASSERT_TRUE(met.has_value()) << d.name << " " << n;
      // on the equinoctial, at the equinoctial hour of that instant
      const std::optional<PointMm> east = Shadow(d, Sun(d, 0, -0.5));
      const std::optional<PointMm> west = Shadow(d, Sun(d, 0, 0.5));
      ASSERT_TRUE(east && west) << d.name;
      const double ex = west->x - east->x, ey = west->y - east->y;
      const double off = ((met->x - east->x) * ey - (met->y - east->y) * ex) / std::hypot(ex, ey);
      EXPECT_LT(std::fabs(off), kTolerance) << d.name << " italian " << n;
      EXPECT_LT(std::hypot(met->x - q->x, met->y - q->y), kTolerance) << d.name << " " << n;
      ++crossings;
    }
    EXPECT_GE(crossings, 3) << d.name;
  }
}

TEST(OldHours, TemporaryHoursMeetNoonAndTheEquinoctialHours) {
  for (const Dial& d : kDials) {
    const TraceResult r = TraceOf(d, false, false, true);
    // hour 6 is the noon line of solar time, through the dial's centre
    const OldHourTrace* noon = Find(r, OldHourSystem::Temporary, 6);
    ASSERT_NE(noon, nullptr) << d.name;
    const std::optional<PointMm> a = Shadow(d, Sun(d, 0.2, 0));
    const std::optional<PointMm> b = Shadow(d, Sun(d, -0.2, 0));
    ASSERT_TRUE(a && b) << d.name;
    for (const auto& piece : noon->pieces) {
      for (const PointMm& q : piece) {
        const double ex = b->x - a->x, ey = b->y - a->y;
        const double off = ((q.x - a->x) * ey - (q.y - a->y) * ex) / std::hypot(ex, ey);
        EXPECT_LT(std::fabs(off), kTolerance) << d.name;
      }
    }
    // at the equinox temporary hour k is equinoctial hour k + 6
    int met = 0;
    for (int k = 0; k <= 12; ++k) {
      const std::optional<PointMm> q = Shadow(d, Sun(d, 0, (k - 6) * 15 * kDeg));
      if (!q || !Inside(d, *q)) continue;
      const OldHourTrace* line = Find(r, OldHourSystem::Temporary, k);
      ASSERT_NE(line, nullptr) << d.name << " " << k;
      double best = INFINITY;
      for (const auto& piece : line->pieces) best = std::min(best, DistanceToPolyline(*q, piece));
      EXPECT_LT(best, kTolerance) << d.name << " temporary " << k;
      ++met;
    }
    EXPECT_GE(met, 3) << d.name;
  }
}

TEST(OldHours, DefinitionsAtTheEquinoxAndTheSolstices) {
  const double h0 = *SunsetHourAngle(45 * kDeg, 0);
  EXPECT_NEAR(h0, kPi / 2, 1e-15);
  const struct {
    OldHourSystem system;
    int n;
    double sunset;    // radians
    double expected;  // hour angle, degrees
    bool daylight;
  } rows[] = {
      {OldHourSystem::Italian, 24, kPi / 2, 90, true},       // sunset
      {OldHourSystem::Italian, 18, kPi / 2, 0, true},        // equinox noon: six hours before
      {OldHourSystem::Italian, 12, kPi / 2, -90, true},      // sunrise
      {OldHourSystem::Italian, 11, kPi / 2, -105, false},    // before sunrise
      {OldHourSystem::Babylonian, 0, kPi / 2, -90, true},    // sunrise
      {OldHourSystem::Babylonian, 12, kPi / 2, 90, true},    // sunset
      {OldHourSystem::Babylonian, 13, kPi / 2, 105, false},  // after sunset
      {OldHourSystem::Temporary, 0, 2, -2 / kDeg, true},
      {OldHourSystem::Temporary, 6, 2, 0, true},
      {OldHourSystem::Temporary, 9, 2, 1 / kDeg, true},
      {OldHourSystem::Temporary, 12, 2, 2 / kDeg, true},
  };
  for (const auto& row : rows) {
    EXPECT_NEAR(OldHourAngle(row.system, row.n, row.sunset) / kDeg, row.expected, 1e-9) << row.n;
    EXPECT_EQ(OldHourInDaylight(row.system, row.n, row.sunset), row.daylight) << row.n;
  }
  // within the polar circle the sun neither sets at the summer solstice nor rises at the winter one
  EXPECT_FALSE(SunsetHourAngle(70 * kDeg, kObliquity).has_value());
  EXPECT_NEAR(*SunsetHourAngle(-45 * kDeg, kObliquity) / kDeg, 64.31, 0.01);
}

TEST(OldHours, ReportListsEachShownSystemFromTheWinterEnd) {
  Report report;
  const TraceResult r = TraceOf(kDials[0], true, false, true, &report);
  const std::string& s = report.sections[5];
  const std::size_t legend = s.find("\r\nCouleurs des heures anciennes : italiques en orange");
  const std::size_t italian = s.find("\r\nHeures italiques :\r\n - ");
  const std::size_t temporary = s.find("\r\nHeures temporaires :\r\n - ");
  ASSERT_NE(legend, std::string::npos);
  ASSERT_NE(italian, std::string::npos);
  ASSERT_NE(temporary, std::string::npos);
  EXPECT_LT(legend, italian);
  EXPECT_LT(italian, temporary);
  EXPECT_EQ(s.find("babyloniques :"), std::string::npos);
  const OldHourTrace* line = Find(r, OldHourSystem::Italian, 18);
  ASSERT_NE(line, nullptr);
  const std::string expected = " - 18 h : de " + FormatPoint(line->pieces[0][0], {-400, 400, -400, 400}) +
                               " à " + FormatPoint(line->pieces[0][1], {-400, 400, -400, 400}) +
                               "\r\n";
  EXPECT_NE(s.find(expected, italian), std::string::npos) << expected;

  // nothing of them without the latitude, nor when none is shown
  DialProject noLatitude = ProjectOf(kDials[0], true, true, true);
  noLatitude.Limite = false;
  Report plain;
  RecordingCanvas canvas;
  TraceOptions options;
  options.composeReport = true;
  const TraceResult none = TraceDial(noLatitude, TypedOrientation(45, 20, 90, 0), {4, 20, 0, 0},
                                     FrameFor(noLatitude.Plate), canvas, options, plain);
  EXPECT_TRUE(none.oldHours.empty());
  EXPECT_EQ(plain.sections[5].find("Heures"), std::string::npos);
  Report without;
  TraceOf(kDials[0], false, false, false, &without);
  EXPECT_EQ(without.sections[5].find("Heures"), std::string::npos);
}

}  // namespace
}  // namespace umbrix
