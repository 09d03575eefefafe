#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "ExportFixtures.h"
#include "InteropOutput.h"
#include "export/SvgCanvas.h"
#include "export/SvgWriting.h"

namespace umbrix {
namespace {

using testing::ExportFrame;
using testing::GermanNumbers;
using testing::KeepForInterop;

// A 120 x 80 mm plate at 4 px/mm: 0.25 mm per pixel, a 5 mm margin.
class SvgCanvasTest : public ::testing::Test {
 protected:
  std::string Svg() const {
    std::ostringstream out;
    canvas.Write(out);
    return out.str();
  }
  static bool Has(const std::string& svg, const std::string& part) {
    return svg.find(part) != std::string::npos;
  }

  DrawingFrame frame = ExportFrame(120, 80);
  SvgCanvas canvas{frame};
};

TEST_F(SvgCanvasTest, TrueScaleSizeAndViewBoxCoverThePlateAndItsMargin) {
  const std::string svg = Svg();
  EXPECT_TRUE(Has(svg, "width=\"130mm\" height=\"90mm\" viewBox=\"-65 -45 130 90\"")) << svg;
  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
  EXPECT_TRUE(svg.ends_with("</svg>\n"));
}

TEST_F(SvgCanvasTest, YPointsUpWithoutMirroringTheText) {
  canvas.DrawSegment(colours::Black, {0, 0}, {10, 20});
  LabelPlacement at;
  at.mm = {30, 35};
  canvas.DrawLabel("12", at);
  const std::string svg = Svg();
  // A point 20 mm above the centre sits 20 units above the viewBox's middle row.
  EXPECT_TRUE(Has(svg, "<line x1=\"0\" y1=\"0\" x2=\"10\" y2=\"-20\"/>")) << svg;
  // Label height 20 px * 0.25 / 2.5 = 2 mm: baseline 1 mm below the anchor, upright text.
  EXPECT_TRUE(Has(svg,
                  "<text x=\"30\" y=\"-34\" font-size=\"2.793\" fill=\"#000000\" "
                  "stroke=\"none\">12</text>"))
      << svg;
  EXPECT_FALSE(Has(svg, "scale("));
  EXPECT_FALSE(Has(svg, "transform"));
}

TEST_F(SvgCanvasTest, OneGroupPerColourWithTheScreenColours) {
  canvas.DrawSegment(colours::Blue, {0, 0}, {1, 1});
  canvas.DrawSegment(colours::Red, {0, 0}, {1, 2});
  canvas.DrawSegment(colours::Blue, {0, 0}, {1, 3});
  canvas.DrawSegment(colours::Maroon, {0, 0}, {1, 4});
  const std::string svg = Svg();
  const std::size_t blue = svg.find("<g id=\"decembre-juin\" stroke=\"#0000ff\"");
  const std::size_t red = svg.find("<g id=\"juin-decembre\" stroke=\"#ff0000\"");
  const std::size_t maroon = svg.find("<g id=\"horizon\" stroke=\"#800000\"");
  ASSERT_NE(blue, std::string::npos) << svg;
  ASSERT_NE(red, std::string::npos);
  ASSERT_NE(maroon, std::string::npos);
  EXPECT_LT(blue, red);  // groups in the order their colour first appeared
  EXPECT_LT(red, maroon);
  // Both blue lines in the blue group.
  EXPECT_LT(svg.find("y2=\"-3\""), red);
  EXPECT_EQ(svg.find("<g id=\"decembre-juin\""), svg.rfind("<g id=\"decembre-juin\""));
}

TEST(SvgColour, TracerColoursAreBlueGreenRedValues) {
  EXPECT_EQ(SvgColour(colours::Blue), "#0000ff");
  EXPECT_EQ(SvgColour(colours::Red), "#ff0000");
  EXPECT_EQ(SvgColour(colours::Teal), "#008080");
  EXPECT_EQ(SvgColour(colours::Maroon), "#800000");
  EXPECT_EQ(SvgColour(colours::LightGrey), "#d0d0d0");
  EXPECT_EQ(SvgColour(0x123456), "#563412");
}

TEST_F(SvgCanvasTest, DottedPenGivesADashedLineAndWidePenItsWidth) {
  canvas.SetPenStyle(PenStyle::Dotted);
  canvas.DrawSegment(colours::Black, {0, 0}, {1, 0});
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenWidth(3);
  canvas.DrawSegment(colours::Green, {0, 0}, {0, 1});
  const std::string svg = Svg();
  EXPECT_TRUE(Has(svg, "x2=\"1\" y2=\"0\" stroke-dasharray=\"2 2\"/>")) << svg;
  EXPECT_TRUE(Has(svg, "x2=\"0\" y2=\"-1\" stroke-width=\"0.75\"/>")) << svg;
}

TEST_F(SvgCanvasTest, ShadowIsAFilledPolygonAndItsQuadsAreNotRepeated) {
  const std::vector<PointMm> shadow = {{0, 0}, {10, -5}, {20, -5}, {25, 0}, {0, 1.5}};
  canvas.DrawFilledPolygon(colours::LightGrey, shadow);
  canvas.DrawFilledQuads(colours::LightGrey, shadow);
  const std::string svg = Svg();
  EXPECT_TRUE(Has(svg, "<polygon points=\"0,0 10,5 20,5 25,0 0,-1.5\" fill=\"#d0d0d0\"/>")) << svg;
  EXPECT_EQ(svg.find("<polygon"), svg.rfind("<polygon"));
}

TEST_F(SvgCanvasTest, SurfaceFillCoversWhatWasDrawnBefore) {
  canvas.DrawSegment(colours::Black, {0, 0}, {1, 0});
  canvas.FillSurface(colours::Grey);
  const std::string svg = Svg();
  EXPECT_FALSE(Has(svg, "<line"));
  EXPECT_TRUE(Has(svg, "<rect x=\"-65\" y=\"-45\" width=\"130\" height=\"90\" fill=\"#808080\""))
      << svg;
}

TEST_F(SvgCanvasTest, MarkerPolylineAndEscapedText) {
  canvas.DrawMarker(colours::Black, {-3, 4});
  const std::vector<PointMm> arc = {{-60, 12.3456}, {0, 20}, {60, 12.0004}};
  canvas.DrawPolyline(colours::Purple, arc);
  LabelPlacement at;
  canvas.DrawLabel("a<b&c", at);
  const std::string svg = Svg();
  EXPECT_TRUE(Has(svg, "<circle cx=\"-3\" cy=\"-4\" r=\"0.5\"/>")) << svg;
  EXPECT_TRUE(Has(svg, "<polyline points=\"-60,-12.346 0,-20 60,-12\"/>")) << svg;
  EXPECT_TRUE(Has(svg, ">a&lt;b&amp;c</text>"));
  KeepForInterop("figures.svg", svg);
}

TEST_F(SvgCanvasTest, TextExtentIsTheVectorLabelsExtent) {
  EXPECT_EQ(canvas.MeasureText("12").height, 8);
  EXPECT_EQ(canvas.MeasureText("12").width, 12);
}

TEST_F(SvgCanvasTest, GermanLocaleWritesTheSameBytes) {
  canvas.DrawSegment(colours::Black, {-12.25, 3.5}, {40.125, -50});
  LabelPlacement at;
  at.mm = {1.5, 2.5};
  canvas.DrawLabel("7", at);
  const std::string plain = Svg();
  std::string german;
  {
    GermanNumbers guard;
    german = Svg();
  }
  EXPECT_EQ(german, plain);
  EXPECT_TRUE(Has(plain, "x1=\"-12.25\" y1=\"-3.5\" x2=\"40.125\""));
}

// The program's one writer puts the document in a file (tests/files).
TEST_F(SvgCanvasTest, DocumentHoldsTheBytesOfTheStreamWriter) {
  canvas.DrawSegment(colours::Black, {0, 0}, {1, 0});
  EXPECT_EQ(canvas.Document(), Svg());
  EXPECT_TRUE(Has(canvas.Document(), "</svg>"));
}

// The pieces both drawings write: a y crossing zero never gives "-0", and the root element names
// an extra namespace inside the svg element, before its size.
TEST(SvgWriting, NumbersPointsAndTheRootElement) {
  const struct {
    double mm;
    const char* x;
    const char* y;
  } rows[] = {{0.0, "0", "0"},
              {-0.0004, "0", "0"},
              {0.0004, "0", "0"},
              {12.3456, "12.346", "-12.346"},
              {-7.25, "-7.25", "7.25"}};
  for (const auto& r : rows) {
    EXPECT_EQ(SvgX(r.mm), r.x) << r.mm;
    EXPECT_EQ(SvgY(r.mm), r.y) << r.mm;
  }
  const PointMm points[] = {{1, 2}, {-3, -0.0001}};
  EXPECT_EQ(SvgPoints(points), "1,-2 -3,0");
  EXPECT_EQ(EscapeXml("\"a\" < b & c > d"), "&quot;a&quot; &lt; b &amp; c &gt; d");
  EXPECT_EQ(SvgRoot(-10, -5, 30, 15, "xmlns:inkscape=\"i\""),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
            "xmlns:inkscape=\"i\" version=\"1.1\" width=\"40mm\" height=\"20mm\" "
            "viewBox=\"-10 -15 40 20\">\n");
}

}  // namespace
}  // namespace umbrix
