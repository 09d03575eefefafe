#pragma once
// The DXF export: header and tables, the white background, one tracing pass written as
// entities, the shadow-caster in three dimensions and the foot marker.

#include <functional>
#include <ostream>
#include <string>

#include "astro/Sun.h"
#include "astro/Vec3.h"
#include "compute/HourLimits.h"
#include "model/DialProject.h"
#include "trace/Canvas.h"
#include "trace/DrawingFrame.h"
#include "trace/TraceDial.h"

namespace umbrix {

/// What the export needs to know of the shadow-caster: the tracer's geometry plus the sun of the
/// shadow instant (which side of the style's vertical face is lit).
struct DxfCasterGeometry {
  PointMm foot;                 // `Gnomx`, `Gnomy` (mm)
  double height = 0.0;          // `Gnomf` (mm)
  double styleAngle = 0.0;      // `StyleAngle` (radians): the side the caster is folded to
  PointMm styleEnd;             // `StyleEnd` E (mm)
  double styleEndHeight = 0.0;  // `StyleEndHeight` F (mm)
  bool style = true;            // `Style1` checked; otherwise the upright gnomon (`Gnomon1`)
  Vec3 sun{0.0, 0.0, 1.0};      // sun direction in the plate frame at `Dadiur`, `Hediur`
};

/// The caster of a traced dial: `style` from the pass's geometry, the sun from `SunInPlate` at
/// `Dadiur`, (`Hediur` + `TypeHeure`)·24 h, refracted when `Mijou` or `Locc` is checked.
DxfCasterGeometry DxfCasterGeometryOf(const DialProject& project, const Orientation& orientation,
                                      const StyleGeometry& style);

/// Drawing extents (mm) of the header.
struct DxfExtents {
  PointMm extMin, extMax;  // the plate with its margin and the folded caster
  PointMm limMin, limMax;  // the extents widened by 0.2 margin
};
DxfExtents ComputeDxfExtents(const DxfCasterGeometry& caster, const DrawingFrame& frame);

/// Offset from a date-time serial (days since 30 December 1899) to the day scale of
/// $TDCREATE (Julian days).
inline constexpr double kJulianDayOfSerialZero = 2415019.0;

struct DxfJob {
  DrawingFrame frame;            // the screen's frame: scale and margin of the drawing
  DxfCasterGeometry caster;
  double creationSerial = 0.0;   // local date-time of the export, days since 30 December 1899
};

/// The tracing pass run into the DXF canvas. It must draw the dial without its folded
/// shadow-caster (the export writes a three-dimensional one) and without composing a report.
using DxfTracePass = std::function<void(Canvas&)>;

/// `TraceDial` with no report, no desk mode, a black outer frame and `Visible1` taken as
/// unchecked, whatever the project says. The arguments are copied.
DxfTracePass DialTracePass(const DialProject& project, const Orientation& orientation,
                           const HourLimits& hourLimits, const DrawingFrame& frame);

/// Writes the whole file: header, tables, blocks, entities (background, pass, caster, foot),
/// end of file. Lines end with CR LF whatever the stream; numbers never depend on the locale.
void WriteDxf(std::ostream& out, const DxfJob& job, const DxfTracePass& tracePass);

/// The bytes of `WriteDxf`, made in memory before any file is touched.
std::string DxfDocument(const DxfJob& job, const DxfTracePass& tracePass);

}  // namespace umbrix
