#pragma once
// The "Saisies" dialog as a presentation model: every control's state, the entry handlers that
// parse and store each entry, and the enabling rules between the boxes. The project-file reader
// drives the very same handlers as the user's typing.

#include <optional>
#include <string>
#include <vector>

#include "form/Controls.h"
#include "form/FieldFacts.h"
#include "model/DialProject.h"
#include "model/EntryWriter.h"
#include "model/Formats.h"
#include "model/Message.h"
#include "model/TimeZone.h"

namespace umbrix {

/// The moment the shorthands "*" stand for.
struct ClockReading {
  double today = kStartupDadiurSerial;  // serial of the current date (whole day)
  double timeOfDay = 0.0;               // current time of day, day fraction in [0, 1)
};

/// What the dialog asks of the rest of the program.
class FormHost {
 public:
  virtual ~FormHost() = default;
  /// An entry changed. The form has already set `Modified`; the host puts "Umbrix * " and the
  /// file name in the title and, when `clearDrawing`, blanks the drawing (if `DrawingExists`) and
  /// empties the report pane. Afterwards the form clears `DrawingExists` (when clearing) and sets
  /// `TestDataValid` to `testDataValid`.
  virtual void MarkModified(bool testDataValid, bool clearDrawing) = 0;
  /// The plate changed: resize the drawing frame to it (no computation).
  virtual void FitDrawing() = 0;
  /// A main-window menu item's enabled state changed; the new state is already in
  /// `DialProject::Options`.
  virtual void MenuEnabledChanged(MenuItem item, bool enabled) = 0;
  /// Shows a message box: the foot message (error box) and the Test buttons' messages.
  virtual void ShowMessage(const Message& message) = 0;
  /// The current date and time, for the shorthand "*".
  virtual ClockReading Now() const = 0;
  /// The system's time zones; none without a database.
  virtual const ZoneRules* Zones() const { return nullptr; }
  /// A mark's legal time that happens twice: asks `pattern` with its `args` (is it the second,
  /// later one?); true for the later offset, false for the earlier, summer one.
  virtual bool TakeLaterOffset(const std::string& pattern, const std::vector<std::string>& args) {
    (void)pattern;
    (void)args;
    return false;
  }
};

/// An item of the zone list: the zone's name (empty for none) and its caption with its offset.
struct ZoneItem {
  std::string id;
  std::string caption;
};

/// Texts of the zone by name.
inline constexpr const char* kZoneGapText = UMBRIX_TR(
    "Message",
    "Point %1 : l'heure %2 du %3 n'existe pas dans le fuseau %4, où l'heure légale passe de %5 "
    "à %6 ce jour-là. Saisie refusée.");
inline constexpr const char* kZoneRepeatText = UMBRIX_TR(
    "Message",
    "Point %1 : l'heure %2 du %3 existe deux fois dans le fuseau %4.\r\nEst-ce la seconde, en "
    "heure d'hiver (%5) ?\r\nNon : la première, en heure d'été (%6).");
inline constexpr const char* kZoneRepeatCaption = UMBRIX_TR("Message", "Heure double");
inline constexpr const char* kZoneRuleChangedText = UMBRIX_TR(
    "Message",
    "Les règles du fuseau %1 ont changé depuis l'enregistrement : le point %2 garde son décalage "
    "enregistré %3 (le fuseau donne aujourd'hui %4).");
inline constexpr const char* kZoneUnknownText = UMBRIX_TR("Message", "Fuseau horaire inconnu : %1");
inline constexpr const char* kZoneUnknownKeptText = UMBRIX_TR(
    "Message",
    "Fuseau horaire %1 inconnu de ce système : les décalages enregistrés des points sont gardés.");
inline constexpr const char* kZoneNeedsPlaceText = UMBRIX_TR(
    "Message", "Un fuseau horaire nommé demande la localisation complète ou les heures solaires");
inline constexpr const char* kZoneItemCaption = "%1 (%2)";
inline constexpr const char* kNoZoneCaption =
    UMBRIX_TR("Controls", "(aucun : heures lues sur le fuseau du cadran)");

/// The short date format the dialog writes dates in and parses them with, as
/// `UsableDatePattern` reads it.
struct DateStyle {
  std::string pattern = "dd/mm/yyyy";
};

/// Why the last entry left was refused: a pattern of the "Controls" context with the typed text
/// as "%1" and what the entry expects after it.
struct EntryExplanation {
  std::string pattern;
  std::vector<std::string> args;
  /// The explanation as the source language shows it.
  std::string Text() const { return ComposeText(pattern, args); }
};

inline constexpr const char* kExplainPositive =
    UMBRIX_TR("Controls", "« %1 » : nombre positif, par exemple 120 ou 45,5");
inline constexpr const char* kExplainNumber =
    UMBRIX_TR("Controls", "« %1 » : nombre, par exemple -12,5 ou 30");
inline constexpr const char* kExplainWhole =
    UMBRIX_TR("Controls", "« %1 » : nombre entier, par exemple -5 ou 2");
inline constexpr const char* kExplainFoot =
    UMBRIX_TR("Controls", "« %1 » : le pied du gnomon doit être à l'intérieur du cadran");
inline constexpr const char* kExplainAngle = UMBRIX_TR(
    "Controls", "« %1 » : angle de %2 à %3° au format dd°mm°ss, par exemple 45°30 ou 45,5");
inline constexpr const char* kExplainZone = UMBRIX_TR(
    "Controls",
    "« %1 » : fuseau de -12 à 12 h par quarts d'heure, au format hh:mm, par exemple 1:00 ou "
    "-3:30");
inline constexpr const char* kExplainDate =
    UMBRIX_TR("Controls", "« %1 » : date au format jj/mm/aaaa, par exemple 21/06/2024");
inline constexpr const char* kExplainDatePattern =
    UMBRIX_TR("Controls", "« %1 » : date au format %2, par exemple %3");
inline constexpr const char* kExplainTime =
    UMBRIX_TR("Controls", "« %1 » : heure au format hh:mm:ss, par exemple 12:30");
inline constexpr const char* kExplainHourMinute =
    UMBRIX_TR("Controls", "« %1 » : heure au format hh:mm, par exemple 12:30");

/// Parameters of the command line after the program name, as `FormCreate` reads them.
struct StartupRequest {
  std::string fileToOpen;  // empty when nothing is to be opened
};

/// The dialog. It references the record and the shared project state it edits (the caller owns
/// them, usually the session) and reaches the main window through `FormHost`.
///
/// Every control's enabled, visible and colour state follows from the record's boxes, so the
/// invariants between the boxes hold by construction; a view copies `Control(...)` of every
/// control in its refresh.
///
/// The computations write the simulated points and the Test tab's place through the dialog, as
/// `EntryWriter`, so every such value is validated by the entry's own handler.
class Form final : public EntryWriter {
 public:
  Form(DialProject& project, ProjectState& state, FormHost& host, DateStyle dates = {});

