#include "app/Session.h"

#include <cctype>
#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <system_error>
#include <utility>

#include "app/DeskMode.h"
#include "app/ProgramIdentity.h"
#include "compute/Ephemeris.h"
#include "compute/Simulation.h"
#include "compute/Solver.h"
#include "export/DxfExport.h"
#include "export/Fabrication.h"
#include "export/SvgCanvas.h"
#include "files/ProjectFile.h"
#include "files/SafeFile.h"
#include "files/TextLines.h"
#include "model/Numbers.h"
#include "model/Texts.h"
#include "trace/MeasurementReliability.h"
#include "trace/TestTrace.h"
#include "trace/TraceDial.h"

namespace umbrix {

namespace {

std::string FileNamePart(const std::string& fileName) {
  return std::filesystem::path(fileName).filename().string();
}

}  // namespace

std::string ModifiedTitle(const std::string& fileName) {
  return "Umbrix * " + FileNamePart(fileName);
}

std::string UnmodifiedTitle(const std::string& fileName) {
  return "Umbrix   " + FileNamePart(fileName);
}

std::string DeskTitle(const std::string& fileName, bool modified) {
  return (modified ? "* " : "  ") + std::filesystem::path(fileName).stem().string();
}

// ---------------------------------------------------------------- the dialog's host

void Session::Host::MarkModified(bool /*testDataValid*/, bool clearDrawing) {
  s_.SetTitle(ModifiedTitle(s_.state_.ProjectFileName));
  if (!clearDrawing) return;
  if (s_.state_.DrawingExists) s_.BlankDrawing();
  s_.SetReportPane("");
}

ClockReading Session::Host::Now() const {
  const double now = s_.services_.NowSerial();
  const double today = std::floor(now);
  return {today, now - today};
}

bool Session::Host::TakeLaterOffset(const std::string& pattern,
                                    const std::vector<std::string>& args) {
  return s_.prompts_.Ask({kZoneRepeatCaption, pattern, Buttons::YesNo, args}) == Answer::Yes;
}

// ---------------------------------------------------------------- start-up

Session::Session(Ports ports, SessionSettings settings)
    : prompts_(ports.prompts),
      view_(ports.view),
      drawing_(ports.drawing),
      services_(ports.services),
      language_(settings.language != nullptr ? *settings.language : SourceLanguage()),
      project_(BlankProject()),
      host_(*this),
      form_(project_, state_, host_, std::move(settings.dates)) {
  state_.EnglishUi = settings.englishUi;
  // the window's first size: the start-up plate is a 100 mm square, which always fits
  FitDrawing();
}

bool Session::Start(const std::vector<std::string>& args) {
  const StartupRequest request = form_.FormCreate(args);
  SetTitle(UnmodifiedTitle(state_.ProjectFileName));
  if (request.fileToOpen.empty()) return true;
  return OpenProject(request.fileToOpen);
}

// ---------------------------------------------------------------- title, panes

void Session::SetTitle(std::string title) { title_ = std::move(title); }

void Session::SetReportPane(std::string text) { reportPane_ = std::move(text); }

void Session::SetComments(std::string text) { project_.Comments = std::move(text); }

void Session::RefreshTitle() {
  const std::string& name = state_.ProjectFileName;
  if (deskMode_) {
    SetTitle(DeskTitle(name, state_.Modified));
  } else {
    SetTitle(state_.Modified ? ModifiedTitle(name) : UnmodifiedTitle(name));
  }
}

void Session::SetModifiedTitle() {
  state_.Modified = true;
  RefreshTitle();
}

void Session::CommentsEdited(std::string text) {
  project_.Comments = std::move(text);
  SetModifiedTitle();
}

// ---------------------------------------------------------------- drawing

void Session::SyncFrame() {
  frame_.plate = project_.Plate;
  frame_.ComputeScale();
}

void Session::BlankDrawing() {
  {
    const auto canvas = drawing_.DrawOnBitmap(frame_);
    canvas->FillSurface(colours::White);
  }
  drawing_.PresentDrawing();
}

void Session::TraceToScreen(bool composeReport) {
  SyncFrame();
  TraceOptions options;
  options.composeReport = composeReport;
  // the desk dial shows the plate alone, without the frame of interactive mode
  options.interactiveFrame = interactiveMode_ && !deskMode_;
  options.deskMode = deskMode_;
  options.language = &language_;
  if (deskMode_) {
    options.shadowInstant = DeskDialInstant(project_, services_.NowSerial(), services_.TimeZone());
  }
  {
    const auto canvas = drawing_.DrawOnBitmap(frame_);
    TraceDial(project_, orientation_, hourLimits_, frame_, *canvas, options, report_);
  }
  drawing_.PresentDrawing();
  state_.DrawingExists = true;
  if (composeReport) SetReportPane(report_.Compose());
}

void Session::FitDrawing() {
  // the desk dial sizes its bitmap from its own window
  if (!fitEnabled_ || deskMode_) return;
  const int margin = drawing_.DrawingMarginPx();
  const DrawingRoom room = drawing_.Room();
  const FitResult fit = FitDrawingSize(project_, margin, room.reportPaneLeft, room.commentsPaneTop);
  if (!fit.resized) return;
  frame_.marginPx = margin;
  frame_.widthPx = fit.widthPx;
  frame_.heightPx = fit.heightPx;
  SyncFrame();
  drawing_.ResizeDrawing(fit.widthPx, fit.heightPx);
  if (state_.DrawingExists) {
    TraceToScreen(false);
  } else {
    BlankDrawing();
  }
}

void Session::DrawAtSize(int widthPx, int heightPx) {
  frame_.marginPx = drawing_.DrawingMarginPx();
  frame_.widthPx = widthPx;
  frame_.heightPx = heightPx;
  SyncFrame();
  drawing_.ResizeDrawing(widthPx, heightPx);
  TraceToScreen(false);
}

// ---------------------------------------------------------------- the computation driver

bool Session::StartComputation(RunMode mode) {
  if (mode != state_.RunMode) SetModifiedTitle();
  state_.DrawingExists = false;
  state_.RunMode = mode;
  return RunComputation();
}

void Session::ReportMissing(const CompletenessResult& missing) {
  BlankDrawing();
  state_.DrawingExists = false;
  SetReportPane("");
  view_.ShowDialog();
  form_.SetDialogActive(true);
  if (missing.code < 60 && missing.tabIndex >= 0)
    form_.SelectTab(static_cast<Tab>(missing.tabIndex));
  prompts_.ShowMessage(ErrorMessage(missing.message));
  if (missing.checkLimite) form_.SetChecked(Check::Limite, true);
  if (missing.checkLocc) form_.SetChecked(Check::Locc, true);
  if (missing.focus) form_.SetActiveControl(ControlOf(*missing.focus));
}

void Session::ShowAll(const Messages& messages) {
  for (const Message& m : messages) prompts_.ShowMessage(m);
}

bool Session::Solve() {
  SolveResult solved = SolveOrientation(project_, state_, report_, language_);
  if (!solved.success) {
    ShowAll(solved.messages);
    return false;
  }
  orientation_ = solved.orientation;
  setting_ = SolvedSetting(solved.reduced, project_);
  hourLimits_ = solved.hourLimits.limits;
  return Traceable();
}

bool Session::Traceable() {
  const auto refused = CheckTraceable(project_, orientation_, project_.Plate);
  if (refused) prompts_.ShowMessage(*refused);
  return !refused;
}

bool Session::RunComputation() {
  const RunMode mode = state_.RunMode;
  const CompletenessResult missing = CheckCompleteness(project_, mode);
  if (missing.code != 0) {
    ReportMissing(missing);
    return false;
  }
  switch (mode) {
    case RunMode::Compute:
      if (!state_.DrawingExists && !Solve()) return false;
      report_.sections[0].clear();
      TraceToScreen(true);
      return true;

    case RunMode::Simulate: {
      const SimulationResult simulated = SimulatePoints(project_, form_);
      ShowAll(simulated.messages);
      if (!simulated.success) return false;
      if (!state_.DrawingExists && !Solve()) return false;
      report_.sections[0] = language_.Report(kSimulationHeader);
      TraceToScreen(true);
      return true;
    }

    case RunMode::Trace: {
      report_.sections[0] = language_.Report(kDirectTraceHeader);
      const DirectTraceResult direct = TraceFromOrientation(project_, report_);
      orientation_ = direct.orientation;
      setting_ = TypedSetting(project_);
      hourLimits_ = direct.hourLimits.limits;
      if (!Traceable()) return false;
      TraceToScreen(true);
      return direct.success;
    }

    case RunMode::Ephemeris:
      BlankDrawing();
      SetReportPane(EphemerisReport(project_, true, DialOnShow{orientation_, state_.DrawingExists},
                                    language_));
      return false;

    default:
      return false;
  }
}

bool Session::ComputeCommand(RunMode mode) {
  form_.FormDeactivate();
  const bool traced = StartComputation(mode);
  if (traced && mode == RunMode::Compute) {
    const ReliabilityStudy study = StudyReliability(project_, {}, language_);
    // a measurement that looks good in the report yet moves its lines by millimetres
    if (study.success && study.verdict == ReliabilityVerdict::Unreliable) {
      prompts_.ShowMessage(InfoMessage(ReliabilityText(study, language_)));
    }
  }
  return traced;
}

void Session::ReliabilityCommand() {
  form_.FormDeactivate();
  const CompletenessResult missing = CheckCompleteness(project_, RunMode::Compute);
  if (missing.code != 0) {
    ReportMissing(missing);
    return;
  }
  view_.ShowTextWindow(kReliabilityTitle,
                       ReliabilityText(StudyReliability(project_, {}, language_), language_));
}

void Session::EphemerisCommand() {
  form_.FormDeactivate();
  prompts_.ShowMessage(InfoMessage(
      EphemerisReport(project_, false, DialOnShow{orientation_, state_.DrawingExists}, language_)));
}

void Session::TestComputeCommand() {
  if (const auto missing = form_.CheckMeasureGeometry()) {
    prompts_.ShowMessage(*missing);
    return;
  }
  const TestComputeResult result = TestCompute(project_, form_);
  ShowAll(result.messages);
  form_.ApplyTestComputeResult(result.pointsWritten);
}

void Session::TestTraceCommand() {
  if (const auto missing = form_.CheckDialGeometry()) {
    prompts_.ShowMessage(*missing);
    return;
  }
  const auto test = [this](TestField f) { return project_.At(f).value; };
  // the test's own limits: the dial on show keeps its limits for its next redraw
  const HourLimits limits =
      ComputeHourLimits(test(TestField::Edit23), test(TestField::Edit24),
                        test(TestField::Edit22) * kPi / 12 + test(TestField::Edit20),
                        test(TestField::Edit21), project_.Hvrai)
          .limits;
  SyncFrame();
  {
    const auto canvas = drawing_.DrawOnBitmap(frame_);
    TestTrace(project_, limits, frame_, *canvas);
  }
  drawing_.PresentDrawing();
}

// ---------------------------------------------------------------- menus

void Session::ToggleOption(OptionItem item) {
  MenuOption& option = OptionOf(project_.Options, item);
  if (!option.enabled) return;
  option.checked = !option.checked;
  SetModifiedTitle();
  RunComputation();
}

void Session::ToggleSubdivision(SubdivisionItem item) {
  umbrix::ToggleSubdivision(project_.Options, item);
  SetModifiedTitle();
  RunComputation();
}

void Session::ToggleSignArc(SignArcItem item) {
  umbrix::ToggleSignArc(project_.Options, item);
  SetModifiedTitle();
  RunComputation();
}

void Session::ChooseCaster(CasterItem item) {
  const bool changed = umbrix::ChooseCaster(project_.Options, item);
  if (!changed) return;
  SetModifiedTitle();
  RunComputation();
}

void Session::ShowSaisies() {
  view_.ShowDialog();
  form_.SetDialogActive(true);
  // the developer's tabs keep the focus where it was
  const Tab tab = form_.SelectedTab();
  if (tab != Tab::Option && tab != Tab::Test) form_.SetActiveControl(form_.FirstControlOf(tab));
}

// ---------------------------------------------------------------- files

bool Session::CheckContent() {
  if (ProjectHasContent(project_, false)) return true;
  prompts_.ShowMessage(ErrorMessage(kNothingToSaveText));
  return false;
}

bool Session::ConfirmReplace(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return true;
  return prompts_.Ask({kFileExistsCaption, kFileExistsText, Buttons::OkCancel}) == Answer::Ok;
}

std::string Session::ProposedName(const char* extension) const {
  if (state_.ProjectFileName.empty()) return {};
  return std::filesystem::path(state_.ProjectFileName)
      .filename()
      .replace_extension(extension)
      .string();
}

void Session::CloseHeld() {
  if (state_.ProjectFileHeld) CloseHeldFile(state_, lock_);
}

void Session::NewProject() {
  form_.FormDeactivate();
  if (deskMode_) return;
  if (!ConfirmSaveChanges()) return;
  CloseHeld();
  state_.ProjectFileName.clear();
  SetComments("");
  form_.ResetForNewProject();
  state_.Modified = false;
  SetTitle(UnmodifiedTitle(""));
  view_.ShowDialog();
  form_.SetDialogActive(true);
  form_.SelectTab(Tab::Cadran);
  form_.SetActiveControl(ControlId::Cote);
}

void Session::OpenCommand() {
  form_.FormDeactivate();
  if (deskMode_) return;
  if (!ConfirmSaveChanges()) return;
  const auto name = prompts_.ChooseFileToOpen({"umd", kOpenFilter, ""});
  if (name) OpenProject(*name);
}

void Session::DropFiles(const std::vector<std::string>& files) {
  if (deskMode_ || files.empty()) return;
  form_.FormDeactivate();
  if (!ConfirmSaveChanges()) return;
  OpenProject(files.front());
}

void Session::SaveCommand() {
  form_.FormDeactivate();
  if (deskMode_) return;
  if (!CheckContent()) return;
  SaveProject();
}

void Session::SaveAsCommand() {
  // the entry being typed belongs to what is saved, as for every other file command
  form_.FormDeactivate();
  if (!CheckContent()) return;
  bool extended = false;
  if (state_.TestMode) {
    if (state_.TestDataValid) {
      extended = prompts_.Ask({UMBRIX_TR("Message", "Format d'enregistrement"),
                               UMBRIX_TR("Message", "Enregistrer au format étendu ?"),
                               Buttons::YesNo}) == Answer::Yes;
    } else {
      prompts_.ShowMessage(InfoMessage(UMBRIX_TR(
          "Message", "Enregistrement au format réduit:\r\nIncohérence des données de test")));
    }
  }
  SaveProjectAs(extended);
}

bool Session::ConfirmSaveChanges() {
  if (!state_.Modified || !ProjectHasContent(project_, false)) return true;
  switch (prompts_.Ask({UMBRIX_TR("Message", "Modifications..."),
                        UMBRIX_TR("Message", "Voulez-vous sauver les modifications ?"),
                        Buttons::YesNoCancel})) {
    case Answer::Yes:
      // a save that failed or was cancelled must not let the project be replaced
      return SaveProject();
    case Answer::No:
    case Answer::Ok:
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

bool Session::SaveProject() {
  if (state_.TestMode) {
    if (state_.TestDataValid) {
      prompts_.ShowMessage(InfoMessage(UMBRIX_TR("Message", "Enregistrement au format étendu")));
    } else if (prompts_.Ask({UMBRIX_TR("Message", "Incohérence des données de test"),
                             UMBRIX_TR("Message", "Enregistrement au format réduit ?"),
                             Buttons::OkCancel}) != Answer::Ok) {
      return false;
    }
  }
  if (state_.ProjectFileName.empty()) return SaveProjectAs(state_.TestDataValid);
  if (!ConfirmUnwritableCharacters(state_.TestDataValid)) return false;
  return WriteProject(state_.ProjectFileName, state_.TestDataValid, true);
}

bool Session::SaveProjectAs(bool extended) {
  if (!ConfirmUnwritableCharacters(extended)) return false;
  const auto name = prompts_.ChooseFileToSave({"umd", kProjectFilter, ""});
  if (!name) return false;
  if (!ConfirmReplace(*name)) return false;
  return WriteProject(*name, extended, true);
}

bool Session::ConfirmUnwritableCharacters(bool extended) {
  bool replaced = false;
  ProjectFileBytes(project_, state_, extended, SplitLines(reportPane_), &replaced);
  if (!replaced) return true;
  return prompts_.Ask({kUnwritableCharactersCaption, kUnwritableCharactersText,
                       Buttons::OkCancel}) == Answer::Ok;
}

bool Session::WriteProject(const std::string& fileName, bool extended, bool charactersAsked) {
  const FileResult written =
      WriteProjectFile(project_, state_, lock_, fileName, extended, SplitLines(reportPane_));
  if (!written.ok) {
    prompts_.ShowMessage(written.error);
    return false;
  }
  SetTitle(UnmodifiedTitle(state_.ProjectFileName));
  if (written.warning && !charactersAsked) prompts_.ShowMessage(*written.warning);
  return true;
}

bool Session::OpenProject(const std::string& fileName, bool runComputation) {
  const OpenResult opened = ::umbrix::OpenProject(form_, lock_, fileName);
  if (!opened.file.ok) {
    prompts_.ShowMessage(opened.file.error);
    return false;
  }
  SetTitle(UnmodifiedTitle(state_.ProjectFileName));
  view_.ShowMainWindow();
  // before the computation's own questions about what the cut took away
  if (opened.file.warning) prompts_.ShowMessage(*opened.file.warning);
  if (runComputation) RunComputation();
  // without a window (the command line) a desk-dial file only opens its project
  if (opened.enterDeskMode && desk_ != nullptr && !deskMode_) desk_->ToggleDeskMode();
  return true;
}

bool Session::Quit() {
  form_.FormDeactivate();
  if (!ConfirmSaveChanges()) return false;
  StoreDeskSettings();
  CloseHeld();
  view_.Terminate();
  return true;
}

bool Session::CloseRequested() {
  if (!ConfirmSaveChanges()) return false;
  StoreDeskSettings();
  CloseHeld();
  return true;
}

void Session::SystemShutdown() {
  StoreDeskSettings();
  CloseHeld();
}

void Session::StoreDeskSettings() {
  if (deskMode_ && desk_ != nullptr) desk_->StoreDeskSettings();
}

// ---------------------------------------------------------------- exports

void Session::ExportDxfCommand() {
  form_.FormDeactivate();
  if (deskMode_) return;
  if (!state_.DrawingExists) {
    prompts_.ShowMessage(ErrorMessage(kNoDrawingToExportText));
    return;
  }
  const auto name = prompts_.ChooseFileToSave({"dxf", kDxfFilter, ProposedName(".dxf")});
  if (!name) return;
  if (!ConfirmReplace(*name)) return;
  if (const auto error = WriteDxf(*name)) prompts_.ShowMessage(*error);
}

std::string Session::DxfDocument() {
  SyncFrame();
  const StyleGeometry style = ComputeStyleGeometry(project_, orientation_, frame_.plate);
  const DxfJob job{frame_, DxfCasterGeometryOf(project_, orientation_, style),
                   services_.NowSerial()};
  std::string document =
      umbrix::DxfDocument(job, DialTracePass(project_, orientation_, hourLimits_, frame_));
  // the screen is repainted whatever becomes of the file
  TraceToScreen(false);
  return document;
}

std::string Session::SvgDocument() {
  SyncFrame();
  SvgCanvas canvas(frame_);
  Report unused;
  TraceDial(project_, orientation_, hourLimits_, frame_, canvas, TraceOptions{}, unused);
  return canvas.Document();
}

std::optional<Message> Session::WriteDxf(const std::string& path) {
  if (!state_.DrawingExists) return ErrorMessage(kNoDrawingToExportText);
  return WriteOutputFile(path, DxfDocument());
}

std::optional<Message> Session::WriteSvg(const std::string& path) {
  if (!state_.DrawingExists) return ErrorMessage(kNoDrawingToExportText);
  return WriteOutputFile(path, SvgDocument());
}

// ---------------------------------------------------------------- the workshop drawing

namespace {

bool EndsWithSvg(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".svg";
}

/// An angle of a title block: its size, the side goes in the sentence.
std::string TitleAngle(double degrees) {
  return FormatGeneral(RoundScaled(100, std::abs(degrees)));
}

}  // namespace

std::vector<std::string> Session::FabricationTitle() const {
  const DialSetting& d = setting_;
  const std::string name =
      state_.ProjectFileName.empty()
          ? language_.Text("TitleBlock", UMBRIX_TR("TitleBlock", "Cadran sans nom"))
          : std::filesystem::path(state_.ProjectFileName).stem().string();
  // each side is a sentence of its own: a translation may word "north" and "west" differently
  const bool north = d.latitudeDeg >= 0, east = d.longitudeDeg < 0;
  const char* place =
      north
          ? (east ? UMBRIX_TR("TitleBlock",
                              "Lieu : Latitude : %1° N ; Longitude : %2° E ; Fuseau horaire : %3")
                  : UMBRIX_TR("TitleBlock",
                              "Lieu : Latitude : %1° N ; Longitude : %2° O ; Fuseau horaire : %3"))
          : (east ? UMBRIX_TR("TitleBlock",
                              "Lieu : Latitude : %1° S ; Longitude : %2° E ; Fuseau horaire : %3")
                  : UMBRIX_TR("TitleBlock",
                              "Lieu : Latitude : %1° S ; Longitude : %2° O ; Fuseau horaire : %3"));
  const char* turn =
      d.declinationDeg < 0
          ? UMBRIX_TR("TitleBlock",
                      "Orientation : Déclinaison : %1° est ; Inclinaison : %2° ; Rotation : %3°")
          : UMBRIX_TR("TitleBlock",
                      "Orientation : Déclinaison : %1° ouest ; Inclinaison : %2° ; Rotation : %3°");
  const std::string zone = (d.zoneHours < 0 ? "-" : "") + FormatZoneHours(std::abs(d.zoneHours));
  return {
      language_.Compose("TitleBlock", UMBRIX_TR("TitleBlock", "%1 - Tracé par le logiciel %2"),
                        {name, kProgramNameAndVersion}),
      language_.Compose("TitleBlock", place,
                        {TitleAngle(d.latitudeDeg), TitleAngle(d.longitudeDeg), zone}),
      language_.Compose("TitleBlock", turn,
                        {TitleAngle(d.declinationDeg), TitleAngle(d.inclinationDeg),
                         FormatGeneral(RoundScaled(100, d.rotationDeg))}),
  };
}

std::string Session::FabricationDxfDocument(double numeralHeightMm) {
  const FabricationJob job{numeralHeightMm, FabricationTitle()};
  return FabricationDxf(BuildFabricationDrawing(project_, orientation_, hourLimits_, job));
}

std::string Session::FabricationSvgDocument(double numeralHeightMm) {
  const FabricationJob job{numeralHeightMm, FabricationTitle()};
  return FabricationSvg(BuildFabricationDrawing(project_, orientation_, hourLimits_, job));
}

std::optional<Message> Session::WriteFabrication(const std::string& path, double numeralHeightMm) {
  if (!state_.DrawingExists) return ErrorMessage(kNoDrawingToExportText);
  return WriteOutputFile(path, EndsWithSvg(path) ? FabricationSvgDocument(numeralHeightMm)
                                                 : FabricationDxfDocument(numeralHeightMm));
}

void Session::ExportFabricationCommand() {
  form_.FormDeactivate();
  if (deskMode_) return;
  if (!state_.DrawingExists) {
    prompts_.ShowMessage(ErrorMessage(kNoDrawingToExportText));
    return;
  }
  const auto name = prompts_.ChooseFileToSave({"dxf", kFabricationFilter, ProposedName(".dxf")});
  if (!name) return;
  if (!ConfirmReplace(*name)) return;
  if (const auto error = WriteFabrication(*name)) prompts_.ShowMessage(*error);
}

}  // namespace umbrix
