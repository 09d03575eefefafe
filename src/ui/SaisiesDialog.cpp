#include "ui/SaisiesDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Session.h"
#include "form/Form.h"
#include "render/Translate.h"
#include "ui/UiApplication.h"

namespace umbrix {

namespace {

using C = ControlId;

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::optional<Field> FieldOf(ControlId id) {
  const int i = static_cast<int>(id);
  if (i < kFieldCount) return static_cast<Field>(i);
  return std::nullopt;
}

std::optional<TestField> TestFieldOf(ControlId id) {
  const int i = static_cast<int>(id) - kFieldCount;
  if (i >= 0 && i < kTestFieldCount) return static_cast<TestField>(i);
  return std::nullopt;
}

std::optional<Check> CheckOf(ControlId id) {
  const int i = static_cast<int>(id) - static_cast<int>(C::Rectg);
  if (i >= 0 && i <= static_cast<int>(Check::Sequ)) return static_cast<Check>(i);
  return std::nullopt;
}

std::optional<Radio> RadioOf(ControlId id) {
  const int i = static_cast<int>(id) - static_cast<int>(C::Nord);
  if (i >= 0 && i <= static_cast<int>(Radio::Douest)) return static_cast<Radio>(i);
  return std::nullopt;
}

bool IsEdit(ControlId id) { return FieldOf(id) || TestFieldOf(id) || id == C::NomFic; }

/// A focus change the user made inside the dialog (not the window losing activation, nor a
/// popup opening over the field).
bool IsLeave(const QFocusEvent& e) {
  return e.reason() != Qt::ActiveWindowFocusReason && e.reason() != Qt::PopupFocusReason;
}

/// Builds the rows of one grid: caption, control, unit, companion.
class Rows {
 public:
  Rows(SaisiesDialog& dialog, QGridLayout& grid,
       const std::function<void(ControlId, QWidget*)>& reg)
      : dialog_(dialog), grid_(grid), reg_(reg) {}

  QLineEdit* Edit(ControlId id, std::optional<ControlId> companion = std::nullopt,
                  QWidget* caption = nullptr) {
    const ControlInfo& info = InfoOf(id);
    auto* edit = new QLineEdit(&dialog_);
    edit->setMaximumWidth(160);
    edit->setObjectName(QString::fromLatin1(NameOf(id)));
    reg_(id, edit);
    if (caption == nullptr && *info.caption != '\0') {
      auto* label = new QLabel(Translated(kControlContext, info.caption), &dialog_);
      label->setBuddy(edit);
      caption = label;
    }
    if (caption != nullptr) grid_.addWidget(caption, row_, 0);
    grid_.addWidget(edit, row_, 1);
    if (*info.unit != '\0')
      grid_.addWidget(new QLabel(Translated(kControlContext, info.unit), &dialog_), row_, 2);
    if (companion) {
      auto* label = new QLabel(&dialog_);
      label->setObjectName(QString::fromLatin1(NameOf(*companion)));
      label->setMinimumWidth(120);
      reg_(*companion, label);
      grid_.addWidget(label, row_, 3);
    }
    ++row_;
    return edit;
  }

  QCheckBox* Box(ControlId id) {
    auto* box = new QCheckBox(Translated(kControlContext, InfoOf(id).caption), &dialog_);
    box->setObjectName(QString::fromLatin1(NameOf(id)));
    reg_(id, box);
    grid_.addWidget(box, row_++, 0, 1, 4);
    return box;
  }

  /// Two radio buttons of one pair, in a frameless group of their own, on the last row.
  /// `group` is the pair's own frameless group, when the model rules it apart from its row.
  void Radios(std::optional<ControlId> group, ControlId a, ControlId b, int column) {
    auto* holder = new QWidget(&dialog_);
    auto* line = new QHBoxLayout(holder);
    line->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QButtonGroup(holder);
    for (const ControlId id : {a, b}) {
      auto* radio = new QRadioButton(Translated(kControlContext, InfoOf(id).caption), holder);
      radio->setObjectName(QString::fromLatin1(NameOf(id)));
      buttons->addButton(radio);
      reg_(id, radio);
      line->addWidget(radio);
    }
    line->addStretch();
    if (group) {
      holder->setObjectName(QString::fromLatin1(NameOf(*group)));
      reg_(*group, holder);
    }
    grid_.addWidget(holder, row_ - 1, column, 1, 4 - column);
  }

