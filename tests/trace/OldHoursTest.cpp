// The old hours against the sun computed on its own, from the defining formulas and the plate's
// typed rotations, never from the tracer's own hour frame.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "support/RecordingCanvas.h"
#include "trace/TraceDial.h"
#include "trace/TraceFixtures.h"

namespace umbrix {
namespace {

using testing::kDeg;
using S = OldHourSystem;

constexpr double kTolerance = 0.1;  // mm

struct Dial {
  const char* name;
  double side, gnomon;        // mm
  double lat, dec, inc, rot;  // degrees
  double p;                   // the solver's hour offset (radians), which must not matter
};
// The worked wall, a horizontal dial and a reclining plate in the southern hemisphere.
const Dial kDials[] = {{"worked wall", 800, 100, 45, 20, 90, 0, 25 * kDeg},
                       {"horizontal 45 N", 200, 30, 45, 0, 0, 0, 0.3},
                       {"reclining 35 S", 300, 40, -35, 180, 60, 10, -0.2}};

struct Traced {
  TraceResult result;
  Report report;
};
Traced TraceOf(const Dial& d) {
  DialProject p = testing::SquareDial(d.side, d.gnomon, d.lat);
  p.Options.Italiques1 = p.Options.Babyloniques1 = p.Options.Temporaires1 = {true, true};
  Traced t;
  testing::RecordingCanvas canvas;
  TraceOptions options;
  options.composeReport = true;
  t.result = TraceDial(p, testing::TypedOrientation(d.lat, d.dec, d.inc, d.rot, d.p), {4, 20, 0, 0},
                       testing::FrameFor(p.Plate), canvas, options, t.report);
  return t;
}

// The tip's shadow for the sun at a declination and a local hour angle (west positive), when
// the sun is in front of the plate and the shadow on it.
std::optional<PointMm> Shadow(const Dial& d, double decl, double hourAngle) {
  const Vec3 s = testing::HourFrameToPlate(
      {std::cos(decl) * std::cos(hourAngle), -std::cos(decl) * std::sin(hourAngle), std::sin(decl)},
      d.lat, d.dec, d.inc, d.rot);
  const PointMm q{-d.gnomon * s.X / s.Z, -d.gnomon * s.Y / s.Z};
  const double inner = d.side / 2 - 0.01;
  if (!(s.Z > 1e-9) || std::fabs(q.x) > inner || std::fabs(q.y) > inner) return std::nullopt;
  return q;
}

// Distance from q to the line a-b (mm), and where q falls along a-b (0 at a, 1 at b).
double Across(PointMm q, PointMm a, PointMm b) {
  return std::fabs((q.x - a.x) * (b.y - a.y) - (q.y - a.y) * (b.x - a.x)) /
         std::hypot(b.x - a.x, b.y - a.y);
}
double Along(PointMm q, PointMm a, PointMm b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  return ((q.x - a.x) * dx + (q.y - a.y) * dy) / (dx * dx + dy * dy);
}

const OldHourTrace* Find(const TraceResult& r, S system, int number) {
  for (const OldHourTrace& t : r.oldHours)
    if (t.system == system && t.number == number) return &t;
  return nullptr;
}

TEST(OldHours, ItalianAndBabylonianLinesHoldEveryShadowOfTheirHourFromWinterToSummer) {
  for (const Dial& d : kDials) {
    const TraceResult r = TraceOf(d).result;
    const double winter = d.lat >= 0 ? -kObliquity : kObliquity;
    double worst = 0;
    int checked = 0;
    for (const S system : {S::Italian, S::Babylonian}) {
      for (int n = NumbersOf(system).first; n <= NumbersOf(system).last; ++n) {
        const OldHourTrace* line = Find(r, system, n);
        double lastAlong = -1;
        for (int i = 0; i < 10; ++i) {  // ten declinations, winter solstice first
          const double decl = winter * (1 - i / 4.5);
          const double h0 = std::acos(-std::tan(d.lat * kDeg) * std::tan(decl));
          const double H = system == S::Italian ? h0 + (n - 24) * 15 * kDeg : -h0 + n * 15 * kDeg;
          const std::optional<PointMm> q = Shadow(d, decl, H);
          if (std::fabs(H) > h0 + 1e-9 || !q) continue;  // before sunrise, after sunset, off
          const std::string at = std::string(d.name) + " " + std::to_string(n) + " at " +
                                 std::to_string(i) + (system == S::Italian ? " italian" : "");
          ASSERT_TRUE(line && line->pieces.size() == 1 && line->pieces[0].size() == 2) << at;
          const PointMm a = line->pieces[0][0], b = line->pieces[0][1];
          const double along = Along(*q, a, b);
          const double slack = kTolerance / std::hypot(b.x - a.x, b.y - a.y);
          EXPECT_TRUE(along > -slack && along < 1 + slack && along > lastAlong - slack) << at;
          worst = std::max(worst, Across(*q, a, b));
          lastAlong = along;
          ++checked;
        }
      }
    }
    EXPECT_LT(worst, kTolerance) << d.name;
    EXPECT_GT(checked, 40) << d.name;
  }
}

TEST(OldHours, ItalianAndBabylonianMeetTheHorizonAndCrossOnTheEquinoctial) {
  for (const Dial& d : kDials) {
    const TraceResult r = TraceOf(d).result;
    // Italian 24 h and Babylonian 0 h are the horizon line: none on a horizontal plate
    const Vec3 z = testing::TypedOrientation(d.lat, d.dec, d.inc, d.rot, d.p).ZenithVec;
    for (const auto& [system, n] : {std::pair{S::Italian, 24}, std::pair{S::Babylonian, 0}}) {
      const OldHourTrace* line = Find(r, system, n);
      ASSERT_EQ(line != nullptr, d.inc != 0) << d.name << " " << n;
      if (!line) continue;
      const double k = d.gnomon * z.Z / (z.X * z.X + z.Y * z.Y);
      for (const PointMm& q : line->pieces[0])
        EXPECT_LT(Across(q, {z.X * k, z.Y * k}, {z.X * k - z.Y, z.Y * k + z.X}), 1e-6) << d.name;
    }
    // at the equinox Italian n and Babylonian n - 12 are one instant, on the equinoctial line
    int crossings = 0;
    for (int n = 13; n <= 24; ++n) {
      const OldHourTrace* italian = Find(r, S::Italian, n);
      const OldHourTrace* babylonian = Find(r, S::Babylonian, n - 12);
      const std::optional<PointMm> q = Shadow(d, 0, (n - 18) * 15 * kDeg);
      if (!italian || !babylonian || !q) continue;
      const PointMm a = italian->pieces[0][0], b = italian->pieces[0][1];
      const PointMm c = babylonian->pieces[0][0], e = babylonian->pieces[0][1];
      const double t = ((c.x - a.x) * (e.y - c.y) - (c.y - a.y) * (e.x - c.x)) /
                       ((b.x - a.x) * (e.y - c.y) - (b.y - a.y) * (e.x - c.x));
      const PointMm met{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
      EXPECT_LT(std::hypot(met.x - q->x, met.y - q->y), kTolerance) << d.name << " " << n;
      ++crossings;
    }
    EXPECT_GE(crossings, 3) << d.name;
  }
}

TEST(OldHours, TemporaryHourSixIsNoonAndEachMeetsItsEquinoctialHour) {
  for (const Dial& d : kDials) {
    const TraceResult r = TraceOf(d).result;
    int met = 0;
    for (int k = 0; k <= 12; ++k) {
      const OldHourTrace* line = Find(r, S::Temporary, k);
      // every point of hour 6 on the noon line of solar time
      const std::optional<PointMm> a = Shadow(d, 0.2, 0), b = Shadow(d, -0.2, 0);
      if (k == 6) {
        ASSERT_TRUE(line && a && b) << d.name;
      }
      for (const auto& piece : k == 6 ? line->pieces : std::vector<std::vector<PointMm>>{})
        for (const PointMm& q : piece) EXPECT_LT(Across(q, *a, *b), kTolerance) << d.name;
      // at the equinox temporary hour k is equinoctial hour k + 6: a point of the curve
      const std::optional<PointMm> q = Shadow(d, 0, (k - 6) * 15 * kDeg);
      if (!q) continue;
      ASSERT_NE(line, nullptr) << d.name << " " << k;
      // on the wall no curve leaves the plate and comes back: one piece, not cut by rounding
      if (&d == &kDials[0]) {
        EXPECT_EQ(line->pieces.size(), 1u) << k;
      }
      double best = INFINITY;
      for (const auto& piece : line->pieces)
        for (const PointMm& p : piece) best = std::min(best, std::hypot(p.x - q->x, p.y - q->y));
      EXPECT_LT(best, kTolerance) << d.name << " temporary " << k;
      ++met;
    }
    EXPECT_GE(met, 3) << d.name;
  }
}

TEST(OldHours, ReportListsEachLineFromItsWinterEnd) {
  const Traced t = TraceOf(kDials[0]);
  const std::string& s = t.report.sections[5];
  const OldHourTrace* line = Find(t.result, S::Italian, 18);
  ASSERT_NE(line, nullptr);
  const PlateWindow plate{-400, 400, -400, 400};
  const std::string italian = "\r\nHeures italiques :\r\n";
  const std::size_t at = s.find("\r\nCouleurs des heures anciennes : italiques en orange");
  ASSERT_NE(at, std::string::npos);
  EXPECT_LT(at, s.find(italian));
  EXPECT_LT(s.find(italian), s.find("\r\nHeures babyloniques :\r\n - "));
  EXPECT_LT(s.find("\r\nHeures babyloniques :\r\n"), s.find("\r\nHeures temporaires :\r\n - "));
  EXPECT_NE(s.find(" - 18 h : de " + FormatPoint(line->pieces[0][0], plate) + " à " +
                   FormatPoint(line->pieces[0][1], plate) + "\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace umbrix
