#pragma once
// The window's printer: Qt's print dialog and QPrinter, the page plan painted on it by the same
// replay as the command line's PDF.

#include <QPrinter>

#include "app/Ports.h"

class QWidget;

namespace umbrix {

class QtPrinter final : public Printer {
 public:
  QtPrinter();

  /// The window the print dialog belongs to.
  void SetParent(QWidget* parent) { parent_ = parent; }
  /// The print dialog is open: the windows must not re-validate or redraw meanwhile.
  bool Busy() const { return busy_; }

  /// Kept for the print dialog's file line, in the folder of the last file printed to.
  void ProposeFileName(const std::string& name) override;
  /// Qt's print dialog; the printer, its paper and a PDF file are chosen there.
  bool ChoosePrinter() override;
  PageMetrics Measure(PageOrientation orientation) override;
  std::string PaperName() const override;
  std::optional<Message> Print(const PrintJob& job, const DialTracer& trace) override;

 private:
  QPrinter printer_;
  QWidget* parent_ = nullptr;
  bool busy_ = false;
};

}  // namespace umbrix
