#pragma once
// What the program sets up once its QApplication exists: its name, the French of Qt's own
// dialogs and buttons, and the command line as the session reads it.

#include <QFont>
#include <QStringList>
#include <string>
#include <vector>

namespace umbrix {

/// Names the application "Umbrix" and installs Qt's French translation of its dialogs when the
/// system has it (false when it does not: the boxes then speak Qt's English).
bool SetUpFrenchApplication();

/// The windows' font: "Arial" (Liberation Sans where Arial is missing) at 8 points, the
/// metrics the panes' design sizes were drawn for.
QFont WindowFont();

/// The arguments after the program's name, as the session reads them: UTF-8 paths, whole.
std::vector<std::string> SessionArguments(const QStringList& arguments);

}  // namespace umbrix
