#pragma once
// One running program without its windows: the dial project, the dialog's model, the solver's
// results, the report, the screen's drawing and the file state, with the computation driver and
// the file commands. The command families (exports, prints, the mouse, the desk dial) read it
// and change it through its named operations; the Qt window and the command line forward to it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/MenuOptions.h"
#include "app/Ports.h"
#include "app/ScreenDrawing.h"
#include "astro/Sun.h"
#include "compute/Completeness.h"
#include "compute/HourLimits.h"
#include "compute/Solver.h"
#include "files/ProjectFileLock.h"
#include "form/Form.h"
#include "model/Dates.h"
#include "model/DialProject.h"
#include "model/Language.h"
#include "model/Message.h"
#include "model/Report.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

/// "Umbrix * " and the file name (without its folder) of `fileName`.
std::string ModifiedTitle(const std::string& fileName);
/// "Umbrix   " (three blanks, the width of " * ") and the file name of `fileName`.
std::string UnmodifiedTitle(const std::string& fileName);
/// The desk dial's title: "* " (modified) or two blanks, then the file name without its folder
/// and extension.
std::string DeskTitle(const std::string& fileName, bool modified);

class DeskDial;

inline constexpr const char* kFileExistsCaption = UMBRIX_TR("Message", "Fichier existant...");
inline constexpr const char* kFileExistsText =
    UMBRIX_TR("Message", "Le fichier existe déjà, voulez-vous le remplacer ?");
inline constexpr const char* kReliabilityTitle = UMBRIX_TR("Message", "Fiabilité de la mesure");

/// The replace question when `path` exists; true to go on.
bool ConfirmReplace(Prompts& prompts, const std::string& path);
/// A save dialog's proposed name: the project file `projectFile`'s name with `extension`
/// (".dxf"); empty for an untitled project.
std::string ProposedName(const std::string& projectFile, const char* extension);

struct SessionSettings {
  /// The short date format the dialog writes and reads dates in.
  DateStyle dates;
  /// The English interface was chosen (month names, the date hint).
  bool englishUi = false;
  /// The language the report, the ephemeris, the reliability study and the title block are
  /// written in; none for the source language. Must outlive the session.
  const TextLanguage* language = nullptr;
};

class Session {
 public:
  explicit Session(Ports ports, SessionSettings settings = {});
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // ---- start-up

  /// The window's first fit, the dialog's creation with the command line `args` (without the
  /// program's name: "MAP" first switches on developer mode), the title "Umbrix   ", then the
  /// file the command line names is opened. False when that file could not be opened.
  bool Start(const std::vector<std::string>& args);

  // ---- state (read only: the families change it through the operations below)

  const DialProject& Project() const { return project_; }
  const ProjectState& State() const { return state_; }
  /// The dialog's model, for the dialog window that shows it and forwards the person's typing.
  Form& Dialog() { return form_; }
  const Form& Dialog() const { return form_; }
  const Report& Sections() const { return report_; }
  /// The language the report and the other composed texts are written in.
  const TextLanguage& Language() const { return language_; }
  /// The report pane's text.
  const std::string& ReportPane() const { return reportPane_; }
  /// `PlateEuler` and `ZenithVec` of the last solve or direct set-up.
  const Orientation& PlateOrientation() const { return orientation_; }
  const HourLimits& Limits() const { return hourLimits_; }
  /// The place and orientation of the dial traced last, for its title block.
  const DialSetting& Setting() const { return setting_; }
  const ScreenDrawing& Screen() const { return screen_; }
  const DrawingFrame& Frame() const { return screen_.Frame(); }
  const std::string& Title() const { return title_; }
  bool DeskMode() const { return deskMode_; }
  bool InteractiveMode() const { return interactiveMode_; }
  /// The dial on record traced through `canvas` in the pixels of `frame` (a print's page, a
  /// picture): the screen and the report stay as they are.
  void TraceOn(Canvas& canvas, const DrawingFrame& frame) const;

