#include "app/ScreenDrawing.h"

namespace umbrix {

DrawingFrame ScreenDrawing::FrameFor(const PlateWindow& plate) const {
  DrawingFrame frame = frame_;
  frame.plate = plate;
  frame.ComputeScale();
  return frame;
}

bool ScreenDrawing::Fit(const DialProject& project) {
  const int margin = surface_.DrawingMarginPx();
  const DrawingRoom room = surface_.Room();
  const FitResult fit = FitDrawingSize(project, margin, room.reportPaneLeft, room.commentsPaneTop);
  if (!fit.resized) return false;
  frame_.marginPx = margin;
  frame_.widthPx = fit.widthPx;
  frame_.heightPx = fit.heightPx;
  frame_ = FrameFor(project.Plate);
  surface_.ResizeDrawing(fit.widthPx, fit.heightPx);
  return true;
}

void ScreenDrawing::Resize(int widthPx, int heightPx) {
  frame_.marginPx = surface_.DrawingMarginPx();
  frame_.widthPx = widthPx;
  frame_.heightPx = heightPx;
  frame_.ComputeScale();
  surface_.ResizeDrawing(widthPx, heightPx);
}

void ScreenDrawing::Draw(const PlateWindow& plate, const DialTracer& draw) {
  frame_ = FrameFor(plate);
  {
    const auto canvas = surface_.DrawOnBitmap(frame_);
    draw(*canvas, frame_);
  }
  surface_.PresentDrawing();
}

void ScreenDrawing::Blank() {
  {
    const auto canvas = surface_.DrawOnBitmap(frame_);
    canvas->FillSurface(colours::White);
  }
  surface_.PresentDrawing();
}

void ScreenDrawing::ShowOuterFrame(Colour colour) {
  surface_.DrawOuterFrame(colour);
  surface_.PresentDrawing();
}

}  // namespace umbrix
