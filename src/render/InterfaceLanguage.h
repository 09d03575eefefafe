#pragma once
// The interface language chosen at start-up, the same way by the window and the command line:
// the one named on the command line, else the one chosen in the "?" menu for the next start,
// else the desktop's own order of languages; then the translators of Umbrix's texts and of Qt's
// own dialogs installed in it, before any window or report exists.

#include <QLocale>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "model/Texts.h"

namespace umbrix {

/// The refusal of `--langue` with a language Umbrix does not speak, "%1" the word given.
inline constexpr const char* kUnknownLanguageText =
    UMBRIX_TR("Language", "langue inconnue : « %1 » (fr ou en)");

/// The languages Umbrix speaks.
enum class InterfaceLanguageId { French, English };

/// "fr" or "en" (either case) as the option `--langue` takes it; nothing for another word.
std::optional<InterfaceLanguageId> LanguageNamed(const std::string& name);
/// "fr" or "en".
std::string LanguageCode(InterfaceLanguageId language);
/// The locale a language's texts are loaded for (France's French, the United States' English).
QLocale LocaleOf(InterfaceLanguageId language);

/// The language for the desktop's order of languages (`QLocale::uiLanguages()`, which reads
/// `LANGUAGE`, `LC_ALL`, `LC_MESSAGES`, `LANG`): the first of French and English in the list,
/// and English when the list names neither, the common language of sundial makers.
InterfaceLanguageId DesktopLanguage(const QStringList& uiLanguages);

/// `--langue fr|en` (or `--langue=fr`) taken out of `args`, which keeps every other argument
/// in order. Arguments after "--" are file names and stay.
struct LanguageOption {
  std::optional<InterfaceLanguageId> language;
  std::vector<std::string> args;
  /// The word given when it names no language Umbrix speaks (`kUnknownLanguageText`).
  std::optional<std::string> refused;
};
LanguageOption TakeLanguageOption(const std::vector<std::string>& args);

/// What was installed for the interface language.
struct InstalledLanguage {
  InterfaceLanguageId language = InterfaceLanguageId::French;
  bool umbrixTexts = false;  // Umbrix's translator of that language was installed
  bool qtTexts = false;      // Qt's own (`qtbase_<lang>`) was installed
  bool englishUi = false;    // the English texts were loaded: the session's `EnglishUi`
};

/// Installs, for `language`, the translator of Umbrix's texts (compiled into the program under
/// ":/i18n") and the one of Qt's own dialogs when the system has it, and makes the language the
/// default locale. A missing one leaves those texts in their source language.
InstalledLanguage InstallInterfaceLanguage(InterfaceLanguageId language);

}  // namespace umbrix
