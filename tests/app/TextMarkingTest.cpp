// Every text a person reads is marked for translation where it is written: the string literals of
// src/ scanned for interface texts outside a marker, and the French catalogue read back against
// the tables whose texts it must hold.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/HelpTopics.h"
#include "app/MainMenu.h"
#include "form/Controls.h"
#include "model/Message.h"

namespace umbrix {
namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

/// The calls whose string arguments are marked: for translation, or as file format; and the
/// compiler's own messages.
bool IsMarker(const std::string& name) {
  return name == "UMBRIX_TR" || name == "UMBRIX_TR_N" || name == "UMBRIX_FILE_TEXT" ||
         name == "QT_TRANSLATE_NOOP" || name == "tr" || name == "translate" ||
         name == "static_assert";
}

bool IsLetter(unsigned char c) { return std::isalpha(c) != 0 || c >= 0x80; }

/// Whether a literal's text reads as words for a person: a word of three letters or more, and a
/// blank or a letter beyond ASCII. Names ("Fichier1"), tags ("LTYPE"), extensions and markup
/// ("<line x1=\"") are not.
bool LooksLikeInterfaceText(const std::string& text) {
  if (text.starts_with('<') || text.starts_with("\\\"") || text.find("=\"") != std::string::npos ||
      text.find("=\\\"") != std::string::npos)
    return false;
  int run = 0, longest = 0;
  bool blankOrAccent = false;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    run = IsLetter(c) ? run + 1 : 0;
    longest = std::max(longest, run);
    if (c == ' ' || c >= 0x80) blankOrAccent = true;
  }
  return longest >= 3 && blankOrAccent;
}

/// The string literals of C++ `source` that read as interface texts and stand outside every
/// marker call, each with its line. Comments, character literals and include lines are skipped.
std::vector<std::pair<int, std::string>> UnmarkedTexts(const std::string& source) {
  std::vector<std::pair<int, std::string>> found;
  std::vector<bool> open;  // per open parenthesis: whether it belongs to a marker call
  std::string word;        // the identifier just read
  int line = 1;
  const std::size_t n = source.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = source[i];
    if (c == '\n') {
      ++line;
    } else if (c == '/' && i + 1 < n && source[i + 1] == '/') {
      while (i < n && source[i] != '\n') ++i;
      ++line;
    } else if (c == '/' && i + 1 < n && source[i + 1] == '*') {
      for (i += 2; i + 1 < n && !(source[i] == '*' && source[i + 1] == '/'); ++i)
        if (source[i] == '\n') ++line;
      ++i;
    } else if (c == '#' && source.compare(i, 8, "#include") == 0) {
      while (i < n && source[i] != '\n') ++i;
      ++line;
    } else if (c == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(source[i - 1])))) {
      for (++i; i < n && source[i] != '\''; ++i)
        if (source[i] == '\\') ++i;
    } else if (c == '"') {
      std::string text;
      for (++i; i < n && source[i] != '"'; ++i) {
        if (source[i] == '\\') text += source[i++];
        text += source[i];
      }
      bool marked = false;
      for (const bool m : open) marked = marked || m;
      if (!marked && LooksLikeInterfaceText(text)) found.emplace_back(line, text);
    } else if (c == '(') {
      open.push_back(IsMarker(word));
    } else if (c == ')') {
      if (!open.empty()) open.pop_back();
    }
    // the identifier before a parenthesis, blanks allowed between them
    const auto inWord = [&source](std::size_t k) {
      return std::isalnum(static_cast<unsigned char>(source[k])) != 0 || source[k] == '_';
    };
    if (inWord(i)) {
      word = i > 0 && inWord(i - 1) ? word + c : std::string(1, c);
    } else if (c != ' ') {
      word.clear();
    }
  }
  return found;
}

TEST(TextMarking, TheScanFindsAPlantedLiteralAndOnlyIt) {
  struct Row {
    const char* source;
    std::size_t unmarked;
  };
  const Row rows[] = {
      // a message of the app layer written as a plain literal
      {"prompts_.ShowMessage(ErrorMessage(\"Le fichier est introuvable\"));", 1},
      {"prompts_.ShowMessage(ErrorMessage(UMBRIX_TR(\"Message\", \"Le fichier est "
       "introuvable\")));",
       0},
      // concatenated pieces of one marked text, and a marked text inside a wider call
      {"Show(UMBRIX_TR(\"Message\", \"Première partie \" \"et seconde\"), {name});", 0},
      {"line(x, UMBRIX_FILE_TEXT(\" 'Hauteur du cadran\"));", 0},
      {"setWindowTitle(tr(\"Aide d'Umbrix\"));", 0},
      // an accent alone makes a word a text; names, tags and markup are not
      {"return \"Déclinaison\";", 1},
      {"return UMBRIX_TR(\"Message\",\n    \"Le fichier est introuvable\");", 0},
      {"Row{M::Fichier1, \"Fichier1\", \"LTYPE\", \"umd\"};", 0},
      {"out << \"<line x1=\\\"\" << x;", 0},
      // comments, include lines and character literals never count
      {"// \"Un texte dans un commentaire\"\n#include \"model/Un fichier.h\"\nchar c = '\"';", 0},
      {"/* \"Un texte\" */ int a = 1; x = \"encore un texte\";", 1},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(UnmarkedTexts(row.source).size(), row.unmarked) << row.source;
  }
}

/// Literals that read as words but are names: fonts, the programs' names and the title's marks.
const std::set<std::string> kAllowed = {"Liberation Sans", "Liberation Serif", "Umbrix * ",
                                        "Umbrix   ",       "Umbrix Z3uviv12",  "umbrix-cli "};

