// The desk dial at the real window: Ctrl+H and the popup menu switch the look, the timer runs
// only in the mode, a drag of the border obeys the resize rule, closing stores the settings.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <fstream>
#include <iterator>

#include "app/FakePlatform.h"
#include "files/DeskSettings.h"
#include "files/TextLines.h"
#include "support/FileCopy.h"
#include "support/TempFolder.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompts.h"
#include "ui/SaisiesDialog.h"

namespace umbrix {
namespace {

using testing::CopyInto;
using testing::FakePlatform;
using testing::TempFolder;

const std::filesystem::path kWorkedExample =
    std::filesystem::path(UMBRIX_SOURCE_DIR) / "examples" / "mur-declinant-ouest.umd";

/// The worked example opened from the command line in a window of its own.
struct DeskProgram {
  explicit DeskProgram(const std::string& file = {}) : window(fake, fake) {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.Start({file.empty() ? CopyInto(folder.Path(), kWorkedExample).string() : file});
  }
  TempFolder folder;
  FakePlatform fake;
  MainWindow window;

  bool On() { return window.session().DeskMode(); }
  std::filesystem::path Settings() const { return folder.Path() / "mur-declinant-ouest.umb"; }
};

std::optional<DeskSettings> ReadSettings(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ParseDeskSettings(DecodeLines(bytes));
}

TEST(DeskDialStory, CtrlHTurnsTheWindowIntoAToolWindowShowingOnlyTheDial) {
  DeskProgram p;
  ASSERT_TRUE(p.window.session().State().DrawingExists);
  p.fake.Forget();
  QTest::keyClick(&p.window, Qt::Key_H, Qt::ControlModifier);
  ASSERT_TRUE(p.On());
  // traced once, after the whole look is on: each desk-dial trace reads the time zone once
  EXPECT_EQ(p.fake.zoneReads, 1);
  EXPECT_EQ(p.window.windowTitle(), "  mur-declinant-ouest");
  // the little window has no title bar: the name shows over the dial
  EXPECT_EQ(p.window.centralWidget()->toolTip(), "  mur-declinant-ouest");
  EXPECT_TRUE(p.window.windowFlags().testFlag(Qt::Tool));
  EXPECT_FALSE(p.window.menuBar()->isVisible());
  EXPECT_FALSE(p.window.ReportPane()->isVisible());
  EXPECT_FALSE(p.window.CommentsPane()->isVisible());
  EXPECT_FALSE(p.window.acceptDrops());
  EXPECT_FALSE(p.window.dialog().isVisible());
  EXPECT_TRUE(p.window.isVisible());
  EXPECT_TRUE(p.window.DeskTimer().isActive());
  EXPECT_EQ(p.window.DeskTimer().interval(), 20000);
  // the bitmap fits the small client area in the desk font's margin
  EXPECT_LE(p.window.Bitmap().width(), p.window.width());
  EXPECT_LE(p.window.Bitmap().height(), p.window.height());
  EXPECT_LT(p.window.session().Frame().marginPx, 20);

  // the same key brings the normal window back
  QTest::keyClick(&p.window, Qt::Key_H, Qt::ControlModifier);
  ASSERT_FALSE(p.On());
  EXPECT_EQ(p.window.windowTitle(), "Umbrix   mur-declinant-ouest.umd");
  EXPECT_EQ(p.window.centralWidget()->toolTip(), "");
  EXPECT_FALSE(p.window.windowFlags().testFlag(Qt::Tool));
  EXPECT_TRUE(p.window.menuBar()->isVisible());
  EXPECT_TRUE(p.window.ReportPane()->isVisible());
  EXPECT_TRUE(p.window.acceptDrops());
  EXPECT_FALSE(p.window.DeskTimer().isActive());
  EXPECT_EQ(p.window.session().Frame().marginPx, 20);
  EXPECT_TRUE(ReadSettings(p.Settings()));
}

TEST(DeskDialStory, OnlyCtrlHActsAmongTheKeysAndDropsAreRefused) {
  DeskProgram p;
  // the ephemeris key speaks in the normal window
  QTest::keyClick(&p.window, Qt::Key_J, Qt::ControlModifier);
  ASSERT_EQ(p.fake.messages.size(), 1u);
  p.window.Action(MenuId::CadBur1)->trigger();
  ASSERT_TRUE(p.On());
  for (const Qt::Key key : {Qt::Key_J, Qt::Key_M, Qt::Key_N, Qt::Key_O, Qt::Key_E}) {
    QTest::keyClick(&p.window, key, Qt::ControlModifier);
  }
  QTest::keyClick(&p.window, Qt::Key_Escape);
  EXPECT_EQ(p.fake.messages.size(), 1u);
  EXPECT_TRUE(p.fake.openDialogs.empty());
  EXPECT_FALSE(p.window.dialog().isVisible());
  EXPECT_TRUE(p.On());

  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(kWorkedExample.string()))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  enter.ignore();
  QApplication::sendEvent(&p.window, &enter);
  EXPECT_FALSE(enter.isAccepted());
}

TEST(DeskDialStory, ThePopupKeepsTheWindowOnTopAndItsCheckMarkFollows) {
  DeskProgram p;
  p.window.Action(MenuId::CadBur1)->trigger();
  ASSERT_TRUE(p.On());
  QAction* onTop = p.window.Action(MenuId::TjsVisible1);
  ASSERT_NE(onTop, nullptr);
  EXPECT_TRUE(p.window.DeskPopup()->actions().contains(onTop));
  const QRect before = p.window.geometry();
  onTop->trigger();
  EXPECT_TRUE(onTop->isChecked());
  EXPECT_TRUE(p.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(p.window.isVisible());
  EXPECT_EQ(p.window.geometry(), before);
  onTop->trigger();
  EXPECT_FALSE(onTop->isChecked());
  EXPECT_FALSE(p.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

  onTop->trigger();
  p.window.Action(MenuId::RetUmbrix1)->trigger();
  ASSERT_FALSE(p.On());
  EXPECT_FALSE(p.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(ReadSettings(p.Settings())->stayOnTopDesktop, 1);
}

TEST(DeskDialStory, ASidewaysResizeSpringsBackAndATallerOneCarriesTheWidth) {
  DeskProgram p;
  p.window.Action(MenuId::CadBur1)->trigger();
  ASSERT_TRUE(p.On());
  QTest::qWait(50);
  const QSize start = p.window.size();
  p.window.resize(start.width() + 60, start.height());
  QTest::qWait(400);
  EXPECT_EQ(p.window.size(), start);

  p.window.resize(start.width(), start.height() + 80);
  QTest::qWait(400);
  // the worked plate is square: the width follows the height
  EXPECT_EQ(p.window.size(), QSize(start.width() + 80, start.height() + 80));
  EXPECT_EQ(p.window.Bitmap().width(), p.window.Bitmap().height());
  EXPECT_EQ(p.window.Bitmap().height(), p.window.height());
}

TEST(DeskDialStory, ClosingTheDeskDialStoresItsPlaceAndADeskFileBringsItBack) {
  TempFolder folder;
  const std::string project = CopyInto(folder.Path(), kWorkedExample).string();
  QSize deskSize;
  {
    DeskProgram p(project);
    p.window.SetReportWidth(300);
    p.window.Action(MenuId::CadBur1)->trigger();
    ASSERT_TRUE(p.On());
    p.window.move(120, 90);
    QTest::qWait(50);
    deskSize = p.window.frameGeometry().size();
    EXPECT_TRUE(p.window.close());
  }
  const auto stored = ReadSettings(folder.Path() / "mur-declinant-ouest.umb");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->leftDesktop, 120);
  EXPECT_EQ(stored->topDesktop, 90);
  EXPECT_EQ(stored->widthDesktop, deskSize.width());
  EXPECT_EQ(stored->reportWidthNormal, 300);

  DeskProgram again((folder.Path() / "mur-declinant-ouest.umb").string());
  ASSERT_TRUE(again.On());
  QTest::qWait(50);
  EXPECT_EQ(again.window.frameGeometry().size(), deskSize);
  EXPECT_EQ(deskSize.height(), stored->heightDesktop);
  EXPECT_EQ(again.window.pos(), QPoint(120, 90));
  EXPECT_EQ(again.window.windowTitle(), "  mur-declinant-ouest");
}

/// Answers every real box that opens with "Annuler", or OK when it has no other, counting them.
struct BoxAnswerer {
  BoxAnswerer() {
    QObject::connect(&poll, &QTimer::timeout, [this] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(top);
        if (box == nullptr || !box->isVisible()) continue;
        QAbstractButton* button = box->button(QMessageBox::Cancel);
        if (button == nullptr) button = box->button(QMessageBox::Ok);
        if (button == nullptr) continue;
        texts.push_back(box->text());
        button->click();
        return;
      }
    });
    poll.start(20);
  }
  QTimer poll;
  QStringList texts;
};

TEST(DeskDialStory, AfterADeskTripOkOnABoxLeavesTheProgramRunningWithItsProject) {
  for (const MenuId box : {MenuId::Apropos2, MenuId::Saisies1}) {
    TempFolder folder;
    QtPrompts prompts(QString::fromStdString(folder.Path().string()));
    FakePlatform services;
    MainWindow window(prompts, services, [&prompts] { return prompts.Busy(); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.Start({CopyInto(folder.Path(), kWorkedExample).string()});
    // unsaved work: a quit would ask the save question
    QTest::keyClicks(window.CommentsPane(), " Vu.");
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(window.session().DeskMode());
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    ASSERT_FALSE(window.session().DeskMode());

    BoxAnswerer answerer;
    QTimer::singleShot(0, &window, [&window, box] {
      if (box == MenuId::Apropos2) {
        window.Action(box)->trigger();
      } else {
        // the ephemeris key's box
        QTest::keyClick(window.ReportPane(), Qt::Key_J, Qt::ControlModifier);
      }
      QTimer::singleShot(300, [] { QCoreApplication::exit(42); });
    });
    EXPECT_EQ(QApplication::exec(), 42) << RowOf(box).name;
    ASSERT_EQ(answerer.texts.size(), 1) << answerer.texts.join(" / ").toStdString();
    EXPECT_FALSE(answerer.texts.front().contains("Voulez-vous sauver"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Umbrix * mur-declinant-ouest.umd");
    EXPECT_TRUE(window.session().State().DrawingExists);
  }
}

}  // namespace
}  // namespace umbrix
