#include "export/DxfCanvas.h"

#include <cmath>
#include <string>

#include "model/CodePage.h"
#include "model/Numbers.h"

namespace umbrix {

namespace {

// Offset of a TEXT's insertion point left of its centre, as a fraction of its height.
double CentringFraction(std::string_view text) {
  return Utf8CharacterCount(text) == 1 ? 0.25 : 0.75;
}

}  // namespace

DxfLayer DxfLayerOf(Colour colour) {
  switch (colour) {
    case colours::Maroon: return {"0", 14};
    case colours::Red: return {"0", 1};
    case colours::Green: return {"STYLE", std::nullopt};
    case colours::Purple: return {"0", 214};
    case colours::Teal: return {"0", 134};
    case colours::Grey: return {"3D", 251};
    case colours::Silver: return {"0", 252};
    case colours::LightGrey: return {"3D", 253};
    case colours::Blue: return {"0", 5};
    case colours::White: return {"3D", 254};
    case colours::Orange: return {"0", 30};
    case colours::Olive: return {"0", 52};
    case colours::Fuchsia: return {"0", 6};
    default: return {"0", std::nullopt};
  }
}

TextExtent VectorTextExtent(int marginPx, std::string_view text) {
  const double heightPx = marginPx / 2.5;
  return {static_cast<int>(std::ceil(2 * CentringFraction(text) * heightPx)),
          static_cast<int>(std::ceil(heightPx))};
}

void DxfCanvas::LayerGroups(Colour colour, bool withColour, bool withLineType) {
  const DxfLayer layer = DxfLayerOf(colour);
  tags_.Text(8, layer.name);
  // the one broken line type of the drawing's table; colours tell the broken lines apart
  if (withLineType && style_ != PenStyle::Solid) tags_.Text(6, "DASHED");
  if (withColour && layer.colour) tags_.Int(62, *layer.colour);
}

void DxfCanvas::DrawSegment(Colour colour, PointMm from, PointMm to) {
  if (width_ != 0) {
    const PointMm ends[] = {from, to};
    DrawPolyline(colour, ends);
    return;
  }
  tags_.Text(0, "LINE");
  LayerGroups(colour, true, true);
  tags_.Mm(10, from.x);
  tags_.Mm(20, from.y);
  tags_.Mm(30, 0);
  tags_.Mm(11, to.x);
  tags_.Mm(21, to.y);
  tags_.Mm(31, 0);
}

void DxfCanvas::DrawPolyline(Colour colour, std::span<const PointMm> points) {
  if (points.empty()) return;  // a POLYLINE without vertices is not valid DXF
  tags_.Text(0, "POLYLINE");
  LayerGroups(colour, true, true);
  tags_.Int(66, 1);
  if (width_ != 0) {
    const double w = RoundScaled(10, width_ * frame_.MmPerPixelX);
    tags_.Mm(40, w);
    tags_.Mm(41, w);
  }
  const double z = colour == colours::LightGrey ? -0.3 : 0.0;
  for (const PointMm& p : points) {
    tags_.Text(0, "VERTEX");
    LayerGroups(colour, false, true);
    tags_.Mm(10, p.x);
    tags_.Mm(20, p.y);
    tags_.Exact(30, z);
  }
  tags_.Text(0, "SEQEND");
}

void DxfCanvas::DrawMarker(Colour colour, PointMm at) {
  tags_.Text(0, "CIRCLE");
  LayerGroups(colour, true, false);
  tags_.Mm(10, at.x);
  tags_.Mm(20, at.y);
  tags_.Mm(30, 0);
  tags_.Mm(40, 2 * frame_.MmPerPixelX);
}

void DxfCanvas::DrawLabel(std::string_view text, const LabelPlacement& at) {
  const double h = frame_.marginPx * frame_.MmPerPixelX / 2.5;  // mm
  tags_.Text(0, "TEXT");
  tags_.Text(8, "0");
  tags_.Mm(10, at.mm.x - h * CentringFraction(text));
  tags_.Mm(20, at.mm.y - h / 2);
  tags_.Mm(30, 0);
  tags_.Mm(40, h);
  tags_.Text(1, text);
}

void DxfCanvas::DrawFilledQuads(Colour colour, std::span<const PointMm> points) {
  if (points.size() < 3) return;
  const std::size_t count = points.size() - 1;  // index of the last point
  const double z = colour == colours::White ? -0.5 : -0.3;
  for (std::size_t d = 1; d <= count / 2; ++d) {
    const PointMm corners[] = {points[d - 1], points[d], points[count + 1 - d], points[count - d]};
    tags_.Text(0, "SOLID");
    LayerGroups(colour, true, false);
    for (int k = 0; k < 4; ++k) {
      tags_.Mm(10 + k, corners[k].x);
      tags_.Mm(20 + k, corners[k].y);
      tags_.Exact(30 + k, z);
    }
  }
}

}  // namespace umbrix
