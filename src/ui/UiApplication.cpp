#include "ui/UiApplication.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

namespace umbrix {

UiLanguage SetUpApplication(const QLocale& language) {
  QApplication::setApplicationName(QStringLiteral("Umbrix"));
  // the desktop entry names the icon and the file types; the window carries the same icon
  QGuiApplication::setDesktopFileName(QStringLiteral("org.umbrix.Umbrix"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.umbrix.Umbrix.png")));
  QLocale::setDefault(language);
  const InstalledTexts installed = InstallTranslators(language);
  UiLanguage out;
  out.umbrixTexts = installed.umbrix;
  out.qtTexts = installed.qt;
  out.englishUi = out.umbrixTexts && language.language() == QLocale::English;
  return out;
}

QFont WindowFont() { return QFont(QStringLiteral("Arial"), 8); }

std::vector<std::string> SessionArguments(const QStringList& arguments) {
  std::vector<std::string> out;
  for (qsizetype i = 1; i < arguments.size(); ++i) out.push_back(arguments[i].toStdString());
  return out;
}

}  // namespace umbrix
