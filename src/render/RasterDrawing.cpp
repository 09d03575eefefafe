#include "render/RasterDrawing.h"

#include "render/BitmapFiles.h"
#include "render/DrawingFont.h"
#include "render/DrawingPalette.h"
#include "render/QtRasterCanvas.h"

namespace umbrix {

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
}

std::unique_ptr<Canvas> RasterDrawing::DrawOnBitmap(const DrawingFrame& frame) {
  return std::make_unique<QtRasterCanvas>(image_, frame,
                                          deskFont_ ? DeskDrawingFont() : DrawingFont());
}

void RasterDrawing::PresentDrawing() {
  if (present_) present_();
}

void RasterDrawing::DrawOuterFrame(Colour colour) {
  if (image_.isNull()) return;
  const int right = image_.width() - 1;
  const int bottom = image_.height() - 1;
  // pixel by pixel: a pen of width 0 would let the raster engine drop a corner
  const QRgb rgb = ToQRgb(colour);
  for (int x = 0; x <= right; ++x) {
    image_.setPixel(x, 0, rgb);
    image_.setPixel(x, bottom, rgb);
  }
  for (int y = 0; y <= bottom; ++y) {
    image_.setPixel(0, y, rgb);
    image_.setPixel(right, y, rgb);
  }
}

std::optional<Message> RasterDrawing::SaveDrawing(const std::filesystem::path& path) {
  return WriteBmp4(image_, path);
}

}  // namespace umbrix
