#include "export/DxfCanvas.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "ExportFixtures.h"

namespace umbrix {
namespace {

using testing::ExportFrame;
using testing::Tags;

// A 100 mm plate at 4 px/mm: MmPerPixelX = 0.25, label height h = 20 * 0.25 / 2.5 = 2 mm.
class DxfCanvasTest : public ::testing::Test {
 protected:
  DrawingFrame frame = ExportFrame(100, 100);
  std::ostringstream out;
  DxfCanvas canvas{out, frame};
};

TEST_F(DxfCanvasTest, SubdivisionHourLineIsADashedLine) {
  canvas.SetPenStyle(PenStyle::Dotted);
  canvas.DrawSegment(colours::Black, {-12.25, 3}, {40, -50});
  EXPECT_EQ(out.str(),
            "  0\r\nLINE\r\n  8\r\n0\r\n  6\r\nDASHED\r\n 10\r\n-12.2\r\n 20\r\n3\r\n 30\r\n0\r\n"
            " 11\r\n40\r\n 21\r\n-50\r\n 31\r\n0\r\n");
}

TEST_F(DxfCanvasTest, WholeHourLineHasNoLineType) {
  canvas.DrawSegment(colours::Black, {0, 0}, {1, 2});
  EXPECT_EQ(out.str(), Tags("0|LINE;8|0;10|0;20|0;30|0;11|1;21|2;31|0"));
}

TEST_F(DxfCanvasTest, ColouredLineCarriesItsColourNumberAfterTheLineType) {
  canvas.SetPenStyle(PenStyle::Dotted);
  canvas.DrawSegment(colours::Red, {1, 1}, {2, 2});
  EXPECT_EQ(out.str(), Tags("0|LINE;8|0;6|DASHED;62|1;10|1;20|1;30|0;11|2;21|2;31|0"));
}

TEST_F(DxfCanvasTest, WidePenSegmentIsATwoVertexPolylineWithWidths) {
  canvas.SetPenWidth(3);
  canvas.DrawSegment(colours::Green, {0, 0}, {0, 30});
  // 3 px * 0.25 mm = 0.75, to the even tenth 0.8.
  EXPECT_EQ(out.str(), Tags("0|POLYLINE;8|STYLE;66|1;40|0.8;41|0.8;"
                            "0|VERTEX;8|STYLE;10|0;20|0;30|0;"
                            "0|VERTEX;8|STYLE;10|0;20|30;30|0;"
                            "0|SEQEND"));
}

TEST_F(DxfCanvasTest, PolylineVerticesRepeatLayerAndLineTypeButNotColour) {
  canvas.SetPenStyle(PenStyle::Dotted);
  const std::vector<PointMm> points = {{-1, -2}, {3.04, 4.06}, {5, 6}};
  canvas.DrawPolyline(colours::Blue, points);
  EXPECT_EQ(out.str(), Tags("0|POLYLINE;8|0;6|DASHED;62|5;66|1;"
                            "0|VERTEX;8|0;6|DASHED;10|-1;20|-2;30|0;"
                            "0|VERTEX;8|0;6|DASHED;10|3;20|4.1;30|0;"
                            "0|VERTEX;8|0;6|DASHED;10|5;20|6;30|0;"
                            "0|SEQEND"));
}

TEST_F(DxfCanvasTest, LightGreyPolylineLiesBelowThePlate) {
  const std::vector<PointMm> points = {{0, 0}, {1, 0}};
  canvas.DrawPolyline(colours::LightGrey, points);
  EXPECT_EQ(out.str(), Tags("0|POLYLINE;8|3D;62|253;66|1;"
                            "0|VERTEX;8|3D;10|0;20|0;30|-0.3;"
                            "0|VERTEX;8|3D;10|1;20|0;30|-0.3;"
                            "0|SEQEND"));
}

TEST_F(DxfCanvasTest, MarkerIsACircleOfTwoPixels) {
  canvas.DrawMarker(colours::Black, {10, -20});
  EXPECT_EQ(out.str(), Tags("0|CIRCLE;8|0;10|10;20|-20;30|0;40|0.5"));
}

TEST_F(DxfCanvasTest, MarkerIgnoresTheDottedPen) {
  canvas.SetPenStyle(PenStyle::Dotted);
  canvas.DrawMarker(colours::Green, {0, 0});
  EXPECT_EQ(out.str(), Tags("0|CIRCLE;8|STYLE;10|0;20|0;30|0;40|0.5"));
}

TEST_F(DxfCanvasTest, HourNumbersAreTextOnLayerZeroCentredOnTheAnchor) {
  LabelPlacement at;
  at.mm = {20, 30};
  canvas.DrawLabel("9", at);
  canvas.DrawLabel("12", at);
  // h = 2 mm: one character 0.25 h left, two characters 0.75 h left; half a height down.
  EXPECT_EQ(out.str(), Tags("0|TEXT;8|0;10|19.5;20|29;30|0;40|2;1|9;"
                            "0|TEXT;8|0;10|18.5;20|29;30|0;40|2;1|12"));
}

TEST_F(DxfCanvasTest, MarginLabelUsesItsMillimetreAnchorNotItsPixel) {
  LabelPlacement at;
  at.mm = {51, -7};
  at.px = 1;
  at.py = 2;
  at.inPlate = false;
  canvas.DrawLabel("6", at);
  EXPECT_EQ(out.str(), Tags("0|TEXT;8|0;10|50.5;20|-8;30|0;40|2;1|6"));
}

TEST_F(DxfCanvasTest, FivePointShadowGivesTwoSolidsTheSecondATriangle) {
  const std::vector<PointMm> shadow = {{0, 0}, {10, 0}, {20, 5}, {10, 10}, {0, 10}};
  canvas.DrawFilledQuads(colours::LightGrey, shadow);
  // Corners d-1, d, n-d, n-1-d: (0, 1, 4, 3) then (1, 2, 3, 2), whose second and fourth
  // corners are the same point: a triangle.
  EXPECT_EQ(out.str(), Tags("0|SOLID;8|3D;62|253;"
                            "10|0;20|0;30|-0.3;11|10;21|0;31|-0.3;"
                            "12|0;22|10;32|-0.3;13|10;23|10;33|-0.3;"
                            "0|SOLID;8|3D;62|253;"
                            "10|10;20|0;30|-0.3;11|20;21|5;31|-0.3;"
                            "12|10;22|10;32|-0.3;13|20;23|5;33|-0.3"));
}

TEST_F(DxfCanvasTest, WhiteBackgroundIsOneSolidHalfAMillimetreBelow) {
  const std::vector<PointMm> corners = {{-55, -55}, {55, -55}, {55, 55}, {-55, 55}};
  canvas.DrawFilledQuads(colours::White, corners);
  EXPECT_EQ(out.str(), Tags("0|SOLID;8|3D;62|254;"
                            "10|-55;20|-55;30|-0.5;11|55;21|-55;31|-0.5;"
                            "12|-55;22|55;32|-0.5;13|55;23|55;33|-0.5"));
}

TEST_F(DxfCanvasTest, PolylineWithoutPointsWritesNothing) {
  canvas.DrawPolyline(colours::Black, std::span<const PointMm>());
  EXPECT_EQ(out.str(), "");
}

TEST_F(DxfCanvasTest, TooFewPointsForAQuadWriteNothing) {
  const std::vector<PointMm> two = {{0, 0}, {1, 1}};
  canvas.DrawFilledQuads(colours::LightGrey, two);
  canvas.DrawFilledQuads(colours::LightGrey, std::span<const PointMm>());
  EXPECT_EQ(out.str(), "");
}

TEST_F(DxfCanvasTest, SurfaceFillsAndBitmapPolygonsWriteNothing) {
  const std::vector<PointMm> shadow = {{0, 0}, {10, 0}, {10, 10}};
  canvas.FillSurface(colours::Grey);
  canvas.DrawFilledPolygon(colours::LightGrey, shadow);
  EXPECT_EQ(out.str(), "");
}

TEST_F(DxfCanvasTest, TextExtentFollowsTheLabelHeight) {
  // MarginPx / 2.5 = 8 pixels high; 0.5 and 1.5 heights wide.
  EXPECT_EQ(canvas.MeasureText("7").height, 8);
  EXPECT_EQ(canvas.MeasureText("7").width, 4);
  EXPECT_EQ(canvas.MeasureText("12").width, 12);
  EXPECT_EQ(canvas.MeasureText("é").width, 4);  // one character, two bytes
}

struct LayerCase {
  Colour colour;
  const char* layer;
  int group62;  // 0: no colour group
};

class DxfLayerTable : public ::testing::TestWithParam<LayerCase> {};

TEST_P(DxfLayerTable, ColourValueSelectsLayerAndColourNumber) {
  const LayerCase c = GetParam();
  const DxfLayer layer = DxfLayerOf(c.colour);
  EXPECT_EQ(layer.name, c.layer);
  if (c.group62 == 0)
    EXPECT_FALSE(layer.colour.has_value());
  else
    EXPECT_EQ(layer.colour, c.group62);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, DxfLayerTable,
    ::testing::Values(LayerCase{colours::Maroon, "0", 14}, LayerCase{colours::Red, "0", 1},
                      LayerCase{colours::Green, "STYLE", 0}, LayerCase{colours::Purple, "0", 214},
                      LayerCase{colours::Teal, "0", 134}, LayerCase{colours::Grey, "3D", 251},
                      LayerCase{colours::Silver, "0", 252},
                      LayerCase{colours::LightGrey, "3D", 253}, LayerCase{colours::Blue, "0", 5},
                      LayerCase{colours::White, "3D", 254}, LayerCase{colours::Black, "0", 0},
                      LayerCase{colours::Yellow, "0", 0},
                      // the old hours: Italian, Babylonian, temporary
                      LayerCase{colours::Orange, "0", 30}, LayerCase{colours::Olive, "0", 52},
                      LayerCase{colours::Fuchsia, "0", 6}));

}  // namespace
}  // namespace umbrix