  /// A titled group box holding rows of its own.
  Rows Group(ControlId id) {
    auto* box = new QGroupBox(Translated(kControlContext, InfoOf(id).caption), &dialog_);
    box->setObjectName(QString::fromLatin1(NameOf(id)));
    reg_(id, box);
    grid_.addWidget(box, row_++, 0, 1, 4);
    auto* inner = new QGridLayout(box);
    return Rows(dialog_, *inner, reg_);
  }

  QPushButton* Button(ControlId id, int column = 0) {
    auto* button = new QPushButton(Translated(kControlContext, InfoOf(id).caption), &dialog_);
    button->setObjectName(QString::fromLatin1(NameOf(id)));
    reg_(id, button);
    grid_.addWidget(button, row_, column);
    return button;
  }
  void NextRow() { ++row_; }
  void Stretch() { grid_.setRowStretch(row_, 1); }
  QGridLayout& Grid() { return grid_; }
  int Row() const { return row_; }

  static const char* NameOf(ControlId id);

 private:
  SaisiesDialog& dialog_;
  QGridLayout& grid_;
  const std::function<void(ControlId, QWidget*)>& reg_;
  int row_ = 0;
};

const char* Rows::NameOf(ControlId id) {
  static constexpr std::array<const char*, kControlCount> kNames = {
      "Cote",        "Coteh",          "Cotel",
      "Gnomon",      "Gnomf",          "Gnomx",
      "Gnomy",       "Date1",          "Heure1",
      "Mesx1",       "Mesy1",          "Date2",
      "Heure2",      "Mesx2",          "Mesy2",
      "Lat",         "MiJour",         "Long",
      "FusHor",      "Dadiur",         "Hediur",
      "DecEd",       "IncEd",          "RotEd",
      "Carreau",     "Edit20",         "Edit21",
      "Edit22",      "Edit23",         "Edit24",
      "Edit25",      "Edit26",         "NomFic",
      "Adate1",      "Aheure1",        "Adate2",
      "Aheure2",     "Amijour",        "Adadiur",
      "Ahediur",     "Rectg",          "Hautf",
      "Limite",      "Mijou",          "Locc",
      "Hvrai",       "Corref",         "Pta12h",
      "Sequ",        "Nord",           "Sud",
      "Est",         "Ouest",          "Dest",
      "Douest",      "TypeHeure",      "Zone",
      "GroupCotes",  "GroupFinal",     "GroupNordSud",
      "GroupMiJour", "GroupLongitude", "GroupSimulation",
      "Outil",       "Caldir",         "Simul",
      "Button2",     "Button3",        "Button1"};
  return kNames[static_cast<int>(id)];
}

}  // namespace

SaisiesDialog::SaisiesDialog(Session& session, std::function<void()> refreshAll,
                             std::function<bool()> busy, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      session_(session),
      form_(session.Dialog()),
      refreshAll_(std::move(refreshAll)),
      busy_(std::move(busy)) {
  setObjectName(QStringLiteral("Saisies"));
  setFont(WindowFont());
  setWindowTitle(tr("Saisies"));
  setModal(false);
  Build();
  Wire();
  Refresh();
}

void SaisiesDialog::Register(ControlId id, QWidget* widget) {
  widgets_[static_cast<int>(id)] = widget;
  widget->setToolTip(Translated(kControlContext, InfoOf(id).hint));
  widget->installEventFilter(this);
}

std::optional<ControlId> SaisiesDialog::IdOf(const QObject* widget) const {
  for (int i = 0; i < kControlCount; ++i) {
    if (widgets_[i] == widget) return static_cast<ControlId>(i);
  }
  return std::nullopt;
}

void SaisiesDialog::Build() {
  auto* outer = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("Onglets"));
  for (int t = 0; t < kTabCount; ++t) {
    tabs_->addTab(BuildTab(static_cast<Tab>(t)),
                  Translated(kControlContext, TabCaption(static_cast<Tab>(t))));
  }
  tabs_->tabBar()->installEventFilter(this);
  outer->addWidget(tabs_);
  explanation_ = new QLabel(this);
  explanation_->setObjectName(QStringLiteral("Explication"));
  explanation_->setWordWrap(true);
  explanation_->setTextFormat(Qt::PlainText);
  explanation_->setForegroundRole(QPalette::Link);
  outer->addWidget(explanation_);

  auto* under = new QGridLayout;
  const std::function<void(ControlId, QWidget*)> reg = [this](ControlId id, QWidget* w) {
    Register(id, w);
  };
  Rows rows(*this, *under, reg);
  rows.Edit(C::Carreau);
  auto* compute = rows.Button(C::Button1, 3);
  compute->setDefault(true);
  under->setColumnStretch(3, 1);
  under->setAlignment(compute, Qt::AlignRight);
  outer->addLayout(under);
}

QWidget* SaisiesDialog::BuildTab(Tab tab) {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  const std::function<void(ControlId, QWidget*)> reg = [this](ControlId id, QWidget* w) {
    Register(id, w);
  };
  Rows rows(*this, *grid, reg);
  switch (tab) {
    case Tab::Cadran: {
      rows.Edit(C::Cote);
      rows.Box(C::Rectg);
      Rows sides = rows.Group(C::GroupCotes);
      sides.Edit(C::Coteh);
      sides.Edit(C::Cotel);
      rows.Edit(C::Gnomon);
      rows.Box(C::Hautf);
      Rows final = rows.Group(C::GroupFinal);
      final.Edit(C::Gnomf);
      final.Edit(C::Gnomx);
      final.Edit(C::Gnomy);
      break;
    }
    case Tab::Point1:
    case Tab::Point2: {
      const bool first = tab == Tab::Point1;
      rows.Edit(first ? C::Date1 : C::Date2, first ? C::Adate1 : C::Adate2);
      rows.Edit(first ? C::Heure1 : C::Heure2, first ? C::Aheure1 : C::Aheure2);
      rows.Edit(first ? C::Mesx1 : C::Mesx2);
      rows.Edit(first ? C::Mesy1 : C::Mesy2);
      break;
    }
    case Tab::Lieu: {
      rows.Box(C::Limite);
      rows.Edit(C::Lat);
      rows.Radios(C::GroupNordSud, C::Nord, C::Sud, 3);
      rows.Box(C::Mijou);
      Rows midday = rows.Group(C::GroupMiJour);
      midday.Edit(C::MiJour, C::Amijour);
      rows.Box(C::Locc);
      rows.Box(C::Hvrai);
      auto* place = new QWidget(this);
      place->setObjectName(QStringLiteral("GroupLongitude"));
      reg(C::GroupLongitude, place);
      grid->addWidget(place, rows.Row(), 0, 1, 4);
      auto* placeGrid = new QGridLayout(place);
      placeGrid->setContentsMargins(0, 0, 0, 0);
      Rows longitude(*this, *placeGrid, reg);
      longitude.Edit(C::Long);
      longitude.Radios(std::nullopt, C::Est, C::Ouest, 3);
      longitude.Edit(C::FusHor);
      BuildZoneList(*placeGrid, longitude.Row());
      rows.NextRow();
      break;
    }
    case Tab::Divers: {
      rows.Edit(C::Dadiur, C::Adadiur);
      auto* kind = new QComboBox(this);
      kind->setObjectName(QStringLiteral("TypeHeure"));
      for (const char* item : kTypeHeureItems) kind->addItem(Translated(kControlContext, item));
      reg(C::TypeHeure, kind);
      rows.Edit(C::Hediur, C::Ahediur, kind);
      rows.Button(C::Outil, 1);
      rows.NextRow();
      Rows simulation = rows.Group(C::GroupSimulation);
      simulation.Edit(C::DecEd);
      simulation.Radios(std::nullopt, C::Dest, C::Douest, 3);
      simulation.Edit(C::IncEd);
      simulation.Edit(C::RotEd);
      simulation.Button(C::Caldir, 1);
      simulation.Button(C::Simul, 3);
      break;
    }
    case Tab::Option:
      rows.Box(C::Sequ);
      rows.Edit(C::NomFic);
      break;
    case Tab::Test:
      rows.Edit(C::Edit20);
      rows.Edit(C::Edit21);
      rows.Edit(C::Edit22);
      rows.Box(C::Corref);
      rows.Edit(C::Edit23);
      rows.Edit(C::Edit24);
      rows.Edit(C::Edit25);
      rows.Edit(C::Edit26);
      rows.Box(C::Pta12h);
      rows.Button(C::Button2, 0);
      rows.Button(C::Button3, 1);
      rows.NextRow();
      break;
  }
  rows.Stretch();
  grid->setColumnStretch(3, 1);
  return page;
}

void SaisiesDialog::BuildZoneList(QGridLayout& grid, int row) {
  auto* caption = new QLabel(Translated(kControlContext, InfoOf(C::Zone).caption), this);
  auto* zones = new QComboBox(this);
  zones->setObjectName(QStringLiteral("Zone"));
  // searchable: any part of a name finds it ("paris", "Kolkata")
  zones->setEditable(true);
  zones->setInsertPolicy(QComboBox::NoInsert);
  zones->setMaxVisibleItems(20);
  for (const ZoneItem& item : form_.ZoneItems()) {
    zones->addItem(item.id.empty() ? Translated(kControlContext, item.caption) : Q(item.caption),
                   Q(item.id));
  }
  zones->completer()->setCompletionMode(QCompleter::PopupCompletion);
  zones->completer()->setFilterMode(Qt::MatchContains);
  zones->completer()->setCaseSensitivity(Qt::CaseInsensitive);
  caption->setBuddy(zones);
  Register(C::Zone, zones);
  grid.addWidget(caption, row, 0);
  grid.addWidget(zones, row, 1, 1, 3);
}

void SaisiesDialog::ChooseZone(int item) {
  auto* zones = qobject_cast<QComboBox*>(Widget(C::Zone));
  const std::string id = zones->itemData(item).toString().toStdString();
  Handle([this, id] {
    if (const auto refused = form_.ChooseZone(id)) form_.Host().ShowMessage(*refused);
  });
}

void SaisiesDialog::Wire() {
  for (int i = 0; i < kControlCount; ++i) {
    const auto id = static_cast<ControlId>(i);
    QWidget* w = widgets_[i];
    if (w == nullptr) continue;
    if (auto* edit = qobject_cast<QLineEdit*>(w); edit != nullptr && IsEdit(id)) {
      // the typed text is in the model at once, so a command re-validates what is on screen
      connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
        if (const auto f = FieldOf(id)) {
          form_.SetText(*f, text.toStdString());
        } else if (const auto t = TestFieldOf(id)) {
          form_.SetText(*t, text.toStdString());
        } else {
          form_.SetNomFic(text.toStdString());
        }
      });
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
      const Check c = *CheckOf(id);
      connect(box, &QCheckBox::clicked, this, [this, c] { Handle([this, c] { form_.Click(c); }); });
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
      const Radio r = *RadioOf(id);
      connect(radio, &QRadioButton::clicked, this,
              [this, r] { Handle([this, r] { form_.Select(r); }); });
    } else if (auto* list = qobject_cast<QComboBox*>(w); list != nullptr && id == C::Zone) {
      connect(list, &QComboBox::activated, this, [this](int item) { ChooseZone(item); });
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
      connect(list, &QComboBox::activated, this,
              [this](int item) { Handle([this, item] { form_.SelectTypeHeure(item); }); });
    }
  }
  const auto button = [this](ControlId id, std::function<void()> command) {
    connect(qobject_cast<QPushButton*>(Widget(id)), &QPushButton::clicked, this,
            [this, command = std::move(command)] { Handle(command); });
  };
  button(C::Button1, [this] { session_.ComputeCommand(RunMode::Compute); });
  button(C::Simul, [this] { session_.ComputeCommand(RunMode::Simulate); });
  button(C::Caldir, [this] { session_.ComputeCommand(RunMode::Trace); });
  button(C::Outil, [this] { session_.EphemerisCommand(); });
  button(C::Button2, [this] { session_.TestComputeCommand(); });
  button(C::Button3, [this] { session_.TestTraceCommand(); });
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    Handle([this, index] { form_.ShowTab(static_cast<Tab>(index)); });
  });
}

