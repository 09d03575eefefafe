// Simulated measurements solved back, over a grid of plate orientations at several latitudes:
// the plate frame found by the solver must agree with the typed one within what the 0.1 mm
// rounding of the simulated points can explain.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "ComputeFixtures.h"
#include "compute/Simulation.h"
#include "compute/Solver.h"

namespace umbrix {
namespace {

using testing::AngleBetween;
using testing::Give;
using testing::kDeg;

/// Largest rounding error of a simulated point: 0.05 mm on each coordinate.
const double kPointError = 0.05 * std::sqrt(2.0);
/// The solver's threshold for a pole (or zenith) on the plate's normal, radians.
constexpr double kOnNormal = 0.0002;
/// Instants are kept only with the sun this high (refracted), so the horizon test is clear.
const double kMinSunAltitude = 3 * kDeg;
/// ... and this high above the plate, so the shadow stays within a few gnomon heights.
const double kMinSunOverPlate = 10 * kDeg;
/// Two suns closer than this give a pair too ill-conditioned to say much.
const double kMinSunsApart = 3 * kDeg;

/// A typed orientation at a latitude, degrees.
struct Typed {
  double lat, dec, inc, rot;
};

std::string Describe(const Typed& t) {
  std::ostringstream s;
  s << "lat " << t.lat << " dec " << t.dec << " inc " << t.inc << " rot " << t.rot;
  return s.str();
}

/// A measurement instant with its (refracted) sun in the horizontal frame.
struct Instant {
  double date;       // serial
  double clockHour;  // hours on the zone's clock
  Vec3 sunH;
};

/// The instants of a few dates through the year at which the sun is well up at latitude `lat`
/// (degrees), with the place of the full-place fixture (5 E, zone +2).
std::vector<Instant> DaylightInstants(double lat) {
  const DialProject place = testing::FullPlaceProject();
  const double lon = place.Long.value, zone = place.FusHor.value;
  std::vector<Instant> out;
  for (const auto& [m, d] :
       {std::pair{2, 5}, {3, 20}, {5, 5}, {6, 21}, {9, 22}, {11, 5}, {12, 21}}) {
    const double date = testing::Serial(2024, m, d);
    for (int k = 0; k < 24; ++k) {
      const double clock = k + 0.5;
      const double ut = clock - zone;
      Vec3 v = SunVector(true, date, ut);
      v = RotateZ(v, ut * kPi / 12 - lon * kDeg - kPi);
      v = RotateY(v, (90 - lat) * kDeg);
      const Vec3 s = ApplyRefraction(v, {0.0, 0.0, 1.0}).sun;
      if (s.Z >= std::sin(kMinSunAltitude)) out.push_back({date, clock, s});
    }
  }
  return out;
}

/// The plate's axes (X, Y, normal) in the horizontal frame for a declination D, inclination i
/// and last rotation w (radians): the inverse of RotateZ(-D), RotateY(i), RotateZ(w).
std::array<Vec3, 3> AxesFromOrientation(double D, double i, double w) {
  std::array<Vec3, 3> axes;
  const Vec3 unit[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  for (int k = 0; k < 3; ++k) axes[k] = RotateZ(RotateY(RotateZ(unit[k], -w), -i), D);
  return axes;
}

/// The plate's axes in the horizontal frame for `PlateEuler` at latitude lat and hour offset p.
std::array<Vec3, 3> AxesFromEuler(const std::array<double, 3>& e, double lat, double p) {
  std::array<Vec3, 3> axes;
  const Vec3 unit[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  for (int k = 0; k < 3; ++k) {
    axes[k] = RotateY(RotateZ(FromPlateFrame(unit[k], e), -p), kPi / 2 - lat);
  }
  return axes;
}

/// Largest angle between matching axes, radians (the Y axis follows from the other two).
double AxesApart(const std::array<Vec3, 3>& a, const std::array<Vec3, 3>& b) {
  return std::max(AngleBetween(a[0], b[0]), AngleBetween(a[2], b[2]));
}

struct Outcome {
  bool tested = false;
  double error = 0.0;      // radians, the solved plate axes against the typed ones
  double tolerance = 0.0;  // radians, what the point rounding explains
};

/// Picks two lit instants far apart, simulates their points, solves them back and compares.
Outcome RoundTrip(const Typed& t, const std::vector<Instant>& daylight) {
  const double D = t.dec * kDeg, i = t.inc * kDeg, w = (90 - t.rot) * kDeg;
  std::vector<const Instant*> lit;
  for (const Instant& in : daylight) {
    const Vec3 s = RotateZ(RotateY(RotateZ(in.sunH, -D), i), w);
    if (s.Z >= std::sin(kMinSunOverPlate)) lit.push_back(&in);
  }
  if (lit.size() < 2) return {};
  // The pair whose suns are the most nearly perpendicular: start from any lit instant and take
  // its best partner twice.
  const auto partner = [&](const Instant* a) {
    const Instant* best = nullptr;
    double bestSin = -1;
    for (const Instant* b : lit) {
      const double s = std::sin(AngleBetween(a->sunH, b->sunH));
      if (s > bestSin) {
        bestSin = s;
        best = b;
      }
    }
    return best;
  };
  const Instant* second = partner(lit.front());
  const Instant* first = partner(second);
  if (AngleBetween(first->sunH, second->sunH) < kMinSunsApart) return {};

  DialProject p = testing::FullPlaceProject();
  Give(p.Lat, t.lat);
  p.Nord = t.lat >= 0;
  Give(p.Cote, 20000);
  p.Plate = {-10000, 10000, -10000, 10000};
  Give(p.Date1, first->date);
  Give(p.Heure1, first->clockHour / 24);
  Give(p.Date2, second->date);
  Give(p.Heure2, second->clockHour / 24);
  testing::Orient(p, t.dec, t.inc, t.rot);
  testing::ProjectEntryWriter writer(p);
  const SimulationResult sim = SimulatePoints(p, writer);
  EXPECT_TRUE(sim.success) << Describe(t);
  if (!sim.success) return {};
  Report report;
  const SolveResult r = SolveOrientation(p, ProjectState{}, report);
  EXPECT_TRUE(r.success) << Describe(t);
  if (!r.success) return {};

  // Each rounded point turns its shadow ray by at most asin(rounding / ray length).
  const double G = p.Gnomon.value;
  const auto rayError = [&](double x, double y) {
    return std::asin(kPointError / (std::sqrt(x * x + y * y + G * G) - kPointError));
  };
  const double e1 = rayError(p.Mesx1.value, p.Mesy1.value);
  const double e2 = rayError(p.Mesx2.value, p.Mesy2.value);
  // The angle between the rays moves by at most the sum, and the solver splits that mismatch
  // evenly: sun 1 is off by at most e1 + (e1 + e2) / 2, the normal of the suns' plane by at
  // most (e1 + e2) / sin(theta); a frame fixed by that direction and that normal turns by at
  // most the sum of the two.
  EXPECT_LE(std::abs(r.sunAngle - r.shadowAngle), e1 + e2 + 1e-12) << Describe(t);
  double tolerance = 1.5 * (e1 + e2) + (e1 + e2) / std::sin(r.shadowAngle);
  // A pole found within the solver's threshold of the normal is put exactly on it.
  const auto& e = r.orientation.PlateEuler;
  if (e[0] == 0.0 && (e[1] == 0.0 || e[1] == kPi)) tolerance += 2 * kOnNormal;

  const double lat = t.lat * kDeg;
  const double hp = p.Long.value * kDeg + p.FusHor.value * kPi / 12;
  const std::array<Vec3, 3> typed = AxesFromOrientation(D, i, w);
  const double error = AxesApart(AxesFromEuler(e, lat, hp), typed);
  EXPECT_LE(error, tolerance) << Describe(t) << " (euler)";

  // The reported declination, inclination and rotation describe the same plate; a plate found
  // within the threshold of horizontal is reported exactly horizontal.
  const ReducedParameters& rp = r.reduced;
  const double reducedTolerance =
      tolerance + (rp.declination == 0.0 && rp.inclination == 0.0 ? 2 * kOnNormal : 0.0);
  const double reducedError =
      AxesApart(AxesFromOrientation(rp.declination, rp.inclination, kPi / 2 - rp.rotation), typed);
  EXPECT_LE(reducedError, reducedTolerance) << Describe(t) << " (reduced)";
  EXPECT_EQ(rp.latitude, lat);
  EXPECT_EQ(rp.hourOffset, hp);
  return {true, error, tolerance};
}

struct Summary {
  int tested = 0;
  int skipped = 0;
  double worst = 0.0;  // radians
  Typed worstCase{};
  double worstTolerance = 0.0;
  double worstRatio = 0.0;  // error / tolerance
  Typed worstRatioCase{};

  void Add(const Typed& t, const Outcome& o) {
    if (!o.tested) {
      ++skipped;
      return;
    }
    ++tested;
    if (o.error > worst) {
      worst = o.error;
      worstCase = t;
      worstTolerance = o.tolerance;
    }
    if (o.error / o.tolerance > worstRatio) {
      worstRatio = o.error / o.tolerance;
      worstRatioCase = t;
    }
  }

  std::string Text() const {
    std::ostringstream s;
    s << tested << " tested, " << skipped << " skipped; worst axis error " << worst / kDeg
      << " deg (tolerance " << worstTolerance / kDeg << " deg) at " << Describe(worstCase)
      << "; largest error/tolerance " << worstRatio << " at " << Describe(worstRatioCase);
    return s.str();
  }
};

TEST(RoundTrip, GridOfOrientationsComesBackWithinTheRounding) {
  Summary summary;
  int upFacingSkipped = 0;
  for (double lat : {-60.0, -45.0, -20.0, 0.0, 30.0, 45.0, 60.0}) {
    const std::vector<Instant> daylight = DaylightInstants(lat);
    for (double dec = -180; dec <= 180; dec += 30) {
      for (double inc = 0; inc <= 180; inc += 30) {
        for (double rot = -180; rot <= 180; rot += 45) {
          const Typed t{lat, dec, inc, rot};
          const Outcome o = RoundTrip(t, daylight);
          summary.Add(t, o);
          // A plate whose face looks at the sky or the horizon sees the sun at some date.
          if (!o.tested && inc <= 90) {
            ++upFacingSkipped;
            ADD_FAILURE() << "no lit pair for " << Describe(t);
          }
        }
      }
    }
  }
  std::cout << "[ round trip ] grid: " << summary.Text() << "\n";
  RecordProperty("grid_summary", summary.Text());
  EXPECT_EQ(upFacingSkipped, 0);
  // Only plates turned toward the ground may miss the sun.
  EXPECT_GE(summary.tested, 0.8 * (summary.tested + summary.skipped));
}

TEST(RoundTrip, SpecialPlatesComeBackWithinTheRounding) {
  const Typed specials[] = {
      // Horizontal, both hemispheres, turned.
      {45, 0, 0, 0},
      {45, 0, 0, 30},
      {-45, 0, 0, -120},
      {0, 0, 0, 90},
      // Vertical: south, north, east, west walls.
      {45, 0, 90, 0},
      {45, 180, 90, 0},
      {-33, 180, 90, 15},
      {-33, 0, 90, 0},
      // Polar: the plate contains the polar axis (east and west walls, reclined meridian plates).
      {45, 0, 45, 0},
      {45, -90, 90, 0},
      {45, 90, 90, 180},
      {-30, 180, 60, 0},
      {60, 0, 30, -45},
      {0, 90, 90, 0},
      // Exactly parallel to the equator, both hemispheres, upper and lower faces.
      {45, 180, 45, 0},
      {45, 180, 45, 70},
      {-45, 0, 45, 0},
      {-45, 0, 45, -30},
      {45, 0, 135, 0},
      {-45, 180, 135, 20},
      {60, 180, 30, 0},
      {-20, 0, 70, 0},
      {0, 0, 90, 0},
      {0, 180, 90, 0},
      {90, 0, 0, 30},
      {-90, 0, 0, 0},
  };
  Summary summary;
  for (const Typed& t : specials) {
    const std::vector<Instant> daylight = DaylightInstants(t.lat);
    const Outcome o = RoundTrip(t, daylight);
    EXPECT_TRUE(o.tested) << Describe(t);
    summary.Add(t, o);
  }
  std::cout << "[ round trip ] special plates: " << summary.Text() << "\n";
  RecordProperty("special_summary", summary.Text());
}

TEST(RoundTrip, HorizontalDialAtAGeographicPoleReportsItsTypedRotation) {
  // Regression: with the pole on the normal the hour offset went into the last angle and the
  // printed rotation of a horizontal plate at a pole was off by longitude plus zone.
  for (const double lat : {90.0, -90.0}) {
    for (const double rot : {0.0, 30.0, -135.0}) {
      SCOPED_TRACE(Describe({lat, 0, 0, rot}));
      DialProject p = testing::FullPlaceProject();
      Give(p.Lat, lat);
      p.Nord = lat > 0;
      const double date = lat > 0 ? testing::Serial(2024, 6, 21) : testing::Serial(2024, 12, 21);
      Give(p.Date1, date);
      Give(p.Date2, date);
      Give(p.Heure1, 9.0 / 24);
      Give(p.Heure2, 15.0 / 24);
      ASSERT_TRUE(testing::GiveExactShadows(p, 0, 0, rot));
      Report report;
      const SolveResult r = SolveOrientation(p, ProjectState{}, report);
      ASSERT_TRUE(r.success);
      EXPECT_EQ(r.orientation.PlateEuler[0], 0.0);
      EXPECT_EQ(r.orientation.PlateEuler[1], lat > 0 ? 0.0 : kPi);
      EXPECT_EQ(r.reduced.declination, 0.0);
      EXPECT_EQ(r.reduced.inclination, 0.0);
      EXPECT_NEAR(testing::DegreesApart(r.reduced.rotation / kDeg, rot), 0, 1e-6);
    }
  }
}

}  // namespace
}  // namespace umbrix
