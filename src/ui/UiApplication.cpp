#include "ui/UiApplication.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace umbrix {

bool SetUpFrenchApplication() {
  QApplication::setApplicationName(QStringLiteral("Umbrix"));
  // the desktop entry names the icon and the file types; the window carries the same icon
  QGuiApplication::setDesktopFileName(QStringLiteral("org.umbrix.Umbrix"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.umbrix.Umbrix.png")));
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  // owned by the application, which keeps it until it ends
  auto* qtTexts = new QTranslator(qApp);
  if (!qtTexts->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete qtTexts;
    return false;
  }
  QApplication::installTranslator(qtTexts);
  return true;
}

QFont WindowFont() { return QFont(QStringLiteral("Arial"), 8); }

std::vector<std::string> SessionArguments(const QStringList& arguments) {
  std::vector<std::string> out;
  for (qsizetype i = 1; i < arguments.size(); ++i) out.push_back(arguments[i].toStdString());
  return out;
}

}  // namespace umbrix
