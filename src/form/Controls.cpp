#include "form/Controls.h"

#include "form/FieldFacts.h"
#include "model/Texts.h"

namespace umbrix {

namespace {

constexpr const char* kTabCaptions[kTabCount] = {
    UMBRIX_TR("Controls", "&Cadran"),  UMBRIX_TR("Controls", "Point &1"),
    UMBRIX_TR("Controls", "Point &2"), UMBRIX_TR("Controls", "&Lieu"),
    UMBRIX_TR("Controls", "&Divers"),  UMBRIX_TR("Controls", "&Option"),
    UMBRIX_TR("Controls", "&Test")};

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
  };
  const std::optional<C> none;
  for (const FieldFacts& f : kFieldFacts) {
    t[static_cast<int>(ControlOf(f.field))] = {f.caption, f.unit, f.hint, f.group, f.tab};
    if (f.label) t[static_cast<int>(f.label->control)] = {"", "", "", f.group, f.tab};
  }
  // "&Cadran"
  set(C::Rectg, UMBRIX_TR("Controls", "Cadran &rectangulaire"), "", "", none, Tab::Cadran);
  set(C::GroupCotes, "", "", "", none, Tab::Cadran);
  set(C::Hautf, UMBRIX_TR("Controls", "&Porte-ombre final"), "", "", none, Tab::Cadran);
  set(C::GroupFinal, "", "", "", none, Tab::Cadran);
  // "&Lieu"
  set(C::Limite, UMBRIX_TR("Controls", "L&imiter le tracé à la partie utile"), "", "", none,
      Tab::Lieu);
  set(C::GroupNordSud, "", "", "", none, Tab::Lieu);
  set(C::Nord, UMBRIX_TR("Controls", "&Nord"), "", "", C::GroupNordSud, Tab::Lieu);
  set(C::Sud, UMBRIX_TR("Controls", "&Sud"), "", "", C::GroupNordSud, Tab::Lieu);
  set(C::Mijou, UMBRIX_TR("Controls", "&Mi-journée"), "", "", none, Tab::Lieu);
  set(C::GroupMiJour, UMBRIX_TR("Controls", "Heure à mi-journée"), "", "", none, Tab::Lieu);
  set(C::Locc, UMBRIX_TR("Controls", "L&ocalisation complète"), "", "", none, Tab::Lieu);
  set(C::Hvrai, UMBRIX_TR("Controls", "&Heures solaires"), "", "", none, Tab::Lieu);
  set(C::GroupLongitude, "", "", "", none, Tab::Lieu);
  set(C::Est, UMBRIX_TR("Controls", "&Est"), "", "", C::GroupLongitude, Tab::Lieu);
  set(C::Ouest, UMBRIX_TR("Controls", "&Ouest"), "", "", C::GroupLongitude, Tab::Lieu);
  set(C::Zone, UMBRIX_TR("Controls", "Fuseau par son nom"), "",
      UMBRIX_TR(
          "Controls",
          "Heure légale de ce fuseau (heure d'été comprise) pour les instants saisis ; vide : "
          "heures lues sur le fuseau horaire du cadran"),
      C::GroupLongitude, Tab::Lieu);
  // "&Divers"
  set(C::TypeHeure, "", "", "", none, Tab::Divers);
  set(C::Outil, UMBRIX_TR("Controls", "E&phémérides"), "",
      UMBRIX_TR("Controls", "Raccourci : Ctrl+J"), none, Tab::Divers);
  set(C::GroupSimulation, UMBRIX_TR("Controls", "Simulation"), "", "", none, Tab::Divers);
  set(C::Dest, UMBRIX_TR("Controls", "&Est"), "", "", C::GroupSimulation, Tab::Divers);
  set(C::Douest, UMBRIX_TR("Controls", "&Ouest"), "", "", C::GroupSimulation, Tab::Divers);
  set(C::Caldir, UMBRIX_TR("Controls", "&Tracer"), "", UMBRIX_TR("Controls", "Raccourci : Ctrl+K"),
      C::GroupSimulation, Tab::Divers);
  set(C::Simul, UMBRIX_TR("Controls", "&Simuler"), "", UMBRIX_TR("Controls", "Raccourci : Ctrl+L"),
      C::GroupSimulation, Tab::Divers);
  // "&Option"
  set(C::Sequ, UMBRIX_TR("Controls", "Séquence"), "", "", none, Tab::Option);
  set(C::NomFic, "", "", "", none, Tab::Option);
  // "&Test"
  set(C::Edit20, UMBRIX_TR("Controls", "Long:"), "",
      UMBRIX_TR("Controls", "Degré décimal, négatif à l'est"), none, Tab::Test);
  set(C::Edit21, UMBRIX_TR("Controls", "Lat:"), "",
      UMBRIX_TR("Controls", "Degré décimal, négatif au sud"), none, Tab::Test);
  set(C::Edit22, UMBRIX_TR("Controls", "Fuseau h"), "",
      UMBRIX_TR("Controls", "Négatif vers l'ouest"), none, Tab::Test);
  set(C::Corref, UMBRIX_TR("Controls", "Correction réfraction"), "", "", none, Tab::Test);
  set(C::Edit23, UMBRIX_TR("Controls", "Decl:"), "",
      UMBRIX_TR("Controls", "Degré décimal, négatif à l'est"), none, Tab::Test);
  set(C::Edit24, UMBRIX_TR("Controls", "Incl:"), "",
      UMBRIX_TR("Controls", "Degré décimal, vertical = 90"), none, Tab::Test);
  set(C::Edit25, UMBRIX_TR("Controls", "Arrondi"), "",
      UMBRIX_TR("Controls", "Nombre de parties décimales"), none, Tab::Test);
  set(C::Edit26, UMBRIX_TR("Controls", "Rotation"), "",
      UMBRIX_TR("Controls", "0: x \"bibi\" vers la droite, 90: vers le bas"), none, Tab::Test);
  set(C::Pta12h, UMBRIX_TR("Controls", "Pts à 12h TU"), "",
      UMBRIX_TR("Controls", "Déclinaison/EdT calculés à 12h TU"), none, Tab::Test);
  set(C::Button2, UMBRIX_TR("Controls", "Calcule"), "", "", none, Tab::Test);
  set(C::Button3, UMBRIX_TR("Controls", "Trace"), "", "", none, Tab::Test);
  // under the tabs
  set(C::Button1, UMBRIX_TR("Controls", "C&alculer"), "",
      UMBRIX_TR("Controls", "Raccourci : Ctrl+M"), none, std::nullopt);
  return t;
}

}  // namespace

const ControlInfo& InfoOf(ControlId id) {
  static const std::array<ControlInfo, kControlCount> table = BuildTable();
  return table[static_cast<int>(id)];
}

const char* TabCaption(Tab tab) { return kTabCaptions[static_cast<int>(tab)]; }

bool IsRevalidatedEdit(ControlId id) {
  // every entry edit and the Test tab's; not `NomFic`, which has no handler
  return static_cast<int>(id) < static_cast<int>(ControlId::NomFic);
}

}  // namespace umbrix
