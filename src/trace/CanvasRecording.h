#pragma once
// A drawing kept as the list of its canvas calls, to be drawn again later on another canvas: a
// surface that shows one picture at once can put off a second one until somebody reads it.

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "trace/Canvas.h"

namespace umbrix {

class CanvasRecording : public Canvas {
 public:
  /// Text is measured by `measure`, as the canvas the recording will be replayed on measures it:
  /// the tracer places its labels by these extents.
  explicit CanvasRecording(std::function<TextExtent(std::string_view)> measure)
      : measure_(std::move(measure)) {}

  /// Every call kept, in order, made again on `onto`.
  void Replay(Canvas& onto) const;
  /// A call covers the whole surface: whatever was drawn before this recording is hidden.
  bool FillsSurface() const { return fills_; }

  void FillSurface(Colour colour) override;
  void SetPenStyle(PenStyle style) override { calls_.emplace_back(style); }
  void SetPenWidth(int pixels) override { calls_.emplace_back(Width{pixels}); }
  void DrawSegment(Colour colour, PointMm from, PointMm to) override {
    calls_.emplace_back(Segment{colour, from, to});
  }
  void DrawPolyline(Colour colour, std::span<const PointMm> points) override {
    calls_.emplace_back(Points{Points::Polyline, colour, Keep(points)});
  }
  void DrawMarker(Colour colour, PointMm at) override { calls_.emplace_back(Marker{colour, at}); }
  void DrawLabel(std::string_view text, const LabelPlacement& at) override;
  void DrawFilledPolygon(Colour colour, std::span<const PointMm> points) override {
    calls_.emplace_back(Points{Points::Polygon, colour, Keep(points)});
  }
  void DrawFilledQuads(Colour colour, std::span<const PointMm> points) override {
    calls_.emplace_back(Points{Points::Quads, colour, Keep(points)});
  }
  TextExtent MeasureText(std::string_view text) const override { return measure_(text); }
  void BeginFigure(Figure figure) override { calls_.emplace_back(figure); }

 private:
  /// A run of the kept points or text characters.
  struct Run {
    std::size_t first = 0;
    std::size_t count = 0;
  };
  struct Fill {
    Colour colour;
  };
  struct Width {
    int pixels;
  };
  struct Segment {
    Colour colour;
    PointMm from;
    PointMm to;
  };
  struct Points {
    enum Kind { Polyline, Polygon, Quads } kind;
    Colour colour;
    Run points;
  };
  struct Marker {
    Colour colour;
    PointMm at;
  };
  struct Label {
    Run text;
    LabelPlacement at;
  };
  using Call = std::variant<Fill, PenStyle, Width, Segment, Points, Marker, Label, Figure>;

  Run Keep(std::span<const PointMm> points);

  std::function<TextExtent(std::string_view)> measure_;
  std::vector<Call> calls_;
  std::vector<PointMm> points_;
  std::string text_;
  bool fills_ = false;
};

}  // namespace umbrix
