#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegion>
#include <QResizeEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>
#include <utility>

#include "app/ProgramFiles.h"
#include "render/DrawingFont.h"
#include "render/Translate.h"
#include "ui/HelpSupport.h"
#include "ui/KeyboardHook.h"
#include "ui/QtPrinter.h"
#include "ui/SaisiesDialog.h"
#include "ui/UiApplication.h"

namespace umbrix {

namespace {

QRect ToQRect(const PixelRect& r) { return {r.left, r.top, r.width, r.height}; }

/// The panes' texts are CR LF lines; Qt's are line feeds.
QString FromCrLf(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string ToCrLf(const QString& text) {
  return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

/// `text` in a pane. With as many lines as the pane holds, only the lines that differ are
/// replaced: the pane stays where the maker scrolled it, and lays out only those lines again (a
/// drag changes a few numbers of the report at every step).
void ShowLines(QPlainTextEdit& pane, const QString& text) {
  QTextDocument& document = *pane.document();
  const QStringList lines = text.split(QLatin1Char('\n'));
  if (lines.size() != document.blockCount()) {
    pane.setPlainText(text);
    return;
  }
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  for (int i = 0; i < lines.size(); ++i) {
    const QTextBlock block = document.findBlockByNumber(i);
    if (block.text() == lines[i]) continue;
    cursor.setPosition(block.position());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(lines[i]);
  }
  cursor.endEditBlock();
}

/// The local files of a drop, every path whole.
std::vector<std::string> DroppedFiles(const QMimeData& data) {
  std::vector<std::string> files;
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  }
  return files;
}

/// Where an untitled project keeps its desk-dial settings: the user's settings folder.
std::filesystem::path DeskSettingsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
}

// how often the report pane follows a drag
constexpr qint64 kReportEveryMs = 100;

const QKeySequence kDeskKey(QStringLiteral("Ctrl+H"), QKeySequence::PortableText);

}  // namespace

/// The client area: the drawing painted at (0, 0) at the screen's resolution, the panes placed
/// by the layout rules.
class MainWindow::ClientArea final : public QWidget {
 public:
  ClientArea(MainWindow& owner) : QWidget(&owner), owner_(owner) {
    // every pixel painted here, so that Qt does not fill the window's background under the
    // drawing first: at x2 that doubled the cost of a repaint
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    owner_.FollowScreenRatio(devicePixelRatioF());
    QPainter painter(this);
    const QImage& image = owner_.drawing_.ScreenImage();
    const QRect drawn(QPoint(0, 0), image.deviceIndependentSize().toSize());
    for (const QRect& beside : QRegion(event->rect()).subtracted(drawn)) {
      painter.fillRect(beside, palette().window());
    }
    painter.drawImage(QPointF(0, 0), image);
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
    if (owner_.reportDue_.isActive()) owner_.ShowReport();
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

/// The splitter: a thin band left of the report pane, over the drawing's blank margin; dragging
/// it widens or narrows the report pane.
class MainWindow::SplitHandle final : public QWidget {
 public:
  static constexpr int kWidth = 5;
  SplitHandle(MainWindow& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setObjectName(QStringLiteral("Splitter"));
    setCursor(Qt::SplitHCursor);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override { grab_ = event->position().toPoint().x(); }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (!event->buttons().testFlag(Qt::LeftButton)) return;
    // the handle's new left keeps the point grabbed under the mouse
    const int left = mapToParent(event->position().toPoint()).x() - grab_;
    const int width = parentWidget()->width();
    owner_.SetReportWidth(ReportPaneWidth(width, width - 5 - left - kWidth));
  }

 private:
  int grab_ = 0;
  MainWindow& owner_;
};

QWidget* MainWindow::Splitter() const { return split_; }

void MainWindow::SetReportWidth(int width) {
  // kept as asked: the layout fits it to the client area of the moment
  const int kept = std::max(width, 0);
  if (kept == reportWidth_) return;
  reportWidth_ = kept;
  ClientResized({client_->width(), client_->height()});
}

MainWindow::MainWindow(Prompts& prompts, Services& services, std::function<bool()> busy,
                       SessionSettings settings)
    : busy_(busy ? std::move(busy) : [] { return false; }),
      printer_(std::make_unique<QtPrinter>()),
      prompts_(prompts),
      services_(services) {
  printer_->SetParent(this);
  englishUi_ = settings.englishUi;
  nextLanguage_ = StoredLanguage();
  // the print dialog is a modal loop of its own
  busy_ = [outer = std::move(busy_), this] { return outer() || printer_->Busy(); };
  setObjectName(QStringLiteral("Umbrix"));
  setFont(WindowFont());
  setWindowTitle(QStringLiteral("Umbrix"));
  setAcceptDrops(true);
  // the program ends through its own quit path only: never because a box or the desk dial's
  // tool window was the last window to close
  QGuiApplication::setQuitOnLastWindowClosed(false);

  client_ = new ClientArea(*this);
  const PixelSize minimum = MinimumClientSize();
  client_->setMinimumSize(minimum.width, minimum.height);
  setCentralWidget(client_);

  report_ = new QPlainTextEdit(client_);
  report_->setObjectName(QStringLiteral("Memo1"));
  report_->setReadOnly(true);
  report_->setUndoRedoEnabled(false);  // its lines are replaced in place, step after step
  report_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  commentsCaption_ = new QLabel(tr("Mes commentaires :"), client_);
  commentsCaption_->setObjectName(QStringLiteral("Label1"));
  comments_ = new QPlainTextEdit(client_);
  comments_->setObjectName(QStringLiteral("Memo2"));
  comments_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  commentsCaption_->setBuddy(comments_);
  modeLabel_ = new QLabel(client_);
  modeLabel_->setObjectName(QStringLiteral("Label2"));
  split_ = new SplitHandle(*this, client_);
  setTabOrder(comments_, report_);
  connect(comments_, &QPlainTextEdit::textChanged, this, [this] {
    shownComments_ = ToCrLf(comments_->toPlainText());
    Forward([this] { session_->CommentsEdited(shownComments_); });
  });

  drawing_.OnPresent([this] {
    // only where the drawing is and was: the panes beside it repaint when their own text changes
    const QRect drawn(QPoint(0, 0), drawing_.ScreenImage().deviceIndependentSize().toSize());
    client_->update(QRegion(drawn).united(presented_));
    presented_ = drawn;
  });
  drawing_.SetScreenRatio(devicePixelRatioF());
  const MainLayout layout = LayOutMainWindow(minimum);
  drawing_.SetRoom({layout.reportPane.left, layout.commentsPane.top});

  BuildMenus();
  session_ =
      std::make_unique<Session>(Ports{prompts, *this, drawing_, services}, std::move(settings));
  hands_ = std::make_unique<Manipulation>(*session_, prompts);
  exports_ = std::make_unique<ExportCommands>(*session_, prompts, services);
  files_ = std::make_unique<FileCommands>(*session_, prompts, *this);
  UsePrinter(*printer_);
  desk_ = std::make_unique<DeskDial>(*session_, prompts, *this, DeskSettingsFolder());
  deskTimer_.setInterval(kDeskTickMs);
  // a redraw every 20 seconds needs no precision: the system may group its wake-ups
  deskTimer_.setTimerType(Qt::VeryCoarseTimer);
  connect(&deskTimer_, &QTimer::timeout, this, [this] { desk_->Tick(); });
  reportDue_.setSingleShot(true);
  connect(&reportDue_, &QTimer::timeout, this, [this] { ShowReport(); });
  deskSettle_.setSingleShot(true);
  deskSettle_.setInterval(150);
  connect(&deskSettle_, &QTimer::timeout, this, [this] {
    if (!deskLook_ || !session_->DeskMode()) return;
    const QMargins f = Frame();
    JudgeDeskSize(size() + QSize(f.left() + f.right(), f.top() + f.bottom()), true);
  });
  BuildDeskPopup();
  // the drawing takes the keys while the panes are disabled in interactive mode
  client_->setFocusPolicy(Qt::ClickFocus);
  new KeyboardHook(*this);
  dialog_ = new SaisiesDialog(
      *session_, [this] { RefreshAll(); }, busy_, this);
  help_ = new HelpSupport(*this, prompts, englishUi_);
  RegisterSessionCommands(commands_, *session_);
  RegisterExportCommands(commands_, *exports_);
  RegisterFileCommands(commands_, *files_);
  desk_->Register(commands_);
  help_->Register(commands_);
  RegisterLanguageChoice();
  BuildWelcome();
  ListExamples(LocateProgramFile(QCoreApplication::applicationDirPath().toStdString(), "examples"));
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

void MainWindow::WaitUntilFramed(int timeoutMs) {
  const bool framed = QGuiApplication::platformName() == QLatin1String("xcb");
  const auto ready = [this, framed] {
    const QWindow* w = windowHandle();
    return w != nullptr && w->isExposed() && (!framed || !w->frameMargins().isNull());
  };
  QElapsedTimer clock;
  clock.start();
  // wakes the wait below while the window system has nothing to say
  QTimer nudge;
  nudge.start(20);
  while (!ready() && clock.elapsed() < timeoutMs) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

bool MainWindow::event(QEvent* event) {
  // a box opened in the middle of a command: the window behind it shows the state as it stands
  if (event->type() == QEvent::WindowBlocked && session_ && !refreshing_) PullView();
  // the normal frame, seen while the window can show it, for the desk dial's placements
  if (event->type() == QEvent::Move || event->type() == QEvent::WindowActivate) Frame();
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
    const QString caption = Translated(kMenuContext, row.caption);
    QMenu* parent = row.parent ? menus.at(*row.parent) : nullptr;
    if (row.kind == MenuKind::Menu) {
      QMenu* menu = parent != nullptr ? parent->addMenu(caption) : menuBar()->addMenu(caption);
      menu->setObjectName(QString::fromLatin1(row.name));
      menu->menuAction()->setObjectName(QString::fromLatin1(row.name));
      menus[row.id] = menu;
      actions_[row.id] = menu->menuAction();
      continue;
    }
    QAction* action =
        parent != nullptr ? parent->addAction(caption) : menuBar()->addAction(caption);
    action->setObjectName(QString::fromLatin1(row.name));
    QList<QKeySequence> keys;
    for (const std::string& key : ShortcutsOf(row, englishUi_)) {
      keys << QKeySequence(QString::fromStdString(key), QKeySequence::PortableText);
    }
    // the first key is the one the menu shows; the second works as well
    if (!keys.isEmpty()) action->setShortcuts(keys);
    action->setCheckable(row.kind == MenuKind::Option || LanguageItemOf(row.id).has_value());
    // the hint of a disabled item shows as its tooltip
    if (*row.disabledHint != '\0' && parent != nullptr) parent->setToolTipsVisible(true);
    const MenuId id = row.id;
    connect(action, &QAction::triggered, this,
            [this, id] { Forward([this, id] { commands_.Run(id); }); });
    actions_[row.id] = action;
  }
}

void MainWindow::RegisterLanguageChoice() {
  for (const MenuId id : {MenuId::LangueBureau1, MenuId::LangueFrancais1, MenuId::LangueAnglais1}) {
    const LanguageItem item = *LanguageItemOf(id);
    const std::optional<InterfaceLanguageId> language =
        item == LanguageItem::Desktop  ? std::nullopt
        : item == LanguageItem::French ? std::optional(InterfaceLanguageId::French)
                                       : std::optional(InterfaceLanguageId::English);
    commands_.Add(
        id,
        [this, language] {
          nextLanguage_ = language;
          StoreLanguage(nextLanguage_);
          prompts_.ShowMessage(InfoMessage(kLanguageNextStartText));
        },
        [this, language] {
          return MenuItemState{nextLanguage_ == language, true};
        });
  }
}

void MainWindow::UsePrinter(Printer& printer) {
  printing_ = std::make_unique<PrintCommands>(*session_, prompts_, printer, services_);
  printing_->ConfirmTrueScaleSheets(true);
  RegisterPrintCommands(commands_, *printing_);
}

void MainWindow::BuildDeskPopup() {
  popup_ = new QMenu(this);
  popup_->setObjectName(QString::fromLatin1(RowOf(MenuId::MenCont).name));
  for (const MenuRow& row : MenuTable()) {
    if (row.parent != MenuId::MenCont) continue;
    QAction* action = popup_->addAction(Translated(kMenuContext, row.caption));
    action->setObjectName(QString::fromLatin1(row.name));
    action->setCheckable(row.kind == MenuKind::Option);
    const MenuId id = row.id;
    connect(action, &QAction::triggered, this,
            [this, id] { Forward([this, id] { commands_.Run(id); }); });
    // its shortcut must work while the popup is closed and the menu bar hidden
    addAction(action);
    actions_[row.id] = action;
  }
  // a held Ctrl+H switches once, not at the keyboard's repeat rate
  Action(MenuId::CadBur1)->setAutoRepeat(false);
  Action(MenuId::RetUmbrix1)->setAutoRepeat(false);
  client_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(client_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (deskLook_) popup_->popup(client_->mapToGlobal(at));
  });
}

void MainWindow::Forward(const std::function<void()>& command) {
  command();
  RefreshAll();
}

void MainWindow::ClientResized(PixelSize client) {
  // the desk dial shows no pane and sizes its bitmap from its own rule
  if (deskLook_) return;
  const MainLayout layout = LayOutMainWindow(client, reportWidth_);
  report_->setGeometry(ToQRect(layout.reportPane));
  split_->setGeometry(layout.reportPane.left - SplitHandle::kWidth, 0, SplitHandle::kWidth,
                      layout.reportPane.height);
  split_->raise();
  // the captions take the desktop font's room: the comments pane starts after its caption and
  // keeps its right edge
  commentsCaption_->adjustSize();
  modeLabel_->adjustSize();
  PixelRect comments = layout.commentsPane;
  const int after = design::kCommentsCaption.left + commentsCaption_->width() + 6;
  if (after > comments.left) {
    comments.width -= after - comments.left;
    comments.left = after;
  }
  // one line of the desktop font at least
  comments.height = std::max(
      comments.height, comments_->fontMetrics().lineSpacing() + 2 * comments_->frameWidth() + 8);
  comments.top = layout.commentsPane.top + layout.commentsPane.height - comments.height;
  comments_->setGeometry(ToQRect(comments));
  commentsCaption_->move(design::kCommentsCaption.left, comments.top);
  modeLabel_->move(design::kModeLabel.left,
                   std::min(layout.modeLabelTop, client.height - modeLabel_->height()));
  drawing_.SetRoom({layout.reportPane.left, layout.commentsPane.top});
  if (welcome_ != nullptr) {
    welcome_->setGeometry(0, 0, layout.reportPane.left, layout.commentsPane.top);
  }
  if (session_) session_->FitDrawing();
}

void MainWindow::BuildWelcome() {
  welcome_ = new QLabel(client_);
  welcome_->setObjectName(QStringLiteral("Bienvenue"));
  welcome_->setTextFormat(Qt::RichText);
  welcome_->setWordWrap(true);
  welcome_->setMargin(16);
  welcome_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  welcome_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  const auto link = [](const char* target, const QString& text) {
    return QStringLiteral("<li><a href=\"%1\">%2</a></li>")
        .arg(QLatin1String(target), text.toHtmlEscaped());
  };
  const QString intro = tr("Aucun cadran pour l'instant. Pour commencer :").toHtmlEscaped();
  welcome_->setText(QStringLiteral("<p>%1</p><ul>").arg(intro) +
                    link("exemples", tr("ouvrir un exemple (Fichier › Exemples)")) +
                    link("saisies", tr("saisir une nouvelle mesure (Saisies)")) +
                    link("aide", tr("lire l'aide (F1)")) + QStringLiteral("</ul>"));
  connect(welcome_, &QLabel::linkActivated, this, &MainWindow::FollowWelcomeLink);
}

void MainWindow::FollowWelcomeLink(const QString& link) {
  if (link == QLatin1String("exemples")) {
    QMenu* examples = Action(MenuId::Exemples1)->menu();
    examples->popup(welcome_->mapToGlobal(welcome_->rect().center()));
  } else if (link == QLatin1String("saisies")) {
    Action(MenuId::Saisies1)->trigger();
  } else {
    Action(MenuId::Aide1)->trigger();
  }
}

void MainWindow::ListExamples(const std::filesystem::path& folder) {
  QMenu* menu = Action(MenuId::Exemples1)->menu();
  menu->clear();
  for (const ExampleProject& example : umbrix::ListExamples(folder)) {
    QAction* item = menu->addAction(QString::fromStdString(example.title));
    item->setObjectName(QString::fromStdString(example.file.stem().string()));
    const std::string file = example.file.string();
    // opened as a dropped file is: the pending entry read, unsaved work asked about
    connect(item, &QAction::triggered, this,
            [this, file] { Forward([this, file] { files_->DropFiles({file}); }); });
  }
  menu->menuAction()->setEnabled(!menu->isEmpty());
}

void MainWindow::RefreshAll() {
  if (refreshing_) return;
  refreshing_ = true;
  PullView();
  // the first start's help stays until a dial is drawn or a project opened, then for good
  welcomeDone_ =
      welcomeDone_ || session_->State().DrawingExists || !session_->State().ProjectFileName.empty();
  const bool welcome = !welcomeDone_ && !session_->DeskMode();
  if (welcome_->isVisibleTo(client_) != welcome) welcome_->setVisible(welcome);
  const QString mode = session_->State().TestMode ? tr("Map") : QString();
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
    case DrawingCursor::Default:
      client_->unsetCursor();
      break;
    case DrawingCursor::Move:
      client_->setCursor(Qt::SizeAllCursor);
      break;
    case DrawingCursor::Time:
      client_->setCursor(Qt::SizeHorCursor);
      break;
    case DrawingCursor::Date:
      client_->setCursor(Qt::SizeVerCursor);
      break;
  }
}

void MainWindow::PullView() {
  const QString title = QString::fromStdString(session_->Title());
  if (windowTitle() != title) {
    setWindowTitle(title);
    if (deskLook_) client_->setToolTip(title);
  }
  // compared first: a report drawn again with the same text is left alone
  if (shownReport_ != session_->ReportPane()) {
    const qint64 since = reportShown_.isValid() ? reportShown_.elapsed() : kReportEveryMs;
    if (hands_ && hands_->Dragging() && since < kReportEveryMs) {
      if (!reportDue_.isActive()) reportDue_.start(static_cast<int>(kReportEveryMs - since));
    } else {
      ShowReport();
    }
  }
  if (shownComments_ != session_->Project().Comments) {
    shownComments_ = session_->Project().Comments;
    // the project's own comments are not an edit of them
    const QSignalBlocker block(comments_);
    comments_->setPlainText(FromCrLf(shownComments_));
  }
  RefreshMenus();
}

void MainWindow::ShowReport() {
  reportDue_.stop();
  reportShown_.start();
  if (shownReport_ == session_->ReportPane()) return;
  shownReport_ = session_->ReportPane();
  ShowLines(*report_, FromCrLf(shownReport_));
}

void MainWindow::FollowScreenRatio(double ratio) {
  if (ratio == drawing_.ScreenRatio()) return;
  // the screen image keeps the bitmap's content until the dial is traced at the new ratio
  drawing_.SetScreenRatio(ratio);
  if (session_ && session_->State().DrawingExists && !busy_()) session_->RedrawWithoutReport();
}

void MainWindow::ShowMainWindow() {
  show();
  raise();
}

void MainWindow::ShowDialog() {
  dialog_->ShowAt([this](QSize dialog) {
    const QScreen* on = screen();
    const QRect screen = on != nullptr ? on->availableGeometry() : QRect(QPoint(0, 0), dialog);
    const QRect outer = frameGeometry();
    const QPoint origin = client_->mapToGlobal(QPoint(0, 0));
    const QSize room = drawing_.Bitmap().size();
    const QImage& image = drawing_.Bitmap();
    const QRgb blank = qRgb(255, 255, 255);
    // the drawn pixels under a box of the drawing, one in four counted
    const auto ink = [&](const PixelRect& box) {
      int count = 0;
      for (int y = box.top; y < std::min(box.top + box.height, image.height()); y += 2)
        for (int x = box.left; x < std::min(box.left + box.width, image.width()); x += 2)
          if (image.pixel(x, y) != blank) ++count;
      return count;
    };
    const PixelRect at = PlaceDialog({screen.left(), screen.top(), screen.width(), screen.height()},
                                     {outer.left(), outer.top(), outer.width(), outer.height()},
                                     {dialog.width(), dialog.height()},
                                     {origin.x(), origin.y(), room.width(), room.height()}, ink);
    return QPoint(at.left, at.top);
  });
}

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
  textWindow_->setWindowTitle(Translated(kMessageContext, title));
  textWindow_->findChild<QPlainTextEdit*>()->setPlainText(FromCrLf(text));
  textWindow_->show();
  textWindow_->raise();
  textWindow_->activateWindow();
}

void MainWindow::RefreshMenus() {
  ++menuRefreshes_;
  for (const auto& [id, action] : actions_) {
    const std::optional<MenuItemState> registered = commands_.State(id);
    // a menu runs nothing: it keeps the state the window gave it ("&Exemples" without examples)
    if (!registered) continue;
    const MenuItemState state = *registered;
    const QSignalBlocker block(action);
    if (action->isCheckable() && action->isChecked() != state.checked) {
      action->setChecked(state.checked);
    }
    if (action->isEnabled() != state.enabled) action->setEnabled(state.enabled);
    const char* hint = RowOf(id).disabledHint;
    if (*hint != '\0') {
      const QString tip = state.enabled ? QString() : Translated(kMenuContext, hint);
      if (action->toolTip() != tip) action->setToolTip(tip);
    }
  }
}

void MainWindow::Terminate() {
  // queued: the command that asked is still running, and the loop may not have started yet;
  // an exit, not a quit, which would close the window and ask the save question a second time
  QMetaObject::invokeMethod(
      qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!files_->CloseRequested()) {
    event->ignore();
    RefreshAll();
    return;
  }
  dialog_->hide();
  help_->CloseWindows();
  event->accept();
  // the main window's close is the program's end, in either look
  Terminate();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (deskLook_) return;
  if (!DroppedFiles(*event->mimeData()).empty()) event->acceptProposedAction();
}

// ---------------------------------------------------------------- the desk dial's window

QMargins MainWindow::Frame() const {
  // a hidden window has no frame to tell, a maximized one (or one just restored) has lost its
  // borders: the last normal frame seen stands in
  if (isVisible() && !isMaximized() && !restored_ && windowHandle() != nullptr) {
    const QMargins now = windowHandle()->frameMargins();
    if (!now.isNull()) frame_ = now;
  }
  return frame_;
}

ScreenRect MainWindow::Placement() const {
  if (restored_) return *restored_;
  const QMargins f = Frame();
  const QRect g = geometry();
  return {g.x() - f.left(), g.y() - f.top(), g.width() + f.left() + f.right(),
          g.height() + f.top() + f.bottom()};
}

ScreenRect MainWindow::ClientSize() const {
  if (deskLook_) return {0, 0, width(), height()};
  return {0, 0, client_->width(), client_->height()};
}

ScreenRect MainWindow::MinimumSize() const {
  const QMargins f = Frame();
  const QSize m = minimumSize().expandedTo(minimumSizeHint());
  return {0, 0, m.width() + f.left() + f.right(), m.height() + f.top() + f.bottom()};
}

ScreenRect MainWindow::NormalPlacement() const {
  if (!isMaximized()) return Placement();
  const QMargins f = Frame();
  const QRect n = normalGeometry();
  return {n.x() - f.left(), n.y() - f.top(), n.width() + f.left() + f.right(),
          n.height() + f.top() + f.bottom()};
}

ScreenRect MainWindow::DeskFrame() const {
  // the desk look has no menu bar nor pane: only the window manager's frame
  const QMargins f = Frame();
  return {0, 0, f.left() + f.right(), f.top() + f.bottom()};
}

int MainWindow::DeskMarginPx() const { return MeasureDeskMargin(); }

void MainWindow::SetMinimumOuterSize(int width, int height) {
  const QMargins f = Frame();
  setMinimumSize(std::max(0, width - f.left() - f.right()),
                 std::max(0, height - f.top() - f.bottom()));
}

void MainWindow::Place(const ScreenRect& outer) {
  restored_.reset();
  const QMargins f = Frame();
  const QSize inner = QSize(outer.width - f.left() - f.right(), outer.height - f.top() - f.bottom())
                          .expandedTo(minimumSize());
  // the size placed is the one the desk dial's next resize is judged against
  deskSize_ = inner + QSize(f.left() + f.right(), f.top() + f.bottom());
  resize(inner);
  move(outer.left, outer.top);
}

void MainWindow::Apply(const DeskLook& look) {
  applyingLook_ = true;
  if (look.desk) dialog_->hide();
  if (isMaximized()) {
    // the frame of the restored window is the last normal one seen
    restored_ = NormalPlacement();
    setWindowState(windowState() & ~Qt::WindowMaximized);
  }
  hide();
  if (look.ticking) {
    deskTimer_.start();
  } else {
    deskTimer_.stop();
  }
  SetStayOnTop(look.stayOnTop);
  SetDeskLook(look.desk);
  drawing_.UseDeskFont(look.desk);
  SetMinimumOuterSize(look.minWidth, look.minHeight);
  if (!look.desk) SetReportWidth(look.reportWidth);
  Place(look.place);
  if (look.maximized) setWindowState(windowState() | Qt::WindowMaximized);
  show();
  raise();
  applyingLook_ = false;
}

void MainWindow::SetDeskLook(bool desk) {
  deskLook_ = desk;
  // the little window has no title bar to read: the project's name shows over it
  client_->setToolTip(desk ? windowTitle() : QString());
  // the first size is the normal window's: a desk dial opened at start-up keeps its own
  initialMargins_.reset();
  menuBar()->setVisible(!desk);
  for (QWidget* pane : {static_cast<QWidget*>(report_), static_cast<QWidget*>(comments_),
                        static_cast<QWidget*>(commentsCaption_), static_cast<QWidget*>(modeLabel_),
                        static_cast<QWidget*>(split_)}) {
    pane->setVisible(!desk);
  }
  setAcceptDrops(!desk);
  const PixelSize minimum = MinimumClientSize();
  client_->setMinimumSize(desk ? QSize(0, 0) : QSize(minimum.width, minimum.height));
  // one Ctrl+H at a time: the menu bar's while it shows, the popup's in its place
  Action(MenuId::CadBur1)->setShortcut(desk ? QKeySequence() : kDeskKey);
  Action(MenuId::RetUmbrix1)->setShortcut(desk ? kDeskKey : QKeySequence());
  const Qt::WindowFlags flags =
      (windowFlags() & ~Qt::WindowType_Mask) | (desk ? Qt::Tool : Qt::Window);
  if (flags != windowFlags()) setWindowFlags(flags);
  deskSize_.reset();
  deskSettle_.stop();
}

void MainWindow::SetStayOnTop(bool on) {
  Qt::WindowFlags flags = windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, on);
  if (flags == windowFlags()) return;
  if (isVisible() && windowHandle() != nullptr) {
    // told to the window system alone: re-creating the window would hide, move and activate it
    overrideWindowFlags(flags);
    windowHandle()->setFlags(flags);
  } else {
    setWindowFlags(flags);
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!deskLook_ || !session_->DeskMode() || applyingLook_) return;
  const QMargins f = Frame();
  // the window manager resizes without asking: the rule is applied to what it did
  JudgeDeskSize(event->size() + QSize(f.left() + f.right(), f.top() + f.bottom()), false);
}

