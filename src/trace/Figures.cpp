// The shadow-caster's report, its shadow at an instant, the grid, axes and foot, and the
// closing figures of the pass.

#include <cmath>
#include <string>
#include <vector>

#include "model/Dates.h"
#include "model/Numbers.h"
#include "model/Texts.h"
#include "model/TimeZone.h"
#include "trace/TracingPass.h"

namespace umbrix {

namespace {

// More grid lines than this on one axis would only make a solid fill.
constexpr double kMaxGridLines = 100000;

std::string Tenths(double mm) { return FormatGeneral(RoundScaled(10, mm)); }

}  // namespace

void TracingPass::WriteGnomonReport() {
  if (!opt_.composeReport) return;
  const bool style = p_.Options.Style1.checked;
  const PlateWindow& plate = frame_.plate;
  const double F = g_.StyleEndHeight;
  std::string& s = report_.sections[4];
  s = lang_.Report(
      style ? UMBRIX_TR("Report",
                        "\r\nPremière extrémité du style :\r\n - Position : %1\r\n"
                        " - Hauteur : %2\r\n")
            : UMBRIX_TR("Report", "\r\nGnomon :\r\n - Position : %1\r\n - Hauteur : %2\r\n"),
      {FormatPoint(g_.caster.foot, plate), Tenths(g_.caster.height)});

  const bool hourLinesToCentre =
      p_.Options.Lighor1.checked && (!p_.Options.LhLim.checked || !RefractionOn());
  if (style || hourLinesToCentre) {
    // with or without the style: each a sentence of its own
    const bool equatorial = g_.DialKind == 2 || g_.DialKind == -2;
    if (F < kStyleThreshold && equatorial) {
      s += lang_.Report(style ? UMBRIX_TR("Report",
                                          "\r\nLe centre du cadran, point de rencontre des lignes "
                                          "horaires et du style, a pour position : %1\r\n")
                              : UMBRIX_TR("Report",
                                          "\r\nLe centre du cadran, point de rencontre des lignes "
                                          "horaires, a pour position : %1\r\n"),
                        {FormatPoint(g_.StyleEnd, plate)});
    } else if (F < kStyleThreshold) {
      s += lang_.Report(style ? UMBRIX_TR("Report",
                                          "\r\nLe centre du cadran, point de rencontre des lignes "
                                          "horaires et du style, est à l'intérieur du cadran.\r\n"
                                          "\r\nPosition du centre : %1\r\n")
                              : UMBRIX_TR("Report",
                                          "\r\nLe centre du cadran, point de rencontre des lignes "
                                          "horaires, est à l'intérieur du cadran.\r\n"
                                          "\r\nPosition du centre : %1\r\n"),
                        {FormatPoint(g_.StyleEnd, plate)});
    } else {
      if (g_.DialKind != kPolar) {
        s += lang_.Report(
            style ? UMBRIX_TR("Report",
                              "\r\nLe centre du cadran, point de rencontre des lignes horaires "
                              "et du style, est à l'extérieur du cadran.\r\n")
                  : UMBRIX_TR("Report",
                              "\r\nLe centre du cadran, point de rencontre des lignes horaires, "
                              "est à l'extérieur du cadran.\r\n"));
      }
      if (style) {
        s += lang_.Report(UMBRIX_TR("Report",
                                    "\r\nSeconde extrémité du style :\r\n - Position : %1\r\n"
                                    " - Hauteur : %2\r\n"),
                          {FormatPoint(g_.StyleEnd, plate), Tenths(F)});
      }
    }
  }
  if (style && g_.DialKind != 2 && g_.DialKind != -2) {
    const double ex = g_.StyleEnd.x - g_.caster.foot.x;
    const double ey = g_.StyleEnd.y - g_.caster.foot.y;
    const double ez = g_.caster.height - F;
    s += lang_.Report(UMBRIX_TR("Report", "\r\nLongueur du style : %1\r\n"),
                      {Tenths(std::sqrt(ex * ex + ey * ey + ez * ez))});
  }
}

void TracingPass::FillNight(Colour colour) {
  const PlateWindow f = frame_.FrameWindow();
  const std::vector<PointMm> corners = {
      {f.XMin, f.YMin}, {f.XMax, f.YMin}, {f.XMax, f.YMax}, {f.XMin, f.YMax}};
  canvas_.FillSurface(colour);
  canvas_.DrawFilledQuads(colour, corners);
}

void TracingPass::DrawShadowAtInstant() {
  ShadowInstant at;
  if (opt_.shadowInstant) {
    at = *opt_.shadowInstant;
  } else {
    at = CurrentClockInstant(p_);
  }
  const ClockPlace place{p_.Locc, p_.FusHor.given ? p_.FusHor.value : 0.0};
  const Vec3 sun = SunInPlate(o_, turns_, place, p_.Mijou || p_.Locc, at.date, at.hours);
  if (Dot(sun, o_.ZenithVec) < 0) {
    FillNight(colours::Grey);
  } else if (sun.Z <= 0) {
    // A sun exactly in the plate's plane casts no shadow on it: treated as lighting the back.
    FillNight(colours::LightGrey);
  } else if (!p_.Options.Style1.checked) {
    const double G = g_.caster.height;
    if (opt_.deskMode) {
      // the small desk dial's live shadow: a grey band edged in black, seen across the lines
      canvas_.SetPenWidth(5);
      ClipAndDrawSegmentInFrame(canvas_, frame_, colours::Black, g_.caster.foot, -G * sun.X / sun.Z,
                                -G * sun.Y / sun.Z);
    }
    canvas_.SetPenWidth(3);
    ClipAndDrawSegmentInFrame(canvas_, frame_, ShadowColour(), g_.caster.foot, -G * sun.X / sun.Z,
                              -G * sun.Y / sun.Z);
    canvas_.SetPenWidth(0);
  } else {
    DrawStyleShadow(sun);
  }

  if (!opt_.composeReport) return;
  std::string& s = report_.sections[3];
  const char* pattern =
      ZoneApplies(p_, kZoneCurrent)
          ? UMBRIX_TR(
                "Report",
                "\r\nL'ombre est dessinée pour le :\r\n %1 à %2,\r\n heure légale %3 (%4)\r\n")
      : p_.TypeHeure > 0
          ? UMBRIX_TR("Report",
                      "\r\nL'ombre est dessinée pour le :\r\n %1 à %2,\r\n heure d'hiver sur "
                      "cadran d'été\r\n")
      : p_.TypeHeure < 0
          ? UMBRIX_TR("Report",
                      "\r\nL'ombre est dessinée pour le :\r\n %1 à %2,\r\n heure d'été sur "
                      "cadran d'hiver\r\n")
          : UMBRIX_TR("Report",
                      "\r\nL'ombre est dessinée pour le :\r\n %1 à %2,\r\n heure du cadran\r\n");
  s = lang_.Report(pattern, {lang_.LongDate(p_.Dadiur.value), FormatHoursH(p_.Hediur.value * 24),
                             UtcOffsetText(p_.ZoneOffsets[kZoneCurrent].hours), p_.Zone});
}

void TracingPass::DrawStyleShadow(Vec3 sun) {
  const double G = g_.caster.height;
  const double F = g_.StyleEndHeight;
  const PointMm foot = g_.caster.foot;
  const PointMm E = g_.StyleEnd;
  const double sx = sun.X / sun.Z;
  const double sy = sun.Y / sun.Z;

  // The figure foot - tip - lower end - style end, walked so that the polygon turns one way.
  std::vector<PointMm> vertices = {foot, {foot.x - G * sx, foot.y - G * sy}};
  if (F > kStyleThreshold) vertices.push_back({E.x - F * sx, E.y - F * sy});
  vertices.push_back(E);
  if (!((E.x - foot.x) * sun.Y - (E.y - foot.y) * sun.X >= 0))
    vertices = std::vector<PointMm>(vertices.rbegin(), vertices.rend());

  const PlateWindow frameWindow = frame_.FrameWindow();
  const double rightEdge = RoundScaled(1000, frameWindow.XMax);
  std::vector<PointMm> polygon = {vertices.front()};
  for (std::size_t k = 0; k + 1 < vertices.size(); ++k) {
    const PointMm a = vertices[k];
    const PointMm b = vertices[k + 1];
    const ClipResult edge = ClipSegment(frameWindow, a, b.x - a.x, b.y - a.y);
    if (!edge.visible) continue;
    if (!(edge.start == a)) {
      // The edge re-enters the frame: go round the frame's corner first when needed.
      const PointMm last = polygon.back();
      if (last.x != edge.start.x && last.y != edge.start.y) {
        if (RoundScaled(1000, std::fabs(edge.start.x)) == rightEdge)
          polygon.push_back({edge.start.x, last.y});
        else
          polygon.push_back({last.x, edge.start.y});
      }
      polygon.push_back(edge.start);
    }
    polygon.push_back(edge.end);
  }
  canvas_.DrawFilledPolygon(ShadowColour(), polygon);
  canvas_.DrawFilledQuads(ShadowColour(), polygon);
  if (opt_.deskMode && !polygon.empty()) {
    // the small desk dial's live shadow edged in black, seen across the lines
    polygon.push_back(polygon.front());
    canvas_.DrawPolyline(colours::Black, polygon);
  }
}

Colour TracingPass::ShadowColour() const {
  return opt_.deskMode ? colours::Grey : colours::LightGrey;
}

void TracingPass::DrawGridAxesFoot() {
  const PlateWindow& w = frame_.plate;
  const DrawingOptions& opt = p_.Options;
  // Squares so small that the lines could not be counted are not drawn (they would never end).
  const double q = p_.Carreau.given ? p_.Carreau.value : 0.0;
  const bool countable =
      q > 0 && (w.XMax - w.XMin) / q < kMaxGridLines && (w.YMax - w.YMin) / q < kMaxGridLines;
  canvas_.BeginFigure(Figure::Grid);
  if (opt.Carreaux1.checked && countable) {
    for (long long i = static_cast<long long>(std::trunc(w.XMin / q));
         i <= static_cast<long long>(std::trunc(w.XMax / q)); ++i)
      canvas_.DrawSegment(colours::Silver, {i * q, w.YMin}, {i * q, w.YMax});
    for (long long i = static_cast<long long>(std::trunc(w.YMin / q));
         i <= static_cast<long long>(std::trunc(w.YMax / q)); ++i)
      canvas_.DrawSegment(colours::Silver, {w.XMin, i * q}, {w.XMax, i * q});
  }
  canvas_.BeginFigure(Figure::Axes);
  if (opt.Axes1.checked) {
    canvas_.DrawSegment(colours::Black, {w.XMin, 0.0}, {w.XMax, 0.0});
    canvas_.DrawSegment(colours::Black, {0.0, w.YMin}, {0.0, w.YMax});
  }
  canvas_.BeginFigure(Figure::Substyle);
  if (opt.Style1.checked)
    ClipAndDrawSegment(canvas_, w, colours::Black, g_.caster.foot, g_.CentreOffset.x,
                       g_.CentreOffset.y);
  canvas_.BeginFigure(Figure::Foot);
  canvas_.DrawMarker(colours::Black, g_.caster.foot);
}

void TracingPass::DrawClosingFigures() {
  const PlateWindow& w = frame_.plate;
  const DrawingOptions& opt = p_.Options;
  canvas_.BeginFigure(Figure::MeasuredPoints);
  if (opt.N2points1.checked) {
    if (p_.Mesx1.given && p_.Mesy1.given)
      canvas_.DrawMarker(colours::Black, {p_.Mesx1.value, p_.Mesy1.value});
    if (p_.Mesx2.given && p_.Mesy2.given)
      canvas_.DrawMarker(colours::Black, {p_.Mesx2.value, p_.Mesy2.value});
  }
  const std::vector<PointMm> outline = {
      {w.XMin, w.YMin}, {w.XMax, w.YMin}, {w.XMax, w.YMax}, {w.XMin, w.YMax}, {w.XMin, w.YMin}};
  canvas_.BeginFigure(Figure::PlateOutline);
  canvas_.DrawPolyline(colours::Black, outline);
  const PlateWindow f = frame_.FrameWindow();
  const std::vector<PointMm> outer = {
      {f.XMin, f.YMin}, {f.XMax, f.YMin}, {f.XMax, f.YMax}, {f.XMin, f.YMax}, {f.XMin, f.YMin}};
  canvas_.BeginFigure(Figure::OuterFrame);
  canvas_.DrawPolyline(opt_.interactiveFrame ? colours::Red : colours::Black, outer);

  const bool visible = opt_.visibleOverride.value_or(opt.Visible1.checked);
  if (!visible) return;
  canvas_.BeginFigure(Figure::Caster);
  // The shadow-caster folded flat about the substyle: (-D, C) has the caster's height and is
  // square to the substyle.
  const double G = g_.caster.height;
  const double F = g_.StyleEndHeight;
  const double upX = g_.FoldedUpright.x;  // -D
  const double upY = g_.FoldedUpright.y;  // C
  const PointMm foot = g_.caster.foot;
  const PointMm E = g_.StyleEnd;
  if (!opt.Style1.checked) {
    canvas_.SetPenWidth(3);
    ClipAndDrawSegmentInFrame(canvas_, frame_, colours::Green, foot, upX, upY);
    canvas_.SetPenWidth(0);
    return;
  }
  ClipAndDrawSegmentInFrame(canvas_, frame_, colours::Green, foot, upX, upY);
  ClipAndDrawSegmentInFrame(canvas_, frame_, colours::Green, E, F / G * upX, F / G * upY);
  const PointMm tip{foot.x + upX, foot.y + upY};
  const PointMm lowerEnd{E.x + upX * F / G, E.y + upY * F / G};  // (E.x - D F/G, E.y + C F/G)
  ClipAndDrawSegmentInFrame(canvas_, frame_, colours::Green, tip, lowerEnd.x - tip.x,
                            lowerEnd.y - tip.y);
}

}  // namespace umbrix
