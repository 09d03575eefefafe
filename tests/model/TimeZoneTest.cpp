#include <gtest/gtest.h>

#include "model/Dates.h"
#include "model/TimeZone.h"
#include "support/FakeZones.h"

namespace umbrix {
namespace {

double Local(int y, int m, int d, double hours) { return SerialFromCivil({y, m, d}) + hours / 24; }

TEST(OffsetsAtLocalTime, GapsRepeatsAndOrdinaryTimesAroundTheChanges) {
  const testing::FakeZoneRules rules;
  struct Case {
    const char* zone;
    double local;
    LocalTimeKind kind;
    double before, after;
  };
  const Case cases[] = {
      {"Europe/Paris", Local(2024, 3, 31, 2.5), LocalTimeKind::Gap, 1, 2},
      {"Europe/Paris", Local(2024, 3, 31, 2.0), LocalTimeKind::Gap, 1, 2},
      {"Europe/Paris", Local(2024, 3, 31, 3.0), LocalTimeKind::Unique, 2, 2},
      {"Europe/Paris", Local(2024, 10, 27, 2.5), LocalTimeKind::Repeated, 2, 1},
      {"Europe/Paris", Local(2024, 10, 27, 3.0), LocalTimeKind::Unique, 1, 1},
      {"Europe/London", Local(2024, 3, 31, 1.5), LocalTimeKind::Gap, 0, 1},
      {"Europe/London", Local(2024, 10, 27, 1.5), LocalTimeKind::Repeated, 1, 0},
      {"Asia/Kathmandu", Local(2024, 3, 31, 2.5), LocalTimeKind::Unique, 5.75, 5.75},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " " + FormatDateShort(c.local) + " " +
                 FormatLongTime(c.local - std::floor(c.local)));
    const LocalTimeOffsets o = OffsetsAtLocalTime(rules, c.zone, c.local);
    EXPECT_EQ(o.kind, c.kind);
    EXPECT_EQ(o.before, c.before);
    EXPECT_EQ(o.after, c.after);
  }
}

TEST(LegalTimeOnTheDialsClock, OffsetsMoveTheTypedTimesOnlyWithANamedZone) {
  DialProject p = StartupProject();
  p.Heure1 = {"13:00:00", 13.0 / 24, true};
  p.Heure2 = {"17:00:00", 17.0 / 24, true};
  p.FusHor = {"1:00", 1.0, true};
  p.TypeHeure = kTypeHeureValues[1];
  p.ZoneOffsets = {ZoneOffset{true, 1.0}, ZoneOffset{true, 2.0}, ZoneOffset{true, 1.0}};
  struct Case {
    const char* name;
    std::string zone;
    bool fusHorGiven;
    double mark1, mark2, currentHours;  // hours on the dial's clock
  };
  const Case cases[] = {
      {"no zone: as typed, the current instant shifted by TypeHeure", "", true, 13, 17, 11},
      {"zone: moved to the dial's clock UTC+1", "Europe/Paris", true, 13, 16, 12},
      {"zone without the dial's clock: as typed", "Europe/Paris", false, 13, 17, 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DialProject q = p;
    q.Zone = c.zone;
    q.FusHor.given = c.fusHorGiven;
    EXPECT_NEAR(MarkClockTime(q, 1) * 24, c.mark1, 1e-12);
    EXPECT_NEAR(MarkClockTime(q, 2) * 24, c.mark2, 1e-12);
    EXPECT_NEAR(CurrentClockInstant(q).hours, c.currentHours, 1e-12);
  }
}

}  // namespace
}  // namespace umbrix
