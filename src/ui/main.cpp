// umbrix: the sundial program in its windows.

#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>

#include "render/SystemServices.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompts.h"
#include "ui/UiApplication.h"

int main(int argc, char** argv) {
  // an export into a pipe whose reader went away fails with a message instead of ending the program
  std::signal(SIGPIPE, SIG_IGN);
  QApplication app(argc, argv);
  // "--langue fr|en" is the program's own; what remains is the session's command line
  const umbrix::LanguageOption option =
      umbrix::TakeLanguageOption(umbrix::SessionArguments(QApplication::arguments()));
  // the translators before the first window, which takes its texts as it is built
  const umbrix::UiLanguage language =
      umbrix::SetUpApplication(umbrix::ChosenLanguage(option.language));
  if (option.refused) {
    std::cerr
        << std::filesystem::path(argv[0]).filename().string() << ": "
        << umbrix::ComposeText(
               QCoreApplication::translate("Language", umbrix::kUnknownLanguageText).toStdString(),
               {*option.refused})
        << '\n';
  }
  umbrix::SystemServices services;
  umbrix::QtPrompts prompts(QDir::currentPath());
  std::unique_ptr<umbrix::TextLanguage> texts;
  umbrix::SessionSettings settings = umbrix::LanguageSettings(language, texts);
  umbrix::MainWindow window(
      prompts, services, [&prompts] { return prompts.Busy(); }, std::move(settings));
  prompts.SetParent(nullptr);
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                   [&window](QSessionManager&) { window.session().SystemShutdown(); });
  // start-up timing: the program ends once its first dial is on the screen
  if (!qEnvironmentVariableIsEmpty("UMBRIX_QUIT_AFTER_FIRST_DIAL")) {
    window.OnFirstDialPainted(
        [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); });
  }
  window.show();
  window.ApplyInitialSize();
  window.WaitUntilFramed(1000);
  window.Start(option.args);
  return QApplication::exec();
}
