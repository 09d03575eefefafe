#include "ui/UiApplication.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QSettings>

namespace umbrix {

namespace {

/// The settings file's key of the language chosen for the next start ("fr" or "en").
constexpr const char* kLanguageKey = "interface/langue";

QSettings ProgramSettings() {
  return QSettings(QStringLiteral("Umbrix"), QStringLiteral("Umbrix"));
}

}  // namespace

std::optional<InterfaceLanguageId> StoredLanguage() {
  return LanguageNamed(
      ProgramSettings().value(QLatin1String(kLanguageKey)).toString().toStdString());
}

void StoreLanguage(std::optional<InterfaceLanguageId> language) {
  QSettings settings = ProgramSettings();
  if (language) {
    settings.setValue(QLatin1String(kLanguageKey), QString::fromStdString(LanguageCode(*language)));
  } else {
    settings.remove(QLatin1String(kLanguageKey));
  }
  settings.sync();
}

InterfaceLanguageId ChosenLanguage(std::optional<InterfaceLanguageId> commandLine) {
  if (commandLine) return *commandLine;
  if (const auto stored = StoredLanguage()) return *stored;
  return DesktopLanguage(QLocale::system().uiLanguages());
}

SessionSettings LanguageSettings(const UiLanguage& language, std::unique_ptr<TextLanguage>& texts,
                                 const QLocale& system) {
  SessionSettings settings;
  settings.englishUi = language.englishUi;
  if (language.englishUi) {
    // the form keeps "dd/mm/yyyy" for a format it cannot follow
    settings.dates.pattern =
        UsableDatePattern(system.dateFormat(QLocale::ShortFormat).toStdString());
  }
  texts = std::make_unique<QtTextLanguage>(language.englishUi ? MonthNames::English
                                                              : MonthNames::French);
  settings.language = texts.get();
  return settings;
}

UiLanguage SetUpApplication(InterfaceLanguageId language) {
  QApplication::setApplicationName(QStringLiteral("Umbrix"));
  // the desktop entry names the icon and the file types; the window carries the same icon
  QGuiApplication::setDesktopFileName(QStringLiteral("org.umbrix.Umbrix"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.umbrix.Umbrix.png")));
  return InstallInterfaceLanguage(language);
}

QFont WindowFont() { return QFont(QStringLiteral("Arial"), 8); }

std::vector<std::string> SessionArguments(const QStringList& arguments) {
  std::vector<std::string> out;
  for (qsizetype i = 1; i < arguments.size(); ++i) out.push_back(arguments[i].toStdString());
  return out;
}

}  // namespace umbrix
