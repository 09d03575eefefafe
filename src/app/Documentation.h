#pragma once
// The "&?" menu's commands: the help pages, the user manual opened by the desktop, the About box.

#include <filesystem>

#include "app/MenuCommands.h"
#include "app/Ports.h"
#include "model/Language.h"
#include "model/Message.h"

namespace umbrix {

inline constexpr const char* kManualFileName = "Manuel.pdf";
/// The manual of the English interface, installed beside the French one.
inline constexpr const char* kEnglishManualFileName = "Manual.pdf";
inline constexpr const char* kManualAbsentText =
    UMBRIX_TR("Message", "Le fichier Manuel.pdf est absent");
inline constexpr const char* kManualNoApplicationText =
    UMBRIX_TR("Message", "Aucune application ne peut lire le fichier Manuel.pdf");
inline constexpr const char* kManualOpenErrorText =
    UMBRIX_TR("Message", "Erreur à l'ouverture du fichier Manuel.pdf");
inline constexpr const char* kAboutCaption = UMBRIX_TR("Message", "A propos...");

/// The About box: the version date (in `language`), an empty line, the invitation and the photo
/// address.
Message AboutMessage(const TextLanguage& language = SourceLanguage());

/// The manual's file name in the interface language.
const char* ManualFileName(bool englishUi);

class Documentation {
 public:
  /// `programDir` is the folder of the program file; `prompts`, `desktop` and `language` (the
  /// About box's) must outlive this. `englishUi` chooses the English manual, the French one
  /// standing in when it is missing.
  Documentation(Prompts& prompts, Desktop& desktop, std::filesystem::path programDir,
                bool englishUi = false, const TextLanguage& language = SourceLanguage());

  /// "&Aide" (topic 0) and F1 (the topic the request resolved to).
  void ShowHelp(int topic);
  /// "&Manuel d'util.": the manual beside the program (or in the installed share folder),
  /// opened by the desktop; each failure has its own message.
  void OpenManual();
  /// "A &Propos".
  void ShowAbout();
  /// Registers the "&?" menu's rows: "&Aide", "&Manuel d'util." and "A &Propos".
  void Register(MenuCommands& menus);

 private:
  Prompts& prompts_;
  Desktop& desktop_;
  std::filesystem::path programDir_;
  bool englishUi_ = false;
  const TextLanguage& language_;
};

}  // namespace umbrix
