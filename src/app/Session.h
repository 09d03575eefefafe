#pragma once
// One running program without its windows: the dial project, the dialog's model, the solver's
// results, the report, the drawing frame and the file state, with every main-window command that
// needs no widget. The Qt window and the command line only forward to it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/MenuOptions.h"
#include "app/Ports.h"
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

inline constexpr const char* kNothingToSaveText =
    UMBRIX_TR("Message", "Il n'y a pas d'information à sauver");
inline constexpr const char* kNoDrawingToExportText =
    UMBRIX_TR("Message", "Il n'y a pas de graphique à exporter");
inline constexpr const char* kFileExistsCaption = UMBRIX_TR("Message", "Fichier existant...");
inline constexpr const char* kFileExistsText =
    UMBRIX_TR("Message", "Le fichier existe déjà, voulez-vous le remplacer ?");
inline constexpr const char* kProjectFilter = UMBRIX_TR("Message", "Donnée Umbrix (*.umd)|*.umd");
inline constexpr const char* kOpenFilter =
    UMBRIX_TR("Message",
              "Données Umbrix (*.umd)|*.umd|Données Umbrix (*.umd ; *.txt)|*.umd;*.txt|"
              "Cadran de bureau (*.umb)|*.umb");
inline constexpr const char* kReliabilityTitle = UMBRIX_TR("Message", "Fiabilité de la mesure");
inline constexpr const char* kDxfFilter = UMBRIX_TR("Message", "Fichier dxf (*.dxf)|*.dxf");
/// The workshop drawing's save dialog: DXF, or SVG when the name ends in ".svg".
inline constexpr const char* kFabricationFilter =
    UMBRIX_TR("Message", "Fichier dxf (*.dxf)|*.dxf|Image svg (*.svg)|*.svg");

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

  // ---- state

  DialProject& Project() { return project_; }
  const DialProject& Project() const { return project_; }
  ProjectState& State() { return state_; }
  const ProjectState& State() const { return state_; }
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
  const DrawingFrame& Frame() const { return frame_; }
  const std::string& Title() const { return title_; }
  bool DeskMode() const { return deskMode_; }
  bool InteractiveMode() const { return interactiveMode_; }
  void SetInteractiveMode(bool on) { interactiveMode_ = on; }

  // ---- desk-dial mode

  /// The desk dial of the window, when it has one: quitting stores its settings and a desk-dial
  /// file enters it. `desk` must outlive the session or be detached (nullptr) first.
  void AttachDesk(DeskDial* desk) { desk_ = desk; }
  DeskDial* Desk() const { return desk_; }
  void SetDeskMode(bool on) { deskMode_ = on; }
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

  // ---- files

  /// "&Nouveau".
  void NewProject();
  /// "&Ouvrir".
  void OpenCommand();
  /// Files dropped on the window: only the first is opened.
  void DropFiles(const std::vector<std::string>& files);
  /// "&Enregistrer".
  void SaveCommand();
  /// "Enregistrer &Sous".
  void SaveAsCommand();
  /// The save-changes question before the project is replaced or the program ends; false when
  /// the caller must stop (cancelled, or the save failed).
  bool ConfirmSaveChanges();
  /// Saves under `ProjectFileName`, or asks for a name; false when cancelled or failed.
  bool SaveProject();
  /// Asks for a name and saves; false when cancelled or failed.
  bool SaveProjectAs(bool extended);
  /// Writes the project under `fileName` (no dialog, no question); shows the failure, and the
  /// characters written as "?" unless the user was asked about them before.
  bool WriteProject(const std::string& fileName, bool extended, bool charactersAsked = false);
  /// Opens a project file, or a desk-dial file by way of its project, then (unless told not to)
  /// repeats the project's last command. False, with its message shown, when it failed.
  bool OpenProject(const std::string& fileName, bool runComputation = true);
  /// "&Quitter": false when the user cancelled; otherwise the held file is closed and the
  /// window told to end the program.
  bool Quit();
  /// The window's close button: false keeps the window open.
  bool CloseRequested();
  /// The system is shutting down or the user logging off.
  void SystemShutdown();

  // ---- drawing

  /// The window was resized (or the plate changed): the bitmap is refitted and redrawn.
  void FitDrawing();
  /// "E&xport dxf": checks, the save dialog and the replace question, then `WriteDxf`.
  void ExportDxfCommand();
  /// The redraw after a handle of the drawing moved: the report recomputed, the bitmap redrawn
  /// with the interactive frame as it stands.
  void RedrawAfterEdit() { TraceToScreen(true); }
  /// Writes the dial on show as DXF into `path` and repaints the screen; the failure message
  /// (a held project is never replaced). Needs `DrawingExists`.
  std::optional<Message> WriteDxf(const std::string& path);
  /// Writes the dial on show as a true-scale SVG picture; the failure message. Needs
  /// `DrawingExists`.
  std::optional<Message> WriteSvg(const std::string& path);
  /// The bytes of the DXF export of the dial on show; the screen is repainted afterwards.
  std::string DxfDocument();
  /// The bytes of the SVG picture of the dial on show.
  std::string SvgDocument();

  // ---- the workshop drawing (numeral height in mm, 0 for the plate's default)

  /// "Export &fabrication": checks, the save dialog and the replace question, then
  /// `WriteFabrication`.
  void ExportFabricationCommand();
  /// Writes the workshop drawing into `path`: SVG when it ends in ".svg", DXF otherwise; the
  /// failure message. Needs `DrawingExists`.
  std::optional<Message> WriteFabrication(const std::string& path, double numeralHeightMm = 0);
  /// The bytes of the workshop drawing, DXF and SVG; nothing of the window's size enters them.
  std::string FabricationDxfDocument(double numeralHeightMm = 0);
  std::string FabricationSvgDocument(double numeralHeightMm = 0);
  /// The title block's lines: name, place and orientation, from the values of the last solve or
  /// of the typed orientation (never read back from the report, which may be translated).
  std::vector<std::string> FabricationTitle() const;

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
  /// The frame follows the plate (the bitmap keeps its size).
  void SyncFrame();
  /// Shows the first missing entry on the dialog; nothing is computed.
  void ReportMissing(const CompletenessResult& missing);
  bool Solve();
  /// Shows why the dial on record cannot be traced in finite numbers; true when it can.
  bool Traceable();
  void ShowAll(const Messages& messages);
  /// A save dialog's proposed name: the project's file name with `extension` (".dxf").
  std::string ProposedName(const char* extension) const;
  /// The replace question when `path` exists; true to go on.
  bool ConfirmReplace(const std::string& path);
  /// "Il n'y a pas d'information à sauver" unless the project holds something.
  bool CheckContent();
  /// Closing the held file and ending: shared by quitting, closing and shutting down.
  void CloseHeld();
  /// Before a save that would write "?" for some characters: asks whether to save anyway.
  bool ConfirmUnwritableCharacters(bool extended);
  /// The desk window's geometry written to its settings file, when the desk dial is on.
  void StoreDeskSettings();

  Prompts& prompts_;
  MainView& view_;
  DrawingSurface& drawing_;
  Services& services_;
  const TextLanguage& language_;
  DialProject project_;
  ProjectState state_;
  Host host_;
  Form form_;
  ProjectFileLock lock_;
  Report report_;
  Orientation orientation_;
  /// The place and orientation of the dial traced last, for its title block.
  DialSetting setting_;
  HourLimits hourLimits_{0.0, 0.0, 0.0, 0.0};
  DrawingFrame frame_;
  std::string reportPane_;
  std::string title_ = "Umbrix";
  bool deskMode_ = false;
  bool interactiveMode_ = false;
  bool fitEnabled_ = true;
  DeskDial* desk_ = nullptr;
};

}  // namespace umbrix
