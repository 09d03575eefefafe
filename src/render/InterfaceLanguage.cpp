#include "render/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <cctype>

namespace umbrix {

namespace {

/// The object name of the translators of the interface language, which a new language replaces.
const QString kTranslatorName = QStringLiteral("umbrix-interface-language");

/// Installs the translator `file`_<lang>.qm of `locale` found in `folder`, owned by the
/// application; false when there is none.
bool InstallTranslator(const QLocale& locale, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  translator->setObjectName(kTranslatorName);
  if (!translator->load(locale, file, QStringLiteral("_"), folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace

std::optional<InterfaceLanguageId> LanguageNamed(const std::string& name) {
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "fr") return InterfaceLanguageId::French;
  if (lower == "en") return InterfaceLanguageId::English;
  return std::nullopt;
}

std::string LanguageCode(InterfaceLanguageId language) {
  return language == InterfaceLanguageId::English ? "en" : "fr";
}

QLocale LocaleOf(InterfaceLanguageId language) {
  return language == InterfaceLanguageId::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                  : QLocale(QLocale::French, QLocale::France);
}

InterfaceLanguageId DesktopLanguage(const QStringList& uiLanguages) {
  for (const QString& name : uiLanguages) {
    const QLocale::Language language = QLocale(name).language();
    if (language == QLocale::French) return InterfaceLanguageId::French;
    if (language == QLocale::English) return InterfaceLanguageId::English;
  }
  return InterfaceLanguageId::English;
}

LanguageOption TakeLanguageOption(const std::vector<std::string>& args) {
  LanguageOption out;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") optionsEnded = true;
    std::optional<std::string> value;
    if (!optionsEnded && (a == "--langue" || a == "--language")) {
      value = i + 1 < args.size() ? args[++i] : std::string();
    } else if (!optionsEnded && (a.starts_with("--langue=") || a.starts_with("--language="))) {
      value = a.substr(a.find('=') + 1);
    }
    if (!value) {
      out.args.push_back(a);
      continue;
    }
    out.language = LanguageNamed(*value);
    if (!out.language) {
      out.refused = *value;
      return out;
    }
  }
  return out;
}

InstalledLanguage InstallInterfaceLanguage(InterfaceLanguageId language) {
  const QLocale locale = LocaleOf(language);
  QLocale::setDefault(locale);
  for (QTranslator* old : QCoreApplication::instance()->findChildren<QTranslator*>(
           kTranslatorName, Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  InstalledLanguage out;
  out.language = language;
  out.umbrixTexts = InstallTranslator(locale, QStringLiteral("umbrix"), QStringLiteral(":/i18n"));
  out.qtTexts = InstallTranslator(locale, QStringLiteral("qtbase"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  out.englishUi = out.umbrixTexts && language == InterfaceLanguageId::English;
  return out;
}

}  // namespace umbrix
