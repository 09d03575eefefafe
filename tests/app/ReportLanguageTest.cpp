// The texts the program composes without Qt (the report, the ephemeris, the reliability study,
// the workshop title block, the About box) come out in the language the session is handed, with
// the same numbers in the same order, for every bundled example.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "app/Documentation.h"
#include "app/ExportCommands.h"
#include "app/FakePlatform.h"
#include "app/Session.h"
#include "support/DigitRuns.h"
#include "support/FileCopy.h"
#include "support/TempFolder.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;
using testing::DigitRuns;

/// A language whose every text has its lower-case letters crossed out as "x", accented letters
/// and signs included: a line that never went through the language keeps its French letters.
class CrossedOut final : public TextLanguage {
 public:
  CrossedOut() : TextLanguage(MonthNames::English) {}
  std::string Translate(const char*, const char* text, long) const override {
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
      const auto c = static_cast<unsigned char>(*p);
      if (c == '%' && p[1] != '\0') {  // "%1" stays a place for its argument
        out += *p;
        out += *++p;
      } else if ((c & 0xC0) != 0x80) {  // a UTF-8 letter's following bytes go with its first
        out += (c >= 'a' && c <= 'z') || c >= 0x80 ? 'x' : *p;
      }
    }
    return out;
  }
};

struct Composed {
  std::string report, ephemeris, reliability, title;
};

Composed ComposedTexts(const fs::path& project, const TextLanguage* language) {
  testing::FakePlatform platform;
  SessionSettings settings;
  settings.language = language;
  Session session(platform, settings);
  session.Start({});
  const testing::TempFolder folder;
  EXPECT_TRUE(session.OpenProject(testing::CopyInto(folder.Path(), project).string())) << project;
  Composed out;
  out.report = session.ReportPane();
  session.EphemerisCommand();
  for (const Message& m : platform.messages) out.ephemeris += m.Composed();
  session.ReliabilityCommand();
  out.reliability = platform.textWindow;
  for (const std::string& line : ExportCommands(session, platform, platform).FabricationTitle()) {
    out.title += line + "\n";
  }
  out.title += MessageIn(AboutMessage(session.Language()), session.Language());
  return out;
}

/// The words of three letters or more still written with a lower-case letter other than "x":
/// French left untranslated, unless it is a value (a month's name, the project's name).
std::set<std::string> FrenchLeft(const std::string& text, const std::set<std::string>& values) {
  std::set<std::string> out;
  std::string word;
  const auto flush = [&] {
    const bool french = std::any_of(word.begin(), word.end(), [](char c) {
      return (c >= 'a' && c <= 'z' && c != 'x') || static_cast<unsigned char>(c) >= 0x80;
    });
    if (word.size() >= 3 && french && values.count(word) == 0) out.insert(word);
    word.clear();
  };
  for (const char c : text) {
    if (std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80) {
      word += c;
    } else {
      flush();
    }
  }
  flush();
  return out;
}

TEST(ReportLanguage, EveryComposedTextOfEveryExampleGoesThroughTheLanguageWithItsNumbers) {
  const CrossedOut crossed;
  std::set<std::string> values = {"January",  "February", "March",  "April",     "May",
                                  "June",     "July",     "August", "September", "October",
                                  "November", "December", "Umbrix", "uviv",      "cadrans",
                                  "umbrix",   "org"};
  int examples = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(UMBRIX_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".umd") continue;
    ++examples;
    const std::string name = entry.path().stem().string();
    // the project's name is a value of the title block, its words included
    std::set<std::string> mine = values;
    for (std::size_t at = 0; at <= name.size();) {
      const std::size_t dash = std::min(name.find('-', at), name.size());
      mine.insert(name.substr(at, dash - at));
      at = dash + 1;
    }
    const Composed french = ComposedTexts(entry.path(), nullptr);
    const Composed other = ComposedTexts(entry.path(), &crossed);
    ASSERT_FALSE(french.report.empty()) << name;
    const std::pair<const std::string*, const std::string*> texts[] = {
        {&french.report, &other.report},
        {&french.ephemeris, &other.ephemeris},
        {&french.reliability, &other.reliability},
        {&french.title, &other.title}};  // the title block and the About box
    for (const auto& [source, translated] : texts) {
      EXPECT_EQ(DigitRuns(*translated), DigitRuns(*source)) << name << "\n" << *translated;
      EXPECT_EQ(FrenchLeft(*translated, mine), std::set<std::string>{}) << name << "\n"
                                                                        << *translated;
    }
  }
  EXPECT_EQ(examples, 8);
}

