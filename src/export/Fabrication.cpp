#include "export/Fabrication.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <sstream>
#include <tuple>
#include <utility>

#include "export/DxfTags.h"
#include "export/SvgWriting.h"
#include "model/CodePage.h"
#include "model/Numbers.h"
#include "model/Report.h"
#include "model/Texts.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

namespace {

using L = FabricationLayer;

constexpr std::array<FabricationLayerStyle, kFabricationLayerCount> kStyles = {{
    {"DECOUPE_CONTOUR_MM", 1, "decoupe-contour",
     UMBRIX_FILE_TEXT("Découpe : contour de la plaque (mm)"), "#ff0000", 0.1},
    {"GRAVURE_LIGNES_HORAIRES_MM", 7, "gravure-lignes-horaires",
     UMBRIX_FILE_TEXT("Gravure : lignes horaires et subdivisions"), "#000000", 0.35},
    {"GRAVURE_COURBES_MM", 5, "gravure-courbes",
     UMBRIX_FILE_TEXT("Gravure : analemmes, arcs des signes et des dates, équinoxiale, horizon"),
     "#0000ff", 0.25},
    {"GRAVURE_CHIFFRES_TEXTES_MM", 3, "gravure-chiffres-textes",
     UMBRIX_FILE_TEXT("Gravure : chiffres et textes"), "#008000", 0.2},
    {"PORTE_OMBRE_PIED_CONTOUR_MM", 6, "porte-ombre",
     UMBRIX_FILE_TEXT("Porte-ombre : pied et contour du style"), "#ff00ff", 0.25},
    {"REPERES_TRACAGE_MM", 8, "reperes-tracage",
     UMBRIX_FILE_TEXT("Repères de traçage : carreaux, axes, points"), "#808080", 0.15},
    {"CARTOUCHE_MM", 4, "cartouche",
     UMBRIX_FILE_TEXT("Cartouche : nom, lieu, orientation, échelle"), "#008080", 0.2},
    {"GRAVURE_HEURES_ITALIQUES_MM", 30, "gravure-heures-italiques",
     UMBRIX_FILE_TEXT("Gravure : heures italiques et leurs chiffres"), "#ff8000", 0.25},
    {"GRAVURE_HEURES_BABYLONIQUES_MM", 52, "gravure-heures-babyloniques",
     UMBRIX_FILE_TEXT("Gravure : heures babyloniques et leurs chiffres"), "#808000", 0.25},
    // violet, clear of the shadow-caster's magenta
    {"GRAVURE_HEURES_TEMPORAIRES_MM", 190, "gravure-heures-temporaires",
     UMBRIX_FILE_TEXT("Gravure : heures temporaires et leurs chiffres"), "#8000ff", 0.25},
}};

// Engraving first, the cut last: a piece cut free may move.
constexpr std::array kWriteOrder = {
    L::Marks,          L::HourLines, L::Curves, L::ItalianHours, L::BabylonianHours,
    L::TemporaryHours, L::Numerals,  L::Caster, L::TitleBlock,   L::Cut};

// Radius (mm) of the foot's mark, and of a measured point's.
constexpr double kFootRadiusMm = 1.0;
constexpr double kPointRadiusMm = 0.75;
// Coordinates to the micrometre, far finer than any laser, and stable across machines.
double Micro(double mm) {
  const double v = RoundScaled(1000, mm);
  return v == 0 ? 0.0 : v;  // no "-0"
}

bool SamePoint(PointMm a, PointMm b) {
  return Micro(a.x) == Micro(b.x) && Micro(a.y) == Micro(b.y);
}

// The role of a figure's lines; none for what the workshop drawing leaves out.
std::optional<L> LayerOf(Figure figure) {
  switch (figure) {
    case Figure::Grid:
    case Figure::Axes:
    case Figure::MeasuredPoints:
      return L::Marks;
    case Figure::SignArcs:
    case Figure::DateArc:
    case Figure::MonthlyArcs:
    case Figure::Horizon:
    case Figure::HourCurves:
      return L::Curves;
    case Figure::HourLines:
      return L::HourLines;
    case Figure::HourNumerals:
      return L::Numerals;
    case Figure::ItalianHours:
      return L::ItalianHours;
    case Figure::BabylonianHours:
      return L::BabylonianHours;
    case Figure::TemporaryHours:
      return L::TemporaryHours;
    case Figure::PlateOutline:
      return L::Cut;
    case Figure::Foot:
      return L::Caster;
    // The substyle is the base of the style's outline, drawn there once.
    case Figure::Substyle:
    case Figure::Caster:
    case Figure::Background:
    case Figure::Shadow:
    case Figure::OuterFrame:
      return std::nullopt;
  }
  return std::nullopt;
}

// Sorts the pass's primitives by the figure announced before them.
class SortingCanvas final : public Canvas {
 public:
  void FillSurface(Colour) override {}
  void SetPenStyle(PenStyle style) override { style_ = style; }
  void SetPenWidth(int) override {}
  void BeginFigure(Figure figure) override { figure_ = figure; }

