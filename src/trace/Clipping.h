#pragma once
// Clipping of segments, rays and lines to a window of the plate frame (all bounds inclusive).

#include "model/DialProject.h"
#include "trace/Canvas.h"

namespace umbrix {

/// The visible piece of the last clipping: `start` (`ClipStart`) to `end` (`ClipEnd`), mm.
/// `visible` is true when both ends were found.
struct ClipResult {
  bool visible = false;
  PointMm start;
  PointMm end;
};

/// The segment from `from` to `from` + (dx, dy) (mm). A segment that only touches the window at
/// an end lying on an edge gives two equal points. The piece runs in the segment's direction.
ClipResult ClipSegment(const PlateWindow& window, PointMm from, double dx, double dy);

/// The ray from `from` along (dx, dy), the piece in the ray's direction. A start on the edge the
/// ray enters by still yields the whole crossing, never a zero-length piece.
ClipResult ClipRay(const PlateWindow& window, PointMm from, double dx, double dy);

/// The infinite line through `through` with direction (dx, dy); ends in the order of the edges
/// XMin, YMin, XMax, YMax where they are met.
ClipResult ClipLine(const PlateWindow& window, PointMm through, double dx, double dy);

}  // namespace umbrix
