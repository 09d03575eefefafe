#pragma once
// The drawing bitmap as a QImage, drawn on through the Qt raster canvas: the command line writes
// it to files; beside it, for a window, the same drawing smooth at the screen's resolution.

#include <QFont>
#include <QImage>
#include <QThreadPool>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Ports.h"
#include "trace/CanvasRecording.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

/// Texts' extents in one font, looked up by the text.
using TextExtents = std::map<std::string, TextExtent, std::less<>>;

class RasterDrawing final : public DrawingSurface {
 public:
  /// Needs a QGuiApplication (the margin is measured in the drawing font).
  RasterDrawing();

  /// The room the owner's layout leaves the drawing.
  void SetRoom(DrawingRoom room) { room_ = room; }
  /// Called on every `PresentDrawing` (the window repaints from the bitmap).
  void OnPresent(std::function<void()> present) { present_ = std::move(present); }
  /// The 16-colour drawing. With a screen image, finished drawings go to the screen at once and
  /// reach the bitmap only here, the first time it is read after them.
  const QImage& Bitmap() const;
  /// Keeps a smooth screen image beside the bitmap, `ratio` device pixels to each bitmap pixel
  /// (0: none). A new ratio gives the screen image the bitmap's content until the next drawing.
  void SetScreenRatio(double ratio);
  double ScreenRatio() const { return ratio_; }
  /// What a window shows: the screen image, or the bitmap when there is none.
  const QImage& ScreenImage() const { return ratio_ > 0 ? screen_ : Bitmap(); }
  /// The desk dial's smaller font and margin, or the usual ones.
  void UseDeskFont(bool desk);

  int DrawingMarginPx() const override { return margin_; }
  DrawingRoom Room() const override { return room_; }
  void ResizeDrawing(int widthPx, int heightPx) override;
  std::unique_ptr<Canvas> DrawOnBitmap(const DrawingFrame& frame) override;
  void PresentDrawing() override;
  void DrawOuterFrame(Colour colour) override;
  std::optional<Message> SaveDrawing(const std::filesystem::path& path) override;

 private:
  /// A drawing shown on the screen and not yet drawn on the bitmap, then the outer frame.
  struct Pending {
    DrawingFrame frame;
    QFont font;
    CanvasRecording calls;
    std::optional<Colour> ring;
  };
  /// Paints a finished drawing on the screen image.
  void PaintScreen(const DrawingFrame& frame, const QFont& font, const CanvasRecording& calls);
  /// Puts a finished screen drawing in line for the bitmap.
  void Defer(const DrawingFrame& frame, const QFont& font, CanvasRecording calls);
  /// Draws on the bitmap whatever is in line for it.
  void DrawPending() const;

  int margin_;
  bool deskFont_ = false;
  DrawingRoom room_;
  // the bitmap is brought up to date when read
  mutable QImage image_;
  mutable std::vector<Pending> pending_;
  double ratio_ = 0;
  QImage screen_;
  std::unique_ptr<QThreadPool> helper_;  // paints the lower rows of a tall screen image
  double split_ = 0.5;                   // the share of its rows the caller paints
  std::function<void()> present_;
  // the usual font's and the desk dial's: a drag measures the same labels at every step
  std::array<TextExtents, 2> extents_;
};

}  // namespace umbrix
