#include "trace/DrawingFrame.h"

#include <algorithm>
#include <cmath>

#include "model/Numbers.h"

namespace umbrix {

namespace {

// Pixels across the plate proper: the bitmap minus both margins and the closing pixel. Kept at
// least 1 so that a window too small for the plate never yields an infinite or negative scale.
int PlatePixels(int bitmapPx, int marginPx) { return std::max(1, bitmapPx - 2 * marginPx - 1); }

// "L" for the upper bound, "-L" for the lower bound, else the coordinate to 0.1 mm.
std::string FormatCoordinate(double v, double lower, double upper) {
  if (v == lower) return "-L";
  if (v == upper) return "L";
  return FormatGeneral(RoundScaled(10, v));
}

// A quotient in pixels rounded and held within the conversions' limits; a quotient that is not
// a number lands off the bitmap.
int SaturatedPixels(long double q) {
  const long double rounded = RoundHalfEvenLong(q);
  if (std::isnan(rounded)) return -kPixelLimit;
  return static_cast<int>(std::clamp(rounded, static_cast<long double>(-kPixelLimit),
                                     static_cast<long double>(kPixelLimit)));
}

}  // namespace

void DrawingFrame::ComputeScale() {
  MmPerPixelX = (plate.XMax - plate.XMin) / PlatePixels(widthPx, marginPx);
  MmPerPixelY = (plate.YMax - plate.YMin) / PlatePixels(heightPx, marginPx);
}

int DrawingFrame::ToPixelX(double x) const {
  const long double q = (static_cast<long double>(x) - static_cast<long double>(plate.XMin)) /
                        static_cast<long double>(MmPerPixelX);
  return SaturatedPixels(q) + marginPx;
}

int DrawingFrame::ToPixelY(double y) const {
  const long double q = (static_cast<long double>(y) - static_cast<long double>(plate.YMin)) /
                        static_cast<long double>(MmPerPixelY);
  return (heightPx - 1 - marginPx) - SaturatedPixels(q);
}

PlateWindow DrawingFrame::FrameWindow() const {
  const double mx = MarginMmX();
  const double my = MarginMmY();
  return {plate.XMin - mx, plate.XMax + mx, plate.YMin - my, plate.YMax + my};
}

FitResult FitDrawingSize(const DialProject& project, int marginPx, int reportPaneLeft,
                         int commentsPaneTop) {
  const PlateWindow& w = project.Plate;
  const double width = w.XMax - w.XMin;
  const double height = w.YMax - w.YMin;
  // A rectangular plate is fitted only once both of its sides are known.
  if (height != width && (!project.Coteh.given || !project.Cotel.given)) return {};
  const double availableW = reportPaneLeft - 2 * marginPx - 9;   // pixels
  const double availableH = commentsPaneTop - 2 * marginPx - 9;  // pixels
  // Pixels per millimetre; never negative, so a crushed window keeps a one-pixel plate.
  const double k = std::max(0.0, std::min(availableH / height, availableW / width));
  const auto side = [&](double mm) {
    const int inner = SaturatedPixels(static_cast<long double>(mm) * k);
    return std::max(inner, 1) + 2 * marginPx + 1;
  };
  return {true, side(width), side(height)};
}

std::string FormatPoint(PointMm p, const PlateWindow& w) {
  return "(" + FormatCoordinate(p.x, w.XMin, w.XMax) + ", " +
         FormatCoordinate(p.y, w.YMin, w.YMax) + ")";
}

LabelPlacement PlaceLabel(const DrawingFrame& frame, PointMm end, double dx, double dy) {
  const PlateWindow& w = frame.plate;
  const double h = frame.marginPx * frame.MmPerPixelX / 2;  // mm
  double x = end.x;
  double y = end.y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length > 0) {  // a line without direction keeps its label on its end
    x += h * dx / length;
    y += h * dy / length;
  }
  LabelPlacement at;
  at.lineEnd = end;
  at.direction = {dx, dy};
  if (w.XMin + h < x && x < w.XMax - h && w.YMin + h < y && y < w.YMax - h) {
    at.mm = {x, y};
    at.px = frame.ToPixelX(x);
    at.py = frame.ToPixelY(y);
    at.inPlate = true;
    return at;
  }
  const int halfMargin = static_cast<int>(RoundHalfEven(frame.marginPx / 2.0));
  at.inPlate = false;
  if (std::fabs(x) - w.XMax >= std::fabs(y) - w.YMax) {
    at.py = frame.ToPixelY(y);
    if (x >= 0) {
      at.px = frame.widthPx - halfMargin - 1;
      at.mm = {w.XMax + h, y};
    } else {
      at.px = halfMargin;
      at.mm = {w.XMin - h, y};
    }
  } else {
    at.px = frame.ToPixelX(x);
    if (y >= 0) {
      at.py = halfMargin;
      at.mm = {x, w.YMax + h};
    } else {
      at.py = frame.heightPx - halfMargin - 1;
      at.mm = {x, w.YMin - h};
    }
  }
  return at;
}

}  // namespace umbrix
