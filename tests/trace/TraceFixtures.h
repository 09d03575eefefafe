#pragma once
// Dials for the trace tests: plates of typed orientation, projects with the entries a pass reads.

#include <cmath>
#include <string>

#include "astro/Sun.h"
#include "model/DialProject.h"
#include "trace/DrawingFrame.h"

namespace umbrix::testing {

inline constexpr double kDeg = kPi / 180;

/// From the equatorial hour frame to the plate of a place and a typed orientation, by the five
/// elementary rotations (p: hour offset of the place, radians).
inline Vec3 HourFrameToPlate(Vec3 v, double latDeg, double decDeg, double incDeg, double rotDeg,
                             double p = 0) {
  v = RotateY(RotateZ(v, -p), kPi / 2 - latDeg * kDeg);
  return RotateZ(RotateY(RotateZ(v, -decDeg * kDeg), incDeg * kDeg), (90 - rotDeg) * kDeg);
}

/// The orientation of a typed plate: the direct set-up's Euler angles, with a plate parallel to
/// the equator (pole within 2e-4 of the normal) given its rotation explicitly.
inline Orientation TypedOrientation(double latDeg, double decDeg, double incDeg, double rotDeg,
                                    double p = 0) {
  const double lat = latDeg * kDeg, D = decDeg * kDeg, i = incDeg * kDeg;
  const double w = (90 - rotDeg) * kDeg;
  Orientation o;
  o.ZenithVec = RotateZYZ({0, 0, 1}, w, i, -D);
  const Vec3 pole = HourFrameToPlate({0, 0, 1}, latDeg, decDeg, incDeg, rotDeg, p);
  if (std::sqrt(pole.X * pole.X + pole.Y * pole.Y) < 2e-4) {
    const Vec3 x = HourFrameToPlate({1, 0, 0}, latDeg, decDeg, incDeg, rotDeg, p);
    if (pole.Z > 0)
      o.PlateEuler = {0.0, 0.0, std::atan2(-x.Y, x.X)};
    else
      o.PlateEuler = {0.0, kPi, std::atan2(x.Y, -x.X)};
    return o;
  }
  o.PlateEuler[0] =
      std::atan2(-std::sin(i) * std::sin(D),
                 std::sin(i) * std::cos(D) * std::sin(lat) + std::cos(i) * std::cos(lat)) -
      p;
  o.PlateEuler[1] =
      std::acos(std::cos(i) * std::sin(lat) - std::sin(i) * std::cos(D) * std::cos(lat));
  o.PlateEuler[2] =
      std::atan2(-std::sin(D) * std::cos(lat),
                 std::cos(i) * std::cos(D) * std::cos(lat) + std::sin(i) * std::sin(lat)) +
      w;
  return o;
}

inline Entry Given(double v) { return {"x", v, true}; }

/// A square plate of `side` mm with the measuring gnomon `gnomon` mm at its centre, at latitude
/// `latDeg` with `Limite` checked; Divers tab at 1 January 2010, 12:00; grid 50 mm.
inline DialProject SquareDial(double side, double gnomon, double latDeg) {
  DialProject p;
  p.Cote = Given(side);
  p.Plate = {-side / 2, side / 2, -side / 2, side / 2};
  p.Gnomon = Given(gnomon);
  p.Gnomf = Given(gnomon);
  p.Limite = true;
  p.Lat = Given(latDeg);
  p.Nord = latDeg >= 0;
  p.Dadiur = Given(kStartupDadiurSerial);
  p.Hediur = Given(0.5);
  p.Carreau = Given(50);
  p.Options.Horizon1.enabled = true;
  return p;
}

/// The drawing frame of a plate at 3 pixels per millimetre with the default margin.
inline DrawingFrame FrameFor(const PlateWindow& plate, double pxPerMm = 3) {
  DrawingFrame f;
  f.plate = plate;
  f.widthPx =
      static_cast<int>(std::lround((plate.XMax - plate.XMin) * pxPerMm)) + 2 * f.marginPx + 1;
  f.heightPx =
      static_cast<int>(std::lround((plate.YMax - plate.YMin) * pxPerMm)) + 2 * f.marginPx + 1;
  f.ComputeScale();
  return f;
}

}  // namespace umbrix::testing