  DialProject& Project() { return project_; }
  const DialProject& Project() const { return project_; }
  ProjectState& State() { return state_; }
  const ProjectState& State() const { return state_; }
  FormHost& Host() { return host_; }
  const DateStyle& Dates() const { return dates_; }

  // ---- what a view shows

  ControlState Control(ControlId id) const;
  ControlState Control(Field f) const { return Control(ControlOf(f)); }
  ControlState Control(TestField f) const { return Control(ControlOf(f)); }
  ControlState Control(Check c) const { return Control(ControlOf(c)); }
  ControlState Control(Radio r) const { return Control(ControlOf(r)); }
  /// "Format : jj/mm/aaaa", or "Format : " and the short date pattern in the English interface.
  std::string DateHint() const;

  Tab SelectedTab() const { return selectedTab_; }
  void SelectTab(Tab tab) { selectedTab_ = tab; }
  /// The first control of a tab, where the focus goes when the tab is shown: `Coteh` or `Cote`,
  /// `Date1`, `Date2`, the box `Limite`, `Dadiur`, `Sequ`, `Edit20`.
  ControlId FirstControlOf(Tab tab) const;
  /// The user shows a tab (a click on it, Alt and its letter or digit): the pending entry is
  /// validated as on leaving it, then the focus goes to the tab's first control.
  void ShowTab(Tab tab);
  bool TabVisible(Tab tab) const;
  /// The control that has the focus inside the dialog (none before the first focus).
  std::optional<ControlId> ActiveControl() const { return activeControl_; }
  void SetActiveControl(std::optional<ControlId> id) { activeControl_ = id; }
  /// Whether the dialog is the active window; the boxes move the focus only then.
  bool DialogActive() const { return dialogActive_; }
  void SetDialogActive(bool active) { dialogActive_ = active; }

  // ---- typing: text first, then the leave handler

  /// Puts a text into an entry without running its handler (typing, or the file reader).
  void SetText(Field f, std::string text);
  void SetText(TestField f, std::string text);
  void SetNomFic(std::string text) { project_.NomFic = std::move(text); }
  /// The leave handler of an entry: parse, store value and given-flag, keep the rules, and mark
  /// the project modified when the entry changed.
  void Leave(Field f);
  /// The leave handler of a Test-tab entry: an invalid text is emptied and reads 0; never marks
  /// the project modified.
  void Leave(TestField f);
  /// What the last entry left was refused for; none once an entry is accepted or emptied.
  const std::optional<EntryExplanation>& Explanation() const { return explanation_; }
  /// A value set by the program (the drawing's handles): the entry holds it, given, with its text
  /// and label in the entry's display form; no handler runs.
  void ShowValue(Field f, double value);
  /// `SetText` then `Leave`.
  void Enter(Field f, std::string text);
  void Enter(TestField f, std::string text);

  /// `EntryWriter`: `Enter` for the computations.
  void SetEntryText(Field field, const std::string& text) override { Enter(field, text); }
  /// `EntryWriter`: `Select` of the place's radio buttons.
  void SelectRadio(PlaceRadio radio) override;

  // ---- boxes, radio buttons, the list

