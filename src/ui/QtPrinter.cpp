#include "ui/QtPrinter.h"

#include <QCoreApplication>
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
