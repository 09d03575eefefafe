#pragma once
// Golden files: a text compared byte for byte with the file that was checked by hand once.
// UMBRIX_REGENERATE_GOLDEN=1 rewrites them on purpose; the diff is then checked by hand.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace umbrix::testing {

inline bool RegeneratingGoldenFiles() {
  const char* v = std::getenv("UMBRIX_REGENERATE_GOLDEN");
  return v != nullptr && std::string(v) == "1";
}

inline void CheckGoldenFile(const std::filesystem::path& path, const std::string& text) {
  if (RegeneratingGoldenFiles()) std::ofstream(path, std::ios::binary) << text;
  std::ifstream in(path, std::ios::binary);
  const std::string golden{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(golden.empty()) << path;
  EXPECT_EQ(text, golden) << "differs from " << path;
}

}  // namespace umbrix::testing
