#pragma once
// The drawing primitives as an SVG picture at true scale: one user unit is one plate millimetre,
// so a print at 100 % gives a plate of the right size.

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "trace/Canvas.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

/// Width of a one-pixel pen on paper (mm).
inline constexpr double kSvgHairlineMm = 0.2;

/// Collects the figures of a tracing pass and writes them as one SVG document covering the plate
/// and its margin, Y pointing up as on the plate. Figures are grouped by colour (one group per kind
/// of figure), the groups in the order their colour was first drawn.
class SvgCanvas : public Canvas {
 public:
  /// `frame` gives the plate, the margin and the scale; it must outlive the canvas.
  explicit SvgCanvas(const DrawingFrame& frame) : frame_(frame) {}

  /// Paints the whole surface: what was drawn before is covered, as on the bitmap.
  void FillSurface(Colour colour) override;
  void SetPenStyle(PenStyle style) override { style_ = style; }
  void SetPenWidth(int pixels) override { width_ = pixels; }
  void DrawSegment(Colour colour, PointMm from, PointMm to) override;
  void DrawPolyline(Colour colour, std::span<const PointMm> points) override;
  void DrawMarker(Colour colour, PointMm at) override;
  void DrawLabel(std::string_view text, const LabelPlacement& at) override;
  void DrawFilledPolygon(Colour colour, std::span<const PointMm> points) override;
  /// The filled polygon already gives the area.
  void DrawFilledQuads(Colour, std::span<const PointMm>) override {}
  TextExtent MeasureText(std::string_view text) const override;

  /// The document: width and height in millimetres, a viewBox in millimetres.
  void Write(std::ostream& out) const;
  /// The bytes of `Write`.
  std::string Document() const;

 private:
  struct Group {
    Colour colour = 0;
    std::vector<std::string> elements;
  };
  Group& GroupOf(Colour colour);
  /// Stroke attributes of the current pen beyond the group's defaults.
  std::string PenAttributes() const;

  const DrawingFrame& frame_;
  PenStyle style_ = PenStyle::Solid;
  int width_ = 0;  // pixels
  std::vector<Group> groups_;
};

/// "#RRGGBB" of a tracer colour (0x00BBGGRR).
std::string SvgColour(Colour colour);

/// The id of the group that holds the figures of a colour ("lignes-horaires", "ombre" ...);
/// empty for a colour the tracers do not use.
std::string_view SvgGroupName(Colour colour);

}  // namespace umbrix
