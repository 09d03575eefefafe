#pragma once
// Reads a Qt Linguist translation file (translations/umbrix_*.ts) without Qt: each text's
// translation by context and source, as the program shows it.

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

namespace umbrix::testing {

/// The text of a .ts element: entities undone, lupdate's carriage-return element made "\r".
inline std::string TsText(std::string s) {
  const std::pair<const char*, const char*> escapes[] = {{"<byte value=\"xd\"/>", "\r"},
                                                         {"&lt;", "<"},
                                                         {"&gt;", ">"},
                                                         {"&quot;", "\""},
                                                         {"&apos;", "'"},
                                                         {"&amp;", "&"}};
  for (const auto& [from, to] : escapes) {
    const std::string f = from;
    for (size_t at = s.find(f); at != std::string::npos; at = s.find(f, at + 1)) {
      s.replace(at, f.size(), to);
    }
  }
  return s;
}

/// The text between `open` and the next `close` from `at`, and `at` moved past it; nullopt when
/// either is missing.
inline std::optional<std::string> Between(const std::string& text, const std::string& open,
                                          const std::string& close, size_t& at) {
  const size_t begin = text.find(open, at);
  if (begin == std::string::npos) return std::nullopt;
  const size_t end = text.find(close, begin + open.size());
  if (end == std::string::npos) return std::nullopt;
  at = end + close.size();
  return text.substr(begin + open.size(), end - begin - open.size());
}

/// (context, source) -> translation of every finished entry of the file; empty when unreadable.
inline std::map<std::pair<std::string, std::string>, std::string> ReadTranslations(
    const std::filesystem::path& ts) {
  std::ifstream in(ts, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  const std::string text = all.str();
  std::map<std::pair<std::string, std::string>, std::string> out;
  size_t at = 0;
  while (const auto context = Between(text, "<context>", "</context>", at)) {
    size_t in_context = 0;
    const auto name = Between(*context, "<name>", "</name>", in_context);
    if (!name) continue;
    while (const auto message = Between(*context, "<message>", "</message>", in_context)) {
      size_t in_message = 0;
      const auto source = Between(*message, "<source>", "</source>", in_message);
      // an unfinished entry's element carries a type: it is no translation
      const auto translation = Between(*message, "<translation>", "</translation>", in_message);
      if (source && translation) out[{TsText(*name), TsText(*source)}] = TsText(*translation);
    }
  }
  return out;
}

}  // namespace umbrix::testing
