#include "trace/TestTrace.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "astro/Sun.h"
#include "model/Numbers.h"
#include "trace/Clipping.h"
#include "trace/ShadowGeometry.h"
#include "trace/TraceDial.h"

namespace umbrix {

namespace {

// The Test tab's place and plate, radians (zone in whole hours).
struct TestPlate {
  double lon = 0.0;
  double lat = 0.0;
  double zone = 0.0;
  double dec = 0.0;
  double inc = 0.0;
  double rot = 0.0;

  // From the horizontal frame to the test plate.
  Vec3 ToPlate(Vec3 v) const { return RotateZ(RotateY(RotateZ(v, -dec), inc), rot); }
};

TestPlate TestPlateOf(const DialProject& p) {
  return {p.At(TestField::Edit20).value, p.At(TestField::Edit21).value,
          p.At(TestField::Edit22).value, p.At(TestField::Edit23).value,
          p.At(TestField::Edit24).value, p.At(TestField::Edit26).value};
}

// Joins successive shadow points (relative to the foot, mm); a missing point breaks the curve.
class ShadowCurve {
 public:
  ShadowCurve(Canvas& canvas, const PlateWindow& plate, PointMm foot)
      : canvas_(canvas), plate_(plate), foot_(foot) {}
  void Add(std::optional<PointMm> point) {
    if (point && previous_) {
      ClipAndDrawSegment(canvas_, plate_, colours::Black,
                         {foot_.x + previous_->x, foot_.y + previous_->y}, point->x - previous_->x,
                         point->y - previous_->y);
    }
    previous_ = point;
  }

