#pragma once
// The main window: the dial drawing, the report pane, the comments pane and the menu bar over a
// session. It shows the session's state and forwards every event to it; the session reaches it
// back as its `MainView`.

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMargins>
#include <QTimer>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/DeskMode.h"
#include "app/ExportCommands.h"
#include "app/FileCommands.h"
#include "app/MainMenu.h"
#include "app/Manipulation.h"
#include "app/MenuCommands.h"
#include "app/Ports.h"
#include "app/PrintCommands.h"
#include "app/Session.h"
#include "app/WindowLayout.h"
#include "render/InterfaceLanguage.h"
#include "render/RasterDrawing.h"

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace umbrix {

class SaisiesDialog;
class QtPrompts;
class QtPrinter;
class KeyboardHook;
class HelpSupport;

class MainWindow final : public QMainWindow, public MainView, public DeskWindow {
  Q_OBJECT

 public:
  /// `prompts` and `services` must outlive the window. `busy` tells that a modal box is open
  /// (the prompts' own state when they are Qt's).
  MainWindow(Prompts& prompts, Services& services, std::function<bool()> busy = {},
             SessionSettings settings = {});
  ~MainWindow() override;

  /// The dialog's creation with the command line (without the program's name), then the file
  /// it names opened. False when that file could not be opened.
  bool Start(const std::vector<std::string>& args);
  /// The first size: enlarged when the screen has room, from the frame sizes as shown.
  void ApplyInitialSize();
  /// Waits, `timeoutMs` at most, until the shown window is on the screen with its window
  /// manager's frame: a desk dial placed at start-up needs that frame.
  void WaitUntilFramed(int timeoutMs);

  Session& session() { return *session_; }
  /// The drawing's mouse, wheel and keys.
  Manipulation& hands() { return *hands_; }
  /// The prints and the drawing saved as a bitmap.
  PrintCommands& printing() { return *printing_; }
  /// New, open, save, quit and close, with their questions.
  FileCommands& files() { return *files_; }
  /// "E&xport dxf" and "Export &fabrication".
  ExportCommands& exports() { return *exports_; }
  /// The prints go to `printer` instead of Qt's (a PDF writer); it must outlive the window.
  void UsePrinter(Printer& printer);
  /// The drawing area's cursor shows the drag kind.
  void UpdateDrawingCursor();
  SaisiesDialog& dialog() { return *dialog_; }
  /// The desk dial: the window as a small live dial on the desktop.
  DeskDial& desk() { return *desk_; }
  /// The desk dial's right-click menu.
  QMenu* DeskPopup() const { return popup_; }
  const QTimer& DeskTimer() const { return deskTimer_; }
  const SaisiesDialog& dialog() const { return *dialog_; }
  /// F1, the help window, the manual and the About box.
  HelpSupport& help() { return *help_; }
  const QImage& Bitmap() const { return drawing_.Bitmap(); }
  QAction* Action(MenuId id) const;
  QPlainTextEdit* ReportPane() const { return report_; }
  QPlainTextEdit* CommentsPane() const { return comments_; }
  /// The splitter's handle, left of the report pane.
  QWidget* Splitter() const;

  /// Copies the session onto the title, the panes, the menus, the mode label and the dialog:
  /// once after each event the window forwards.
  void RefreshAll();
  /// What every menu row runs and shows, as the command families registered them.
  const MenuCommands& Commands() const { return commands_; }
  /// How many times the menus' check marks and enabled states were copied from the session.
  int MenuRefreshes() const { return menuRefreshes_; }
  /// Fills "&Exemples" with the projects of `folder` (the build's or the installed examples at
  /// start-up).
  void ListExamples(const std::filesystem::path& folder);
  /// The first start's text with its three links, shown while no dial is drawn.
  QLabel* Welcome() const { return welcome_; }
  /// Runs `painted` once, after the first paint that shows a traced dial (start-up timing).
  void OnFirstDialPainted(std::function<void()> painted) { firstDialPainted_ = std::move(painted); }

  // MainView
  void ShowMainWindow() override;
  void ShowDialog() override;
  void ShowTextWindow(const std::string& title, const std::string& text) override;
  void Terminate() override;

  // DeskWindow
  ScreenRect Placement() const override;
  ScreenRect NormalPlacement() const override;
  ScreenRect ClientSize() const override;
  ScreenRect MinimumSize() const override;
  bool Maximized() const override { return isMaximized(); }
  int ReportWidth() const override { return reportWidth_; }
  ScreenRect DeskFrame() const override;
  int DeskMarginPx() const override;
  void Apply(const DeskLook& look) override;
  void SetStayOnTop(bool on) override;

  /// The report pane's width chosen with the splitter (0: the design width).
  void SetReportWidth(int width);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  class ClientArea;
  class SplitHandle;

  void BuildMenus();
  void BuildWelcome();
  /// A link of the first start's text: "exemples", "saisies" or "aide".
  void FollowWelcomeLink(const QString& link);
  /// Registers the "&Langue" rows: the language kept for the next start, and said so.
  void RegisterLanguageChoice();
  /// The title, the two panes and the menus copied from the session: what a box opened in the
  /// middle of a command shows behind it.
  void PullView();
  /// The report as the session holds it, in the report pane now.
  void ShowReport();
  void RefreshMenus();
  void BuildDeskPopup();
  /// The desk look's parts, in the order `Apply` needs them.
  void SetDeskLook(bool desk);
  void SetMinimumOuterSize(int width, int height);
  void Place(const ScreenRect& outer);
  /// What the window manager's frame adds around the window, as last seen.
  QMargins Frame() const;
  /// The desk dial's rule applied to the outer size `proposed`: kept and redrawn, or, once a
  /// drag has settled, the rule's size asked for.
  void JudgeDeskSize(QSize proposed, bool settling);
  void AcceptDeskSize(QSize outer);
  void ClientResized(PixelSize client);
  void Forward(const std::function<void()>& command);
  /// The drawing at `ratio` device pixels to each: the window moved to another screen, or the
  /// screen's scale changed.
  void FollowScreenRatio(double ratio);

  std::function<bool()> busy_;
  RasterDrawing drawing_;
  ClientArea* client_ = nullptr;
  QRect presented_;  // where the drawing was last presented in the client area
  QPlainTextEdit* report_ = nullptr;
  QLabel* commentsCaption_ = nullptr;
  QPlainTextEdit* comments_ = nullptr;
  QLabel* modeLabel_ = nullptr;
  QLabel* welcome_ = nullptr;
  /// The splitter between the drawing and the report pane.
  SplitHandle* split_ = nullptr;
  /// The report pane's width chosen with it; 0: the design width.
  int reportWidth_ = 0;
  bool welcomeDone_ = false;
  std::map<MenuId, QAction*> actions_;
  MenuCommands commands_;
  int menuRefreshes_ = 0;
  /// The panes' texts as last copied from the session (or typed, for the comments).
  std::string shownReport_;
  std::string shownComments_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<Manipulation> hands_;
  std::unique_ptr<QtPrinter> printer_;
  std::unique_ptr<PrintCommands> printing_;
  std::unique_ptr<ExportCommands> exports_;
  std::unique_ptr<FileCommands> files_;
  Prompts& prompts_;
  Services& services_;
  SaisiesDialog* dialog_ = nullptr;
  HelpSupport* help_ = nullptr;
  /// The window of a study's text, made on first use.
  QDialog* textWindow_ = nullptr;
  bool refreshing_ = false;
  std::function<void()> firstDialPainted_;
  /// The frame the first size was worked out with, until the window is first activated.
  std::optional<QMargins> initialMargins_;
  std::unique_ptr<DeskDial> desk_;
  QMenu* popup_ = nullptr;
  QTimer deskTimer_;
  bool deskLook_ = false;
  /// A look is being applied: the resizes it makes are not the person's, the dial is drawn once
  /// after it.
  bool applyingLook_ = false;
  /// The English interface: its shortcuts where they differ from the French ones.
  bool englishUi_ = false;
  /// The interface language chosen for the next start in the "&Langue" sub-menu (none: the
  /// desktop's), as the settings hold it.
  std::optional<InterfaceLanguageId> nextLanguage_;
  /// The outer size the desk dial last accepted; a resize received is judged against it.
  std::optional<QSize> deskSize_;
  /// A resize the window manager made during a drag of the border is judged again once the drag
  /// has settled, a few times at most if the window system keeps its own size.
  QTimer deskSettle_;
  int settleTries_ = 0;
  /// During a drag the report pane follows a few times a second, and at once when the drag ends
  /// or pauses: laying out and painting its text at every step would slow the drawing down.
  QElapsedTimer reportShown_;
  QTimer reportDue_;
  /// The restored place of a maximized window, until the window is placed again.
  std::optional<ScreenRect> restored_;
  mutable QMargins frame_;
};

}  // namespace umbrix
