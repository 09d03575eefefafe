#include "app/FileCommands.h"

#include "files/ProjectFile.h"
#include "files/TextLines.h"

namespace umbrix {

bool FileCommands::CheckContent() {
  if (ProjectHasContent(s_.Project(), false)) return true;
  prompts_.ShowMessage(ErrorMessage(kNothingToSaveText));
  return false;
}

void FileCommands::NewProject() {
  s_.ValidatePendingEntry();
  if (s_.DeskMode()) return;
  if (!ConfirmSaveChanges()) return;
  s_.StartNewProject();
}

void FileCommands::OpenCommand() {
  s_.ValidatePendingEntry();
  if (s_.DeskMode()) return;
  if (!ConfirmSaveChanges()) return;
  const auto name = prompts_.ChooseFileToOpen({"umd", kOpenFilter, ""});
  if (name) s_.OpenProject(*name);
}

void FileCommands::DropFiles(const std::vector<std::string>& files) {
  if (s_.DeskMode() || files.empty()) return;
  s_.ValidatePendingEntry();
  if (!ConfirmSaveChanges()) return;
  s_.OpenProject(files.front());
}

void FileCommands::SaveCommand() {
  s_.ValidatePendingEntry();
  if (s_.DeskMode()) return;
  if (!CheckContent()) return;
  SaveProject();
}

void FileCommands::SaveAsCommand() {
  // the entry being typed belongs to what is saved, as for every other file command
  s_.ValidatePendingEntry();
  if (!CheckContent()) return;
  bool extended = false;
  if (s_.State().TestMode) {
    if (s_.State().TestDataValid) {
      extended = prompts_.Ask({UMBRIX_TR("Message", "Format d'enregistrement"),
                               UMBRIX_TR("Message", "Enregistrer au format étendu ?"),
                               Buttons::YesNo}) == Answer::Yes;
    } else {
      prompts_.ShowMessage(InfoMessage(UMBRIX_TR(
          "Message", "Enregistrement au format réduit:\r\nIncohérence des données de test")));
    }
  }
  SaveProjectAs(extended);
}

bool FileCommands::ConfirmSaveChanges() {
  if (!s_.State().Modified || !ProjectHasContent(s_.Project(), false)) return true;
  switch (prompts_.Ask({UMBRIX_TR("Message", "Modifications..."),
                        UMBRIX_TR("Message", "Voulez-vous sauver les modifications ?"),
                        Buttons::YesNoCancel})) {
    case Answer::Yes:
      // a save that failed or was cancelled must not let the project be replaced
      return SaveProject();
    case Answer::No:
    case Answer::Ok:
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

bool FileCommands::SaveProject() {
  if (s_.State().TestMode) {
    if (s_.State().TestDataValid) {
      prompts_.ShowMessage(InfoMessage(UMBRIX_TR("Message", "Enregistrement au format étendu")));
    } else if (prompts_.Ask({UMBRIX_TR("Message", "Incohérence des données de test"),
                             UMBRIX_TR("Message", "Enregistrement au format réduit ?"),
                             Buttons::OkCancel}) != Answer::Ok) {
      return false;
    }
  }
  if (s_.State().ProjectFileName.empty()) return SaveProjectAs(s_.State().TestDataValid);
  if (!ConfirmUnwritableCharacters(s_.State().TestDataValid)) return false;
  return s_.WriteProject(s_.State().ProjectFileName, s_.State().TestDataValid, true);
}

bool FileCommands::SaveProjectAs(bool extended) {
  if (!ConfirmUnwritableCharacters(extended)) return false;
  const auto name = prompts_.ChooseFileToSave({"umd", kProjectFilter, ""});
  if (!name) return false;
  if (!ConfirmReplace(prompts_, *name)) return false;
  return s_.WriteProject(*name, extended, true);
}

bool FileCommands::ConfirmUnwritableCharacters(bool extended) {
  bool replaced = false;
  ProjectFileBytes(s_.Project(), s_.State(), extended, SplitLines(s_.ReportPane()), &replaced);
  if (!replaced) return true;
  return prompts_.Ask({kUnwritableCharactersCaption, kUnwritableCharactersText,
                       Buttons::OkCancel}) == Answer::Ok;
}

bool FileCommands::Quit() {
  s_.ValidatePendingEntry();
  if (!ConfirmSaveChanges()) return false;
  s_.SystemShutdown();
  view_.Terminate();
  return true;
}

bool FileCommands::CloseRequested() {
  if (!ConfirmSaveChanges()) return false;
  s_.SystemShutdown();
  return true;
}

void RegisterFileCommands(MenuCommands& menus, FileCommands& commands) {
  menus.Add(MenuId::Nouveau1, [&commands] { commands.NewProject(); });
  menus.Add(MenuId::Ouvrir1, [&commands] { commands.OpenCommand(); });
  menus.Add(MenuId::Sauver1, [&commands] { commands.SaveCommand(); });
  menus.Add(MenuId::Sauversous1, [&commands] { commands.SaveAsCommand(); });
  menus.Add(MenuId::Quitter1, [&commands] { commands.Quit(); });
}

}  // namespace umbrix
