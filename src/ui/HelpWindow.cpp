#include "ui/HelpWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/HelpTopics.h"

namespace umbrix {

namespace {

QUrl PageUrl(int topic, bool englishUi) {
  return QUrl(QString::fromLatin1(kHelpPagesUrl) + QString::fromLatin1(HelpPagesFolder(englishUi)) +
              QString::fromLatin1(TopicOf(topic).page));
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent, bool englishUi)
    : QWidget(parent, Qt::Window), englishUi_(englishUi) {
  setObjectName(QStringLiteral("Aide"));
  setWindowTitle(tr("Aide d'Umbrix"));
  auto* tools = new QToolBar(this);
  back_ = tools->addAction(tr("◀ Précédent"));
  back_->setObjectName(QStringLiteral("Precedent"));
  back_->setShortcut(QKeySequence::Back);
  forward_ = tools->addAction(tr("Suivant ▶"));
  forward_->setObjectName(QStringLiteral("Suivant"));
  forward_->setShortcut(QKeySequence::Forward);
  contents_ = tools->addAction(tr("Sommaire"));
  contents_->setObjectName(QStringLiteral("Sommaire"));

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("Page"));
  browser_->setOpenLinks(true);
  // a link out of the pages (a web address) is the desktop's business
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(browser_);

  connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(contents_, &QAction::triggered, this, [this] { ShowTopic(kFirstTopic); });
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] { PageChanged(); });
  back_->setEnabled(false);
  forward_->setEnabled(false);
  resize(720, 640);
}

void HelpWindow::ShowTopic(int id) {
  const QUrl url = PageUrl(id, englishUi_);
  if (browser_->source() != url) browser_->setSource(url);
  show();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

int HelpWindow::CurrentTopic() const {
  const QString page = QFileInfo(browser_->source().path()).fileName();
  for (const HelpTopic& t : HelpTopics()) {
    if (page == QString::fromLatin1(t.page)) return t.id;
  }
  return -1;
}

void HelpWindow::PageChanged() {
  const QString title = browser_->documentTitle();
  setWindowTitle(title.isEmpty() ? tr("Aide d'Umbrix") : tr("Aide d'Umbrix – %1").arg(title));
}

}  // namespace umbrix
