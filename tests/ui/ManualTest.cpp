// The user manuals made by the build, French and English: PDFs beside the program, each with a
// contents page whose page numbers lead to each topic's chapter, titled in its language.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "app/HelpTopics.h"
#include "support/TranslationFile.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;

const fs::path kManual = UMBRIX_MANUAL_PDF;
const fs::path kEnglishManual = UMBRIX_MANUAL_EN_PDF;

/// The output of a command; empty when it could not run.
std::string Output(const std::string& command) {
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  ::pclose(pipe);
  return out;
}

/// The text of pages `first` to `last` (from 1), every run of blanks and line ends made one blank.
std::string PdfText(int first, int last, const fs::path& manual = kManual) {
  const std::string text = Output("pdftotext -q -f " + std::to_string(first) + " -l " +
                                  std::to_string(last) + " '" + manual.string() + "' -");
  return std::regex_replace(text, std::regex("\\s+"), " ");
}

TEST(ManualTest, ItIsAPdfBesideTheProgram) {
  for (const fs::path& manual : {kManual, kEnglishManual}) {
    ASSERT_TRUE(fs::is_regular_file(manual)) << manual;
    EXPECT_TRUE(fs::exists(manual.parent_path() / "umbrix")) << "not beside the program";
    std::ifstream in(manual, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string pdf = bytes.str();
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 64), std::string::npos) << "the file ends unfinished";
    const std::string info = Output("pdfinfo '" + manual.string() + "'");
    std::smatch pages;
    ASSERT_TRUE(std::regex_search(info, pages, std::regex("Pages:\\s+(\\d+)"))) << info;
    // a title page and at least one page per topic
    EXPECT_GT(std::stoi(pages[1]), kHelpTopicCount);
  }
  EXPECT_EQ(kManual.filename(), "Manuel.pdf");
  EXPECT_EQ(kEnglishManual.filename(), "Manual.pdf");
}

TEST(ManualTest, TheContentsLeadToEveryTopicsChapterInTheManualsLanguage) {
  const auto english =
      testing::ReadTranslations(fs::path(UMBRIX_SOURCE_DIR) / "translations" / "umbrix_en.ts");
  const struct {
    fs::path manual;
    const char* contentsTitle;
    bool english;
  } manuals[] = {{kManual, "Sommaire", false}, {kEnglishManual, "Contents", true}};
  for (const auto& m : manuals) {
    const std::string contents = PdfText(1, 1, m.manual);
    ASSERT_NE(contents.find(m.contentsTitle), std::string::npos) << contents;
    int previous = 1;
    for (const HelpTopic& topic : HelpTopics()) {
      const auto translated = english.find({"HelpTopics", topic.title});
      ASSERT_TRUE(!m.english || translated != english.end()) << topic.title;
      const std::string title = m.english ? translated->second : topic.title;
      std::smatch entry;
      const std::regex line(
          std::to_string(topic.id + 1) + "\\. " +
          std::regex_replace(title, std::regex(R"([.^$|()\[\]{}*+?\\])"), "\\$&") + " (\\d+)");
      ASSERT_TRUE(std::regex_search(contents, entry, line)) << "contents lack " << title;
      const int page = std::stoi(entry[1]);
      EXPECT_GT(page, previous) << title;
      previous = page;
      EXPECT_NE(PdfText(page, page, m.manual).find(title), std::string::npos)
          << title << " is not on page " << page;
      // no chapter of the English manual is left in French
      if (m.english) {
      EXPECT_EQ(PdfText(page, page, m.manual).find(topic.title), std::string::npos);
    }
    }
  }
}

}  // namespace
}  // namespace umbrix