  // ---- what the command families do to it

  /// The entry being typed validated (or put back) before a command acts.
  void ValidatePendingEntry() { form_.FormDeactivate(); }
  /// The place's time zone chosen by its name; the refusal when the name is unknown.
  std::optional<Message> ChooseZone(const std::string& id) { return form_.ChooseZone(id); }
  /// Interactive mode on, its red frame drawn round the bitmap.
  void StartInteractive();
  /// Interactive mode off, the frame drawn black again over a traced dial.
  void EndInteractive();
  /// The final shadow-caster takes over the measuring gnomon (its foot and height are edited).
  void UseFinalCaster();
  /// The final shadow-caster's foot moved to `xMm`, `yMm` (each when given).
  void MoveCasterFoot(std::optional<double> xMm, std::optional<double> yMm);
  void SetCasterHeight(double mm);
  /// The instant of the shadow drawn: its time (day fraction) or its date (serial).
  void SetShadowTime(double dayFraction);
  void SetShadowDate(double serial);
  /// A picture of the sequence was written: the next one takes the next number.
  void CountSequencePicture() { state_.SequenceIndex += 1; }

  // ---- desk-dial mode

  /// The desk dial of the window, when it has one: quitting stores its settings and a desk-dial
  /// file enters it. `desk` must outlive the session or be detached (nullptr) first.
  void AttachDesk(DeskDial* desk) { desk_ = desk; }
  DeskDial* Desk() const { return desk_; }
  /// The mode on, with its title; the desk dial then sizes the drawing itself.
  void EnterDeskMode();
  /// The mode off, the normal title, the drawing fitted to the normal window again.
  void LeaveDeskMode();
  /// The title of the mode and the modified state as they stand.
  void RefreshTitle();
  /// The bitmap given `widthPx` x `heightPx` pixels in the margin the surface has now, and the
  /// dial traced on it without touching the report.
  void DrawAtSize(int widthPx, int heightPx);
  /// The dial traced again at the bitmap's size (in desk-dial mode: at the present instant),
  /// without touching the report.
  void RedrawWithoutReport() { TraceToScreen(false); }

  // ---- modified state and title

  /// `Modified` := true; title "Umbrix * " and the file name.
  void SetModifiedTitle();
  /// The dialog's `MarkModified`: `SetModifiedTitle`, the drawing and report cleared when asked,
  /// then `TestDataValid` := `testDataValid`.
  void MarkModified(bool testDataValid, bool clearDrawing) {
    form_.MarkModified(testDataValid, clearDrawing);
  }
  /// Every change of the comments pane's text.
  void CommentsEdited(std::string text);

  // ---- the computation driver

  /// Marks the project modified when the mode changes, clears `DrawingExists`, stores the mode
  /// and runs the computation.
  bool StartComputation(RunMode mode);
  /// Checks completeness (reporting the first missing entry on the dialog), then solves,
  /// simulates, sets up or writes the ephemeris as `RunMode` asks, and traces. True when a dial
  /// was traced in modes 1 and 2, the set-up's result in mode 3, false otherwise.
  bool RunComputation();
  /// "C&alculer" and the keys Ctrl+M, Ctrl+L, Ctrl+K, Ctrl+Y: the pending entry is re-validated
  /// first. A measurement computed and judged "peu fiable" shows its study once, in an
  /// information box; the report stays as it is.
  bool ComputeCommand(RunMode mode);
  /// "&Fiabilité de la mesure": how far the measurement can be trusted, in a window of its own.
  /// Missing entries are reported as "C&alculer" reports them.
  void ReliabilityCommand();
  /// Ctrl+J and the dialog's "E&phémérides": the current instant's ephemeris in a message window.
  void EphemerisCommand();
  /// The Test tab's "Calcule": the test orientation's two points written into the entries; both
  /// written make the test data consistent.
  void TestComputeCommand();
  /// The Test tab's "Trace": the test orientation's quick trace over the drawing on show.
  void TestTraceCommand();

