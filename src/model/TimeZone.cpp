#include "model/TimeZone.h"

#include <cmath>

#include "model/Dates.h"

namespace umbrix {

LocalTimeOffsets OffsetsAtLocalTime(const ZoneRules& rules, const std::string& id,
                                    double localSerial) {
  const double before = rules.OffsetAt(id, localSerial - 1.0);
  const double after = rules.OffsetAt(id, localSerial + 1.0);
  // an offset fits when the universal instant it gives is one at which the zone has it
  auto fits = [&](double offset) {
    return rules.OffsetAt(id, localSerial - offset / 24) == offset;
  };
  if (before == after) return {LocalTimeKind::Unique, before, after};
  const bool early = fits(before);
  const bool late = fits(after);
  if (early && late) return {LocalTimeKind::Repeated, before, after};
  if (early) return {LocalTimeKind::Unique, before, before};
  if (late) return {LocalTimeKind::Unique, after, after};
  return {LocalTimeKind::Gap, before, after};
}

const Entry& InstantDate(const DialProject& p, int instant) {
  if (instant == kZonePoint1) return p.Date1;
  if (instant == kZonePoint2) return p.Date2;
  return p.Dadiur;
}

const Entry& InstantTime(const DialProject& p, int instant) {
  if (instant == kZonePoint1) return p.Heure1;
  if (instant == kZonePoint2) return p.Heure2;
  return p.Hediur;
}

bool ZoneApplies(const DialProject& p, int instant) {
  return !p.Zone.empty() && p.ZoneOffsets[instant].known && p.FusHor.given;
}

double MarkClockTime(const DialProject& p, int point) {
  const int instant = point == 1 ? kZonePoint1 : kZonePoint2;
  const double typed = InstantTime(p, instant).value;
  if (!ZoneApplies(p, instant)) return typed;
  return typed + (p.FusHor.value - p.ZoneOffsets[instant].hours) / 24;
}

ShadowInstant CurrentClockInstant(const DialProject& p) {
  double shift = p.TypeHeure;  // days
  if (ZoneApplies(p, kZoneCurrent))
    shift = (p.FusHor.value - p.ZoneOffsets[kZoneCurrent].hours) / 24;
  return {p.Dadiur.value, (p.Hediur.value + shift) * 24};
}

double InstantZoneHours(const DialProject& p, int instant) {
  if (ZoneApplies(p, instant)) return p.ZoneOffsets[instant].hours;
  return instant == kZoneCurrent ? p.FusHor.value - p.TypeHeure * 24 : p.FusHor.value;
}

std::string UtcOffsetText(double hours) {
  return std::string("UTC") + (hours < 0 ? "-" : "+") + FormatZoneHours(std::abs(hours));
}

}  // namespace umbrix