void SaisiesDialog::Handle(const std::function<void()>& change) {
  // a box opened by a handler moves the focus and the activation: those are not edits
  if (handling_) return;
  handling_ = true;
  change();
  handling_ = false;
  refreshAll_();
}

bool SaisiesDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tabs_->tabBar() && event->type() == QEvent::Shortcut && !tabShortcut_) {
    // Alt and a tab's letter or digit: the bar picks its tab, even the one already shown, and
    // the focus goes to that tab's first field
    tabShortcut_ = true;
    QCoreApplication::sendEvent(tabs_->tabBar(), event);
    tabShortcut_ = false;
    Handle([this] { form_.ShowTab(static_cast<Tab>(tabs_->currentIndex())); });
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    // Tab from a point's last field goes to the button row, not into another tab's fields
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto id = IdOf(watched);
    if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier &&
        (id == C::Mesy1 || id == C::Mesy2)) {
      Widget(C::Button1)->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) {
    return QDialog::eventFilter(watched, event);
  }
  if (handling_ || busy_()) return false;
  const auto id = IdOf(watched);
  if (!id) return false;
  if (event->type() == QEvent::FocusIn) {
    form_.SetActiveControl(*id);
    appliedFocus_ = *id;
    return false;
  }
  if (!IsLeave(*static_cast<QFocusEvent*>(event))) return false;
  if (const auto f = FieldOf(*id)) {
    Handle([this, f] { form_.Leave(*f); });
  } else if (const auto t = TestFieldOf(*id)) {
    Handle([this, t] { form_.Leave(*t); });
  } else if (*id == C::TypeHeure) {
    Handle([this] { form_.LeaveTypeHeure(); });
  }
  return false;
}

void SaisiesDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || busy_()) return;
  if (isActiveWindow()) {
    form_.SetDialogActive(true);
  } else {
    Handle([this] {
      form_.FormDeactivate();
      form_.SetDialogActive(false);
    });
  }
}

void SaisiesDialog::keyPressEvent(QKeyEvent* event) {
  // Esc does not close the dialog: only its close box hides it
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void SaisiesDialog::ShowAt(const std::function<QPoint(QSize)>& where) {
  if (!placed_) {
    placed_ = true;
    adjustSize();
    move(where(frameGeometry().size()));
  }
  show();
  raise();
  activateWindow();
}

void SaisiesDialog::Refresh() {
  const bool wasHandling = handling_;
  handling_ = true;
  for (int t = 0; t < kTabCount; ++t)
    tabs_->setTabVisible(t, form_.TabVisible(static_cast<Tab>(t)));
  {
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(static_cast<int>(form_.SelectedTab()));
  }
  for (int i = 0; i < kControlCount; ++i) {
    QWidget* w = widgets_[i];
    if (w == nullptr) continue;
    const auto id = static_cast<ControlId>(i);
    const ControlState s = form_.Control(id);
    const QSignalBlocker block(w);
    if (w->isEnabled() != s.enabled) w->setEnabled(s.enabled);
    if (w->isVisibleTo(w->parentWidget()) != s.visible) w->setVisible(s.visible);
    const QString hint = IsEdit(id) || id == C::TypeHeure
                             ? Translated(kControlContext, s.hint, s.hintArgs)
                             : w->toolTip();
    if (w->toolTip() != hint) w->setToolTip(hint);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      // compared first, so the cursor stays where the user left it
      if (edit->text() != Q(s.text)) edit->setText(Q(s.text));
      QPalette palette = edit->palette();
      const QColor base = s.colour == ControlColour::Window
                              ? QApplication::palette().color(QPalette::Base)
                              : QApplication::palette().color(QPalette::Button);
      if (palette.color(QPalette::Base) != base) {
        palette.setColor(QPalette::Base, base);
        edit->setPalette(palette);
      }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->text() != Q(s.text)) label->setText(Q(s.text));
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
      if (box->isChecked() != s.checked) box->setChecked(s.checked);
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
      if (radio->isChecked() != s.checked) radio->setChecked(s.checked);
    } else if (auto* list = qobject_cast<QComboBox*>(w); list != nullptr && id == C::Zone) {
      // a file's zone that the list does not offer (an alias, another system's name) is shown
      if (!s.text.empty() && list->findData(Q(s.text)) < 0) list->addItem(Q(s.text), Q(s.text));
      const int item = list->findData(Q(s.text));
      if (list->currentIndex() != item) list->setCurrentIndex(item);
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
      const int item = list->findText(Translated(kControlContext, s.text));
      if (list->currentIndex() != item) list->setCurrentIndex(item);
    }
  }
  const auto& why = form_.Explanation();
  const QString explanation =
      why ? Translated(kControlContext, why->pattern, why->args) : QString();
  if (explanation_->text() != explanation) explanation_->setText(explanation);
  // the model moved the focus: follow it (a focus the user moved is already the model's)
  const auto wanted = form_.ActiveControl();
  if (wanted != appliedFocus_) {
    appliedFocus_ = wanted;
    if (wanted) {
      // as Tab does: an edit reached so has its text selected, ready to be typed over
      if (QWidget* w = Widget(*wanted)) w->setFocus(Qt::TabFocusReason);
    }
  }
  handling_ = wasHandling;
}

}  // namespace umbrix
