#include "render/DrawingPalette.h"

namespace umbrix {

QRgb ToQRgb(Colour colour) {
  return qRgb(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
              static_cast<int>((colour >> 16) & 0xFFu));
}

QList<QRgb> DrawingColourTable() {
  QList<QRgb> table;
  table.reserve(static_cast<qsizetype>(kDrawingPalette.size()));
  for (const Colour c : kDrawingPalette) table.append(ToQRgb(c));
  return table;
}

int PaletteIndexOf(QRgb pixel) {
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < static_cast<int>(kDrawingPalette.size()); ++i) {
    const QRgb entry = ToQRgb(kDrawingPalette[static_cast<std::size_t>(i)]);
    const long dr = qRed(pixel) - qRed(entry);
    const long dg = qGreen(pixel) - qGreen(entry);
    const long db = qBlue(pixel) - qBlue(entry);
    const long distance = dr * dr + dg * dg + db * db;
    if (distance == 0) return i;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace umbrix
