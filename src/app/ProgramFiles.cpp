#include "app/ProgramFiles.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "files/TextLines.h"
#include "model/CodePage.h"

namespace umbrix {

std::filesystem::path LocateProgramFile(const std::filesystem::path& programDir,
                                        std::string_view name) {
  const std::filesystem::path beside = programDir / name;
  std::error_code error;
  if (std::filesystem::exists(beside, error)) return beside;
  const std::filesystem::path shared = programDir.parent_path() / kSharedFilesFolder / name;
  if (std::filesystem::exists(shared, error)) return shared;
  return beside;
}

namespace {

constexpr std::size_t kTitleCharacters = 70;

// The first line after the data's "---" separator, cut to a menu's width.
std::string CommentTitle(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::vector<std::string> lines = DecodeTextFileLines(bytes);
  const auto separator = std::find(lines.begin(), lines.end(), "---");
  if (separator == lines.end() || separator + 1 == lines.end() || (separator + 1)->empty() ||
      *(separator + 1) == "---") {
    return file.stem().string();
  }
  std::string title = *(separator + 1);
  if (Utf8CharacterCount(title) <= kTitleCharacters) return title;
  // cut on a character's first byte, never inside a UTF-8 sequence
  std::size_t characters = 0, at = 0;
  for (; at < title.size(); ++at) {
    const bool firstByte = (static_cast<unsigned char>(title[at]) & 0xC0) != 0x80;
    if (firstByte && characters++ == kTitleCharacters) break;
  }
  return title.substr(0, at) + "...";
}

}  // namespace

std::vector<ExampleProject> ListExamples(const std::filesystem::path& folder) {
  std::vector<ExampleProject> out;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() != ".umd") continue;
    out.push_back({entry.path(), CommentTitle(entry.path())});
  }
  std::sort(out.begin(), out.end(), [](const ExampleProject& a, const ExampleProject& b) {
    return a.file.filename() < b.file.filename();
  });
  return out;
}

}  // namespace umbrix
