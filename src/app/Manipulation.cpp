#include "app/Manipulation.h"

#include <algorithm>

#include "model/Numbers.h"

namespace umbrix {

namespace {

/// Five minutes, the step of Backspace and Space.
constexpr double kFiveMinuteSteps = 288.0;
/// Days of a drag over the plate's whole height.
constexpr double kDaysPerPlateHeight = 365.0;

/// The keypad's digits (Num Lock on) act as the navigation keys of the same place.
Key NavigationKeyOf(const KeyChord& chord) {
  if (!chord.keypad) {
    return chord.key >= Key::Digit0 && chord.key <= Key::Digit9 ? Key::Other : chord.key;
  }
  switch (chord.key) {
    case Key::Digit9:
      return Key::PageUp;
    case Key::Digit3:
      return Key::PageDown;
    case Key::Digit1:
      return Key::End;
    case Key::Digit7:
      return Key::Home;
    case Key::Digit4:
      return Key::Left;
    case Key::Digit6:
      return Key::Right;
    case Key::Digit8:
      return Key::Up;
    case Key::Digit2:
      return Key::Down;
    case Key::Digit0:
    case Key::Digit5:
      return Key::Other;
    default:
      return chord.key;
  }
}

}  // namespace

std::string SequencePictureName(const std::string& baseName, double index) {
  std::string digits = std::to_string(static_cast<long long>(index));
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return baseName + digits + ".bmp";
}

DragKind Manipulation::KindOf(Modifiers m) {
  if (m.ctrl) return DragKind::Time;
  if (m.shift) return DragKind::Date;
  return DragKind::Move;
}

DrawingCursor Manipulation::Cursor() const {
  if (!dragging_) return DrawingCursor::Default;
  switch (kind_) {
    case DragKind::Move:
      return DrawingCursor::Move;
    case DragKind::Time:
      return DrawingCursor::Time;
    case DragKind::Date:
      return DrawingCursor::Date;
  }
  return DrawingCursor::Default;
}

bool Manipulation::InsideBitmap(PixelPoint at) const {
  const DrawingFrame& f = s_.Frame();
  return at.x >= 0 && at.y >= 0 && at.x < f.widthPx && at.y < f.heightPx;
}

// ---------------------------------------------------------------- the mouse

void Manipulation::MouseDown(PixelPoint at, MouseButton button, Modifiers modifiers) {
  if (s_.DeskMode()) return;
  if (button == MouseButton::Left && InsideBitmap(at)) {
    if (!s_.State().DrawingExists) return;
    last_ = at;
    kind_ = KindOf(modifiers);
    dragging_ = true;
    s_.StartInteractive();
    return;
  }
  s_.EndInteractive();
}

void Manipulation::MouseUp() { dragging_ = false; }

void Manipulation::ModifiersChanged(Modifiers modifiers) {
  if (dragging_) kind_ = KindOf(modifiers);
}

void Manipulation::MouseMove(PixelPoint at) {
  if (!dragging_ || at == last_) return;
  switch (kind_) {
    case DragKind::Move:
      MoveDrag(at);
      break;
    case DragKind::Time:
      TimeDrag(at);
      break;
    case DragKind::Date:
      DateDrag(at);
      break;
  }
  s_.SetModifiedTitle();
}

void Manipulation::MoveDrag(PixelPoint at) {
  const DialProject& p = s_.Project();
  const DrawingFrame& f = s_.Frame();
  const PlateWindow& plate = p.Plate;
  const double x = std::min(
      std::max(RoundScaled(10, (at.x - last_.x) * f.MmPerPixelX + p.Gnomx.value), plate.XMin),
      plate.XMax);
  last_.x = at.x;
  // pixel rows grow downwards, plate Y upwards
  const double y = std::min(
      std::max(RoundScaled(10, p.Gnomy.value - (at.y - last_.y) * f.MmPerPixelY), plate.YMin),
      plate.YMax);
  last_.y = at.y;
  s_.MoveCasterFoot(x, y);
  s_.RedrawAfterEdit();
}

void Manipulation::TimeDrag(PixelPoint at) {
  const DialProject& p = s_.Project();
  if (!p.Options.Ombre1.checked) return;
  const DrawingFrame& f = s_.Frame();
  // the plate's width in pixels stands for 24 hours
  const int w = f.widthPx - 2 * f.marginPx - 1;
  if (w <= 0) return;
  double h = p.Hediur.value + static_cast<double>(at.x - last_.x) / w;
  last_.x = at.x;
  if (h < 0) h += 1;
  if (h > 1) h -= 1;
  s_.SetShadowTime(RoundScaled(1440, h));
  s_.RedrawAfterEdit();
}

void Manipulation::DateDrag(PixelPoint at) {
  const DialProject& p = s_.Project();
  if (!p.Options.Ombre1.checked && !p.Options.MenDat.checked) return;
  const DrawingFrame& f = s_.Frame();
  // the plate's height in pixels stands for 365 days; downwards is later
  const int h = f.heightPx - 2 * f.marginPx - 1;
  if (h <= 0) return;
  const double d =
      RoundHalfEven(p.Dadiur.value + static_cast<double>(at.y - last_.y) * kDaysPerPlateHeight / h);
  last_.y = at.y;
  s_.SetShadowDate(d);
  s_.RedrawAfterEdit();
}

void Manipulation::Wheel(PixelPoint at, bool up) {
  if (s_.DeskMode() || !s_.InteractiveMode() || !InsideBitmap(at)) return;
  ScaleHeight(up);
  s_.SetModifiedTitle();
  s_.RedrawAfterEdit();
}

// ---------------------------------------------------------------- the edits

void Manipulation::ScaleHeight(bool up) {
  s_.UseFinalCaster();
  const double g = s_.Project().Gnomf.value;
  const double scaled = up ? RoundScaled(10, g * 1.1) : RoundScaled(10, g / 1.1);
  // a height rounded down to nothing could never grow again and is no shadow-caster
  if (scaled <= 0) return;
  s_.SetCasterHeight(scaled);
}

bool Manipulation::InteractiveKey(const KeyChord& chord) {
  const DialProject& p = s_.Project();
  const DrawingFrame& f = s_.Frame();
  const PlateWindow& plate = p.Plate;
  const bool shadow = p.Options.Ombre1.checked;
  const bool dated = shadow || p.Options.MenDat.checked;
  const double stepX = std::max(f.MmPerPixelX, 1.0);
  const double stepY = std::max(f.MmPerPixelY, 1.0);
  const Key key = NavigationKeyOf(chord);
  switch (key) {
    case Key::Backspace: {
      if (!shadow) return false;
      double h = (RoundHalfEven(p.Hediur.value * kFiveMinuteSteps) - 1) / kFiveMinuteSteps;
      if (h < 0) h += 1;
      s_.SetShadowTime(h);
      return true;
    }
    case Key::Space: {
      if (!shadow) return false;
      double h = (RoundHalfEven(p.Hediur.value * kFiveMinuteSteps) + 1) / kFiveMinuteSteps;
      if (h > 1) h -= 1;
      s_.SetShadowTime(h);
      return true;
    }
    case Key::PageUp:
      ScaleHeight(true);
      return true;
    case Key::PageDown:
      ScaleHeight(false);
      return true;
    case Key::End:
      if (!dated) return false;
      s_.SetShadowDate(p.Dadiur.value + 2);
      return true;
    case Key::Home:
      if (!dated) return false;
      s_.SetShadowDate(p.Dadiur.value - 2);
      return true;
    case Key::Left:
    case Key::Right: {
      const double x = key == Key::Left
                           ? std::max(RoundScaled(1, p.Gnomx.value - stepX), plate.XMin)
                           : std::min(RoundScaled(1, p.Gnomx.value + stepX), plate.XMax);
      s_.MoveCasterFoot(x, std::nullopt);
      return true;
    }
    case Key::Up:
    case Key::Down: {
      const double y = key == Key::Up ? std::min(RoundScaled(1, p.Gnomy.value + stepY), plate.YMax)
                                      : std::max(RoundScaled(1, p.Gnomy.value - stepY), plate.YMin);
      s_.MoveCasterFoot(std::nullopt, y);
      return true;
    }
    default:
      return false;
  }
}

void Manipulation::SaveSequencePicture() {
  const std::string name = SequencePictureName(s_.Project().NomFic, s_.State().SequenceIndex);
  // a picture that could not be written keeps its number for the next key
  if (const auto error = s_.Screen().SaveBitmap(name)) {
    prompts_.ShowMessage(*error);
    return;
  }
  s_.CountSequencePicture();
}

// ---------------------------------------------------------------- the keyboard-command hook

KeyOutcome Manipulation::KeyCommand(const KeyChord& chord, const KeyContext& context) {
  if (s_.DeskMode()) return {};
  if (chord.key == Key::Escape) {
    if (!context.dialogVisible) {
      s_.ShowSaisies();
      return {true, FocusRequest::None};
    }
    return {true, context.mainWindowActive ? FocusRequest::Dialog : FocusRequest::MainWindow};
  }
  if (chord.modifiers.ctrl) {
    switch (chord.key) {
      case Key::Y:
        s_.ComputeCommand(RunMode::Ephemeris);
        return {true};
      case Key::J:
        s_.EphemerisCommand();
        return {true};
      case Key::K:
        s_.ComputeCommand(RunMode::Trace);
        return {true};
      case Key::L:
        s_.ComputeCommand(RunMode::Simulate);
        return {true};
      case Key::M:
        s_.ComputeCommand(RunMode::Compute);
        return {true};
      default:
        break;
    }
  }
  if (!s_.State().DrawingExists || !context.mainWindowActive) return {};
  if (chord.key == Key::Tab) {
    if (s_.InteractiveMode()) {
      s_.EndInteractive();
      return {true, FocusRequest::ReportPane};
    }
    if (context.commentsFocused) {
      s_.StartInteractive();
      return {true};
    }
    return {};
  }
  if (!s_.InteractiveMode() || !InteractiveKey(chord)) return {};
  s_.SetModifiedTitle();
  s_.RedrawAfterEdit();
  if (s_.Project().Sequ) SaveSequencePicture();
  return {true};
}

}  // namespace umbrix
