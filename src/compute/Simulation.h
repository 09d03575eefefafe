#pragma once
// Dials without real measurements: the simulated shadow points of a typed orientation, the
// direct set-up from that orientation, and the Test tab's generated points.

#include "astro/Sun.h"
#include "model/EntryWriter.h"
#include "compute/HourLimits.h"
#include "model/DialProject.h"
#include "model/Message.h"
#include "model/Report.h"

namespace umbrix {

struct SimulationResult {
  /// Both points' X entries are given after the writes.
  bool success = false;
  /// Error boxes, point 1's before point 2's.
  Messages messages;
};

/// Computes the two shadow points that the plate of `DecEd`, `IncEd`, `RotEd` receives at the two
/// instants (full localisation) and writes them, rounded to 0.1 mm, through `writer`; a point
/// whose sun has set, that falls behind the plate or outside it is cleared. `project` is the
/// record `writer` writes into: it is read again afterwards for the result.
SimulationResult SimulatePoints(const DialProject& project, EntryWriter& writer);

struct DirectTraceResult {
  bool success = true;
  /// `PlateEuler` from the typed orientation and `ZenithVec` in frame P.
  Orientation orientation;
  HourLimitsResult hourLimits;
};

/// Sets the orientation straight from `Lat`, `Long`, `FusHor`, `DecEd`, `IncEd`, `RotEd`,
/// computes the hour limits and empties report sections 1 and 9.
DirectTraceResult TraceFromOrientation(const DialProject& project, Report& report);

/// `PlateEuler` of a plate of declination D, inclination i and rotation angle w (last rotation
/// about Z) at latitude lat and hour offset p, all radians. A plate parallel to the equator (its
/// normal within 0.0002 of the pole) gets PlateEuler[0] = 0 and PlateEuler[1] = 0 or pi.
std::array<double, 3> PlateEulerFromOrientation(double D, double i, double w, double lat, double p);

struct TestComputeResult {
  /// Number of points written: 0, 1 or 2.
  int pointsWritten = 0;
  /// Information boxes, in the order they are shown.
  Messages messages;
};

/// The Test tab's "Calcule": the two points of the test orientation (Test entries) at the two
/// instants, rounded with the Test tab's factor, written through `writer` (outside the plate too,
/// after a message); then, as `Limite`, `Mijou` and `Locc` ask, the test place into `Lat`,
/// `MiJour`, `Long` and `FusHor` with their radio buttons. The caller has checked the geometry.
TestComputeResult TestCompute(const DialProject& project, EntryWriter& writer);

}  // namespace umbrix