 private:
  Canvas& canvas_;
  const PlateWindow& plate_;
  PointMm foot_;
  std::optional<PointMm> previous_;
};

}  // namespace

void TestTrace(const DialProject& project, const HourLimits& hourLimits, const DrawingFrame& frame,
               Canvas& canvas) {
  const PlateWindow& w = frame.plate;
  const DrawingOptions& opt = project.Options;
  const ShadowCaster caster = ShadowCasterOf(project);
  const double G = caster.height;
  const PointMm foot = caster.foot;
  const TestPlate tp = TestPlateOf(project);

  const std::vector<PointMm> outline = {
      {w.XMin, w.YMax}, {w.XMax, w.YMax}, {w.XMax, w.YMin}, {w.XMin, w.YMin}, {w.XMin, w.YMax}};
  canvas.DrawPolyline(colours::Black, outline);
  canvas.DrawMarker(colours::Black, foot);

  Vec3 pole = tp.ToPlate(RotateY({0.0, 0.0, 1.0}, kPi / 2 - tp.lat));
  if (std::fabs(pole.Z) < kStyleThreshold) {
    pole.Z = kStyleThreshold;
  } else if (std::sqrt(pole.X * pole.X + pole.Y * pole.Y) < kStyleThreshold) {
    pole.X = 0.0;
    pole.Y = kStyleThreshold;
  }
  const double cx = -G * pole.X / pole.Z;
  const double cy = -G * pole.Y / pole.Z;

  const auto whole = [](double h) { return static_cast<long long>(RoundHalfEven(h)); };
  bool finite = true;
  for (const double h : hourLimits) finite = finite && std::fabs(h) < 1e6;  // clock hours
  const long long first = finite ? whole(hourLimits[0]) : 0;
  const long long last = finite ? whole(hourLimits[1]) : -1;
  const long long gapStart = finite ? whole(hourLimits[2]) : 0;
  const long long gapEnd = finite ? whole(hourLimits[3]) : 0;
  const int halfMargin = static_cast<int>(RoundHalfEven(frame.marginPx / 2.0));
  const double halfMarginMm = frame.marginPx * frame.MmPerPixelX / 2;

  for (long long h = first; h <= last; ++h) {
    if ((gapStart < h && h < gapEnd) || h + 24 == last) continue;
    const double hourAngle = (static_cast<double>(h) - tp.zone - 12) * kPi / 12 - tp.lon;
    const Vec3 v = tp.ToPlate(RotateY(RotateZ({1.0, 0.0, 0.0}, hourAngle), kPi / 2 - tp.lat));
    const double dx = -G * v.X - cx * v.Z;
    const double dy = -G * v.Y - cy * v.Z;
    const ClipResult line = ClipRay(w, {foot.x + cx, foot.y + cy}, dx, dy);
    if (!line.visible) continue;

    // The number in the margin facing the line's end.
    LabelPlacement at;
    at.inPlate = false;
    const PointMm end = line.end;
    if (end.x != w.XMin && end.x != w.XMax) {
      at.px = frame.ToPixelX(end.x);
      const bool bottom = end.y == w.YMin;
      at.py = bottom ? frame.heightPx - halfMargin - 1 : halfMargin;
      at.mm = {end.x, bottom ? w.YMin - halfMarginMm : w.YMax + halfMarginMm};
    } else {
      at.py = frame.ToPixelY(end.y);
      const bool right = end.x == w.XMax;
      at.px = right ? frame.widthPx - halfMargin - 1 : halfMargin;
      at.mm = {right ? w.XMax + halfMarginMm : w.XMin - halfMarginMm, end.y};
    }
    canvas.DrawLabel(std::to_string(h), at);
    if (opt.Lighor1.checked) canvas.DrawSegment(colours::Black, line.start, line.end);

    if (opt.EteAutomne1.checked || opt.HiverPrintemps1.checked) {
      ShadowCurve analemma(canvas, w, foot);
      for (int j = 0; j <= 36; ++j) {
        const double day = 43831 + 10 * j;  // every ten days from 1 January 2020
        const Vec3 above = RotateY(RotateZ(SunVector(true, day, static_cast<double>(h)), hourAngle),
                                   kPi / 2 - tp.lat);
        if (above.Z <= 0) {
          analemma.Add(std::nullopt);
          continue;
        }
        const Vec3 s = tp.ToPlate(above);
        if (s.Z <= 0) {
          analemma.Add(std::nullopt);
          continue;
        }
        analemma.Add(PointMm{-G * s.X / s.Z, -G * s.Y / s.Z});
      }
    }
  }

  if (opt.Style1.checked || opt.Gnomon1.checked) {
    const double r = std::sqrt(cx * cx + cy * cy);
    const double a = std::fabs(cx) * G / r;
    const double b = (cx < 0 ? -1 : 1) * cy * G / r;
    const PointMm centre{foot.x + cx, foot.y + cy};
    const PointMm tip{foot.x - b, foot.y + a};
    ClipAndDrawSegment(canvas, w, colours::Black, foot, cx, cy);
    ClipAndDrawSegment(canvas, w, colours::Black, foot, -b, a);
    ClipAndDrawSegment(canvas, w, colours::Black, centre, tip.x - centre.x, tip.y - centre.y);
  }

  if (opt.SgTou()) {
    for (int j = -3; j <= 3; ++j) {
      const double sinDecl = std::sin(kObliquity) * std::sin(30 * j * kPi / 180);
      ShadowCurve arc(canvas, w, foot);
      for (int k = 0; k <= 96; ++k) {
        const Vec3 start{std::sqrt(1 - sinDecl * sinDecl), 0.0, sinDecl};
        const Vec3 above = RotateY(RotateZ(start, k * kPi / 48), kPi / 2 - tp.lat);
        if (above.Z < 0) {
          arc.Add(std::nullopt);
          continue;
        }
        const Vec3 s = tp.ToPlate(above);
        if (s.Z <= 0) {
          arc.Add(std::nullopt);
          continue;
        }
        arc.Add(PointMm{-G * s.X / s.Z, -G * s.Y / s.Z});
      }
    }
  }
}

}  // namespace umbrix
