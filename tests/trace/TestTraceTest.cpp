#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/RecordingCanvas.h"
#include "trace/TestTrace.h"
#include "trace/TraceDial.h"
#include "trace/TraceFixtures.h"

namespace umbrix {
namespace {

using testing::CallKind;
using testing::FrameFor;
using testing::RecordingCanvas;
using testing::SquareDial;

// A horizontal plate at 45 degrees north typed on the Test tab (rotation 90 = `RotEd` 0).
DialProject TestTabDial() {
  DialProject p = SquareDial(200, 30, 45);
  p.At(TestField::Edit21).value = 45 * testing::kDeg;
  p.At(TestField::Edit26).value = 90 * testing::kDeg;
  return p;
}

constexpr HourLimits kLimits{4.29, 19.71, 0, 0};

TEST(TestTrace, OutlineFootAndHourLinesAsTheTracingPassDrawsThem) {
  const DialProject p = TestTabDial();
  const DrawingFrame f = FrameFor(p.Plate);
  RecordingCanvas test;
  TestTrace(p, kLimits, f, test);
  ASSERT_GE(test.calls.size(), 2u);
  EXPECT_EQ(test.calls[0].kind, CallKind::DrawPolyline);
  const std::vector<PointMm> outline = {
      {-100, 100}, {100, 100}, {100, -100}, {-100, -100}, {-100, 100}};
  EXPECT_EQ(test.calls[0].points, outline);
  EXPECT_EQ(test.calls[1].kind, CallKind::DrawMarker);
  EXPECT_EQ(test.calls[1].points[0], (PointMm{0, 0}));
  EXPECT_TRUE(test.Of(CallKind::FillSurface).empty());  // drawn over the current picture

  DialProject gnomon = SquareDial(200, 30, 45);
  gnomon.Options.Style1.checked = false;
  gnomon.Options.Gnomon1.checked = true;
  RecordingCanvas pass;
  Report report;
  TraceDial(gnomon, testing::TypedOrientation(45, 0, 0, 0), kLimits, f, pass, {}, report);
  const auto expected = pass.Of(CallKind::DrawSegment, colours::Black);
  const auto lines = test.Of(CallKind::DrawSegment, colours::Black);
  ASSERT_EQ(expected.size(), 17u);
  ASSERT_EQ(lines.size(), 17u + 3u);  // the hour lines, then the folded shadow-caster
  for (std::size_t k = 0; k < expected.size(); ++k) {
    for (int e = 0; e < 2; ++e) {
      EXPECT_NEAR(lines[k].points[e].x, expected[k].points[e].x, 1e-9) << k;
      EXPECT_NEAR(lines[k].points[e].y, expected[k].points[e].y, 1e-9) << k;
    }
  }
}

TEST(TestTrace, HourNumbersStandInTheMarginFacingTheLinesEnds) {
  const DialProject p = TestTabDial();
  const DrawingFrame f = FrameFor(p.Plate);
  RecordingCanvas canvas;
  TestTrace(p, kLimits, f, canvas);
  const auto labels = canvas.Of(CallKind::DrawLabel);
  ASSERT_EQ(labels.size(), 17u);
  const int half = kDefaultMarginPx / 2;
  const auto label = [&](const std::string& text) {
    for (const auto& l : labels)
      if (l.text == text) return l.label;
    ADD_FAILURE() << "no label " << text;
    return LabelPlacement{};
  };
  EXPECT_EQ(label("12").px, f.ToPixelX(0));  // noon runs to the top edge
  EXPECT_EQ(label("12").py, half);
  EXPECT_EQ(label("6").px, half);  // six o'clock runs west to the left edge
  EXPECT_EQ(label("6").py, f.ToPixelY(-30));
  EXPECT_EQ(label("18").px, f.widthPx - half - 1);
  EXPECT_EQ(label("4").py, f.heightPx - half - 1);  // four o'clock leaves by the bottom edge
  EXPECT_FALSE(label("4").inPlate);
  EXPECT_GT(label("12").mm.y, 100);
}

TEST(TestTrace, HourTwentyFourReplacesMidnightAndTheGapIsSkipped) {
  const DialProject p = TestTabDial();
  RecordingCanvas canvas;
  TestTrace(p, {0, 24, 7.7, 16.3}, FrameFor(p.Plate), canvas);
  const auto labels = canvas.Labels();
  std::vector<std::string> expected;
  for (int h = 1; h <= 24; ++h)
    if (h <= 8 || h >= 16) expected.push_back(std::to_string(h));
  EXPECT_EQ(labels, expected);
}

TEST(TestTrace, OptionsAddAnalemmasAndSignArcsAndHourLinesCanBeLeftOut) {
  DialProject p = TestTabDial();
  p.Options.Lighor1.checked = false;
  p.Options.Style1.checked = false;
  RecordingCanvas bare;
  TestTrace(p, kLimits, FrameFor(p.Plate), bare);
  EXPECT_EQ(bare.Count(CallKind::DrawSegment, colours::Black), 0u);
  EXPECT_EQ(bare.Labels().size(), 17u);

  p.Options.EteAutomne1.checked = true;
  RecordingCanvas analemmas;
  TestTrace(p, kLimits, FrameFor(p.Plate), analemmas);
  EXPECT_GT(analemmas.Count(CallKind::DrawSegment, colours::Black), 17u * 5);

  p.Options.EteAutomne1.checked = false;
  p.Options.SignArcs = 7;
  RecordingCanvas arcs;
  TestTrace(p, kLimits, FrameFor(p.Plate), arcs);
  EXPECT_GT(arcs.Count(CallKind::DrawSegment, colours::Black), 7u * 10);
}

}  // namespace
}  // namespace umbrix
