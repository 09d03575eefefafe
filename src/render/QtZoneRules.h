#pragma once
// The system's tz database through `QTimeZone`.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/TimeZone.h"

class QTimeZone;

namespace umbrix {

class QtZoneRules final : public ZoneRules {
 public:
  QtZoneRules();
  ~QtZoneRules() override;
  QtZoneRules(const QtZoneRules&) = delete;
  QtZoneRules& operator=(const QtZoneRules&) = delete;

  bool Knows(const std::string& id) const override;
  std::vector<std::string> Ids() const override;
  std::string SystemId() const override;
  double OffsetAt(const std::string& id, double utSerial) const override;
  double StandardOffsetAt(const std::string& id, double utSerial) const override;

 private:
  /// The zone of that name, built once: the list asks for hundreds of offsets.
  const QTimeZone& ZoneOf(const std::string& id) const;
  mutable std::map<std::string, std::unique_ptr<QTimeZone>> zones_;
};

}  // namespace umbrix
