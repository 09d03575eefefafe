#include "model/DeskClock.h"

#include <cmath>

namespace umbrix {

ShadowInstant DeskDialInstant(const DialProject& p, double nowSerial, const PlatformTimeZone& z) {
  double offset = p.TypeHeure;  // days
  if (p.Locc || p.Hvrai) {
    const double zone = p.FusHor.given ? p.FusHor.value : 0.0;
    if (z.state == ZoneState::Standard)
      offset = ((z.biasMinutes + z.standardBiasMinutes) / 60 + zone) / 24;
    else if (z.state == ZoneState::Daylight)
      offset = ((z.biasMinutes + z.daylightBiasMinutes) / 60 + zone) / 24;
  }
  const double moment = nowSerial + offset;
  const double date = std::floor(moment);
  return {date, (moment - date) * 24};
}

}  // namespace umbrix
