#pragma once
// The help window: the help pages shipped in the program, shown by topic id, with back, forward
// and the contents.

#include <QWidget>

class QTextBrowser;
class QAction;

namespace umbrix {

/// The folder of the help pages among the program's resources.
inline constexpr const char* kHelpPagesUrl = "qrc:/help/";

class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  /// A window of its own that closes with `parent`, showing the pages in English when
  /// `englishUi` is set.
  explicit HelpWindow(QWidget* parent, bool englishUi = false);

  /// Shows the page of topic `id` (the first page for an unknown id) and brings the window to
  /// the front.
  void ShowTopic(int id);
  /// The topic of the page on show; -1 for a page that is no topic's.
  int CurrentTopic() const;
  QTextBrowser* Browser() const { return browser_; }
  QAction* BackAction() const { return back_; }
  QAction* ForwardAction() const { return forward_; }
  QAction* ContentsAction() const { return contents_; }

 private:
  void PageChanged();

  QTextBrowser* browser_ = nullptr;
  QAction* back_ = nullptr;
  QAction* forward_ = nullptr;
  QAction* contents_ = nullptr;
  bool englishUi_ = false;
};

}  // namespace umbrix