TEST(TextMarking, NoInterfaceTextOfTheSourcesEscapesTheMarker) {
  const std::filesystem::path root = std::filesystem::path(UMBRIX_SOURCE_DIR) / "src";
  std::vector<std::string> escaped;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    const std::filesystem::path relative = std::filesystem::relative(entry.path(), root);
    for (const auto& [line, text] : UnmarkedTexts(Slurp(entry.path()))) {
      if (kAllowed.count(text) != 0) continue;
      escaped.push_back(relative.string() + ":" + std::to_string(line) + ": \"" + text + "\"");
    }
  }
  EXPECT_TRUE(escaped.empty()) << ::testing::PrintToString(escaped);
}

/// The source texts of `context` in a .ts file, unescaped.
std::set<std::string> CatalogueTexts(const std::string& ts, const std::string& context) {
  std::set<std::string> out;
  const std::string head = "<name>" + context + "</name>";
  const std::size_t start = ts.find(head);
  if (start == std::string::npos) return out;
  const std::size_t end = ts.find("</context>", start);
  for (std::size_t at = ts.find("<source>", start); at < end; at = ts.find("<source>", at)) {
    at += 8;
    std::string text = ts.substr(at, ts.find("</source>", at) - at);
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
      static const std::pair<const char*, char> kEntities[] = {
          {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
      bool entity = false;
      for (const auto& [name, ch] : kEntities) {
        if (text.compare(i, std::strlen(name), name) == 0) {
          plain += ch;
          i += std::strlen(name) - 1;
          entity = true;
          break;
        }
      }
      if (!entity) plain += text[i];
    }
    out.insert(plain);
  }
  return out;
}

/// The sources of the plural messages ("%n") of a .ts file that lack one of their forms: the
/// program would then show the source's plural for one item ("1 feuilles").
std::vector<std::string> UnfilledPlurals(const std::string& ts) {
  std::vector<std::string> out;
  const std::string head = "<message numerus=\"yes\">";
  for (std::size_t at = ts.find(head); at != std::string::npos; at = ts.find(head, at + 1)) {
    const std::size_t end = ts.find("</message>", at);
    const std::string message = ts.substr(at, end - at);
    const std::size_t source = message.find("<source>") + 8;
    int forms = 0;
    bool empty = false;
    for (std::size_t f = message.find("<numerusform"); f != std::string::npos;
         f = message.find("<numerusform", f + 1)) {
      ++forms;
      empty = empty || message.compare(f, 27, "<numerusform></numerusform>") == 0 ||
              message.compare(f, 14, "<numerusform/>") == 0;
    }
    if (forms < 2 || empty)
      out.push_back(message.substr(source, message.find("</source>") - source));
  }
  return out;
}

TEST(TextMarking, EveryPluralOfTheFrenchCatalogueHasBothForms) {
  const auto plural = [](const char* translation) {
    return std::string("<message numerus=\"yes\">\n<source>%n feuilles</source>\n") + translation +
           "\n</message>";
  };
  struct Row {
    std::string ts;
    std::size_t unfilled;
  };
  const Row rows[] = {
      {plural("<translation><numerusform>%n feuille</numerusform>"
              "<numerusform>%n feuilles</numerusform></translation>"),
       0},
      // as lupdate first writes it
      {plural("<translation type=\"unfinished\"><numerusform></numerusform>"
              "<numerusform></numerusform></translation>"),
       1},
      {plural("<translation><numerusform>%n feuille</numerusform><numerusform/></translation>"), 1},
      {plural("<translation><numerusform>%n feuilles</numerusform></translation>"), 1},
      // an ordinary text is shown as its source while untranslated
      {"<message>\n<source>Feuille</source>\n<translation type=\"unfinished\"></translation>", 0},
  };
  for (const Row& row : rows) EXPECT_EQ(UnfilledPlurals(row.ts).size(), row.unfilled) << row.ts;
  const std::string ts =
      Slurp(std::filesystem::path(UMBRIX_SOURCE_DIR) / "translations" / "umbrix_fr.ts");
  ASSERT_FALSE(ts.empty());
  EXPECT_TRUE(UnfilledPlurals(ts).empty()) << ::testing::PrintToString(UnfilledPlurals(ts));
}

TEST(TextMarking, TheFrenchCatalogueHoldsEveryTextOfTheTables) {
  const std::string ts =
      Slurp(std::filesystem::path(UMBRIX_SOURCE_DIR) / "translations" / "umbrix_fr.ts");
  ASSERT_FALSE(ts.empty());
  std::vector<std::string> missing;
  auto expect = [&](const char* context, const char* text) {
    if (*text != '\0' && CatalogueTexts(ts, context).count(text) == 0)
      missing.push_back(std::string(context) + ": " + text);
  };
  std::set<std::string> captions;
  for (const MenuRow& row : MenuTable()) {
    for (const char* text : {row.caption, row.disabledHint}) {
      expect(kMenuContext, text);
      if (*text != '\0') captions.insert(text);
    }
  }
  for (int i = 0; i < kControlCount; ++i) {
    const ControlInfo& info = InfoOf(static_cast<ControlId>(i));
    for (const char* text : {info.caption, info.unit, info.hint}) expect(kControlContext, text);
  }
  for (int t = 0; t < kTabCount; ++t) expect(kControlContext, TabCaption(static_cast<Tab>(t)));
  for (const char* item : kTypeHeureItems) expect(kControlContext, item);
  for (const HelpTopic& topic : HelpTopics()) expect("HelpTopics", topic.title);
  expect(kMessageContext, kErrorCaption);
  EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
  // the menu's captions and hints are written in its table and nowhere else
  EXPECT_EQ(CatalogueTexts(ts, kMenuContext), captions);
}

}  // namespace
}  // namespace umbrix
