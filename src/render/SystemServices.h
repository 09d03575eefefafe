#pragma once
// The system's clock and time zone, read through Qt.

#include "app/Ports.h"
#include "render/QtZoneRules.h"

namespace umbrix {

class SystemServices final : public Services {
 public:
  double NowSerial() const override;
  PlatformTimeZone TimeZone() const override;
  const ZoneRules& Zones() const override { return zones_; }

 private:
  QtZoneRules zones_;
};

}  // namespace umbrix
