#pragma once
// The analytic sun model, refraction and the sun on the dial plate.

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "astro/Vec3.h"

namespace umbrix {

inline constexpr double kPi = 3.14159265358979323846;
/// Fixed obliquity of the ecliptic, radians.
inline constexpr double kObliquity = 0.4091;
/// Date serial of 1 March 2020, the epoch of the sun model.
inline constexpr double kSunEpochSerial = 43891.0;

/// The plate's orientation: `PlateEuler` (Z, Y, Z rotations, radians) mapping the equatorial
/// hour frame E to the plate frame P, and `ZenithVec`, the zenith's unit direction.
struct Orientation {
  std::array<double, 3> PlateEuler{0.0, 0.0, 0.0};
  Vec3 ZenithVec{0.0, 0.0, 1.0};
};

/// Maps a direction from frame E to frame P: RotateZ(e[0]), RotateY(e[1]), RotateZ(e[2]).
Vec3 ToPlateFrame(Vec3 v, const std::array<double, 3>& plateEuler);
/// The inverse of `ToPlateFrame`: frame P to frame E.
Vec3 FromPlateFrame(Vec3 v, const std::array<double, 3>& plateEuler);

/// `ToPlateFrame` for one orientation's angles, worked out once: a tracing pass turns thousands
/// of directions into the same plate, with exactly the results of `ToPlateFrame`.
class PlateTurns {
 public:
  explicit PlateTurns(const std::array<double, 3>& plateEuler)
      : first_(plateEuler[0]), second_(plateEuler[1]), third_(plateEuler[2]) {}
  Vec3 ToPlate(Vec3 v) const { return RotateZ(RotateY(RotateZ(v, first_), second_), third_); }

 private:
  Turn first_;
  Turn second_;
  Turn third_;
};

/// Sun direction at the whole day of `date` (serial) plus `hours` (universal time with the full
/// localisation). With `meanSunFrame` the result is turned by the mean longitude, so that its
/// azimuthal angle is the equation of time (alpha - L).
Vec3 SunVector(bool meanSunFrame, double date, double hours);

/// Equation of time in minutes of a direction returned by SunVector(true, ...).
double EquationOfTimeMinutes(Vec3 meanFrameSun);

/// Refraction of the direction `sun` toward the unit `zenith`. `aboveHorizon` tells whether the
/// corrected sun is on or above the horizon.
struct Refracted {
  Vec3 sun;
  bool aboveHorizon;
};
Refracted ApplyRefraction(Vec3 sun, Vec3 zenith);

/// The turn about the pole from noon to a clock hour (15 degrees an hour).
Turn HourAngle(double clockHour);

/// A direction of the hour frame turned by an hour angle about the pole into the plate: how
/// every sun reaches the plate, before any refraction.
Vec3 IntoPlate(Vec3 direction, Turn hourAngle, const PlateTurns& turns);

/// How clock hours relate to universal time for the sun on the plate.
struct ClockPlace {
  bool fullLocalisation = false;  // `Locc`: the sun is taken at clock - `FusHor` (UT)
  double zoneHours = 0.0;         // `FusHor`, positive east
};

/// The sun's direction in frame P at a clock hour (0..24) of a date; with `refract` also
/// refracted toward the orientation's zenith. The plate is lit when Z > 0.
Vec3 SunInPlate(const Orientation& orientation, const ClockPlace& place, bool refract, double date,
                double clockHour);
/// The same with the orientation's plate turns worked out once (`turns` from its `PlateEuler`).
Vec3 SunInPlate(const Orientation& orientation, const PlateTurns& turns, const ClockPlace& place,
                bool refract, double date, double clockHour);

/// `SunVector(true, date, hours)` on a fixed list of dates at many hours each (the analemmas of
/// every hour line). The mean anomaly and mean longitude grow linearly with time, so their share
/// from the whole days is turned once per date and their share from the hours once per hour;
/// a direction then costs one sine and cosine instead of three, equal to `SunVector` to rounding.
class MeanSunOnDates {
 public:
  /// One angle with its turn.
  struct Angle {
    explicit Angle(double radians) : radians(radians), turn(radians) {}
    double radians;
    Turn turn;
  };
  /// The share of the mean anomaly and of the mean longitude that comes from some hours.
  struct HoursShare {
    explicit HoursShare(double hours);
    Angle anomaly;
    Angle longitude;
  };

  explicit MeanSunOnDates(std::span<const double> dates);
  std::size_t size() const { return days_.size(); }
  /// The sun on the `index`-th date at the hours whose share is given.
  Vec3 At(std::size_t index, const HoursShare& hours) const;

 private:
  struct DayShare {
    Angle anomaly;
    Angle longitude;
  };
  std::vector<DayShare> days_;
};

/// `SunInPlate` without refraction at one clock hour on each date of a `MeanSunOnDates` (an
/// analemma), with the hour's turn about the pole and its share of the sun's angles worked out
/// once.
class SunAtClockHour {
 public:
  SunAtClockHour(const MeanSunOnDates& dates, const PlateTurns& turns, const ClockPlace& place,
                 double clockHour);
  /// The sun on the `index`-th date.
  Vec3 On(std::size_t index) const;

 private:
  const MeanSunOnDates& dates_;
  const PlateTurns& turns_;
  MeanSunOnDates::HoursShare hours_;
  Turn hourAngle_;
};

}  // namespace umbrix