  void DrawSegment(Colour, PointMm from, PointMm to) override {
    const PointMm ends[] = {from, to};
    Add(ends);
    if (figure_ == Figure::HourLines) lines.push_back({from, to, style_ == PenStyle::Dotted});
    // numerals keep clear of the old hours too, crossing them before the hour lines
    if (OldHours()) lines.push_back({from, to, true});
  }
  void DrawPolyline(Colour, std::span<const PointMm> points) override {
    Add(points);
    if (!OldHours()) return;
    for (std::size_t i = 1; i < points.size(); ++i)
      lines.push_back({points[i - 1], points[i], true});
  }
  void DrawMarker(Colour, PointMm at) override {
    const std::optional<L> layer = LayerOf(figure_);
    if (!layer) return;
    circles.push_back({*layer, at, figure_ == Figure::Foot ? kFootRadiusMm : kPointRadiusMm});
  }
  void DrawLabel(std::string_view text, const LabelPlacement& at) override {
    if (figure_ != Figure::HourNumerals && !OldHours()) return;
    NumeralRequest r{std::string(text), std::nullopt, at.lineEnd, at.direction};
    // the straight line it names, drawn just before it when it was drawn at all; a curve's
    // number looks back along the curve's chord, its label's direction, not its last short step
    for (std::size_t i = lines.size(); figure_ != Figure::TemporaryHours && i-- > 0;) {
      if (lines[i].to == at.lineEnd) {
        r.line = i;
        break;
      }
    }
    numerals.push_back(std::move(r));
    numeralLayers.push_back(*LayerOf(figure_));
  }
  void DrawFilledPolygon(Colour, std::span<const PointMm>) override {}
  void DrawFilledQuads(Colour, std::span<const PointMm>) override {}
  TextExtent MeasureText(std::string_view) const override { return {}; }

  std::vector<FabricationPath> paths;
  std::vector<FabricationCircle> circles;
  std::vector<LineMm> lines;
  std::vector<NumeralRequest> numerals;
  std::vector<L> numeralLayers;  // the layer of each numeral

 private:
  bool OldHours() const {
    return figure_ == Figure::ItalianHours || figure_ == Figure::BabylonianHours ||
           figure_ == Figure::TemporaryHours;
  }

  void Add(std::span<const PointMm> points) {
    const std::optional<L> layer = LayerOf(figure_);
    if (!layer || *layer == L::Numerals) return;
    paths.push_back({*layer, {points.begin(), points.end()}, false, style_ != PenStyle::Solid});
  }

