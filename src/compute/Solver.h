#pragma once
// The plate's orientation from two measured shadow points, then the reduced parameters, the hour
// limits and report sections 1 (precision, accuracy) and 9 (reduced parameters).

#include <array>
#include <string>

#include "astro/Sun.h"
#include "compute/HourLimits.h"
#include "model/DialProject.h"
#include "model/Language.h"
#include "model/Message.h"
#include "model/Report.h"

namespace umbrix {

/// A computation whose numbers overflowed or lost their meaning (a mark of 1e300 mm): refused
/// rather than printed as "NAN".
inline constexpr const char* kOutOfScaleText =
    UMBRIX_TR("Message", "Calcul impossible : Valeurs hors d'échelle");

/// The place and orientation that describe the dial (all radians): the user's place with
/// `Limite`, else the reduced place where the plate would be a horizontal dial.
struct ReducedParameters {
  double latitude = 0.0;     // lat, north positive
  double hourOffset = 0.0;   // p: longitude (west positive) plus zone, as an angle
  double declination = 0.0;  // D, from the south, west positive
  double inclination = 0.0;  // i, 0 horizontal, pi/2 vertical
  double rotation = 0.0;     // angle of the plate's X axis below the horizontal, in (-pi, pi]
};

struct SolveResult {
  bool success = false;
  /// Failure messages (error boxes), in the order they are shown.
  Messages messages;
  /// `PlateEuler` and `ZenithVec` in frame P ((0, 0, 1) without `Limite`).
  Orientation orientation;
  /// With `Limite`, the zenith in frame E; else (0, 0, 1).
  Vec3 zenithEquatorial{0.0, 0.0, 1.0};
  HourLimitsResult hourLimits;
  ReducedParameters reduced;
  double shadowAngle = 0.0;  // theta, angle between the two shadow rays, radians
  double sunAngle = 0.0;     // Theta, angle between the two sun directions, radians
  /// |Theta - theta| in minutes of time, as section 1 prints it before rounding.
  double precisionIndexMinutes = 0.0;
};

/// Solves the orientation from `Mesx1`, `Mesy1`, `Mesx2`, `Mesy2`, `Gnomon`, the two instants
/// and as much of the place as `Limite`, `Mijou` and `Locc` tell (the completeness check has
/// passed). On success writes report sections 1 and 9; on failure leaves `report` untouched.
/// An orientation, place or precision index that is not finite fails with `kOutOfScaleText`.
/// `state` gives `TestDataValid`, `TestMode` and `RunMode` for the accuracy lines.
/// The sections are written in `language`.
SolveResult SolveOrientation(const DialProject& project, const ProjectState& state, Report& report,
                             const TextLanguage& language = SourceLanguage());

/// How far a solved orientation lies from a known one.
struct AccuracyFigures {
  double polarErrorDeg = 0.0;       // angle between the solved pole and the true one, degrees
  double equatorialErrorDeg = 0.0;  // turn of the hour frame about the pole, degrees
  double timeErrorMinutes = 0.0;    // the two combined, minutes of time
};
/// The known orientation: rotation angle (last rotation about Z), declination D, inclination i,
/// longitude plus zone `lonZone` and latitude `lat`, all radians.
AccuracyFigures AccuracyOf(const std::array<double, 3>& plateEuler, double rotationAngle, double D,
                           double i, double lonZone, double lat);
/// "Erreur polaire: ...°\r\nErreur équatoriale: ...°\r\nErreur temporelle: ... min\r\n".
std::string AccuracyReport(const std::array<double, 3>& plateEuler, double rotationAngle, double D,
                           double i, double lonZone, double lat,
                           const TextLanguage& language = SourceLanguage());

/// "Indice de précision : " and the index in minutes of time rounded to 0.01, then "\r\n".
std::string PrecisionIndexLine(double indexMinutes,
                               const TextLanguage& language = SourceLanguage());

/// Report section 9. With `Locc` the printed longitude is `Long` (degrees) and the zone
/// `FusHor`; otherwise the hour offset in degrees and zone 0.
/// Report lines of a zone named by its name: the zone, then the legal offset each measured point
/// was read in (" - Point 1 : heure légale UTC+1:00"); nothing without a zone.
inline constexpr const char* kNamedZoneLine =
    UMBRIX_TR("Report", " - Fuseau horaire nommé : %1\r\n");
inline constexpr const char* kPointOffsetLine =
    UMBRIX_TR("Report", " - Point %1 : heure légale %2\r\n");
std::string NamedZoneLines(const DialProject& project,
                           const TextLanguage& language = SourceLanguage());

std::string ReducedParametersSection(const ReducedParameters& reduced, const DialProject& project,
                                     const TextLanguage& language = SourceLanguage());

/// The place and orientation a dial was traced for, as a title block gives them: degrees, with
/// latitude north positive, longitude west positive, declination west positive; zone in hours.
struct DialSetting {
  double latitudeDeg = 0.0;
  double longitudeDeg = 0.0;
  double zoneHours = 0.0;
  double declinationDeg = 0.0;
  double inclinationDeg = 0.0;
  double rotationDeg = 0.0;
};
/// The setting of a solved dial: its reduced parameters, the typed longitude and zone with `Locc`.
DialSetting SolvedSetting(const ReducedParameters& reduced, const DialProject& project);
/// The setting of a dial traced from its typed place and orientation (`Lat`, `Long`, `FusHor`,
/// `DecEd`, `IncEd`, `RotEd`, each value already signed by its radio).
DialSetting TypedSetting(const DialProject& project);

}  // namespace umbrix
