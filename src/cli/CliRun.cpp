#include "cli/CliRun.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/ExportCommands.h"
#include "app/MenuOptions.h"
#include "app/PrintCommands.h"
#include "app/Session.h"
#include "cli/CliPlatform.h"
#include "compute/Completeness.h"
#include "files/ProjectFile.h"
#include "files/SafeFile.h"
#include "files/TextLines.h"
#include "render/BitmapFiles.h"
#include "render/PrintReplay.h"
#include "render/Translate.h"
#include "trace/MeasurementReliability.h"

namespace umbrix {

namespace {

constexpr const char* kOldHoursNeedLatitudeText =
    UMBRIX_TR("Cli",
              "les heures anciennes ne sont pas tracées sans la latitude : cochez « Limiter le "
              "tracé à la partie utile » dans le projet");

/// Collects the run's exit status: a file error outweighs a refusal.
class Status {
 public:
  void Refused() { code_ = std::max(code_, kExitRefused); }
  void FileError() { code_ = std::max(code_, kExitFileOrUsage); }
  int Code() const { return code_; }

 private:
  int code_ = kExitSuccess;
};

/// One output: "-" sends the bytes to standard output, any other name goes through the program's
/// one writer.
void Emit(const std::string& name, const std::string& bytes, std::ostream& out, std::ostream& err,
          Status& status) {
  if (name == "-") {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) status.FileError();
    return;
  }
  if (const auto error = WriteOutputFile(name, bytes)) {
    err << TerminalLine(*error) << '\n';
    status.FileError();
  }
}

/// A drawing output: refused without a drawing, then written like any other output.
void EmitDrawing(const Session& session, const std::string& name, const char* noDrawingText,
                 const std::function<std::optional<std::string>()>& encode, std::ostream& out,
                 std::ostream& err, Status& status) {
  if (!session.State().DrawingExists) {
    err << TerminalLine(ErrorMessage(noDrawingText)) << '\n';
    status.Refused();
    return;
  }
  const std::optional<std::string> bytes = encode();
  if (!bytes) {
    err << TerminalLine(WriteFailureMessage(name, WriteCause::InputOutput)) << '\n';
    status.FileError();
    return;
  }
  Emit(name, *bytes, out, err, status);
}

/// Why a project whose last command is not one the program knows was not computed.
std::optional<std::string> UnknownLastCommand(RunMode mode) {
  if (mode == RunMode::Compute || mode == RunMode::Simulate || mode == RunMode::Trace ||
      mode == RunMode::Ephemeris) {
    return std::nullopt;
  }
  return CliText(UMBRIX_TR("Cli",
                           "la dernière commande du projet (%1) n'est pas connue : rien "
                           "n'a été calculé (--commande calculer, simuler, tracer ou "
                           "éphémérides)"),
                 {std::to_string(static_cast<int>(mode))});
}

/// The study of the measurement as the project stands: refused when an entry of "C&alculer" is
/// missing or the measurement does not solve. `alreadyTold`: the run's own computation has
/// shown its errors, which the study would only repeat.
void WriteReliability(const Session& session, const CliOptions& options, bool alreadyTold,
                      std::ostream& out, std::ostream& err, Status& status) {
  Messages refusal;
  const CompletenessResult missing = CheckCompleteness(session.Project(), RunMode::Compute);
  std::optional<ReliabilityStudy> study;
  if (missing.code != 0) {
    refusal.push_back(ErrorMessage(missing.message));
  } else {
    study = StudyReliability(session.Project(), {options.markStepMm, options.timeStepSeconds},
                             session.Language());
    if (!study->success) refusal = study->messages;
  }
  if (!refusal.empty()) {
    if (!alreadyTold) {
      for (const Message& m : refusal) err << TerminalLine(m) << '\n';
    }
    status.Refused();
    return;
  }
  Emit(*options.reliability, ReliabilityText(*study, session.Language()), out, err, status);
}

// The old hours asked for on the command line, drawn as if checked in the "&Heures" menu.
void SwitchOnOldHours(Session& session, const CliOptions& options, std::ostream& err) {
  const std::pair<bool, OptionItem> asked[] = {{options.italianHours, OptionItem::Italiques1},
                                               {options.babylonianHours, OptionItem::Babyloniques1},
                                               {options.temporaryHours, OptionItem::Temporaires1}};
  bool refused = false;
  for (const auto& [wanted, item] : asked) {
    if (!wanted) continue;
    const MenuOption& option = OptionOf(session.Project().Options, item);
    if (option.checked) continue;
    if (!option.enabled) {
      refused = true;
      continue;
    }
    session.ToggleOption(item);
  }
  if (refused) err << ProgramLine(CliText(kOldHoursNeedLatitudeText)) << '\n';
}

}  // namespace

