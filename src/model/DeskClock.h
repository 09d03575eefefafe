#pragma once
// The desk dial's clock: the platform's local time turned into the instant its shadow shows.

#include "model/DialProject.h"

namespace umbrix {

/// An instant for the shadow: date serial (whole day used) and clock hours of that day.
struct ShadowInstant {
  double date = 0.0;
  double hours = 0.0;
};

/// The platform's time zone as the desk dial reads it; biases in minutes, UT = local + bias.
enum class ZoneState { Unknown, Standard, Daylight };
struct PlatformTimeZone {
  ZoneState state = ZoneState::Unknown;
  double biasMinutes = 0.0;
  double standardBiasMinutes = 0.0;
  double daylightBiasMinutes = 0.0;
};

/// The desk dial's shadow instant at the local moment `nowSerial`: with `Locc` or `Hvrai`, the
/// universal time (local + bias, whatever state the platform reports) plus the zone `FusHor`;
/// otherwise the clock as read, corrected by the `TypeHeure` offset.
ShadowInstant DeskDialInstant(const DialProject& project, double nowSerial,
                              const PlatformTimeZone& zone);

}  // namespace umbrix
