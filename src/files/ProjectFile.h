#pragma once
// The project file ".umd": one value a line, each followed by a blank, an apostrophe and a French
// comment; then the maker's comments and a copy of the report. Written in version 6, read in
// versions 1 to 6 and, in developer mode, in the extended variant with the Test tab.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/ProjectFileLock.h"
#include "form/Form.h"
#include "model/DialProject.h"
#include "model/Message.h"
#include "model/Texts.h"

namespace umbrix {

/// The value of a line: everything before the first apostrophe, every blank removed.
std::string FieldValueOf(std::string_view line);
/// "Oui" / "Non" ("Yes" / "No" in the English interface).
std::string YesNoText(bool yes, bool englishUi = false);
/// True exactly for "Oui" and "Yes".
bool IsYesText(std::string_view text);

/// The data lines of the project, header first: the full variant (what a save writes) or the
/// short one (the printed listing of a dial traced without its points); the extended lines only
/// in the full variant. At most 62 lines.
std::vector<std::string> BuildProjectLines(const DialProject& project, const ProjectState& state,
                                           bool extended, bool full);

/// Whether the project holds anything worth saving; `Carreau`, `Dadiur` and `Hediur`, which
/// always have a value, do not count.
bool ProjectHasContent(const DialProject& project, bool includeTestTab);

/// Every line of the file a save writes: the full data lines, "---", the comment lines, "---",
/// then the report lines (the second to fourth left out when `TestDataValid` is set and the
/// format is the reduced one). A comment line that is exactly "---" is written "--- " so that it
/// cannot end the comments early when the file is read back.
std::vector<std::string> BuildProjectFileLines(const DialProject& project,
                                               const ProjectState& state, bool extended,
                                               const std::vector<std::string>& reportLines);

/// The bytes of the file a save writes (`BuildProjectFileLines` in Windows-1252 with CR LF);
/// `replaced` is set when a character had to be written as "?".
std::string ProjectFileBytes(const DialProject& project, const ProjectState& state, bool extended,
                             const std::vector<std::string>& reportLines, bool* replaced = nullptr);

/// Outcome of a file operation; `error` is the message box to show when `ok` is false.
/// `warning` is set by a save that had to write "?" for characters Windows-1252 cannot hold
/// (in the comments or the report), and by a load of a file cut short, so the user learns of it.
struct FileResult {
  bool ok = false;
  Message error;
  std::optional<Message> warning;
};

/// The information shown after a save that replaced characters by "?".
inline constexpr const char* kReplacedCharactersText =
    UMBRIX_TR("Message",
              "Certains caractères ne peuvent pas être enregistrés dans le fichier : ils ont été "
              "remplacés par \"?\"");

/// The question a save asks before it would write "?" for characters the file cannot hold: OK
/// saves anyway, "Annuler" writes nothing.
inline constexpr const char* kUnwritableCharactersCaption = UMBRIX_TR("Message", "Enregistrement");
inline constexpr const char* kUnwritableCharactersText =
    UMBRIX_TR("Message",
              "Certains caractères ne peuvent pas être enregistrés dans le fichier : ils seront "
              "remplacés par \"?\".\r\nEnregistrer quand même ?");

/// Saves the project as version 6 (extended or reduced), atomically: a temporary file beside it
/// is written, flushed and renamed over the old one, which stays intact when anything fails. A
/// file other than the current project must pass the exclusive-open test first
/// ("<name> : déjà ouvert ou erreur d'ouverture"). On success the new file is held by `lock`,
/// `ProjectFileName` is its full path, `ProjectFileHeld` is set and `Modified` cleared; the
/// caller sets the title ("Umbrix   " and the file name). On failure nothing changes: the old
/// file, the held file, `ProjectFileName` and `Modified` stay as they were, and the message is
/// the writer's (`WriteFailureMessage`): a read-only file is refused as one that cannot be opened,
/// anything but a regular file is never replaced, a link is followed.
FileResult WriteProjectFile(const DialProject& project, ProjectState& state, ProjectFileLock& lock,
                            const std::string& fileName, bool extended,
                            const std::vector<std::string>& reportLines);

/// Loads a project through the dialog's handlers, exactly as if the values were typed.
///
/// The file is read whole and fed to a scratch copy of the dialog (record and state); only when
/// that succeeded is the result committed to `form`, so a failed load leaves the current project,
/// its held file and `Modified` untouched. On commit the host sees, once each: the foot messages
/// the values raised, the drawing cleared when an entry asked for it, `FitDrawing` when a plate
/// side was read, and the menu items whose enabled state changed.
///
/// On success: `ProjectFileName` is the full path, the file is held by `lock`, `Modified` and
/// `DrawingExists` are cleared and `TestDataValid` tells whether the file was extended. The caller
/// then sets the title ("Umbrix   " and the file name), shows the main window and runs
/// `RunComputation`.
///
/// Failures: "<name> n'existe pas", "<name> : déjà ouvert ou erreur d'ouverture" (another holder,
/// or unreadable), "<name> : format incorrect" (a header other than "Umbrix1" to "Umbrix6", or
/// "Umbrix1d" to "Umbrix6d" outside `TestMode`). Re-opening the current project skips the
/// existence and lock checks but not the header check.
///
/// Lines missing at the end read as empty values. A version 6 file that ends before its data
/// lines, the "---" after them or the "---" closing its comments is loaded as far as it goes,
/// with the warning `kCutFileText` of its name. A `TypeHeure` line that is not 0, 1 or 2
/// selects item 0; a `RunMode` line that is not a whole number gives mode 1. Comment lines run to
/// the next "---" or to the end of the file, the last line included.
FileResult ReadProjectFile(Form& form, ProjectFileLock& lock, const std::string& fileName);

/// "%1" is the file's name.
inline constexpr const char* kCutFileText =
    UMBRIX_TR("Message", "%1 : fichier incomplet, seul son début a été lu");

/// Closes the held project file ("Nouveau", quitting): the lock is dropped and `ProjectFileHeld`
/// cleared; `ProjectFileName` is the caller's to clear.
void CloseHeldFile(ProjectState& state, ProjectFileLock& lock);

/// Opening by name: a ".umb" name (exact case) opens the project of the same name with ".umd",
/// and asks for desk-dial mode when that succeeds.
struct OpenResult {
  FileResult file;
  bool enterDeskMode = false;
};
OpenResult OpenProject(Form& form, ProjectFileLock& lock, const std::string& fileName);

/// The full path a file name stands for (absolute, "." and ".." resolved).
std::string FullPath(const std::string& fileName);

}  // namespace umbrix