  Figure figure_ = Figure::Background;
  PenStyle style_ = PenStyle::Solid;
};

// Consecutive repeats removed, a path back at its start closed; false for what is left a point.
bool Normalise(FabricationPath& path) {
  std::vector<PointMm> kept;
  for (const PointMm& p : path.points)
    if (kept.empty() || !SamePoint(kept.back(), p)) kept.push_back(p);
  if (kept.size() >= 4 && SamePoint(kept.front(), kept.back())) {
    kept.pop_back();
    path.closed = true;
  }
  if (path.closed && kept.size() < 3) path.closed = false;
  path.points = std::move(kept);
  return path.points.size() >= 2;
}

// A layout mark on the plate's edge would only double the cut.
bool OnPlateEdge(const FabricationPath& path, const PlateWindow& w) {
  if (path.points.size() != 2) return false;
  const PointMm a = path.points[0];
  const PointMm b = path.points[1];
  const auto same = [](double u, double v) { return Micro(u) == Micro(v); };
  return (same(a.x, b.x) && (same(a.x, w.XMin) || same(a.x, w.XMax))) ||
         (same(a.y, b.y) && (same(a.y, w.YMin) || same(a.y, w.YMax)));
}

using SegmentKey = std::tuple<double, double, double, double>;
SegmentKey KeyOf(PointMm a, PointMm b) {
  std::pair<double, double> p{Micro(a.x), Micro(a.y)};
  std::pair<double, double> q{Micro(b.x), Micro(b.y)};
  if (q < p) std::swap(p, q);
  return {p.first, p.second, q.first, q.second};
}

void Extend(BoxMm& box, PointMm p) {
  box.xMin = std::min(box.xMin, p.x);
  box.xMax = std::max(box.xMax, p.x);
  box.yMin = std::min(box.yMin, p.y);
  box.yMax = std::max(box.yMax, p.y);
}

// The style's outline folded flat about the substyle, or the gnomon laid flat from its foot.
std::optional<FabricationPath> CasterOutline(const StyleGeometry& g, bool style) {
  const PointMm u{std::cos(g.StyleAngle), std::sin(g.StyleAngle)};
  const PointMm foot = g.caster.foot;
  const double G = g.caster.height;
  FabricationPath path{L::Caster, {}, false, false};
  if (style) {
    const PointMm E = g.StyleEnd;
    const double F = g.StyleEndHeight;
    path.points = {
        foot, {foot.x + G * u.x, foot.y + G * u.y}, {E.x + F * u.x, E.y + F * u.y}, E, foot};
  } else {
    path.points = {foot, {foot.x + G * u.x, foot.y + G * u.y}};
  }
  if (!Normalise(path)) return std::nullopt;
  return path;
}

}  // namespace

const FabricationLayerStyle& StyleOf(FabricationLayer layer) {
  return kStyles[static_cast<std::size_t>(layer)];
}

double DefaultNumeralHeightMm(const PlateWindow& plate) {
  const double side = std::min(plate.XMax - plate.XMin, plate.YMax - plate.YMin);
  return std::round(std::clamp(side / 25, 3.0, 12.0) * 10) / 10;  // in tenths of a mm
}

DrawingFrame FabricationFrame(const PlateWindow& plate) {
  DrawingFrame f;
  f.plate = plate;
  f.marginPx = kDefaultMarginPx;
  f.widthPx = 1001 + 2 * f.marginPx;
  f.heightPx = 1001 + 2 * f.marginPx;
  f.ComputeScale();
  return f;
}

