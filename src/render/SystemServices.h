#pragma once
// The system's clock and time zone, read through Qt.

#include "app/Ports.h"
#include "render/QtZoneRules.h"

class QDateTime;
class QTimeZone;

namespace umbrix {

class SystemServices final : public Services {
 public:
  double NowSerial() const override;
  PlatformTimeZone TimeZone() const override;
  const ZoneRules& Zones() const override { return zones_; }

 private:
  QtZoneRules zones_;
};

/// The day serial the clock of `zone` reads at the instant `utc`.
double LocalSerialAt(const QTimeZone& zone, const QDateTime& utc);
/// `zone` as the desk dial reads it at the instant `utc`: its state and biases in minutes.
PlatformTimeZone PlatformZoneAt(const QTimeZone& zone, const QDateTime& utc);

}  // namespace umbrix
