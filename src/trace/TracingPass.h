#pragma once
// One run of the tracing pass: the inputs, the geometry computed at its start and one method per
// step. Internal to the trace layer.

#include <optional>
#include <vector>

#include "trace/Clipping.h"
#include "trace/ShadowGeometry.h"
#include "trace/TraceDial.h"

namespace umbrix {

class TracingPass {
 public:
  TracingPass(const DialProject& project, const Orientation& orientation,
              const HourLimits& hourLimits, const DrawingFrame& frame, Canvas& canvas,
              const TraceOptions& options, Report& report);

  TraceResult Run();

 private:
  // Steps of the pass, in order.
  void WriteDialKind();        // section 2
  void WriteSolarTimeLine();   // section 2, `Hvrai`
  void WriteGnomonReport();    // section 4
  void DrawShadowAtInstant();  // section 3
  void DrawGridAxesFoot();
  void DrawSignArcs();  // section 7
  void DrawDateArc();   // section 8
  void DrawMonthlyArcs();
  void DrawHorizon();    // section 6
  void DrawHourLines();  // section 5
  void DrawOldHours();   // section 5, after the hour lines
  void DrawClosingFigures();

  // Helpers.
  bool RefractionOn() const;

  /// The sun of a declination on the hour frame's meridian: (cos d, 0, sin d).
  static Vec3 AtDeclination(double sinDeclination);
  /// The straight equinoctial; whether any of it lies on the plate.
  void DrawEquinoctial();
  /// A day's arc: base direction in the mean-sun hour frame, 97 samples over the day.
  void DrawDayArc(double date, Colour colour);
  void FillNight(Colour colour);
  void DrawStyleShadow(Vec3 sun);
  /// The shadow at an instant: light grey, darker on the small desk dial.
  Colour ShadowColour() const;
  /// `HourLineLimit`: the part of the hour line at `hours` swept between the two solstices.
  ClipResult HourLineLimit(double s, bool styleChecked, double hours) const;
  void AppendHourReport(double t, const ClipResult& line);
  /// One old hour's line, drawn with its number; nothing when no part of it is on the plate.
  std::optional<OldHourTrace> DrawOldHour(OldHourSystem system, int number, const LocalSky& sky);

  const DialProject& p_;
  const Orientation& o_;
  const PlateTurns turns_;  // o_'s plate angles, worked out once for the whole pass
  /// Hour angles of a day's 97 samples, every quarter hour from midnight to midnight: shared
  /// by every day arc of the pass.
  const std::vector<Turn> quarterHours_;
  const HourLimits& limits_;
  const DrawingFrame& frame_;
  Canvas& canvas_;
  const TraceOptions& opt_;
  Report& report_;
  /// The language the report's lines are written in.
  const TextLanguage& lang_;
  StyleGeometry g_;
  std::vector<HourLineEnds> hourLines_;
  std::vector<OldHourTrace> oldHours_;
  ShadowScene scene_;
};

}  // namespace umbrix
