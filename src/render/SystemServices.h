#pragma once
// The system's clock and time zone, read through Qt.

#include "app/Ports.h"

namespace umbrix {

class SystemServices final : public Services {
 public:
  double NowSerial() const override;
  PlatformTimeZone TimeZone() const override;
};

}  // namespace umbrix
