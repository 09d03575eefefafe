// Short stories of a maker at the real widgets: the rules themselves are the models' and tested
// there; these check that the window forwards each event and shows what the models hold.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <fstream>
#include <sstream>

#include "app/FakePlatform.h"
#include "cli/CliPlatform.h"
#include "model/Numbers.h"
#include "render/PrintReplay.h"
#include "support/FileCopy.h"
#include "support/PdfTools.h"
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

/// A started window with its dialog shown, boxes answered by the fake.
struct Program {
  explicit Program(std::vector<std::string> args = {}) : window(fake, fake) {
    window.show();
    window.Start(args);
    window.ShowDialog();
    window.dialog().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window.dialog()));
  }
  FakePlatform fake;
  MainWindow window;

  template <typename W>
  W* Control(ControlId id) {
    return qobject_cast<W*>(window.dialog().Widget(id));
  }
  QString Title() const { return window.windowTitle(); }
};

/// A started window whose boxes and file dialogs are Qt's own, in a folder of its own.
struct RealBoxes {
  explicit RealBoxes(bool workedExample)
      : prompts(QString::fromStdString(folder.Path().string())),
        window(prompts, services, [this] { return prompts.Busy(); }) {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::vector<std::string> args;
    if (workedExample) args.push_back(CopyInto(folder.Path(), kWorkedExample).string());
    window.Start(args);
  }
  const TempFolder folder;
  QtPrompts prompts;
  FakePlatform services;
  MainWindow window;
};

/// Clicks a box on its indicator, the part of it that takes clicks.
void Click(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

/// Types into an edit as a person does: focus, keys, then Tab to the next control.
void TypeAndLeave(QLineEdit* edit, const QString& text) {
  edit->setFocus(Qt::MouseFocusReason);
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Tab);
}

TEST(MainWindowStory, TypingASideAndLeavingItMarksTheProjectModified) {
  Program p;
  EXPECT_EQ(p.Title(), "Umbrix   ");
  TypeAndLeave(p.Control<QLineEdit>(ControlId::Cote), "120");
  EXPECT_EQ(p.Title(), "Umbrix * ");
  EXPECT_TRUE(p.window.session().Project().Cote.given);
  EXPECT_EQ(p.window.session().Project().Plate.XMax, 60.0);
}

TEST(MainWindowStory, AltAndDigitFocusTheTabsFirstFieldAndTabLeavesAPointForTheButtons) {
  Program p;
  SaisiesDialog& dialog = p.window.dialog();
  auto* date1 = p.Control<QLineEdit>(ControlId::Date1);
  auto* heure1 = p.Control<QLineEdit>(ControlId::Heure1);
  QTest::keyClick(&dialog, Qt::Key_1, Qt::AltModifier);
  EXPECT_EQ(dialog.Tabs()->currentIndex(), static_cast<int>(Tab::Point1));
  EXPECT_EQ(QApplication::focusWidget(), date1);
  QTest::keyClicks(date1, "21.06.2024");
  QTest::keyClick(date1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), heure1);
  EXPECT_EQ(p.Control<QLabel>(ControlId::Adate1)->text(), "21 juin 2024");
  QTest::keyClicks(heure1, "12h30");
  QTest::keyClick(heure1, Qt::Key_Tab);
  EXPECT_EQ(dialog.ExplanationLine()->text(),
            "« 12h30 » : heure au format hh:mm:ss, par exemple 12:30");
  EXPECT_EQ(heure1->text(), "");
  auto* mesx1 = p.Control<QLineEdit>(ControlId::Mesx1);
  QTest::keyClicks(QApplication::focusWidget(), "45,5");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(mesx1->text(), "45.5");
  EXPECT_EQ(dialog.ExplanationLine()->text(), "");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // from Mesy1, the last field
  EXPECT_EQ(QApplication::focusWidget(), dialog.Widget(ControlId::Button1));

  // Alt+2 with a pending entry: it is read before the focus moves to the first date
  QTest::keyClick(&dialog, Qt::Key_1, Qt::AltModifier);
  QTest::keyClicks(date1, "2024-06-22");
  QTest::keyClick(&dialog, Qt::Key_2, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), p.Control<QLineEdit>(ControlId::Date2));
  EXPECT_EQ(p.Control<QLabel>(ControlId::Adate1)->text(), "22 juin 2024");
  EXPECT_EQ(p.window.session().Project().Carreau.text, "50");
}

