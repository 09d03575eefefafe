// F1 and the "&?" menu at the real widgets: the topic the rule finds reaches the help window,
// which shows it, goes back and forward, and closes with the main window.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>

#include "app/FakePlatform.h"
#include "app/HelpTopics.h"
#include "support/TempFolder.h"
#include "ui/HelpSupport.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/QtDesktop.h"
#include "ui/SaisiesDialog.h"

namespace umbrix {
namespace {

using testing::FakePlatform;

struct HelpProgram {
  HelpProgram() : window(fake, fake) {
    window.show();
    window.Start({});
    window.ShowDialog();
  }
  /// F1 pressed on `widget`; the topic the help window then shows (-1 for none).
  int F1On(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_F1);
    HelpWindow* help = window.help().Window();
    return help != nullptr && help->isVisible() ? help->CurrentTopic() : -1;
  }
  FakePlatform fake;
  MainWindow window;
};

TEST(HelpWindowStory, F1OnAFieldATabOrAPaneShowsItsTopic) {
  HelpProgram p;
  SaisiesDialog& dialog = p.window.dialog();
  const struct {
    ControlId control;
    Tab tab;
    int topic;
  } fields[] = {{ControlId::Cote, Tab::Cadran, 1},    {ControlId::Gnomon, Tab::Cadran, 1},
                {ControlId::Carreau, Tab::Cadran, 9}, {ControlId::Date2, Tab::Point2, 2},
                {ControlId::Lat, Tab::Lieu, 3},       {ControlId::DecEd, Tab::Divers, 5},
                {ControlId::Dadiur, Tab::Divers, 6}};
  for (const auto& f : fields) {
    dialog.Tabs()->setCurrentIndex(static_cast<int>(f.tab));
    EXPECT_EQ(p.F1On(dialog.Widget(f.control)), f.topic) << static_cast<int>(f.control);
  }
  dialog.Tabs()->setCurrentIndex(static_cast<int>(Tab::Lieu));
  EXPECT_EQ(p.F1On(dialog.Tabs()->tabBar()), 3);
  EXPECT_EQ(p.F1On(p.window.CommentsPane()), 4);
  EXPECT_EQ(p.F1On(p.window.ReportPane()), 10);
  EXPECT_EQ(p.F1On(p.window.centralWidget()), 4);
  // the page shown is the topic's, titled as the topic
  EXPECT_EQ(p.window.help().Window()->Browser()->documentTitle(), TopicOf(4).title);
  EXPECT_TRUE(p.fake.messages.empty());
}

TEST(HelpWindowStory, F1OnAHighlightedMenuItemShowsItsMenusTopic) {
  HelpProgram p;
  const struct {
    const char* menu;
    MenuId item;
    int topic;
  } cases[] = {{"Fichier1", MenuId::Ouvrir1, 7},
               {"ImprimerleGraphique1", MenuId::N2formats1, 7},
               {"Type1", MenuId::Style1, 12},
               {"Op1", MenuId::Ombre1, 4}};
  for (const auto& c : cases) {
    auto* menu = p.window.findChild<QMenu*>(QString::fromLatin1(c.menu));
    ASSERT_NE(menu, nullptr) << c.menu;
    menu->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(p.window.Action(c.item));
    EXPECT_EQ(p.F1On(menu), c.topic) << c.menu;
    // the menu made way for the page
    EXPECT_FALSE(menu->isVisible()) << c.menu;
  }
}

TEST(HelpWindowStory, AideShowsTheFirstPageThenLinksGoBackAndForth) {
  HelpProgram p;
  p.window.Action(MenuId::Aide1)->trigger();
  HelpWindow* help = p.window.help().Window();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->CurrentTopic(), 0);
  EXPECT_FALSE(help->BackAction()->isEnabled());
  help->Browser()->setSource(QUrl(QStringLiteral("rapport.html")));
  EXPECT_EQ(help->CurrentTopic(), 10);
  ASSERT_TRUE(help->BackAction()->isEnabled());
  help->BackAction()->trigger();
  EXPECT_EQ(help->CurrentTopic(), 0);
  help->ForwardAction()->trigger();
  EXPECT_EQ(help->CurrentTopic(), 10);
  help->ContentsAction()->trigger();
  EXPECT_EQ(help->CurrentTopic(), 0);
  // the first page shows its figure, drawn by the program
  EXPECT_FALSE(help->Browser()
                   ->loadResource(QTextDocument::ImageResource,
                                  QUrl(QStringLiteral("images/mur-declinant-ouest.png")))
                   .isNull());
}

