#include "render/DrawingPalette.h"

#include <gtest/gtest.h>

namespace umbrix {
namespace {

TEST(DrawingPalette, SixteenColoursInFileOrder) {
  const QList<QRgb> expected = {
      qRgb(0, 0, 0),       qRgb(128, 128, 128), qRgb(128, 128, 128), qRgb(208, 208, 208),
      qRgb(192, 192, 192), qRgb(255, 255, 255), qRgb(0, 128, 0),     qRgb(128, 0, 0),
      qRgb(128, 0, 128),   qRgb(0, 128, 128),   qRgb(255, 0, 0),     qRgb(255, 255, 0),
      qRgb(0, 255, 0),     qRgb(0, 255, 255),   qRgb(0, 0, 255),     qRgb(255, 0, 255)};
  EXPECT_EQ(DrawingColourTable(), expected);
}

TEST(DrawingPalette, TracerColoursAreBlueGreenRed) {
  EXPECT_EQ(ToQRgb(colours::Red), qRgb(255, 0, 0));
  EXPECT_EQ(ToQRgb(colours::Blue), qRgb(0, 0, 255));
  EXPECT_EQ(ToQRgb(colours::Maroon), qRgb(128, 0, 0));
  EXPECT_EQ(ToQRgb(colours::Teal), qRgb(0, 128, 128));
}

TEST(DrawingPalette, EveryTracerColourIsInThePalette) {
  for (const Colour c : {colours::Black, colours::Grey, colours::LightGrey, colours::Silver,
                         colours::White, colours::Green, colours::Maroon, colours::Purple,
                         colours::Teal, colours::Red, colours::Blue})
    EXPECT_EQ(ToQRgb(kDrawingPalette[static_cast<std::size_t>(PaletteIndexOf(ToQRgb(c)))]),
              ToQRgb(c))
        << std::hex << c;
}

TEST(DrawingPalette, IndexIsTheFirstExactEntryElseTheNearest) {
  EXPECT_EQ(PaletteIndexOf(qRgb(128, 128, 128)), 1);  // the first of the two greys
  EXPECT_EQ(PaletteIndexOf(qRgb(255, 255, 255)), 5);
  EXPECT_EQ(PaletteIndexOf(qRgb(255, 0, 255)), 15);
  EXPECT_EQ(PaletteIndexOf(qRgb(3, 2, 1)), 0);
  EXPECT_EQ(PaletteIndexOf(qRgb(250, 10, 5)), 10);  // red
}

}  // namespace
}  // namespace umbrix
