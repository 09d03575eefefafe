#pragma once
// The main window's menus as data: every item's place, caption, shortcut and help topic, and
// the session's own rows (options, files, entries, computations) registered with their commands.
// The window builds its menu bar from this table and runs each click through `MenuCommands`.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/MenuOptions.h"
#include "model/Texts.h"

namespace umbrix {

class MenuCommands;
class Session;

/// Every menu, sub-menu and item of the main window, and of the desk-dial popup menu.
enum class MenuId {
  // "&Fichier"
  Fichier1,
  Nouveau1,
  Ouvrir1,
  Exemples1,  // the bundled example projects, filled by the window from the files found
  Sauver1,
  Sauversous1,
  Sauverlimage1,
  FichierDxf1,
  FichierFabrication1,
  Imprimer1,
  ImprimerleGraphique1,
  DemiFormat1,
  PleinFormat1,
  N2formats1,
  N4formats1,
  Echelle1,
  Quitter1,
  // "&Saisies", an item of the bar itself
  Saisies1,
  // "&Heures"
  Tracer1,
  Demih,
  Demi,
  Quart,
  N10min,
  Lighor1,
  LhLim,
  HiverPrintemps1,
  EteAutomne1,
  Italiques1,
  Babyloniques1,
  Temporaires1,
  // "&Arcs"
  Arcs1,
  Signes1,
  SgEqu,
  SgSol,
  SgTou,
  MenDat,
  HiverPrintemps2,
  EteAutomne2,
  // "&Divers"
  Op1,
  N2points1,
  Axes1,
  Carreaux1,
  Horizon1,
  Refrac1,
  Ombre1,
  Fiabilite1,
  CadBur1,
  // "&Porte-ombre"
  Porteombre1,
  Visible1,
  Type1,
  Style1,
  Gnomon1,
  // "&?"
  Apropos1,
  Aide1,
  ManuelUtil1,
  Apropos2,
  // "&Langue", under "&?": the interface language of the next start
  Langue1,
  LangueBureau1,
  LangueFrancais1,
  LangueAnglais1,
  // the desk-dial popup menu `MenCont`
  MenCont,
  TjsVisible1,
  RetUmbrix1,
};

enum class MenuKind {
  Menu,     // a menu of the bar, a sub-menu, or the popup menu
  Command,  // an item that runs a command
  Option,   // an item with a check mark
};

/// The translation context of the menu captions.
inline constexpr const char* kMenuContext = "MainMenu";

struct MenuRow {
  MenuId id;
  /// The item's name in the program ("Nouveau1"), the window's object name for it.
  const char* name;
  /// The menu holding the item; none for the menus of the bar, `Saisies1` and the popup menu.
  std::optional<MenuId> parent;
  MenuKind kind;
  /// The caption, a text of the `kMenuContext` context; the only place it is written.
  const char* caption;
  /// Portable key text ("Ctrl+N"); empty for none.
  const char* shortcut = "";
  /// Help topic; 0 when the item takes its menu's.
  int helpContext = 0;
  /// Why the item is disabled, shown as its tooltip while it is; empty for none.
  const char* disabledHint = "";
  /// The shortcut of the English interface where English programs use another key ("Ctrl+S"
  /// to save); empty when it is `shortcut`.
  const char* englishShortcut = "";
  /// A second key of the item, the one today's desktop programs use ("Ctrl+S"); empty for none.
  const char* secondShortcut = "";
};

/// The item's shortcut in the interface language: the English one where it has its own.
const char* ShortcutOf(const MenuRow& row, bool englishUi);
/// Every key of the item in the interface language: `ShortcutOf` first (the one the menu shows),
/// then the second key when it is another.
std::vector<std::string> ShortcutsOf(const MenuRow& row, bool englishUi);

/// Every row, menus before their items, in display order.
std::span<const MenuRow> MenuTable();
const MenuRow& RowOf(MenuId id);

struct MenuItemState {
  bool checked = false;
  bool enabled = true;
};

/// The check mark and enabled state of an item, from the drawing options.
MenuItemState ItemState(const DrawingOptions& options, MenuId id);

/// The interface languages an item of the "&Langue" sub-menu chooses for the next start.
enum class LanguageItem { Desktop, French, English };
/// The choice of a "&Langue" item; nothing for another item.
std::optional<LanguageItem> LanguageItemOf(MenuId id);
/// Said once a language is chosen: it takes effect at the next start.
inline constexpr const char* kLanguageNextStartText =
    UMBRIX_TR("Message", "La langue choisie sera celle du prochain démarrage d'Umbrix.");

/// Registers the session's rows: the drawing options, the subdivisions, the sign arcs, the
/// shadow-caster's type, "&Saisies" and "&Fiabilité de la mesure".
void RegisterSessionCommands(MenuCommands& menus, Session& session);

}  // namespace umbrix
