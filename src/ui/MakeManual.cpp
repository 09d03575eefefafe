// umbrix-manual: lays the help pages out as the user manual "Manuel.pdf" (or, in English, from the
// English pages, "Manual.pdf"): a title and contents page, then one chapter per help topic, each
// on new pages, numbered at the foot.

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTranslator>
#include <cstdio>
#include <vector>

#include "app/HelpTopics.h"
#include "app/ProgramIdentity.h"
#include "model/Texts.h"
#include "ui/HelpWindow.h"

namespace {

/// A text of the program in the manual's language.
QString Tr(const char* context, const char* text) {
  return QCoreApplication::translate(context, text);
}

QString TitleOf(const umbrix::HelpTopic& topic) { return Tr("HelpTopics", topic.title); }

QString ReadResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

/// What lies between a page's <body> and </body>.
QString BodyOf(const QString& html) {
  static const QRegularExpression body(
      QStringLiteral("<body[^>]*>(.*)</body>"),
      QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = body.match(html);
  return m.hasMatch() ? m.captured(1) : html;
}

/// The pages' navigation lines point at other pages: in print they only take room.
QString WithoutNavigation(QString body) {
  static const QRegularExpression nav(QStringLiteral("<p class=\"nav\">.*?</p>"),
                                      QRegularExpression::DotMatchesEverythingOption);
  return body.remove(nav);
}

QString ContentsPage(const std::vector<int>& pages) {
  QString html =
      QStringLiteral(
          "<h1 class=\"titre\">Umbrix</h1><p class=\"soustitre\">%1</p>"
          "<p class=\"soustitre\">%2 – %3</p><h2>%4</h2><table class=\"sommaire\" width=\"100%\">")
          .arg(Tr("Manual", UMBRIX_TR("Manual", "Manuel d'utilisation")),
               QString::fromUtf8(umbrix::kProgramNameAndVersion),
               Tr("ProgramIdentity", umbrix::kVersionDate),
               Tr("Manual", UMBRIX_TR("Manual", "Sommaire")));
  for (const umbrix::HelpTopic& t : umbrix::HelpTopics()) {
    const int page = static_cast<size_t>(t.id) < pages.size() ? pages[t.id] : 0;
    html += QStringLiteral("<tr><td>%1. %2</td><td align=\"right\">%3</td></tr>")
                .arg(t.id + 1)
                .arg(TitleOf(t).toHtmlEscaped())
                .arg(page);
  }
  return html + QStringLiteral("</table>");
}

QString Manual(const std::vector<int>& pages, bool english) {
  QString html = QStringLiteral("<html><body>") + ContentsPage(pages);
  for (const umbrix::HelpTopic& t : umbrix::HelpTopics()) {
    const QString page = ReadResource(QStringLiteral(":/help/") +
                                      QString::fromLatin1(umbrix::HelpPagesFolder(english)) +
                                      QString::fromLatin1(t.page));
    html += QStringLiteral("<div style=\"page-break-before: always\">") +
            WithoutNavigation(BodyOf(page)) + QStringLiteral("</div>");
  }
  return html + QStringLiteral("</body></html>");
}

/// The page (counted from 1) on which each chapter's title stands.
std::vector<int> ChapterPages(QTextDocument& doc) {
  std::vector<int> pages(umbrix::kHelpTopicCount, 0);
  const double height = doc.pageSize().height();
  size_t next = 0;
  for (QTextBlock b = doc.begin(); b.isValid() && next < pages.size(); b = b.next()) {
    if (b.blockFormat().headingLevel() != 1) continue;
    if (b.text() != TitleOf(umbrix::HelpTopics()[next])) continue;
    const double top = doc.documentLayout()->blockBoundingRect(b).top();
    pages[next++] = static_cast<int>(top / height) + 1;
  }
  return pages;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const bool english = argc == 3 && qstrcmp(argv[2], "en") == 0;
  if (argc < 2 || argc > 3 || (argc == 3 && !english && qstrcmp(argv[2], "fr") != 0)) {
    std::fprintf(stderr, UMBRIX_TR("Manual", "Usage : umbrix-manual SORTIE.pdf [fr|en]\n"));
    return 2;
  }
  // the English texts, from the catalogue the program itself carries
  QTranslator translator;
  if (english) {
    if (!translator.load(QStringLiteral(":/i18n/umbrix_en.qm"))) {
      std::fprintf(stderr, UMBRIX_TR("Manual", "umbrix-manual : textes anglais absents\n"));
      return 1;
    }
    QCoreApplication::installTranslator(&translator);
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QPdfWriter pdf(out);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
  pdf.setResolution(300);
  pdf.setTitle(Tr("Manual", UMBRIX_TR("Manual", "Umbrix – Manuel d'utilisation")));
  pdf.setCreator(QString::fromUtf8(umbrix::kProgramNameAndVersion));

  const QRect area = pdf.pageLayout().paintRectPixels(pdf.resolution());
  const int footer = pdf.resolution() / 3;  // a third of an inch for the page number
  QTextDocument doc;
  doc.documentLayout()->setPaintDevice(&pdf);
  doc.setBaseUrl(QUrl(QString::fromLatin1(umbrix::kHelpPagesUrl) +
                      QString::fromLatin1(umbrix::HelpPagesFolder(english))));
  doc.setDefaultStyleSheet(ReadResource(QStringLiteral(":/help/manuel.css")));
  doc.setDefaultFont(QFont(QStringLiteral("Liberation Serif"), 10));
  doc.setDocumentMargin(0);
  doc.setPageSize(QSizeF(area.width(), area.height() - footer));
  // the pages name their figures relative to themselves; a bare document does not look them up
  const QDir images(QStringLiteral(":/help/images"));
  for (const QString& name : images.entryList(QDir::Files)) {
    const QImage image(images.filePath(name));
    if (image.isNull())
      std::fprintf(stderr, UMBRIX_TR("Manual", "umbrix-manual : figure illisible %s\n"),
                   qPrintable(name));
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/") + name), image);
    // the English pages share the French pages' figures
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("../images/") + name), image);
    doc.addResource(QTextDocument::ImageResource,
                    QUrl(QString::fromLatin1(umbrix::kHelpPagesUrl) + "images/" + name), image);
  }

  // twice: the contents page needs the chapters' pages, and keeps its length when they change
  doc.setHtml(Manual({}, english));
  const std::vector<int> pages = ChapterPages(doc);
  for (size_t i = 0; i < pages.size(); ++i) {
    if (pages[i] == 0) {
      std::fprintf(stderr, UMBRIX_TR("Manual", "umbrix-manual : chapitre %zu introuvable\n"), i);
      return 1;
    }
  }
  doc.setHtml(Manual(pages, english));

  QPainter painter(&pdf);
  if (!painter.isActive()) {
    std::fprintf(stderr, UMBRIX_TR("Manual", "umbrix-manual : impossible d'écrire %s\n"), argv[1]);
    return 1;
  }
  const double height = doc.pageSize().height();
  const int count = doc.pageCount();
  QFont small(QStringLiteral("Liberation Sans"), 8);
  for (int p = 0; p < count; ++p) {
    if (p > 0) pdf.newPage();
    painter.save();
    painter.translate(0, -p * height);
    doc.drawContents(&painter, QRectF(0, p * height, area.width(), height));
    painter.restore();
    if (p > 0) {
      painter.setFont(small);
      painter.drawText(QRectF(0, area.height() - footer, area.width(), footer),
                       Qt::AlignHCenter | Qt::AlignBottom, QString::number(p + 1));
    }
  }
  return painter.end() ? 0 : 1;
}
