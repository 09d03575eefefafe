#pragma once
// Files the interoperability check reads: every DXF and SVG the tests write, kept in the folder
// named by UMBRIX_INTEROP_DIR when it is set (the CTest fixture sets it), with the entity counts
// each DXF must show per layer.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace umbrix::testing {

inline void KeepForInterop(const std::string& name, const std::string& content,
                           const std::map<std::string, int>& counts = {}) {
  const char* dir = std::getenv("UMBRIX_INTEROP_DIR");
  if (dir == nullptr || *dir == '\0') return;
  const std::filesystem::path folder(dir);
  std::filesystem::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << content;
  if (counts.empty()) return;
  std::ofstream json(folder / (name + ".counts.json"), std::ios::binary);
  json << "{";
  bool first = true;
  for (const auto& [key, n] : counts) {
    json << (first ? "" : ", ") << "\"" << key << "\": " << std::to_string(n);
    first = false;
  }
  json << "}\n";
}

}  // namespace umbrix::testing
