#pragma once
// The drawing as a thing to grab: interactive mode and its frame, the three mouse drags, the
// wheel, the keys of interactive mode with the picture sequence, and the keyboard commands that
// both windows share. Plain logic over the session; the window translates its events into the
// small types below and asks whether a key is consumed.

#include <string>

#include "app/Ports.h"
#include "app/Session.h"

namespace umbrix {

/// What a drag edits: the shadow-caster's foot, the time of the shadow, or its date.
enum class DragKind { Move, Time, Date };

/// The cursor the drawing shows: the default one, or the drag kind's (four-way arrow,
/// west-east sizing, north-south sizing).
enum class DrawingCursor { Default, Move, Time, Date };

/// The modifier keys held at an event.
struct Modifiers {
  bool ctrl = false;
  bool shift = false;
};

/// The keys the program looks at, whatever the platform calls them; digits are the row's or,
/// with `keypad`, the numeric keypad's with Num Lock on.
enum class Key {
  Other,
  Escape,
  Tab,
  Backspace,
  Space,
  PageUp,
  PageDown,
  End,
  Home,
  Left,
  Right,
  Up,
  Down,
  Digit0,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
  J,
  K,
  L,
  M,
  Y,
};

/// One key press: the key, the modifiers, and whether it came from the numeric keypad.
struct KeyChord {
  Key key = Key::Other;
  Modifiers modifiers;
  bool keypad = false;
};

/// Where the key was pressed.
struct KeyContext {
  bool mainWindowActive = true;
  bool dialogVisible = false;
  /// The comments pane holds the focus (Tab from there enters interactive mode).
  bool commentsFocused = false;
};

/// A focus move the window must make after a key.
enum class FocusRequest { None, Dialog, MainWindow, ReportPane };

struct KeyOutcome {
  bool consumed = false;
  FocusRequest focus = FocusRequest::None;

  friend bool operator==(const KeyOutcome&, const KeyOutcome&) = default;
};

/// A point of the main window's client area, pixels (the bitmap is painted at (0, 0)).
struct PixelPoint {
  int x = 0;
  int y = 0;

  friend bool operator==(PixelPoint, PixelPoint) = default;
};

enum class MouseButton { Left, Other };

/// The bitmap file of a sequence picture: `baseName`, `index` on at least three digits, ".bmp".
std::string SequencePictureName(const std::string& baseName, double index);

class Manipulation {
 public:
  /// `session` and the ports must outlive this.
  Manipulation(Session& session, Prompts& prompts) : s_(session), prompts_(prompts) {}

  // ---- the mouse over the client area

  /// A button pressed: a left click inside the drawing of a traced dial starts a drag and
  /// interactive mode; any other click ends interactive mode.
  void MouseDown(PixelPoint at, MouseButton button, Modifiers modifiers);
  /// The mouse moved: a drag under way edits what its kind says and redraws.
  void MouseMove(PixelPoint at);
  /// The button released: the drag ends, interactive mode stays.
  void MouseUp();
  /// A key pressed or released in the main window: during a drag its modifiers choose the kind
  /// again.
  void ModifiersChanged(Modifiers modifiers);
  /// A wheel step with the pointer at `at` (client pixels); never consumes the event.
  void Wheel(PixelPoint at, bool up);

  // ---- keys

  /// The keyboard-command hook, for every key pressed in either window before the focused
  /// control sees it: true in `consumed` when the control must not see it.
  KeyOutcome KeyCommand(const KeyChord& chord, const KeyContext& context);

  // ---- state

  bool Dragging() const { return dragging_; }
  DragKind Kind() const { return kind_; }
  DrawingCursor Cursor() const;
  PixelPoint LastMouse() const { return last_; }

 private:
  static DragKind KindOf(Modifiers m);
  bool InsideBitmap(PixelPoint at) const;
  void MoveDrag(PixelPoint at);
  void TimeDrag(PixelPoint at);
  void DateDrag(PixelPoint at);
  /// The height scaled by the wheel or the page keys.
  void ScaleHeight(bool up);
  /// A key of interactive mode; false when it does nothing.
  bool InteractiveKey(const KeyChord& chord);
  void SaveSequencePicture();

  Session& s_;
  Prompts& prompts_;
  bool dragging_ = false;
  DragKind kind_ = DragKind::Move;
  PixelPoint last_;
};

}  // namespace umbrix
