#include "render/RasterDrawing.h"

#include "render/DrawingFont.h"
#include "render/QtRasterCanvas.h"

namespace umbrix {

RasterDrawing::RasterDrawing() : margin_(MeasureMargin()) {}

void RasterDrawing::ResizeDrawing(int widthPx, int heightPx) {
  DrawingFrame frame;
  frame.widthPx = widthPx;
  frame.heightPx = heightPx;
  image_ = NewDrawingImage(frame);
}

std::unique_ptr<Canvas> RasterDrawing::DrawOnBitmap(const DrawingFrame& frame) {
  return std::make_unique<QtRasterCanvas>(image_, frame);
}

void RasterDrawing::PresentDrawing() {
  if (present_) present_();
}

}  // namespace umbrix
