#include "ui/HelpSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>

#include "app/HelpTopics.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/SaisiesDialog.h"

namespace umbrix {

namespace {

/// The menu item whose action is `action` (the window names each action after its item).
std::optional<MenuId> ItemOf(const QAction* action) {
  if (action == nullptr) return std::nullopt;
  const QByteArray name = action->objectName().toLatin1();
  for (const MenuRow& row : MenuTable()) {
    if (name == row.name) return row.id;
  }
  return std::nullopt;
}

}  // namespace

HelpSupport::HelpSupport(MainWindow& window, Prompts& prompts, bool englishUi)
    : QObject(&window),
      window_(window),
      englishUi_(englishUi),
      desktop_([this](int topic) { ShowTopic(topic); }),
      documentation_(prompts, desktop_, QCoreApplication::applicationDirPath().toStdString(),
                     englishUi, window.session().Language()) {
  qApp->installEventFilter(this);
}

HelpSupport::~HelpSupport() { qApp->removeEventFilter(this); }

void HelpSupport::ShowTopic(int topic) {
  if (helpWindow_ == nullptr) helpWindow_ = new HelpWindow(&window_, englishUi_);
  helpWindow_->ShowTopic(topic);
}

void HelpSupport::CloseWindows() {
  if (helpWindow_ != nullptr) helpWindow_->close();
}

std::optional<int> HelpSupport::TopicAt(const QWidget* widget) const {
  if (widget == nullptr) return std::nullopt;
  // a highlighted item of an open menu, or of the menu bar
  if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
    const auto item = ItemOf(menu->activeAction());
    const auto holder = ItemOf(menu->menuAction());
    if (item) return MenuHelpTopic(*item);
    if (holder) return MenuHelpTopic(*holder);
    return std::nullopt;
  }
  if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
    if (const auto item = ItemOf(bar->activeAction())) return MenuHelpTopic(*item);
  }
  const QWidget* top = widget->window();
  if (top == &window_) {
    if (widget == window_.ReportPane() || window_.ReportPane()->isAncestorOf(widget)) {
      return MainWindowHelpTopic(MainWindowPart::ReportPane);
    }
    if (widget == window_.CommentsPane() || window_.CommentsPane()->isAncestorOf(widget)) {
      return MainWindowHelpTopic(MainWindowPart::CommentsPane);
    }
    return MainWindowHelpTopic(widget == window_.centralWidget() ? MainWindowPart::Drawing
                                                                 : MainWindowPart::Window);
  }
  const SaisiesDialog& dialog = window_.dialog();
  if (top != &dialog) return std::nullopt;
  const QTabWidget* tabs = dialog.Tabs();
  for (const QWidget* at = widget; at != nullptr && at != &dialog; at = at->parentWidget()) {
    if (const auto id = dialog.ControlAt(at)) return DialogHelpTopic(*id);
    const int page = tabs->indexOf(const_cast<QWidget*>(at));
    if (page >= 0) return DialogHelpTopic(static_cast<Tab>(page));
    // the tab bar speaks for the page it shows
    if (at == tabs || at == tabs->tabBar())
      return DialogHelpTopic(static_cast<Tab>(tabs->currentIndex()));
  }
  return DialogOwnTopic();
}

bool HelpSupport::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (key.key() != Qt::Key_F1 || key.modifiers() != Qt::NoModifier) return false;
  const auto* widget = qobject_cast<QWidget*>(watched);
  const auto topic = TopicAt(widget);
  if (!topic) return false;
  // a menu left open would hide the page it asked for
  if (qobject_cast<const QMenu*>(widget) != nullptr) {
    for (int i = 0; i < 8 && QApplication::activePopupWidget() != nullptr; ++i) {
      QApplication::activePopupWidget()->close();
    }
  }
  documentation_.ShowHelp(*topic);
  return true;
}

}  // namespace umbrix
