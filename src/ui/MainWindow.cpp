#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>

#include <utility>

#include "ui/HelpSupport.h"
#include "ui/KeyboardHook.h"
#include "ui/SaisiesDialog.h"
#include "ui/UiApplication.h"

namespace umbrix {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("MainWindow", text); }

QRect ToQRect(const PixelRect& r) { return {r.left, r.top, r.width, r.height}; }

/// The panes' texts are CR LF lines; Qt's are line feeds.
QString FromCrLf(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string ToCrLf(const QString& text) {
  return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

/// The local files of a drop, every path whole.
std::vector<std::string> DroppedFiles(const QMimeData& data) {
  std::vector<std::string> files;
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  }
  return files;
}

}  // namespace

/// The client area: the drawing bitmap painted at (0, 0), the panes placed by the layout rules.
class MainWindow::ClientArea final : public QWidget {
 public:
  ClientArea(MainWindow& owner) : QWidget(&owner), owner_(owner) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, owner_.drawing_.Bitmap());
    if (owner_.firstDialPainted_ && owner_.session_ && owner_.session_->State().DrawingExists) {
      std::exchange(owner_.firstDialPainted_, nullptr)();
    }
  }
  void resizeEvent(QResizeEvent* event) override {
    owner_.ClientResized({event->size().width(), event->size().height()});
  }
  void mousePressEvent(QMouseEvent* event) override {
    const MouseButton button =
        event->button() == Qt::LeftButton ? MouseButton::Left : MouseButton::Other;
    const PixelPoint at = PointOf(*event);
    const Modifiers held = ModifiersOf(event->modifiers());
    owner_.Forward([&] { owner_.hands().MouseDown(at, button, held); });
    if (owner_.session().InteractiveMode()) setFocus(Qt::MouseFocusReason);
    owner_.UpdateDrawingCursor();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (!owner_.hands().Dragging()) return;
    const PixelPoint at = PointOf(*event);
    owner_.Forward([&] { owner_.hands().MouseMove(at); });
  }
  void mouseReleaseEvent(QMouseEvent*) override {
    owner_.hands().MouseUp();
    owner_.UpdateDrawingCursor();
  }
  void wheelEvent(QWheelEvent* event) override {
    const int steps = event->angleDelta().y();
    if (steps != 0) {
      const QPoint at = event->position().toPoint();
      owner_.Forward([&] { owner_.hands().Wheel({at.x(), at.y()}, steps > 0); });
    }
    // the wheel is never taken from the window
    event->ignore();
  }

 private:
  static PixelPoint PointOf(const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    return {at.x(), at.y()};
  }
  static Modifiers ModifiersOf(Qt::KeyboardModifiers m) {
    return {m.testFlag(Qt::ControlModifier), m.testFlag(Qt::ShiftModifier)};
  }

 private:
  MainWindow& owner_;
};

MainWindow::MainWindow(Prompts& prompts, Services& services, std::function<bool()> busy,
                       SessionSettings settings)
    : busy_(busy ? std::move(busy) : [] { return false; }) {
  setObjectName(QStringLiteral("Umbrix"));
  setFont(WindowFont());
  setWindowTitle(QStringLiteral("Umbrix"));
  setAcceptDrops(true);
  setProperty("helpContext", 4);

  client_ = new ClientArea(*this);
  const PixelSize minimum = MinimumClientSize();
  client_->setMinimumSize(minimum.width, minimum.height);
  setCentralWidget(client_);

  report_ = new QPlainTextEdit(client_);
  report_->setObjectName(QStringLiteral("Memo1"));
  report_->setReadOnly(true);
  report_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  report_->setProperty("helpContext", 10);
  commentsCaption_ = new QLabel(Tr("Mes commentaires :"), client_);
  commentsCaption_->setObjectName(QStringLiteral("Label1"));
  comments_ = new QPlainTextEdit(client_);
  comments_->setObjectName(QStringLiteral("Memo2"));
  comments_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  commentsCaption_->setBuddy(comments_);
  modeLabel_ = new QLabel(client_);
  modeLabel_->setObjectName(QStringLiteral("Label2"));
  setTabOrder(comments_, report_);
  connect(comments_, &QPlainTextEdit::textChanged, this,
          [this] { session_->CommentsEdited(ToCrLf(comments_->toPlainText())); });

  drawing_.OnPresent([this] { client_->update(); });
  const MainLayout layout = LayOutMainWindow(minimum);
  drawing_.SetRoom({layout.reportPane.left, layout.commentsPane.top});

  BuildMenus();
  session_ =
      std::make_unique<Session>(Ports{prompts, *this, drawing_, services}, std::move(settings));
  hands_ = std::make_unique<Manipulation>(*session_, prompts, drawing_);
  // the drawing takes the keys while the panes are disabled in interactive mode
  client_->setFocusPolicy(Qt::ClickFocus);
  new KeyboardHook(*this);
  dialog_ = new SaisiesDialog(
      *session_, [this] { RefreshAll(); }, busy_, this);
  help_ = new HelpSupport(*this, prompts);
  ClientResized({client_->width(), client_->height()});
  RefreshAll();
}

