#include "ui/QtPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QPageLayout>
#include <QPrintDialog>

#include "model/Texts.h"
#include "render/PrintReplay.h"

namespace umbrix {

namespace {

QPageLayout::Orientation QtOrientation(PageOrientation o) {
  return o == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

QtPrinter::QtPrinter() : printer_(QPrinter::HighResolution) {}

void QtPrinter::ProposeFileName(const std::string& name) {
  // a name switches the printer to a PDF file: only when no real printer would be chosen
  // anyway, or when the last print went to a file
  const bool toFile = printer_.outputFormat() == QPrinter::PdfFormat ||
                      QPrinterInfo::availablePrinterNames().isEmpty();
  if (!toFile) return;
  const QString last = printer_.outputFileName();
  const QDir folder = last.isEmpty() ? QDir::current() : QFileInfo(last).absoluteDir();
  printer_.setOutputFileName(folder.filePath(QString::fromStdString(name)));
}

bool QtPrinter::ChoosePrinter() {
  QPrintDialog dialog(&printer_, parent_);
  dialog.setWindowTitle(QCoreApplication::translate("QtPrinter", "Imprimer"));
  // one document, printed whole: the plan makes its own pages
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  busy_ = true;
  const int answer = dialog.exec();
  busy_ = false;
  return answer == QDialog::Accepted;
}

PageMetrics QtPrinter::Measure(PageOrientation orientation) {
  printer_.setPageOrientation(QtOrientation(orientation));
  return MeasurePage(printer_);
}

std::string QtPrinter::PaperName() const {
  return printer_.pageLayout().pageSize().name().toStdString();
}

std::optional<Message> QtPrinter::Print(const PrintJob& job, const DialTracer& trace) {
  printer_.setDocName(QString::fromStdString(job.title));
  printer_.setPageOrientation(QtOrientation(job.orientation));
  if (auto error = PaintPrintJob(printer_, job, trace)) return error;
  if (printer_.printerState() == QPrinter::Error) {
    return ErrorMessage(UMBRIX_TR("Message", "L'imprimante a refusé le document"));
  }
  return std::nullopt;
}

}  // namespace umbrix
