#include "render/Translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "model/Texts.h"

namespace umbrix {

namespace {

/// Installs the translator `file`_<lang>.qm of `language` found in `folder`, owned by the
/// application; false when there is none.
bool InstallTranslator(const QLocale& language, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(language, file, QStringLiteral("_"), folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace

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

QLocale InterfaceLanguage() { return QLocale(QLocale::French, QLocale::France); }

InstalledTexts InstallTranslators(const QLocale& language) {
  InstalledTexts out;
  out.umbrix = InstallTranslator(language, QStringLiteral("umbrix"), QStringLiteral(":/i18n"));
  out.qt = InstallTranslator(language, QStringLiteral("qtbase"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return out;
}

}  // namespace umbrix