TEST(MainWindowStory, AFirstStartShowsItsLinksUntilAnExampleFromTheMenuIsDrawn) {
  Program p;
  QLabel* welcome = p.window.Welcome();
  EXPECT_TRUE(welcome->isVisible());
  EXPECT_TRUE(welcome->text().contains("href=\"exemples\""));
  p.window.dialog().hide();
  emit welcome->linkActivated(QStringLiteral("saisies"));
  EXPECT_TRUE(p.window.dialog().isVisible());

  p.window.ListExamples(kWorkedExample.parent_path());
  QMenu* examples = p.window.Action(MenuId::Exemples1)->menu();
  ASSERT_NE(examples, nullptr);
  EXPECT_EQ(examples->actions().size(), 8);  // every bundled example, by its comment
  auto* wall = examples->findChild<QAction*>("mur-declinant-ouest");
  ASSERT_NE(wall, nullptr);
  EXPECT_TRUE(wall->text().startsWith(QString::fromUtf8("Cadran vertical déclinant de 20°")));
  EXPECT_TRUE(wall->text().endsWith("...")) << wall->text().toStdString();
  wall->trigger();
  EXPECT_TRUE(p.window.session().State().DrawingExists);
  EXPECT_FALSE(welcome->isVisible());
  // a blanked drawing afterwards does not bring the first start's text back
  p.window.Action(MenuId::Nouveau1)->trigger();
  EXPECT_FALSE(welcome->isVisible());
}

TEST(MainWindowStory, DeveloperModeShowsItsLabelAndItsTwoTabs) {
  for (const bool developer : {false, true}) {
    Program p(developer ? std::vector<std::string>{"map"} : std::vector<std::string>{});
    auto* label = p.window.findChild<QLabel*>("Label2");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), developer ? "Map" : "");
    QTabWidget* tabs = p.window.dialog().Tabs();
    EXPECT_EQ(tabs->isTabVisible(static_cast<int>(Tab::Option)), developer);
    EXPECT_EQ(tabs->isTabVisible(static_cast<int>(Tab::Test)), developer);
    EXPECT_TRUE(tabs->isTabVisible(static_cast<int>(Tab::Divers)));
  }
}

TEST(MainWindowStory, BoxesFollowTheirRules) {
  Program p;
  Click(p.Control<QCheckBox>(ControlId::Rectg));
  EXPECT_FALSE(p.Control<QLineEdit>(ControlId::Cote)->isEnabled());
  EXPECT_TRUE(p.Control<QLineEdit>(ControlId::Coteh)->isEnabled());

  p.window.dialog().Tabs()->setCurrentIndex(static_cast<int>(Tab::Lieu));
  // the old hours wait for the latitude, and their tooltip says so while they wait
  QAction* italian = p.window.Action(MenuId::Italiques1);
  ASSERT_NE(italian, nullptr);
  EXPECT_FALSE(italian->isEnabled());
  EXPECT_TRUE(italian->toolTip().contains("Limiter le tracé à la partie utile"));
  Click(p.Control<QCheckBox>(ControlId::Limite));
  EXPECT_TRUE(italian->isEnabled());
  EXPECT_FALSE(italian->toolTip().contains("Limiter"));
  EXPECT_FALSE(p.Control<QCheckBox>(ControlId::Locc)->isChecked());
  Click(p.Control<QCheckBox>(ControlId::Hvrai));
  EXPECT_TRUE(p.Control<QCheckBox>(ControlId::Hvrai)->isChecked());
  EXPECT_TRUE(p.Control<QCheckBox>(ControlId::Locc)->isChecked());
  EXPECT_TRUE(p.window.session().Project().Locc);
}

