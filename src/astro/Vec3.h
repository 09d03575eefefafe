#pragma once
// Directions and the two elementary rotations from which every change of frame is built.

#include <cmath>

namespace umbrix {

struct Vec3 {
  double X = 0.0;
  double Y = 0.0;
  double Z = 0.0;
};

inline double Dot(Vec3 a, Vec3 b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }
inline double Norm(Vec3 a) { return std::sqrt(Dot(a, a)); }

/// Rotation about Y by a radians: X' = cos a X - sin a Z; Z' = sin a X + cos a Z.
inline Vec3 RotateY(Vec3 v, double a) {
  const double c = std::cos(a);
  const double s = std::sin(a);
  return {c * v.X - s * v.Z, v.Y, s * v.X + c * v.Z};
}

/// Rotation about Z by a radians: a direction of azimuthal angle A comes out at A - a.
inline Vec3 RotateZ(Vec3 v, double a) {
  const double c = std::cos(a);
  const double s = std::sin(a);
  return {c * v.X + s * v.Y, -s * v.X + c * v.Y, v.Z};
}

/// An angle's cosine and sine worked out once, for a direction turned by the same angle many
/// times; the rotations below then give exactly what RotateY and RotateZ give for that angle.
struct Turn {
  explicit Turn(double a) : c(std::cos(a)), s(std::sin(a)) {}
  double c;
  double s;

  /// The turn by a + b from the turns by a and by b: four products instead of a cosine and a
  /// sine, equal to Turn(a + b) to rounding.
  friend Turn operator+(Turn a, Turn b) {
    return Turn(a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s);
  }

 private:
  Turn(double cosine, double sine) : c(cosine), s(sine) {}
};

inline Vec3 RotateY(Vec3 v, Turn t) { return {t.c * v.X - t.s * v.Z, v.Y, t.s * v.X + t.c * v.Z}; }
inline Vec3 RotateZ(Vec3 v, Turn t) { return {t.c * v.X + t.s * v.Y, -t.s * v.X + t.c * v.Y, v.Z}; }

/// RotateZ(c), then RotateY(b), then RotateZ(a) (all radians).
inline Vec3 RotateZYZ(Vec3 v, double a, double b, double c) {
  return RotateZ(RotateY(RotateZ(v, c), b), a);
}

}  // namespace umbrix
