// umbrix-cli: a project file in, its report and drawings out, without a display.

#include <stdlib.h>

#include <QGuiApplication>
#include <QLocale>
#include <QtGlobal>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "model/Texts.h"
#include "render/InterfaceLanguage.h"
#include "render/Translate.h"

namespace {

// Qt wants a runtime folder of the user's own and warns on standard error, which scripts read,
// when XDG_RUNTIME_DIR names none: a private one (mode 0700) then lives as long as the run.
class PrivateRuntimeFolder {
 public:
  PrivateRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    std::error_code ec;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
    if (ec) return;
    std::string pattern = (temp / "umbrix-cli-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    folder_ = pattern;
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(pattern));
  }
  ~PrivateRuntimeFolder() {
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
  }
  PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
  PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

 private:
  std::filesystem::path folder_;
};

}  // namespace

int main(int argc, char** argv) {
  using umbrix::CliOptions;
  const std::vector<std::string> args(argv + 1, argv + argc);
  // no display: the fonts and the bitmap need only the offscreen platform
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const PrivateRuntimeFolder runtimeFolder;  // outlives the application
  // Qt reads its own options from the arguments: it gets the program's name alone
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QGuiApplication app(qtArgc, qtArgv);

  const umbrix::CliParse parsed = umbrix::ParseCliArguments(args);
  // the report and every message, usage errors and help included, in the language asked for,
  // else in the desktop's
  const umbrix::InstalledLanguage language = umbrix::InstallInterfaceLanguage(
      (parsed.options ? parsed.options->language : std::nullopt)
          .value_or(umbrix::DesktopLanguage(QLocale::system().uiLanguages())));
  if (!parsed.options) {
    std::cerr << umbrix::CliText(
        UMBRIX_TR("Cli", "umbrix-cli : %1\n(umbrix-cli --aide, umbrix-cli --help)\n"),
        {parsed.ErrorText()});
    return umbrix::kExitFileOrUsage;
  }
  const CliOptions& options = *parsed.options;
  switch (options.action) {
    case CliOptions::Action::HelpFrench:
    case CliOptions::Action::HelpEnglish:
      std::cout << umbrix::HelpText(options.action == CliOptions::Action::HelpFrench);
      return umbrix::kExitSuccess;
    case CliOptions::Action::Version:
      std::cout << umbrix::VersionText();
      return umbrix::kExitSuccess;
    case CliOptions::Action::Run:
      break;
  }
  const umbrix::QtTextLanguage texts(language.englishUi ? umbrix::MonthNames::English
                                                        : umbrix::MonthNames::French);
  umbrix::SessionSettings settings;
  settings.englishUi = language.englishUi;
  settings.language = &texts;
  return umbrix::RunCli(options, std::cout, std::cerr, std::move(settings));
}
