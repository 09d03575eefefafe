#pragma once
// The drawing the screen shows: its frame (size, margin, plate) and the bitmap behind it. The
// session traces on it; the desk dial sizes it; the prints and the mouse read its frame and
// margin. Whatever else is drawn (a print, an export) draws on a surface of its own.

#include <filesystem>
#include <functional>
#include <optional>

#include "app/Ports.h"
#include "model/DialProject.h"
#include "model/Message.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

class ScreenDrawing {
 public:
  /// `surface` must outlive this.
  explicit ScreenDrawing(DrawingSurface& surface) : surface_(surface) {}
  ScreenDrawing(const ScreenDrawing&) = delete;
  ScreenDrawing& operator=(const ScreenDrawing&) = delete;

  /// The frame of the last drawing: bitmap pixels, margin and plate.
  const DrawingFrame& Frame() const { return frame_; }
  /// `MarginPx` in the bitmap's font as it stands.
  int MarginPx() const { return surface_.DrawingMarginPx(); }
  /// The screen's frame with the plate `plate` and its scale (the bitmap keeps its size).
  DrawingFrame FrameFor(const PlateWindow& plate) const;

  /// The bitmap fitted to the room the window leaves it for `project`'s plate; false when its
  /// size stays as it is (nothing is drawn either way).
  bool Fit(const DialProject& project);
  /// The bitmap given `widthPx` x `heightPx` pixels in the margin the surface has now.
  void Resize(int widthPx, int heightPx);
  /// The frame follows `plate`, `draw` draws on the bitmap in its pixels, and the bitmap shows.
  void Draw(const PlateWindow& plate, const DialTracer& draw);
  /// The bitmap filled with white and shown.
  void Blank();
  /// The closed one-pixel line through the bitmap's corner pixels (the interactive frame), shown.
  void ShowOuterFrame(Colour colour);
  /// The bitmap as it stands written to `path`; the failure message.
  std::optional<Message> SaveBitmap(const std::filesystem::path& path) const {
    return surface_.SaveDrawing(path);
  }

 private:
  DrawingSurface& surface_;
  DrawingFrame frame_;
};

}  // namespace umbrix
