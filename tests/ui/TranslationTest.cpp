// The interface language: the translators installed at start-up, and a pseudo-language loaded into
// the window, which shows every text that never went through a translation and every one that a
// layout cuts off.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <functional>

#include <filesystem>
#include <sstream>

#include "app/FakePlatform.h"
#include "app/MainMenu.h"
#include "cli/CliOptions.h"
#include "cli/CliPlatform.h"
#include "cli/CliRun.h"
#include "app/Session.h"
#include "files/SafeFile.h"
#include "form/FieldFacts.h"
#include "support/TranslationFile.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompts.h"
#include "ui/SaisiesDialog.h"
#include "ui/UiApplication.h"

namespace umbrix {
namespace {

using testing::FakePlatform;

/// Every text wrapped in brackets, its vowels accented and lengthened by 40 %, as a language
/// with longer words would be; "%1" and "&" keep their meaning.
class PseudoTranslator final : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    if (source == nullptr || *source == '\0') return {};
    QString s = QString::fromUtf8(source);
    for (QChar& c : s) {
      static const QString kPlain = QStringLiteral("aeiouAEIOU");
      static const QString kAccented = QStringLiteral("àéîõüÀÉÎÕÜ");
      const qsizetype k = kPlain.indexOf(c);
      if (k >= 0) c = kAccented[k];
    }
    return QLatin1Char('[') + s + QString((s.size() * 2 + 4) / 5, QLatin1Char('~')) +
           QLatin1Char(']');
  }
};

/// Installs the pseudo-language for as long as it lives.
struct PseudoLanguage {
  PseudoLanguage() { QCoreApplication::installTranslator(&translator); }
  ~PseudoLanguage() { QCoreApplication::removeTranslator(&translator); }
  PseudoTranslator translator;
};

bool Translated(const QString& text) { return text.isEmpty() || text.startsWith('['); }

void CollectActions(const QList<QAction*>& actions, QStringList& untranslated,
                    const std::function<bool(const QString&)>& translated) {
  for (QAction* a : actions) {
    if (a->isSeparator()) continue;
    if (!translated(a->text())) untranslated << a->text();
    if (a->menu() != nullptr) CollectActions(a->menu()->actions(), untranslated, translated);
  }
}

TEST(InterfaceLanguage, EachLanguageLoadsItsOwnTextsAndOnlyEnglishIsTheEnglishInterface) {
  for (const InterfaceLanguageId id : {InterfaceLanguageId::English, InterfaceLanguageId::French}) {
    const UiLanguage language = SetUpApplication(id);
    EXPECT_TRUE(language.umbrixTexts) << LanguageCode(id) << ": compiled into the program";
    EXPECT_EQ(language.englishUi, id == InterfaceLanguageId::English) << LanguageCode(id);
  }
  // the French ones replaced the English ones: the window speaks French again
  EXPECT_EQ(QCoreApplication::translate("MainMenu", "&Fichier"), QStringLiteral("&Fichier"));
}

TEST(InterfaceLanguage, TheDesktopsOrderOfLanguagesChoosesFrenchOrEnglish) {
  struct Row {
    QStringList uiLanguages;
    InterfaceLanguageId expected;
  };
  const Row rows[] = {{{"fr-FR", "fr"}, InterfaceLanguageId::French},
                      {{"en-US", "en"}, InterfaceLanguageId::English},
                      {{"de"}, InterfaceLanguageId::English},  // a language Umbrix lacks
                      {{"de-DE", "fr-CH", "en"}, InterfaceLanguageId::French},
                      {{"C"}, InterfaceLanguageId::English},
                      {{}, InterfaceLanguageId::English}};
  for (const Row& r : rows) {
    EXPECT_EQ(DesktopLanguage(r.uiLanguages), r.expected) << r.uiLanguages.join(',').toStdString();
  }
}

