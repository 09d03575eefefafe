#pragma once
// Frames and text helpers shared by the export tests.

#include <clocale>
#include <filesystem>
#include <locale>
#include <string>
#include <string_view>

#include "support/TempFolder.h"
#include "trace/DrawingFrame.h"

namespace umbrix::testing {

/// A plate centred on the origin at `pxPerMm` pixels per millimetre with a 20-pixel margin:
/// at 4 px/mm MmPerPixelX = MmPerPixelY = 0.25 and the margin is 5 mm.
inline DrawingFrame ExportFrame(double width, double height, int pxPerMm = 4) {
  DrawingFrame f;
  f.plate = {-width / 2, width / 2, -height / 2, height / 2};
  f.marginPx = 20;
  f.widthPx = static_cast<int>(width) * pxPerMm + 2 * f.marginPx + 1;
  f.heightPx = static_cast<int>(height) * pxPerMm + 2 * f.marginPx + 1;
  f.ComputeScale();
  return f;
}

/// Tag lines written readably: "code|value" pairs separated by ';' become the DXF text, each
/// code right-aligned in three characters, every line ending with CR LF.
inline std::string Tags(std::string_view pairs) {
  std::string out;
  std::size_t pos = 0;
  while (pos < pairs.size()) {
    std::size_t end = pairs.find(';', pos);
    if (end == std::string_view::npos) end = pairs.size();
    const std::string_view pair = pairs.substr(pos, end - pos);
    const std::size_t bar = pair.find('|');
    std::string code(pair.substr(0, bar));
    code.insert(0, 3 - code.size(), ' ');
    out += code + "\r\n" + std::string(pair.substr(bar + 1)) + "\r\n";
    pos = end + 1;
  }
  return out;
}

struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

/// German numbers for the whole process while the guard lives: a global C++ locale with ','
/// decimals and '.' thousands, and the C library's de_DE numbers where the system has them.
class GermanNumbers {
 public:
  GermanNumbers()
      : previous_(std::locale::global(std::locale(std::locale::classic(), new CommaDecimal))) {
    if (const char* c = std::setlocale(LC_NUMERIC, nullptr)) previousC_ = c;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
      if (std::setlocale(LC_NUMERIC, name) != nullptr) break;
  }
  ~GermanNumbers() {
    std::locale::global(previous_);
    std::setlocale(LC_NUMERIC, previousC_.c_str());
  }
  GermanNumbers(const GermanNumbers&) = delete;
  GermanNumbers& operator=(const GermanNumbers&) = delete;

 private:
  std::locale previous_;
  std::string previousC_ = "C";
};

}  // namespace umbrix::testing