FabricationDrawing BuildFabricationDrawing(const DialProject& project,
                                           const Orientation& orientation,
                                           const HourLimits& hourLimits,
                                           const FabricationJob& job) {
  FabricationDrawing d;
  d.plate = project.Plate;
  d.numeralHeight = job.numeralHeight > 0 ? job.numeralHeight : DefaultNumeralHeightMm(d.plate);
  const DrawingFrame frame = FabricationFrame(d.plate);
  SortingCanvas canvas;
  TraceOptions options;
  options.visibleOverride = false;  // the outline below stands for the caster
  Report unused;
  const TraceResult traced =
      TraceDial(project, orientation, hourLimits, frame, canvas, options, unused);
  d.hourLines = traced.hourLines;

  std::vector<FabricationPath> raw = std::move(canvas.paths);
  if (auto outline = CasterOutline(traced.style, project.Options.Style1.checked))
    raw.push_back(std::move(*outline));
  // Of two equal segments the dial's own is kept, the layout mark dropped.
  std::stable_partition(raw.begin(), raw.end(),
                        [](const FabricationPath& p) { return p.layer != L::Marks; });
  std::set<SegmentKey> segments;
  for (FabricationPath& path : raw) {
    if (!Normalise(path)) continue;
    if (path.layer == L::Marks && OnPlateEdge(path, d.plate)) continue;
    if (path.points.size() == 2 && !segments.insert(KeyOf(path.points[0], path.points[1])).second)
      continue;
    d.paths.push_back(std::move(path));
  }
  d.circles = std::move(canvas.circles);

  // Numerals keep clear of the foot's mark.
  std::vector<BoxMm> keepClear;
  for (const FabricationCircle& c : d.circles) {
    keepClear.push_back({c.centre.x - c.radius, c.centre.x + c.radius, c.centre.y - c.radius,
                         c.centre.y + c.radius});
  }
  const auto place = [&](double h) {
    return PlaceNumerals(d.plate, canvas.lines, canvas.numerals, keepClear, h,
                         std::max(0.2 * h, 0.3));
  };
  const auto crowded = [](const std::vector<PlacedNumeral>& placed) {
    return std::any_of(placed.begin(), placed.end(),
                       [](const PlacedNumeral& n) { return !n.box || n.crossesLines; });
  };
  std::vector<PlacedNumeral> placed = place(d.numeralHeight);
  // Smaller by tenths of a millimetre, so that the height the title block gives is exact.
  const auto smaller = [](double h) { return std::floor(h * 0.9 * 10) / 10; };
  while (job.numeralHeight <= 0 && crowded(placed) &&
         smaller(d.numeralHeight) >= kSmallestDefaultNumeralHeightMm) {
    d.numeralHeight = smaller(d.numeralHeight);
    placed = place(d.numeralHeight);
  }
  const double h = d.numeralHeight;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    if (!placed[i].box) {
      ++d.numeralsLeftOut;
      continue;
    }
    if (placed[i].crossesLines) ++d.numeralsAcrossLines;
    d.texts.push_back({canvas.numeralLayers[i], canvas.numerals[i].text, *placed[i].box, h, true});
  }

  // The title block under the plate, left-aligned with it.
  std::vector<std::string> title = job.titleLines;
  title.push_back(ComposeText(
      UMBRIX_TR("TitleBlock",
                "Échelle 1:1, unités : millimètres ; plaque %1 x %2 mm ; chiffres de %3 mm"),
      {FormatGeneral(RoundScaled(10, d.plate.XMax - d.plate.XMin)),
       FormatGeneral(RoundScaled(10, d.plate.YMax - d.plate.YMin)),
       FormatGeneral(RoundScaled(1000, h))}));
  const double th = std::clamp(0.6 * h, 2.0, 8.0);
  for (std::size_t k = 0; k < title.size(); ++k) {
    const double top = d.plate.YMin - 1.5 * th - 1.6 * th * static_cast<double>(k);
    // Liberation Sans's letters average about half the font size, 0.7 of the capitals' height.
    const double width = 0.72 * th * static_cast<double>(Utf8CharacterCount(title[k]));
    d.texts.push_back(
        {L::TitleBlock, title[k], {d.plate.XMin, d.plate.XMin + width, top - th, top}, th, false});
  }

  BoxMm e{d.plate.XMin, d.plate.XMax, d.plate.YMin, d.plate.YMax};
  for (const FabricationPath& p : d.paths)
    for (const PointMm& q : p.points) Extend(e, q);
  for (const FabricationCircle& c : d.circles) {
    Extend(e, {c.centre.x - c.radius, c.centre.y - c.radius});
    Extend(e, {c.centre.x + c.radius, c.centre.y + c.radius});
  }
  for (const FabricationText& t : d.texts) {
    Extend(e, {t.box.xMin, t.box.yMin});
    Extend(e, {t.box.xMax, t.box.yMax});
  }
  d.extent = e.Grown(2.0);
  return d;
}

// ---------------------------------------------------------------- DXF

