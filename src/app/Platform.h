#pragma once
// What the program asks of the outside world: message boxes and questions, file dialogs, the
// clock and time zone, the main window's title and panes, and the drawing bitmap. The Qt window
// implements it; the tests answer it from a script; the command line answers every question
// with its safe choice.

#include <memory>
#include <optional>
#include <string>

#include "model/DeskClock.h"
#include "model/Message.h"
#include "trace/Canvas.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

/// Buttons of a question box (question icon).
enum class Buttons { OkCancel, YesNo, YesNoCancel };

/// The button the user pressed.
enum class Answer { Ok, Cancel, Yes, No };

struct Question {
  std::string caption;
  std::string text;
  Buttons buttons = Buttons::OkCancel;

  friend bool operator==(const Question&, const Question&) = default;
};

/// The answer that changes nothing: Cancel, or No when there is no Cancel button.
inline Answer SafeAnswer(Buttons buttons) {
  return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

/// An open or save dialog: default extension without its dot ("umd"), the filter in the
/// "Description|*.ext" form, and the file name offered (empty for none).
struct FileDialog {
  std::string defaultExtension;
  std::string filter;
  std::string proposedName;

  friend bool operator==(const FileDialog&, const FileDialog&) = default;
};

/// Where the drawing may spread in the main window (client pixels): left of the report pane and
/// above the comments pane.
struct DrawingRoom {
  int reportPaneLeft = 0;
  int commentsPaneTop = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // ---- boxes and dialogs

  /// An error box (caption "Erreur...", exclamation icon, OK) or an information box.
  virtual void ShowMessage(const Message& message) = 0;
  /// A question box; blocks until answered.
  virtual Answer Ask(const Question& question) = 0;
  /// The open dialog; nothing when cancelled. The dialog forgets the name afterwards.
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialog& dialog) = 0;
  /// The save dialog; nothing when cancelled. The dialog forgets the name afterwards.
  virtual std::optional<std::string> ChooseFileToSave(const FileDialog& dialog) = 0;

  // ---- clock

  /// The local date and time as a date-time serial (days since 30 December 1899).
  virtual double NowSerial() const = 0;
  /// The platform's time-zone information.
  virtual PlatformTimeZone TimeZone() const = 0;

  // ---- windows

  virtual void SetWindowTitle(const std::string& title) = 0;
  /// The report pane's whole text (lines end with CR LF).
  virtual void SetReportText(const std::string& text) = 0;
  /// The comments pane's whole text (lines joined with CR LF).
  virtual void SetCommentsText(const std::string& text) = 0;
  virtual void ShowMainWindow() = 0;
  /// Shows the data-entry dialog, not modal, and activates it.
  virtual void ShowDialog() = 0;
  /// A menu item's check mark or enabled state changed: the view copies them from the options.
  virtual void RefreshMenus() = 0;
  /// Ends the program.
  virtual void Terminate() = 0;

  // ---- the drawing bitmap

  /// `MarginPx`: the pixel width of "22" in the bitmap's font, plus 6.
  virtual int DrawingMarginPx() const = 0;
  virtual DrawingRoom Room() const = 0;
  /// Gives the drawing bitmap a new size (pixels); its content is then undefined.
  virtual void ResizeDrawing(int widthPx, int heightPx) = 0;
  /// A canvas drawing on the bitmap in the pixels of `frame`; the bitmap holds the drawing once
  /// the canvas is destroyed. `frame` must outlive the canvas.
  virtual std::unique_ptr<Canvas> DrawOnBitmap(const DrawingFrame& frame) = 0;
  /// Copies the bitmap onto the main window at (0, 0).
  virtual void PresentDrawing() = 0;
};

}  // namespace umbrix
