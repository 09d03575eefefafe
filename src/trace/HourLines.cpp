// Hour lines with their subdivisions, analemma halves, refracted curves, labels and report lines.

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "model/Dates.h"
#include "model/Numbers.h"
#include "model/Texts.h"
#include "trace/TracingPass.h"

namespace umbrix {

namespace {

// Hours and minutes of the clock time t (hours), taken within its day.
ClockParts ClockOf(double t) {
  const double days = t / 24;
  ClockParts c = ClockPartsOf(days - std::floor(days));
  if (c.hours >= 24) c.hours -= 24;
  return c;
}

// Hour limits beyond this are not clock hours (and would overflow the loop's counter).
constexpr double kMaxHours = 1e6;

// 27 dates a week apart from `firstDay`: half a year.
std::array<double, 27> WeeklyDates(double firstDay) {
  std::array<double, 27> dates{};
  for (std::size_t j = 0; j < dates.size(); ++j) dates[j] = firstDay + 7.0 * static_cast<double>(j);
  return dates;
}

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

}  // namespace

ClipResult TracingPass::HourLineLimit(double s, bool styleChecked, double hours) const {
  const Turn hourAngle = HourAngle(hours);
  const auto solstice = [&](double sign) {
    const Vec3 v{std::cos(kObliquity), 0.0, sign * std::sin(kObliquity)};
    return IntoPlate(v, hourAngle, turns_);
  };
  const ShadowPiece piece = ShadowPieceBetween(solstice(s), solstice(-s), o_.ZenithVec);
  if (piece.kind == PieceKind::None) return {};
  const double G = g_.caster.height;
  const double F = g_.StyleEndHeight;
  const PointMm foot = g_.caster.foot;
  const PointMm E = g_.StyleEnd;
  if (!styleChecked) {
    return ClipPiece(frame_.plate, piece.kind, {foot.x + G * piece.px, foot.y + G * piece.py},
                     G * piece.dx, G * piece.dy);
  }
  // With a style the first solstice's shadow falls from the style's lower end (or the centre).
  const PointMm start = F >= kStyleThreshold ? PointMm{E.x + F * piece.px, E.y + F * piece.py} : E;
  if (piece.kind == PieceKind::Segment) {
    const PointMm end{foot.x + G * (piece.px + piece.dx), foot.y + G * (piece.py + piece.dy)};
    return ClipSegment(frame_.plate, start, end.x - start.x, end.y - start.y);
  }
  return ClipPiece(frame_.plate, piece.kind, start, piece.dx, piece.dy);
}

void TracingPass::AppendHourReport(double t, const ClipResult& line) {
  const ClockParts c = ClockOf(t);
  std::string& s = report_.sections[5];
  const std::string hour = std::to_string(c.hours), minutes = TwoDigits(c.minutes);
  const std::string end = FormatPoint(line.end, frame_.plate);
  if (g_.StyleEndHeight < kStyleThreshold &&
      (p_.Options.Style1.checked || !p_.Options.LhLim.checked)) {
    s += lang_.Report(UMBRIX_TR("Report", " - Pour %1 h %2 : du centre\r\n     jusqu'à %3\r\n"),
                      {hour, minutes, end});
  } else {
    s += lang_.Report(UMBRIX_TR("Report", " - Pour %1 h %2 : de %3\r\n     jusqu'à %4\r\n"),
                      {hour, minutes, FormatPoint(line.start, frame_.plate), end});
  }
}

void TracingPass::DrawHourLines() {
  const DrawingOptions& opt = p_.Options;
  const bool lighor = opt.Lighor1.checked;
  const bool style = opt.Style1.checked;
  const bool curveMode = lighor && !style && opt.LhLim.checked && RefractionOn();
  if (opt_.composeReport && lighor && !curveMode)
    report_.sections[5] = lang_.Report(UMBRIX_TR("Report", "\r\nLignes horaires :\r\n"));

  const int n = std::max(1, opt.HourSubdivisions);
  for (const double h : limits_) {
    if (!(std::fabs(h) < kMaxHours)) return;  // no usable range of hours
  }
  const auto R = [](double x) { return RoundScaled(2, x); };
  const long long first = static_cast<long long>(std::floor(R(n * limits_[0])));
  const long long last =
      std::min(first + 24LL * n - 1, static_cast<long long>(std::ceil(R(n * limits_[1]))));
  const long long gapAfter = static_cast<long long>(std::ceil(R(n * limits_[2])));
  const long long gapBefore = static_cast<long long>(std::floor(R(n * limits_[3])));

  const double G = g_.caster.height;
  const double cx = g_.CentreOffset.x;
  const double cy = g_.CentreOffset.y;
  const PointMm foot = g_.caster.foot;
  const PointMm centre{foot.x + cx, foot.y + cy};
  const ClockPlace place{p_.Locc, p_.FusHor.given ? p_.FusHor.value : 0.0};
  // The analemma halves' dates, every seven days, shared by every hour line.
  const MeanSunOnDates summer(WeeklyDates(42908));  // 22 June to 21 December 2017
  const MeanSunOnDates winter(WeeklyDates(43090));  // 21 December 2017 to 21 June 2018

  for (long long i = first; i <= last; ++i) {
    if (i > gapAfter && i < gapBefore) continue;  // the sun is behind the plate all year
    const double t = static_cast<double>(i) / n;
    const double clock = t + g_.SolarOffset;
    const Turn hourAngle = HourAngle(clock);
    const Vec3 v = IntoPlate({1.0, 0.0, 0.0}, hourAngle, turns_);
    const double C = -G * v.X - cx * v.Z;
    const double D = -G * v.Y - cy * v.Z;
    const bool wholeHour = i % n == 0;
    canvas_.SetPenStyle(wholeHour ? PenStyle::Solid : PenStyle::Dotted);

    bool curveSeen = false;
    const auto analemma = [&](const MenuOption& option, const MeanSunOnDates& dates,
                              Colour colour) {
      if (!option.enabled || !option.checked) return;
      canvas_.BeginFigure(Figure::HourCurves);
      const SunAtClockHour sun(dates, turns_, place, clock);
      SunPathTracer half(scene_, canvas_, colour);
      for (std::size_t j = 0; j < dates.size(); ++j) half.Sample(sun.On(j));
      half.Finish();
      curveSeen = curveSeen || half.AnyVisible();
    };
    analemma(opt.EteAutomne1, summer, colours::Red);
    analemma(opt.HiverPrintemps1, winter, colours::Blue);
    if (curveMode) {
      canvas_.BeginFigure(Figure::HourCurves);
      SunPathTracer refracted(scene_, canvas_, colours::Black);
      for (int j = -15; j <= 15; ++j) {
        const double sinDecl = std::sin(kObliquity) * std::sin(6 * j * kPi / 180);
        refracted.Sample(IntoPlate(AtDeclination(sinDecl), hourAngle, turns_));
      }
      refracted.Finish();
      curveSeen = curveSeen || refracted.AnyVisible();
    }

    ClipResult line = ClipRay(frame_.plate, centre, C, D);
    if (!line.visible) continue;
    const bool limited = !lighor || opt.LhLim.checked;
    if (limited) {
      line = HourLineLimit(SignOf(g_.DialKind), style, clock);
      if (!line.visible) continue;
    }
    if (lighor && !curveMode) {
      canvas_.BeginFigure(Figure::HourLines);
      canvas_.DrawSegment(colours::Black, line.start, line.end);
      hourLines_.push_back({t, line.start, line.end});
      if (opt_.composeReport) AppendHourReport(t, line);
    }
    if (wholeHour && (lighor || curveSeen)) {
      canvas_.BeginFigure(Figure::HourNumerals);
      const std::string text = std::to_string(ClockOf(t).hours);
      if (limited) {
        // Away from the centre along the substyle.
        const double s = SignOf(cx * (line.end.x - foot.x - cx) + cy * (line.end.y - foot.y - cy));
        canvas_.DrawLabel(text, PlaceLabel(frame_, line.end, s * cx, s * cy));
      } else {
        canvas_.DrawLabel(text, PlaceLabel(frame_, line.end, C, D));
      }
    }
  }
  canvas_.SetPenStyle(PenStyle::Solid);
}

}  // namespace umbrix
