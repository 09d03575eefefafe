#pragma once
// Antialiased lines one device pixel wide written straight into an RGB32 image: the screen
// drawing's thin lines, painted in bands on two threads. Qt's raster engine blends such a line
// one pixel span at a time, and a line it clips at a band's edge starts its dashes again there.

#include <QImage>
#include <QPointF>
#include <QRgb>
#include <array>
#include <cstddef>
#include <span>

#include "trace/Canvas.h"

namespace umbrix {

class ThinLines {
 public:
  /// `image` (Format_RGB32) must outlive the object; its pixels are written in place. It holds
  /// the rows of a whole picture from `firstRow` on.
  explicit ThinLines(QImage& image, int firstRow = 0) : image_(image), firstRow_(firstRow) {}

  /// The lines to come dotted or dashed as a one-pixel Qt pen is (dots of 1 on 2, dashes of 4
  /// on 2, dash-dot 4, 2, 1, 2), counted in device pixels along each piece's longer axis from
  /// the line's first point and carried on from one piece to the next.
  void SetStyle(PenStyle style);

  /// The line through `points` (the whole picture's pixels, a pixel's centre at +0.5). Each
  /// pixel row (or column, for a flat piece) it crosses is shared between the two pixels nearest
  /// the line, by their distance to it; the piece's first and last rows by the length of it they
  /// hold, so two pieces meeting at a point share that row's ink instead of doubling it. A line
  /// of one point, or of points all alike, is that point's pixel. What falls outside the image
  /// is left out, and the pixels inside are the same whatever rows it holds: a picture drawn in
  /// bands has no seams.
  void Draw(QRgb colour, std::span<const QPointF> points);

 private:
  /// One piece, `along` device pixels of the pattern spent before it.
  void Piece(QPointF from, QPointF to, double along);
  /// Whether the pattern is on `along` device pixels from the line's start.
  bool On(double along) const;

  QImage& image_;
  int firstRow_;
  std::array<double, 4> pattern_{};  // on, off, on, off… (device pixels)
  std::size_t dashes_ = 0;           // 0: solid
  double period_ = 0;
  double perPeriod_ = 0;  // 1 / period_
  // the image's pixels and the colour, taken at each line
  QRgb* pixels_ = nullptr;
  qsizetype stride_ = 0;  // pixels from one row to the next
  int width_ = 0;
  int height_ = 0;
  QRgb colour_ = 0;
};

}  // namespace umbrix
