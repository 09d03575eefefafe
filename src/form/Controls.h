#pragma once
// The controls of the "Saisies" dialog: identities, captions, hints and the state a view shows.

#include <array>
#include <optional>
#include <string>

#include "model/DialProject.h"
#include "model/Texts.h"

namespace umbrix {

/// The dialog's tab pages, in their order on the dialog (index 0 to 4 are the ones the
/// completeness codes select).
enum class Tab { Cadran, Point1, Point2, Lieu, Divers, Option, Test };
inline constexpr int kTabCount = 7;

/// Check boxes of the dialog.
enum class Check { Rectg, Hautf, Limite, Mijou, Locc, Hvrai, Corref, Pta12h, Sequ };

/// Radio buttons, in pairs: `Nord`/`Sud`, `Est`/`Ouest`, `Dest`/`Douest`.
enum class Radio { Nord, Sud, Est, Ouest, Dest, Douest };

/// Main-window menu items whose enabled state the dialog's boxes rule.
enum class MenuItem {
  Horizon1,
  Refrac1,
  HiverPrintemps1,
  EteAutomne1,
  Italiques1,
  Babyloniques1,
  Temporaires1,
};

/// Every control of the dialog that has a state worth showing. The first `kFieldCount` ids are
/// the entry edits in the order of `Field`, then the Test tab's edits in the order of
/// `TestField`, so `ControlOf` is a plain offset.
enum class ControlId {
  // entry edits, same order as Field
  Cote,
  Coteh,
  Cotel,
  Gnomon,
  Gnomf,
  Gnomx,
  Gnomy,
  Date1,
  Heure1,
  Mesx1,
  Mesy1,
  Date2,
  Heure2,
  Mesx2,
  Mesy2,
  Lat,
  MiJour,
  Long,
  FusHor,
  Dadiur,
  Hediur,
  DecEd,
  IncEd,
  RotEd,
  Carreau,
  // Test tab edits, same order as TestField
  Edit20,
  Edit21,
  Edit22,
  Edit23,
  Edit24,
  Edit25,
  Edit26,
  // Option tab edit
  NomFic,
  // read-only companion labels
  Adate1,
  Aheure1,
  Adate2,
  Aheure2,
  Amijour,
  Adadiur,
  Ahediur,
  // check boxes, same order as Check
  Rectg,
  Hautf,
  Limite,
  Mijou,
  Locc,
  Hvrai,
  Corref,
  Pta12h,
  Sequ,
  // radio buttons, same order as Radio
  Nord,
  Sud,
  Est,
  Ouest,
  Dest,
  Douest,
  // drop-down lists
  TypeHeure,
  Zone,  // the place's time zone by name
  // groups (a disabled group disables what it holds)
  GroupCotes,       // `Coteh`, `Cotel`
  GroupFinal,       // `Gnomf`, `Gnomx`, `Gnomy`
  GroupNordSud,     // `Nord`, `Sud`
  GroupMiJour,      // "Heure à mi-journée": `MiJour`, `Amijour`
  GroupLongitude,   // `Long`, `Est`, `Ouest`, `FusHor`
  GroupSimulation,  // `DecEd`, `Dest`, `Douest`, `IncEd`, `RotEd`, `Caldir`, `Simul`
  // buttons
  Outil,
  Caldir,
  Simul,
  Button2,
  Button3,
  Button1,
};
inline constexpr int kControlCount = static_cast<int>(ControlId::Button1) + 1;

constexpr ControlId ControlOf(Field f) { return static_cast<ControlId>(static_cast<int>(f)); }
constexpr ControlId ControlOf(TestField f) {
  return static_cast<ControlId>(kFieldCount + static_cast<int>(f));
}
constexpr ControlId ControlOf(Check c) {
  return static_cast<ControlId>(static_cast<int>(ControlId::Rectg) + static_cast<int>(c));
}
constexpr ControlId ControlOf(Radio r) {
  return static_cast<ControlId>(static_cast<int>(ControlId::Nord) + static_cast<int>(r));
}

/// Background of an edit: the platform's window colour when enabled, button face when not.
enum class ControlColour { Window, ButtonFace };

/// What a view shows of one control.
struct ControlState {
  std::string caption;  // caption of a box, button or group; the label beside an edit
  std::string unit;     // unit written after an edit ("mm", "°", "h (mesure du cadran)")
  std::string text;     // edit text, label text, or the selected item of `TypeHeure`
  std::string hint;     // tooltip: a marked text, or a pattern with "%1"... for `hintArgs`
  std::vector<std::string> hintArgs;
  bool enabled = true;   // false also when the group holding it is disabled
  bool visible = true;   // false also when its tab page is hidden
  bool checked = false;  // check boxes and radio buttons
  ControlColour colour = ControlColour::Window;

  /// The tooltip as the source language shows it.
  std::string Hint() const { return ComposeText(hint, hintArgs); }
};

/// The three items of `TypeHeure`, index 0 to 2.
inline constexpr std::array<const char*, 3> kTypeHeureItems = {
    UMBRIX_TR("Controls", "Heure de mesure du cadran"),
    UMBRIX_TR("Controls", "Heure d'été / cadran d'hiver"),
    UMBRIX_TR("Controls", "Heure d'hiver / cadran d'été")};

/// The translation context of the dialog's texts: captions, units, hints and items.
inline constexpr const char* kControlContext = "Controls";

/// The hint of `TypeHeure` while a zone is named: the list then has nothing to say.
inline constexpr const char* kTypeHeureZoneHint =
    UMBRIX_TR("Controls", "Sans objet : l'heure courante est l'heure légale du fuseau nommé");

/// The fixed description of a control. Hints of the date entries depend on the interface and
/// are left empty here (see `Form::DateHint`).
struct ControlInfo {
  const char* caption = "";
  const char* unit = "";
  const char* hint = "";
  std::optional<ControlId> group;  // the group holding the control, if any
  std::optional<Tab> tab;          // none for `Carreau` and `Button1`, under the tabs
};
const ControlInfo& InfoOf(ControlId id);

/// Caption of a tab page ("&Cadran", "Point &1", ...).
const char* TabCaption(Tab tab);

/// Whether the control is an edit whose leave handler the deactivation runs.
bool IsRevalidatedEdit(ControlId id);

}  // namespace umbrix
