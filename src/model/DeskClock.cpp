#include "model/DeskClock.h"

#include <cmath>

namespace umbrix {

ShadowInstant DeskDialInstant(const DialProject& p, double nowSerial, const PlatformTimeZone& z) {
  double offset = p.TypeHeure;  // days
  if (p.Locc || p.Hvrai) {
    const double zone = p.FusHor.given ? p.FusHor.value : 0.0;
    // universal time then the dial's zone; a zone without summer time (UTC, India, Japan...)
    // reports neither state, and its bias alone is the whole of it
    double bias = z.biasMinutes;
    if (z.state == ZoneState::Standard) bias += z.standardBiasMinutes;
    if (z.state == ZoneState::Daylight) bias += z.daylightBiasMinutes;
    offset = (bias / 60 + zone) / 24;
  }
  const double moment = nowSerial + offset;
  const double date = std::floor(moment);
  return {date, (moment - date) * 24};
}

}  // namespace umbrix
