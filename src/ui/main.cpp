// umbrix: the sundial program in its windows.

#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <csignal>

#include "render/SystemServices.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompts.h"
#include "ui/UiApplication.h"

int main(int argc, char** argv) {
  // an export into a pipe whose reader went away fails with a message instead of ending the program
  std::signal(SIGPIPE, SIG_IGN);
  QApplication app(argc, argv);
  // the translators before the first window, which takes its texts as it is built
  const umbrix::UiLanguage language = umbrix::SetUpApplication();
  umbrix::SystemServices services;
  umbrix::QtPrompts prompts(QDir::currentPath());
  umbrix::SessionSettings settings;
  settings.englishUi = language.englishUi;
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
  window.Start(umbrix::SessionArguments(QApplication::arguments()));
  return QApplication::exec();
}