void MainWindow::JudgeDeskSize(QSize proposed, bool settling) {
  if (!deskSize_) {
    AcceptDeskSize(proposed);
    return;
  }
  const auto answer = desk_->ResizeRequest({proposed.width(), proposed.height()},
                                           {deskSize_->width(), deskSize_->height()});
  const QSize keep = answer ? QSize(answer->width, answer->height) : *deskSize_;
  if (keep == proposed) {
    AcceptDeskSize(proposed);
    return;
  }
  // a window manager dragging the border ignores a size asked meanwhile: ask once it settles,
  // and never redraw at a size about to change
  if (settling) {
    if (++settleTries_ > 3) {
      // the window system will not have the rule's size: its own stands
      AcceptDeskSize(proposed);
      return;
    }
    const QMargins f = Frame();
    resize(keep - QSize(f.left() + f.right(), f.top() + f.bottom()));
  }
  deskSettle_.start();
}

void MainWindow::AcceptDeskSize(QSize outer) {
  deskSettle_.stop();
  settleTries_ = 0;
  deskSize_ = outer;
  desk_->Resized();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::vector<std::string> files = DroppedFiles(*event->mimeData());
  if (files.empty()) return;
  event->acceptProposedAction();
  Forward([this, &files] { files_->DropFiles(files); });
}

}  // namespace umbrix
