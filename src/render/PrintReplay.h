#pragma once
// A print's page plan painted on any paged device: the window's printer or a PDF writer, so that
// both give the same pages. Also the PDF writer as the command line's printer.

#include <QPagedPaintDevice>
#include <optional>
#include <string>

#include "app/Ports.h"
#include "app/PrintPlan.h"
#include "model/Message.h"

namespace umbrix {

/// The printer font: "Arial" (Liberation Sans where Arial is missing) at `points`.
QFont PrinterFont(int points);

/// The page of `device` as the plan needs it, in the printer font measured on the device.
PageMetrics MeasurePage(const QPaintDevice& device);

/// Paints every page of `job` on `device`, whose orientation the caller has set: the dial's
/// piece as vectors through `trace`, the lines and the texts. The failure message when the
/// device cannot be painted on.
std::optional<Message> PaintPrintJob(QPagedPaintDevice& device, const PrintJob& job,
                                     const DialTracer& trace);

enum class Paper { A4, A3, Letter };

/// "A4", "A3" or "Letter" (any case); nothing for another name.
std::optional<Paper> PaperNamed(const std::string& name);

/// The unprintable border the PDF keeps on every side, as a desk printer does (millimetres).
inline constexpr double kPdfBorderMm = 6.35;
/// The PDF's resolution, device pixels per inch.
inline constexpr int kPdfDotsPerInch = 1200;

/// A printer that writes the job as a PDF document in memory: no dialog, the paper given.
class PdfPrinter final : public Printer {
 public:
  explicit PdfPrinter(Paper paper) : paper_(paper) {}

  bool ChoosePrinter() override { return true; }
  PageMetrics Measure(PageOrientation orientation) override;
  std::string PaperName() const override;
  std::optional<Message> Print(const PrintJob& job, const DialTracer& trace) override;

  /// The bytes of the last job's PDF.
  const std::string& Document() const { return document_; }

 private:
  Paper paper_;
  std::string document_;
};

}  // namespace umbrix
