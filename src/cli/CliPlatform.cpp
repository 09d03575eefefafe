#include "cli/CliPlatform.h"

#include "cli/CliOptions.h"
#include "render/Translate.h"

namespace umbrix {

namespace {

/// The button a question's safe answer stands for, as a box would name it.
const char* AnswerName(Answer a) {
  switch (a) {
    case Answer::Ok:
      return UMBRIX_TR("Cli", "OK");
    case Answer::Yes:
      return UMBRIX_TR("Cli", "Oui");
    case Answer::No:
      return UMBRIX_TR("Cli", "Non");
    case Answer::Cancel:
      break;
  }
  return UMBRIX_TR("Cli", "Annuler");
}

/// `text`, a marked text of the messages, in the interface language with its arguments and the
/// plural form of `count`.
std::string MessageText(const std::string& text, const std::vector<std::string>& args = {},
                        int count = -1) {
  return Translated(kMessageContext, text, args, count).toStdString();
}

}  // namespace

std::string TerminalText(const std::string& caption, const std::string& text) {
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lines += text[i] == '\r' ? '\n' : text[i];
  }
  while (!lines.empty() && lines.back() == '\n') lines.pop_back();
  return CliText(UMBRIX_TR("Cli", "%1 : %2"),
                 {caption.empty() ? std::string("Umbrix") : caption, lines});
}

std::string TerminalLine(const Message& message) {
  return TerminalText(MessageText(message.caption),
                      MessageText(message.text, message.args, message.count));
}

std::string ProgramLine(const std::string& text) {
  return CliText(UMBRIX_TR("Cli", "umbrix-cli : %1"), {text});
}

void TerminalPrompts::ShowMessage(const Message& message) {
  if (message.kind == MessageKind::Error) ++errors_;
  err_ << TerminalLine(message) << '\n';
}

Answer TerminalPrompts::Ask(const Question& question) {
  const Answer answer = SafeAnswer(question.buttons);
  err_ << TerminalText(MessageText(question.caption),
                       MessageText(question.text, question.args, question.count))
       << " [" << CliText(AnswerName(answer)) << "]\n";
  return answer;
}

CliPlatform::CliPlatform(std::ostream& err, int maxWidth, int maxHeight) : prompts_(err) {
  // the fit leaves 9 pixels beside the bitmap; the bitmap then stays within the maximum
  drawing_.SetRoom({maxWidth + 8, maxHeight + 8});
  // a smooth picture beside the bitmap, one pixel to each, for the PNG
  drawing_.SetScreenRatio(1.0);
}

}  // namespace umbrix
