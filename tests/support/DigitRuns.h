#pragma once
// The numbers of a text as the runs of digits it holds, in order: a translated text must keep
// every number of its source, in the same order.

#include <cctype>
#include <string>
#include <vector>

namespace umbrix::testing {

inline std::vector<std::string> DigitRuns(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) continue;
    std::size_t j = i;
    while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
    out.push_back(text.substr(i, j - i));
    i = j;
  }
  return out;
}

}  // namespace umbrix::testing
