#pragma once
// The old hours: Italian hours counted from the previous sunset, Babylonian hours counted from
// sunrise, temporary hours cutting the daylight into twelve. The sun's centre on the
// astronomical horizon, without refraction, marks sunrise and sunset, and the sun's declination
// is constant through a day.

#include <optional>

#include "astro/Sun.h"
#include "trace/Canvas.h"

namespace umbrix {

enum class OldHourSystem { Italian, Babylonian, Temporary };
inline constexpr OldHourSystem kOldHourSystems[] = {
    OldHourSystem::Italian, OldHourSystem::Babylonian, OldHourSystem::Temporary};

/// The numbers a system draws: Italian 1 to 24, Babylonian 0 to 23, temporary 0 to 12.
struct OldHourNumbers {
  int first = 0;
  int last = 0;
};
OldHourNumbers NumbersOf(OldHourSystem system);

/// The colour and pen of a system's lines on every surface.
Colour ColourOf(OldHourSystem system);
PenStyle PenOf(OldHourSystem system);

/// Hour angle of sunset (radians) at latitude `latitude` for the sun's declination
/// `declination` (radians): acos(-tan lat tan decl); none on a day the sun neither rises nor sets.
std::optional<double> SunsetHourAngle(double latitude, double declination);

/// Hour angle (radians, west positive) of hour `number` of `system` on a day whose sunset hour
/// angle is `sunset`: Italian sunset + 15 deg (n - 24), Babylonian -sunset + 15 deg n,
/// temporary -sunset + k sunset / 6.
double OldHourAngle(OldHourSystem system, int number, double sunset);

/// Whether the sun is up (or on the horizon) at that hour: the day is long enough for it.
bool OldHourInDaylight(OldHourSystem system, int number, double sunset);

/// The place's sky seen from the plate: the latitude and where the local meridian lies in the
/// hour frame, both from the zenith (radians).
struct LocalSky {
  double latitude = 0.0;
  /// Turn about the pole from the hour frame's reference meridian to the local one: the local
  /// hour angle H of a sun is at the frame's hour angle H + meridianOffset.
  double meridianOffset = 0.0;
};
LocalSky LocalSkyOf(const Orientation& orientation);

}  // namespace umbrix