namespace {

void Coord(DxfTagWriter& t, int code, double mm) { t.Exact(code, Micro(mm)); }

void Point(DxfTagWriter& t, int base, PointMm p) {
  Coord(t, base, p.x);
  Coord(t, base + 10, p.y);
  Coord(t, base + 20, 0);
}

void LayerGroups(DxfTagWriter& t, L layer, bool dashed) {
  t.Text(8, StyleOf(layer).dxfName);
  if (dashed) t.Text(6, "DASHED");
  t.Int(62, StyleOf(layer).aci);
}

void WriteDxfHeader(DxfTagWriter& t, const FabricationDrawing& d) {
  t.Text(999, UMBRIX_FILE_TEXT(
                  "Umbrix - dessin de fabrication - unites : millimetres (1 unite = 1 mm)"));
  t.Text(999, UMBRIX_FILE_TEXT(
                  "Calques : DECOUPE a couper, GRAVURE a graver, REPERES et CARTOUCHE a masquer"));
  t.Text(0, "SECTION");
  t.Text(2, "HEADER");
  t.Text(9, "$ACADVER");
  t.Text(1, "AC1009");
  t.Text(9, "$DWGCODEPAGE");
  t.Text(3, "ANSI_1252");
  t.Text(9, "$INSBASE");
  Point(t, 10, {0.0, 0.0});
  t.Text(9, "$EXTMIN");
  Point(t, 10, {d.extent.xMin, d.extent.yMin});
  t.Text(9, "$EXTMAX");
  Point(t, 10, {d.extent.xMax, d.extent.yMax});
  t.Text(9, "$LIMMIN");
  Coord(t, 10, d.extent.xMin);
  Coord(t, 20, d.extent.yMin);
  t.Text(9, "$LIMMAX");
  Coord(t, 10, d.extent.xMax);
  Coord(t, 20, d.extent.yMax);
  t.Text(9, "$LUNITS");
  t.Int(70, 2);  // decimal
  t.Text(9, "$LUPREC");
  t.Int(70, 3);
  t.Text(0, "ENDSEC");
}

// The old hours' layers are listed only in a drawing that has them.
bool IsOldHoursLayer(L layer) {
  return layer == L::ItalianHours || layer == L::BabylonianHours || layer == L::TemporaryHours;
}
bool Uses(const FabricationDrawing& d, L layer) {
  return std::any_of(d.paths.begin(), d.paths.end(),
                     [layer](const FabricationPath& p) { return p.layer == layer; }) ||
         std::any_of(d.texts.begin(), d.texts.end(),
                     [layer](const FabricationText& x) { return x.layer == layer; });
}

void WriteDxfTables(DxfTagWriter& t, const FabricationDrawing& d) {
  t.Text(0, "SECTION");
  t.Text(2, "TABLES");
  t.LineTypeTable({.flags = 0,
                   .continuousText = UMBRIX_FILE_TEXT("Solid line"),
                   .continuousLength = "0",
                   .dashedText = "__ __ __ __",
                   .dash = 2,
                   .gap = 1});

  std::vector<L> layers;
  for (int k = 0; k < kFabricationLayerCount; ++k) {
    const L layer = static_cast<L>(k);
    if (!IsOldHoursLayer(layer) || Uses(d, layer)) layers.push_back(layer);
  }
  t.TableHead("LAYER", static_cast<int>(layers.size()) + 1);
  t.LayerEntry("0", 0, 7);
  for (const L layer : layers) t.LayerEntry(StyleOf(layer).dxfName, 0, StyleOf(layer).aci);
  t.Text(0, "ENDTAB");

  t.StyleTable({.tableCount = 1, .flags = 0, .lastHeight = 2.5});
  t.Text(0, "ENDSEC");

  t.Text(0, "SECTION");
  t.Text(2, "BLOCKS");
  t.Text(0, "ENDSEC");
}

void WriteDxfPath(DxfTagWriter& t, const FabricationPath& p) {
  if (p.points.size() == 2 && !p.closed) {
    t.Text(0, "LINE");
    LayerGroups(t, p.layer, p.dashed);
    Point(t, 10, p.points[0]);
    Point(t, 11, p.points[1]);
    return;
  }
  t.Text(0, "POLYLINE");
  LayerGroups(t, p.layer, p.dashed);
  t.Int(66, 1);
  Point(t, 10, {0.0, 0.0});
  t.Int(70, p.closed ? 1 : 0);
  for (const PointMm& q : p.points) {
    t.Text(0, "VERTEX");
    t.Text(8, StyleOf(p.layer).dxfName);
    Point(t, 10, q);
  }
  t.Text(0, "SEQEND");
  t.Text(8, StyleOf(p.layer).dxfName);
}

void WriteDxfText(DxfTagWriter& t, const FabricationText& x) {
  t.Text(0, "TEXT");
  LayerGroups(t, x.layer, false);
  // The first point is the text's start on its baseline, for readers that ignore justification.
  Point(t, 10, {x.box.xMin, x.box.yMin});
  Coord(t, 40, x.height);
  t.Text(1, Utf8ToCp1252(x.text));
  if (!x.centred) return;
  t.Int(72, 1);  // centred
  Point(t, 11, x.box.Centre());
  t.Int(73, 2);  // middle
}

}  // namespace