  // ---- menus

  /// A drawing option's click: its check mark inverted, the project marked modified, the dial
  /// recomputed or redrawn. A disabled item cannot be clicked and does nothing.
  void ToggleOption(OptionItem item);
  void ToggleSubdivision(SubdivisionItem item);
  void ToggleSignArc(SignArcItem item);
  /// A click on "&Style" or "&Gnomon"; nothing happens when the clicked type is the current one.
  void ChooseCaster(CasterItem item);
  /// "&Saisies" (and Esc): shows the dialog and focuses the first field of its current tab.
  void ShowSaisies();

  // ---- files (the commands with their dialogs and questions are `FileCommands`)

  /// A blank project in place of this one (the held file closed, the dialog on its first
  /// field), without a question.
  void StartNewProject();
  /// Writes the project under `fileName` (no dialog, no question); shows the failure, and the
  /// characters written as "?" unless the user was asked about them before.
  bool WriteProject(const std::string& fileName, bool extended, bool charactersAsked = false);
  /// Opens a project file, or a desk-dial file by way of its project, then (unless told not to)
  /// repeats the project's last command. False, with its message shown, when it failed.
  bool OpenProject(const std::string& fileName, bool runComputation = true);
  /// The end of the run (quitting, closing, the system shutting down, the command line done):
  /// the desk window's geometry stored when the desk dial is on, the held file closed.
  void SystemShutdown();

  // ---- drawing

  /// The window was resized (or the plate changed): the bitmap is refitted and redrawn.
  void FitDrawing();
  /// The redraw after a handle of the drawing moved: the report recomputed, the bitmap redrawn
  /// with the interactive frame as it stands.
  void RedrawAfterEdit() { TraceToScreen(true); }

 private:
  /// The dialog's window onto the session.
  class Host final : public FormHost {
   public:
    explicit Host(Session& session) : s_(session) {}
    void MarkModified(bool testDataValid, bool clearDrawing) override;
    void FitDrawing() override { s_.FitDrawing(); }
    // the window reads the menus' states once the event is handled
    void MenuEnabledChanged(MenuItem, bool) override {}
    void ShowMessage(const Message& message) override { s_.prompts_.ShowMessage(message); }
    ClockReading Now() const override;
    const ZoneRules* Zones() const override { return &s_.services_.Zones(); }
    bool TakeLaterOffset(const std::string& pattern, const std::vector<std::string>& args) override;

   private:
    Session& s_;
  };

  void SetTitle(std::string title);
  void SetReportPane(std::string text);
  void SetComments(std::string text);
  /// Fills the bitmap with white and shows it.
  void BlankDrawing();
  /// `TraceDial` to the screen: the bitmap redrawn and shown, `DrawingExists` set, and with
  /// `composeReport` the report pane replaced by the ten sections.
  void TraceToScreen(bool composeReport);
  /// Shows the first missing entry on the dialog; nothing is computed.
  void ReportMissing(const CompletenessResult& missing);
  bool Solve();
  /// Shows why the dial on record cannot be traced in finite numbers; true when it can.
  bool Traceable();
  void ShowAll(const Messages& messages);
  void CloseHeld();
  /// The desk window's geometry written to its settings file, when the desk dial is on.
  void StoreDeskSettings();

  Prompts& prompts_;
  MainView& view_;
  Services& services_;
  const TextLanguage& language_;
  DialProject project_;
  ProjectState state_;
  Host host_;
  Form form_;
  ProjectFileLock lock_;
  Report report_;
  Orientation orientation_;
  DialSetting setting_;
  HourLimits hourLimits_{0.0, 0.0, 0.0, 0.0};
  ScreenDrawing screen_;
  std::string reportPane_;
  std::string title_ = "Umbrix";
  bool deskMode_ = false;
  bool interactiveMode_ = false;
  DeskDial* desk_ = nullptr;
};

}  // namespace umbrix
