#pragma once
// The check that a project holds every entry the current computation mode needs, as data: the
// code of the first missing item, the dialog tab to open, the message and what to do after it.

#include <optional>
#include <string>

#include "model/DialProject.h"
#include "model/Texts.h"

namespace umbrix {

/// Report section 0 of the simulation and of the direct trace.
inline constexpr const char* kSimulationHeader = UMBRIX_TR("Report", "   ** Simulation **\r\n\r\n");
inline constexpr const char* kDirectTraceHeader =
    UMBRIX_TR("Report", "   ** Tracé (simulation) **\r\n\r\n");

/// What the driver does about a missing entry. `code` 0 means nothing is missing.
struct CompletenessResult {
  int code = 0;
  /// Zero-based dialog tab to select (0 "&Cadran" .. 4 "&Divers"); -1 leaves the tab as it is.
  int tabIndex = -1;
  std::string message;
  /// The entry to focus after the message; none for code 45 (and code 0).
  std::optional<Field> focus;
  /// Boxes to check after the message (modes 2 and 3, codes 41, 43, 44, 45).
  bool checkLimite = false;
  bool checkLocc = false;
};

/// The smallest completeness code whose condition holds for `runMode`; code 0 in any mode other
/// than 1, 2 and 3.
CompletenessResult CheckCompleteness(const DialProject& project, RunMode runMode);

}  // namespace umbrix
