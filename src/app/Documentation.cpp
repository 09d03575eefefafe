#include "app/Documentation.h"

#include <string>
#include <system_error>

#include "app/HelpTopics.h"
#include "app/ProgramFiles.h"
#include "app/ProgramIdentity.h"

namespace umbrix {

Message AboutMessage(const TextLanguage& language) {
  return {MessageKind::Notice,
          kAboutCaption,
          UMBRIX_TR("Message", "%1\r\n\r\nEnvoyez la photo de votre cadran à :\r\n     %2"),
          {language.Text("ProgramIdentity", kVersionDate), kPhotoAddress}};
}

const char* ManualFileName(bool englishUi) {
  return englishUi ? kEnglishManualFileName : kManualFileName;
}

Documentation::Documentation(Prompts& prompts, Desktop& desktop, std::filesystem::path programDir,
                             bool englishUi, const TextLanguage& language)
    : prompts_(prompts),
      desktop_(desktop),
      programDir_(std::move(programDir)),
      englishUi_(englishUi),
      language_(language) {}

void Documentation::ShowHelp(int topic) { desktop_.ShowHelpTopic(TopicOf(topic).id); }

void Documentation::OpenManual() {
  std::filesystem::path manual = LocateProgramFile(programDir_, ManualFileName(englishUi_));
  std::error_code error;
  // a French manual is better than none
  if (englishUi_ && !std::filesystem::is_regular_file(manual, error)) {
    manual = LocateProgramFile(programDir_, kManualFileName);
  }
  // a folder or a device of that name is no manual either
  OpenOutcome outcome = std::filesystem::is_regular_file(manual, error)
                            ? desktop_.OpenDocument(manual)
                            : OpenOutcome::FileAbsent;
  switch (outcome) {
    case OpenOutcome::Opened:
      return;
    case OpenOutcome::FileAbsent:
      prompts_.ShowMessage(ErrorMessage(kManualAbsentText));
      return;
    case OpenOutcome::NoApplication:
      prompts_.ShowMessage(ErrorMessage(kManualNoApplicationText));
      return;
    case OpenOutcome::OtherFailure:
      break;
  }
  prompts_.ShowMessage(ErrorMessage(kManualOpenErrorText));
}

void Documentation::ShowAbout() { prompts_.ShowMessage(AboutMessage(language_)); }

void Documentation::Register(MenuCommands& menus) {
  menus.Add(MenuId::Aide1, [this] { ShowHelp(kFirstTopic); });
  menus.Add(MenuId::ManuelUtil1, [this] { OpenManual(); });
  menus.Add(MenuId::Apropos2, [this] { ShowAbout(); });
}

}  // namespace umbrix
