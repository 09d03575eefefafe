#pragma once
// The place's time zone by name: the legal offset each real instant was read in, and the
// conversion of a typed legal time to the dial's own clock (`FusHor`). The zone rules come from
// the system's tz database through `ZoneRules`; everything here takes them as values.

#include <initializer_list>
#include <string>
#include <vector>

#include "model/DeskClock.h"
#include "model/DialProject.h"

namespace umbrix {

/// The system's time-zone database as the program needs it. Offsets are hours east of Greenwich.
class ZoneRules {
 public:
  virtual ~ZoneRules() = default;
  /// Whether the database has a zone of this name ("Europe/Paris").
  virtual bool Knows(const std::string& id) const = 0;
  /// Every zone name the database has, in its own order.
  virtual std::vector<std::string> Ids() const = 0;
  /// The computer's own zone name; empty when unknown.
  virtual std::string SystemId() const = 0;
  /// The legal offset (hours, summer time included) at the universal instant `utSerial`.
  virtual double OffsetAt(const std::string& id, double utSerial) const = 0;
  /// The standard (winter) offset (hours) at the universal instant `utSerial`.
  virtual double StandardOffsetAt(const std::string& id, double utSerial) const = 0;
};

/// A database that knows no zone (a run without the system's zones).
class NoZoneRules final : public ZoneRules {
 public:
  bool Knows(const std::string&) const override { return false; }
  std::vector<std::string> Ids() const override { return {}; }
  std::string SystemId() const override { return {}; }
  double OffsetAt(const std::string&, double) const override { return 0.0; }
  double StandardOffsetAt(const std::string&, double) const override { return 0.0; }
};

/// What a legal clock time of a day is in a zone: one instant, none (the spring gap), or two
/// (the autumn repeat). `before` is the offset in force before the change around that time and
/// `after` the one after it (hours); both equal for an ordinary time.
enum class LocalTimeKind { Unique, Gap, Repeated };
struct LocalTimeOffsets {
  LocalTimeKind kind = LocalTimeKind::Unique;
  double before = 0.0;
  double after = 0.0;
};

/// The offsets a legal time `localSerial` (date serial plus day fraction) can have in zone `id`.
/// Assumes at most one change of offset within a day either side, as every real zone has.
LocalTimeOffsets OffsetsAtLocalTime(const ZoneRules& rules, const std::string& id,
                                    double localSerial);

/// Index of each real instant in `DialProject::ZoneOffsets`.
inline constexpr int kZonePoint1 = 0;
inline constexpr int kZonePoint2 = 1;
inline constexpr int kZoneCurrent = 2;

/// The date and time entries of a real instant (0 point 1, 1 point 2, 2 the current instant).
const Entry& InstantDate(const DialProject& project, int instant);
const Entry& InstantTime(const DialProject& project, int instant);

/// Whether the instant's typed time is legal time of a named zone with a known offset and the
/// dial's clock `FusHor` is given: only then does a zone change any computation.
bool ZoneApplies(const DialProject& project, int instant);

/// The typed clock time of a measured point (1 or 2) read on the dial's clock (day fraction; it
/// may leave [0, 1) when the two clocks are on different days): the typed time itself without
/// a zone; with one, moved by the dial's clock minus the mark's legal offset.
double MarkClockTime(const DialProject& project, int point);

/// The current instant (`Dadiur`, `Hediur`) on the dial's clock: with a zone, the legal time
/// moved to `FusHor`; without one, `Hediur` plus the `TypeHeure` offset.
ShadowInstant CurrentClockInstant(const DialProject& project);

/// The zone (hours east) in which a real instant's time was typed: its legal offset with a
/// zone, else `FusHor` (minus the `TypeHeure` shift for the current instant).
double InstantZoneHours(const DialProject& project, int instant);

/// "UTC+2:00", "UTC-3:30", "UTC+0:00": an offset as the dialog and the report show it.
std::string UtcOffsetText(double hours);

}  // namespace umbrix