TEST(InterfaceLanguage, TheLanguageOptionIsTakenOutOfTheArgumentsAndAWrongOneRefused) {
  struct Row {
    std::vector<std::string> args;
    std::optional<InterfaceLanguageId> language;
    std::vector<std::string> rest;
    std::optional<std::string> refused;
  };
  const Row rows[] = {
      {{"--langue", "en", "mur.umd"}, InterfaceLanguageId::English, {"mur.umd"}, {}},
      {{"MAP", "--langue=FR", "mur.umd"}, InterfaceLanguageId::French, {"MAP", "mur.umd"}, {}},
      {{"mur.umd"}, {}, {"mur.umd"}, {}},
      {{"--langue", "de"}, {}, {}, "de"},
      {{"--langue"}, {}, {}, ""},
      {{"--", "--langue", "en"}, {}, {"--", "--langue", "en"}, {}},  // file names after "--"
  };
  for (const Row& r : rows) {
    const LanguageOption o = TakeLanguageOption(r.args);
    EXPECT_EQ(o.language, r.language) << r.args.back();
    EXPECT_EQ(o.refused, r.refused) << r.args.back();
    if (!r.refused) {
      EXPECT_EQ(o.args, r.rest) << r.args.back();
    }
  }
}

TEST(InterfaceLanguage, OnlyTheEnglishInterfaceFollowsTheSystemsShortDateFormatWithSlashes) {
  struct Row {
    bool englishUi;
    QLocale system;
    std::string pattern;
  };
  const Row rows[] = {{true, QLocale(QLocale::English, QLocale::UnitedStates), "M/d/yy"},
                      {true, QLocale(QLocale::English, QLocale::UnitedKingdom), "dd/MM/yyyy"},
                      {true, QLocale(QLocale::German, QLocale::Germany), "dd/mm/yyyy"},
                      {false, QLocale(QLocale::English, QLocale::UnitedStates), "dd/mm/yyyy"}};
  for (const Row& r : rows) {
    UiLanguage language;
    language.englishUi = r.englishUi;
    std::unique_ptr<TextLanguage> texts;
    const SessionSettings s = LanguageSettings(language, texts, r.system);
    EXPECT_EQ(s.dates.pattern, r.pattern) << r.system.name().toStdString();
    EXPECT_EQ(s.englishUi, r.englishUi);
    ASSERT_EQ(s.language, texts.get());
    EXPECT_EQ(texts->Months(), r.englishUi ? MonthNames::English : MonthNames::French);
  }
}

TEST(InterfaceLanguage, TheLanguageMenuKeepsTheChoiceForTheNextStart) {
  struct Row {
    const char* item;
    std::optional<InterfaceLanguageId> stored;
  };
  const Row rows[] = {{"LangueAnglais1", InterfaceLanguageId::English},
                      {"LangueFrancais1", InterfaceLanguageId::French},
                      {"LangueBureau1", std::nullopt}};
  FakePlatform fake;
  MainWindow window(fake, fake);
  for (const Row& r : rows) {
    QAction* item = window.findChild<QAction*>(QString::fromLatin1(r.item));
    ASSERT_NE(item, nullptr) << r.item;
    item->trigger();
    EXPECT_EQ(StoredLanguage(), r.stored) << r.item;
    EXPECT_TRUE(item->isChecked()) << r.item;
    EXPECT_EQ(fake.MessageTexts().back(), kLanguageNextStartText);
    // the next start reads it, unless its command line names a language
    MainWindow next(fake, fake);
    EXPECT_TRUE(next.findChild<QAction*>(QString::fromLatin1(r.item))->isChecked()) << r.item;
    if (r.stored) {
      EXPECT_EQ(ChosenLanguage(std::nullopt), *r.stored) << r.item;
    }
    EXPECT_EQ(ChosenLanguage(InterfaceLanguageId::French), InterfaceLanguageId::French);
  }
}

TEST(InterfaceLanguage, EveryEnglishMenuCaptionIsTranslatedWithItsOwnMnemonicInItsMenu) {
  QTranslator english;
  ASSERT_TRUE(english.load(QStringLiteral(":/i18n/umbrix_en.qm")));
  QMap<int, QMap<QChar, QString>> letters;  // parent menu -> mnemonic -> caption
  for (const MenuRow& row : MenuTable()) {
    if (*row.caption == '\0') continue;
    const QString french = QString::fromUtf8(row.caption);
    const QString caption = english.translate("MainMenu", row.caption);
    EXPECT_FALSE(caption.isEmpty()) << row.name << " has no English caption";
    EXPECT_EQ(caption.count('&'), french.count('&')) << caption.toStdString();
    const qsizetype at = caption.indexOf('&');
    if (at < 0 || at + 1 >= caption.size()) continue;
    const int parent = row.parent ? static_cast<int>(*row.parent) : -1;
    const QChar letter = caption[at + 1].toLower();
    EXPECT_FALSE(letters[parent].contains(letter))
        << caption.toStdString() << " and " << letters[parent][letter].toStdString();
    letters[parent][letter] = caption;
  }
}

