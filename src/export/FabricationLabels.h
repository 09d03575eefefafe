#pragma once
// Where the workshop drawing puts its hour numerals: inside the plate, near the end of their
// line, clear of every hour line and of one another. Pure geometry in plate millimetres.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/DialProject.h"
#include "trace/Canvas.h"

namespace umbrix {

/// Width of one character of a numeral, as a fraction of its height: Arial's digits advance
/// 0.556 of the font size and stand 0.716 of it (0.78), rounded up for the CAD fonts.
inline constexpr double kNumeralAdvance = 0.8;

/// An axis-aligned box (mm): the room a text takes on the plate.
struct BoxMm {
  double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
  PointMm Centre() const { return {(xMin + xMax) / 2, (yMin + yMax) / 2}; }
  BoxMm Grown(double by) const { return {xMin - by, xMax + by, yMin - by, yMax + by}; }
};

/// The box of `text` written `heightMm` high and centred on `centre`.
BoxMm TextBox(std::string_view text, double heightMm, PointMm centre);

/// Whether the segment a→b meets the box (edges included).
bool SegmentMeetsBox(PointMm a, PointMm b, const BoxMm& box);
/// Whether two boxes share any point.
bool BoxesMeet(const BoxMm& a, const BoxMm& b);

/// A straight line of the dial a numeral must not cross (mm).
struct LineMm {
  PointMm from;
  PointMm to;
  bool minor = false;  // a subdivision line, which a crowded numeral may cross as a last resort
};

/// A numeral to place: its text, the line it names (an index into the lines, when the line was
/// drawn) and, for a line that was not drawn, where it ends and which way it runs.
struct NumeralRequest {
  std::string text;
  std::optional<std::size_t> line;
  PointMm end;
  PointMm direction;
};

struct PlacedNumeral {
  std::optional<BoxMm> box;   // none when no room was found inside the plate
  bool crossesLines = false;  // placed only by letting it cross lines
};

/// Places each numeral, in order: the first position found, nearest the line's end, whose box
/// (grown by `clearanceMm`) lies inside the plate, crosses no line and meets no numeral placed
/// before nor any of `keepClear`. A numeral that finds no room beside the subdivisions is
/// allowed to cross them, then any line; one that finds no room at all inside the plate gets no
/// box. `clearanceMm` must be above 0.
std::vector<PlacedNumeral> PlaceNumerals(const PlateWindow& plate, std::span<const LineMm> lines,
                                         std::span<const NumeralRequest> numerals,
                                         std::span<const BoxMm> keepClear, double heightMm,
                                         double clearanceMm);

}  // namespace umbrix
