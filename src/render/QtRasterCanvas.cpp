#include "render/QtRasterCanvas.h"

#include <QFontMetrics>
#include <QPolygon>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "render/DrawingFont.h"
#include "render/DrawingPalette.h"

namespace umbrix {

namespace {

// 96 dots per inch, so that files written from the bitmap are the same on every machine.
constexpr int kDotsPerMetre = 3780;

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QImage NewDrawingImage(const DrawingFrame& frame) {
  QImage image(frame.widthPx, frame.heightPx, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMetre);
  image.setDotsPerMeterY(kDotsPerMetre);
  image.fill(ToQRgb(colours::White));
  return image;
}

QtRasterCanvas::QtRasterCanvas(QImage& image, const DrawingFrame& frame, const QFont& font)
    : frame_(frame), owned_(std::make_unique<QPainter>(&image)), painter_(*owned_), font_(font) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setFont(font_);
}

QImage NewScreenImage(const DrawingFrame& frame, double ratio) {
  const double r = std::max(ratio, 1.0);
  QImage image(static_cast<int>(std::ceil(frame.widthPx * r)),
               static_cast<int>(std::ceil(frame.heightPx * r)), QImage::Format_RGB32);
  image.setDevicePixelRatio(r);
  image.fill(ToQRgb(colours::White));
  return image;
}

QtRasterCanvas::QtRasterCanvas(QImage& image, const DrawingFrame& frame, const QFont& font,
                               Smooth smooth)
    : QtRasterCanvas(image, frame, font) {
  smooth_ = true;
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  // the same glyphs and advances as the bitmap's, with smooth edges; a font of its own (the
  // bitmap's has another strategy), which canvases painting bands on two threads cannot share
  font_.setStyleStrategy(QFont::PreferAntialias);
  painter_.setFont(font_);
  // a one-device-pixel line is sharp on a device pixel's centre: the one nearest the middle of
  // the frame's pixel
  const double own = image.devicePixelRatio();
  const double r = smooth.ratio > 0 ? smooth.ratio : own;
  deviceScale_ = r;
  deviceOffset_ = std::floor((r - 1) / 2) + 0.5;
  firstRow_ = smooth.firstRow;
  rows_ = image.height();
  // beyond the image's own ratio, which the painter applies itself, one matrix: a band of an
  // image of ratio 1 places every point exactly where the whole image would
  painter_.setWorldTransform(
      QTransform(r / own, 0, 0, r / own, deviceOffset_ / own, (deviceOffset_ - firstRow_) / own));
  if (image.format() == QImage::Format_RGB32) thin_.emplace(image, firstRow_);
}

QtRasterCanvas::QtRasterCanvas(QPainter& painter, const DrawingFrame& frame, double dotScale)
    : frame_(frame), painter_(painter), font_(DrawingFont()), dotScale_(dotScale) {
  font_.setPixelSize(std::max(1, static_cast<int>(std::lround(12 * dotScale))));
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setFont(font_);
}

QPen QtRasterCanvas::Pen(Colour colour) const {
  QPen pen(QColor::fromRgb(ToQRgb(colour)));
  if (dotScale_ > 1) {
    // a printed dot: the line is as wide as a screen pixel would be, and ends where it ends
    pen.setWidthF(dotScale_ * std::max(width_, 1));
    pen.setCapStyle(width_ == 0 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  } else if (width_ == 0) {
    pen.setWidth(0);  // cosmetic: one pixel whatever the transformation
  } else {
    pen.setWidth(width_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  switch (style_) {
    case PenStyle::Solid:
      pen.setStyle(Qt::SolidLine);
      break;
    case PenStyle::Dotted:
      pen.setStyle(Qt::DotLine);
      break;
    case PenStyle::Dashed:
      pen.setStyle(Qt::DashLine);
      break;
    case PenStyle::DashDot:
      pen.setStyle(Qt::DashDotLine);
      break;
  }
  return pen;
}

QFontMetrics QtRasterCanvas::Metrics() const {
  // a borrowed painter's device may not be 96 dpi; the bitmap's metrics stay the screen's
  return owned_ ? QFontMetrics(font_) : QFontMetrics(font_, painter_.device());
}

void QtRasterCanvas::SetPixel(QPoint at, Colour colour) {
  if (dotScale_ > 1 || smooth_) return;  // a wide or smooth pen covers its own end
  painter_.setPen(QPen(QColor::fromRgb(ToQRgb(colour)), 0));
  painter_.drawPoint(at);
}

void QtRasterCanvas::FillSurface(Colour colour) {
  if (smooth_) {
    // the whole image, whatever the shift of the lines
    painter_.save();
    painter_.resetTransform();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.fillRect(QRect(0, 0, painter_.device()->width(), painter_.device()->height()),
                      QColor::fromRgb(ToQRgb(colour)));
    painter_.restore();
    return;
  }
  const QRect whole = owned_ ? QRect(0, 0, painter_.device()->width(), painter_.device()->height())
                             : QRect(0, 0, frame_.widthPx, frame_.heightPx);
  painter_.fillRect(whole, QColor::fromRgb(ToQRgb(colour)));
}

void QtRasterCanvas::SetPenStyle(PenStyle style) {
  style_ = style;
  if (thin_) thin_->SetStyle(style);
}

bool QtRasterCanvas::DrawThin(Colour colour, std::span<const PointMm> points) {
  if (!thin_ || width_ != 0) return false;
  QPolygonF device;
  device.reserve(static_cast<qsizetype>(points.size()));
  for (const PointMm& p : points) {
    const QPoint at = Pixel(p);
    device.append(
        QPointF(at.x() * deviceScale_ + deviceOffset_, at.y() * deviceScale_ + deviceOffset_));
  }
  thin_->Draw(ToQRgb(colour), device);
  return true;
}

bool QtRasterCanvas::OutsideBand(int top, int bottom) const {
  if (!smooth_) return false;
  // a pixel's ink reaches half a pixel beyond it, a smooth edge one device pixel more
  const double first = (top - 1) * deviceScale_ + deviceOffset_ - firstRow_ - 1;
  const double last = (bottom + 1) * deviceScale_ + deviceOffset_ - firstRow_ + 1;
  return last < 0 || first >= rows_;
}

void QtRasterCanvas::DrawSegment(Colour colour, PointMm from, PointMm to) {
  const PointMm ends[] = {from, to};
  if (DrawThin(colour, ends)) return;
  const QPoint a = Pixel(from);
  const QPoint b = Pixel(to);
  painter_.setPen(Pen(colour));
  painter_.drawLine(a, b);
  SetPixel(b, colour);
}

void QtRasterCanvas::DrawPolyline(Colour colour, std::span<const PointMm> points) {
  if (points.empty() || DrawThin(colour, points)) return;
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const PointMm& p : points) polygon.append(Pixel(p));
  painter_.setPen(Pen(colour));
  painter_.drawPolyline(polygon);
  SetPixel(polygon.last(), colour);
}

void QtRasterCanvas::DrawMarker(Colour colour, PointMm at) {
  const QPoint p = Pixel(at);
  if (OutsideBand(p.y() - 2, p.y() + 2)) return;
  painter_.setPen(Pen(colour));
  painter_.setBrush(Qt::NoBrush);
  // The 5 x 5 pixel box from (px - 2, py - 2) to (px + 2, py + 2): the outline runs on its edges.
  if (dotScale_ > 1) {
    painter_.drawEllipse(
        QRectF(p.x() - 2 * dotScale_, p.y() - 2 * dotScale_, 4 * dotScale_, 4 * dotScale_));
    return;
  }
  painter_.drawEllipse(QRect(p.x() - 2, p.y() - 2, 4, 4));
}

void QtRasterCanvas::DrawLabel(std::string_view text, const LabelPlacement& at) {
  const QString s = ToQString(text);
  const QFontMetrics metrics = Metrics();
  const int w = metrics.horizontalAdvance(s);
  const int h = metrics.height();
  const int left = at.px - (w + 1) / 2 + 1;  // ceil(w / 2) for a non-negative width
  const int top = at.py - (h + 1) / 2 + 1;
  if (OutsideBand(top - 4, top + h + 4)) return;  // accents and descenders beyond the metrics
  painter_.setPen(QPen(QColor::fromRgb(ToQRgb(colours::Black)), 0));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawText(QPoint(left, top + metrics.ascent()), s);
}

void QtRasterCanvas::DrawFilledPolygon(Colour colour, std::span<const PointMm> points) {
  if (points.empty()) return;
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const PointMm& p : points) polygon.append(Pixel(p));
  const QRect box = polygon.boundingRect();
  if (OutsideBand(box.top(), box.bottom())) return;
  const QColor c = QColor::fromRgb(ToQRgb(colour));
  painter_.setPen(QPen(c, 0));
  painter_.setBrush(c);
  painter_.drawPolygon(polygon, Qt::OddEvenFill);
  painter_.setBrush(Qt::NoBrush);
}

TextExtent TextExtentIn(const QFontMetrics& metrics, std::string_view text) {
  return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

TextExtent QtRasterCanvas::MeasureText(std::string_view text) const {
  return TextExtentIn(Metrics(), text);
}

}  // namespace umbrix
