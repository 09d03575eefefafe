// The help pages against the program: one page per topic with the topic's title, links and
// figures that resolve, and every program text a page quotes found in the program's sources.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/HelpTopics.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;

const fs::path kPages = fs::path(UMBRIX_SOURCE_DIR) / "doc" / "help";

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

/// The HTML entities the pages may use, and the tags inside a quoted text, made plain.
std::string PlainText(std::string s) {
  s = std::regex_replace(s, std::regex("<[^>]*>"), "");
  const std::pair<const char*, const char*> entities[] = {
      {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}};
  for (const auto& [from, to] : entities) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at)) {
      s.replace(at, std::string(from).size(), to);
    }
  }
  return s;
}

std::vector<std::string> Captures(const std::string& text, const std::regex& re) {
  std::vector<std::string> out;
  for (std::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it) {
    out.push_back((*it)[1].str());
  }
  return out;
}

/// Every string literal of the program's sources, the accelerator marks ("&Fichier") removed
/// as the user never sees them, with the escapes of quotes and backslashes undone.
std::string ProgramTexts() {
  std::string all;
  const std::regex literal(R"re("((?:[^"\\\n]|\\.)*)")re");
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(UMBRIX_SOURCE_DIR) / "src")) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    for (std::string text : Captures(Read(entry.path()), literal)) {
      std::string plain;
      for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
          plain += text[++i] == 'n' ? '\n' : text[i];
        } else if (text[i] != '&') {
          plain += text[i];
        }
      }
      all += plain;
      all += '\x1f';  // a quote may not run from one literal into the next
    }
  }
  return all;
}

TEST(HelpPagesTest, EveryTopicHasItsPageWithItsTitle) {
  for (const HelpTopic& topic : HelpTopics()) {
    const fs::path page = kPages / topic.page;
    ASSERT_TRUE(fs::is_regular_file(page)) << page;
    const std::string html = Read(page);
    const auto titles = Captures(html, std::regex("<title>([^<]*)</title>"));
    const auto headings = Captures(html, std::regex("<h1>([^<]*)</h1>"));
    ASSERT_EQ(titles.size(), 1u) << topic.page;
    ASSERT_EQ(headings.size(), 1u) << topic.page;
    EXPECT_EQ(PlainText(titles[0]), topic.title) << topic.page;
    EXPECT_EQ(PlainText(headings[0]), topic.title) << topic.page;
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << topic.page;
  }
}

TEST(HelpPagesTest, LinksAndFiguresResolve) {
  std::set<std::string> linkedTo;
  for (const HelpTopic& topic : HelpTopics()) {
    const std::string html = Read(kPages / topic.page);
    std::set<std::string> others;
    for (const std::string& href : Captures(html, std::regex("href=\"([^\"]*)\""))) {
      if (href.starts_with("http://") || href.starts_with("https://")) continue;
      const std::string file = href.substr(0, href.find('#'));
      ASSERT_FALSE(file.empty()) << topic.page << ": " << href;
      EXPECT_TRUE(fs::is_regular_file(kPages / file)) << topic.page << " links to " << href;
      if (href.find('#') != std::string::npos) {
        const std::string anchor = href.substr(href.find('#') + 1);
        EXPECT_NE(Read(kPages / file).find("id=\"" + anchor + "\""), std::string::npos)
            << topic.page << " links to " << href;
      }
      if (file != topic.page && file.ends_with(".html")) others.insert(file);
      linkedTo.insert(file);
    }
    // the contents and at least one related page
    EXPECT_GE(others.size(), topic.id == kFirstTopic ? 12u : 2u) << topic.page;
    for (const std::string& src : Captures(html, std::regex("<img src=\"([^\"]*)\""))) {
      EXPECT_TRUE(fs::is_regular_file(kPages / src)) << topic.page << " shows " << src;
    }
  }
  // no page is left out of the web of links
  for (const HelpTopic& topic : HelpTopics()) EXPECT_TRUE(linkedTo.count(topic.page)) << topic.page;
}

TEST(HelpPagesTest, EveryQuotedTextIsTheProgramsOwn) {
  const std::string program = ProgramTexts();
  const std::regex quoted("<span class=\"ui\">(.*?)</span>");
  int quotes = 0;
  for (const HelpTopic& topic : HelpTopics()) {
    for (const std::string& q : Captures(Read(kPages / topic.page), quoted)) {
      const std::string text = PlainText(q);
      ++quotes;
      EXPECT_NE(program.find(text), std::string::npos)
          << topic.page << " quotes \"" << text << "\", which the program never writes";
    }
  }
  // the pages do quote the program: the collection itself works
  EXPECT_GT(quotes, 150);
}

TEST(HelpPagesTest, TheTextCollectorSeesThroughAcceleratorsAndEscapes) {
  const std::string program = ProgramTexts();
  // "&Manuel d'util." and "Heure d'été / cadran d'hiver" as the user reads them
  EXPECT_NE(program.find("Manuel d'util."), std::string::npos);
  EXPECT_NE(program.find("Enregistrer le Graphique"), std::string::npos);
  // a text no literal holds is not found
  EXPECT_EQ(program.find("Calculer le cadran maintenant"), std::string::npos);
  EXPECT_EQ(PlainText("Donner <b>la</b> taille &amp; c"), "Donner la taille & c");
}

}  // namespace
}  // namespace umbrix
