#pragma once
// The one way the windows and the prints show a text marked in the layers below: translated in
// its context into the interface language when it is shown, its numbered arguments put in after;
// and the translators every program installs before it shows or prints any text.

#include <QLocale>
#include <QString>
#include <string>
#include <vector>

namespace umbrix {

/// `text`, a marked text of `context`, in the interface language (as it stands when untranslated).
QString Translated(const char* context, const std::string& text);

/// `pattern` translated in `context`, then "%1"... replaced by `args` in one pass (an argument
/// holding "%2" stays as it is); `count`, when given, chooses the plural form of "%n".
QString Translated(const char* context, const std::string& pattern,
                   const std::vector<std::string>& args, int count = -1);

/// The translators installed for a language.
struct InstalledTexts {
  bool umbrix = false;  // Umbrix's own texts (compiled into the program under ":/i18n")
  bool qt = false;      // Qt's own (`qtbase_<lang>`), from the system
};

/// The language the interface speaks: French, the source language and the only one so far.
QLocale InterfaceLanguage();

/// Installs, in `language`, the translator of Umbrix's texts and the one of Qt's own texts when
/// the system has it, both owned by the application (which must exist); a missing one leaves
/// those texts in their source language (French, and Qt's English).
InstalledTexts InstallTranslators(const QLocale& language);

}  // namespace umbrix
