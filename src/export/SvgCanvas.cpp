#include "export/SvgCanvas.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "export/DxfCanvas.h"
#include "export/SvgWriting.h"
#include "model/Numbers.h"

namespace umbrix {

namespace {

// Height (mm) of the digits of an hour label, as the DXF export writes its TEXT.
double LabelHeightMm(const DrawingFrame& frame) { return frame.marginPx * frame.MmPerPixelX / 2.5; }

// Arial's digits stand 0.716 of the font size.
constexpr double kDigitHeightPerEm = 0.716;

}  // namespace

std::string SvgColour(Colour colour) {
  static constexpr char kHex[] = "0123456789abcdef";
  const unsigned rgb[] = {colour & 0xFFu, (colour >> 8) & 0xFFu, (colour >> 16) & 0xFFu};
  std::string s = "#";
  for (const unsigned c : rgb) {
    s += kHex[c >> 4];
    s += kHex[c & 0xF];
  }
  return s;
}

std::string_view SvgGroupName(Colour colour) {
  switch (colour) {
    case colours::Black: return "lignes-horaires";
    case colours::Red: return "juin-decembre";
    case colours::Blue: return "decembre-juin";
    case colours::Purple: return "signes";
    case colours::Teal: return "arc-diurne";
    case colours::Maroon: return "horizon";
    case colours::Silver: return "carreaux";
    case colours::Green: return "style";
    case colours::Grey: return "nuit";
    case colours::LightGrey: return "ombre";
    case colours::White: return "fond";
    default: return {};
  }
}

SvgCanvas::Group& SvgCanvas::GroupOf(Colour colour) {
  const auto it = std::find_if(groups_.begin(), groups_.end(),
                               [colour](const Group& g) { return g.colour == colour; });
  if (it != groups_.end()) return *it;
  groups_.push_back({colour, {}});
  return groups_.back();
}

std::string SvgCanvas::PenAttributes() const {
  std::string s;
  if (width_ != 0) s += " stroke-width=\"" + SvgNumber(width_ * frame_.MmPerPixelX) + "\"";
  if (style_ == PenStyle::Dotted) s += " stroke-dasharray=\"2 2\"";
  if (style_ == PenStyle::Dashed) s += " stroke-dasharray=\"6 3\"";
  if (style_ == PenStyle::DashDot) s += " stroke-dasharray=\"6 2 1 2\"";
  return s;
}

void SvgCanvas::FillSurface(Colour colour) {
  groups_.clear();
  const PlateWindow f = frame_.FrameWindow();
  GroupOf(colour).elements.push_back("<rect x=\"" + SvgX(f.XMin) + "\" y=\"" + SvgY(f.YMax) +
                                     "\" width=\"" + SvgNumber(f.XMax - f.XMin) + "\" height=\"" +
                                     SvgNumber(f.YMax - f.YMin) + "\" fill=\"" + SvgColour(colour) +
                                     "\" stroke=\"none\"/>");
}

void SvgCanvas::DrawSegment(Colour colour, PointMm from, PointMm to) {
  GroupOf(colour).elements.push_back("<line x1=\"" + SvgX(from.x) + "\" y1=\"" + SvgY(from.y) +
                                     "\" x2=\"" + SvgX(to.x) + "\" y2=\"" + SvgY(to.y) + "\"" +
                                     PenAttributes() + "/>");
}

void SvgCanvas::DrawPolyline(Colour colour, std::span<const PointMm> points) {
  GroupOf(colour).elements.push_back("<polyline points=\"" + SvgPoints(points) + "\"" +
                                     PenAttributes() + "/>");
}

void SvgCanvas::DrawMarker(Colour colour, PointMm at) {
  GroupOf(colour).elements.push_back("<circle cx=\"" + SvgX(at.x) + "\" cy=\"" + SvgY(at.y) +
                                     "\" r=\"" + SvgNumber(2 * frame_.MmPerPixelX) + "\"/>");
}

void SvgCanvas::DrawLabel(std::string_view text, const LabelPlacement& at) {
  const double h = LabelHeightMm(frame_);
  // Centred on the anchor: middle anchoring across, the baseline half a digit below.
  GroupOf(colours::Black)
      .elements.push_back("<text x=\"" + SvgX(at.mm.x) + "\" y=\"" + SvgY(at.mm.y - h / 2) +
                          "\" font-size=\"" + SvgNumber(h / kDigitHeightPerEm) +
                          "\" fill=\"#000000\" stroke=\"none\">" +
                          EscapeXml(text) + "</text>");
}

void SvgCanvas::DrawFilledPolygon(Colour colour, std::span<const PointMm> points) {
  GroupOf(colour).elements.push_back("<polygon points=\"" + SvgPoints(points) + "\" fill=\"" +
                                     SvgColour(colour) + "\"/>");
}

TextExtent SvgCanvas::MeasureText(std::string_view text) const {
  return VectorTextExtent(frame_.marginPx, text);
}

void SvgCanvas::Write(std::ostream& out) const {
  const PlateWindow f = frame_.FrameWindow();
  std::string s = SvgRoot(f.XMin, f.YMin, f.XMax, f.YMax);
  for (const Group& g : groups_) {
    const std::string colour = SvgColour(g.colour);
    const std::string_view name = SvgGroupName(g.colour);
    const std::string id = name.empty() ? "couleur-" + colour.substr(1) : std::string(name);
    s += "<g id=\"" + id + "\" stroke=\"" + colour +
         "\" stroke-width=\"" + SvgNumber(kSvgHairlineMm) + "\" fill=\"none\"";
    if (g.colour == colours::Black)
      s += " font-family=\"Arial, Liberation Sans, sans-serif\" text-anchor=\"middle\"";
    s += ">\n";
    for (const std::string& e : g.elements) s += "  " + e + "\n";
    s += "</g>\n";
  }
  s += "</svg>\n";
  out.write(s.data(), static_cast<std::streamsize>(s.size()));
}

std::string SvgCanvas::Document() const {
  std::ostringstream out;
  Write(out);
  return std::move(out).str();
}

}  // namespace umbrix
