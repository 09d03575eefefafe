#pragma once
// The drawing primitives written as DXF (release 12) entities, in plate millimetres.

#include <optional>
#include <ostream>
#include <span>
#include <string_view>

#include "export/DxfTags.h"
#include "trace/Canvas.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

/// Layer and colour number (group 62) that a tracer colour selects.
struct DxfLayer {
  std::string_view name;      // "0", "STYLE" or "3D"
  std::optional<int> colour;  // AutoCAD colour index; none for black and the shadow-caster
  friend bool operator==(const DxfLayer&, const DxfLayer&) = default;
};
DxfLayer DxfLayerOf(Colour colour);

/// Extent in bitmap pixels of a label drawn as a vector TEXT of height MarginPx * MmPerPixelX / 2.5
/// mm: its height, and twice the offset that centres it (0.25 of the height for one character,
/// 0.75 otherwise).
TextExtent VectorTextExtent(int marginPx, std::string_view text);

/// Writes each primitive as the entities of the ENTITIES section. Whole-surface fills and the
/// bitmap's filled polygon write nothing: filled areas come from `DrawFilledQuads`.
class DxfCanvas : public Canvas {
 public:
  /// `frame` gives the scale (MmPerPixelX) for widths, markers and labels; it must outlive the
  /// canvas.
  DxfCanvas(std::ostream& out, const DrawingFrame& frame) : tags_(out), frame_(frame) {}

  void FillSurface(Colour) override {}
  void SetPenStyle(PenStyle style) override { style_ = style; }
  void SetPenWidth(int pixels) override { width_ = pixels; }

  /// LINE, or a two-vertex POLYLINE with widths while the pen is wider than one pixel.
  void DrawSegment(Colour colour, PointMm from, PointMm to) override;
  /// POLYLINE, one VERTEX per point, SEQEND.
  void DrawPolyline(Colour colour, std::span<const PointMm> points) override;
  /// CIRCLE of radius 2 pixels.
  void DrawMarker(Colour colour, PointMm at) override;
  /// TEXT on layer 0 at the label's millimetre anchor.
  void DrawLabel(std::string_view text, const LabelPlacement& at) override;
  void DrawFilledPolygon(Colour, std::span<const PointMm>) override {}
  /// SOLIDs pairing the points from both ends; z -0.5 under white, -0.3 otherwise.
  void DrawFilledQuads(Colour colour, std::span<const PointMm> points) override;
  TextExtent MeasureText(std::string_view text) const override {
    return VectorTextExtent(frame_.marginPx, text);
  }

  /// The tag writer underneath, for the entities the export writes itself.
  DxfTagWriter& Tags() { return tags_; }

 private:
  void LayerGroups(Colour colour, bool withColour, bool withLineType);

  DxfTagWriter tags_;
  const DrawingFrame& frame_;
  PenStyle style_ = PenStyle::Solid;
  int width_ = 0;  // pixels
};

}  // namespace umbrix
