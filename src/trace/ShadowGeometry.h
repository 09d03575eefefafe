#pragma once
// The shadow of the shadow-caster's tip between two successive sun directions, placed on the
// plate and clipped to it, and the polylines that sampled curves are made of.

#include <vector>

#include "astro/Vec3.h"
#include "model/DialProject.h"
#include "trace/Canvas.h"
#include "trace/Clipping.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

/// Shadow of the tip at the sun's crossing of the horizon, per unit height (the tip above the
/// origin). Absent when the path's plane and the horizon meet too close to the plate's plane.
struct HorizonCross {
  bool exists = false;
  double x = 0.0;
  double y = 0.0;
};
/// `n`: normal of the sun's path (S0 x S1); `zenith`: the zenith in the plate frame.
HorizonCross HorizonCrossing(Vec3 n, Vec3 zenith);

/// Code of a step: [z0 > 0] + 2 [S0 above the horizon] + 4 [z1 > 0] + 8 [S1 above the horizon].
int ShadowStepCode(Vec3 s0, Vec3 s1, Vec3 zenith);

enum class PieceKind { None, Segment, Ray, ReversedRay };

/// The shadow piece of one step per unit height, before placing: a segment from `p` by `d`, a
/// ray from `p` along `d`, or such a ray run backwards (from infinity to `p`).
struct ShadowPiece {
  PieceKind kind = PieceKind::None;
  double px = 0.0, py = 0.0;
  double dx = 0.0, dy = 0.0;
};
ShadowPiece ShadowPieceBetween(Vec3 s0, Vec3 s1, Vec3 zenith);

/// Clips a placed piece: a segment from `start` by `delta`, or a ray from `start` along
/// `delta`; a reversed ray comes out running toward `start`.
ClipResult ClipPiece(const PlateWindow& window, PieceKind kind, PointMm start, double dx,
                     double dy);

/// What every sampled curve needs: the tip (foot in mm, height in mm), the zenith in the plate
/// frame and the plate it is clipped to; with `refract`, the suns a `SunPathTracer` is given
/// come unrefracted and it refracts them toward the zenith itself.
struct ShadowScene {
  PointMm foot;
  double height = 0.0;  // mm
  Vec3 zenith{0.0, 0.0, 1.0};
  PlateWindow plate;
  bool refract = false;
};

/// `ShadowStep`: the visible piece between the previous direction `s0` and the current `s1`,
/// running forward in time.
ClipResult ShadowStep(const ShadowScene& scene, Vec3 s0, Vec3 s1);

/// `TraceSunPath`: one direction per sample; visible steps are joined into polylines, an
/// invisible step ends the open polyline.
class SunPathTracer {
 public:
  SunPathTracer(const ShadowScene& scene, Canvas& canvas, Colour colour);
  /// The next sun in the plate frame, unrefracted when the scene refracts.
  void Sample(Vec3 sun);
  /// Draws the open run, if any. Call after the last sample.
  void Finish();
  /// Whether any step was visible.
  bool AnyVisible() const { return anyVisible_; }

 private:
  /// A sample whose refraction is worked out only when a step needs it: between two suns that
  /// stay deep under the horizon once refracted there is no shadow, whatever the refraction.
  struct Sun {
    Vec3 direction;
    bool settled;    // refracted, or needing no refraction
    bool deepBelow;  // under the horizon whether refracted or not
  };
  Vec3 Settle(Sun& sun) const;
  void Step(Vec3 s0, Vec3 s1);
  void EndRun();

  const ShadowScene& scene_;
  Canvas& canvas_;
  Colour colour_;
  bool hasPrevious_ = false;
  Sun previous_{};
  std::vector<PointMm> run_;  // the open polyline; empty when no run is open
  bool anyVisible_ = false;
};

/// Clips the segment from `from` by (dx, dy) to the plate and draws it; whether anything was drawn.
bool ClipAndDrawSegment(Canvas& canvas, const PlateWindow& plate, Colour colour, PointMm from,
                        double dx, double dy);
/// The same, clipped to the plate widened by the margin (the shadow-caster may stand there).
bool ClipAndDrawSegmentInFrame(Canvas& canvas, const DrawingFrame& frame, Colour colour,
                               PointMm from, double dx, double dy);

}  // namespace umbrix
