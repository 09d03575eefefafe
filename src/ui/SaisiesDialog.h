#pragma once
// The "Saisies" dialog: a modeless tool window whose every control mirrors the dialog's model.
// It decides nothing: typing, leaving a field, a click or a button go to the form or the session,
// and one refresh copies the model back onto the widgets.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "form/Controls.h"

class QButtonGroup;
class QGridLayout;
class QLabel;
class QTabWidget;

namespace umbrix {

class Form;
class Session;

class SaisiesDialog final : public QDialog {
  Q_OBJECT

 public:
  /// `refreshAll` is the main window's refresh, run after every event the model handled;
  /// `busy` tells that a box is open, during which focus and activation changes are not edits.
  SaisiesDialog(Session& session, std::function<void()> refreshAll, std::function<bool()> busy,
                QWidget* parent);

  /// Copies every control's state from the model; moves the focus where the model put it.
  void Refresh();
  /// Shows the dialog and activates it; the first time at the place `where` gives for its outer
  /// size (screen pixels).
  void ShowAt(const std::function<QPoint(QSize)>& where);

  /// The widget of a control (an edit, a box, a label, a group, a button).
  QWidget* Widget(ControlId id) const { return widgets_[static_cast<int>(id)]; }
  QTabWidget* Tabs() const { return tabs_; }
  /// The line under the tabs that says why the last entry was refused.
  QLabel* ExplanationLine() const { return explanation_; }
  /// The control `widget` is the widget of, if any.
  std::optional<ControlId> ControlAt(const QObject* widget) const { return IdOf(widget); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Build();
  /// The zone list beside `FusHor`, on `row` of the place's grid.
  void BuildZoneList(QGridLayout& grid, int row);
  /// An item of the zone list was chosen.
  void ChooseZone(int item);
  QWidget* BuildTab(Tab tab);
  void Wire();
  /// Runs a model change from an event, then the whole refresh; nested events are dropped.
  void Handle(const std::function<void()>& change);
  void Register(ControlId id, QWidget* widget);
  std::optional<ControlId> IdOf(const QObject* widget) const;

  Session& session_;
  Form& form_;
  std::function<void()> refreshAll_;
  std::function<bool()> busy_;
  QTabWidget* tabs_ = nullptr;
  QLabel* explanation_ = nullptr;
  std::array<QWidget*, kControlCount> widgets_{};
  bool handling_ = false;
  bool tabShortcut_ = false;  // a tab's shortcut is being handed to the tab bar
  bool placed_ = false;
  /// The focus the model asked for last, so that a change of it moves the widgets' focus.
  std::optional<ControlId> appliedFocus_;
};

}  // namespace umbrix
