#include <gtest/gtest.h>

#include <cmath>

#include "ComputeFixtures.h"
#include "compute/Ephemeris.h"
#include "compute/Simulation.h"
#include "compute/Solver.h"
#include "model/TimeZone.h"

namespace umbrix {
namespace {

using testing::DegreesApart;
using testing::Give;
using testing::kDeg;

// The wall of the worked case (45 N, 5 E, declining 20 west, vertical) marked on either side of
// the last Sunday of March 2024 in Europe/Paris: 13:00 on 24/03 (UTC+1) and 17:00 on 01/04
// (UTC+2), each mark where the sun put it at its own legal offset.
DialProject MarksAcrossTheSpringChange() {
  DialProject p = testing::FullPlaceProject();
  p.Plate = {-2000, 2000, -2000, 2000};
  Give(p.Date1, testing::Serial(2024, 3, 24));
  Give(p.Heure1, 13.0 / 24);
  Give(p.Date2, testing::Serial(2024, 4, 1));
  Give(p.Heure2, 17.0 / 24);
  for (int point = 1; point <= 2; ++point) {
    DialProject at = p;
    Give(at.FusHor, point);  // the legal offset of that mark, as if it were the dial's clock
    EXPECT_TRUE(testing::GiveExactShadows(at, 20, 90, 0));
    p.At(point == 1 ? Field::Mesx1 : Field::Mesx2) =
        at.At(point == 1 ? Field::Mesx1 : Field::Mesx2);
    p.At(point == 1 ? Field::Mesy1 : Field::Mesy2) =
        at.At(point == 1 ? Field::Mesy1 : Field::Mesy2);
  }
  return p;
}

void NameParis(DialProject& p) {
  p.Zone = "Europe/Paris";
  p.ZoneOffsets[kZonePoint1] = {true, 1.0};
  p.ZoneOffsets[kZonePoint2] = {true, 2.0};
}

TEST(LegalTime, MarksAcrossTheSpringChangeSolveOnlyWithTheZoneNamed) {
  struct Case {
    const char* name;
    bool zone;
    double dialClock;  // `FusHor`, hours
    bool right;        // the wall comes back within 0.02 degree; else it is off by over 1 degree
  };
  const Case cases[] = {
      {"zone named, winter dial", true, 1, true},
      {"zone named, summer dial", true, 2, true},
      {"FusHor 1 alone", false, 1, false},
      {"FusHor 2 alone", false, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DialProject p = MarksAcrossTheSpringChange();
    Give(p.FusHor, c.dialClock);
    if (c.zone) NameParis(p);
    Report report;
    const SolveResult r = SolveOrientation(p, ProjectState{}, report);
    ASSERT_TRUE(r.success);
    const double decError = std::abs(DegreesApart(r.reduced.declination / kDeg, 20));
    const double incError = std::abs(r.reduced.inclination / kDeg - 90);
    if (c.right) {
      EXPECT_LT(decError, 0.02);
      EXPECT_LT(incError, 0.02);
    } else {
      EXPECT_GT(std::max(decError, incError), 1.0);
    }
    // the report names the zone and each mark's offset after the time zone line, only then
    const size_t zoneLines = report.sections[9].find(
        " - Fuseau horaire nommé : Europe/Paris\r\n - Point 1 : heure légale UTC+1:00\r\n"
        " - Point 2 : heure légale UTC+2:00\r\n - Longitude");
    EXPECT_EQ(zoneLines != std::string::npos, c.zone) << report.sections[9];
  }
}

TEST(LegalTime, SimulationPutsEachMarkAtItsOwnLegalOffset) {
  const DialProject expected = MarksAcrossTheSpringChange();
  DialProject p = expected;
  NameParis(p);
  testing::Orient(p, 20, 90, 0);
  testing::ProjectEntryWriter writer(p);
  ASSERT_TRUE(SimulatePoints(p, writer).success);
  // the simulation writes the marks to the tenth of a millimetre
  EXPECT_NEAR(p.Mesx1.value, expected.Mesx1.value, 0.051);
  EXPECT_NEAR(p.Mesy1.value, expected.Mesy1.value, 0.051);
  EXPECT_NEAR(p.Mesx2.value, expected.Mesx2.value, 0.051);
  EXPECT_NEAR(p.Mesy2.value, expected.Mesy2.value, 0.051);
}

TEST(LegalTime, EphemerisReadsEachInstantInItsLegalOffset) {
  DialProject p = MarksAcrossTheSpringChange();
  NameParis(p);
  p.ZoneOffsets[kZoneCurrent] = {true, 1.0};
  Give(p.Dadiur, testing::Serial(2024, 3, 24));
  const std::string first = DayEvents(p, kInstantPoint1).text;
  const std::string second = DayEvents(p, kInstantPoint2).text;
  EXPECT_NE(first.find("-- Heure UTC+1:00 --"), std::string::npos) << first;
  EXPECT_NE(second.find("-- Heure UTC+2:00 --"), std::string::npos) << second;
  // the legal time of the current instant replaces the `TypeHeure` shift
  p.TypeHeure = kTypeHeureValues[2];
  EXPECT_NE(DayEvents(p, kInstantCurrent).text.find("-- Heure UTC+1:00 --"), std::string::npos);
}

}  // namespace
}  // namespace umbrix
