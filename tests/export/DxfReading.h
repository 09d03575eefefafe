#pragma once
// A small reader of our own DXF output, to count the entities the tests wrote.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace umbrix::testing {

/// Group code / value pairs of a DXF text whose lines end with CR LF.
inline std::vector<std::pair<int, std::string>> ReadTags(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find("\r\n", pos);
    if (end == std::string_view::npos) break;
    lines.emplace_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  std::vector<std::pair<int, std::string>> tags;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) tags.emplace_back(std::stoi(lines[i]), lines[i + 1]);
  return tags;
}

/// "LAYER/TYPE" -> count of the top-level entities of the ENTITIES section (a POLYLINE counts once,
/// its VERTEX and SEQEND not at all).
inline std::map<std::string, int> EntityCounts(std::string_view text) {
  const auto tags = ReadTags(text);
  std::map<std::string, int> counts;
  bool inEntities = false;
  for (std::size_t i = 0; i < tags.size(); ++i) {
    if (tags[i].first != 0) continue;
    const std::string& type = tags[i].second;
    if (type == "SECTION" && i + 1 < tags.size() && tags[i + 1].second == "ENTITIES") {
      inEntities = true;
      continue;
    }
    if (type == "ENDSEC") inEntities = false;
    if (!inEntities || type == "VERTEX" || type == "SEQEND") continue;
    std::string layer;
    for (std::size_t j = i + 1; j < tags.size() && tags[j].first != 0; ++j)
      if (tags[j].first == 8) layer = tags[j].second;
    ++counts[layer + "/" + type];
  }
  return counts;
}

}  // namespace umbrix::testing
