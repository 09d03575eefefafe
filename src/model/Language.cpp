#include "model/Language.h"

namespace umbrix {

std::string TextLanguage::Translate(const char* /*context*/, const char* text,
                                    long /*count*/) const {
  return text;
}

std::string TextLanguage::Text(const char* context, const char* text) const {
  if (text == nullptr || *text == '\0') return {};
  return Translate(context, text, -1);
}

std::string TextLanguage::Compose(const char* context, const char* pattern,
                                  const std::vector<std::string>& args, long count) const {
  if (pattern == nullptr || *pattern == '\0') return {};
  return ComposeText(Translate(context, pattern, count), args, count < 0 ? 0 : count);
}

std::string MessageIn(const Message& message, const TextLanguage& language) {
  return language.Compose(kMessageContext, message.text.c_str(), message.args);
}

const TextLanguage& SourceLanguage() {
  static const TextLanguage kFrench;
  return kFrench;
}

}  // namespace umbrix