int RunCli(const CliOptions& options, std::ostream& out, std::ostream& err,
           SessionSettings settings) {
  CliPlatform platform(err, options.width, options.height);
  Session session(platform.ForSession(), std::move(settings));
  ExportCommands exports(session, platform.ForSession().prompts, platform.ForSession().services);
  Status status;

  session.Start(options.developerMode ? std::vector<std::string>{"MAP"}
                                      : std::vector<std::string>{});
  const int errorsBeforeLoad = platform.ErrorsShown();
  // with a command or a zone asked for, the project's own last command is not run first
  if (!session.OpenProject(options.project, !options.command && !options.zone)) {
    return kExitFileOrUsage;
  }
  if (options.zone) {
    if (const auto refused = session.ChooseZone(*options.zone)) {
      err << ProgramLine(Translated(kMessageContext, refused->text, refused->args).toStdString())
          << '\n';
      return kExitFileOrUsage;
    }
    if (!options.command) session.RunComputation();
  }
  if (options.command) session.StartComputation(*options.command);
  if (platform.ErrorsShown() > errorsBeforeLoad) status.Refused();
  SwitchOnOldHours(session, options, err);

  if (!options.command) {
    if (const auto unknown = UnknownLastCommand(session.State().RunMode)) {
      err << ProgramLine(*unknown) << '\n';
      status.Refused();
    }
  }

  if (options.report) Emit(*options.report, session.ReportPane(), out, err, status);
  if (options.reliability) {
    WriteReliability(session, options, platform.ErrorsShown() > errorsBeforeLoad, out, err, status);
  }
  if (options.png) {
    EmitDrawing(
        session, *options.png, kNoDrawingToSaveText, [&] { return EncodeSmoothPng(platform.SmoothPicture()); },
        out, err, status);
  }
  if (options.bmp) {
    EmitDrawing(
        session, *options.bmp, kNoDrawingToSaveText, [&] { return EncodeBmp4(platform.Bitmap()); },
        out, err, status);
  }
  if (options.svg) {
    EmitDrawing(
        session, *options.svg, kNoDrawingToExportText,
        [&]() -> std::optional<std::string> { return exports.SvgDocument(); }, out, err, status);
  }
  if (options.dxf) {
    EmitDrawing(
        session, *options.dxf, kNoDrawingToExportText,
        [&]() -> std::optional<std::string> { return exports.DxfDocument(); }, out, err, status);
  }

  if (options.fabricationDxf) {
    EmitDrawing(
        session, *options.fabricationDxf, kNoDrawingToExportText,
        [&]() -> std::optional<std::string> {
          return exports.FabricationDxfDocument(options.numeralHeightMm);
        },
        out, err, status);
  }
  if (options.fabricationSvg) {
    EmitDrawing(
        session, *options.fabricationSvg, kNoDrawingToExportText,
        [&]() -> std::optional<std::string> {
          return exports.FabricationSvgDocument(options.numeralHeightMm);
        },
        out, err, status);
  }
  if (options.print) {
    // the window's print commands, with a PDF writer for printer
    PdfPrinter printer(PaperNamed(options.paper).value_or(Paper::A4));
    const Ports ports = platform.ForSession();
    PrintCommands commands(session, ports.prompts, printer, ports.services);
    const PrintOutcome outcome = *options.print == PrintLayout::Report
                                     ? commands.PrintReport()
                                     : commands.PrintDrawing(*options.print);
    if (outcome == PrintOutcome::Printed) {
      Emit(*options.pdf, printer.Document(), out, err, status);
    } else if (outcome == PrintOutcome::Failed) {
      status.FileError();
    } else {
      status.Refused();
    }
  }

  if (options.save && *options.save == "-") {
    const ProjectState& state = session.State();
    Emit("-",
         ProjectFileBytes(session.Project(), state, state.TestDataValid,
                          SplitLines(session.ReportPane())),
         out, err, status);
  } else if (options.save) {
    const int before = platform.ErrorsShown();
    if (!session.WriteProject(*options.save, session.State().TestDataValid) ||
        platform.ErrorsShown() > before) {
      status.FileError();
    }
  }
  session.SystemShutdown();
  return status.Code();
}

}  // namespace umbrix
