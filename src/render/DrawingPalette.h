#pragma once
// The 16 colours of the drawing bitmap, in the order of its palette.

#include <QColor>
#include <QList>

#include <array>

#include "trace/Canvas.h"

namespace umbrix {

/// Palette of the drawing bitmap as 0x00BBGGRR values, index order of the 4-bit file.
inline constexpr std::array<Colour, 16> kDrawingPalette = {
    0x000000,  // black
    0x808080,  // grey
    0x808080,  // grey
    0xD0D0D0,  // light grey
    0xC0C0C0,  // silver
    0xFFFFFF,  // white
    0x008000,  // green
    0x000080,  // maroon
    0x800080,  // purple
    0x808000,  // teal
    0x0000FF,  // red
    0x00FFFF,  // yellow
    0x00FF00,  // lime
    0xFFFF00,  // aqua
    0xFF0000,  // blue
    0xFF00FF,  // fuchsia
};

/// Qt's opaque 0xAARRGGBB of a tracer colour (0x00BBGGRR).
QRgb ToQRgb(Colour colour);

/// The palette as Qt colour table entries, in palette order.
QList<QRgb> DrawingColourTable();

/// Index of the palette entry of an opaque pixel: the first exact match, else the nearest colour.
int PaletteIndexOf(QRgb pixel);

}  // namespace umbrix
