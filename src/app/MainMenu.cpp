#include "app/MainMenu.h"

#include <algorithm>
#include <array>

#include "app/MenuCommands.h"
#include "app/Session.h"
#include "model/Texts.h"

namespace umbrix {

namespace {

using K = MenuKind;
using M = MenuId;

// The old hours are counted from sunrise or sunset, which the horizon of a known latitude gives.
constexpr int kOldHoursTopic = 13;
constexpr const char* kOldHoursHint = UMBRIX_TR(
    "MainMenu",
    "Ces heures se comptent depuis le lever ou le coucher du soleil : cochez « Limiter le tracé à "
    "la partie utile » et donnez la latitude dans l'onglet « Lieu » des saisies.");

constexpr std::array kRows = {
    MenuRow{M::Fichier1, "Fichier1", {}, K::Menu, UMBRIX_TR("MainMenu", "&Fichier"), "", 7},
    MenuRow{M::Nouveau1, "Nouveau1", M::Fichier1, K::Command, UMBRIX_TR("MainMenu", "&Nouveau"),
            "Ctrl+N"},
    MenuRow{M::Ouvrir1, "Ouvrir1", M::Fichier1, K::Command, UMBRIX_TR("MainMenu", "&Ouvrir"),
            "Ctrl+O"},
    MenuRow{M::Exemples1, "Exemples1", M::Fichier1, K::Menu, UMBRIX_TR("MainMenu", "&Exemples")},
    MenuRow{M::Sauver1, "Sauver1", M::Fichier1, K::Command, UMBRIX_TR("MainMenu", "&Enregistrer"),
            "Ctrl+E", 0, "", "Ctrl+S", "Ctrl+S"},
    MenuRow{M::Sauversous1, "Sauversous1", M::Fichier1, K::Command,
            UMBRIX_TR("MainMenu", "Enregistrer &Sous")},
    MenuRow{M::Sauverlimage1, "Sauverlimage1", M::Fichier1, K::Command,
            UMBRIX_TR("MainMenu", "Enregistrer le &Graphique"), "Ctrl+G"},
    // not Ctrl+X: that key is the text boxes' Cut, which would take it from the export
    MenuRow{M::FichierDxf1, "FichierDxf1", M::Fichier1, K::Command,
            UMBRIX_TR("MainMenu", "E&xport dxf"), "Ctrl+Shift+X"},
    MenuRow{M::FichierFabrication1, "FichierFabrication1", M::Fichier1, K::Command,
            UMBRIX_TR("MainMenu", "Export &fabrication (dxf, svg)")},
    MenuRow{M::Imprimer1, "Imprimer1", M::Fichier1, K::Command, UMBRIX_TR("MainMenu", "&Imprimer"),
            "Ctrl+I", 0, "", "Ctrl+P", "Ctrl+P"},
    MenuRow{M::ImprimerleGraphique1, "ImprimerleGraphique1", M::Fichier1, K::Menu,
            UMBRIX_TR("MainMenu", "Im&primer le Graphique")},
    MenuRow{M::DemiFormat1, "DemiFormat1", M::ImprimerleGraphique1, K::Command,
            UMBRIX_TR("MainMenu", "&Demi format"), "Ctrl+0"},
    MenuRow{M::PleinFormat1, "PleinFormat1", M::ImprimerleGraphique1, K::Command,
            UMBRIX_TR("MainMenu", "&Plein format"), "Ctrl+1"},
    MenuRow{M::N2formats1, "N2formats1", M::ImprimerleGraphique1, K::Command,
            UMBRIX_TR("MainMenu", "&2 formats"), "Ctrl+2"},
    MenuRow{M::N4formats1, "N4formats1", M::ImprimerleGraphique1, K::Command,
            UMBRIX_TR("MainMenu", "&4 formats"), "Ctrl+4"},
    MenuRow{M::Echelle1, "Echelle1", M::ImprimerleGraphique1, K::Command,
            UMBRIX_TR("MainMenu", "Imprimer à l'é&chelle 1:1")},
    MenuRow{M::Quitter1, "Quitter1", M::Fichier1, K::Command, UMBRIX_TR("MainMenu", "&Quitter"),
            "Ctrl+Q"},
    MenuRow{M::Saisies1, "Saisies1", {}, K::Command, UMBRIX_TR("MainMenu", "&Saisies")},
    MenuRow{M::Tracer1, "Tracer1", {}, K::Menu, UMBRIX_TR("MainMenu", "&Heures"), "", 4},
    MenuRow{M::Demih, "Demih", M::Tracer1, K::Menu, UMBRIX_TR("MainMenu", "&Subdivisions")},
    MenuRow{M::Demi, "Demi", M::Demih, K::Option, UMBRIX_TR("MainMenu", "&Demi")},
    MenuRow{M::Quart, "Quart", M::Demih, K::Option, UMBRIX_TR("MainMenu", "&Quart")},
    MenuRow{M::N10min, "N10min", M::Demih, K::Option, UMBRIX_TR("MainMenu", "10 &min")},
    MenuRow{M::Lighor1, "Lighor1", M::Tracer1, K::Option,
            UMBRIX_TR("MainMenu", "&Lignes Horaires")},
    MenuRow{M::LhLim, "LhLim", M::Tracer1, K::Option, UMBRIX_TR("MainMenu", "Li&mitation")},
    MenuRow{M::HiverPrintemps1, "HiverPrintemps1", M::Tracer1, K::Option,
            UMBRIX_TR("MainMenu", "&S janvier-juin")},
    MenuRow{M::EteAutomne1, "EteAutomne1", M::Tracer1, K::Option,
            UMBRIX_TR("MainMenu", "&Z juillet-décembre")},
    MenuRow{M::Italiques1, "Italiques1", M::Tracer1, K::Option,
            UMBRIX_TR("MainMenu", "Heures &italiques"), "", kOldHoursTopic, kOldHoursHint},
    MenuRow{M::Babyloniques1, "Babyloniques1", M::Tracer1, K::Option,
            UMBRIX_TR("MainMenu", "Heures &babyloniques"), "", kOldHoursTopic, kOldHoursHint},
    MenuRow{M::Temporaires1, "Temporaires1", M::Tracer1, K::Option,
            UMBRIX_TR("MainMenu", "Heures &temporaires"), "", kOldHoursTopic, kOldHoursHint},
    MenuRow{M::Arcs1, "Arcs1", {}, K::Menu, UMBRIX_TR("MainMenu", "&Arcs"), "", 4},
    MenuRow{M::Signes1, "Signes1", M::Arcs1, K::Menu, UMBRIX_TR("MainMenu", "&Signes")},
    MenuRow{M::SgEqu, "SgEqu", M::Signes1, K::Option, UMBRIX_TR("MainMenu", "&Equinoxiale")},
    MenuRow{M::SgSol, "SgSol", M::Signes1, K::Option, UMBRIX_TR("MainMenu", "&Solstices")},
    MenuRow{M::SgTou, "SgTou", M::Signes1, K::Option, UMBRIX_TR("MainMenu", "&Tous")},
    MenuRow{M::MenDat, "MenDat", M::Arcs1, K::Option, UMBRIX_TR("MainMenu", "&Date")},
    MenuRow{M::HiverPrintemps2, "HiverPrintemps2", M::Arcs1, K::Option,
            UMBRIX_TR("MainMenu", "J&anvier-juin")},
    MenuRow{M::EteAutomne2, "EteAutomne2", M::Arcs1, K::Option,
            UMBRIX_TR("MainMenu", "J&uillet-décembre")},
    MenuRow{M::Op1, "Op1", {}, K::Menu, UMBRIX_TR("MainMenu", "&Divers"), "", 4},
    MenuRow{M::N2points1, "N2points1", M::Op1, K::Option, UMBRIX_TR("MainMenu", "&2 points")},
    MenuRow{M::Axes1, "Axes1", M::Op1, K::Option, UMBRIX_TR("MainMenu", "&Axes")},
    MenuRow{M::Carreaux1, "Carreaux1", M::Op1, K::Option, UMBRIX_TR("MainMenu", "&Carreaux")},
    MenuRow{M::Horizon1, "Horizon1", M::Op1, K::Option, UMBRIX_TR("MainMenu", "&Horizon")},
    MenuRow{M::Refrac1, "Refrac1", M::Op1, K::Option, UMBRIX_TR("MainMenu", "&Réfraction")},
    MenuRow{M::Ombre1, "Ombre1", M::Op1, K::Option, UMBRIX_TR("MainMenu", "&Ombre")},
    MenuRow{M::Fiabilite1, "Fiabilite1", M::Op1, K::Command,
            UMBRIX_TR("MainMenu", "&Fiabilité de la mesure")},
    MenuRow{M::CadBur1, "CadBur1", M::Op1, K::Command, UMBRIX_TR("MainMenu", "Cadran de &bureau"),
            "Ctrl+H"},
    MenuRow{
        M::Porteombre1, "Porteombre1", {}, K::Menu, UMBRIX_TR("MainMenu", "&Porte-ombre"), "", 4},
    MenuRow{M::Visible1, "Visible1", M::Porteombre1, K::Option, UMBRIX_TR("MainMenu", "&Visible")},
    MenuRow{M::Type1, "Type1", M::Porteombre1, K::Menu, UMBRIX_TR("MainMenu", "&Type"), "", 12},
    MenuRow{M::Style1, "Style1", M::Type1, K::Option, UMBRIX_TR("MainMenu", "&Style")},
    MenuRow{M::Gnomon1, "Gnomon1", M::Type1, K::Option, UMBRIX_TR("MainMenu", "&Gnomon")},
    MenuRow{M::Apropos1, "Apropos1", {}, K::Menu, UMBRIX_TR("MainMenu", "&?")},
    MenuRow{M::Aide1, "Aide1", M::Apropos1, K::Command, UMBRIX_TR("MainMenu", "&Aide")},
    MenuRow{M::ManuelUtil1, "ManuelUtil1", M::Apropos1, K::Command,
            UMBRIX_TR("MainMenu", "&Manuel d'util.")},
    MenuRow{M::Apropos2, "Apropos2", M::Apropos1, K::Command, UMBRIX_TR("MainMenu", "A &Propos")},
    MenuRow{M::Langue1, "Langue1", M::Apropos1, K::Menu, UMBRIX_TR("MainMenu", "&Langue")},
    MenuRow{M::LangueBureau1, "LangueBureau1", M::Langue1, K::Command,
            UMBRIX_TR("MainMenu", "Celle du &bureau")},
    MenuRow{M::LangueFrancais1, "LangueFrancais1", M::Langue1, K::Command,
            UMBRIX_TR("MainMenu", "&Français")},
    MenuRow{M::LangueAnglais1, "LangueAnglais1", M::Langue1, K::Command,
            UMBRIX_TR("MainMenu", "&English")},
    MenuRow{M::MenCont, "MenCont", {}, K::Menu, UMBRIX_TR("MainMenu", "")},
    MenuRow{M::TjsVisible1, "TjsVisible1", M::MenCont, K::Option,
            UMBRIX_TR("MainMenu", "Toujours visible")},
    MenuRow{M::RetUmbrix1, "RetUmbrix1", M::MenCont, K::Command,
            UMBRIX_TR("MainMenu", "Retour Umbrix"), "Ctrl+H"},
};

std::optional<OptionItem> PlainOption(MenuId id) {
  switch (id) {
    case M::Lighor1:
      return OptionItem::Lighor1;
    case M::LhLim:
      return OptionItem::LhLim;
    case M::HiverPrintemps1:
      return OptionItem::HiverPrintemps1;
    case M::EteAutomne1:
      return OptionItem::EteAutomne1;
    case M::MenDat:
      return OptionItem::MenDat;
    case M::HiverPrintemps2:
      return OptionItem::HiverPrintemps2;
    case M::EteAutomne2:
      return OptionItem::EteAutomne2;
    case M::N2points1:
      return OptionItem::N2points1;
    case M::Axes1:
      return OptionItem::Axes1;
    case M::Carreaux1:
      return OptionItem::Carreaux1;
    case M::Horizon1:
      return OptionItem::Horizon1;
    case M::Refrac1:
      return OptionItem::Refrac1;
    case M::Ombre1:
      return OptionItem::Ombre1;
    case M::Visible1:
      return OptionItem::Visible1;
    case M::Italiques1:
      return OptionItem::Italiques1;
    case M::Babyloniques1:
      return OptionItem::Babyloniques1;
    case M::Temporaires1:
      return OptionItem::Temporaires1;
    default:
      return std::nullopt;
  }
}

std::optional<SubdivisionItem> Subdivision(MenuId id) {
  switch (id) {
    case M::Demi:
      return SubdivisionItem::Demi;
    case M::Quart:
      return SubdivisionItem::Quart;
    case M::N10min:
      return SubdivisionItem::N10min;
    default:
      return std::nullopt;
  }
}

std::optional<SignArcItem> SignArc(MenuId id) {
  switch (id) {
    case M::SgEqu:
      return SignArcItem::SgEqu;
    case M::SgSol:
      return SignArcItem::SgSol;
    case M::SgTou:
      return SignArcItem::SgTou;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::span<const MenuRow> MenuTable() { return kRows; }

const MenuRow& RowOf(MenuId id) {
  return *std::find_if(kRows.begin(), kRows.end(), [id](const MenuRow& r) { return r.id == id; });
}

const char* ShortcutOf(const MenuRow& row, bool englishUi) {
  return englishUi && *row.englishShortcut != '\0' ? row.englishShortcut : row.shortcut;
}

std::vector<std::string> ShortcutsOf(const MenuRow& row, bool englishUi) {
  std::vector<std::string> keys;
  for (const char* key : {ShortcutOf(row, englishUi), row.secondShortcut}) {
    if (*key != '\0' && std::find(keys.begin(), keys.end(), key) == keys.end()) {
      keys.emplace_back(key);
    }
  }
  return keys;
}

std::optional<LanguageItem> LanguageItemOf(MenuId id) {
  switch (id) {
    case M::LangueBureau1:
      return LanguageItem::Desktop;
    case M::LangueFrancais1:
      return LanguageItem::French;
    case M::LangueAnglais1:
      return LanguageItem::English;
    default:
      return std::nullopt;
  }
}

MenuItemState ItemState(const DrawingOptions& options, MenuId id) {
  if (const auto item = PlainOption(id)) {
    const MenuOption& o = OptionOf(options, *item);
    return {o.checked, o.enabled};
  }
  switch (id) {
    case M::Demi:
      return {options.Demi(), true};
    case M::Quart:
      return {options.Quart(), true};
    case M::N10min:
      return {options.N10min(), true};
    case M::SgEqu:
      return {options.SgEqu(), true};
    case M::SgSol:
      return {options.SgSol(), true};
    case M::SgTou:
      return {options.SgTou(), true};
    case M::Style1:
      return {options.Style1.checked, true};
    case M::Gnomon1:
      return {options.Gnomon1.checked, true};
    default:
      return {};
  }
}

void RegisterSessionCommands(MenuCommands& menus, Session& session) {
  const auto state = [&session](MenuId id) {
    return [&session, id] { return ItemState(session.Project().Options, id); };
  };
  for (const MenuRow& row : kRows) {
    const MenuId id = row.id;
    if (const auto item = PlainOption(id)) {
      menus.Add(
          id, [&session, item = *item] { session.ToggleOption(item); }, state(id));
    } else if (const auto sub = Subdivision(id)) {
      menus.Add(
          id, [&session, sub = *sub] { session.ToggleSubdivision(sub); }, state(id));
    } else if (const auto arc = SignArc(id)) {
      menus.Add(
          id, [&session, arc = *arc] { session.ToggleSignArc(arc); }, state(id));
    }
  }
  menus.Add(
      M::Style1, [&session] { session.ChooseCaster(CasterItem::Style1); }, state(M::Style1));
  menus.Add(
      M::Gnomon1, [&session] { session.ChooseCaster(CasterItem::Gnomon1); }, state(M::Gnomon1));
  menus.Add(M::Saisies1, [&session] { session.ShowSaisies(); });
  menus.Add(M::Fiabilite1, [&session] { session.ReliabilityCommand(); });
}

}  // namespace umbrix
