#pragma once
// What the program asks of the outside world, as four narrow ports: the boxes and dialogs a
// person answers, the main window's view, the drawing bitmap, and the system's services. The Qt
// window implements each; the command line answers the boxes on its error stream and has no
// window; the tests answer everything from a script.

#include <concepts>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/PrintPlan.h"
#include "model/DeskClock.h"
#include "model/Message.h"
#include "model/TimeZone.h"
#include "trace/Canvas.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

/// Buttons of a question box (question icon).
enum class Buttons { OkCancel, YesNo, YesNoCancel };

/// The button the user pressed.
enum class Answer { Ok, Cancel, Yes, No };

/// A question: its caption and text are marked texts of the "Message" context, the text a
/// pattern with numbered arguments when it has `args`.
struct Question {
  std::string caption;
  std::string text;
  Buttons buttons = Buttons::OkCancel;
  std::vector<std::string> args = {};
  /// The number "%n" stands for, which also chooses the plural form; -1 when the text has none.
  int count = -1;

  /// The text as the source language shows it.
  std::string Composed() const { return ComposeText(text, args, count < 0 ? 0 : count); }

  friend bool operator==(const Question&, const Question&) = default;
};

/// The answer that changes nothing: Cancel, or No when there is no Cancel button.
inline Answer SafeAnswer(Buttons buttons) {
  return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

/// An open or save dialog: default extension without its dot ("umd"), the filter in the
/// "Description|*.ext" form (a marked text of the "Message" context), and the file name offered
/// (empty for none).
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

/// Boxes and dialogs: each blocks until the person answers.
class Prompts {
 public:
  virtual ~Prompts() = default;
  /// An error box (caption "Erreur...", exclamation icon, OK) or an information box.
  virtual void ShowMessage(const Message& message) = 0;
  /// A question box.
  virtual Answer Ask(const Question& question) = 0;
  /// The open dialog; nothing when cancelled. The dialog forgets the name afterwards.
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialog& dialog) = 0;
  /// The save dialog; nothing when cancelled. The dialog forgets the name afterwards.
  virtual std::optional<std::string> ChooseFileToSave(const FileDialog& dialog) = 0;
};

/// The main window as the session sees it: the windows it shows and the end of the program. The
/// title, the panes and the menus are the session's state, which the window reads once the
/// event is handled (and before a box opens over it).
class MainView {
 public:
  virtual ~MainView() = default;
  virtual void ShowMainWindow() = 0;
  /// Shows the data-entry dialog, not modal, and activates it.
  virtual void ShowDialog() = 0;
  /// Shows a text in a window of its own, not modal, titled `title`, replacing the text it held.
  virtual void ShowTextWindow(const std::string& title, const std::string& text) = 0;
  /// Ends the program once the current event is handled.
  virtual void Terminate() = 0;
};

/// The one drawing bitmap the screen shows.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;
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
  /// Draws the closed one-pixel line through the bitmap's four corner pixels (the interactive
  /// frame), without presenting it.
  virtual void DrawOuterFrame(Colour colour) = 0;
  /// Writes the bitmap as a bitmap file (replacing any file of that name); the failure message.
  virtual std::optional<Message> SaveDrawing(const std::filesystem::path& path) = 0;
};

/// What the system tells: the clock and the time zone.
class Services {
 public:
  virtual ~Services() = default;
  /// The local date and time as a date-time serial (days since 30 December 1899).
  virtual double NowSerial() const = 0;
  /// The platform's time-zone information.
  virtual PlatformTimeZone TimeZone() const = 0;
  /// The system's time-zone database, for the place's zone by name.
  virtual const ZoneRules& Zones() const = 0;
};

/// Draws the dial through a canvas in the pixels of a frame (a true-scale print's vectors).
using DialTracer = std::function<void(Canvas& canvas, const DrawingFrame& frame)>;