TEST(MainWindowStory, TheZoneListNamesTheZoneAndFillsTheDialsClock) {
  Program p;
  auto* zones = p.Control<QComboBox>(ControlId::Zone);
  ASSERT_NE(zones, nullptr);
  EXPECT_FALSE(zones->isEnabled());
  EXPECT_EQ(zones->itemData(1).toString(), "Europe/Paris");  // the computer's own zone first
  p.window.dialog().Tabs()->setCurrentIndex(static_cast<int>(Tab::Lieu));
  Click(p.Control<QCheckBox>(ControlId::Hvrai));
  ASSERT_TRUE(zones->isEnabled());
  zones->setFocus(Qt::MouseFocusReason);
  // a part of the name finds it; the first match is taken from the list it opens
  zones->lineEdit()->selectAll();
  QTest::keyClicks(zones->lineEdit(), "paris");
  QAbstractItemView* found = zones->completer()->popup();
  ASSERT_TRUE(found->isVisible());
  EXPECT_EQ(found->model()->rowCount(), 1);
  QTest::keyClick(found, Qt::Key_Down);
  QTest::keyClick(found, Qt::Key_Return);
  EXPECT_EQ(p.window.session().Project().Zone, "Europe/Paris");
  EXPECT_EQ(p.Control<QLineEdit>(ControlId::FusHor)->text(), "1:00");
  EXPECT_FALSE(p.Control<QComboBox>(ControlId::TypeHeure)->isEnabled());
}

TEST(MainWindowStory, AMenuToggleChangesItsCheckMarkAndTheDrawing) {
  const TempFolder folder;
  Program p({CopyInto(folder.Path(), kWorkedExample).string()});
  QAction* axes = p.window.Action(MenuId::Axes1);
  ASSERT_NE(axes, nullptr);
  EXPECT_FALSE(axes->isChecked());
  const QImage before = p.window.Bitmap();
  axes->trigger();
  EXPECT_TRUE(axes->isChecked());
  EXPECT_TRUE(p.window.session().Project().Options.Axes1.checked);
  EXPECT_NE(p.window.Bitmap(), before);
  EXPECT_EQ(p.Title(), "Umbrix * mur-declinant-ouest.umd");
}

TEST(MainWindowStory, EveryItemOfTheMenusRunsTheCommandOfOneFamily) {
  Program p;
  const MenuCommands& menus = p.window.Commands();
  size_t items = 0;
  for (const MenuRow& row : MenuTable()) {
    const bool item = row.kind != MenuKind::Menu;
    items += item ? 1 : 0;
    EXPECT_EQ(menus.Has(row.id), item) << row.name;
  }
  // a row that two families registered counts twice
  EXPECT_EQ(menus.Registrations(), items);
}

TEST(MainWindowStory, AToggleRefreshesTheMenusOnceAndShowsItsNewMark) {
  const TempFolder folder;
  Program p({CopyInto(folder.Path(), kWorkedExample).string()});
  // a menu keeps the state the window gave it: "&Exemples" without examples stays disabled
  p.window.ListExamples(folder.Path() / "aucun");
  // a box of the dialog that enables menu items is one event as well
  int before = p.window.MenuRefreshes();
  Click(p.Control<QCheckBox>(ControlId::Hvrai));
  EXPECT_EQ(p.window.MenuRefreshes(), before + 1);
  EXPECT_FALSE(p.window.Action(MenuId::HiverPrintemps1)->isEnabled());
  // an option, a subdivision, a sign arc, the caster's type, then the desk dial's stay-on-top
  for (const MenuId id :
       {MenuId::Axes1, MenuId::Quart, MenuId::SgTou, MenuId::Gnomon1, MenuId::TjsVisible1}) {
    if (id == MenuId::TjsVisible1) {
      p.window.Action(MenuId::CadBur1)->trigger();
      ASSERT_TRUE(p.window.session().DeskMode());
    }
    QAction* action = p.window.Action(id);
    const bool checked = action->isChecked();
    before = p.window.MenuRefreshes();
    action->trigger();
    EXPECT_EQ(p.window.MenuRefreshes(), before + 1) << RowOf(id).name;
    EXPECT_NE(action->isChecked(), checked) << RowOf(id).name;
  }
  EXPECT_TRUE(p.window.desk().StayOnTop());
  EXPECT_EQ(p.window.session().Project().Options.HourSubdivisions, 4);
  EXPECT_FALSE(p.window.Action(MenuId::Exemples1)->isEnabled());
}

TEST(MainWindowStory, ABoxOpenedByAToggleShowsTheWindowAsTheToggleLeftIt) {
  RealBoxes p(false);
  MainWindow& window = p.window;
  QString text;
  std::string title;
  bool checked = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    text = box->text();
    title = window.windowTitle().toStdString();
    checked = window.Action(MenuId::Axes1)->isChecked();
    box->accept();
  });
  // no dial yet: the toggle marks the project and asks for the first missing entry
  window.Action(MenuId::Axes1)->trigger();
  EXPECT_EQ(text, "Donner la géométrie du cadran");
  EXPECT_EQ(title, "Umbrix * ");
  EXPECT_TRUE(checked);
}