const fs::path kWorked = fs::path(UMBRIX_SOURCE_DIR) / "examples" / "mur-declinant-ouest.umd";

/// A session as the English interface sets it up: the English month names and texts, the United
/// States' short date format.
struct EnglishSession {
  CrossedOut texts;
  testing::FakePlatform platform;
  Session session{platform, SessionSettings{DateStyle{"M/d/yy"}, true, &texts}};
};

struct FrenchSession {
  testing::FakePlatform platform;
  Session session{platform};
};

TEST(EnglishInterface, AUsDateIsReadMonthFirstAndTheJulyArcLiesWhereTheFrenchOneDoes) {
  const testing::TempFolder en, fr;
  EnglishSession english;
  FrenchSession french;
  for (auto [s, folder] : {std::pair{&english.session, &en}, std::pair{&french.session, &fr}}) {
    s->Start({});
    ASSERT_TRUE(s->OpenProject(testing::CopyInto(folder->Path(), kWorked).string()));
    s->ToggleOption(OptionItem::EteAutomne2);
  }
  const auto july = [](const testing::FakePlatform& p) {
    const auto arcs = p.bitmap.Of(testing::CallKind::DrawPolyline, colours::Red);
    return arcs.empty() ? std::vector<PointMm>{} : arcs.front().points;
  };
  ASSERT_FALSE(july(french.platform).empty());
  EXPECT_EQ(july(english.platform), july(french.platform));

  english.session.Dialog().Enter(Field::Date1, "6/21/2024");
  EXPECT_EQ(english.session.Project().Date1.value, SerialFromCivil({2024, 6, 21}));
  EXPECT_EQ(english.session.Project().Adate1, "21 June 2024");
}

TEST(EnglishInterface, AProjectSavedInOneLanguageOpensInTheOtherWithItsOwnReport) {
  // each language's report of the example as it stands, then of the other language's save
  for (const bool savedInEnglish : {true, false}) {
    const testing::TempFolder folder, mine;
    const std::string saved = folder.File("saved.umd");
    {
      // the saver lets its file go when it ends
      EnglishSession english;
      FrenchSession french;
      Session& saver = savedInEnglish ? english.session : french.session;
      saver.Start({});
      ASSERT_TRUE(saver.OpenProject(testing::CopyInto(folder.Path(), kWorked).string()));
      ASSERT_TRUE(saver.WriteProject(saved, false));
    }
    // the yes/no words are the saving interface's; dates and numbers are the file's own
    std::ifstream in(saved, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(bytes.find(savedInEnglish ? "\r\nYes '" : "\r\nOui '"), std::string::npos);
    EXPECT_NE(bytes.find("21/06/2024 '"), std::string::npos);
    EnglishSession english;
    FrenchSession french;
    Session& reader = savedInEnglish ? french.session : english.session;
    reader.Start({});
    ASSERT_TRUE(reader.OpenProject(testing::CopyInto(mine.Path(), kWorked).string()));
    const std::string expected = reader.ReportPane();
    ASSERT_TRUE(reader.OpenProject(saved));
    EXPECT_EQ(reader.ReportPane(), expected) << (savedInEnglish ? "saved in English" : "in French");
    EXPECT_EQ(reader.Project().Date1.value, SerialFromCivil({2024, 6, 21}));
  }
}

}  // namespace
}  // namespace umbrix
