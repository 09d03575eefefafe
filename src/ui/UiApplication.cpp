#include "ui/UiApplication.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace umbrix {

namespace {

/// Installs the translator `file`_<lang>.qm of `language` found in `folder`, owned by the
/// application; false when there is none.
bool InstallTranslator(const QLocale& language, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(qApp);
  if (!translator->load(language, file, QStringLiteral("_"), folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace

QLocale InterfaceLanguage() { return QLocale(QLocale::French, QLocale::France); }

UiLanguage SetUpApplication(const QLocale& language) {
  QApplication::setApplicationName(QStringLiteral("Umbrix"));
  // the desktop entry names the icon and the file types; the window carries the same icon
  QGuiApplication::setDesktopFileName(QStringLiteral("org.umbrix.Umbrix"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.umbrix.Umbrix.png")));
  QLocale::setDefault(language);
  UiLanguage out;
  out.umbrixTexts = InstallTranslator(language, QStringLiteral("umbrix"), QStringLiteral(":/i18n"));
  out.qtTexts = InstallTranslator(language, QStringLiteral("qtbase"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
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