/// The texts of the window, its menus and every tab of its dialog that `translated` refuses, and
/// those that their widget's room cuts off.
void CheckWindow(const std::function<bool(const QString&)>& translated, QStringList& untranslated,
                 QStringList& cut) {
  FakePlatform fake;
  MainWindow window(fake, fake);
  window.show();
  window.Start({"MAP"});  // the developer's tabs too
  window.ShowDialog();

  CollectActions(window.menuBar()->actions(), untranslated, translated);
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->isVisible()) continue;
    // a rich text: every piece between its tags
    const QStringList pieces =
        label->textFormat() == Qt::RichText
            ? label->text().split(QRegularExpression(QStringLiteral("<[^>]*>")), Qt::SkipEmptyParts)
            : QStringList{label->text()};
    for (const QString& piece : pieces) {
      if (!translated(piece)) untranslated << piece;
    }
    // a wrapped text needs its height at its width, another its whole hint
    if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                          : label->width() < label->sizeHint().width() ||
                                label->height() < label->sizeHint().height())
      cut << label->text();
  }
  // the comments' caption stays left of its pane, and the pane shows a whole line
  const QPlainTextEdit* comments = window.CommentsPane();
  const QLabel* caption = window.findChild<QLabel*>(QStringLiteral("Label1"));
  if (caption->geometry().right() >= comments->x()) cut << caption->text();
  if (comments->height() < comments->fontMetrics().lineSpacing() + 2 * comments->frameWidth())
    cut << QStringLiteral("Memo2");

  SaisiesDialog& dialog = window.dialog();
  // every window of the program in the desktop's font
  if (window.font() != QApplication::font() || dialog.font() != QApplication::font())
    cut << QStringLiteral("font ") + window.font().toString();
  // the companion labels show values (dates, times), not texts of the program
  QSet<QWidget*> values;
  for (const FieldFacts& f : kFieldFacts)
    if (f.label) values.insert(dialog.Widget(f.label->control));
  if (!translated(dialog.windowTitle())) untranslated << dialog.windowTitle();

  QTabWidget* tabs = dialog.Tabs();
  for (int t = 0; t < tabs->count(); ++t) {
    if (!translated(tabs->tabText(t))) untranslated << tabs->tabText(t);
    tabs->setCurrentIndex(t);
    QApplication::processEvents();
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
      if (!w->isVisible() || values.contains(w)) continue;
      QString text;
      if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
      if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
      if (auto* group = qobject_cast<QGroupBox*>(w)) text = group->title();
      if (text.isEmpty()) continue;
      if (!translated(text)) untranslated << text;
      const QSize hint = w->sizeHint();
      if (w->width() < hint.width() || w->height() < hint.height())
        cut << QStringLiteral("%1 (%2 < %3)").arg(text).arg(w->width()).arg(hint.width());
    }
  }
  untranslated.removeDuplicates();
}

TEST(InterfaceLanguage, APseudoLanguageChangesEveryTextOfTheWindowAndCutsNoneOff) {
  const PseudoLanguage pseudo;
  QStringList untranslated, cut;
  CheckWindow(Translated, untranslated, cut);
  EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(" | ").toStdString();
  EXPECT_TRUE(cut.isEmpty()) << cut.join(" | ").toStdString();
}

TEST(InterfaceLanguage, TheDesktopFontHalfAsBigAgainCutsNoTextOff) {
  const QFont desktop = QApplication::font();
  QFont big = desktop;
  big.setPointSizeF(desktop.pointSizeF() * 1.5);
  QApplication::setFont(big);
  QStringList untranslated, cut;
  CheckWindow([](const QString&) { return true; }, untranslated, cut);
  QApplication::setFont(desktop);
  EXPECT_TRUE(cut.isEmpty()) << cut.join(" | ").toStdString();
}