MainWindow::~MainWindow() = default;

bool MainWindow::Start(const std::vector<std::string>& args) {
  const bool opened = session_->Start(args);
  RefreshAll();
  return opened;
}

void MainWindow::ApplyInitialSize() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  const QMargins margins = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  // what the window adds around the client area: its frame and the menu bar
  const PixelSize frame{margins.left() + margins.right() + width() - client_->width(),
                        margins.top() + margins.bottom() + height() - client_->height()};
  const QSize available = screen->availableGeometry().size();
  const PixelSize outer = InitialOuterSize({available.width(), available.height()}, frame);
  resize(outer.width - margins.left() - margins.right(),
         outer.height - margins.top() - margins.bottom());
  initialMargins_ = margins;
}

bool MainWindow::event(QEvent* event) {
  // a window manager tells its frame only once the window is up: size it again with that frame
  if (event->type() == QEvent::WindowActivate && initialMargins_ && windowHandle() != nullptr) {
    const QMargins now = windowHandle()->frameMargins();
    if (now != *initialMargins_) ApplyInitialSize();
    initialMargins_.reset();
  }
  return QMainWindow::event(event);
}

QAction* MainWindow::Action(MenuId id) const {
  const auto at = actions_.find(id);
  return at == actions_.end() ? nullptr : at->second;
}

void MainWindow::BuildMenus() {
  std::map<MenuId, QMenu*> menus;
  for (const MenuRow& row : MenuTable()) {
    // the desk dial's popup menu comes with the desk dial
    if (row.id == MenuId::MenCont || row.parent == MenuId::MenCont) continue;
    const QString caption = Tr(row.caption);
    QMenu* parent = row.parent ? menus.at(*row.parent) : nullptr;
    if (row.kind == MenuKind::Menu) {
      QMenu* menu = parent != nullptr ? parent->addMenu(caption) : menuBar()->addMenu(caption);
      menu->setObjectName(QString::fromLatin1(row.name));
      menu->menuAction()->setObjectName(QString::fromLatin1(row.name));
      menu->menuAction()->setProperty("helpContext", row.helpContext);
      menus[row.id] = menu;
      actions_[row.id] = menu->menuAction();
      continue;
    }
    QAction* action =
        parent != nullptr ? parent->addAction(caption) : menuBar()->addAction(caption);
    action->setObjectName(QString::fromLatin1(row.name));
    action->setProperty("helpContext", row.helpContext);
    if (*row.shortcut != '\0') {
      action->setShortcut(
          QKeySequence(QString::fromLatin1(row.shortcut), QKeySequence::PortableText));
    }
    action->setCheckable(row.kind == MenuKind::Option);
    const MenuId id = row.id;
    connect(action, &QAction::triggered, this,
            [this, id] {
              Forward([this, id] {
                if (!help_->Activate(id)) ActivateMenuItem(*session_, id);
              });
            });
    actions_[row.id] = action;
  }
}

void MainWindow::Forward(const std::function<void()>& command) {
  command();
  RefreshAll();
}

