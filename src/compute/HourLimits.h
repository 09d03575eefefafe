#pragma once
// Clock hours during which the sun can light the plate at some date of the year.

#include <array>

namespace umbrix {

/// [0], [1]: the range of clock hours; [2], [3]: a gap inside it (both 0 when there is none).
using HourLimits = std::array<double, 4>;

/// wrap(c - acos(-|tan b| tan eps)); a half-width of pi where |tan b| tan eps > 1.
double MorningLimit(double c, double b);
double EveningLimit(double c, double b);

/// Which row of the case table chose the limits (1..10), for the report and the tests.
struct HourLimitsResult {
  HourLimits limits{0.0, 0.0, 0.0, 0.0};
  int caseNumber = 0;
};

/// Limits for a plate of declination D, inclination i (radians) at latitude lat and hour offset
/// p (radians); `solarHours` is `Hvrai` (no offset).
HourLimitsResult ComputeHourLimits(double D, double i, double p, double lat, bool solarHours);

}  // namespace umbrix
