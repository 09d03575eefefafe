#pragma once
// A time-zone database for the tests: zones with the European summer-time rule (from the last
// Sunday of March to the last Sunday of October, changing at 01:00 universal time), zones
// without summer time, and the same name's rules changed by the test itself.

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "model/Dates.h"
#include "model/TimeZone.h"

namespace umbrix::testing {

class FakeZoneRules final : public ZoneRules {
 public:
  struct Rule {
    double standardHours = 0.0;
    bool europeanSummer = false;
  };

  FakeZoneRules() {
    rules["Europe/Paris"] = {1.0, true};
    rules["Europe/London"] = {0.0, true};
    rules["Asia/Kathmandu"] = {5.75, false};
    rules["America/Caracas"] = {-4.0, false};
  }

  bool Knows(const std::string& id) const override { return rules.count(id) != 0; }
  std::vector<std::string> Ids() const override {
    std::vector<std::string> ids;
    for (const auto& [id, rule] : rules) ids.push_back(id);
    return ids;
  }
  std::string SystemId() const override { return systemId; }
  double OffsetAt(const std::string& id, double utSerial) const override {
    const Rule& r = rules.at(id);
    return r.standardHours + (r.europeanSummer && InEuropeanSummer(utSerial) ? 1.0 : 0.0);
  }
  double StandardOffsetAt(const std::string& id, double) const override {
    return rules.at(id).standardHours;
  }

  /// The serial of the last Sunday of `month` in `year` (day 0 was a Saturday).
  static double LastSunday(int year, int month) {
    const double firstOfNext =
        month == 12 ? SerialFromCivil({year + 1, 1, 1}) : SerialFromCivil({year, month + 1, 1});
    double day = firstOfNext - 1;
    while (static_cast<long>(day + 6) % 7 != 0) day -= 1;
    return day;
  }
  static bool InEuropeanSummer(double utSerial) {
    const int year = CivilFromSerial(std::floor(utSerial)).year;
    const double start = LastSunday(year, 3) + 1.0 / 24;
    const double end = LastSunday(year, 10) + 1.0 / 24;
    return utSerial >= start && utSerial < end;
  }

  std::map<std::string, Rule> rules;
  std::string systemId = "Europe/Paris";
};

}  // namespace umbrix::testing
