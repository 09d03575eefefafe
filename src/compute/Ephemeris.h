#pragma once
// The sun's ephemeris for the measurement instants and the current instant, with the orientation
// of the measuring board and the shadows on a plate of typed orientation.

#include <string>

#include "astro/Sun.h"
#include "model/Dates.h"
#include "model/DialProject.h"
#include "model/Language.h"

namespace umbrix {

/// Instants of the ephemeris.
inline constexpr int kInstantPoint1 = 1;
inline constexpr int kInstantPoint2 = 2;
inline constexpr int kInstantCurrent = 3;  // `Dadiur`, `Hediur` in the kind of `TypeHeure`

/// The dial on show, for the shadow of the current instant.
struct DialOnShow {
  Orientation orientation;     // the solved or set-up orientation
  bool drawingExists = false;  // `DrawingExists`
};

/// "\r\nEquation du temps : " then "- " when negative, whole minutes, " min ", the seconds
/// rounded (60 can appear) and " s".
std::string EquationOfTimeText(double minutes, const TextLanguage& language = SourceLanguage());

struct DayEventsText {
  std::string text;
  /// False when the longitude, the zone or the latitude is missing.
  bool complete = true;
};
/// The day's events of an instant: date, equation of time, declination, solar noon, sunrise and
/// sunset. The instant's date must be given. Every text of this file is written in `language`.
DayEventsText DayEvents(const DialProject& project, int instant,
                        const TextLanguage& language = SourceLanguage());

/// The sun's position at an instant (right ascension for the points), followed by the dial's
/// shadow (current instant) or the board and the shadows (points). Needs the place (DayEvents
/// complete).
std::string SunPosition(const DialProject& project, int instant, const DialOnShow& dial,
                        const TextLanguage& language = SourceLanguage());

/// The shadow of the dial's shadow-caster on the dial on show at the current instant.
std::string DialShadow(const DialProject& project, const DialOnShow& dial,
                       const TextLanguage& language = SourceLanguage());

/// For point 1 or 2, with the (refracted) sun in the horizontal frame: the measuring board's
/// orientations, the measuring gnomon's and the final shadow-caster's shadows on the plate of
/// typed orientation.
std::string BoardAndShadows(const DialProject& project, int point, Vec3 sunHorizontal,
                            const TextLanguage& language = SourceLanguage());

/// The whole text: "Ephémérides" of the current instant (the dialog's button, `forMainWindow`
/// false) or "Calculs complémentaires" of the two points (the main window's report pane).
std::string EphemerisReport(const DialProject& project, bool forMainWindow, const DialOnShow& dial,
                            const TextLanguage& language = SourceLanguage());

}  // namespace umbrix
