// umbrix-cli: a project file in, its report and drawings out, without a display.

#include <QGuiApplication>
#include <QtGlobal>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/CliRun.h"

int main(int argc, char** argv) {
  using umbrix::CliOptions;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const umbrix::CliParse parsed = umbrix::ParseCliArguments(args);
  if (!parsed.options) {
    std::cerr << "umbrix-cli : " << parsed.error << "\n(umbrix-cli --aide, umbrix-cli --help)\n";
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

  // no display: the fonts and the bitmap need only the offscreen platform
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt reads its own options from the arguments: it gets the program's name alone
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QGuiApplication app(qtArgc, qtArgv);
  return umbrix::RunCli(options, std::cout, std::cerr);
}