TEST(HelpWindowStory, TheEnglishWindowShowsAndFollowsTheEnglishPages) {
  QTranslator english;
  ASSERT_TRUE(english.load(QStringLiteral(":/i18n/umbrix_en.qm")));
  HelpWindow help(nullptr, true);
  const struct {
    int topic;
    const char* link;  // followed from the page shown; nullptr: shown by topic
  } steps[] = {{10, nullptr}, {2, "points.html"}, {13, "heures-anciennes.html"}, {0, nullptr}};
  for (const auto& s : steps) {
    if (s.link == nullptr) {
      help.ShowTopic(s.topic);
      EXPECT_EQ(help.Browser()->source().toString(),
                QStringLiteral("qrc:/help/en/") + QString::fromLatin1(TopicOf(s.topic).page));
    } else {
      // a link resolves beside the page: the title below tells the English page
      help.Browser()->setSource(QUrl(QString::fromLatin1(s.link)));
    }
    EXPECT_EQ(help.CurrentTopic(), s.topic);
    const QString title = english.translate("HelpTopics", TopicOf(s.topic).title);
    EXPECT_FALSE(title.isEmpty());
    EXPECT_EQ(help.Browser()->documentTitle(), title);
  }
  // the English pages show the French pages' figures
  EXPECT_FALSE(help.Browser()
                   ->loadResource(QTextDocument::ImageResource,
                                  QUrl(QStringLiteral("../images/mur-declinant-ouest.png")))
                   .isNull());
}

TEST(HelpWindowStory, AbsentManualSaysSoAndTheAboutBoxAnswers) {
  HelpProgram p;
  p.fake.Forget();
  // no Manuel.pdf beside the test program nor in ../share/umbrix
  p.window.Action(MenuId::ManuelUtil1)->trigger();
  EXPECT_EQ(p.fake.MessageTexts(), std::vector<std::string>{"Le fichier Manuel.pdf est absent"});
  p.fake.Forget();
  p.window.Action(MenuId::Apropos2)->trigger();
  ASSERT_EQ(p.fake.messages.size(), 1u);
  EXPECT_EQ(p.fake.messages[0].caption, "A propos...");
  EXPECT_EQ(p.window.help().Window(), nullptr) << "no help window was asked for";
}

TEST(HelpWindowStory, TheHelpWindowClosesWithTheMainWindow) {
  HelpProgram p;
  p.window.Action(MenuId::Aide1)->trigger();
  QPointer<HelpWindow> help = p.window.help().Window();
  ASSERT_TRUE(help && help->isVisible());
  p.window.close();
  EXPECT_FALSE(p.window.isVisible());
  ASSERT_TRUE(help);
  EXPECT_FALSE(help->isVisible());
}

TEST(HelpWindowStory, TheDesktopTellsAnAbsentDocumentWithoutOpeningAnything) {
  const testing::TempFolder folder;
  int shown = -1;
  QtDesktop desktop([&shown](int topic) { shown = topic; });
  EXPECT_EQ(desktop.OpenDocument(folder.Path() / "Manuel.pdf"), OpenOutcome::FileAbsent);
  // a folder of that name is no document either
  std::filesystem::create_directory(folder.Path() / "Manuel.pdf");
  EXPECT_EQ(desktop.OpenDocument(folder.Path() / "Manuel.pdf"), OpenOutcome::FileAbsent);
  desktop.ShowHelpTopic(8);
  EXPECT_EQ(shown, 8);
}

}  // namespace
}  // namespace umbrix
