#include "trace/CanvasRecording.h"

namespace umbrix {

namespace {

template <typename... F>
struct Overloaded : F... {
  using F::operator()...;
};

}  // namespace

void CanvasRecording::FillSurface(Colour colour) {
  calls_.emplace_back(Fill{colour});
  fills_ = true;
}

void CanvasRecording::DrawLabel(std::string_view text, const LabelPlacement& at) {
  calls_.emplace_back(Label{{text_.size(), text.size()}, at});
  text_.append(text);
}

CanvasRecording::Run CanvasRecording::Keep(std::span<const PointMm> points) {
  const Run run{points_.size(), points.size()};
  points_.insert(points_.end(), points.begin(), points.end());
  return run;
}

void CanvasRecording::Replay(Canvas& onto) const {
  const auto points = [this](Run run) {
    return std::span<const PointMm>(points_).subspan(run.first, run.count);
  };
  const Overloaded replay{
      [&](const Fill& c) { onto.FillSurface(c.colour); },
      [&](PenStyle style) { onto.SetPenStyle(style); },
      [&](const Width& c) { onto.SetPenWidth(c.pixels); },
      [&](const Segment& c) { onto.DrawSegment(c.colour, c.from, c.to); },
      [&](const Points& c) {
        switch (c.kind) {
          case Points::Polyline:
            onto.DrawPolyline(c.colour, points(c.points));
            break;
          case Points::Polygon:
            onto.DrawFilledPolygon(c.colour, points(c.points));
            break;
          case Points::Quads:
            onto.DrawFilledQuads(c.colour, points(c.points));
            break;
        }
      },
      [&](const Marker& c) { onto.DrawMarker(c.colour, c.at); },
      [&](const Label& c) {
        onto.DrawLabel(std::string_view(text_).substr(c.text.first, c.text.count), c.at);
      },
      [&](Figure figure) { onto.BeginFigure(figure); },
  };
  for (const Call& call : calls_) std::visit(replay, call);
}

}  // namespace umbrix
