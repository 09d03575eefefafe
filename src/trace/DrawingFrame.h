#pragma once
// The drawing frame: the plate's extent in millimetres, the margin and the millimetre-to-pixel
// mapping shared by every surface.

#include "model/DialProject.h"

namespace umbrix {

/// Default margin before the font is measured; the program sets width("22") + 6 at start-up.
inline constexpr int kDefaultMarginPx = 20;

struct DrawingFrame {
  PlateWindow plate;
  int marginPx = kDefaultMarginPx;
  int widthPx = 0;   // bitmap width
  int heightPx = 0;  // bitmap height
  double MmPerPixelX = 0.0;
  double MmPerPixelY = 0.0;

  /// Recomputes `MmPerPixelX`/`MmPerPixelY` from the bitmap size and the plate.
  void ComputeScale();
  /// Pixel column of x (mm): Round((x - XMin) / MmPerPixelX) + MarginPx, quotient in extended
  /// precision, ties to even.
  int ToPixelX(double x) const;
  /// Pixel row of y (mm), Y flipped: YMin maps to height - 1 - MarginPx, YMax to MarginPx.
  int ToPixelY(double y) const;
  /// Margin in millimetres along X and Y.
  double MarginMmX() const { return marginPx * MmPerPixelX; }
  double MarginMmY() const { return marginPx * MmPerPixelY; }
};

/// Bitmap size that `FitDrawing` gives the plate in the room available (pixels left of the
/// report pane, above the comments pane), or no change for a rectangle not yet fully known.
struct FitResult {
  bool resized = false;
  int widthPx = 0;
  int heightPx = 0;
};
FitResult FitDrawingSize(const DialProject& project, int marginPx, int reportPaneLeft,
                         int commentsPaneTop);

}  // namespace umbrix
