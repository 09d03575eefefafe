#include "render/DrawingFont.h"

#include <QFontMetrics>

namespace umbrix {

namespace {

QFont BitmapFont(int pixels) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setStyleStrategy(QFont::NoAntialias);
  // Whole-pixel glyph advances, as the platform's bitmap text measures them.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

int WidthOf22(const QFont& font) {
  return QFontMetrics(font).horizontalAdvance(QStringLiteral("22"));
}

}  // namespace

QFont DrawingFont() { return BitmapFont(12); }

QFont DeskDrawingFont() { return BitmapFont(9); }

int MeasureDeskMargin() { return WidthOf22(DeskDrawingFont()) + 4; }

int MeasureMargin() { return QFontMetrics(DrawingFont()).horizontalAdvance(QStringLiteral("22")) + 6; }

}  // namespace umbrix
