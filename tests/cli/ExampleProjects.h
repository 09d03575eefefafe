#pragma once
// The bundled example projects, each typed into the dialog the way a maker would type it and
// written by the program's own writer.

#include <string>
#include <vector>

#include "app/Session.h"

namespace umbrix::testing {

struct ExampleProject {
  /// File name in examples/.
  std::string file;
  /// Types the entries, chooses the options and runs the commands; false when a command the
  /// recipe relies on failed.
  bool (*type)(Session& session);
};

/// Every example, the worked vertical plate first.
const std::vector<ExampleProject>& ExampleProjects();

}  // namespace umbrix::testing
