#pragma once
// The main window: the dial drawing, the report pane, the comments pane and the menu bar over a
// session. It shows the session's state and forwards every event to it; the session reaches it
// back as its `MainView`.

#include <QMainWindow>
#include <QMargins>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainMenu.h"
#include "app/Manipulation.h"
#include "app/Ports.h"
#include "app/Session.h"
#include "app/WindowLayout.h"
#include "render/RasterDrawing.h"

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace umbrix {

class SaisiesDialog;
class QtPrompts;
class KeyboardHook;
class HelpSupport;

class MainWindow final : public QMainWindow, public MainView {
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

  Session& session() { return *session_; }
  /// The drawing's mouse, wheel and keys.
  Manipulation& hands() { return *hands_; }
  /// The drawing area's cursor shows the drag kind.
  void UpdateDrawingCursor();
  SaisiesDialog& dialog() { return *dialog_; }
  const SaisiesDialog& dialog() const { return *dialog_; }
  /// F1, the help window, the manual and the About box.
  HelpSupport& help() { return *help_; }
  const QImage& Bitmap() const { return drawing_.Bitmap(); }
  QAction* Action(MenuId id) const;
  QPlainTextEdit* ReportPane() const { return report_; }
  QPlainTextEdit* CommentsPane() const { return comments_; }

  /// Copies the session onto the menus, the mode label and the dialog.
  void RefreshAll();
  /// Runs `painted` once, after the first paint that shows a traced dial (start-up timing).
  void OnFirstDialPainted(std::function<void()> painted) { firstDialPainted_ = std::move(painted); }

  // MainView
  void SetWindowTitle(const std::string& title) override;
  void SetReportText(const std::string& text) override;
  void SetCommentsText(const std::string& text) override;
  void ShowMainWindow() override;
  void ShowDialog() override;
  void ShowTextWindow(const std::string& title, const std::string& text) override;
  void RefreshMenus() override;
  void Terminate() override;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  class ClientArea;

  void BuildMenus();
  void ClientResized(PixelSize client);
  void Forward(const std::function<void()>& command);

  std::function<bool()> busy_;
  RasterDrawing drawing_;
  ClientArea* client_ = nullptr;
  QPlainTextEdit* report_ = nullptr;
  QLabel* commentsCaption_ = nullptr;
  QPlainTextEdit* comments_ = nullptr;
  QLabel* modeLabel_ = nullptr;
  std::map<MenuId, QAction*> actions_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<Manipulation> hands_;
  SaisiesDialog* dialog_ = nullptr;
  HelpSupport* help_ = nullptr;
  /// The window of a study's text, made on first use.
  QDialog* textWindow_ = nullptr;
  bool refreshing_ = false;
  std::function<void()> firstDialPainted_;
  /// The frame the first size was worked out with, until the window is first activated.
  std::optional<QMargins> initialMargins_;
};

}  // namespace umbrix