TEST(MainWindowStory, TheMenuSavesTheEntryStillBeingTyped) {
  const TempFolder folder;
  const auto file = CopyInto(folder.Path(), kWorkedExample);
  Program p({file.string()});
  QLineEdit* gnomon = p.Control<QLineEdit>(ControlId::Gnomon);
  gnomon->setFocus(Qt::MouseFocusReason);
  gnomon->selectAll();
  QTest::keyClicks(gnomon, "90");
  // a menu click leaves the focus in the field: no leave, no editing finished
  p.window.Action(MenuId::Sauver1)->trigger();
  EXPECT_TRUE(gnomon->hasFocus());
  EXPECT_EQ(p.Title(), "Umbrix   mur-declinant-ouest.umd");
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_NE(bytes.str().find("\r\n90 'Hauteur du gnomon\r\n"), std::string::npos) << bytes.str();
}

TEST(MainWindowStory, TheWorkedExampleShowsTheCommandLinesReportAndPixels) {
  const TempFolder folder;
  Program p({CopyInto(folder.Path(), kWorkedExample).string()});
  const QImage& shown = p.window.Bitmap();
  ASSERT_GT(shown.width(), 100);

  const TempFolder other;
  std::ostringstream err;
  CliPlatform cli(err, shown.width(), shown.height());
  Session headless(cli.ForSession());
  ASSERT_TRUE(headless.Start({CopyInto(other.Path(), kWorkedExample).string()}));
  EXPECT_EQ(p.window.session().ReportPane(), headless.ReportPane());
  EXPECT_EQ(p.window.ReportPane()->toPlainText(),
            QString::fromStdString(headless.ReportPane()).replace("\r\n", "\n"));
  ASSERT_EQ(cli.Bitmap().size(), shown.size());
  EXPECT_EQ(cli.Bitmap(), shown);
}

TEST(MainWindowStory, ADropOfSeveralFilesOpensTheFirst) {
  const TempFolder folder;
  const auto first = CopyInto(folder.Path(), kWorkedExample);
  const auto second = CopyInto(
      folder.Path(), std::filesystem::path(UMBRIX_SOURCE_DIR) / "examples" / "polaire.umd");
  Program p;
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(first.string())),
                QUrl::fromLocalFile(QString::fromStdString(second.string()))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&p.window, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&p.window, &drop);
  EXPECT_TRUE(p.fake.messages.empty()) << p.fake.MessageTexts().front();
  EXPECT_EQ(p.Title(), "Umbrix   mur-declinant-ouest.umd");
  EXPECT_EQ(p.window.session().State().ProjectFileName, first.string());
}

TEST(MainWindowStory, ADroppedPathIsTakenWhole) {
  const TempFolder folder;
  // longer than the 260 characters a fixed buffer would keep
  const auto deep = folder.Path() / std::string(150, 'a') / std::string(150, 'b');
  std::filesystem::create_directories(deep);
  const auto file = CopyInto(deep, kWorkedExample);
  ASSERT_GT(file.string().size(), 300u);
  Program p;
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&p.window, &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&p.window, &drop);
  EXPECT_EQ(p.window.session().State().ProjectFileName, file.string());
  EXPECT_TRUE(p.window.session().State().DrawingExists);
}

TEST(MainWindowStory, CancelAtTheCloseKeepsTheWindowAndTheProject) {
  const TempFolder folder;
  Program p({CopyInto(folder.Path(), kWorkedExample).string()});
  QTest::keyClicks(p.window.CommentsPane(), " Vu.");
  EXPECT_EQ(p.Title(), "Umbrix * mur-declinant-ouest.umd");
  p.fake.answers = {Answer::Cancel};
  EXPECT_FALSE(p.window.close());
  EXPECT_TRUE(p.window.isVisible());
  ASSERT_EQ(p.fake.questions.size(), 1u);
  EXPECT_EQ(p.fake.questions[0].text, "Voulez-vous sauver les modifications ?");
  EXPECT_TRUE(p.window.session().State().Modified);
  EXPECT_NE(p.window.session().Project().Comments.find("Vu."), std::string::npos);
}

