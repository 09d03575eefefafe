#include "cli/CliRun.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/Session.h"
#include "cli/CliPlatform.h"
#include "export/AtomicFile.h"
#include "render/BitmapFiles.h"
#include "trace/MeasurementReliability.h"

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

void WriteReport(const Session& session, const std::string& target, std::ostream& out,
                 std::ostream& err, Status& status) {
  const std::string& text = session.ReportPane();
  if (target == "-") {
    out << text;
    out.flush();
    if (!out) status.FileError();
    return;
  }
  const auto error = WriteFileAtomically(target, [&text](std::ostream& file) { file << text; });
  if (error) {
    err << TerminalText(error->caption, error->text) << '\n';
    status.FileError();
  }
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
    study = StudyReliability(session.Project(), {options.markStepMm, options.timeStepSeconds});
    if (!study->success) refusal = study->messages;
  }
  if (!refusal.empty()) {
    if (!alreadyTold) {
      for (const Message& m : refusal) err << TerminalText(m.caption, m.text) << '\n';
    }
    status.Refused();
    return;
  }
  const std::string text = ReliabilityText(*study);
  const std::string& target = *options.reliability;
  if (target == "-") {
    out << text;
    out.flush();
    if (!out) status.FileError();
    return;
  }
  const auto error = WriteFileAtomically(target, [&text](std::ostream& file) { file << text; });
  if (error) {
    err << TerminalText(error->caption, error->text) << '\n';
    status.FileError();
  }
}

/// A drawing output: refused without a drawing, a file error when the write fails.
void WriteDrawing(const Session& session, const std::optional<Message>& written,
                  std::ostream& err, Status& status) {
  if (!written) return;
  err << TerminalText(written->caption, written->text) << '\n';
  if (session.State().DrawingExists) {
    status.FileError();
  } else {
    status.Refused();
  }
}

}  // namespace

int RunCli(const CliOptions& options, std::ostream& out, std::ostream& err) {
  CliPlatform platform(err, options.width, options.height);
  Session session(platform.ForSession());
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

  if (options.report) WriteReport(session, *options.report, out, err, status);
  if (options.reliability) {
    WriteReliability(session, options, platform.ErrorsShown() > errorsBeforeLoad, out, err,
                     status);
  }

  const bool drawn = session.State().DrawingExists;
  const auto bitmap = [&](const std::string& path, bool png) -> std::optional<Message> {
    if (!drawn) return ErrorMessage(kNoDrawingToSaveText);
    return png ? WritePng(platform.Bitmap(), path) : WriteBmp4(platform.Bitmap(), path);
  };
  if (options.png) WriteDrawing(session, bitmap(*options.png, true), err, status);
  if (options.bmp) WriteDrawing(session, bitmap(*options.bmp, false), err, status);
  if (options.svg) WriteDrawing(session, session.WriteSvg(*options.svg), err, status);
  if (options.dxf) WriteDrawing(session, session.WriteDxf(*options.dxf), err, status);

  if (options.save) {
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
