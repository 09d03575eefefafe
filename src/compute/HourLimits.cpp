#include "compute/HourLimits.h"

#include <algorithm>
#include <cmath>

#include "astro/Sun.h"

namespace umbrix {

namespace {

double Wrap(double x) { return std::atan2(std::sin(x), std::cos(x)); }

/// Half the span of hour angles (radians) during which a direction of declination b can see the
/// sun on some day; pi where it sees it at every hour of some day.
double HalfWidth(double b) {
  const double x = -std::abs(std::tan(b)) * std::tan(kObliquity);
  if (x < -1.0 || x > 1.0) return kPi;
  return std::acos(x);
}

}  // namespace

double MorningLimit(double c, double b) { return Wrap(c - HalfWidth(b)); }

double EveningLimit(double c, double b) { return Wrap(c + HalfWidth(b)); }

HourLimitsResult ComputeHourLimits(double D, double i, double p, double lat, bool solarHours) {
  const double s = std::sin(kObliquity);
  const double sinLat = std::sin(lat);
  const double cosLat = std::cos(lat);
  const double M =
      std::asin(std::clamp(sinLat * std::cos(i) - cosLat * std::cos(D) * std::sin(i), -1.0, 1.0));
  const double L = std::atan2(std::sin(D) * std::sin(i),
                              cosLat * std::cos(i) + sinLat * std::cos(D) * std::sin(i));
  const double F = std::cos(D) * (sinLat * std::sin(i) + cosLat * std::cos(D) * std::cos(i));
  const double A = std::atan2(-1.0, std::tan(D) * sinLat);
  const double B = std::atan2(1.0, -std::tan(D) * sinLat);
  const double cosM = std::cos(M);

  HourLimitsResult r;
  double O = 0.0, P = 0.0, Q = 0.0, T = 0.0;
  bool gap = false;
  if (s <= std::abs(cosLat * std::sin(D))) {
    if (L <= 0) {
      r.caseNumber = 1;
      O = MorningLimit(0, lat);
      P = EveningLimit(L, M);
    } else {
      r.caseNumber = 2;
      O = MorningLimit(L, M);
      P = EveningLimit(0, lat);
    }
  } else if (lat * M >= 0) {
    if (cosLat <= s && cosM <= s) {
      r.caseNumber = 3;
      O = -kPi;
      P = kPi;
    } else if (cosLat > s && cosM > s && F < 0) {
      r.caseNumber = 4;
      O = MorningLimit(0, lat);
      P = EveningLimit(0, lat);
      Q = EveningLimit(L, M);
      T = MorningLimit(L, M);
      gap = true;
    } else if (std::abs(lat) >= std::abs(M)) {
      r.caseNumber = 5;
      O = MorningLimit(L, M);
      P = EveningLimit(L, M);
    } else {
      r.caseNumber = 6;
      O = MorningLimit(0, lat);
      P = EveningLimit(0, lat);
    }
  } else if (cosLat > s) {
    if (cosM <= s || F >= 0) {
      r.caseNumber = 7;
      O = A;
      P = B;
    } else if (std::abs(lat) > std::abs(M)) {
      r.caseNumber = 8;
      O = MorningLimit(0, lat);
      P = EveningLimit(0, lat);
      Q = A;
      T = B;
      gap = true;
    } else {
      r.caseNumber = 9;
      O = A;
      P = B;
      Q = EveningLimit(L, M);
      T = MorningLimit(L, M);
      gap = true;
    }
  } else {
    // Only here is the latitude far from the equator, so sin lat cannot vanish.
    r.caseNumber = 10;
    O = std::atan2(-std::cos(D) / sinLat, std::sin(D));
    P = std::atan2(std::cos(D) / sinLat, -std::sin(D));
  }

  if (P < O) P += 2 * kPi;
  double offset = solarHours ? 0.0 : p;
  if (O + offset < -kPi) offset += 2 * kPi;
  r.limits[0] = (O + offset) * 12 / kPi + 12;
  r.limits[1] = (P + offset) * 12 / kPi + 12;
  if (gap) {
    r.limits[2] = (Q + offset) * 12 / kPi + 12;
    r.limits[3] = (T + offset) * 12 / kPi + 12;
  }
  return r;
}

}  // namespace umbrix
