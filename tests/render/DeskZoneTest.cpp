// The desk dial's present instant on computers set to zones with and without summer time: always
// universal time plus the dial's zone.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

#include "model/Dates.h"
#include "model/DeskClock.h"
#include "render/SystemServices.h"

namespace umbrix {
namespace {

TEST(DeskDialZone, ThePresentIsUniversalTimePlusTheDialsZoneWhateverTheComputersZone) {
  const struct {
    const char* computer;
    CivilDate day;  // universal date
    int utcMinutes;
    double dialZone;  // hours
    CivilDate dialDay;
    double dialHours;
  } rows[] = {
      {"UTC", {2026, 1, 15}, 10 * 60, 2, {2026, 1, 15}, 12},
      {"Asia/Kolkata", {2026, 1, 15}, 10 * 60, 2, {2026, 1, 15}, 12},
      {"Asia/Kolkata", {2026, 7, 15}, 23 * 60 + 30, 5.5, {2026, 7, 16}, 5},
      {"Asia/Tokyo", {2026, 3, 1}, 20 * 60, -3, {2026, 3, 1}, 17},
      {"America/Phoenix", {2026, 7, 15}, 12 * 60, -7, {2026, 7, 15}, 5},
      {"Europe/Paris", {2026, 1, 15}, 10 * 60, 2, {2026, 1, 15}, 12},
      {"Europe/Paris", {2026, 7, 15}, 10 * 60, 2, {2026, 7, 15}, 12},
      {"Europe/Paris", {2026, 7, 15}, 10 * 60, 1, {2026, 7, 15}, 11},
      {"America/New_York", {2026, 7, 15}, 1 * 60, 1, {2026, 7, 15}, 2},
  };
  for (const auto& r : rows) {
    const QTimeZone zone(r.computer);
    ASSERT_TRUE(zone.isValid()) << r.computer << ": tzdata missing";
    const QDateTime utc(QDate(r.day.year, r.day.month, r.day.day),
                        QTime(0, 0).addSecs(r.utcMinutes * 60), QTimeZone::utc());
    DialProject dial;
    dial.Locc = true;
    dial.FusHor = {"", r.dialZone, true};
    const ShadowInstant at =
        DeskDialInstant(dial, LocalSerialAt(zone, utc), PlatformZoneAt(zone, utc));
    EXPECT_EQ(at.date, SerialFromCivil(r.dialDay)) << r.computer << " zone " << r.dialZone;
    EXPECT_NEAR(at.hours, r.dialHours, 1e-6) << r.computer << " zone " << r.dialZone;
  }
}

}  // namespace
}  // namespace umbrix
