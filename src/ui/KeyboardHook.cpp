#include "ui/KeyboardHook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include "ui/MainWindow.h"
#include "ui/SaisiesDialog.h"

namespace umbrix {

namespace {

Key KeyOf(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    return static_cast<Key>(static_cast<int>(Key::Digit0) + (qtKey - Qt::Key_0));
  }
  switch (qtKey) {
    case Qt::Key_Escape:
      return Key::Escape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return Key::Tab;
    case Qt::Key_Backspace:
      return Key::Backspace;
    case Qt::Key_Space:
      return Key::Space;
    case Qt::Key_PageUp:
      return Key::PageUp;
    case Qt::Key_PageDown:
      return Key::PageDown;
    case Qt::Key_End:
      return Key::End;
    case Qt::Key_Home:
      return Key::Home;
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_J:
      return Key::J;
    case Qt::Key_K:
      return Key::K;
    case Qt::Key_L:
      return Key::L;
    case Qt::Key_M:
      return Key::M;
    case Qt::Key_Y:
      return Key::Y;
    default:
      return Key::Other;
  }
}

}  // namespace

KeyChord ChordOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers m = event.modifiers();
  return {KeyOf(event.key()),
          {m.testFlag(Qt::ControlModifier), m.testFlag(Qt::ShiftModifier)},
          m.testFlag(Qt::KeypadModifier)};
}

Modifiers ModifiersAfter(const QKeyEvent& event) {
  const Qt::KeyboardModifiers m = event.modifiers();
  Modifiers after{m.testFlag(Qt::ControlModifier), m.testFlag(Qt::ShiftModifier)};
  const bool pressed = event.type() == QEvent::KeyPress;
  if (event.key() == Qt::Key_Control) after.ctrl = pressed;
  if (event.key() == Qt::Key_Shift) after.shift = pressed;
  return after;
}

KeyboardHook::KeyboardHook(MainWindow& window) : QObject(&window), window_(window) {
  qApp->installEventFilter(this);
}

KeyboardHook::~KeyboardHook() { qApp->removeEventFilter(this); }

bool KeyboardHook::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return false;
  QWidget* top = widget->window();
  const bool inMain = top == &window_;
  if (!inMain && top != &window_.dialog()) return false;
  const bool handedOn =
      event == lastEvent_ && lastReceiver_ != nullptr && lastReceiver_->parentWidget() == widget;
  lastEvent_ = event;
  lastReceiver_ = widget;
  if (handedOn) return false;

  const auto& key = *static_cast<QKeyEvent*>(event);
  Manipulation& hands = window_.hands();
  // the main window's key down and key up: a drag follows Ctrl and Shift
  if (inMain) hands.ModifiersChanged(ModifiersAfter(key));
  window_.UpdateDrawingCursor();
  if (type != QEvent::KeyPress) return false;

  const KeyContext context{inMain, window_.dialog().isVisible(), widget == window_.CommentsPane()};
  const KeyOutcome outcome = hands.KeyCommand(ChordOf(key), context);
  if (!outcome.consumed) return false;
  // refreshed first: the panes are enabled again before one of them takes the focus
  window_.RefreshAll();
  Apply(outcome.focus);
  return true;
}

void KeyboardHook::Apply(FocusRequest focus) {
  switch (focus) {
    case FocusRequest::None:
      break;
    case FocusRequest::Dialog:
      window_.ShowDialog();
      break;
    case FocusRequest::MainWindow:
      window_.ShowMainWindow();
      window_.activateWindow();
      break;
    case FocusRequest::ReportPane:
      window_.ReportPane()->setFocus(Qt::TabFocusReason);
      break;
  }
}

}  // namespace umbrix
