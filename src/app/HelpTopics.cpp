#include "app/HelpTopics.h"

#include <array>
#include <optional>

#include "model/Texts.h"

namespace umbrix {

namespace {

constexpr std::array<HelpTopic, kHelpTopicCount> kTopics = {{
    {0, "index.html", UMBRIX_TR("HelpTopics", "Umbrix : du gnomon au cadran tracé")},
    {1, "cadran.html", UMBRIX_TR("HelpTopics", "L'onglet Cadran : la plaque et le gnomon")},
    {2, "points.html", UMBRIX_TR("HelpTopics", "Les onglets Point 1 et Point 2 : marquer l'ombre")},
    {3, "lieu.html", UMBRIX_TR("HelpTopics", "L'onglet Lieu : ce que l'on sait du lieu")},
    {4, "fenetre.html",
     UMBRIX_TR("HelpTopics", "La fenêtre principale, ses menus, la souris et les touches")},
    {5, "simulation.html", UMBRIX_TR("HelpTopics", "La simulation et le tracé direct")},
    {6, "divers.html",
     UMBRIX_TR("HelpTopics", "L'onglet Divers : l'instant courant et les éphémérides")},
    {7, "fichiers.html",
     UMBRIX_TR("HelpTopics", "Le menu Fichier : projets, exports et impressions")},
    {8, "porte-ombre.html", UMBRIX_TR("HelpTopics", "Le porte-ombre final")},
    {9, "carreaux.html", UMBRIX_TR("HelpTopics", "Le quadrillage")},
    {10, "rapport.html", UMBRIX_TR("HelpTopics", "Le rapport, ligne par ligne")},
    {11, "saisies.html", UMBRIX_TR("HelpTopics", "La fenêtre Saisies")},
    {12, "style-gnomon.html", UMBRIX_TR("HelpTopics", "Style ou gnomon")},
    {13, "heures-anciennes.html",
     UMBRIX_TR("HelpTopics", "Les heures italiques, babyloniques et temporaires")},
}};

constexpr int kDialogTopic = 11;
constexpr int kReportPaneTopic = 10;

constexpr int First(std::initializer_list<int> chain) {
  for (const int id : chain) {
    if (id != 0) return id;
  }
  return 0;
}

}  // namespace

const char* HelpPagesFolder(bool englishUi) { return englishUi ? "en/" : ""; }

std::span<const HelpTopic> HelpTopics() { return kTopics; }

const HelpTopic& TopicOf(int id) {
  return id >= 0 && id < kHelpTopicCount ? kTopics[static_cast<size_t>(id)] : kTopics[0];
}

int OwnTopic(ControlId id) {
  switch (id) {
    case ControlId::GroupSimulation:
      return 5;
    case ControlId::GroupFinal:
      return 8;
    case ControlId::Carreau:
      return 9;
    default:
      return 0;
  }
}

int OwnTopic(Tab tab) {
  switch (tab) {
    case Tab::Cadran:
      return 1;
    case Tab::Point1:
    case Tab::Point2:
      return 2;
    case Tab::Lieu:
      return 3;
    case Tab::Divers:
      return 6;
    case Tab::Option:
    case Tab::Test:
      break;
  }
  return 0;
}

int DialogOwnTopic() { return kDialogTopic; }

int DialogHelpTopic(ControlId id) {
  const ControlInfo& info = InfoOf(id);
  const int group = info.group ? OwnTopic(*info.group) : 0;
  const int tab = info.tab ? OwnTopic(*info.tab) : 0;
  return First({OwnTopic(id), group, tab, DialogOwnTopic()});
}

int DialogHelpTopic(Tab tab) { return First({OwnTopic(tab), DialogOwnTopic()}); }

int MainWindowHelpTopic(MainWindowPart part) {
  const int own = part == MainWindowPart::ReportPane ? kReportPaneTopic : 0;
  return First({own, kMainWindowTopic});
}

int MenuHelpTopic(MenuId id) {
  std::optional<MenuId> at = id;
  while (at) {
    const MenuRow& row = RowOf(*at);
    if (row.helpContext != 0) return row.helpContext;
    at = row.parent;
  }
  return kMainWindowTopic;
}

}  // namespace umbrix
