#include "trace/TracingPass.h"

#include <cmath>
#include <string>

#include "model/Dates.h"
#include "model/Numbers.h"
#include "model/Texts.h"

namespace umbrix {

namespace {

std::vector<Turn> QuarterHourTurns() {
  std::vector<Turn> turns;
  turns.reserve(97);
  for (int j = 0; j <= 96; ++j) turns.emplace_back((j / 4.0 - 12) * kPi / 12);
  return turns;
}

}  // namespace

TracingPass::TracingPass(const DialProject& project, const Orientation& orientation,
                         const HourLimits& hourLimits, const DrawingFrame& frame, Canvas& canvas,
                         const TraceOptions& options, Report& report)
    : p_(project),
      o_(orientation),
      turns_(orientation.PlateEuler),
      quarterHours_(QuarterHourTurns()),
      limits_(hourLimits),
      frame_(frame),
      canvas_(canvas),
      opt_(options),
      report_(report),
      lang_(options.language != nullptr ? *options.language : SourceLanguage()) {}

TraceResult TracingPass::Run() {
  if (opt_.composeReport) report_.Clear(2, 8);
  g_ = ComputeStyleGeometry(p_, o_, frame_.plate);
  scene_ = {g_.caster.foot, g_.caster.height, o_.ZenithVec, frame_.plate, RefractionOn()};
  WriteDialKind();
  WriteSolarTimeLine();
  WriteGnomonReport();

  canvas_.SetPenStyle(PenStyle::Solid);
  canvas_.SetPenWidth(0);
  canvas_.BeginFigure(Figure::Background);
  canvas_.FillSurface(colours::White);
  canvas_.BeginFigure(Figure::Shadow);
  if (p_.Options.Ombre1.checked || opt_.deskMode) DrawShadowAtInstant();
  DrawGridAxesFoot();
  DrawSignArcs();
  DrawDateArc();
  DrawMonthlyArcs();
  DrawHorizon();
  DrawHourLines();
  DrawOldHours();
  canvas_.SetPenStyle(PenStyle::Solid);
  DrawClosingFigures();
  return {g_, hourLines_, oldHours_};
}

bool TracingPass::RefractionOn() const {
  return p_.Options.Refrac1.enabled && p_.Options.Refrac1.checked;
}

Vec3 TracingPass::AtDeclination(double sinDeclination) {
  return {std::sqrt(1 - sinDeclination * sinDeclination), 0.0, sinDeclination};
}

void TracingPass::WriteDialKind() {
  if (!opt_.composeReport) return;
  std::string& s = report_.sections[2];
  switch (g_.DialKind) {
    case kPolar:
      s = lang_.Report(UMBRIX_TR(
          "Report",
          "Le cadran est de type polaire. Les lignes horaires sont parallèles entre elles "
          "et le style est parallèle à la surface du cadran.\r\n"));
      break;
    case 2:
    case -2:
      s = lang_.Report(
          g_.DialKind > 0
              ? UMBRIX_TR("Report",
                          "Le cadran est de type équatorial. Le style s'élève perpendiculairement "
                          "à la surface du cadran en direction du pôle nord céleste. Les lignes "
                          "horaires sont régulièrement espacées de 15°.\r\n")
              : UMBRIX_TR("Report",
                          "Le cadran est de type équatorial. Le style s'élève perpendiculairement "
                          "à la surface du cadran en direction du pôle sud céleste. Les lignes "
                          "horaires sont régulièrement espacées de 15°.\r\n"));
      break;
    case kBoreal:
      s = lang_.Report(
          UMBRIX_TR("Report",
                    "Le cadran est de type boréal, le style s'élève au-dessus de la surface du "
                    "cadran en direction du pôle nord céleste.\r\n"));
      break;
    default:
      s = lang_.Report(
          UMBRIX_TR("Report",
                    "Le cadran est de type austral, le style s'élève au-dessus de la surface du "
                    "cadran en direction du pôle sud céleste.\r\n"));
      break;
  }
}

void TracingPass::WriteSolarTimeLine() {
  if (!p_.Hvrai || !opt_.composeReport) return;
  // the help quotes the sentence: one literal up to its colon
  const char* pattern = UMBRIX_TR(
      "Report",
      "\r\nCadran à heures solaires, correction supplémentaire pour obtenir l'heure légale : "
      "%1 %2\r\n");
  report_.sections[2] += lang_.Report(
      pattern, {g_.SolarOffset >= 0 ? "+" : "-", FormatHoursH(std::fabs(g_.SolarOffset))});
}

void TracingPass::DrawSignArcs() {
  canvas_.BeginFigure(Figure::SignArcs);
  const int arcs = p_.Options.SignArcs;
  for (int i = -3; i <= 3; ++i) {
    const int a = i < 0 ? -i : i;
    const bool drawn =
        (i == 0 && arcs % 2 == 1) || (a == 3 && arcs > 1) || ((a == 1 || a == 2) && arcs > 3);
    if (!drawn) continue;
    if (i == 0 && !RefractionOn()) {
      DrawEquinoctial();
      continue;
    }
    const double sinDecl = std::sin(kObliquity) * std::sin(30 * i * kPi / 180);
    SunPathTracer arc(scene_, canvas_, colours::Purple);
    for (const Turn hourAngle : quarterHours_)
      arc.Sample(IntoPlate(AtDeclination(sinDecl), hourAngle, turns_));
    arc.Finish();
  }
}

void TracingPass::DrawEquinoctial() {
  const Vec3 z = o_.ZenithVec;
  const double cx = g_.CentreOffset.x;
  const double cy = g_.CentreOffset.y;
  const double G = g_.caster.height;
  const PointMm foot = g_.caster.foot;
  const double k2 = g_.StyleSlope * g_.StyleSlope;
  ClipResult line;
  const double l = z.X * cy - z.Y * cx;
  if (std::fabs(l) > (std::fabs(z.X) + std::fabs(z.Y)) * (std::fabs(cx) + std::fabs(cy)) / 8192) {
    // From where the equinoctial meets the horizon line, toward the side where the sun is up.
    const double ex = (cy * z.Z + z.Y * G) / l;
    const double ey = (-G * z.X - cx * z.Z) / l;
    const double s = SignOf(z.X * cy - cx * z.Y);
    line = ClipRay(frame_.plate, {foot.x + G * ex, foot.y + G * ey}, s * -cy, s * cx);
  } else if (!(-z.Z * G >= k2 * (z.X * cx + z.Y * cy))) {
    // Parallel to the horizon line and wholly on its day side.
    line = ClipLine(frame_.plate, {foot.x - k2 * cx, foot.y - k2 * cy}, cy, -cx);
  }
  if (line.visible) canvas_.DrawSegment(colours::Purple, line.start, line.end);
  if (!opt_.composeReport) return;
  if (line.visible) {
    report_.sections[7] =
        lang_.Report(UMBRIX_TR("Report", "\r\nEquinoxiale : de %1\r\n     jusqu'à %2\r\n"),
                     {FormatPoint(line.start, frame_.plate), FormatPoint(line.end, frame_.plate)});
  } else {
    report_.sections[7] =
        lang_.Report(UMBRIX_TR("Report", "\r\nL'équinoxiale ne passe pas sur le cadran.\r\n"));
  }
}

void TracingPass::DrawDayArc(double date, Colour colour) {
  double hours = g_.SolarOffset + 12;  // mid-day of the dial's clock, in universal time
  if (p_.FusHor.given) hours -= p_.FusHor.value;
  const Vec3 base = SunVector(true, date, hours);
  SunPathTracer arc(scene_, canvas_, colour);
  for (const Turn hourAngle : quarterHours_) arc.Sample(IntoPlate(base, hourAngle, turns_));
  arc.Finish();
}

void TracingPass::DrawDateArc() {
  if (!p_.Options.MenDat.checked) return;
  canvas_.BeginFigure(Figure::DateArc);
  DrawDayArc(p_.Dadiur.value, colours::Teal);
  if (opt_.composeReport) {
    report_.sections[8] =
        lang_.Report(UMBRIX_TR("Report", "\r\nL'arc diurne est tracé pour la date du : %1\r\n"),
                     {lang_.LongDate(p_.Dadiur.value)});
  }
}

void TracingPass::DrawMonthlyArcs() {
  // The first of each month; the first arc of each half year is dotted.
  canvas_.BeginFigure(Figure::MonthlyArcs);
  const auto halfYear = [&](int firstMonth, int year, Colour colour) {
    for (int m = firstMonth; m < firstMonth + 6; ++m) {
      canvas_.SetPenStyle(m == firstMonth ? PenStyle::Dotted : PenStyle::Solid);
      DrawDayArc(SerialFromCivil({year, m, 1}), colour);
    }
  };
  if (p_.Options.EteAutomne2.checked) halfYear(7, 2017, colours::Red);
  if (p_.Options.HiverPrintemps2.checked) halfYear(1, 2018, colours::Blue);
}

void TracingPass::DrawHorizon() {
  if (!p_.Options.Horizon1.checked || !p_.Limite) return;
  canvas_.BeginFigure(Figure::Horizon);
  const Vec3 z = o_.ZenithVec;
  std::string text;
  if (z.X != 0 || z.Y != 0) {
    const double d = g_.caster.height * z.Z / (z.X * z.X + z.Y * z.Y);
    const PointMm foot = g_.caster.foot;
    const ClipResult line = ClipLine(frame_.plate, {foot.x + z.X * d, foot.y + z.Y * d}, -z.Y, z.X);
    if (line.visible) {
      canvas_.DrawSegment(colours::Maroon, line.start, line.end);
      text = lang_.Report(
          UMBRIX_TR("Report", "\r\nLigne d'horizon : de %1\r\n     jusqu'à %2\r\n"),
          {FormatPoint(line.start, frame_.plate), FormatPoint(line.end, frame_.plate)});
    } else {
      text = lang_.Report(
          UMBRIX_TR("Report", "\r\nLa ligne d'horizon ne passe pas sur le cadran.\r\n"));
    }
  } else {
    text = lang_.Report(UMBRIX_TR("Report", "\r\nIl n'y a pas de ligne d'horizon.\r\n"));
  }
  if (opt_.composeReport) report_.sections[6] = text;
}

}  // namespace umbrix
