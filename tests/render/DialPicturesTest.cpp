// Pictures of whole dials on the drawing bitmap, written as PNG files for a person to look at:
// into UMBRIX_PICTURES_DIR when it is set, else into a scratch folder removed afterwards.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "RenderFixtures.h"
#include "render/BitmapFiles.h"
#include "render/DrawingFont.h"
#include "render/QtRasterCanvas.h"
#include "support/DialCatalogue.h"
#include "support/TempFolder.h"
#include "trace/TraceDial.h"

namespace umbrix {
namespace {

using testing::CatalogueDial;
using testing::DialCatalogue;
using testing::IsColour;

struct Picture {
  DrawingFrame frame;
  QImage image;
};

Picture Draw(const DialProject& p, bool interactiveFrame = false) {
  Picture pic;
  pic.frame = testing::FittedFrame(p, 600, MeasureMargin());
  pic.image = NewDrawingImage(pic.frame);
  Report report;
  const DirectTraceResult set = TraceFromOrientation(p, report);
  TraceOptions options;
  options.interactiveFrame = interactiveFrame;
  {
    QtRasterCanvas canvas(pic.image, pic.frame);
    TraceDial(p, set.orientation, set.hourLimits.limits, pic.frame, canvas, options, report);
  }
  return pic;
}

int CountColour(const QImage& image, Colour colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += IsColour(image, x, y, colour) ? 1 : 0;
  return n;
}

// Every pixel of the bitmap's outermost ring has the colour.
bool RingIs(const QImage& image, Colour colour) {
  const int w = image.width(), h = image.height();
  for (int x = 0; x < w; ++x)
    if (!IsColour(image, x, 0, colour) || !IsColour(image, x, h - 1, colour)) return false;
  for (int y = 0; y < h; ++y)
    if (!IsColour(image, 0, y, colour) || !IsColour(image, w - 1, y, colour)) return false;
  return true;
}

class DialPictures : public ::testing::Test {
 protected:
  std::filesystem::path Folder() const {
    if (const char* dir = std::getenv("UMBRIX_PICTURES_DIR"); dir != nullptr && *dir != '\0') {
      std::filesystem::create_directories(dir);
      return dir;
    }
    return scratch_.Path();
  }

 private:
  const testing::TempFolder scratch_;
};

TEST_F(DialPictures, EveryCatalogueDialIsDrawnWithItsFiguresFramedAndWrittenAsAPng) {
  for (const CatalogueDial& dial : DialCatalogue()) {
    SCOPED_TRACE(dial.name);
    const DialProject& p = dial.project;
    const Picture pic = Draw(p);
    const QImage& image = pic.image;
    EXPECT_EQ(image.width(), 601);  // 600 pixels of room plus the closing pixel
    EXPECT_EQ(image.height(), 601);

    // The outer frame on the outermost pixels, the plate's outline inside the margin.
    EXPECT_TRUE(RingIs(image, colours::Black));
    const int m = pic.frame.marginPx;
    EXPECT_TRUE(IsColour(image, m, m, colours::Black));
    EXPECT_TRUE(IsColour(image, image.width() - 1 - m, image.height() - 1 - m, colours::Black));
    EXPECT_TRUE(IsColour(image, image.width() / 2, m, colours::Black));

    // The figures each dial asks for, in their colours.
    const bool curveMode = p.Options.LhLim.checked && p.Options.Refrac1.checked;
    EXPECT_GT(CountColour(image, colours::Black), 4 * 600 + (curveMode ? 0 : 200));
    EXPECT_GT(CountColour(image, colours::Green), 20);  // the folded shadow-caster
    const auto expectSome = [&](bool drawn, Colour colour, int atLeast) {
      if (drawn) {
        EXPECT_GT(CountColour(image, colour), atLeast) << std::hex << colour;
      }
    };
    expectSome(p.Options.SignArcs == 7, colours::Purple, 100);
    // The 21 June arc misses the lower equatorial face and the southern one (winter-lit), and the
    // small plate of the wall (its summer shadows fall more than 100 mm below the foot).
    const bool juneOnPlate = dial.name != "equatorial-dessous" && dial.name != "equatorial-sud" &&
                             dial.name != "centre-hors-cadran";
    expectSome(p.Options.MenDat.checked && juneOnPlate, colours::Teal, 50);
    expectSome(p.Options.Ombre1.checked, colours::LightGrey, 20);
    expectSome(p.Options.EteAutomne1.checked && p.Options.EteAutomne1.enabled, colours::Red, 50);
    expectSome(p.Options.HiverPrintemps1.checked && p.Options.HiverPrintemps1.enabled,
               colours::Blue, 50);
    // Only palette colours: the bitmap has 16.
    for (const QRgb c : testing::ColoursOf(image)) {
      bool inPalette = false;
      for (const Colour k :
           {colours::Black, colours::Grey, colours::LightGrey, colours::Silver, colours::White,
            colours::Green, colours::Maroon, colours::Purple, colours::Teal, colours::Red,
            colours::Yellow, colours::Lime, colours::Aqua, colours::Blue, colours::Fuchsia})
        inPalette = inPalette || ToQRgb(k) == c;
      EXPECT_TRUE(inPalette) << std::hex << c;
    }

    const auto path = Folder() / (dial.name + ".png");
    ASSERT_EQ(WritePng(image, path), std::nullopt);
    QImage back(QString::fromStdString(path.string()));
    ASSERT_FALSE(back.isNull()) << path;
    EXPECT_EQ(back.size(), image.size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
  }
}

TEST_F(DialPictures, InteractiveFrameIsRedOnTheOutermostPixels) {
  const DialProject p = DialCatalogue().front().project;
  const Picture pic = Draw(p, true);
  EXPECT_TRUE(RingIs(pic.image, colours::Red));
  // The plate's outline stays black.
  EXPECT_TRUE(IsColour(pic.image, pic.frame.marginPx, pic.frame.marginPx, colours::Black));
  ASSERT_EQ(WritePng(pic.image, Folder() / "cadre-interactif.png"), std::nullopt);
}

TEST_F(DialPictures, SunBelowTheHorizonGreysTheWholeBitmap) {
  DialProject p = DialCatalogue().front().project;
  p.Hediur = testing::Typed(1.0 / 24);  // 1 h in June at 45 N: night
  const Picture pic = Draw(p);
  const int grey = CountColour(pic.image, colours::Grey);
  const int all = pic.image.width() * pic.image.height();
  EXPECT_GT(grey, all * 8 / 10);
  EXPECT_EQ(CountColour(pic.image, colours::White), 0);
  EXPECT_EQ(CountColour(pic.image, colours::LightGrey), 0);  // no shadow polygon
  EXPECT_TRUE(IsColour(pic.image, 1, 1, colours::Grey));     // the margin too
  ASSERT_EQ(WritePng(pic.image, Folder() / "nuit.png"), std::nullopt);
}

TEST_F(DialPictures, BusiestDialUsesEveryTracerColour) {
  const Picture pic = Draw(testing::BusiestDial());
  for (const Colour c :
       {colours::Black, colours::Purple, colours::Teal, colours::Red, colours::Blue,
        colours::Silver, colours::LightGrey, colours::Green, colours::Maroon})
    EXPECT_GT(CountColour(pic.image, c), 20) << std::hex << c;
  ASSERT_EQ(WritePng(pic.image, Folder() / "le-plus-charge.png"), std::nullopt);
}

}  // namespace
}  // namespace umbrix
