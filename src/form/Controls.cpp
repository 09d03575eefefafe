#include "form/Controls.h"

#include "form/FieldFacts.h"

namespace umbrix {

namespace {

constexpr const char* kTabCaptions[kTabCount] = {"&Cadran", "Point &1", "Point &2", "&Lieu",
                                                 "&Divers", "&Option",  "&Test"};
constexpr int kTabHelp[kTabCount] = {1, 2, 2, 3, 6, kDialogHelpContext, kDialogHelpContext};

constexpr int kSimulationHelp = 5;
constexpr int kFinalHelp = 8;

using C = ControlId;

std::array<ControlInfo, kControlCount> BuildTable() {
  std::array<ControlInfo, kControlCount> t{};
  auto set = [&t](C id, const char* caption, const char* unit, const char* hint,
                  std::optional<C> group, std::optional<Tab> tab) {
    ControlInfo& i = t[static_cast<int>(id)];
    i.caption = caption;
    i.unit = unit;
    i.hint = hint;
    i.group = group;
    i.tab = tab;
    i.helpContext = tab ? kTabHelp[static_cast<int>(*tab)] : kDialogHelpContext;
    if (group == C::GroupSimulation || id == C::GroupSimulation) i.helpContext = kSimulationHelp;
    if (group == C::GroupFinal || id == C::GroupFinal) i.helpContext = kFinalHelp;
  };
  const std::optional<C> none;
  for (const FieldFacts& f : kFieldFacts) {
    t[static_cast<int>(ControlOf(f.field))] = {f.caption, f.unit, f.hint,
                                               f.group,   f.tab,  f.helpContext};
    if (f.label)
      t[static_cast<int>(f.label->control)] = {"", "", "", f.group, f.tab, f.helpContext};
  }
  // "&Cadran"
  set(C::Rectg, "Cadran &rectangulaire", "", "", none, Tab::Cadran);
  set(C::GroupCotes, "", "", "", none, Tab::Cadran);
  set(C::Hautf, "&Porte-ombre final", "", "", none, Tab::Cadran);
  set(C::GroupFinal, "", "", "", none, Tab::Cadran);
  // "&Lieu"
  set(C::Limite, "L&imiter le tracé à la partie utile", "", "", none, Tab::Lieu);
  set(C::GroupNordSud, "", "", "", none, Tab::Lieu);
  set(C::Nord, "&Nord", "", "", C::GroupNordSud, Tab::Lieu);
  set(C::Sud, "&Sud", "", "", C::GroupNordSud, Tab::Lieu);
  set(C::Mijou, "&Mi-journée", "", "", none, Tab::Lieu);
  set(C::GroupMiJour, "Heure à mi-journée", "", "", none, Tab::Lieu);
  set(C::Locc, "L&ocalisation complète", "", "", none, Tab::Lieu);
  set(C::Hvrai, "&Heures solaires", "", "", none, Tab::Lieu);
  set(C::GroupLongitude, "", "", "", none, Tab::Lieu);
  set(C::Est, "&Est", "", "", C::GroupLongitude, Tab::Lieu);
  set(C::Ouest, "&Ouest", "", "", C::GroupLongitude, Tab::Lieu);
  set(C::Zone, "Fuseau par son nom", "",
      "Heure légale de ce fuseau (heure d'été comprise) pour les instants saisis ; vide : "
      "heures lues sur le fuseau horaire du cadran",
      C::GroupLongitude, Tab::Lieu);
  // "&Divers"
  set(C::TypeHeure, "", "", "", none, Tab::Divers);
  set(C::Outil, "E&phémérides", "", "Raccourci : Ctrl+J", none, Tab::Divers);
  set(C::GroupSimulation, "Simulation", "", "", none, Tab::Divers);
  set(C::Dest, "&Est", "", "", C::GroupSimulation, Tab::Divers);
  set(C::Douest, "&Ouest", "", "", C::GroupSimulation, Tab::Divers);
  set(C::Caldir, "&Tracer", "", "Raccourci : Ctrl+K", C::GroupSimulation, Tab::Divers);
  set(C::Simul, "&Simuler", "", "Raccourci : Ctrl+L", C::GroupSimulation, Tab::Divers);
  // "&Option"
  set(C::Sequ, "Séquence", "", "", none, Tab::Option);
  set(C::NomFic, "", "", "", none, Tab::Option);
  // "&Test"
  set(C::Edit20, "Long:", "", "Degré décimal, négatif à l'est", none, Tab::Test);
  set(C::Edit21, "Lat:", "", "Degré décimal, négatif au sud", none, Tab::Test);
  set(C::Edit22, "Fuseau h", "", "Négatif vers l'ouest", none, Tab::Test);
  set(C::Corref, "Correction réfraction", "", "", none, Tab::Test);
  set(C::Edit23, "Decl:", "", "Degré décimal, négatif à l'est", none, Tab::Test);
  set(C::Edit24, "Incl:", "", "Degré décimal, vertical = 90", none, Tab::Test);
  set(C::Edit25, "Arrondi", "", "Nombre de parties décimales", none, Tab::Test);
  set(C::Edit26, "Rotation", "", "0: x \"bibi\" vers la droite, 90: vers le bas", none, Tab::Test);
  set(C::Pta12h, "Pts à 12h TU", "", "Déclinaison/EdT calculés à 12h TU", none, Tab::Test);
  set(C::Button2, "Calcule", "", "", none, Tab::Test);
  set(C::Button3, "Trace", "", "", none, Tab::Test);
  // under the tabs
  set(C::Button1, "C&alculer", "", "Raccourci : Ctrl+M", none, std::nullopt);
  return t;
}

}  // namespace

const ControlInfo& InfoOf(ControlId id) {
  static const std::array<ControlInfo, kControlCount> table = BuildTable();
  return table[static_cast<int>(id)];
}

const char* TabCaption(Tab tab) { return kTabCaptions[static_cast<int>(tab)]; }

int TabHelpContext(Tab tab) { return kTabHelp[static_cast<int>(tab)]; }

bool IsRevalidatedEdit(ControlId id) {
  // every entry edit and the Test tab's; not `NomFic`, which has no handler
  return static_cast<int>(id) < static_cast<int>(ControlId::NomFic);
}

}  // namespace umbrix
