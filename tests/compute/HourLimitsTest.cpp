#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "ComputeFixtures.h"
#include "compute/HourLimits.h"
#include "compute/Solver.h"
#include "model/Numbers.h"

namespace umbrix {
namespace {

using testing::kDeg;

struct LimitsRow {
  const char* name;
  double dec, inc, lat;  // degrees
  int caseNumber;
  HourLimits hours;  // rounded to 0.01 h
};

TEST(HourLimits, SolarHourPlatesAtFortyFiveNorthAndSeventyNorth) {
  const LimitsRow rows[] = {
      {"south vertical", 0, 90, 45, 7, {6, 18, 0, 0}},
      {"west vertical", 90, 90, 45, 2, {12, 19.71, 0, 0}},
      {"east vertical", -90, 90, 45, 1, {4.29, 12, 0, 0}},
      {"north vertical", 180, 90, 45, 4, {4.29, 19.71, 7.71, 16.29}},
      {"horizontal", 0, 0, 45, 5, {4.29, 19.71, 0, 0}},
      {"horizontal far north", 0, 0, 70, 3, {0, 24, 0, 0}},
  };
  for (const LimitsRow& row : rows) {
    SCOPED_TRACE(row.name);
    const HourLimitsResult r =
        ComputeHourLimits(row.dec * kDeg, row.inc * kDeg, 0.7, row.lat * kDeg, true);
    EXPECT_EQ(r.caseNumber, row.caseNumber);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(RoundScaled(100, r.limits[k]), row.hours[k]) << k;
  }
}

TEST(HourLimits, ClockHoursAreShiftedByTheHourOffset) {
  const double p = -5 * kDeg + 2 * kPi / 12;  // longitude 5 E, zone +2: 1 h 40 min
  const HourLimitsResult solar = ComputeHourLimits(0, 90 * kDeg, p, 45 * kDeg, true);
  const HourLimitsResult clock = ComputeHourLimits(0, 90 * kDeg, p, 45 * kDeg, false);
  EXPECT_NEAR(clock.limits[0] - solar.limits[0], 5.0 / 3, 1e-12);
  EXPECT_NEAR(clock.limits[1] - solar.limits[1], 5.0 / 3, 1e-12);
  EXPECT_NEAR(clock.limits[0], 7.67, 0.005);
}

TEST(HourLimits, MorningStartBeforeMinusPiIsBroughtIntoTheDay) {
  // A far western offset would start the range before midnight: one turn is added.
  const HourLimitsResult r = ComputeHourLimits(0, 0, -3.0, 45 * kDeg, false);
  EXPECT_GE(r.limits[0], 0.0);
  EXPECT_NEAR(r.limits[1] - r.limits[0], 19.71 - 4.29, 0.01);
}

TEST(HourLimits, LimitsWithoutRealRootTakeAHalfWidthOfPi) {
  // |tan 80°| tan eps > 1: the direction sees the sun at every hour of some day.
  EXPECT_DOUBLE_EQ(MorningLimit(0.3, 80 * kDeg),
                   std::atan2(std::sin(0.3 - kPi), std::cos(0.3 - kPi)));
  EXPECT_DOUBLE_EQ(EveningLimit(0.3, -80 * kDeg),
                   std::atan2(std::sin(0.3 + kPi), std::cos(0.3 + kPi)));
  EXPECT_NEAR(MorningLimit(0, 45 * kDeg), -2.01924, 1e-5);  // 4.29 h
  EXPECT_NEAR(EveningLimit(0, 45 * kDeg), 2.01924, 1e-5);   // 19.71 h
}

TEST(HourLimits, LatitudeZeroGivesFiniteLimitsForEveryPlate) {
  for (double dec = -180; dec <= 180; dec += 15) {
    for (double inc = 0; inc <= 180; inc += 15) {
      const HourLimitsResult r = ComputeHourLimits(dec * kDeg, inc * kDeg, 0.2, 0.0, false);
      for (double h : r.limits) {
        EXPECT_TRUE(std::isfinite(h)) << dec << " " << inc;
      }
      EXPECT_NE(r.caseNumber, 10);
    }
  }
}

TEST(HourLimits, HighLatitudeSouthWallUsesTheLastCase) {
  const HourLimitsResult r = ComputeHourLimits(0, 90 * kDeg, 0, 80 * kDeg, true);
  EXPECT_EQ(r.caseNumber, 10);
  EXPECT_NEAR(r.limits[0], 6, 1e-9);
  EXPECT_NEAR(r.limits[1], 18, 1e-9);
}

TEST(HourLimits, SweepReachesEveryCaseWithOrderedFiniteLimits) {
  std::set<int> seen;
  for (double lat = -89; lat <= 89; lat += 4) {
    for (double dec = -180; dec <= 180; dec += 10) {
      for (double inc = 0; inc <= 180; inc += 10) {
        const HourLimitsResult r = ComputeHourLimits(dec * kDeg, inc * kDeg, 0.0, lat * kDeg, true);
        seen.insert(r.caseNumber);
        for (double h : r.limits) ASSERT_TRUE(std::isfinite(h)) << lat << " " << dec << " " << inc;
        EXPECT_LE(r.limits[0], r.limits[1]) << lat << " " << dec << " " << inc;
        EXPECT_LE(r.limits[1] - r.limits[0], 24 + 1e-9);
      }
    }
  }
  EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(ReducedParametersSection, ZonePrintsSignAndMinutesOnlyWithFullPlace) {
  DialProject p = testing::FullPlaceProject();
  ReducedParameters r;
  r.latitude = 45 * kDeg;
  testing::Give(p.FusHor, -3.5);
  EXPECT_NE(ReducedParametersSection(r, p).find(" - Fuseau horaire : -3:30\r\n"),
            std::string::npos);
  testing::Give(p.FusHor, 0);
  EXPECT_NE(ReducedParametersSection(r, p).find(" - Fuseau horaire : 0:00\r\n"), std::string::npos);
  testing::Give(p.FusHor, 5.75);
  p.Locc = false;
  r.hourOffset = 0.5;
  const std::string s = ReducedParametersSection(r, p);
  EXPECT_NE(s.find(" - Fuseau horaire : 0:00\r\n"), std::string::npos);
  EXPECT_NE(s.find(" - Longitude : 28.65°\r\n"), std::string::npos);
}

}  // namespace
}  // namespace umbrix
