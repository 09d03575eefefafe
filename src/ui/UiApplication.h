#pragma once
// What the program sets up once its QApplication exists and before any window: its name, the
// interface language (the translators of Umbrix's texts and of Qt's own dialogs), and the command
// line as the session reads it.

#include <QFont>
#include <QLocale>
#include <QStringList>
#include <string>
#include <vector>

#include "render/Translate.h"

namespace umbrix {

/// The interface language set at start-up.
struct UiLanguage {
  bool umbrixTexts = false;  // Umbrix's translator of that language was installed
  bool qtTexts = false;      // Qt's own (`qtbase_<lang>`) was installed
  bool englishUi = false;    // the English texts were loaded: the session's `EnglishUi`
};

/// Names the application "Umbrix" and installs, in the language of `language`, the translator of
/// Umbrix's texts (compiled into the program) and the one of Qt's own dialogs when the system has
/// it; a missing one leaves those texts in their source language (French, and Qt's English).
UiLanguage SetUpApplication(const QLocale& language = InterfaceLanguage());

/// The windows' font: "Arial" (Liberation Sans where Arial is missing) at 8 points, the
/// metrics the panes' design sizes were drawn for.
QFont WindowFont();

/// The arguments after the program's name, as the session reads them: UTF-8 paths, whole.
std::vector<std::string> SessionArguments(const QStringList& arguments);

}  // namespace umbrix
