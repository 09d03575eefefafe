#pragma once
// Frames and pixel helpers for the raster tests.

#include <QImage>
#include <QRect>

#include <set>

#include "render/DrawingPalette.h"
#include "trace/DrawingFrame.h"

namespace umbrix::testing {

/// A 100 mm square plate at 4 px/mm with a 20-pixel margin: 441 x 441 pixels, 0.25 mm a pixel;
/// the centre (0, 0) is pixel (220, 220).
inline DrawingFrame RasterFrame(double side = 100) {
  DrawingFrame f;
  f.plate = {-side / 2, side / 2, -side / 2, side / 2};
  f.marginPx = 20;
  f.widthPx = static_cast<int>(side) * 4 + 41;
  f.heightPx = f.widthPx;
  f.ComputeScale();
  return f;
}

/// The smallest rectangle holding every pixel that is not white; empty when there is none.
inline QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) box |= QRect(x, y, 1, 1);
  return box;
}

inline bool IsColour(const QImage& image, int x, int y, Colour colour) {
  return (image.pixel(x, y) | 0xFF000000u) == ToQRgb(colour);
}

inline std::set<QRgb> ColoursOf(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) | 0xFF000000u);
  return colours;
}

}  // namespace umbrix::testing
