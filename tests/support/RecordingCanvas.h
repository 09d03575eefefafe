#pragma once
// A Canvas that keeps every call, in order, for assertions: which figure was drawn, in which
// colour, pen style and width, through which points.

#include <algorithm>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "trace/Canvas.h"

namespace umbrix::testing {

enum class CallKind {
  FillSurface,
  DrawSegment,
  DrawPolyline,
  DrawMarker,
  DrawLabel,
  DrawFilledPolygon,
  DrawFilledQuads,
};

struct CanvasCall {
  CallKind kind = CallKind::DrawSegment;
  Colour colour = 0;
  std::vector<PointMm> points;          // segment: both ends; marker: the point; label: its anchor
  std::string text;                     // labels
  LabelPlacement label;                 // labels
  PenStyle penStyle = PenStyle::Solid;  // pen state at the time of the call
  int penWidth = 0;
};

class RecordingCanvas : public Canvas {
 public:
  std::vector<CanvasCall> calls;
  /// Pen changes in order, to check that a pass leaves the pen as it found it.
  std::vector<PenStyle> penStyles;
  std::vector<int> penWidths;

  void FillSurface(Colour colour) override { Add(CallKind::FillSurface, colour, {}); }
  void SetPenStyle(PenStyle style) override {
    style_ = style;
    penStyles.push_back(style);
  }
  void SetPenWidth(int pixels) override {
    width_ = pixels;
    penWidths.push_back(pixels);
  }
  void DrawSegment(Colour colour, PointMm from, PointMm to) override {
    Add(CallKind::DrawSegment, colour, {from, to});
  }
  void DrawPolyline(Colour colour, std::span<const PointMm> points) override {
    Add(CallKind::DrawPolyline, colour, {points.begin(), points.end()});
  }
  void DrawMarker(Colour colour, PointMm at) override { Add(CallKind::DrawMarker, colour, {at}); }
  void DrawLabel(std::string_view text, const LabelPlacement& at) override {
    CanvasCall& c = Add(CallKind::DrawLabel, colours::Black, {at.mm});
    c.text = std::string(text);
    c.label = at;
  }
  void DrawFilledPolygon(Colour colour, std::span<const PointMm> points) override {
    Add(CallKind::DrawFilledPolygon, colour, {points.begin(), points.end()});
  }
  void DrawFilledQuads(Colour colour, std::span<const PointMm> points) override {
    Add(CallKind::DrawFilledQuads, colour, {points.begin(), points.end()});
  }
  TextExtent MeasureText(std::string_view text) const override {
    return {static_cast<int>(text.size()) * 7, 15};  // Arial 9 at 96 dpi, near enough
  }

  PenStyle penStyle() const { return style_; }
  int penWidth() const { return width_; }

  /// Calls of one kind, and of one kind and colour.
  std::vector<CanvasCall> Of(CallKind kind) const {
    std::vector<CanvasCall> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [&](const CanvasCall& c) { return c.kind == kind; });
    return out;
  }
  std::vector<CanvasCall> Of(CallKind kind, Colour colour) const {
    std::vector<CanvasCall> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [&](const CanvasCall& c) { return c.kind == kind && c.colour == colour; });
    return out;
  }
  std::size_t Count(CallKind kind, Colour colour) const { return Of(kind, colour).size(); }
  std::vector<std::string> Labels() const {
    std::vector<std::string> out;
    for (const CanvasCall& c : calls)
      if (c.kind == CallKind::DrawLabel) out.push_back(c.text);
    return out;
  }
  void Clear() {
    calls.clear();
    penStyles.clear();
    penWidths.clear();
  }

 private:
  CanvasCall& Add(CallKind kind, Colour colour, std::vector<PointMm> points) {
    calls.push_back({kind, colour, std::move(points), {}, {}, style_, width_});
    return calls.back();
  }

  PenStyle style_ = PenStyle::Solid;
  int width_ = 0;
};

}  // namespace umbrix::testing
