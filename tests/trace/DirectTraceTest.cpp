// The tracing pass fed by the direct set-up of a typed orientation and its hour limits.

#include <gtest/gtest.h>

#include <cmath>

#include "compute/Simulation.h"
#include "support/RecordingCanvas.h"
#include "trace/TraceDial.h"
#include "trace/TraceFixtures.h"

namespace umbrix {
namespace {

using testing::CallKind;
using testing::FrameFor;
using testing::Given;
using testing::RecordingCanvas;
using testing::SquareDial;

DialProject TypedDial(double lat, double dec, double inc, double rot) {
  DialProject p = SquareDial(200, 30, lat);
  p.Options.Style1.checked = false;  // no substyle: the black segments are the hour lines
  p.Options.Gnomon1.checked = true;
  p.Locc = true;
  p.Hvrai = true;
  p.Long = Given(0);
  p.FusHor = Given(0);
  p.DecEd = Given(dec);
  p.IncEd = Given(inc);
  p.RotEd = Given(rot);
  return p;
}

TEST(DirectTrace, ExactlyEquatorialPlatesInBothHemispheresKeepTheirHourLinesInPlace) {
  for (const double lat : {45.0, -45.0}) {
    const DialProject p = TypedDial(lat, lat > 0 ? 180 : 0, 45, 0);
    Report report;
    const DirectTraceResult set = TraceFromOrientation(p, report);
    // The noon direction in the plate is that of the five elementary rotations.
    const Vec3 noon = ToPlateFrame({1, 0, 0}, set.orientation.PlateEuler);
    const Vec3 expected = testing::HourFrameToPlate({1, 0, 0}, lat, lat > 0 ? 180 : 0, 45, 0);
    EXPECT_NEAR(noon.X, expected.X, 1e-9) << lat;
    EXPECT_NEAR(noon.Y, expected.Y, 1e-9) << lat;

    RecordingCanvas canvas;
    TraceOptions options;
    options.composeReport = true;
    const TraceResult r = TraceDial(p, set.orientation, set.hourLimits.limits, FrameFor(p.Plate),
                                    canvas, options, report);
    EXPECT_EQ(r.style.DialKind, lat > 0 ? 2 : -2);
    const auto lines = canvas.Of(CallKind::DrawSegment, colours::Black);
    ASSERT_GE(lines.size(), 2u) << lat;
    for (std::size_t k = 1; k < lines.size(); ++k) {
      const auto angle = [&](std::size_t j) {
        return std::atan2(lines[j].points[1].y - lines[j].points[0].y,
                          lines[j].points[1].x - lines[j].points[0].x);
      };
      EXPECT_NEAR(std::abs(std::remainder(angle(k) - angle(k - 1), 2 * kPi)), kPi / 12, 1e-6)
          << lat << " line " << k;
    }
  }
}

TEST(DirectTrace, VerticalSouthDialInSolarHoursRunsFromSixToEighteen) {
  const DialProject p = TypedDial(45, 0, 90, 0);
  Report report;
  const DirectTraceResult set = TraceFromOrientation(p, report);
  RecordingCanvas canvas;
  TraceDial(p, set.orientation, set.hourLimits.limits, FrameFor(p.Plate), canvas, {}, report);
  const std::vector<std::string> hours = {"6",  "7",  "8",  "9",  "10", "11", "12",
                                          "13", "14", "15", "16", "17", "18"};
  EXPECT_EQ(canvas.Labels(), hours);
  // Noon runs straight down through the foot.
  const auto lines = canvas.Of(CallKind::DrawSegment, colours::Black);
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_NEAR(lines[6].points[0].x, 0, 1e-9);
  EXPECT_NEAR(lines[6].points[1].x, 0, 1e-9);
  EXPECT_EQ(lines[6].points[1].y, -100);
}

}  // namespace
}  // namespace umbrix
