#include "cli/CliRun.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Session.h"
#include "cli/CliPlatform.h"
#include "compute/Completeness.h"
#include "files/ProjectFile.h"
#include "files/SafeFile.h"
#include "files/TextLines.h"
#include "render/BitmapFiles.h"

namespace umbrix {

namespace {

inline constexpr const char* kNoDrawingToSaveText = "Il n'y a pas de graphique à sauver";

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
    err << TerminalText(error->caption, error->text) << '\n';
    status.FileError();
  }
}

/// A drawing output: refused without a drawing, then written like any other output.
void EmitDrawing(const Session& session, const std::string& name, const char* noDrawingText,
                 const std::function<std::optional<std::string>()>& encode, std::ostream& out,
                 std::ostream& err, Status& status) {
  if (!session.State().DrawingExists) {
    err << TerminalText(kErrorCaption, noDrawingText) << '\n';
    status.Refused();
    return;
  }
  const std::optional<std::string> bytes = encode();
  if (!bytes) {
    const Message failed = WriteFailureMessage(name, WriteCause::InputOutput);
    err << TerminalText(failed.caption, failed.text) << '\n';
    status.FileError();
    return;
  }
  Emit(name, *bytes, out, err, status);
}

/// Why a project whose last command is not one the program knows was not computed.
std::optional<std::string> UnknownLastCommand(int mode) {
  if (mode == kModeCompute || mode == kModeSimulate || mode == kModeTrace ||
      mode == kModeEphemeris) {
    return std::nullopt;
  }
  return "la dernière commande du projet (" + std::to_string(mode) +
         ") n'est pas connue : rien n'a été calculé (--commande calculer, simuler, tracer ou "
         "éphémérides)";
}

}  // namespace

int RunCli(const CliOptions& options, std::ostream& out, std::ostream& err) {
  CliPlatform platform(err, options.width, options.height);
  Session session(platform);
  Status status;

  session.Start(options.developerMode ? std::vector<std::string>{"MAP"}
                                      : std::vector<std::string>{});
  const int errorsBeforeLoad = platform.ErrorsShown();
  // with a command asked for, the project's own last command is not run first
  if (!session.OpenProject(options.project, !options.command.has_value())) {
    return kExitFileOrUsage;
  }
  if (options.command) session.StartComputation(*options.command);
  if (platform.ErrorsShown() > errorsBeforeLoad) status.Refused();

  if (!options.command) {
    if (const auto unknown = UnknownLastCommand(session.State().RunMode)) {
      err << "umbrix-cli : " << *unknown << '\n';
      status.Refused();
    }
  }

  if (options.report) Emit(*options.report, session.ReportPane(), out, err, status);
  if (options.png) {
    EmitDrawing(
        session, *options.png, kNoDrawingToSaveText, [&] { return EncodePng(platform.Bitmap()); },
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
        [&]() -> std::optional<std::string> { return session.SvgDocument(); }, out, err, status);
  }
  if (options.dxf) {
    EmitDrawing(
        session, *options.dxf, kNoDrawingToExportText,
        [&]() -> std::optional<std::string> { return session.DxfDocument(); }, out, err, status);
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