TEST(MainWindowStory, QuitWithUnsavedWorkAsksOnceAndEndsOnNo) {
  const TempFolder folder;
  Program p({CopyInto(folder.Path(), kWorkedExample).string()});
  QTest::keyClicks(p.window.CommentsPane(), " Vu.");
  // a second question would be cancelled, and the program would stay
  p.fake.answers = {Answer::No, Answer::Cancel};
  QTimer::singleShot(0, &p.window, [&p] {
    QTest::keyClick(p.window.CommentsPane(), Qt::Key_Q, Qt::ControlModifier);
  });
  // the safety exit dies with the window, not left to end a later test's loop
  QTimer::singleShot(3000, &p.window, [] { QCoreApplication::exit(99); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(p.fake.questions.size(), 1u);
}

TEST(MainWindowStory, InTheCommentsCtrlXCutsAndTheExportKeyOpensTheExport) {
  const TempFolder folder;
  Program p({CopyInto(folder.Path(), kWorkedExample).string()});
  QPlainTextEdit* comments = p.window.CommentsPane();
  p.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p.window));
  comments->setFocus(Qt::MouseFocusReason);
  const QString before = comments->toPlainText();
  ASSERT_FALSE(before.isEmpty());
  QTest::keyClick(comments, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(comments, Qt::Key_X, Qt::ControlModifier);
  EXPECT_TRUE(comments->toPlainText().isEmpty());
  QTest::keyClick(comments, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(comments->toPlainText(), before);
  EXPECT_TRUE(p.fake.saveDialogs.empty());

  p.fake.filesToSave = {std::nullopt};
  const QKeySequence exportKey = p.window.Action(MenuId::FichierDxf1)->shortcut();
  ASSERT_EQ(exportKey.count(), 1);
  QTest::keySequence(comments, exportKey);
  ASSERT_EQ(p.fake.saveDialogs.size(), 1u);
  EXPECT_EQ(p.fake.saveDialogs[0].filter, kDxfFilter);
  EXPECT_EQ(comments->toPlainText(), before);
}

TEST(MainWindowStory, TheWorkshopExportWritesTheFormatOfTheFilterChosen) {
  RealBoxes p(true);
  const TempFolder& folder = p.folder;
  MainWindow& window = p.window;
  const struct {
    int filterDowns;  // presses of the down arrow in the list of types
    const char* typed;
    const char* written;
    const char* mark;
  } rows[] = {{1, "atelier", "atelier.svg", "<svg"},
              {0, "atelier", "atelier.dxf", "AC1009"},
              {1, "plaque.dxf", "plaque.dxf", "AC1009"}};
  for (const auto& r : rows) {
    // the user in the save dialog: a type chosen, a name typed, Enter
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll, &r] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QFileDialog*>(top);
        if (dialog == nullptr || !dialog->isVisible()) continue;
        poll.stop();
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(types != nullptr && name != nullptr);
        types->setFocus();
        for (int i = 0; i < r.filterDowns; ++i) QTest::keyClick(types, Qt::Key_Down);
        name->setFocus();
        name->setText(QString::fromLatin1(r.typed));
        QTest::keyClick(name, Qt::Key_Return);
        return;
      }
    });
    poll.start(20);
    window.Action(MenuId::FichierFabrication1)->trigger();
    std::ifstream in(folder.Path() / r.written, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_NE(bytes.str().find(r.mark), std::string::npos) << r.written;
    std::filesystem::remove(folder.Path() / r.written);
  }
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "atelier"));
  EXPECT_TRUE(p.services.messages.empty());
}

