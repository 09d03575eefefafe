#pragma once
// The file commands of the "&Fichier" menu and of the window: new, open, drop, save, save as,
// quit and close, with their dialogs and their questions (save the changes? replace the file?
// write "?" for what the file cannot hold?). The project itself is read and written by the
// session.

#include <string>
#include <vector>

#include "app/MenuCommands.h"
#include "app/Ports.h"
#include "app/Session.h"
#include "model/Texts.h"

namespace umbrix {

inline constexpr const char* kNothingToSaveText =
    UMBRIX_TR("Message", "Il n'y a pas d'information à sauver");
inline constexpr const char* kProjectFilter = UMBRIX_TR("Message", "Donnée Umbrix (*.umd)|*.umd");
inline constexpr const char* kOpenFilter =
    UMBRIX_TR("Message",
              "Données Umbrix (*.umd)|*.umd|Données Umbrix (*.umd ; *.txt)|*.umd;*.txt|"
              "Cadran de bureau (*.umb)|*.umb");

class FileCommands {
 public:
  /// The session and the ports must outlive this.
  FileCommands(Session& session, Prompts& prompts, MainView& view)
      : s_(session), prompts_(prompts), view_(view) {}

  /// "&Nouveau".
  void NewProject();
  /// "&Ouvrir".
  void OpenCommand();
  /// Files dropped on the window: only the first is opened.
  void DropFiles(const std::vector<std::string>& files);
  /// "&Enregistrer".
  void SaveCommand();
  /// "Enregistrer &Sous".
  void SaveAsCommand();
  /// The save-changes question before the project is replaced or the program ends; false when
  /// the caller must stop (cancelled, or the save failed).
  bool ConfirmSaveChanges();
  /// Saves under `ProjectFileName`, or asks for a name; false when cancelled or failed.
  bool SaveProject();
  /// Asks for a name and saves; false when cancelled or failed.
  bool SaveProjectAs(bool extended);
  /// "&Quitter": false when the user cancelled; otherwise the held file is closed and the
  /// window told to end the program.
  bool Quit();
  /// The window's close button: false keeps the window open.
  bool CloseRequested();

 private:
  /// "Il n'y a pas d'information à sauver" unless the project holds something.
  bool CheckContent();
  /// Before a save that would write "?" for some characters: asks whether to save anyway.
  bool ConfirmUnwritableCharacters(bool extended);

  Session& s_;
  Prompts& prompts_;
  MainView& view_;
};

/// Registers "&Nouveau", "&Ouvrir", "&Enregistrer", "Enregistrer &Sous" and "&Quitter".
void RegisterFileCommands(MenuCommands& menus, FileCommands& commands);

}  // namespace umbrix
