#pragma once
// The keyboard-command hook: one application-wide event filter that sees every key pressed in
// the main window or the dialog before the focused control does, turns it into a chord and lets
// the manipulation logic say whether the control may still have it.

#include <QObject>

#include "app/Manipulation.h"

class QKeyEvent;
class QWidget;

namespace umbrix {

class MainWindow;

/// The program's chord of a Qt key event (keypad digits keep their keypad flag).
KeyChord ChordOf(const QKeyEvent& event);
/// The modifiers held once `event` is handled (a Ctrl or Shift press counts as held, its
/// release as let go).
Modifiers ModifiersAfter(const QKeyEvent& event);

class KeyboardHook final : public QObject {
 public:
  /// Installed on the application for as long as it lives; `window` owns it.
  explicit KeyboardHook(MainWindow& window);
  ~KeyboardHook() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  /// The focus move the logic asked for after a key.
  void Apply(FocusRequest focus);

  MainWindow& window_;
  /// The last key event seen and the widget it went to: the same event handed on to a parent
  /// widget is not a second key.
  const QEvent* lastEvent_ = nullptr;
  const QWidget* lastReceiver_ = nullptr;
};

}  // namespace umbrix
