#include "cli/CliPlatform.h"

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

void TerminalPrompts::ShowMessage(const Message& message) {
  if (message.kind == MessageKind::Error) ++errors_;
  err_ << TerminalText(message.caption, message.Composed()) << '\n';
}

Answer TerminalPrompts::Ask(const Question& question) {
  const Answer answer = SafeAnswer(question.buttons);
  err_ << TerminalText(question.caption, question.Composed()) << " [" << AnswerName(answer)
       << "]\n";
  return answer;
}

CliPlatform::CliPlatform(std::ostream& err, int maxWidth, int maxHeight) : prompts_(err) {
  // the fit leaves 9 pixels beside the bitmap; the bitmap then stays within the maximum
  drawing_.SetRoom({maxWidth + 8, maxHeight + 8});
  // a smooth picture beside the bitmap, one pixel to each, for the PNG
  drawing_.SetScreenRatio(1.0);
}

}  // namespace umbrix
