// The real tracing pass on the drawing bitmap.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "RenderFixtures.h"
#include "render/BitmapFiles.h"
#include "render/DrawingFont.h"
#include "render/QtRasterCanvas.h"
#include "support/RecordingCanvas.h"
#include "trace/TraceDial.h"
#include "trace/TraceFixtures.h"

namespace umbrix {
namespace {

using testing::ColoursOf;

TEST(RasterOfADial, EveryFigureColourAndNothingElse) {
  DialProject p = testing::SquareDial(100, 30, 45);
  p.Options.SignArcs = 7;
  p.Options.HourSubdivisions = 4;
  p.Options.MenDat.checked = true;
  p.Options.Horizon1.checked = true;
  p.Options.Ombre1.checked = true;
  p.Options.Carreaux1.checked = true;
  p.Options.EteAutomne2.checked = true;
  p.Options.HiverPrintemps2.checked = true;
  p.Hediur = testing::Given(0.42);
  const Orientation o = testing::TypedOrientation(45, 20, 90, 5);
  DrawingFrame frame = testing::FrameFor(p.Plate);
  frame.marginPx = MeasureMargin();
  frame.widthPx = 300 + 2 * frame.marginPx + 1;
  frame.heightPx = frame.widthPx;
  frame.ComputeScale();

  QImage image = NewDrawingImage(frame);
  Report report;
  {
    QtRasterCanvas canvas(image, frame);
    TraceDial(p, o, {5.5, 18.5, 0, 0}, frame, canvas, TraceOptions{}, report);
  }
  std::set<QRgb> expected;
  for (const Colour c : {colours::White, colours::Black, colours::Purple, colours::Teal,
                         colours::Red, colours::Blue, colours::Silver, colours::LightGrey,
                         colours::Green, colours::Maroon})
    expected.insert(ToQRgb(c));
  EXPECT_EQ(ColoursOf(image), expected);
  // The outer frame lies on the bitmap's outermost pixels.
  for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)})
    EXPECT_TRUE(testing::IsColour(image, corner.x(), corner.y(), colours::Black));

  if (const char* dir = std::getenv("UMBRIX_RENDER_OUTPUT_DIR"); dir != nullptr && *dir != '\0') {
    std::filesystem::create_directories(dir);
    EXPECT_EQ(WritePng(image, std::filesystem::path(dir) / "dial-wall.png"), std::nullopt);
    EXPECT_EQ(WriteBmp4(image, std::filesystem::path(dir) / "dial-wall.bmp"), std::nullopt);
  }
}

}  // namespace
}  // namespace umbrix
