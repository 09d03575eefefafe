#include "ui/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "render/Translate.h"

namespace umbrix {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

/// Counts an open modal loop for as long as it lives.
class ModalScope {
 public:
  explicit ModalScope(int& depth) : depth_(depth) { ++depth_; }
  ~ModalScope() { --depth_; }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  int& depth_;
};

QMessageBox::StandardButtons ButtonsOf(Buttons b) {
  switch (b) {
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
      break;
  }
  return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
}

Answer AnswerOf(int button, Buttons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      // the box closed by its title bar or Esc: the answer that changes nothing
      return SafeAnswer(buttons);
  }
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = Q(filter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    if (!description.contains(QLatin1Char('('))) {
      description += QStringLiteral(" (") + QString(parts[i + 1]).replace(';', ' ') + ')';
    }
    out << description;
  }
  return out;
}

QString FilterExtension(const QString& nameFilter) {
  const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
  const qsizetype close = nameFilter.lastIndexOf(QLatin1Char(')'));
  if (open < 0 || close < open) return {};
  const QStringList patterns =
      nameFilter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  const QString first = patterns.value(0);
  if (!first.startsWith(QStringLiteral("*."))) return {};
  const QString extension = first.mid(2);
  return extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?')) ? QString()
                                                                                      : extension;
}

QString BoxText(QString s) {
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

QtPrompts::QtPrompts(QString startFolder)
    : openFolder_(startFolder), saveFolder_(std::move(startFolder)) {}

QWidget* QtPrompts::Parent() const {
  return parent_ != nullptr ? parent_ : QApplication::activeWindow();
}

void QtPrompts::ShowMessage(const Message& message) {
  const ModalScope modal(depth_);
  const bool error = message.kind == MessageKind::Error;
  // an information box is the plain box of the platform: the program's name, no icon
  const QMessageBox::Icon icon = error                                 ? QMessageBox::Warning
                                 : message.kind == MessageKind::Notice ? QMessageBox::Information
                                                                       : QMessageBox::NoIcon;
  QMessageBox box(icon,
                  message.caption.empty() ? QApplication::applicationName()
                                          : Translated(kMessageContext, message.caption),
                  BoxText(Translated(kMessageContext, message.text, message.args, message.count)),
                  QMessageBox::Ok, Parent());
  box.exec();
}

Answer QtPrompts::Ask(const Question& question) {
  const ModalScope modal(depth_);
  QMessageBox box(QMessageBox::Question, Translated(kMessageContext, question.caption),
                  BoxText(Translated(kMessageContext, question.text, question.args,
                                     question.count)),
                  ButtonsOf(question.buttons), Parent());
  return AnswerOf(box.exec(), question.buttons);
}

std::optional<std::string> QtPrompts::RunFileDialog(const FileDialog& dialog, bool save) {
  const ModalScope modal(depth_);
  QString& folder = save ? saveFolder_ : openFolder_;
  QFileDialog box(Parent());
  box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  box.setNameFilters(QtNameFilters(Translated(kMessageContext, dialog.filter).toStdString()));
  // the extension a bare name gets is the chosen filter's, added below: a suffix set here would
  // stay the first filter's whatever the user picks
  if (!save) box.setDefaultSuffix(Q(dialog.defaultExtension));
  box.setDirectory(folder);
  // the program asks before replacing a file, in its own words
  box.setOption(QFileDialog::DontConfirmOverwrite);
  if (!dialog.proposedName.empty()) box.selectFile(Q(dialog.proposedName));
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
  QString chosen = box.selectedFiles().constFirst();
  if (save && QFileInfo(chosen).suffix().isEmpty()) {
    QString extension = FilterExtension(box.selectedNameFilter());
    if (extension.isEmpty()) extension = Q(dialog.defaultExtension);
    if (!extension.isEmpty()) chosen += QLatin1Char('.') + extension;
  }
  folder = QFileInfo(chosen).absolutePath();
  return chosen.toStdString();
}

std::optional<std::string> QtPrompts::ChooseFileToOpen(const FileDialog& dialog) {
  return RunFileDialog(dialog, false);
}

std::optional<std::string> QtPrompts::ChooseFileToSave(const FileDialog& dialog) {
  return RunFileDialog(dialog, true);
}

}  // namespace umbrix