/// The printer as a print needs it: kept apart from the four ports, since only the print
/// commands use it (the window's printer, or a PDF writer on the command line).
class Printer {
 public:
  virtual ~Printer() = default;
  /// The name the print dialog offers when the print goes to a file ("mur_echelle.pdf").
  virtual void ProposeFileName(const std::string& name) { (void)name; }
  /// The print dialog; false when cancelled.
  virtual bool ChoosePrinter() = 0;
  /// The page's measures once `orientation` is set, in the printer font.
  virtual PageMetrics Measure(PageOrientation orientation) = 0;
  /// The paper's name as a person knows it ("A4"); empty when unknown.
  virtual std::string PaperName() const { return {}; }
  /// Prints every page of `job`, its dial's piece drawn through `traceDial`. The failure
  /// message.
  virtual std::optional<Message> Print(const PrintJob& job, const DialTracer& traceDial) = 0;
};

/// A window's place on the desktop: outer pixels, its frame and title bar included.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

/// The whole look of the main window, entering or leaving the desk dial, applied at once.
struct DeskLook {
  /// The desk dial's look: a sizeable tool window showing only the dial in the desk font, the
  /// popup menu on right click, drops refused, the dialog hidden. Otherwise the normal window
  /// with its menu bar, panes and labels in the usual font.
  bool desk = false;
  /// Where the window goes: outer pixels, never smaller than the minimum.
  ScreenRect place;
  /// The smallest outer width and height.
  int minWidth = 0;
  int minHeight = 0;
  /// Shown maximized, `place` being where it comes back to.
  bool maximized = false;
  /// Kept above the other windows.
  bool stayOnTop = false;
  /// The redraw timer (every 20 seconds) running.
  bool ticking = false;
  /// The report pane's width chosen with the splitter (0: the design width).
  int reportWidth = 0;

  friend bool operator==(const DeskLook&, const DeskLook&) = default;
};

/// The main window as the desk dial handles it: what it reads of the window, and its look
/// changed in one call. Sizes are outer pixels unless they say client.
class DeskWindow {
 public:
  virtual ~DeskWindow() = default;
  virtual ScreenRect Placement() const = 0;
  /// Where a maximized window comes back to (the placement when it is not maximized).
  virtual ScreenRect NormalPlacement() const = 0;
  /// The client area's width and height (pixels).
  virtual ScreenRect ClientSize() const = 0;
  /// The minimum outer width and height (left and top unused).
  virtual ScreenRect MinimumSize() const = 0;
  virtual bool Maximized() const = 0;
  /// The report pane's width chosen with the splitter (0: the design width).
  virtual int ReportWidth() const = 0;
  /// What the desk look adds around its client area (width and height, left and top unused).
  virtual ScreenRect DeskFrame() const = 0;
  /// `MarginPx` in the desk dial's font.
  virtual int DeskMarginPx() const = 0;
  /// The window hidden, `look` applied whole, and the window shown again.
  virtual void Apply(const DeskLook& look) = 0;
  /// Kept above the other windows or not, without moving, resizing or activating it.
  virtual void SetStayOnTop(bool on) = 0;
};

/// How the desktop's opening of a document ended.
enum class OpenOutcome { Opened, FileAbsent, NoApplication, OtherFailure };

/// The desktop's services for the program's documentation: the help viewer and the program the
/// system associates with a kind of document.
class Desktop {
 public:
  virtual ~Desktop() = default;
  /// Shows the help page of topic `topic` (0 to 12) and brings its window to the front.
  virtual void ShowHelpTopic(int topic) = 0;
  /// Opens `path` with the program the desktop associates with its kind, shown normally.
  virtual OpenOutcome OpenDocument(const std::filesystem::path& path) = 0;
};

/// A run without a window (the command line): nobody sees a window, and the run ends when its
/// work is done, not when asked.
class NoWindow final : public MainView {
 public:
  void ShowMainWindow() override {}
  void ShowDialog() override {}
  void ShowTextWindow(const std::string&, const std::string&) override {}
  void Terminate() override {}
};

/// The four ports a session works through; each must outlive the session.
struct Ports {
  Prompts& prompts;
  MainView& view;
  DrawingSurface& drawing;
  Services& services;

  Ports(Prompts& p, MainView& v, DrawingSurface& d, Services& s)
      : prompts(p), view(v), drawing(d), services(s) {}
  /// One object that is all four (the tests' fake).
  template <typename All>
  requires std::derived_from<All, Prompts> && std::derived_from<All, MainView> &&
      std::derived_from<All, DrawingSurface> && std::derived_from<All, Services>
      Ports(All& all) : Ports(all, all, all, all) {}  // NOLINT(google-explicit-constructor)
};

}  // namespace umbrix