TEST(MainWindowStory, ANarrowWindowPutsTheReportAboveTheComments) {
  const TempFolder folder;
  Program p({CopyInto(folder.Path(), kWorkedExample).string()});
  p.window.resize(800, 600);
  QApplication::processEvents();
  const QRect wide = p.window.ReportPane()->geometry();
  EXPECT_GT(wide.bottom(), p.window.CommentsPane()->geometry().top());
  p.window.resize(540, 600);
  QApplication::processEvents();
  EXPECT_LT(p.window.ReportPane()->geometry().bottom(), p.window.CommentsPane()->geometry().top());

  // the splitter widens the report pane from its left edge, up to the drawing's minimum room
  p.window.resize(1000, 1000);
  QApplication::processEvents();
  QWidget* split = p.window.Splitter();
  const int right = p.window.ReportPane()->geometry().right();
  const auto drag = [&](QEvent::Type type, int dx) {
    const QPoint at(2 + dx, 10);
    QMouseEvent event(type, at, split->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(split, &event);
  };
  const int wider = p.window.Bitmap().width();
  drag(QEvent::MouseButtonPress, 0);
  drag(QEvent::MouseMove, -200);
  EXPECT_EQ(p.window.ReportPane()->width(), 193 + 200);
  EXPECT_EQ(p.window.ReportPane()->geometry().right(), right);
  EXPECT_EQ(split->geometry().right() + 1, p.window.ReportPane()->x());
  // on the screen, where only the wider drawing was: the window's colour
  QApplication::processEvents();
  const int narrower = p.window.Bitmap().width();
  ASSERT_LT(narrower, std::min(wider, split->x()));
  const QImage shown = p.window.screen()->grabWindow(p.window.winId()).toImage();
  const QPoint gap = p.window.centralWidget()->mapTo(&p.window, QPoint(narrower + 1, 0));
  for (int y = 1; y < p.window.Bitmap().height() - 1; y += 7) {
    ASSERT_EQ(shown.pixel(QPointF((gap + QPoint(0, y)) * p.window.devicePixelRatioF()).toPoint()),
              p.window.palette().window().color().rgb())
        << y;
  }
  drag(QEvent::MouseMove, -2000);
  EXPECT_EQ(p.window.ReportPane()->x(), 336);
}

}  // namespace
}  // namespace umbrix

namespace umbrix {
namespace {

TEST(DrawingStory, AClickFramesTheDialAnArrowMovesTheFootTabEndsAndCtrlKTraces) {
  const TempFolder folder;
  Program p({CopyInto(folder.Path(), kWorkedExample).string()});
  Session& session = p.window.session();
  ASSERT_TRUE(session.State().DrawingExists);
  QWidget* drawing = p.window.centralWidget();
  const QPoint centre(p.window.Bitmap().width() / 2, p.window.Bitmap().height() / 2);
  const QRgb red = qRgb(255, 0, 0);

  QTest::mouseClick(drawing, Qt::LeftButton, {}, centre);
  EXPECT_TRUE(session.InteractiveMode());
  EXPECT_EQ(p.window.Bitmap().pixel(0, 0), red);
  EXPECT_EQ(p.window.Bitmap().pixel(p.window.Bitmap().width() - 1, 5), red);
  EXPECT_FALSE(p.window.ReportPane()->isEnabled());
  EXPECT_FALSE(p.window.CommentsPane()->isEnabled());

  QScrollBar* scroll = p.window.ReportPane()->verticalScrollBar();
  scroll->setValue(scroll->maximum());
  const int scrolled = scroll->value();
  ASSERT_GT(scrolled, 0);
  const double before = session.Project().Gnomx.value;
  QTest::keyClick(drawing, Qt::Key_Right);
  const double after = session.Project().Gnomx.value;
  EXPECT_GT(after, before);
  // the report follows the foot, its numbers changed in place where the maker scrolled it
  EXPECT_EQ(p.window.ReportPane()->toPlainText(),
            QString::fromStdString(session.ReportPane()).replace("\r\n", "\n"));
  EXPECT_EQ(scroll->value(), scrolled);
  EXPECT_EQ(p.Control<QLineEdit>(ControlId::Gnomx)->text().toStdString(), FormatGeneral(after));
  EXPECT_EQ(p.window.Bitmap().pixel(0, 0), red);  // the redraw keeps the frame

  QTest::keyClick(drawing, Qt::Key_Tab);
  EXPECT_FALSE(session.InteractiveMode());
  EXPECT_EQ(p.window.Bitmap().pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_TRUE(p.window.ReportPane()->isEnabled());
  EXPECT_EQ(p.window.focusWidget(), p.window.ReportPane());

  p.window.dialog().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p.window.dialog()));
  p.window.dialog().Tabs()->setCurrentIndex(static_cast<int>(Tab::Divers));
  QLineEdit* decEd = p.Control<QLineEdit>(ControlId::DecEd);
  decEd->setFocus(Qt::MouseFocusReason);
  decEd->selectAll();
  QTest::keyClicks(decEd, "30");
  QTest::keyClick(decEd, Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(std::abs(session.Project().DecEd.value), 30.0);
  EXPECT_EQ(session.State().RunMode, RunMode::Trace);
  EXPECT_TRUE(session.State().DrawingExists);
  EXPECT_EQ(decEd->text(), "30");  // the key went no further than the hook
}

TEST(DrawingStory, TheReportFollowsADragWhenItPausesAndWhenItEnds) {
  const TempFolder folder;
  Program p({CopyInto(folder.Path(), kWorkedExample).string()});
  QWidget* drawing = p.window.centralWidget();
  const QPoint centre(p.window.Bitmap().width() / 2, p.window.Bitmap().height() / 2);
  const auto shown = [&] { return p.window.ReportPane()->toPlainText(); };
  const auto held = [&] {
    return QString::fromStdString(p.window.session().ReportPane()).replace("\r\n", "\n");
  };
  const auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, drawing->mapToGlobal(at), Qt::LeftButton, buttons, {});
    QApplication::sendEvent(drawing, &event);
  };
  mouse(QEvent::MouseButtonPress, centre, Qt::LeftButton);
  const QString before = held();
  for (const int dx : {4, 8, 12}) mouse(QEvent::MouseMove, centre + QPoint(dx, 0), Qt::LeftButton);
  ASSERT_NE(held(), before);  // the foot moved, and the report with it
  QTest::qWait(250);          // a pause
  EXPECT_EQ(shown(), held());
  for (const int dx : {20, 24}) mouse(QEvent::MouseMove, centre + QPoint(dx, 0), Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, centre, Qt::NoButton);
  EXPECT_EQ(shown(), held());  // at once, without waiting
}

