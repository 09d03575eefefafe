#include "ui/QtDesktop.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QUrl>
#include <system_error>

namespace umbrix {

namespace {

/// Whether the desktop names a program for `mimeType`; nothing when it cannot tell.
std::optional<bool> HasDefaultApplication(const QString& mimeType) {
  const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (query.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
  if (!process.waitForFinished(5000) || process.exitStatus() != QProcess::NormalExit) {
    process.kill();
    return std::nullopt;
  }
  return !process.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

OpenOutcome QtDesktop::OpenDocument(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return OpenOutcome::FileAbsent;
  const QString file = QString::fromStdString(path.string());
  const QString type = QMimeDatabase().mimeTypeForFile(file).name();
  if (HasDefaultApplication(type) == false) return OpenOutcome::NoApplication;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file)) ? OpenOutcome::Opened
                                                             : OpenOutcome::OtherFailure;
}

}  // namespace umbrix