std::string FabricationDxf(const FabricationDrawing& d) {
  std::ostringstream out;
  DxfTagWriter t(out);
  WriteDxfHeader(t, d);
  WriteDxfTables(t, d);
  t.Text(0, "SECTION");
  t.Text(2, "ENTITIES");
  for (const L layer : kWriteOrder) {
    for (const FabricationPath& p : d.paths)
      if (p.layer == layer) WriteDxfPath(t, p);
    for (const FabricationCircle& c : d.circles) {
      if (c.layer != layer) continue;
      t.Text(0, "CIRCLE");
      LayerGroups(t, c.layer, false);
      Point(t, 10, c.centre);
      Coord(t, 40, c.radius);
    }
    for (const FabricationText& x : d.texts)
      if (x.layer == layer) WriteDxfText(t, x);
  }
  t.Text(0, "ENDSEC");
  t.Text(0, "EOF");
  return std::move(out).str();
}

// ---------------------------------------------------------------- SVG

namespace {

// Arial's and Liberation Sans's digits stand 0.716 of the font size.
constexpr double kDigitHeightPerEm = 0.716;

std::string SvgPath(const FabricationPath& p) {
  const std::string dash = p.dashed ? " stroke-dasharray=\"2 1\"" : "";
  if (p.points.size() == 2 && !p.closed) {
    return "<line x1=\"" + SvgX(p.points[0].x) + "\" y1=\"" + SvgY(p.points[0].y) + "\" x2=\"" +
           SvgX(p.points[1].x) + "\" y2=\"" + SvgY(p.points[1].y) + "\"" + dash + "/>";
  }
  return std::string(p.closed ? "<polygon" : "<polyline") + " points=\"" + SvgPoints(p.points) +
         "\"" + dash + "/>";
}

}  // namespace

std::string FabricationSvg(const FabricationDrawing& d) {
  const BoxMm& e = d.extent;
  std::string s = SvgRoot(e.xMin, e.yMin, e.xMax, e.yMax,
                          "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"");
  s += "<!-- Umbrix : dessin de fabrication, 1 unité = 1 mm, à imprimer à 100 % -->\n";
  for (const L layer : kWriteOrder) {
    const FabricationLayerStyle& st = StyleOf(layer);
    std::vector<std::string> elements;
    for (const FabricationPath& p : d.paths)
      if (p.layer == layer) elements.push_back(SvgPath(p));
    for (const FabricationCircle& c : d.circles) {
      if (c.layer != layer) continue;
      elements.push_back("<circle cx=\"" + SvgX(c.centre.x) + "\" cy=\"" + SvgY(c.centre.y) +
                         "\" r=\"" + SvgNumber(c.radius) + "\"/>");
    }
    for (const FabricationText& x : d.texts) {
      if (x.layer != layer) continue;
      const double anchorX = x.centred ? x.box.Centre().x : x.box.xMin;
      elements.push_back("<text x=\"" + SvgX(anchorX) + "\" y=\"" + SvgY(x.box.yMin) +
                         "\" font-size=\"" + SvgNumber(x.height / kDigitHeightPerEm) +
                         "\" text-anchor=\"" +
                         (x.centred ? "middle" : "start") + "\">" + EscapeXml(x.text) + "</text>");
    }
    if (elements.empty()) continue;
    s += "<g id=\"" + std::string(st.svgId) + "\" inkscape:groupmode=\"layer\" inkscape:label=\"" +
         std::string(st.svgLabel) + "\" stroke=\"" + std::string(st.svgColour) +
         "\" stroke-width=\"" + SvgNumber(st.strokeMm) +
         "\" fill=\"none\" stroke-linecap=\"round\"";
    const bool hasText =
        std::any_of(d.texts.begin(), d.texts.end(),
                    [layer](const FabricationText& x) { return x.layer == layer; });
    if (hasText) {
      // Text is filled, never stroked: the only filled shapes of the drawing.
      s += " font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\"";
    }
    s += ">\n";
    for (const std::string& el : elements) {
      const bool text = el.starts_with("<text");
      s += "  " +
           (text ? "<text fill=\"" + std::string(st.svgColour) + "\" stroke=\"none\"" + el.substr(5)
                 : el) +
           "\n";
    }
    s += "</g>\n";
  }
  s += "</svg>\n";
  return s;
}

}  // namespace umbrix
