#pragma once
// The workshop drawing: the dial of one tracing pass sorted by role into named layers, in plate
// millimetres at true scale, whatever the window or bitmap, with the hour numerals inside the
// plate at a fixed height and a title block; written as DXF (release 12) and as SVG.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "compute/HourLimits.h"
#include "export/FabricationLabels.h"
#include "model/DialProject.h"
#include "trace/Canvas.h"
#include "trace/TraceDial.h"

namespace umbrix {

/// The roles of the drawing, one DXF layer and one SVG (Inkscape) layer each.
enum class FabricationLayer {
  Cut,              // the plate's outline, to cut
  HourLines,        // hour lines and their subdivisions, to engrave
  Curves,           // analemmas, arcs of the signs, date arcs, equinoctial, horizon
  Numerals,         // hour numerals
  Caster,           // the shadow-caster's foot and the style's or gnomon's outline
  Marks,            // grid, axes and measured points: layout marks
  TitleBlock,       // name, place, orientation and scale, outside the plate
  ItalianHours,     // Italian hour lines and their numbers, to engrave
  BabylonianHours,  // Babylonian hour lines and their numbers, to engrave
  TemporaryHours,   // temporary hour curves and their numbers, to engrave
};
inline constexpr int kFabricationLayerCount = 10;

struct FabricationLayerStyle {
  std::string_view dxfName;  // R12 layer name: capitals, digits and '_' only
  int aci = 7;               // AutoCAD colour index of the layer and of its entities
  std::string_view svgId;
  std::string_view svgLabel;  // Inkscape's layer name
  std::string_view svgColour;
  double strokeMm = 0.2;
};
const FabricationLayerStyle& StyleOf(FabricationLayer layer);

/// Bounds of the numeral height (mm).
inline constexpr double kMinNumeralHeightMm = 1.0;
inline constexpr double kMaxNumeralHeightMm = 100.0;
/// The numerals' first height: the plate's short side over 25, kept between 3 and 12 mm, to
/// the tenth of a millimetre.
double DefaultNumeralHeightMm(const PlateWindow& plate);
/// Without a height asked for, a dial too crowded for the first height gets numerals smaller by
/// steps of 10 % (in tenths of a millimetre), down to this (mm), until every one finds room clear
/// of every line.
inline constexpr double kSmallestDefaultNumeralHeightMm = 2.5;

struct FabricationPath {
  FabricationLayer layer = FabricationLayer::HourLines;
  std::vector<PointMm> points;  // no two consecutive points the same; closed paths list each once
  bool closed = false;
  bool dashed = false;
};
struct FabricationCircle {
  FabricationLayer layer = FabricationLayer::Caster;
  PointMm centre;
  double radius = 0.0;  // mm
};
struct FabricationText {
  FabricationLayer layer = FabricationLayer::Numerals;
  std::string text;  // UTF-8
  BoxMm box;         // centred text of the numerals; the title block's lines start at xMin
  double height = 0.0;
  bool centred = true;
};

/// Everything the two writers write, in order.
struct FabricationDrawing {
  PlateWindow plate;
  double numeralHeight = 0.0;  // mm
  std::vector<FabricationPath> paths;
  std::vector<FabricationCircle> circles;
  std::vector<FabricationText> texts;
  /// Numerals that found no room inside the plate and were left out.
  int numeralsLeftOut = 0;
  /// Numerals that could only be placed across a line (a height asked for on a crowded dial).
  int numeralsAcrossLines = 0;
  /// Every straight hour line as the pass reported it.
  std::vector<HourLineEnds> hourLines;
  /// What the drawing covers, title block included (mm).
  BoxMm extent;
};

struct FabricationJob {
  double numeralHeight = 0.0;  // mm, 0 for the default of the plate
  /// The title block's first lines (name, place, orientation); the scale line follows them.
  std::vector<std::string> titleLines;
};

/// The frame the workshop drawing traces in: the plate alone, at a fixed scale, so that nothing
/// of the window's size reaches the drawing.
DrawingFrame FabricationFrame(const PlateWindow& plate);

/// Runs `TraceDial` once (no report, no shadow-caster of the pass's own) into a role-sorting
/// surface, adds the shadow-caster's outline, places the numerals and the title block.
FabricationDrawing BuildFabricationDrawing(const DialProject& project,
                                           const Orientation& orientation,
                                           const HourLimits& hourLimits, const FabricationJob& job);

/// The DXF text, CR LF lines, release 12, millimetres.
std::string FabricationDxf(const FabricationDrawing& drawing);
/// The SVG text: size in millimetres, one Inkscape layer per role.
std::string FabricationSvg(const FabricationDrawing& drawing);

}  // namespace umbrix
