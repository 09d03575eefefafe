#pragma once
// The Test tab's quick, independent trace of the dial of its own test orientation.

#include "compute/HourLimits.h"
#include "model/DialProject.h"
#include "trace/Canvas.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

/// Draws in black over whatever the surface holds: the plate's outline and foot, the whole hour
/// lines within `hourLimits` (computed for the test orientation) with their numbers in the
/// margin, the analemmas, the folded shadow-caster and the arcs of the signs, as the options ask.
void TestTrace(const DialProject& project, const HourLimits& hourLimits, const DrawingFrame& frame,
               Canvas& canvas);

}  // namespace umbrix
