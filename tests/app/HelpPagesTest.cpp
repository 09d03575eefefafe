// The help pages against the program, in French and in English: one page per topic with the
// topic's title, links and figures that resolve, and every program text a page quotes found in
// the program's sources (French) or its English translations.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/HelpTopics.h"
#include "support/TranslationFile.h"

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

const std::map<std::pair<std::string, std::string>, std::string>& EnglishCatalogue() {
  static const auto catalogue =
      testing::ReadTranslations(fs::path(UMBRIX_SOURCE_DIR) / "translations" / "umbrix_en.ts");
  return catalogue;
}

/// Every English text of the program as the user reads it, the accelerator marks removed.
std::string EnglishTexts() {
  std::string all;
  for (const auto& [key, text] : EnglishCatalogue()) {
    for (const char c : text) {
      if (c != '&') all += c;
    }
    all += '\x1f';
  }
  return all;
}

/// The pages of one interface language: their folder and the texts they may quote.
struct PageLanguage {
  const char* name;
  fs::path folder;
  bool english;
};
const PageLanguage kLanguages[] = {{"French", kPages, false}, {"English", kPages / "en", true}};

/// The topic's title as the interface of that language shows it; empty when untranslated.
std::string TitleIn(const HelpTopic& topic, bool english) {
  if (!english) return topic.title;
  const auto it = EnglishCatalogue().find({"HelpTopics", topic.title});
  return it == EnglishCatalogue().end() ? "" : it->second;
}

TEST(HelpPagesTest, EveryTopicHasItsPageWithItsTitle) {
  for (const PageLanguage& language : kLanguages) {
    for (const HelpTopic& topic : HelpTopics()) {
      const fs::path page = language.folder / topic.page;
      ASSERT_TRUE(fs::is_regular_file(page)) << page;
      const std::string html = Read(page);
      const std::string title = TitleIn(topic, language.english);
      ASSERT_FALSE(title.empty()) << topic.title << " has no English title";
      const auto titles = Captures(html, std::regex("<title>([^<]*)</title>"));
      const auto headings = Captures(html, std::regex("<h1>([^<]*)</h1>"));
      ASSERT_EQ(titles.size(), 1u) << page;
      ASSERT_EQ(headings.size(), 1u) << page;
      EXPECT_EQ(PlainText(titles[0]), title) << page;
      EXPECT_EQ(PlainText(headings[0]), title) << page;
      EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << page;
      EXPECT_NE(html.find(language.english ? "<html lang=\"en\">" : "<html lang=\"fr\">"),
                std::string::npos)
          << page;
    }
  }
}

TEST(HelpPagesTest, LinksAndFiguresResolve) {
  for (const PageLanguage& language : kLanguages) {
    std::set<std::string> linkedTo;
    for (const HelpTopic& topic : HelpTopics()) {
      const std::string html = Read(language.folder / topic.page);
      std::set<std::string> others;
      for (const std::string& href : Captures(html, std::regex("href=\"([^\"]*)\""))) {
        if (href.starts_with("http://") || href.starts_with("https://")) continue;
        const std::string file = href.substr(0, href.find('#'));
        ASSERT_FALSE(file.empty()) << topic.page << ": " << href;
        EXPECT_TRUE(fs::is_regular_file(language.folder / file))
            << topic.page << " links to " << href;
        if (href.find('#') != std::string::npos) {
          const std::string anchor = href.substr(href.find('#') + 1);
          EXPECT_NE(Read(language.folder / file).find("id=\"" + anchor + "\""), std::string::npos)
              << topic.page << " links to " << href;
        }
        if (file != topic.page && file.ends_with(".html")) others.insert(file);
        linkedTo.insert(file);
      }
      // the contents and at least one related page
      EXPECT_GE(others.size(), topic.id == kFirstTopic ? 12u : 2u) << topic.page;
      for (const std::string& src : Captures(html, std::regex("<img src=\"([^\"]*)\""))) {
        EXPECT_TRUE(fs::is_regular_file(language.folder / src)) << topic.page << " shows " << src;
      }
    }
    // no page is left out of the web of links
    for (const HelpTopic& topic : HelpTopics()) {
      EXPECT_TRUE(linkedTo.count(topic.page)) << language.name << " " << topic.page;
    }
  }
}

TEST(HelpPagesTest, EveryQuotedTextIsTheProgramsOwn) {
  const std::regex quoted("<span class=\"ui\">(.*?)</span>");
  for (const PageLanguage& language : kLanguages) {
    const std::string program = language.english ? EnglishTexts() : ProgramTexts();
    int quotes = 0;
    for (const HelpTopic& topic : HelpTopics()) {
      for (const std::string& q : Captures(Read(language.folder / topic.page), quoted)) {
        const std::string text = PlainText(q);
        ++quotes;
        EXPECT_NE(program.find(text), std::string::npos)
            << language.name << " " << topic.page << " quotes \"" << text
            << "\", which the program never writes";
      }
    }
    // the pages do quote the program: the collection itself works
    EXPECT_GT(quotes, 150) << language.name;
  }
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
