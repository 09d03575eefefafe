#pragma once
// The tracing pass: the whole dial drawn once through a `Canvas`, in a fixed order, with the
// tracing lines of the report (sections 2 to 8).

#include <optional>
#include <vector>

#include "astro/Sun.h"
#include "compute/HourLimits.h"
#include "compute/Solver.h"
#include "model/DeskClock.h"
#include "model/DialProject.h"
#include "model/Language.h"
#include "model/Message.h"
#include "model/Report.h"
#include "trace/Canvas.h"
#include "trace/DrawingFrame.h"
#include "trace/OldHours.h"

namespace umbrix {

/// Threshold below which the pole is taken as lying in the plate, or on its normal, and below
/// which the style is taken as reaching the plate (mm for heights).
inline constexpr double kStyleThreshold = 2e-4;

/// The shadow-caster the dial is traced for: the final one (`Gnomf` at `Gnomx`, `Gnomy`) with
/// `Hautf`, else the measuring gnomon at the plate's centre.
struct ShadowCaster {
  PointMm foot;         // mm
  double height = 0.0;  // mm
};
ShadowCaster ShadowCasterOf(const DialProject& project);

/// `DialKind`: 0 polar, +1 boreal, -1 austral, +2/-2 equatorial toward the north/south pole.
enum DialKindValue : int { kPolar = 0, kBoreal = 1, kAustral = -1 };

/// The dial's geometry computed at the start of a pass, read by the hour lines, the DXF export
/// and the shadow-caster figures.
struct StyleGeometry {
  Vec3 PoleInPlate;  // after the polar/equatorial forcing
  int DialKind = 0;
  double StyleSlope = 0.0;      // tangent of the style's angle with the plate
  PointMm CentreOffset;         // dial centre relative to the foot, mm
  PointMm StyleEnd;             // where the style reaches the plate, or leaves it, mm
  double StyleEndHeight = 0.0;  // style's height above the plate at StyleEnd, mm
  double StyleAngle = 0.0;      // radians: direction to which the shadow-caster is folded flat
  /// (-D, C): the upright of the shadow-caster folded flat, length `Gnomf`, square to the
  /// substyle, at angle `StyleAngle` (mm).
  PointMm FoldedUpright;
  double SolarOffset = 0.0;  // hours added to every clock time (`Hvrai`)
  ShadowCaster caster;
};

/// Computes `StyleGeometry` as the pass does (steps 2 to 4, without report or drawing).
StyleGeometry ComputeStyleGeometry(const DialProject& project, const Orientation& orientation,
                                   const PlateWindow& plate);

/// The smallest plate side (mm) a dial is traced for: the report and the DXF write coordinates
/// to 0.1 mm, so a smaller plate would come out as a point.
inline constexpr double kSmallestPlateMm = 0.1;
inline constexpr const char* kPlateTooSmallText =
    UMBRIX_TR("Message", "Calcul impossible : Cadran trop petit");

/// Whether the dial can be traced and reported in finite numbers: nothing when it can; else
/// `kOutOfScaleText` when the plate, the orientation or the style geometry (centre, style's end
/// and height, folded caster) is not finite, or `kPlateTooSmallText` for a plate side under
/// `kSmallestPlateMm`. Checked before a computation's tracing pass.
std::optional<Message> CheckTraceable(const DialProject& project, const Orientation& orientation,
                                      const PlateWindow& plate);

struct TraceOptions {
  bool composeReport = false;     // clear and fill sections 2 to 8
  bool interactiveFrame = false;  // outer frame red instead of black
  bool deskMode = false;          // the shadow is drawn even without `Ombre1`
  /// The shadow's instant; without it `Dadiur` at `Hediur` plus the `TypeHeure` offset.
  std::optional<ShadowInstant> shadowInstant;
  /// Replaces `Visible1` (the DXF export writes its own shadow-caster).
  std::optional<bool> visibleOverride;
  /// The language of the report's lines; none for the source language. Must outlive the pass.
  const TextLanguage* language = nullptr;
};

/// A straight hour line as the report lists it (section 5): its clock time and its two ends.
struct HourLineEnds {
  double hours = 0.0;  // t, clock hours of the line (before `SolarOffset`)
  PointMm start;       // mm: the centre, the style's end or the limited start
  PointMm end;         // mm: where the line leaves the plate, or its limited end
};

/// An old hour's line as drawn: its pieces on the plate, each from the winter solstice's side
/// to the summer solstice's (one piece for the straight Italian and Babylonian lines).
struct OldHourTrace {
  OldHourSystem system = OldHourSystem::Italian;
  int number = 0;
  std::vector<std::vector<PointMm>> pieces;  // mm
};

struct TraceResult {
  StyleGeometry style;
  /// Every straight hour line the report lists, whether or not the report is composed.
  std::vector<HourLineEnds> hourLines;
  /// Every old hour line drawn, by system and number.
  std::vector<OldHourTrace> oldHours;
};

/// Draws the whole dial through `canvas` and, with `composeReport`, writes report sections 2 to
/// 8; the caller shows `report.Compose()`. `frame.plate` must be the project's `PlateWindow`.
TraceResult TraceDial(const DialProject& project, const Orientation& orientation,
                      const HourLimits& hourLimits, const DrawingFrame& frame, Canvas& canvas,
                      const TraceOptions& options, Report& report);

}  // namespace umbrix