void MainWindow::ClientResized(PixelSize client) {
  const MainLayout layout = LayOutMainWindow(client);
  report_->setGeometry(ToQRect(layout.reportPane));
  comments_->setGeometry(ToQRect(layout.commentsPane));
  commentsCaption_->move(design::kCommentsCaption.left, layout.commentsCaptionTop);
  modeLabel_->move(design::kModeLabel.left, layout.modeLabelTop);
  drawing_.SetRoom({layout.reportPane.left, layout.commentsPane.top});
  if (session_) session_->FitDrawing();
}

void MainWindow::RefreshAll() {
  if (refreshing_) return;
  refreshing_ = true;
  RefreshMenus();
  const QString mode = session_->State().TestMode ? Tr("Map") : QString();
  if (modeLabel_->text() != mode) {
    modeLabel_->setText(mode);
    modeLabel_->adjustSize();
  }
  dialog_->Refresh();
  // interactive mode: every key reaches the drawing, none the panes
  const bool panes = !session_->InteractiveMode();
  if (report_->isEnabled() != panes) {
    if (!panes && (report_->hasFocus() || comments_->hasFocus())) client_->setFocus();
    report_->setEnabled(panes);
    comments_->setEnabled(panes);
  }
  refreshing_ = false;
}

void MainWindow::UpdateDrawingCursor() {
  switch (hands_->Cursor()) {
    case DrawingCursor::Default: client_->unsetCursor(); break;
    case DrawingCursor::Move: client_->setCursor(Qt::SizeAllCursor); break;
    case DrawingCursor::Time: client_->setCursor(Qt::SizeHorCursor); break;
    case DrawingCursor::Date: client_->setCursor(Qt::SizeVerCursor); break;
  }
}

void MainWindow::SetWindowTitle(const std::string& title) {
  setWindowTitle(QString::fromStdString(title));
}

void MainWindow::SetReportText(const std::string& text) { report_->setPlainText(FromCrLf(text)); }

void MainWindow::SetCommentsText(const std::string& text) {
  // the project's own comments are not an edit of them
  const QSignalBlocker block(comments_);
  comments_->setPlainText(FromCrLf(text));
}

void MainWindow::ShowMainWindow() {
  show();
  raise();
}

void MainWindow::ShowDialog() { dialog_->ShowBeside(*this); }

void MainWindow::ShowTextWindow(const std::string& title, const std::string& text) {
  if (textWindow_ == nullptr) {
    textWindow_ = new QDialog(this);
    textWindow_->setObjectName(QStringLiteral("TextWindow"));
    textWindow_->setFont(WindowFont());
    auto* pane = new QPlainTextEdit(textWindow_);
    pane->setObjectName(QStringLiteral("Text"));
    pane->setReadOnly(true);
    auto* layout = new QVBoxLayout(textWindow_);
    layout->addWidget(pane);
    textWindow_->resize(520, 360);
  }
  textWindow_->setWindowTitle(Tr(title.c_str()));
  textWindow_->findChild<QPlainTextEdit*>()->setPlainText(FromCrLf(text));
  textWindow_->show();
  textWindow_->raise();
  textWindow_->activateWindow();
}

void MainWindow::RefreshMenus() {
  const DrawingOptions& options = session_->Project().Options;
  for (const auto& [id, action] : actions_) {
    const MenuItemState state = ItemState(options, id);
    const QSignalBlocker block(action);
    if (action->isCheckable() && action->isChecked() != state.checked) {
      action->setChecked(state.checked);
    }
    if (action->isEnabled() != state.enabled) action->setEnabled(state.enabled);
  }
}

void MainWindow::Terminate() {
  // queued: the command that asked is still running, and the loop may not have started yet
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!session_->CloseRequested()) {
    event->ignore();
    RefreshAll();
    return;
  }
  dialog_->hide();
  help_->CloseWindows();
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFiles(*event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::vector<std::string> files = DroppedFiles(*event->mimeData());
  if (files.empty()) return;
  event->acceptProposedAction();
  Forward([this, &files] { session_->DropFiles(files); });
}

}  // namespace umbrix