  bool IsChecked(Check c) const;
  /// Sets a box; its handler runs exactly when the state changes.
  void SetChecked(Check c, bool checked);
  /// A click: inverts the box.
  void Click(Check c) { SetChecked(c, !IsChecked(c)); }
  bool IsSelected(Radio r) const;
  /// Selects a radio button (its partner is deselected); the pair's handler runs exactly when the
  /// selection changes.
  void Select(Radio r);
  /// Selects an item of `TypeHeure`: 0 to 2, anything else leaves no item selected. The handler
  /// runs on leaving the list (`LeaveTypeHeure`).
  void SelectTypeHeure(int item);
  void LeaveTypeHeure();

  // ---- the place's time zone by name

  /// The zone list's handler: names the zone (empty: none). `FusHor` is filled with the zone's
  /// standard offset when empty, and each real instant's legal offset is resolved (a mark in the
  /// spring gap is refused, one in the autumn repeat asked about). An unknown name, or a zone
  /// without `Locc` or `Hvrai`, is refused with its message and changes nothing.
  std::optional<Message> ChooseZone(const std::string& id);
  /// The list's items: none first, then the computer's zone, then every other zone; each
  /// caption shows the zone's offset today.
  std::vector<ZoneItem> ZoneItems() const;
  /// The file reader: the zone and the marks' stored offsets put back without asking; an offset
  /// today's rules would not give is kept and reported, a missing one resolved.
  void RestoreZone(const std::string& id, const std::array<ZoneOffset, 2>& marks);

  // ---- the dialog as a whole

  /// `MarkModified`: sets `Modified`, has the host update the title and clear the drawing, then
  /// sets `TestDataValid`.
  void MarkModified(bool testDataValid, bool clearDrawing);
  /// Re-validates the pending entry: the leave handler of the active edit, or of `TypeHeure`;
  /// nothing else.
  void FormDeactivate();
  /// The dialog's creation: the Divers defaults and the grid through their handlers, `Modified`
  /// cleared, then the command line (`args` without the program name). "MAP" in any case as the
  /// first parameter switches on `TestMode` (the "&Option" and "&Test" tabs appear) and the file
  /// is then the second. The caller sets the title and opens the returned file.
  StartupRequest FormCreate(const std::vector<std::string>& args);
  /// "Nouveau": resets the entries, each through its handler, in the order of the main window's
  /// command (the place entries change only as far as `Limite` and `Hvrai` clear them). The
  /// caller closes the held file, clears the comments and `Modified`, and sets the title.
  void ResetForNewProject();

  // ---- the Test tab's buttons

  /// `Button2` "Calcule": the plate sides and `Gnomon` must be given; else the plain message
  /// "Donner la géométrie de mesure".
  std::optional<Message> CheckMeasureGeometry() const;
  /// `Button3` "Trace": the plate sides and the shadow-caster must be given; else the plain
  /// message "Donner la géométrie du cadran".
  std::optional<Message> CheckDialGeometry() const;
  /// After "Calcule": result 2 (both points written) sets `TestDataValid`.
  void ApplyTestComputeResult(int pointsWritten);

 private:
  /// The date entries' hint: a whole French text, or the pattern and the short date format.
  void SetDateHint(ControlState& s) const;
  ParseContext Context() const;
  std::string ShortDate(double serial) const;
  // the steps of `Leave`, in order
  std::optional<std::string> Expand(Field f, const std::string& text) const;
  std::optional<double> Parse(const FieldFacts& facts, const std::string& text);
  bool FootStaysOnPlate(const FieldFacts& facts, double side) const;
  void Store(const FieldFacts& facts, Entry& e, std::optional<double> parsed);
  void WriteLabel(const FieldFacts& facts, const Entry& e);
  void ApplyToPlate(const FieldFacts& facts, const Entry& e);
  void MarkChanged(const FieldFacts& facts);

  /// What `f` expects, for the typed text `typed` it refused.
  EntryExplanation Explain(Field f, const std::string& typed) const;

  bool PlateSidesGiven() const;
  bool FocusAllowedOn(Tab tab) const { return dialogActive_ && selectedTab_ == tab; }
  void Focus(ControlId id) { activeControl_ = id; }
  void OnCheck(Check c, bool checked);
  void OnRadioPair(Radio selected);
  void ClearEntry(Entry& e) { e = Entry{}; }
  void SyncMenus();
  void FootMessage();
  /// Resolves the legal offset of a real instant (`kZonePoint1`...) when unknown; `typed` is the
  /// entry refused when a mark falls in the spring gap.
  void ResolveOffset(int instant, Field typed);
  void ForgetOffset(int instant) { project_.ZoneOffsets[instant] = ZoneOffset{}; }
  void ClearZone();

  DialProject& project_;
  ProjectState& state_;
  FormHost& host_;
  DateStyle dates_;
  Tab selectedTab_ = Tab::Cadran;
  std::optional<ControlId> activeControl_;
  bool dialogActive_ = false;
  std::optional<EntryExplanation> explanation_;
  bool footRefused_ = false;  // the last parse refused the foot's place, not the text
};

}  // namespace umbrix
