#include "cli/CliPlatform.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include "model/Dates.h"
#include "render/DrawingFont.h"
#include "render/QtRasterCanvas.h"

namespace umbrix {

namespace {

const char* AnswerName(Answer a) {
  switch (a) {
    case Answer::Ok:
      return "OK";
    case Answer::Yes:
      return "Oui";
    case Answer::No:
      return "Non";
    case Answer::Cancel:
      break;
  }
  return "Annuler";
}

}  // namespace

std::string TerminalText(const std::string& caption, const std::string& text) {
  std::string out = (caption.empty() ? std::string("Umbrix") : caption) + " : ";
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i] == '\r' ? '\n' : text[i];
  }
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

CliPlatform::CliPlatform(std::ostream& err, int maxWidth, int maxHeight)
    : err_(err), maxWidth_(maxWidth), maxHeight_(maxHeight), margin_(MeasureMargin()) {}

void CliPlatform::ShowMessage(const Message& message) {
  if (message.kind == MessageKind::Error) ++errors_;
  err_ << TerminalText(message.caption, message.text) << '\n';
}

Answer CliPlatform::Ask(const Question& question) {
  const Answer answer = SafeAnswer(question.buttons);
  err_ << TerminalText(question.caption, question.text) << " [" << AnswerName(answer) << "]\n";
  return answer;
}

double CliPlatform::NowSerial() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate day = now.date();
  return SerialFromCivil({day.year(), day.month(), day.day()}) +
         now.time().msecsSinceStartOfDay() / 86400000.0;
}

PlatformTimeZone CliPlatform::TimeZone() const {
  const QTimeZone zone = QTimeZone::systemTimeZone();
  const QDateTime now = QDateTime::currentDateTime();
  PlatformTimeZone z;
  // biases as the clock reads them: universal time = local time + bias (minutes)
  z.biasMinutes = -zone.standardTimeOffset(now) / 60.0;
  z.standardBiasMinutes = 0.0;
  z.daylightBiasMinutes = -zone.daylightTimeOffset(now) / 60.0;
  if (!zone.hasDaylightTime()) {
    z.state = ZoneState::Unknown;
  } else {
    z.state = zone.isDaylightTime(now) ? ZoneState::Daylight : ZoneState::Standard;
  }
  return z;
}

DrawingRoom CliPlatform::Room() const {
  // the fit leaves 9 pixels beside the bitmap; the bitmap then stays within the maximum
  return {maxWidth_ + 8, maxHeight_ + 8};
}

void CliPlatform::ResizeDrawing(int widthPx, int heightPx) {
  DrawingFrame frame;
  frame.widthPx = widthPx;
  frame.heightPx = heightPx;
  image_ = NewDrawingImage(frame);
}

std::unique_ptr<Canvas> CliPlatform::DrawOnBitmap(const DrawingFrame& frame) {
  return std::make_unique<QtRasterCanvas>(image_, frame);
}

}  // namespace umbrix
