#pragma once
// The drawing frame: the plate's extent in millimetres, the margin and the millimetre-to-pixel
// mapping shared by every surface.

#include <string>

#include "model/DialProject.h"
#include "trace/Canvas.h"

namespace umbrix {

/// Default margin before the font is measured; the program sets width("22") + 6 at start-up.
inline constexpr int kDefaultMarginPx = 20;

/// The largest pixel coordinate a conversion gives, either way: far beyond any bitmap, and small
/// enough that adding a margin, a label's width or a marker's box never overflows an int.
inline constexpr int kPixelLimit = 1 << 22;

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
  /// precision, ties to even; the rounded quotient saturates at ±`kPixelLimit` (a quotient that
  /// is not a number gives -`kPixelLimit`) instead of overflowing.
  int ToPixelX(double x) const;
  /// Pixel row of y (mm), Y flipped: YMin maps to height - 1 - MarginPx, YMax to MarginPx;
  /// saturated as `ToPixelX`.
  int ToPixelY(double y) const;
  /// Margin in millimetres along X and Y.
  double MarginMmX() const { return marginPx * MmPerPixelX; }
  double MarginMmY() const { return marginPx * MmPerPixelY; }
  /// The plate widened by the margin on every side (mm): the whole bitmap, where the
  /// shadow-caster and its shadow may stand.
  PlateWindow FrameWindow() const;
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

/// "(X, Y)" of a clip point, each coordinate to 0.1 mm in the general format, or "-L"/"L" when it
/// equals the lower/upper bound of the window exactly (a line running to the plate's edge).
std::string FormatPoint(PointMm p, const PlateWindow& window);

/// Where the label of a line ending at `end` (mm) with direction (dx, dy) goes: half a margin
/// beyond the end, inside the plate when it stays clear of the edges, else centred in the margin.
LabelPlacement PlaceLabel(const DrawingFrame& frame, PointMm end, double dx, double dy);

}  // namespace umbrix
