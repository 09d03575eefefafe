#include "render/ThinLines.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace umbrix {

namespace {

/// `colour` laid over `pixel` with `alpha` (0 to 255), each channel rounded to the nearest: red
/// and blue side by side in two 16-bit lanes, x / 255 rounded being (y + (y >> 8)) >> 8 with
/// y = x + 128.
inline void Blend(QRgb* pixel, QRgb colour, quint32 alpha) {
  if (alpha == 0) return;
  if (alpha >= 255) {
    *pixel = colour | 0xff000000u;
    return;
  }
  const QRgb under = *pixel;
  const quint32 rest = 255 - alpha;
  quint32 rb = (colour & 0xff00ffu) * alpha + (under & 0xff00ffu) * rest + 0x800080u;
  rb = ((rb + ((rb >> 8) & 0xff00ffu)) >> 8) & 0xff00ffu;
  quint32 g = ((colour >> 8) & 0xffu) * alpha + ((under >> 8) & 0xffu) * rest + 0x80u;
  g = (g + (g >> 8)) >> 8;
  *pixel = 0xff000000u | rb | (g << 8);
}

}  // namespace

void ThinLines::SetStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Solid:
      dashes_ = 0;
      break;
    case PenStyle::Dotted:
      pattern_ = {1, 2};
      dashes_ = 2;
      break;
    case PenStyle::Dashed:
      pattern_ = {4, 2};
      dashes_ = 2;
      break;
    case PenStyle::DashDot:
      pattern_ = {4, 2, 1, 2};
      dashes_ = 4;
      break;
  }
  period_ = 0;
  for (std::size_t i = 0; i < dashes_; ++i) period_ += pattern_[i];
  perPeriod_ = period_ > 0 ? 1 / period_ : 0;
}

void ThinLines::Draw(QRgb colour, std::span<const QPointF> points) {
  if (points.empty() || image_.format() != QImage::Format_RGB32) return;
  pixels_ = reinterpret_cast<QRgb*>(image_.bits());
  stride_ = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  width_ = image_.width();
  height_ = image_.height();
  colour_ = colour;
  double along = 0;
  bool drawn = false;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const QPointF a = points[i - 1];
    const QPointF b = points[i];
    if (a == b) continue;
    Piece(a, b, along);
    along += std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    drawn = true;
  }
  if (!drawn) {
    const QPointF p = points.front();
    if (p.x() >= 0 && p.y() >= firstRow_ && p.x() < width_ && p.y() < firstRow_ + height_) {
      const int row = static_cast<int>(p.y()) - firstRow_;
      Blend(pixels_ + row * stride_ + static_cast<int>(p.x()), colour_, 255);
    }
  }
}

inline bool ThinLines::On(double along) const {
  // along is never negative: truncation is the floor
  double at = along - period_ * static_cast<double>(static_cast<long long>(along * perPeriod_));
  for (std::size_t i = 0; i < dashes_; ++i) {
    if (at < pattern_[i]) return i % 2 == 0;
    at -= pattern_[i];
  }
  return true;
}

void ThinLines::Piece(QPointF from, QPointF to, double along) {
  // u along the piece's longer axis, v across it; the image's extent along each, in the whole
  // picture's pixels
  const bool steep = std::abs(to.y() - from.y()) >= std::abs(to.x() - from.x());
  const double u0 = steep ? from.y() : from.x();
  const double u1 = steep ? to.y() : to.x();
  const double v0 = steep ? from.x() : from.y();
  const double slope = ((steep ? to.x() : to.y()) - v0) / (u1 - u0);
  const int uFirst = steep ? firstRow_ : 0;
  const int uEnd = steep ? firstRow_ + height_ : width_;
  const int vFirst = steep ? 0 : firstRow_;
  const int vEnd = steep ? width_ : firstRow_ + height_;
  double low = std::min(u0, u1);
  double high = std::max(u0, u1);
  // only where the line crosses the image, and two pixels beyond so that the rows cut are
  // outside it: a saturated end lies far away, and a band's edge must not change its pixels
  if (slope != 0) {
    const double a = u0 + (vFirst - 2 - v0) / slope;
    const double b = u0 + (vEnd + 2 - v0) / slope;
    low = std::max(low, std::min(a, b));
    high = std::min(high, std::max(a, b));
  } else if (v0 < vFirst - 2 || v0 > vEnd + 2) {
    return;
  }
  low = std::max(low, static_cast<double>(uFirst));
  high = std::min(high, static_cast<double>(uEnd));
  if (!(low < high)) return;
  // each pixel computed from the piece's ends in the whole picture's pixels, never stepped from
  // its neighbour nor moved to the image's, so that it comes out the same in every band
  const bool dashed = dashes_ > 0;
  // a pixel's place in the image from its row and column along and across the piece
  const qsizetype uStep = steep ? stride_ : 1;
  const qsizetype vStep = steep ? 1 : stride_;
  const qsizetype above = static_cast<qsizetype>(firstRow_) * stride_;
  for (int row = static_cast<int>(low); row < high; ++row) {
    // the dash of the row's middle: the same for the two pieces that share a row
    if (dashed && !On(along + std::abs(row + 0.5 - u0))) continue;
    const double begin = std::max<double>(row, low);
    const double end = std::min<double>(row + 1, high);
    // the two pixels whose centres straddle the line, by their distance to it; the truncation
    // is a floor, `across` being at least -1
    const double across = v0 + ((begin + end) / 2 - u0) * slope - 0.5;
    if (across < vFirst - 1 || across >= vEnd) continue;
    const int nearest = static_cast<int>(across + 1) - 1;
    const int share = static_cast<int>((end - begin) * 255 + 0.5);
    const int second = static_cast<int>((across - nearest) * share + 0.5);
    QRgb* const at = pixels_ + (row * uStep + nearest * vStep - above);
    if (nearest >= vFirst) Blend(at, colour_, static_cast<quint32>(share - second));
    if (nearest + 1 < vEnd) Blend(at + vStep, colour_, static_cast<quint32>(second));
  }
}

}  // namespace umbrix
