#include "app/Session.h"

#include <cmath>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/DeskMode.h"
#include "compute/Ephemeris.h"
#include "compute/Simulation.h"
#include "compute/Solver.h"
#include "files/ProjectFile.h"
#include "files/TextLines.h"
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

bool ConfirmReplace(Prompts& prompts, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return true;
  return prompts.Ask({kFileExistsCaption, kFileExistsText, Buttons::OkCancel}) == Answer::Ok;
}

std::string ProposedName(const std::string& projectFile, const char* extension) {
  if (projectFile.empty()) return {};
  return std::filesystem::path(projectFile).filename().replace_extension(extension).string();
}

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
      services_(ports.services),
      language_(settings.language != nullptr ? *settings.language : SourceLanguage()),
      project_(BlankProject()),
      host_(*this),
      form_(project_, state_, host_, std::move(settings.dates)),
      screen_(ports.drawing) {
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

void Session::BlankDrawing() { screen_.Blank(); }

void Session::TraceToScreen(bool composeReport) {
  TraceOptions options;
  options.composeReport = composeReport;
  // the desk dial shows the plate alone, without the frame of interactive mode
  options.interactiveFrame = interactiveMode_ && !deskMode_;
  options.deskMode = deskMode_;
  options.language = &language_;
  if (deskMode_) {
    options.shadowInstant = DeskDialInstant(project_, services_.NowSerial(), services_.TimeZone());
  }
  screen_.Draw(project_.Plate, [&](Canvas& canvas, const DrawingFrame& frame) {
    TraceDial(project_, orientation_, hourLimits_, frame, canvas, options, report_);
  });
  state_.DrawingExists = true;
  if (composeReport) SetReportPane(report_.Compose());
}

void Session::TraceOn(Canvas& canvas, const DrawingFrame& frame) const {
  Report unused;
  TraceDial(project_, orientation_, hourLimits_, frame, canvas, TraceOptions{}, unused);
}

void Session::FitDrawing() {
  // the desk dial sizes its bitmap from its own window
  if (deskMode_ || !screen_.Fit(project_)) return;
  if (state_.DrawingExists) {
    TraceToScreen(false);
  } else {
    BlankDrawing();
  }
}

void Session::DrawAtSize(int widthPx, int heightPx) {
  screen_.Resize(widthPx, heightPx);
  TraceToScreen(false);
}

// ---------------------------------------------------------------- the families' operations

void Session::EnterDeskMode() {
  deskMode_ = true;
  RefreshTitle();
}

void Session::LeaveDeskMode() {
  deskMode_ = false;
  RefreshTitle();
  FitDrawing();
}

void Session::StartInteractive() {
  interactiveMode_ = true;
  screen_.ShowOuterFrame(colours::Red);
}

void Session::EndInteractive() {
  interactiveMode_ = false;
  if (state_.DrawingExists) screen_.ShowOuterFrame(colours::Black);
}

void Session::UseFinalCaster() { form_.SetChecked(Check::Hautf, true); }

void Session::MoveCasterFoot(std::optional<double> xMm, std::optional<double> yMm) {
  // checked first: its handler puts the foot back to 0, which must not undo this edit
  UseFinalCaster();
  if (xMm) form_.ShowValue(Field::Gnomx, *xMm);
  if (yMm) form_.ShowValue(Field::Gnomy, *yMm);
}

void Session::SetCasterHeight(double mm) {
  UseFinalCaster();
  form_.ShowValue(Field::Gnomf, mm);
}

void Session::SetShadowTime(double dayFraction) { form_.ShowValue(Field::Hediur, dayFraction); }

void Session::SetShadowDate(double serial) { form_.ShowValue(Field::Dadiur, serial); }

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
  screen_.Draw(project_.Plate, [&](Canvas& canvas, const DrawingFrame& frame) {
    TestTrace(project_, limits, frame, canvas);
  });
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

void Session::CloseHeld() {
  if (state_.ProjectFileHeld) CloseHeldFile(state_, lock_);
}

void Session::StartNewProject() {
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

void Session::SystemShutdown() {
  StoreDeskSettings();
  CloseHeld();
}

void Session::StoreDeskSettings() {
  if (deskMode_ && desk_ != nullptr) desk_->StoreDeskSettings();
}

}  // namespace umbrix