TEST(MainWindowStory, ThePrintItemsPrintAndGiveTheScreenItsDrawingBack) {
  ASSERT_TRUE(testing::HavePopplerTools()) << "poppler-utils missing: scripts/install-deps.sh";
  TempFolder folder;
  Program p({CopyInto(folder.Path(), kWorkedExample).string()});
  PdfPrinter printer(Paper::A4);
  p.window.UsePrinter(printer);
  const QSize screen = p.window.Bitmap().size();
  QAction* scale = p.window.Action(MenuId::Echelle1);
  ASSERT_NE(scale, nullptr);
  EXPECT_EQ(scale->text(), QString::fromUtf8("Imprimer à l'é&chelle 1:1"));
  const struct {
    MenuId id;
    size_t pages;
  } rows[] = {{MenuId::Imprimer1, 2}, {MenuId::N4formats1, 4}, {MenuId::Echelle1, 20}};
  p.fake.answers = {Answer::Ok};  // the 1:1 print's sheets
  p.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p.window));
  for (const auto& r : rows) {
    if (r.id == MenuId::Imprimer1) {
      QTest::keyClick(&p.window, Qt::Key_P, Qt::ControlModifier);  // the second key of Imprimer
    } else {
      p.window.Action(r.id)->trigger();
    }
    const auto pdf = folder.Path() / "print.pdf";
    std::ofstream(pdf, std::ios::binary) << printer.Document();
    EXPECT_EQ(testing::PdfPageSizes(pdf).size(), r.pages) << RowOf(r.id).name;
    EXPECT_EQ(p.window.Bitmap().size(), screen) << RowOf(r.id).name;
  }
  EXPECT_TRUE(p.fake.messages.empty());
  ASSERT_EQ(p.fake.questions.size(), 1u);
  EXPECT_EQ(p.fake.questions[0].text,
            "L'impression à l'échelle 1:1 demande 20 feuilles A4, en 4 × 5 (lignes × colonnes).\r\n"
            "Imprimer ?");
}

TEST(MainWindowStory, WithoutADrawingThePrintsAndTheBitmapSaySo) {
  Program p;
  p.window.Action(MenuId::PleinFormat1)->trigger();
  p.window.Action(MenuId::Sauverlimage1)->trigger();
  EXPECT_EQ(p.fake.MessageTexts(),
            (std::vector<std::string>{"Il n'y a pas de graphique à imprimer",
                                      "Il n'y a pas de graphique à sauver"}));
}

}  // namespace
}  // namespace umbrix
