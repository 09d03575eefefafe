#include "trace/Clipping.h"

#include <array>
#include <utility>

namespace umbrix {

namespace {

bool Inside(const PlateWindow& w, PointMm p) {
  return w.XMin <= p.x && p.x <= w.XMax && w.YMin <= p.y && p.y <= w.YMax;
}

// The crossings found, in the order they were tried, each with its parameter along the figure.
class Crossings {
 public:
  void Add(PointMm p, double u) {
    if (count_ < static_cast<int>(points_.size())) {
      points_[count_] = p;
      params_[count_] = u;
      ++count_;
    }
  }

  // The first crossing and the first later one that differs from it. A corner met through both
  // of its edges counts once, so the piece does not shrink to the corner while a real second end
  // exists; a mere touch (no other crossing) still gives two equal points.
  ClipResult Pick(double* uStart = nullptr, double* uEnd = nullptr) const {
    if (count_ < 2) return {};
    int second = 1;
    for (int i = 1; i < count_; ++i) {
      if (!(points_[i] == points_[0])) {
        second = i;
        break;
      }
    }
    if (uStart != nullptr) *uStart = params_[0];
    if (uEnd != nullptr) *uEnd = params_[second];
    return {true, points_[0], points_[second]};
  }

 private:
  std::array<PointMm, 6> points_{};
  std::array<double, 6> params_{};
  int count_ = 0;
};

}  // namespace

ClipResult ClipSegment(const PlateWindow& w, PointMm from, double dx, double dy) {
  const PointMm to{from.x + dx, from.y + dy};
  const bool fromInside = Inside(w, from);
  const bool toInside = Inside(w, to);
  // Both ends on the plate: the crossings below could only repeat them.
  if (fromInside && toInside) return {true, from, to};
  Crossings found;
  if (fromInside) found.Add(from, 0.0);
  if (toInside) found.Add(to, 1.0);
  // u = 0 counts when the segment leaves across that edge, u = 1 when it arrives from outside.
  const auto accepted = [](double u, bool outward) {
    return (0 < u && u < 1) || (u == 0 && outward) || (u == 1 && !outward);
  };
  const std::array<std::pair<double, double>, 2> edgePairs = {std::pair{w.XMin, w.YMin},
                                                              std::pair{w.XMax, w.YMax}};
  for (int k = 0; k < 2; ++k) {
    const auto [edgeX, edgeY] = edgePairs[k];
    const bool lower = k == 0;
    if (dx != 0) {
      const double u = (edgeX - from.x) / dx;
      const double y = from.y + u * dy;
      if (accepted(u, lower ? dx < 0 : dx > 0) && w.YMin <= y && y <= w.YMax)
        found.Add({edgeX, y}, u);
    }
    if (dy != 0) {
      const double u = (edgeY - from.y) / dy;
      const double x = from.x + u * dx;
      if (accepted(u, lower ? dy < 0 : dy > 0) && w.XMin <= x && x <= w.XMax)
        found.Add({x, edgeY}, u);
    }
  }
  ClipResult r = found.Pick();
  if (r.visible && (r.end.x - r.start.x) * dx + (r.end.y - r.start.y) * dy < 0)
    std::swap(r.start, r.end);
  return r;
}

ClipResult ClipRay(const PlateWindow& w, PointMm from, double dx, double dy) {
  Crossings found;
  if (Inside(w, from)) found.Add(from, 0.0);
  const double entryX = dx > 0 ? w.XMin : w.XMax;
  const double exitX = dx > 0 ? w.XMax : w.XMin;
  const double entryY = dy > 0 ? w.YMin : w.YMax;
  const double exitY = dy > 0 ? w.YMax : w.YMin;
  const auto vertical = [&](double edgeX) {
    if (dx == 0) return;
    const double u = (edgeX - from.x) / dx;
    const double y = from.y + u * dy;
    if (u >= 0 && w.YMin <= y && y <= w.YMax) found.Add({edgeX, y}, u);
  };
  const auto horizontal = [&](double edgeY) {
    if (dy == 0) return;
    const double u = (edgeY - from.y) / dy;
    const double x = from.x + u * dx;
    if (u >= 0 && w.XMin <= x && x <= w.XMax) found.Add({x, edgeY}, u);
  };
  vertical(entryX);
  horizontal(entryY);
  vertical(exitX);
  horizontal(exitY);
  double uStart = 0;
  double uEnd = 0;
  ClipResult r = found.Pick(&uStart, &uEnd);
  if (r.visible && uEnd < uStart) std::swap(r.start, r.end);
  return r;
}

ClipResult ClipLine(const PlateWindow& w, PointMm through, double dx, double dy) {
  Crossings found;
  const auto vertical = [&](double edgeX) {
    if (dx == 0) return;
    const double y = through.y + (edgeX - through.x) / dx * dy;
    if (w.YMin <= y && y <= w.YMax) found.Add({edgeX, y}, 0.0);
  };
  const auto horizontal = [&](double edgeY) {
    if (dy == 0) return;
    const double x = through.x + (edgeY - through.y) / dy * dx;
    if (w.XMin <= x && x <= w.XMax) found.Add({x, edgeY}, 0.0);
  };
  vertical(w.XMin);
  horizontal(w.YMin);
  vertical(w.XMax);
  horizontal(w.YMax);
  return found.Pick();
}

}  // namespace umbrix
