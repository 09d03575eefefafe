#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/Sun.h"
#include "model/Dates.h"

namespace umbrix {
namespace {

constexpr double kDeg = kPi / 180;

TEST(SunVector, EpochIsFirstOfMarch2020) {
  // n = 0 at the epoch: the mean longitude is (0 - 21.043) * 0.01720279.
  const double L = -21.043 * 0.01720279;
  const double M = -308.46 * 0.017202;
  const double lambda = L + 0.0334 * std::sin(M) + 0.0003486125 * std::sin(2 * M);
  const Vec3 s = SunVector(false, SerialFromCivil({2020, 3, 1}) + 0.9, 0.0);
  EXPECT_DOUBLE_EQ(s.X, std::cos(lambda));
  EXPECT_DOUBLE_EQ(s.Z, std::sin(lambda) * std::sin(kObliquity));
}

TEST(SunVector, ReferenceValues) {
  const Vec3 s = SunVector(false, SerialFromCivil({2024, 6, 21}), 10.0);
  double ra = std::atan2(s.Y, s.X);
  if (ra < 0) ra += 2 * kPi;
  EXPECT_NEAR(ra * 12 / kPi, 6.04, 0.01);
  EXPECT_NEAR(std::asin(s.Z) / kDeg, 23.44, 0.01);
  struct Row {
    CivilDate date;
    double minutes;
  } rows[] = {{{2024, 2, 11}, 14.2}, {{2024, 11, 3}, -16.4}};
  for (const auto& r : rows) {
    EXPECT_NEAR(EquationOfTimeMinutes(SunVector(true, SerialFromCivil(r.date), 12)), r.minutes,
                0.1);
  }
}

TEST(SunVector, ContinuousAcrossTheYear) {
  const double d = SerialFromCivil({2024, 12, 31});
  const Vec3 a = SunVector(false, d, 23.999);
  const Vec3 b = SunVector(false, d + 1, 0.0);
  EXPECT_NEAR(a.X, b.X, 1e-6);
  EXPECT_NEAR(a.Y, b.Y, 1e-6);
}

TEST(Rotations, AzimuthTurnsBackByTheAngle) {
  const Vec3 v{std::cos(0.3), std::sin(0.3), 0.2};
  const Vec3 r = RotateZ(v, 0.1);
  EXPECT_NEAR(std::atan2(r.Y, r.X), 0.2, 1e-15);
  EXPECT_DOUBLE_EQ(r.Z, 0.2);
  const Vec3 y = RotateY({1, 0, 0}, kPi / 2);
  EXPECT_NEAR(y.X, 0, 1e-15);
  EXPECT_NEAR(y.Z, 1, 1e-15);
}

TEST(Rotations, PlateFrameRoundTrip) {
  const std::array<double, 3> e{0.4, 1.1, -2.3};
  const Vec3 v{0.2, -0.5, 0.84};
  const Vec3 back = FromPlateFrame(ToPlateFrame(v, e), e);
  EXPECT_NEAR(back.X, v.X, 1e-15);
  EXPECT_NEAR(back.Y, v.Y, 1e-15);
  EXPECT_NEAR(back.Z, v.Z, 1e-15);
}

// The tracing pass turns its directions with the plate angles worked out once; every figure must
// stay exactly where the direct rotations put it, to the last bit.
TEST(Rotations, PlateTurnsGiveExactlyThePlateFrame) {
  const ClockPlace place{true, 2.0};
  for (double a : {0.0, 0.3, -2.9, 3.14159}) {
    for (double b : {0.0, 0.7, 1.5707963, -2.2}) {
      for (double c : {0.0, -1.2, 2.5}) {
        Orientation o;
        o.PlateEuler = {a, b, c};
        o.ZenithVec = FromPlateFrame({0.3, -0.4, 0.866}, o.PlateEuler);
        const PlateTurns turns(o.PlateEuler);
        for (int k = 0; k < 24; ++k) {
          const Vec3 v{std::cos(k * 0.5), std::sin(k * 0.5) * 0.6, std::sin(k * 0.5) * 0.8};
          const Vec3 direct = ToPlateFrame(v, o.PlateEuler);
          const Vec3 turned = turns.ToPlate(v);
          EXPECT_EQ(turned.X, direct.X);
          EXPECT_EQ(turned.Y, direct.Y);
          EXPECT_EQ(turned.Z, direct.Z);
          for (bool refract : {false, true}) {
            const Vec3 s1 = SunInPlate(o, place, refract, 45464.0, k);
            const Vec3 s2 = SunInPlate(o, turns, place, refract, 45464.0, k);
            EXPECT_EQ(s1.X, s2.X);
            EXPECT_EQ(s1.Y, s2.Y);
            EXPECT_EQ(s1.Z, s2.Z);
          }
        }
      }
    }
  }
}

TEST(Refraction, BranchesMeetAtMinusTwoHundredths) {
  const Vec3 zenith{0, 0, 1};
  for (double h : {-0.02 + 1e-12, -0.02}) {
    const Vec3 sun{std::cos(h), 0, std::sin(h)};
    const Refracted r = ApplyRefraction(sun, zenith);
    EXPECT_NEAR(std::asin(r.sun.Z) - h, 0.01522, 2e-5) << h;
    EXPECT_FALSE(r.aboveHorizon);  // lifted by R but still below
  }
}

TEST(Refraction, NothingNearTheZenithAndSetSunStaysDown) {
  const Vec3 zenith{0, 0, 1};
  const Vec3 high{std::sqrt(1 - 0.99995 * 0.99995), 0, 0.99995};
  const Refracted r = ApplyRefraction(high, zenith);
  EXPECT_EQ(r.sun.X, high.X);
  EXPECT_EQ(r.sun.Z, high.Z);
  const double h = -0.2;
  EXPECT_FALSE(ApplyRefraction({std::cos(h), 0, std::sin(h)}, zenith).aboveHorizon);
  // At the horizon the sun is lifted by about 35 arc minutes.
  const Refracted atHorizon = ApplyRefraction({1, 0, 0}, zenith);
  EXPECT_NEAR(std::asin(atHorizon.sun.Z) / kDeg * 60, 34.6, 1.0);
}

TEST(Refraction, TurnsTowardTheZenithByTheRefractionAngle) {
  // A tilted zenith, and suns at altitudes from near the nadir to near the zenith: the result
  // stays a unit direction in the plane of sun and zenith, turned up by exactly R(h).
  const Vec3 zenith{0.6, 0.0, 0.8};
  const Vec3 across{0.8, 0.0, -0.6};  // perpendicular to the zenith in the same plane
  const auto R = [](double h) {
    return h > -0.02 ? 0.000291 / std::tan(h + 0.00223 / (h + 0.077)) : -0.311 * h + 0.009;
  };
  for (double h : {-1.5, -0.6, -0.05, -0.02, 0.0, 0.01, 0.3, 1.0, 1.55}) {
    const Vec3 sun{std::cos(h) * across.X + std::sin(h) * zenith.X, 0.0,
                   std::cos(h) * across.Z + std::sin(h) * zenith.Z};
    const Refracted r = ApplyRefraction(sun, zenith);
    EXPECT_NEAR(Norm(r.sun), 1.0, 1e-14) << h;
    EXPECT_EQ(r.sun.Y, 0.0) << h;
    const double altitude = std::atan2(Dot(r.sun, zenith), Dot(r.sun, across));
    EXPECT_NEAR(altitude - h, R(h), 1e-13) << h;
    EXPECT_EQ(r.aboveHorizon, h + R(h) >= 0) << h;
  }
  // Straight under the zenith there is no plane to turn in: the sun is left where it is.
  const Refracted nadir = ApplyRefraction({-0.6, 0.0, -0.8}, zenith);
  EXPECT_EQ(nadir.sun.X, -0.6);
  EXPECT_EQ(nadir.sun.Z, -0.8);
  EXPECT_FALSE(nadir.aboveHorizon);
}

TEST(SunAtClockHour, AgreesWithSunInPlateOnEveryDate) {
  // An analemma's dates taken through the shared day and hour shares must give the directions
  // SunInPlate gives date by date, whatever the localisation and plate.
  std::vector<double> dates;
  for (int j = 0; j <= 26; ++j) dates.push_back(42908 + 7.0 * j);
  dates.push_back(SerialFromCivil({1901, 1, 1}) + 0.75);  // far from the epoch, part of a day
  dates.push_back(SerialFromCivil({2099, 12, 31}));
  const MeanSunOnDates year(dates);
  Orientation o;
    o.PlateEuler = {0.3, 2.1, -1.2};
  const PlateTurns turns(o.PlateEuler);
  for (const ClockPlace place : {ClockPlace{false, 0.0}, ClockPlace{true, 2.0}}) {
    for (const double clock : {-1.5, 0.0, 8.0 + 1.0 / 6, 12.0, 23.75, 26.0}) {
      const SunAtClockHour sun(year, turns, place, clock);
      for (std::size_t i = 0; i < dates.size(); ++i) {
        const Vec3 a = sun.On(i);
        const Vec3 b = SunInPlate(o, place, false, dates[i], clock);
        // A century from the epoch the angles run to hundreds of radians, rounded to ~1e-13.
        const double tolerance = i < 27 ? 1e-14 : 1e-12;
        EXPECT_NEAR(a.X, b.X, tolerance) << clock << " " << dates[i];
        EXPECT_NEAR(a.Y, b.Y, tolerance) << clock << " " << dates[i];
        EXPECT_NEAR(a.Z, b.Z, tolerance) << clock << " " << dates[i];
      }
    }
  }
}

TEST(SunInPlate, SouthVerticalPlateAtLocalNoon) {
  // Plate of declination 0, inclination 90 at latitude 45 N: its normal points south, so at local
  // mean noon (clock 12 without localisation) the sun lies in the plate's vertical plane.
  Orientation o;
  const double lat = 45 * kDeg;
  o.PlateEuler = {std::atan2(0.0, std::cos(lat)), std::acos(std::sin(lat) * 0 - std::cos(lat)),
                  std::atan2(0.0, std::sin(lat)) + kPi / 2};
  const Vec3 s = SunInPlate(o, ClockPlace{}, false, SerialFromCivil({2024, 6, 21}), 12.0);
  EXPECT_NEAR(s.X, 0.0, 0.02);  // equation of time leaves a small offset
  EXPECT_GT(s.Z, 0.0);
}

}  // namespace
}  // namespace umbrix
