#include "render/RasterDrawing.h"

#include <QPainter>
#include <cctype>

#include "render/BitmapFiles.h"
#include "render/DrawingFont.h"
#include "render/DrawingPalette.h"
#include "render/QtRasterCanvas.h"

namespace umbrix {

namespace {

/// Every primitive on two canvases: the bitmap, which measures the text, and the screen image.
class BothCanvases final : public Canvas {
 public:
  BothCanvases(QImage& bitmap, QImage& screen, const DrawingFrame& frame, const QFont& font)
      : bitmap_(bitmap, frame, font), screen_(screen, frame, font, QtRasterCanvas::Smooth{}) {}

  void FillSurface(Colour colour) override {
    bitmap_.FillSurface(colour);
    screen_.FillSurface(colour);
  }
  void SetPenStyle(PenStyle style) override {
    bitmap_.SetPenStyle(style);
    screen_.SetPenStyle(style);
  }
  void SetPenWidth(int pixels) override {
    bitmap_.SetPenWidth(pixels);
    screen_.SetPenWidth(pixels);
  }
  void DrawSegment(Colour colour, PointMm from, PointMm to) override {
    bitmap_.DrawSegment(colour, from, to);
    screen_.DrawSegment(colour, from, to);
  }
  void DrawPolyline(Colour colour, std::span<const PointMm> points) override {
    bitmap_.DrawPolyline(colour, points);
    screen_.DrawPolyline(colour, points);
  }
  void DrawMarker(Colour colour, PointMm at) override {
    bitmap_.DrawMarker(colour, at);
    screen_.DrawMarker(colour, at);
  }
  void DrawLabel(std::string_view text, const LabelPlacement& at) override {
    bitmap_.DrawLabel(text, at);
    screen_.DrawLabel(text, at);
  }
  void DrawFilledPolygon(Colour colour, std::span<const PointMm> points) override {
    bitmap_.DrawFilledPolygon(colour, points);
    screen_.DrawFilledPolygon(colour, points);
  }
  void DrawFilledQuads(Colour colour, std::span<const PointMm> corners) override {
    bitmap_.DrawFilledQuads(colour, corners);
    screen_.DrawFilledQuads(colour, corners);
  }
  TextExtent MeasureText(std::string_view text) const override { return bitmap_.MeasureText(text); }

 private:
  QtRasterCanvas bitmap_;
  QtRasterCanvas screen_;
};

/// The outermost ring of the image's pixels set to `rgb`.
void OuterRing(QImage& image, QRgb rgb) {
  const int right = image.width() - 1;
  const int bottom = image.height() - 1;
  for (int x = 0; x <= right; ++x) {
    image.setPixel(x, 0, rgb);
    image.setPixel(x, bottom, rgb);
  }
  for (int y = 0; y <= bottom; ++y) {
    image.setPixel(0, y, rgb);
    image.setPixel(right, y, rgb);
  }
}

}  // namespace

RasterDrawing::RasterDrawing() : margin_(MeasureMargin()) {}

void RasterDrawing::UseDeskFont(bool desk) {
  deskFont_ = desk;
  margin_ = desk ? MeasureDeskMargin() : MeasureMargin();
}

void RasterDrawing::ResizeDrawing(int widthPx, int heightPx) {
  DrawingFrame frame;
  frame.widthPx = widthPx;
  frame.heightPx = heightPx;
  image_ = NewDrawingImage(frame);
  if (ratio_ > 0) screen_ = NewScreenImage(frame, ratio_);
}

void RasterDrawing::SetScreenRatio(double ratio) {
  if (ratio == ratio_) return;
  ratio_ = ratio;
  // no drawing yet: the first `ResizeDrawing` makes the screen image
  if (ratio_ <= 0 || image_.isNull()) {
    screen_ = QImage();
    return;
  }
  DrawingFrame frame;
  frame.widthPx = image_.width();
  frame.heightPx = image_.height();
  screen_ = NewScreenImage(frame, ratio_);
  QPainter painter(&screen_);
  painter.drawImage(QRectF(0, 0, frame.widthPx, frame.heightPx), image_);
}

std::unique_ptr<Canvas> RasterDrawing::DrawOnBitmap(const DrawingFrame& frame) {
  const QFont font = deskFont_ ? DeskDrawingFont() : DrawingFont();
  if (ratio_ > 0 && !screen_.isNull()) {
    return std::make_unique<BothCanvases>(image_, screen_, frame, font);
  }
  return std::make_unique<QtRasterCanvas>(image_, frame, font);
}

void RasterDrawing::PresentDrawing() {
  if (present_) present_();
}

void RasterDrawing::DrawOuterFrame(Colour colour) {
  if (image_.isNull()) return;
  // pixel by pixel: a pen of width 0 would let the raster engine drop a corner
  OuterRing(image_, ToQRgb(colour));
  // on the screen, the outermost ring of device pixels
  if (ratio_ > 0 && !screen_.isNull()) OuterRing(screen_, ToQRgb(colour));
}

std::optional<Message> RasterDrawing::SaveDrawing(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  // a PNG is the picture the screen shows, smooth and at its resolution; any other name the
  // 16-colour bitmap
  if (extension == ".png") return WriteSmoothPng(ScreenImage(), path);
  return WriteBmp4(image_, path);
}

}  // namespace umbrix
