#include "render/ThinLines.h"

#include <gtest/gtest.h>

#include <string>

namespace umbrix {
namespace {

// Dots and dashes as a one-pixel Qt pen lays them, along a flat line and a steep one, carried
// on from piece to piece of a line.
TEST(ThinLines, PatternsAreInDevicePixelsAlongTheLongerAxisAcrossPieces) {
  const struct {
    PenStyle style;
    const char* ink;  // the first 18 pixels from the line's start: X inked
  } rows[] = {
      {PenStyle::Solid, "XXXXXXXXXXXXXXXXXX"},
      {PenStyle::Dotted, "X..X..X..X..X..X.."},
      {PenStyle::Dashed, "XXXX..XXXX..XXXX.."},
      {PenStyle::DashDot, "XXXX..X..XXXX..X.."},
  };
  for (const auto& row : rows) {
    for (const bool steep : {false, true}) {
      QImage image(40, 40, QImage::Format_RGB32);
      image.fill(qRgb(255, 255, 255));
      ThinLines lines(image);
      lines.SetStyle(row.style);
      // three pieces meeting at pixel centres
      const QPointF flat[] = {{0.5, 10.5}, {7.5, 10.5}, {11.5, 10.5}, {30.5, 10.5}};
      const QPointF tall[] = {{10.5, 0.5}, {10.5, 7.5}, {10.5, 11.5}, {10.5, 30.5}};
      lines.Draw(qRgb(0, 0, 0), steep ? tall : flat);
      std::string ink;
      for (int i = 0; i < 18; ++i) {
        const QRgb pixel = steep ? image.pixel(10, i) : image.pixel(i, 10);
        ink += qGray(pixel) < 255 ? 'X' : '.';
      }
      EXPECT_EQ(ink, row.ink) << static_cast<int>(row.style) << (steep ? " steep" : " flat");
    }
  }
}

}  // namespace
}  // namespace umbrix
