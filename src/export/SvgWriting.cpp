#include "export/SvgWriting.h"

#include "model/Numbers.h"

namespace umbrix {

std::string SvgNumber(double mm) {
  const double v = RoundScaled(1000, mm);
  return FormatGeneral(v == 0 ? 0.0 : v);  // no "-0"
}

std::string SvgX(double x) { return SvgNumber(x); }
std::string SvgY(double y) { return SvgNumber(-y); }

std::string SvgPoints(std::span<const PointMm> points) {
  std::string s;
  for (const PointMm& p : points) {
    if (!s.empty()) s += ' ';
    s += SvgX(p.x) + "," + SvgY(p.y);
  }
  return s;
}

std::string EscapeXml(std::string_view text) {
  std::string s;
  for (const char c : text) {
    switch (c) {
      case '&':
        s += "&amp;";
        break;
      case '<':
        s += "&lt;";
        break;
      case '>':
        s += "&gt;";
        break;
      case '"':
        s += "&quot;";
        break;
      default:
        s += c;
    }
  }
  return s;
}

std::string SvgRoot(double xMin, double yMin, double xMax, double yMax,
                    std::string_view moreNamespaces) {
  const std::string width = SvgNumber(xMax - xMin);
  const std::string height = SvgNumber(yMax - yMin);
  std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  s += "<svg xmlns=\"http://www.w3.org/2000/svg\"";
  if (!moreNamespaces.empty()) (s += ' ') += moreNamespaces;
  s += " version=\"1.1\" width=\"" + width + "mm\" height=\"" + height + "mm\" viewBox=\"" +
       SvgX(xMin) + " " + SvgY(yMax) + " " + width + " " + height + "\">\n";
  return s;
}

}  // namespace umbrix
