#include "astro/Sun.h"

#include <cmath>

namespace umbrix {

Vec3 ToPlateFrame(Vec3 v, const std::array<double, 3>& e) { return RotateZYZ(v, e[2], e[1], e[0]); }

Vec3 FromPlateFrame(Vec3 v, const std::array<double, 3>& e) {
  return RotateZYZ(v, -e[0], -e[1], -e[2]);
}

namespace {

// The mean anomaly and the mean longitude, linear in the days n from the epoch.
constexpr double kAnomalyPerDay = 0.017202;
constexpr double kAnomalyStartDays = 308.46;
constexpr double kLongitudePerDay = 0.01720279;
constexpr double kLongitudeStartDays = 21.043;

// The true sun in the equatorial frame from the mean longitude and the mean anomaly.
Vec3 TrueSun(double meanLongitude, double sinM, double cosM) {
  const double sin2M = 2 * sinM * cosM;  // one sine and cosine serve both terms
  const double lambda = meanLongitude + 0.0334 * sinM + 0.0003486125 * sin2M;
  const double sinLambda = std::sin(lambda);
  return {std::cos(lambda), sinLambda * std::cos(kObliquity), sinLambda * std::sin(kObliquity)};
}

// The sun model's hours at a clock hour: universal time with the full localisation, else noon.
double ModelHours(const ClockPlace& place, double clockHour) {
  return place.fullLocalisation ? clockHour - place.zoneHours : 12.0;
}

}  // namespace

Turn HourAngle(double clockHour) { return Turn((clockHour - 12) * kPi / 12); }

Vec3 IntoPlate(Vec3 direction, Turn hourAngle, const PlateTurns& turns) {
  return turns.ToPlate(RotateZ(direction, hourAngle));
}

Vec3 SunVector(bool meanSunFrame, double date, double hours) {
  const double n = std::floor(date) - kSunEpochSerial + hours / 24;
  const double M = (n - kAnomalyStartDays) * kAnomalyPerDay;
  const double L = (n - kLongitudeStartDays) * kLongitudePerDay;
  const Vec3 v = TrueSun(L, std::sin(M), std::cos(M));
  return meanSunFrame ? RotateZ(v, L) : v;
}

MeanSunOnDates::HoursShare::HoursShare(double hours)
    : anomaly(hours / 24 * kAnomalyPerDay), longitude(hours / 24 * kLongitudePerDay) {}

MeanSunOnDates::MeanSunOnDates(std::span<const double> dates) {
  days_.reserve(dates.size());
  for (const double date : dates) {
    const double n = std::floor(date) - kSunEpochSerial;
    days_.push_back({Angle((n - kAnomalyStartDays) * kAnomalyPerDay),
                     Angle((n - kLongitudeStartDays) * kLongitudePerDay)});
  }
}

Vec3 MeanSunOnDates::At(std::size_t index, const HoursShare& hours) const {
  const DayShare& day = days_.at(index);
  const Turn M = day.anomaly.turn + hours.anomaly.turn;
  const double L = day.longitude.radians + hours.longitude.radians;
  return RotateZ(TrueSun(L, M.s, M.c), day.longitude.turn + hours.longitude.turn);
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
  const Vec3 meanSun = SunVector(true, date, ModelHours(place, clockHour));
  const Vec3 v = IntoPlate(meanSun, HourAngle(clockHour), turns);
  return refract ? ApplyRefraction(v, o.ZenithVec).sun : v;
}

SunAtClockHour::SunAtClockHour(const MeanSunOnDates& dates, const PlateTurns& turns,
                               const ClockPlace& place, double clockHour)
    : dates_(dates),
      turns_(turns),
      hours_(ModelHours(place, clockHour)),
      hourAngle_(HourAngle(clockHour)) {}

Vec3 SunAtClockHour::On(std::size_t index) const {
  return IntoPlate(dates_.At(index, hours_), hourAngle_, turns_);
}

}  // namespace umbrix
