#pragma once
// The drawing primitives of the drawing frame. `TraceDial` draws only through this interface and
// never knows the surface: raster bitmap, DXF, SVG or a recording in the tests.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace umbrix {

/// A colour as 0x00BBGGRR, the value the tracers pass; it also selects the DXF layer and colour.
using Colour = std::uint32_t;

namespace colours {
inline constexpr Colour Black = 0x000000;
inline constexpr Colour Grey = 0x808080;
inline constexpr Colour LightGrey = 0xD0D0D0;
inline constexpr Colour Silver = 0xC0C0C0;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour Green = 0x008000;
inline constexpr Colour Maroon = 0x000080;
inline constexpr Colour Purple = 0x800080;
inline constexpr Colour Teal = 0x808000;
inline constexpr Colour Red = 0x0000FF;
inline constexpr Colour Yellow = 0x00FFFF;
inline constexpr Colour Lime = 0x00FF00;
inline constexpr Colour Aqua = 0xFFFF00;
inline constexpr Colour Blue = 0xFF0000;
inline constexpr Colour Fuchsia = 0xFF00FF;
inline constexpr Colour Orange = 0x0080FF;
inline constexpr Colour Olive = 0x008080;
}  // namespace colours

/// A point of the plate frame, millimetres (X right, Y up, origin at the plate's centre).
struct PointMm {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(PointMm, PointMm) = default;
};

/// Solid and dotted for the dial's own lines; dashed and dash-dotted for the old hours.
enum class PenStyle { Solid, Dotted, Dashed, DashDot };

/// The figure the tracer is drawing, announced before its primitives, for surfaces that sort
/// the drawing by role (the workshop drawing); the other surfaces ignore it.
enum class Figure {
  Background,      // whole-surface fill
  Shadow,          // the shadow at an instant, or the night fill
  Grid,            // squares of `Carreaux1`
  Axes,            // the plate's X and Y axes
  Substyle,        // the style's foot line on the plate
  Foot,            // the shadow-caster's foot marker
  SignArcs,        // arcs of the signs and the equinoctial
  DateArc,         // the arc of the chosen day
  MonthlyArcs,     // arcs of the first of each month
  Horizon,         // the horizon line
  HourCurves,      // analemma halves and refracted hour-line curves
  HourLines,       // straight hour lines and their subdivisions
  HourNumerals,    // the hour numbers
  MeasuredPoints,  // the two marked shadow points
  PlateOutline,    // the plate's edge
  OuterFrame,      // the bitmap's frame
  Caster,          // the shadow-caster folded flat
  ItalianHours,     // Italian hour lines and their numbers
  BabylonianHours,  // Babylonian hour lines and their numbers
  TemporaryHours,   // temporary hour curves and their numbers
};

/// Where a label goes. The tracer computes both forms of the same place: the raster surface
/// centres the text on the pixel, vector surfaces anchor it at the millimetre position.
struct LabelPlacement {
  PointMm mm;        // anchor in plate millimetres (a margin label lies outside the plate)
  int px = 0;        // pixel column of the text's centre on the drawing bitmap
  int py = 0;        // pixel row of the text's centre
  bool inPlate = true;
  /// The end of the line the label names and the direction it was moved along (mm), for
  /// surfaces that place labels themselves.
  PointMm lineEnd;
  PointMm direction;
};

struct TextExtent {
  int width = 0;   // pixels
  int height = 0;  // pixels
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  /// Fills the whole surface, plate and margin (background, night). Vector surfaces that take
  /// their fills from `DrawFilledQuads` ignore it.
  virtual void FillSurface(Colour colour) = 0;
  /// Solid, or dotted for subdivision hour lines and the first monthly arc.
  virtual void SetPenStyle(PenStyle style) = 0;
  /// Pen width in pixels: 0 (one pixel, cosmetic) or 3 (the gnomon).
  virtual void SetPenWidth(int pixels) = 0;

  virtual void DrawSegment(Colour colour, PointMm from, PointMm to) = 0;
  /// An open polyline through every point, in order (at least two points).
  virtual void DrawPolyline(Colour colour, std::span<const PointMm> points) = 0;
  /// A small circle at a point (foot, measured points).
  virtual void DrawMarker(Colour colour, PointMm at) = 0;
  virtual void DrawLabel(std::string_view text, const LabelPlacement& at) = 0;
  /// A filled polygon (the shadow at an instant) as the bitmap shows it.
  virtual void DrawFilledPolygon(Colour colour, std::span<const PointMm> points) = 0;
  /// The same area as quadrilaterals for vector output: for d = 1 .. (n-1)/2 the corners
  /// d-1, d, n-d, n-1-d of the n points (DXF SOLIDs). The bitmap ignores it.
  virtual void DrawFilledQuads(Colour colour, std::span<const PointMm> points) = 0;

  virtual TextExtent MeasureText(std::string_view text) const = 0;

  /// The primitives that follow draw `figure`, until the next call.
  virtual void BeginFigure(Figure) {}
};

/// A surface that draws nothing, for a pass run only for what it computes (the report, the
/// listed hour lines, the tracer's own cost).
class NullCanvas final : public Canvas {
 public:
  void FillSurface(Colour) override {}
  void SetPenStyle(PenStyle) override {}
  void SetPenWidth(int) override {}
  void DrawSegment(Colour, PointMm, PointMm) override {}
  void DrawPolyline(Colour, std::span<const PointMm>) override {}
  void DrawMarker(Colour, PointMm) override {}
  void DrawLabel(std::string_view, const LabelPlacement&) override {}
  void DrawFilledPolygon(Colour, std::span<const PointMm>) override {}
  void DrawFilledQuads(Colour, std::span<const PointMm>) override {}
  TextExtent MeasureText(std::string_view) const override { return {}; }
};

}  // namespace umbrix
