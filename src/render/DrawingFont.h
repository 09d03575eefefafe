#pragma once
// The drawing bitmap's font: "Arial" at 9 points on a 96 dpi bitmap. Needs a QGuiApplication.

#include <QFont>

namespace umbrix {

/// "Arial" (Liberation Sans where Arial is missing: the same metrics), 12 pixels = 9 points at
/// 96 dpi, without antialiasing (the bitmap has 16 colours) and with whole-pixel advances.
QFont DrawingFont();

/// `MarginPx`: the pixel width of "22" in the drawing font, plus 6.
int MeasureMargin();

/// The desk dial's smaller font: "Arial" at 7 points, 9 pixels on a 96 dpi bitmap.
QFont DeskDrawingFont();
/// The desk dial's `MarginPx`: the pixel width of "22" in its font, plus 4.
int MeasureDeskMargin();

}  // namespace umbrix
