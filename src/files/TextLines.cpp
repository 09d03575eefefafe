#include "files/TextLines.h"

namespace umbrix {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string EncodeLines(const std::vector<std::string>& lines, bool* lossy) {
  std::string out;
  for (const std::string& line : lines) {
    out += Utf8ToCp1252(line, lossy);
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> DecodeLines(std::string_view bytes) {
  std::vector<std::string> lines = SplitLines(bytes);
  for (std::string& line : lines) line = Cp1252ToUtf8(line);
  return lines;
}

std::vector<std::string> DecodeTextFileLines(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  return IsUtf8Text(bytes) ? SplitLines(bytes) : DecodeLines(bytes);
}

}  // namespace umbrix
