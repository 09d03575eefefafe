#include "render/SystemServices.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include "model/Dates.h"

namespace umbrix {

double LocalSerialAt(const QTimeZone& zone, const QDateTime& utc) {
  const QDateTime local = utc.toTimeZone(zone);
  const QDate day = local.date();
  return SerialFromCivil({day.year(), day.month(), day.day()}) +
         local.time().msecsSinceStartOfDay() / 86400000.0;
}

PlatformTimeZone PlatformZoneAt(const QTimeZone& zone, const QDateTime& utc) {
  PlatformTimeZone z;
  // biases as the clock reads them: universal time = local time + bias (minutes)
  z.biasMinutes = -zone.standardTimeOffset(utc) / 60.0;
  z.standardBiasMinutes = 0.0;
  z.daylightBiasMinutes = -zone.daylightTimeOffset(utc) / 60.0;
  if (!zone.hasDaylightTime()) {
    z.state = ZoneState::Unknown;
  } else {
    z.state = zone.isDaylightTime(utc) ? ZoneState::Daylight : ZoneState::Standard;
  }
  return z;
}

double SystemServices::NowSerial() const {
  return LocalSerialAt(QTimeZone::systemTimeZone(), QDateTime::currentDateTimeUtc());
}

PlatformTimeZone SystemServices::TimeZone() const {
  return PlatformZoneAt(QTimeZone::systemTimeZone(), QDateTime::currentDateTimeUtc());
}

}  // namespace umbrix
