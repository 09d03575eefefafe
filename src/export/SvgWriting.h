#pragma once
// The pieces of SVG both drawings write, the screen's drawing at true scale and the workshop
// drawing: numbers to the micrometre, points with Y turned down, escaped text, the root element.

#include <span>
#include <string>
#include <string_view>

#include "trace/Canvas.h"

namespace umbrix {

/// A length or coordinate (mm) to the micrometre in the general format, never "-0": the same on
/// every machine.
std::string SvgNumber(double mm);

/// A plate coordinate as SVG writes it: the plate's Y points up, SVG's down, so y is negated.
std::string SvgX(double x);
std::string SvgY(double y);

/// The value of a `points` attribute: "x,y x,y ...".
std::string SvgPoints(std::span<const PointMm> points);

/// `text` as element content or attribute value: "&", "<", ">" and '"' as entities.
std::string EscapeXml(std::string_view text);

/// The XML declaration and the opening `svg` element of a drawing covering the plate box
/// (xMin, yMin)-(xMax, yMax), in millimetres at true scale; `moreNamespaces` (such as
/// `xmlns:inkscape="..."`) follows the SVG namespace.
std::string SvgRoot(double xMin, double yMin, double xMax, double yMax,
                    std::string_view moreNamespaces = {});

}  // namespace umbrix
