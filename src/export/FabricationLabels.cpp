#include "export/FabricationLabels.h"

#include <algorithm>
#include <cmath>

#include "model/CodePage.h"

namespace umbrix {

namespace {

PointMm Unit(PointMm v) {
  const double length = std::hypot(v.x, v.y);
  if (!(length > 0) || !std::isfinite(length)) return {0.0, 0.0};
  return {v.x / length, v.y / length};
}

// How far the box reaches from its centre along the unit direction u.
double Reach(double halfWidth, double halfHeight, PointMm u) {
  return halfWidth * std::fabs(u.x) + halfHeight * std::fabs(u.y);
}

bool Inside(const BoxMm& box, const PlateWindow& plate) {
  return box.xMin >= plate.XMin && box.xMax <= plate.XMax && box.yMin >= plate.YMin &&
         box.yMax <= plate.YMax;
}

// Beyond the reach of the box grown by the clearance, a candidate stands this much further
// off its own line (as a fraction of the clearance), so that rounding never makes them meet.
constexpr double kAsideMargin = 0.1;

constexpr double kMostStepsAlongALine = 400;

// How strict a search is: which lines the box must keep clear of.
enum class Crossing { None, MinorAllowed, AnyAllowed };

// Candidate centres for one numeral, nearest its line's end first: on the line's extension,
// then beside the line, either side, stepping back toward its start.
std::vector<PointMm> Candidates(PointMm start, PointMm end, PointMm alsoBeyond, double halfWidth,
                                double halfHeight, double clearance, double step) {
  std::vector<PointMm> out;
  const PointMm u = Unit({end.x - start.x, end.y - start.y});
  const PointMm n{-u.y, u.x};
  const double length = std::hypot(end.x - start.x, end.y - start.y);
  const auto beyond = [&](PointMm dir) {
    if (dir.x == 0 && dir.y == 0) return;
    const double r =
        Reach(halfWidth + clearance, halfHeight + clearance, dir) + kAsideMargin * clearance;
    out.push_back({end.x + dir.x * r, end.y + dir.y * r});
  };
  beyond(u);
  beyond(Unit(alsoBeyond));
  if (u.x == 0 && u.y == 0) return out;
  const double aside =
      Reach(halfWidth + clearance, halfHeight + clearance, n) + kAsideMargin * clearance;
  const double along = Reach(halfWidth, halfHeight, u);
  // Back from the end by the box's own reach first, so that the box stays beside its line.
  // A long line on a huge plate is tried at a bounded number of places.
  step = std::max(step, length / kMostStepsAlongALine);
  for (double d = along; d <= length + along; d += step) {
    const PointMm p{end.x - u.x * d, end.y - u.y * d};
    out.push_back({p.x + n.x * aside, p.y + n.y * aside});
    out.push_back({p.x - n.x * aside, p.y - n.y * aside});
  }
  return out;
}

}  // namespace

BoxMm TextBox(std::string_view text, double heightMm, PointMm centre) {
  const double halfWidth =
      kNumeralAdvance * heightMm * static_cast<double>(Utf8CharacterCount(text)) / 2;
  const double halfHeight = heightMm / 2;
  return {centre.x - halfWidth, centre.x + halfWidth, centre.y - halfHeight, centre.y + halfHeight};
}

bool SegmentMeetsBox(PointMm a, PointMm b, const BoxMm& box) {
  // Liang-Barsky: the part of a→b inside the box's slabs.
  double t0 = 0.0;
  double t1 = 1.0;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x - box.xMin, box.xMax - a.x, a.y - box.yMin, box.yMax - a.y};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  return true;
}

bool BoxesMeet(const BoxMm& a, const BoxMm& b) {
  return a.xMin <= b.xMax && b.xMin <= a.xMax && a.yMin <= b.yMax && b.yMin <= a.yMax;
}

std::vector<PlacedNumeral> PlaceNumerals(const PlateWindow& plate, std::span<const LineMm> lines,
                                         std::span<const NumeralRequest> numerals,
                                         std::span<const BoxMm> keepClear, double heightMm,
                                         double clearanceMm) {
  std::vector<PlacedNumeral> placed;
  std::vector<BoxMm> taken(keepClear.begin(), keepClear.end());
  const double step = std::max(heightMm / 4, clearanceMm / 2);
  const PlateWindow inner{plate.XMin + clearanceMm, plate.XMax - clearanceMm,
                          plate.YMin + clearanceMm, plate.YMax - clearanceMm};
  for (const NumeralRequest& request : numerals) {
    const BoxMm model = TextBox(request.text, heightMm, {0.0, 0.0});
    const double halfWidth = model.xMax;
    const double halfHeight = model.yMax;
    PointMm start{request.end.x - request.direction.x, request.end.y - request.direction.y};
    PointMm end = request.end;
    if (request.line && *request.line < lines.size()) {
      start = lines[*request.line].from;
      end = lines[*request.line].to;
    }
    const std::vector<PointMm> centres =
        Candidates(start, end, request.direction, halfWidth, halfHeight, clearanceMm, step);
    const auto fits = [&](const BoxMm& box, Crossing crossing) {
      if (!Inside(box, inner)) return false;
      const BoxMm room = box.Grown(clearanceMm);
      for (const BoxMm& other : taken)
        if (BoxesMeet(room, other)) return false;
      if (crossing == Crossing::AnyAllowed) return true;
      for (const LineMm& line : lines) {
        if (crossing == Crossing::MinorAllowed && line.minor) continue;
        if (SegmentMeetsBox(line.from, line.to, room)) return false;
      }
      return true;
    };
    PlacedNumeral found;
    for (const Crossing crossing : {Crossing::None, Crossing::MinorAllowed, Crossing::AnyAllowed}) {
      for (const PointMm& c : centres) {
        const BoxMm box = TextBox(request.text, heightMm, c);
        if (fits(box, crossing)) {
          found = {box, crossing != Crossing::None};
          break;
        }
      }
      if (found.box) break;
    }
    if (found.box) taken.push_back(*found.box);
    placed.push_back(found);
  }
  return placed;
}

}  // namespace umbrix
