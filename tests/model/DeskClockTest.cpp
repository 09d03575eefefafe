// The desk dial's clock: the local time turned into the instant the shadow shows.

#include <gtest/gtest.h>

#include "model/DeskClock.h"

namespace umbrix {
namespace {

struct DeskCase {
  const char* name;
  bool locc;
  double typeHeure;
  ZoneState state;
  double expectedHours;
};

TEST(DeskDialInstant, FollowsTheClockInTheDialsZone) {
  // Local clock 14:00 on a day of daylight time in zone +1 (bias -60, daylight bias -60).
  const double now = 40300 + 14.0 / 24;
  const DeskCase cases[] = {
      {"clock as read", false, 0.0, ZoneState::Daylight, 14},
      {"clock an hour ahead", false, -1.0 / 24, ZoneState::Daylight, 13},
      {"zone time in summer", true, 0.0, ZoneState::Daylight, 13},
      {"zone time in winter", true, 0.0, ZoneState::Standard, 14},
      // a zone without summer time: its bias alone gives universal time
      {"zone state unknown", true, 1.0 / 24, ZoneState::Unknown, 14},
  };
  for (const auto& c : cases) {
    DialProject p;
    p.Locc = c.locc;
    p.FusHor = {"1", 1.0, true};
    p.TypeHeure = c.typeHeure;
    const ShadowInstant at = DeskDialInstant(p, now, {c.state, -60, 0, -60});
    EXPECT_EQ(at.date, 40300) << c.name;
    EXPECT_NEAR(at.hours, c.expectedHours, 1e-6) << c.name;
  }
}

}  // namespace
}  // namespace umbrix
