#pragma once
// Help in the windows: F1 on a control, a tab or a highlighted menu item shows the topic the
// rule finds, the "&?" menu's items run, and the help window closes with the main window.

#include <QObject>
#include <QPointer>
#include <memory>

#include "app/Documentation.h"
#include "app/MainMenu.h"
#include "ui/HelpWindow.h"
#include "ui/QtDesktop.h"

class QWidget;

namespace umbrix {

class MainWindow;

class HelpSupport final : public QObject {
 public:
  /// Watches F1 in `window` and its dialog for as long as `window` lives; `prompts` shows the
  /// boxes and must outlive it. `englishUi` shows the English help pages and manual.
  HelpSupport(MainWindow& window, Prompts& prompts, bool englishUi = false);
  ~HelpSupport() override;

  /// Registers the "&?" menu's rows.
  void Register(MenuCommands& menus) { documentation_.Register(menus); }
  /// The topic F1 shows when pressed on `widget` (a widget of the main window or the dialog,
  /// or an open menu); none when F1 there is not the program's.
  std::optional<int> TopicAt(const QWidget* widget) const;
  /// The help window, once a topic was shown.
  HelpWindow* Window() const { return helpWindow_; }
  /// Closes every help window the program opened.
  void CloseWindows();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowTopic(int topic);

  MainWindow& window_;
  bool englishUi_ = false;
  QtDesktop desktop_;
  Documentation documentation_;
  QPointer<HelpWindow> helpWindow_;
};

}  // namespace umbrix
