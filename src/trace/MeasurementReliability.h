#pragma once
// How far a solved measurement can be trusted: the solve repeated with each mark coordinate and
// each clock time moved a little, one at a time, and the worst change of the dial it brings.
// Lives in trace because the hour lines' ends come from the tracing pass itself.

#include <array>
#include <string>
#include <vector>

#include "compute/Solver.h"
#include "model/DialProject.h"
#include "model/Language.h"
#include "model/Message.h"
#include "trace/TraceDial.h"

namespace umbrix {

struct ReliabilitySteps {
  double markMm = 0.5;        // e: each mark coordinate moved by -e and +e, millimetres
  double timeSeconds = 30.0;  // s: each clock time moved by -s and +s, seconds
};

/// One moved input that the solver could not solve.
struct UnsolvedMove {
  std::string input;    // "point 1, X - 0.5 mm", "point 2, heure + 30 s"
  std::string message;  // the solver's first failure message, on one line
};

/// The worst changes that one group of moved inputs (the marks, or the clock times) brings.
struct ReliabilityGroup {
  /// Degrees. With a latitude: declination, inclination, rotation; without: the reduced place's
  /// latitude, longitude and rotation.
  std::array<double, 3> figureDeg{0.0, 0.0, 0.0};
  /// Worst displacement of an hour line's end (the point where it leaves the plate), mm.
  double hourLineEndMm = 0.0;
  int solved = 0;  // moved inputs that solved
  std::vector<UnsolvedMove> unsolved;
};

enum class ReliabilityVerdict {
  Reliable,    // "mesure fiable": below 1 mm
  ToConfirm,   // "à confirmer": from 1 to 3 mm
  Unreliable,  // "peu fiable": above 3 mm, or a moved input without solution
};

struct ReliabilityStudy {
  /// False when the measurement itself does not solve; `messages` then says why.
  bool success = false;
  Messages messages;
  ReliabilitySteps steps;
  /// Without `Limite` the figures are the reduced place's.
  bool reducedPlace = false;
  /// A plate within 1 degree of horizontal: its declination is not defined, and the rotation
  /// figure is the turn of the plate's X axis about the vertical.
  bool nearlyHorizontal = false;
  /// Hour lines the report lists for the measurement as solved.
  int hourLines = 0;
  ReliabilityGroup marks;
  ReliabilityGroup times;
  ReliabilityVerdict verdict = ReliabilityVerdict::Unreliable;
  /// The two instants less than three hours apart.
  bool instantsClose = false;
  /// The two sun directions from the gnomon's tip less than 20 degrees apart.
  bool sunsClose = false;
  double instantsApartMinutes = 0.0;
  double sunAngleDeg = 0.0;  // Theta of the measurement, degrees
};

/// The hour lines the report would list for `solved` (section 5), found by a tracing pass with
/// every other figure switched off and the hour lines on. `solved` must be a success.
std::vector<HourLineEnds> ListedHourLines(const DialProject& project, const SolveResult& solved);

/// Solves `project` (whose entries are complete for "C&alculer"), then again 8 times with one
/// mark coordinate moved and 4 times with one clock time moved.
/// The moved inputs' names and failures are worded in `language`.
ReliabilityStudy StudyReliability(const DialProject& project, const ReliabilitySteps& steps = {},
                                  const TextLanguage& language = SourceLanguage());

/// "mesure fiable", "à confirmer" or "peu fiable".
const char* VerdictText(ReliabilityVerdict verdict);

/// The study as text, CR LF lines: the marks' block, the times' block, the verdict and the
/// advice. For a failed study, the solver's messages.
std::string ReliabilityText(const ReliabilityStudy& study,
                            const TextLanguage& language = SourceLanguage());

}  // namespace umbrix
