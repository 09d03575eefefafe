// The old hours on the dial: Italian and Babylonian hour lines, temporary hour curves, their
// numbers and their report lines.

#include "trace/OldHours.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/Texts.h"
#include "trace/TracingPass.h"

namespace umbrix {

namespace {

constexpr double kHourAngle = kPi / 12;  // 15 degrees, radians
// A sun this close to the plate's plane casts its shadow beyond a million heights: taken as
// behind it.
constexpr double kGrazing = 1e-6;
// The rounding of -tan(lat) tan(decl) around 1 on the day the sun just grazes the horizon.
constexpr double kSunsetSlack = 1e-12;
// A day this much shorter (radians) than the hours counted still reaches them: the rounding of
// the sunset's hour angle, so that the Italian 24 h and Babylonian 0 h lines are drawn whole.
constexpr double kDaylightSlack = 1e-12;
// The year from the winter to the summer solstice in steps of 3 degrees of the sun's longitude.
constexpr int kSteps = 60;
// Halvings that find where a line begins or ends on its way across the year.
constexpr int kHalvings = 40;
// Two ends of consecutive steps this close (mm) are one point.
constexpr double kSamePointMm = 1e-6;

constexpr const char* kLegendText = UMBRIX_TR(
    "Report",
    "\r\nCouleurs des heures anciennes : italiques en orange et tirets, babyloniques en vert "
    "olive et tirets-points, temporaires en magenta et pointillés.\r\n");
constexpr const char* kItalianTitleText = UMBRIX_TR("Report", "\r\nHeures italiques :\r\n");
constexpr const char* kBabylonianTitleText = UMBRIX_TR("Report", "\r\nHeures babyloniques :\r\n");
constexpr const char* kTemporaryTitleText = UMBRIX_TR("Report", "\r\nHeures temporaires :\r\n");
constexpr const char* kOldHourLineText = UMBRIX_TR("Report", " - %1 h : de %2 à %3\r\n");
constexpr const char* kNoOldHourLineText =
    UMBRIX_TR("Report", " - aucune de ces lignes ne passe sur le cadran\r\n");

const char* TitleOf(OldHourSystem system) {
  switch (system) {
    case OldHourSystem::Italian:
      return kItalianTitleText;
    case OldHourSystem::Babylonian:
      return kBabylonianTitleText;
    case OldHourSystem::Temporary:
      break;
  }
  return kTemporaryTitleText;
}

Figure FigureOf(OldHourSystem system) {
  switch (system) {
    case OldHourSystem::Italian:
      return Figure::ItalianHours;
    case OldHourSystem::Babylonian:
      return Figure::BabylonianHours;
    case OldHourSystem::Temporary:
      break;
  }
  return Figure::TemporaryHours;
}

bool Shown(const DrawingOptions& o, OldHourSystem system) {
  switch (system) {
    case OldHourSystem::Italian:
      return o.Italiques1.checked;
    case OldHourSystem::Babylonian:
      return o.Babyloniques1.checked;
    case OldHourSystem::Temporary:
      break;
  }
  return o.Temporaires1.checked;
}

// The largest declination (radians) at which the sun still rises and sets every day of the
// year up to it: the obliquity, or less within the polar circles.
double DeclinationLimit(double latitude) {
  const double t = std::fabs(std::tan(latitude));
  if (t * std::tan(kObliquity) <= 1) return kObliquity;
  return std::atan(1 / t);
}

// Where an old hour's number goes: beyond the line's end like an hour numeral while that stays
// inside the plate, else inside it, short of the end and beside the line, so that the margin
// stays the hour numerals'.
LabelPlacement PlaceOldHourLabel(const DrawingFrame& frame, PointMm end, double dx, double dy) {
  LabelPlacement at = PlaceLabel(frame, end, dx, dy);
  const double h = frame.marginPx * frame.MmPerPixelX / 2;  // mm
  const double length = std::hypot(dx, dy);
  if (at.inPlate || !(length > 2 * h)) return at;
  const double ux = dx / length;
  const double uy = dy / length;
  const PointMm p{end.x - 2 * h * ux - h * uy, end.y - 2 * h * uy + h * ux};
  const PlateWindow& w = frame.plate;
  if (!(w.XMin < p.x && p.x < w.XMax && w.YMin < p.y && p.y < w.YMax)) return at;
  at.mm = p;
  at.px = frame.ToPixelX(p.x);
  at.py = frame.ToPixelY(p.y);
  at.inPlate = true;
  return at;
}

}  // namespace

OldHourNumbers NumbersOf(OldHourSystem system) {
  switch (system) {
    case OldHourSystem::Italian:
      return {1, 24};
    case OldHourSystem::Babylonian:
      return {0, 23};
    case OldHourSystem::Temporary:
      break;
  }
  return {0, 12};
}

Colour ColourOf(OldHourSystem system) {
  switch (system) {
    case OldHourSystem::Italian:
      return colours::Orange;
    case OldHourSystem::Babylonian:
      return colours::Olive;
    case OldHourSystem::Temporary:
      break;
  }
  return colours::Fuchsia;
}

PenStyle PenOf(OldHourSystem system) {
  switch (system) {
    case OldHourSystem::Italian:
      return PenStyle::Dashed;
    case OldHourSystem::Babylonian:
      return PenStyle::DashDot;
    case OldHourSystem::Temporary:
      break;
  }
  return PenStyle::Dotted;
}

std::optional<double> SunsetHourAngle(double latitude, double declination) {
  const double x = -std::tan(latitude) * std::tan(declination);
  if (!(std::fabs(x) <= 1 + kSunsetSlack)) return std::nullopt;
  return std::acos(std::clamp(x, -1.0, 1.0));
}

double OldHourAngle(OldHourSystem system, int number, double sunset) {
  switch (system) {
    case OldHourSystem::Italian:
      return sunset + kHourAngle * (number - 24);
    case OldHourSystem::Babylonian:
      return -sunset + kHourAngle * number;
    case OldHourSystem::Temporary:
      break;
  }
  return -sunset + number * 2 * sunset / 12;
}

bool OldHourInDaylight(OldHourSystem system, int number, double sunset) {
  switch (system) {
    case OldHourSystem::Italian:
      return 2 * sunset + kDaylightSlack >= kHourAngle * (24 - number);
    case OldHourSystem::Babylonian:
      return 2 * sunset + kDaylightSlack >= kHourAngle * number;
    case OldHourSystem::Temporary:
      break;
  }
  return number >= 0 && number <= 12;
}

LocalSky LocalSkyOf(const Orientation& orientation) {
  const Vec3 z = FromPlateFrame(orientation.ZenithVec, orientation.PlateEuler);
  const double norm = Norm(z);
  LocalSky sky;
  sky.latitude = std::asin(std::clamp(z.Z / norm, -1.0, 1.0));
  // A sun of local hour angle H lies at the azimuthal angle of the zenith less H; the frame's
  // hour angle A puts it at -A.
  sky.meridianOffset = -std::atan2(z.Y, z.X);
  return sky;
}

std::optional<OldHourTrace> TracingPass::DrawOldHour(OldHourSystem system, int number,
                                                     const LocalSky& sky) {
  const double G = g_.caster.height;
  const PointMm foot = g_.caster.foot;
  const double limit = DeclinationLimit(sky.latitude);
  // theta runs from -90 degrees at the winter solstice of the place to +90 at its summer one
  const double summerSign = sky.latitude >= 0 ? 1.0 : -1.0;
  struct Sample {
    bool valid = false;
    PointMm at;
  };
  const auto sampleAt = [&](double theta) {
    const double decl = summerSign * std::asin(std::sin(limit) * std::sin(theta));
    const std::optional<double> sunset = SunsetHourAngle(sky.latitude, decl);
    if (!sunset || !OldHourInDaylight(system, number, *sunset)) return Sample{};
    const Turn turn(OldHourAngle(system, number, *sunset) + sky.meridianOffset);
    const Vec3 s = IntoPlate({std::cos(decl), 0.0, std::sin(decl)}, turn, turns_);
    if (!(s.Z > kGrazing)) return Sample{};
    return Sample{true, {foot.x - G * s.X / s.Z, foot.y - G * s.Y / s.Z}};
  };
  const auto thetaOf = [](int i) { return -kPi / 2 + i * kPi / kSteps; };

  OldHourTrace trace{system, number, {}};
  if (system != OldHourSystem::Temporary) {
    // Straight: the suns of one Italian or Babylonian hour over the year lie on a great circle,
    // the horizon turned about the pole. The year's suns that cast a shadow form one stretch.
    int first = -1;
    int last = -1;
    for (int i = 0; i <= kSteps; ++i) {
      if (!sampleAt(thetaOf(i)).valid) continue;
      if (first < 0) first = i;
      last = i;
    }
    if (first < 0) return std::nullopt;
    const auto edge = [&](double inside, double outside) {
      for (int k = 0; k < kHalvings; ++k) {
        const double middle = (inside + outside) / 2;
        (sampleAt(middle).valid ? inside : outside) = middle;
      }
      return sampleAt(inside).at;
    };
    const PointMm a =
        first > 0 ? edge(thetaOf(first), thetaOf(first - 1)) : sampleAt(thetaOf(0)).at;
    const PointMm b =
        last < kSteps ? edge(thetaOf(last), thetaOf(last + 1)) : sampleAt(thetaOf(kSteps)).at;
    const ClipResult line = ClipSegment(frame_.plate, a, b.x - a.x, b.y - a.y);
    if (!line.visible || line.start == line.end) return std::nullopt;
    canvas_.DrawSegment(ColourOf(system), line.start, line.end);
    trace.pieces.push_back({line.start, line.end});
  } else {
    // A curve through the shadows of the year, each step clipped to the plate.
    std::vector<PointMm> run;
    const auto endRun = [&] {
      if (run.size() >= 2 && !(run.size() == 2 && run[0] == run[1])) {
        canvas_.DrawPolyline(ColourOf(system), run);
        trace.pieces.push_back(run);
      }
      run.clear();
    };
    Sample previous = sampleAt(thetaOf(0));
    for (int i = 1; i <= kSteps; ++i) {
      const Sample current = sampleAt(thetaOf(i));
      ClipResult step;
      if (previous.valid && current.valid) {
        step = ClipSegment(frame_.plate, previous.at, current.at.x - previous.at.x,
                           current.at.y - previous.at.y);
      }
      if (!step.visible) {
        endRun();
      } else {
        // a step that re-enters the plate starts a new piece; the clipped end of the step
        // before is its sample only to rounding
        if (!run.empty() &&
            std::hypot(run.back().x - step.start.x, run.back().y - step.start.y) > kSamePointMm) {
          endRun();
        }
        if (run.empty()) run.push_back(step.start);
        run.push_back(step.end);
      }
      previous = current;
    }
    endRun();
    if (trace.pieces.empty()) return std::nullopt;
  }

  // The number beyond the summer solstice's end, along the line's last piece.
  const std::vector<PointMm>& piece = trace.pieces.back();
  const PointMm end = piece.back();
  const double dx = end.x - piece.front().x;
  const double dy = end.y - piece.front().y;
  if (dx != 0 || dy != 0) {
    canvas_.DrawLabel(std::to_string(number), PlaceOldHourLabel(frame_, end, dx, dy));
  }
  return trace;
}

void TracingPass::DrawOldHours() {
  const DrawingOptions& o = p_.Options;
  const bool any = std::any_of(std::begin(kOldHourSystems), std::end(kOldHourSystems),
                               [&](OldHourSystem s) { return Shown(o, s); });
  // counted from sunrise or sunset, they need the horizon of a known latitude
  if (!any || !p_.Limite) return;
  const LocalSky sky = LocalSkyOf(o_);
  std::string text = lang_.Report(kLegendText);
  for (const OldHourSystem system : kOldHourSystems) {
    if (!Shown(o, system)) continue;
    canvas_.BeginFigure(FigureOf(system));
    canvas_.SetPenStyle(PenOf(system));
    text += lang_.Report(TitleOf(system));
    const OldHourNumbers numbers = NumbersOf(system);
    bool drawn = false;
    for (int n = numbers.first; n <= numbers.last; ++n) {
      std::optional<OldHourTrace> line = DrawOldHour(system, n, sky);
      if (!line) continue;
      drawn = true;
      text +=
          lang_.Report(kOldHourLineText,
                       {std::to_string(n), FormatPoint(line->pieces.front().front(), frame_.plate),
                        FormatPoint(line->pieces.back().back(), frame_.plate)});
      oldHours_.push_back(std::move(*line));
    }
    if (!drawn) text += lang_.Report(kNoOldHourLineText);
  }
  canvas_.SetPenStyle(PenStyle::Solid);
  if (opt_.composeReport) report_.sections[5] += text;
}

}  // namespace umbrix
