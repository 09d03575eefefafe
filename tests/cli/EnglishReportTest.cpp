// The command line in English: for every bundled example the report, with the English catalogue,
// has the French report's numbers in the same order and none of its French words.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "cli/CliOptions.h"
#include "support/DigitRuns.h"
#include "support/FileCopy.h"
#include "support/TempFolder.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;
using testing::DigitRuns;

/// Words of the French report that English never writes: any word with a French accent, and the
/// report's plain French words.
std::set<std::string> FrenchWords(const std::string& text) {
  static const std::set<std::string> kPlain = {
      "cadran", "heure",   "heures",  "lignes", "horaires", "jusqu",       "Pour",
      "Fuseau", "horaire", "Indice",  "juin",   "janvier",  "juillet",     "ombre",
      "Ombre",  "Lever",   "Coucher", "Soleil", "solaire",  "Hauteur",     "Longueur",
      "pour",   "marques", "mesure",  "fiable", "Conseil",  "Equinoxiale", "Ligne"};
  std::set<std::string> out;
  std::string word;
  const auto flush = [&] {
    const bool accented = std::any_of(word.begin(), word.end(),
                                      [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (accented || kPlain.count(word) != 0) out.insert(word);
    word.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    // "°" and "±" are signs, not letters
    if (c == 0xC2 && i + 1 < text.size()) {
      flush();
      ++i;
    } else if (std::isalpha(c) || c >= 0x80) {
      word += text[i];
    } else {
      flush();
    }
  }
  flush();
  return out;
}

TEST(EnglishReport, EveryExampleHasTheFrenchNumbersInOrderAndNoFrenchWord) {
  int examples = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(UMBRIX_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".umd") continue;
    ++examples;
    const std::string name = entry.path().stem().string();
    // the French report is the example's golden, which the French command line writes
    const std::string french = testing::ReadBytes(fs::path(UMBRIX_SOURCE_DIR) / "tests" / "data" /
                                                  "cli" / (name + ".txt"));
    const testing::TempFolder folder;
    const std::string project = testing::CopyInto(folder.Path(), entry.path()).string();
    const std::string english =
        testing::RunCliProcess({"--langue", "en", project, "--rapport", "-"}, folder.Path()).out;
    ASSERT_FALSE(FrenchWords(french).empty()) << name << ": the French report is French";
    EXPECT_NE(english, french) << name;
    EXPECT_EQ(DigitRuns(english), DigitRuns(french)) << name << "\n" << english;
    EXPECT_EQ(FrenchWords(english), std::set<std::string>{}) << name << "\n" << english;
  }
  EXPECT_EQ(examples, 8);
}

TEST(EnglishReport, TheLanguageOptionNamesFrenchOrEnglishOnce) {
  struct Row {
    std::vector<std::string> args;
    std::optional<InterfaceLanguageId> language;
    std::string error;
  };
  const Row rows[] = {
      {{"mur.umd"}, std::nullopt, ""},
      {{"mur.umd", "--langue", "en"}, InterfaceLanguageId::English, ""},
      {{"--language=FR", "mur.umd"}, InterfaceLanguageId::French, ""},
      {{"mur.umd", "--langue", "de"}, std::nullopt, "langue inconnue : « de » (fr ou en)"},
      {{"--langue", "en", "--langue", "fr", "mur.umd"},
       std::nullopt,
       "l'option --langue est donnée deux fois"},
  };
  for (const Row& r : rows) {
    const CliParse p = ParseCliArguments(r.args);
    EXPECT_EQ(p.ErrorText(), r.error) << r.args.back();
    if (p.options) {
      EXPECT_EQ(p.options->language, r.language) << r.args.back();
    }
  }
}

}  // namespace
}  // namespace umbrix
