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
  const double sinM = std::sin(M);
  const double sin2M = 2 * sinM * std::cos(M);  // one sine and cosine serve both terms
  const double lambda = L + 0.0334 * sinM + 0.0003486125 * sin2M;
  const double sinLambda = std::sin(lambda);
  Vec3 v{std::cos(lambda), sinLambda * std::cos(kObliquity), sinLambda * std::sin(kObliquity)};
  if (meanSunFrame) v = RotateZ(v, L);
  return v;
}

double EquationOfTimeMinutes(Vec3 s) { return std::atan2(s.Y, s.X) * 60 / (kPi / 12); }

Refracted ApplyRefraction(Vec3 sun, Vec3 zenith) {
  const double z0 = Dot(sun, zenith);
  // Straight under the zenith no plane holds both directions: nothing to turn toward it.
  if (z0 < 0.9999 && z0 > -1) {
    const double h = std::asin(z0);
    const double R =
        h > -0.02 ? 0.000291 / std::tan(h + 0.00223 / (h + 0.077)) : -0.311 * h + 0.009;
    // cos h and tan h follow from sin h = z0, without two more library calls.
    const double cosH = std::sqrt((1 - z0) * (1 + z0));
    const double sinR = std::sin(R);
    const double a = std::cos(R) - z0 / cosH * sinR;
    const double b = sinR / cosH;
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
  return SunAtClockHour(o, turns, place, refract, clockHour).On(date);
}

SunAtClockHour::SunAtClockHour(const Orientation& orientation, const PlateTurns& turns,
                               const ClockPlace& place, bool refract, double clockHour)
    : orientation_(orientation),
      turns_(turns),
      refract_(refract),
      hours_(place.fullLocalisation ? clockHour - place.zoneHours : 12.0),
      hourAngle_((clockHour - 12) * kPi / 12) {}

Vec3 SunAtClockHour::On(double date) const {
  Vec3 v = turns_.ToPlate(RotateZ(SunVector(true, date, hours_), hourAngle_));
  if (refract_) v = ApplyRefraction(v, orientation_.ZenithVec).sun;
  return v;
}

}  // namespace umbrix
