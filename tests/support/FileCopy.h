#pragma once
// Copies of bundled files for a test to load.

#include <filesystem>

namespace umbrix::testing {

/// `source` copied into `folder`. A loaded project stays held (locked) until its session lets it
/// go, and another holder makes a load fail, so tests running side by side never load the same
/// bundled file: each loads its own copy.
inline std::filesystem::path CopyInto(const std::filesystem::path& folder,
                                      const std::filesystem::path& source) {
  const std::filesystem::path copy = folder / source.filename();
  std::filesystem::copy_file(source, copy, std::filesystem::copy_options::overwrite_existing);
  return copy;
}

}  // namespace umbrix::testing
