#include "render/DrawingFont.h"

#include <QFontMetrics>

namespace umbrix {

QFont DrawingFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  font.setStyleStrategy(QFont::NoAntialias);
  // Whole-pixel glyph advances, as the platform's bitmap text measures them.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

int MeasureMargin() { return QFontMetrics(DrawingFont()).horizontalAdvance(QStringLiteral("22")) + 6; }

}  // namespace umbrix
