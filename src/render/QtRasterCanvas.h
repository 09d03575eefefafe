#pragma once
// The drawing primitives on the drawing bitmap through QPainter: the screen, printing and bitmap
// export all draw here.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "render/DrawingFont.h"
#include "render/ThinLines.h"
#include "trace/Canvas.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

/// A white drawing bitmap of the frame's size (Format_RGB32, 96 dpi).
QImage NewDrawingImage(const DrawingFrame& frame);
/// A white screen image of the frame's size in device-independent pixels, `ratio` device pixels
/// to each (at least 1).
QImage NewScreenImage(const DrawingFrame& frame, double ratio);
/// A text's extent in `metrics`: its advance and the font's line height (pixels).
TextExtent TextExtentIn(const QFontMetrics& metrics, std::string_view text);

/// Paints each primitive in pixels of `frame` (its `ToPixelX`/`ToPixelY`): one-pixel lines with
/// their end pixel set, no antialiasing, the dotted pen, the 3-pixel gnomon pen, markers on a
/// 5-pixel box, labels centred on their pixel in the drawing font. Filled quads are for vector
/// surfaces and are ignored. The image holds the whole drawing once the canvas is destroyed.
class QtRasterCanvas : public Canvas {
 public:
  /// `image` (Format_RGB32, the frame's size) and `frame` must outlive the canvas.
  QtRasterCanvas(QImage& image, const DrawingFrame& frame, const QFont& font = DrawingFont());
  /// Paints on a screen image (`NewScreenImage`), or a band of its rows, in the frame's pixels
  /// with antialiased lines and text: a one-pixel line is one device pixel wide whatever the
  /// ratio, and lines run through the middle of their pixels. Text is measured as on the bitmap.
  /// A band's pixels are those of the whole image's rows, so a picture painted band by band has
  /// no seams.
  struct Smooth {
    double ratio = 0;  // device pixels to a frame pixel; 0: the image's own ratio
    int firstRow = 0;  // the whole image's row that is this image's first
  };
  QtRasterCanvas(QImage& image, const DrawingFrame& frame, const QFont& font, Smooth);
  /// Paints through a painter already begun on any device (a printer's page, a PDF) in the
  /// frame's pixels, every dot `dotScale` device pixels wide: pens, marker boxes and the label
  /// font grow by it, and lines end flat where the pen is wider than a pixel. The whole-surface
  /// fill covers the frame. `painter` and `frame` must outlive the canvas.
  QtRasterCanvas(QPainter& painter, const DrawingFrame& frame, double dotScale);

  void FillSurface(Colour colour) override;
  void SetPenStyle(PenStyle style) override;
  void SetPenWidth(int pixels) override { width_ = pixels; }
  void DrawSegment(Colour colour, PointMm from, PointMm to) override;
  void DrawPolyline(Colour colour, std::span<const PointMm> points) override;
  void DrawMarker(Colour colour, PointMm at) override;
  /// The text centred on the placement's pixel: top left at (px - ceil(w/2) + 1,
  /// py - ceil(h/2) + 1), black, over a clear background.
  void DrawLabel(std::string_view text, const LabelPlacement& at) override;
  void DrawFilledPolygon(Colour colour, std::span<const PointMm> points) override;
  void DrawFilledQuads(Colour, std::span<const PointMm>) override {}
  TextExtent MeasureText(std::string_view text) const override;

 private:
  QPoint Pixel(PointMm p) const { return {frame_.ToPixelX(p.x), frame_.ToPixelY(p.y)}; }
  /// The font's metrics on the canvas's device.
  QFontMetrics Metrics() const;
  /// The pen of the current style and width in a colour.
  QPen Pen(Colour colour) const;
  /// The last pixel of a line, which line drawing may leave out.
  void SetPixel(QPoint at, Colour colour);
  /// Draws a one-pixel line of the smooth image through `thin_`; false for any other line.
  bool DrawThin(Colour colour, std::span<const PointMm> points);
  /// Whether frame pixel rows `top` to `bottom` fall wholly outside a smooth image's band.
  bool OutsideBand(int top, int bottom) const;

  const DrawingFrame& frame_;
  std::unique_ptr<QPainter> owned_;
  QPainter& painter_;
  QFont font_;
  double dotScale_ = 1.0;
  bool smooth_ = false;
  std::optional<ThinLines> thin_;  // the smooth image's one-pixel lines
  // a frame pixel's device coordinate: pixel * scale + offset (the middle of its device pixel),
  // less the band's first row for a row
  double deviceScale_ = 1.0;
  double deviceOffset_ = 0.5;
  int firstRow_ = 0;
  int rows_ = 0;  // the image's height in pixels
  PenStyle style_ = PenStyle::Solid;
  int width_ = 0;  // pixels
};

}  // namespace umbrix
