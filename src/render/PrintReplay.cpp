#include "render/PrintReplay.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include "model/Texts.h"
#include "render/QtRasterCanvas.h"
#include "render/Translate.h"

namespace umbrix {

namespace {

QString ToQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPageSize::PageSizeId SizeOf(Paper paper) {
  switch (paper) {
    case Paper::A3:
      return QPageSize::A3;
    case Paper::Letter:
      return QPageSize::Letter;
    case Paper::A4:
      break;
  }
  return QPageSize::A4;
}

QPageLayout::Orientation QtOrientation(PageOrientation o) {
  return o == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void SetUp(QPdfWriter& writer, Paper paper, PageOrientation orientation) {
  writer.setResolution(kPdfDotsPerInch);
  writer.setPageLayout(QPageLayout(
      QPageSize(SizeOf(paper)), QtOrientation(orientation),
      QMarginsF(kPdfBorderMm, kPdfBorderMm, kPdfBorderMm, kPdfBorderMm), QPageLayout::Millimeter));
}

void PaintPage(QPainter& painter, const PrintPage& page, const PrintJob& job,
               const DialTracer& trace) {
  if (page.dial && trace) {
    const DialPiece& d = *page.dial;
    painter.save();
    painter.setClipRect(QRect(d.target.x, d.target.y, d.target.width, d.target.height));
    painter.translate(d.target.x - d.sourceX, d.target.y - d.sourceY);
    {
      QtRasterCanvas canvas(painter, job.dialFrame, job.dotScale);
      trace(canvas, job.dialFrame);
    }
    painter.restore();
  }
  for (const PrintLine& line : page.lines) {
    painter.setPen(QPen(Qt::black, line.widthPx, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(line.x1, line.y1, line.x2, line.y2));
  }
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  const QFontMetrics metrics = painter.fontMetrics();
  for (const PrintText& t : page.texts) {
    const QString text = t.marked ? Translated(kPrintContext, t.text, t.args) : ToQString(t.text);
    const int x = t.align == TextAlign::Right ? t.x - metrics.horizontalAdvance(text) : t.x;
    painter.drawText(QPoint(x, t.y + metrics.ascent()), text);
  }
}

}  // namespace

QFont PrinterFont(int points) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(points);
  return font;
}

PageMetrics MeasurePage(const QPaintDevice& device) {
  const QFontMetrics ten(PrinterFont(10), &device);
  const QFontMetrics fourteen(PrinterFont(14), &device);
  PageMetrics m;
  m.widthPx = device.width();
  m.heightPx = device.height();
  m.lineHeight = ten.height();
  m.charWidth = ten.horizontalAdvance(QLatin1Char('X'));
  m.lineHeight14 = fourteen.height();
  m.dotsPerInch = device.logicalDpiX();
  return m;
}

std::optional<Message> PaintPrintJob(QPagedPaintDevice& device, const PrintJob& job,
                                     const DialTracer& trace) {
  QPainter painter;
  if (!painter.begin(&device))
    return ErrorMessage(UMBRIX_TR("Message", "L'impression n'a pas pu commencer"));
  painter.setFont(PrinterFont(10));
  for (size_t i = 0; i < job.pages.size(); ++i) {
    if (i > 0 && !device.newPage()) {
      painter.end();
      return ErrorMessage(UMBRIX_TR("Message", "L'impression s'est arrêtée à la page %1"),
                          {std::to_string(i + 1)});
    }
    PaintPage(painter, job.pages[i], job, trace);
  }
  if (!painter.end())
    return ErrorMessage(UMBRIX_TR("Message", "L'impression n'a pas pu se terminer"));
  return std::nullopt;
}

std::optional<Paper> PaperNamed(const std::string& name) {
  const QString n = ToQString(name).toLower();
  if (n == QLatin1String("a4")) return Paper::A4;
  if (n == QLatin1String("a3")) return Paper::A3;
  if (n == QLatin1String("letter")) return Paper::Letter;
  return std::nullopt;
}

PageMetrics PdfPrinter::Measure(PageOrientation orientation) {
  QBuffer scratch;
  scratch.open(QIODevice::WriteOnly);
  QPdfWriter writer(&scratch);
  SetUp(writer, paper_, orientation);
  return MeasurePage(writer);
}

std::string PdfPrinter::PaperName() const {
  return QPageSize(SizeOf(paper_)).name().toStdString();
}

std::optional<Message> PdfPrinter::Print(const PrintJob& job, const DialTracer& trace) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    SetUp(writer, paper_, job.orientation);
    writer.setTitle(ToQString(job.title));
    writer.setCreator(QStringLiteral("Umbrix"));
    if (auto error = PaintPrintJob(writer, job, trace)) return error;
  }
  document_ = buffer.data().toStdString();
  return std::nullopt;
}

}  // namespace umbrix
