#include "render/SystemServices.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include "model/Dates.h"

namespace umbrix {

double SystemServices::NowSerial() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate day = now.date();
  return SerialFromCivil({day.year(), day.month(), day.day()}) +
         now.time().msecsSinceStartOfDay() / 86400000.0;
}

PlatformTimeZone SystemServices::TimeZone() const {
  const QTimeZone zone = QTimeZone::systemTimeZone();
  const QDateTime now = QDateTime::currentDateTime();
  PlatformTimeZone z;
  // biases as the clock reads them: universal time = local time + bias (minutes)
  z.biasMinutes = -zone.standardTimeOffset(now) / 60.0;
  z.standardBiasMinutes = 0.0;
  z.daylightBiasMinutes = -zone.daylightTimeOffset(now) / 60.0;
  if (!zone.hasDaylightTime()) {
    z.state = ZoneState::Unknown;
  } else {
    z.state = zone.isDaylightTime(now) ? ZoneState::Daylight : ZoneState::Standard;
  }
  return z;
}

}  // namespace umbrix
