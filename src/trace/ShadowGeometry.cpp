#include "trace/ShadowGeometry.h"

#include <cmath>
#include <utility>

#include "astro/Sun.h"

namespace umbrix {

namespace {

Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}

ShadowPiece Segment(double px, double py, double qx, double qy) {
  return {PieceKind::Segment, px, py, qx - px, qy - py};
}
ShadowPiece Ray(double px, double py, double dx, double dy) {
  return {PieceKind::Ray, px, py, dx, dy};
}
ShadowPiece ReversedRay(double px, double py, double dx, double dy) {
  return {PieceKind::ReversedRay, px, py, dx, dy};
}

}  // namespace

HorizonCross HorizonCrossing(Vec3 n, Vec3 zenith) {
  const Vec3 w = Cross(n, zenith);
  const double limit =
      (std::fabs(zenith.X) + std::fabs(zenith.Y)) * (std::fabs(n.X) + std::fabs(n.Y)) / 8192;
  if (!(std::fabs(w.Z) > limit)) return {};
  return {true, -w.X / w.Z, -w.Y / w.Z};
}

int ShadowStepCode(Vec3 s0, Vec3 s1, Vec3 zenith) {
  return (s0.Z > 0 ? 1 : 0) + (Dot(s0, zenith) > 0 ? 2 : 0) + (s1.Z > 0 ? 4 : 0) +
         (Dot(s1, zenith) > 0 ? 8 : 0);
}

ShadowPiece ShadowPieceBetween(Vec3 s0, Vec3 s1, Vec3 zenith) {
  const int code = ShadowStepCode(s0, s1, zenith);
  const Vec3 n = Cross(s0, s1);
  const double ax = n.Y;  // asymptotic direction of the shadow as the sun nears the plate's plane
  const double ay = -n.X;
  // Only the steps that reach the horizon need its crossing.
  const auto crossing = [&] { return HorizonCrossing(n, zenith); };
  // Shadow offsets per unit height, taken only where the sun lights the plate's face.
  const auto p0 = [&] { return std::pair{-s0.X / s0.Z, -s0.Y / s0.Z}; };
  const auto p1 = [&] { return std::pair{-s1.X / s1.Z, -s1.Y / s1.Z}; };
  // Whether the sun's path crosses the plate's plane below the horizon.
  const auto crossingHidden = [&] {
    const double f = -s0.Z / (s1.Z - s0.Z);
    const double x = s0.X + (s1.X - s0.X) * f;
    const double y = s0.Y + (s1.Y - s0.Y) * f;
    return zenith.X * x + zenith.Y * y <= 0;
  };
  switch (code) {
    case 15: {
      const auto [x0, y0] = p0();
      const auto [x1, y1] = p1();
      return Segment(x0, y0, x1, y1);
    }
    case 3: {
      const auto [x0, y0] = p0();
      const HorizonCross q = crossing();
      if (q.exists && n.X * (q.y - y0) - n.Y * (q.x - x0) > 0) return Segment(x0, y0, q.x, q.y);
      return Ray(x0, y0, -ax, -ay);
    }
    case 7: {
      const auto [x0, y0] = p0();
      const HorizonCross q = crossing();
      if (q.exists) return Segment(x0, y0, q.x, q.y);
      return Ray(x0, y0, ax, ay);
    }
    case 11: {
      const auto [x0, y0] = p0();
      return Ray(x0, y0, -ax, -ay);
    }
    case 6: {
      const HorizonCross q = crossing();
      if (!crossingHidden() && q.exists) return ReversedRay(q.x, q.y, ax, ay);
      return {};
    }
    case 9: {
      const HorizonCross q = crossing();
      if (!crossingHidden() && q.exists) return Ray(q.x, q.y, -ax, -ay);
      return {};
    }
    case 12: {
      const auto [x1, y1] = p1();
      const HorizonCross q = crossing();
      if (q.exists && n.X * (q.y - y1) - n.Y * (q.x - x1) < 0) return Segment(q.x, q.y, x1, y1);
      return ReversedRay(x1, y1, ax, ay);
    }
    case 13: {
      const auto [x1, y1] = p1();
      const HorizonCross q = crossing();
      if (q.exists) return Segment(q.x, q.y, x1, y1);
      return ReversedRay(x1, y1, ax, ay);
    }
    case 14: {
      const auto [x1, y1] = p1();
      return ReversedRay(x1, y1, ax, ay);
    }
    default:
      return {};
  }
}

ClipResult ClipPiece(const PlateWindow& window, PieceKind kind, PointMm start, double dx,
                     double dy) {
  switch (kind) {
    case PieceKind::Segment:
      return ClipSegment(window, start, dx, dy);
    case PieceKind::Ray:
      return ClipRay(window, start, dx, dy);
    case PieceKind::ReversedRay: {
      ClipResult r = ClipRay(window, start, dx, dy);
      std::swap(r.start, r.end);
      return r;
    }
    case PieceKind::None:
      break;
  }
  return {};
}

ClipResult ShadowStep(const ShadowScene& scene, Vec3 s0, Vec3 s1) {
  const ShadowPiece piece = ShadowPieceBetween(s0, s1, scene.zenith);
  const double g = scene.height;
  const PointMm start{scene.foot.x + g * piece.px, scene.foot.y + g * piece.py};
  return ClipPiece(scene.plate, piece.kind, start, g * piece.dx, g * piece.dy);
}

SunPathTracer::SunPathTracer(const ShadowScene& scene, Canvas& canvas, Colour colour)
    : scene_(scene), canvas_(canvas), colour_(colour) {}

void SunPathTracer::Sample(Vec3 sun) {
    // Refraction lifts a sun at altitude h <= -0.02 rad by 0.009 - 0.311 h, which keeps it under
  // the horizon while h < -0.013 rad; a sine of the altitude under -0.05 is well clear of that.
  Sun current{sun, !scene_.refract, scene_.refract && Dot(sun, scene_.zenith) < -0.05};
  if (hasPrevious_) {
        if (previous_.deepBelow && current.deepBelow) {
      EndRun();  // no shadow between two suns under the horizon
    } else {
      const Vec3 s0 = Settle(previous_);
      Step(s0, Settle(current));
    }
  }
  previous_ = current;
  hasPrevious_ = true;
}

Vec3 SunPathTracer::Settle(Sun& sun) const {
  if (!sun.settled) {
    sun.direction = ApplyRefraction(sun.direction, scene_.zenith).sun;
    sun.settled = true;
  }
  return sun.direction;
}

void SunPathTracer::Step(Vec3 s0, Vec3 s1) {
  const ClipResult piece = ShadowStep(scene_, s0, s1);
  if (!piece.visible) {
    EndRun();
    return;
  }
  anyVisible_ = true;
  if (run_.empty()) run_.push_back(piece.start);
  run_.push_back(piece.end);
}

void SunPathTracer::EndRun() {
  if (!run_.empty()) canvas_.DrawPolyline(colour_, run_);
  run_.clear();
}

void SunPathTracer::Finish() { EndRun(); }

bool ClipAndDrawSegment(Canvas& canvas, const PlateWindow& plate, Colour colour, PointMm from,
                        double dx, double dy) {
  const ClipResult r = ClipSegment(plate, from, dx, dy);
  if (r.visible) canvas.DrawSegment(colour, r.start, r.end);
  return r.visible;
}

bool ClipAndDrawSegmentInFrame(Canvas& canvas, const DrawingFrame& frame, Colour colour,
                               PointMm from, double dx, double dy) {
  return ClipAndDrawSegment(canvas, frame.FrameWindow(), colour, from, dx, dy);
}

}  // namespace umbrix
