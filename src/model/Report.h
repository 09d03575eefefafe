#pragma once
// The ten report sections, concatenated in order into the report pane.

#include <array>
#include <string>

namespace umbrix {

/// Sections: 0 header, 1 precision and accuracy, 2 dial type, 3 shadow date, 4 gnomon and style,
/// 5 hour lines, 6 horizon, 7 equinoctial, 8 date arc, 9 reduced parameters. Each carries its own
/// "\r\n" line breaks.
struct Report {
  std::array<std::string, 10> sections;

  std::string Compose() const {
    std::string text;
    for (const auto& s : sections) text += s;
    return text;
  }
  void Clear(int first, int last) {
    for (int i = first; i <= last; ++i) sections[i].clear();
  }
};

}  // namespace umbrix