TEST(InterfaceLanguage, EnglishLeavesNoFrenchTextInTheWindowAndCutsNoneOff) {
  // the French texts whose English reads otherwise: none of them may show
  QSet<QString> french;
  for (const auto& [key, english] : testing::ReadTranslations(
           std::filesystem::path(UMBRIX_SOURCE_DIR) / "translations" / "umbrix_en.ts")) {
    const QString source = QString::fromStdString(key.second).remove('&');
    if (QString::fromStdString(english).remove('&') != source) french.insert(source);
  }
  ASSERT_GT(french.size(), 300);
  QTranslator english;
  ASSERT_TRUE(english.load(QStringLiteral(":/i18n/umbrix_en.qm")));
  QCoreApplication::installTranslator(&english);
  QStringList untranslated, cut;
  CheckWindow([&](const QString& text) { return !french.contains(QString(text).remove('&')); },
              untranslated, cut);
  QCoreApplication::removeTranslator(&english);
  EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(" | ").toStdString();
  EXPECT_TRUE(cut.isEmpty()) << cut.join(" | ").toStdString();
}

TEST(InterfaceLanguage, AMessageBoxShowsItsTextCaptionAndButtonTranslated) {
  const PseudoLanguage pseudo;
  QtPrompts prompts(QDir::tempPath());
  QString title, text, button;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    title = box->windowTitle();
    text = box->text();
    button = box->buttons().value(0)->text();
    box->accept();
  });
  prompts.ShowMessage(ErrorMessage(kCannotOpenText, {"mur.umd"}));
  EXPECT_EQ(title, "[Érréür...~~~~]");
  // the pattern translated whole, its argument put in afterwards
  EXPECT_EQ(text, "[mur.umd : déjà õüvért õü érréür d'õüvértüré~~~~~~~~~~~~~~~~]");
  EXPECT_TRUE(Translated(button)) << button.toStdString();
}

TEST(InterfaceLanguage, APluralReachesTheTranslatorWithItsCount) {
  const PseudoLanguage pseudo;
  const Question question{"Imprimer", "%n feuilles", Buttons::OkCancel, {}, 3};
  QtPrompts prompts(QDir::tempPath());
  QString text;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    text = box->text();
    box->reject();
  });
  prompts.Ask(question);
  EXPECT_EQ(text, "[3 féüîllés~~~~~]");
  std::ostringstream err;
  TerminalPrompts terminal(err);
  terminal.Ask(question);
  EXPECT_NE(err.str().find("[3 féüîllés~~~~~]"), std::string::npos) << err.str();
}

TEST(InterfaceLanguage, TheCommandLineWritesEveryLineTranslated) {
  const PseudoLanguage pseudo;
  const std::filesystem::path examples = std::filesystem::path(UMBRIX_SOURCE_DIR) / "examples";
  const std::string worked = (examples / "mur-declinant-ouest.umd").string();
  // usage errors and the help, each pattern translated whole and its argument put in after
  const CliParse parses[] = {ParseCliArguments({"a.umd", "--png", "x", "--png", "y"}),
                             ParseCliArguments({"a.umd", "--taille", "5x5"}),
                             ParseCliArguments({})};
  for (const CliParse& p : parses) {
    EXPECT_TRUE(p.ErrorText().starts_with("[")) << p.ErrorText();
  }
  EXPECT_NE(parses[0].ErrorText().find("--png"), std::string::npos);
  EXPECT_NE(parses[1].ErrorText().find("5x5"), std::string::npos);
  EXPECT_TRUE(HelpText(true).starts_with("[Üsàgé : ümbrîx-clî")) << HelpText(true);
  // the boxes, the program's own lines and the write failures of whole runs
  const std::vector<std::string> runs[] = {
      {"nulle-part.umd"},
      {worked, "--zone", "Europe/Atlantis"},
      {worked, "--png", "/dossier-absent/x.png"},
  };
  for (const auto& args : runs) {
    const CliParse p = ParseCliArguments(args);
    ASSERT_TRUE(p.options) << p.error;
    std::ostringstream out, err;
    RunCli(*p.options, out, err);
    ASSERT_FALSE(err.str().empty()) << args.back();
    // the pseudo-language leaves no plain vowel: one left outside the arguments was never
    // translated
    std::string words = err.str();
    for (const std::string& arg : args) {
      for (size_t at = words.find(arg); at != std::string::npos; at = words.find(arg))
        words.erase(at, arg.size());
    }
    EXPECT_EQ(words.find_first_of("aeiouAEIOU"), std::string::npos) << err.str();
  }
}

}  // namespace
}  // namespace umbrix
