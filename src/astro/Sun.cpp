#include "astro/Sun.h"

#include <cmath>

namespace umbrix {

Vec3 ToPlateFrame(Vec3 v, const std::array<double, 3>& e) { return RotateZYZ(v, e[2], e[1], e[0]); }

Vec3 FromPlateFrame(Vec3 v, const std::array<double, 3>& e) {
  return RotateZYZ(v, -e[0], -e[1], -e[2]);
}

Vec3 SunVector(bool meanSunFrame, double date, double hours) {
  const double n = std::floor(date) - kSunEpochSerial + hours / 24;
  const double M = (n - 308.46) * 0.017202;
  const double L = (n - 21.043) * 0.01720279;
  const double lambda = L + 0.0334 * std::sin(M) + 0.0003486125 * std::sin(2 * M);
  const double sinLambda = std::sin(lambda);
  Vec3 v{std::cos(lambda), sinLambda * std::cos(kObliquity), sinLambda * std::sin(kObliquity)};
  if (meanSunFrame) v = RotateZ(v, L);
  return v;
}

double EquationOfTimeMinutes(Vec3 s) { return std::atan2(s.Y, s.X) * 60 / (kPi / 12); }

Refracted ApplyRefraction(Vec3 sun, Vec3 zenith) {
  const double z0 = Dot(sun, zenith);
  if (z0 < 0.9999) {
    const double h = std::asin(z0);
    const double R =
        h > -0.02 ? 0.000291 / std::tan(h + 0.00223 / (h + 0.077)) : -0.311 * h + 0.009;
    const double sinR = std::sin(R);
    const double a = std::cos(R) - std::tan(h) * sinR;
    const double b = sinR / std::cos(h);
    sun = {a * sun.X + b * zenith.X, a * sun.Y + b * zenith.Y, a * sun.Z + b * zenith.Z};
  }
  return {sun, Dot(sun, zenith) >= 0};
}

Vec3 SunInPlate(const Orientation& o, const ClockPlace& place, bool refract, double date,
                double clockHour) {
  return SunInPlate(o, PlateTurns(o.PlateEuler), place, refract, date, clockHour);
}

Vec3 SunInPlate(const Orientation& o, const PlateTurns& turns, const ClockPlace& place,
                bool refract, double date, double clockHour) {
  const double hours = place.fullLocalisation ? clockHour - place.zoneHours : 12.0;
  Vec3 v = SunVector(true, date, hours);
  v = RotateZ(v, (clockHour - 12) * kPi / 12);
  v = turns.ToPlate(v);
  if (refract) v = ApplyRefraction(v, o.ZenithVec).sun;
  return v;
}

}  // namespace umbrix
