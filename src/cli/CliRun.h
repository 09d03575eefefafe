#pragma once
// One headless run: the project loaded as the program loads it, the command run, the outputs
// written. Needs a QGuiApplication.

#include <ostream>

#include "app/Session.h"
#include "cli/CliOptions.h"

namespace umbrix {

/// Runs `options` (action Run) and returns the exit status. The report asked for with "-" goes to
/// `out`; boxes and write failures go to `err`. `settings` carry the interface language.
int RunCli(const CliOptions& options, std::ostream& out, std::ostream& err,
           SessionSettings settings = {});

}  // namespace umbrix
