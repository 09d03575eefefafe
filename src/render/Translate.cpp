#include "render/Translate.h"

#include <QCoreApplication>

#include "model/Texts.h"

namespace umbrix {

std::string QtTextLanguage::Translate(const char* context, const char* text, long count) const {
  return QCoreApplication::translate(context, text, nullptr, static_cast<int>(count)).toStdString();
}

QString Translated(const char* context, const std::string& text) {
  if (text.empty()) return {};
  return QCoreApplication::translate(context, text.c_str());
}

QString Translated(const char* context, const std::string& pattern,
                   const std::vector<std::string>& args, int count) {
  if (pattern.empty()) return {};
  const QString translated = QCoreApplication::translate(context, pattern.c_str(), nullptr, count);
  return QString::fromStdString(ComposeText(translated.toStdString(), args));
}

}  // namespace umbrix
