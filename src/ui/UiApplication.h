#pragma once
// What the program sets up once its QApplication exists and before any window: its name, the
// interface language (the translators of Umbrix's texts and of Qt's own dialogs), and the command
// line as the session reads it.

#include <QFont>
#include <QLocale>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Session.h"
#include "render/InterfaceLanguage.h"
#include "render/Translate.h"

namespace umbrix {

/// The interface language set at start-up.
using UiLanguage = InstalledLanguage;

/// The language chosen for the next start in the "?" menu, kept with `QSettings` (the program's
/// one setting); nothing when the desktop's language is to be followed.
std::optional<InterfaceLanguageId> StoredLanguage();
/// Keeps `language` for the next start; nothing goes back to the desktop's language.
void StoreLanguage(std::optional<InterfaceLanguageId> language);

/// The interface language of this start: `commandLine` (`--langue`) when given, else the stored
/// choice, else the desktop's order of languages.
InterfaceLanguageId ChosenLanguage(std::optional<InterfaceLanguageId> commandLine);

/// Names the application "Umbrix" and installs, in `language`, the translator of Umbrix's texts
/// (compiled into the program) and the one of Qt's own dialogs when the system has it; a missing
/// one leaves those texts in their source language (French, and Qt's English).
UiLanguage SetUpApplication(InterfaceLanguageId language = InterfaceLanguageId::French);

/// What the session needs of the installed language: `EnglishUi`, the short date format (in
/// English the system's when it holds "/", else "dd/mm/yyyy"), and the language the report and
/// the other composed texts are written in, which `texts` holds for the session's lifetime.
/// `system` is the desktop's locale, whose short date format the English interface follows.
SessionSettings LanguageSettings(const UiLanguage& language, std::unique_ptr<TextLanguage>& texts,
                                 const QLocale& system = QLocale::system());

/// The windows' font: "Arial" (Liberation Sans where Arial is missing) at 8 points, the
/// metrics the panes' design sizes were drawn for.
QFont WindowFont();

/// The arguments after the program's name, as the session reads them: UTF-8 paths, whole.
std::vector<std::string> SessionArguments(const QStringList& arguments);

}  // namespace umbrix
