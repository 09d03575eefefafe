// The main window's menu table, the item states the window shows and the commands it runs, and
// the window's layout rules: all without a window.

#include <gtest/gtest.h>
#include <algorithm>

#include <map>
#include <set>
#include <string>

#include "app/MainMenu.h"
#include "app/SessionFixtures.h"
#include "app/WindowLayout.h"
#include "trace/MeasurementReliability.h"

namespace umbrix {
namespace {

using testing::App;
using testing::CallKind;

struct Expected {
  MenuId id;
  std::string caption;
  std::string shortcut;
};

TEST(MenuTable, CaptionsAndShortcutsAreTheProgramsOwn) {
  const std::vector<Expected> rows = {
      {MenuId::Fichier1, "&Fichier", ""},
      {MenuId::Nouveau1, "&Nouveau", "Ctrl+N"},
      {MenuId::Ouvrir1, "&Ouvrir", "Ctrl+O"},
      {MenuId::Sauver1, "&Enregistrer", "Ctrl+E"},
      {MenuId::Sauversous1, "Enregistrer &Sous", ""},
      {MenuId::Sauverlimage1, "Enregistrer le &Graphique", "Ctrl+G"},
      {MenuId::FichierDxf1, "E&xport dxf", "Ctrl+Shift+X"},
      {MenuId::Imprimer1, "&Imprimer", "Ctrl+I"},
      {MenuId::ImprimerleGraphique1, "Im&primer le Graphique", ""},
      {MenuId::DemiFormat1, "&Demi format", "Ctrl+0"},
      {MenuId::PleinFormat1, "&Plein format", "Ctrl+1"},
      {MenuId::N2formats1, "&2 formats", "Ctrl+2"},
      {MenuId::N4formats1, "&4 formats", "Ctrl+4"},
      {MenuId::Quitter1, "&Quitter", "Ctrl+Q"},
      {MenuId::Saisies1, "&Saisies", ""},
      {MenuId::Tracer1, "&Heures", ""},
      {MenuId::Demih, "&Subdivisions", ""},
      {MenuId::N10min, "10 &min", ""},
      {MenuId::Lighor1, "&Lignes Horaires", ""},
      {MenuId::LhLim, "Li&mitation", ""},
      {MenuId::HiverPrintemps1, "&S janvier-juin", ""},
      {MenuId::EteAutomne1, "&Z juillet-décembre", ""},
      {MenuId::SgEqu, "&Equinoxiale", ""},
      {MenuId::SgTou, "&Tous", ""},
      {MenuId::HiverPrintemps2, "J&anvier-juin", ""},
      {MenuId::EteAutomne2, "J&uillet-décembre", ""},
      {MenuId::Refrac1, "&Réfraction", ""},
      {MenuId::CadBur1, "Cadran de &bureau", "Ctrl+H"},
      {MenuId::Porteombre1, "&Porte-ombre", ""},
      {MenuId::Apropos1, "&?", ""},
      {MenuId::ManuelUtil1, "&Manuel d'util.", ""},
      {MenuId::Apropos2, "A &Propos", ""},
      {MenuId::RetUmbrix1, "Retour Umbrix", "Ctrl+H"},
  };
  for (const Expected& e : rows) {
    const MenuRow& row = RowOf(e.id);
    EXPECT_EQ(row.caption, e.caption) << row.name;
    EXPECT_EQ(row.shortcut, e.shortcut) << row.name;
  }
}

TEST(MenuTable, NoShortcutServesTwoItemsOfOneMenuSystemOrEditsText) {
  // the keys a text box keeps for itself (cut, copy, paste, undo, redo, select all, delete):
  // a menu item on one of them would not run from the comments, or would cut text away
  const std::set<std::string> editing = {
      "Ctrl+X", "Ctrl+C",       "Ctrl+V",    "Ctrl+Z",   "Ctrl+Y",    "Ctrl+A",   "Ctrl+D",
      "Ctrl+K", "Ctrl+Shift+Z", "Shift+Del", "Ctrl+Ins", "Shift+Ins", "Ctrl+Del", "Ctrl+Backspace"};
  // French keeps the program's own keys and adds the ones of today's desktops as second keys;
  // English takes the ones English programs use
  for (const bool english : {false, true}) {
    std::map<std::string, std::string> bar;
    for (const MenuRow& row : MenuTable()) {
      for (const std::string& key : ShortcutsOf(row, english)) {
        EXPECT_FALSE(editing.count(key)) << key << " on " << row.name;
        if (row.parent == MenuId::MenCont) continue;
        const auto [at, fresh] = bar.emplace(key, row.name);
        EXPECT_TRUE(fresh) << key << " on " << at->second << " and " << row.name;
      }
    }
    EXPECT_EQ(bar.size(), english ? 12u : 14u);
    EXPECT_EQ(bar["Ctrl+S"], "Sauver1");
    EXPECT_EQ(bar["Ctrl+P"], "Imprimer1");
    EXPECT_EQ(bar.count(english ? "Ctrl+E" : "Ctrl+I"), english ? 0u : 1u);
  }
}

TEST(MenuTable, EveryItemHasOneRowAfterItsMenu) {
  std::set<MenuId> seen;
  for (const MenuRow& row : MenuTable()) {
    EXPECT_TRUE(seen.insert(row.id).second) << row.name;
    if (row.parent) {
      EXPECT_TRUE(seen.count(*row.parent)) << row.name << " before its menu";
      EXPECT_EQ(RowOf(*row.parent).kind, MenuKind::Menu) << row.name;
    }
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(MenuId::RetUmbrix1) + 1);
  EXPECT_EQ(RowOf(MenuId::Fichier1).helpContext, 7);
  EXPECT_EQ(RowOf(MenuId::Type1).helpContext, 12);
}

TEST(MenuState, TheStartStateOfTheChecksAndTheDisabledItems) {
  const DrawingOptions options;
  std::set<MenuId> checked, disabled;
  for (const MenuRow& row : MenuTable()) {
    const MenuItemState s = ItemState(options, row.id);
    if (s.checked) checked.insert(row.id);
    if (!s.enabled) disabled.insert(row.id);
  }
  EXPECT_EQ(checked, (std::set<MenuId>{MenuId::Lighor1, MenuId::Visible1, MenuId::Style1}));
  EXPECT_EQ(disabled, (std::set<MenuId>{MenuId::Horizon1, MenuId::Refrac1, MenuId::Italiques1,
                                        MenuId::Babyloniques1, MenuId::Temporaires1}));
}

TEST(MenuCommands, EachOptionItemTogglesItsOwnMarkAndMarksTheProject) {
  for (const MenuRow& row : MenuTable()) {
    if (row.kind != MenuKind::Option || row.parent == MenuId::MenCont) continue;
    App app;
    // a box of the dialog enables the two disabled items
    app.form().SetChecked(Check::Limite, true);
    app.form().SetChecked(Check::Locc, true);
    app.state().Modified = false;
    const bool before = app.menus.State(row.id).value().checked;
    EXPECT_TRUE(app.menus.Run(row.id)) << row.name;
    // "&Style" is the current type: clicking it again is no change
    const bool expected = row.id == MenuId::Style1 ? before : !before;
    EXPECT_EQ(app.menus.State(row.id).value().checked, expected) << row.name;
    EXPECT_EQ(app.state().Modified, row.id != MenuId::Style1) << row.name;
  }
}

TEST(MenuCommands, QuitterEndsTheProgram) {
  App app;
  EXPECT_TRUE(app.menus.Run(MenuId::Quitter1));
  EXPECT_EQ(app.platform.terminated, 1);
}

TEST(WindowLayout, TheDesignPanesAndTheMinimum) {
  EXPECT_EQ(MinimumClientSize(), (PixelSize{534, 374}));
  // at the design size the panes are where they were drawn
  const MainLayout design = LayOutMainWindow({534, 374});
  EXPECT_EQ(design.reportPane.left, 336);
  EXPECT_EQ(design.commentsPane, (PixelRect{112, 336, 417, 33}));
  EXPECT_EQ(design.commentsCaptionTop, 336);
  EXPECT_EQ(design.modeLabelTop, 353);
}

TEST(WindowLayout, TheReportPaneStopsAboveTheCommentsWhenTheyDoNotFitSideBySide) {
  struct Row {
    int width;
    int wanted;  // the splitter's width, 0 none
    int reportWidth;
    int reportHeight;  // client height 600
  };
  // side by side from a gap of 12 pixels: 193 + 417 + 112 + 12 = 734; the drawing keeps 336
  for (const Row& r : {Row{733, 0, 193, 600 - 45}, Row{734, 0, 193, 595}, Row{1000, 0, 193, 595},
                       Row{534, 0, 193, 555}, Row{1000, 459, 459, 595}, Row{1000, 460, 460, 555},
                       Row{1000, 900, 659, 555}, Row{1000, 100, 193, 595}, Row{534, 400, 193, 555},
                       Row{1920, 800, 800, 595}}) {
    const MainLayout layout = LayOutMainWindow({r.width, 600}, r.wanted);
    EXPECT_EQ(layout.reportPane.width, r.reportWidth) << r.width << " " << r.wanted;
    EXPECT_EQ(layout.reportPane.height, r.reportHeight) << r.width << " " << r.wanted;
    EXPECT_EQ(layout.reportPane.left, r.width - r.reportWidth - 5) << r.width;
    EXPECT_EQ(layout.commentsPane.top, 600 - 38) << r.width;
  }
}

TEST(WindowLayout, SaisiesOpensBesideTheWindowElseOverTheDrawingsEmptiestCorner) {
  const PixelRect screen{0, 0, 1920, 1080};
  const PixelSize dialog{400, 500};
  struct Row {
    PixelRect window;
    PixelRect blot;  // the drawn part of a 1500 x 900 drawing at (0, 30)
    int left;
    int top;
  };
  for (const Row& r : {
           Row{{100, 100, 760, 638}, {}, 868, 100},              // on the right
           Row{{1400, 100, 500, 638}, {}, 992, 100},             // on the left
           Row{{1500, 700, 400, 300}, {}, 1092, 580},            // on the left, kept on screen
           Row{{0, 0, 1920, 1080}, {}, 1100, 30},                // maximized: top right first
           Row{{0, 0, 1920, 1080}, {1000, 0, 500, 300}, 1100, 430},  // then bottom right
           Row{{0, 0, 1920, 1080}, {900, 0, 600, 900}, 0, 430},  // the right half drawn
       }) {
    const auto ink = [&](const PixelRect& box) {
      const int w = std::min(box.left + box.width, r.blot.left + r.blot.width) -
                    std::max(box.left, r.blot.left);
      const int h = std::min(box.top + box.height, r.blot.top + r.blot.height) -
                    std::max(box.top, r.blot.top);
      return std::max(w, 0) * std::max(h, 0);
    };
    const PixelRect at = PlaceDialog(screen, r.window, dialog, {0, 30, 1500, 900}, ink);
    EXPECT_EQ(at, (PixelRect{r.left, r.top, 400, 500})) << r.window.left << " " << r.blot.left;
  }
}

TEST(WindowLayout, TheStartSizeGrowsOnlyOnAScreenWithRoom) {
  const PixelSize frame{10, 50};
  // minimum outer 544 x 424; enlarged 744 x 624 needs more than 772 x 652 of screen
  EXPECT_EQ(InitialOuterSize({1920, 1080}, frame), (PixelSize{744, 624}));
  EXPECT_EQ(InitialOuterSize({773, 653}, frame), (PixelSize{744, 624}));
  EXPECT_EQ(InitialOuterSize({772, 1080}, frame), (PixelSize{544, 424}));
  EXPECT_EQ(InitialOuterSize({1920, 652}, frame), (PixelSize{544, 424}));
  EXPECT_EQ(InitialOuterSize({640, 480}, frame), (PixelSize{544, 424}));
}

TEST(TestTab, TheButtonsAskForTheGeometryFirst) {
  App app({"MAP"});
  app.session.TestComputeCommand();
  app.session.TestTraceCommand();
  EXPECT_EQ(
      app.platform.MessageTexts(),
      (std::vector<std::string>{"Donner la géométrie de mesure", "Donner la géométrie du cadran"}));
  EXPECT_EQ(app.platform.Count(CallKind::DrawSegment), 0u);
}

TEST(TestTab, CalculeWritesBothPointsAndTraceDrawsOverTheDrawing) {
  App app({"MAP"});
  testing::TypePlate(app.form());
  testing::TypeInstants(app.form());
  for (const auto& [field, text] :
       std::vector<std::pair<TestField, std::string>>{{TestField::Edit20, "-5"},
                                                      {TestField::Edit21, "45"},
                                                      {TestField::Edit22, "2"},
                                                      {TestField::Edit23, "20"},
                                                      {TestField::Edit24, "90"},
                                                      {TestField::Edit25, "1"},
                                                      {TestField::Edit26, "0"}}) {
    app.form().Enter(field, text);
  }
  app.session.TestComputeCommand();
  EXPECT_TRUE(app.project().Mesx1.given);
  EXPECT_TRUE(app.project().Mesy2.given);
  EXPECT_TRUE(app.state().TestDataValid);
  app.platform.Forget();
  app.session.TestTraceCommand();
  EXPECT_GT(app.platform.Count(CallKind::DrawSegment) + app.platform.Count(CallKind::DrawPolyline),
            10u);
  // drawn over what was there: no fill first
  EXPECT_EQ(app.platform.Count(CallKind::FillSurface), 0u);
  EXPECT_TRUE(app.platform.LogHasInOrder({"present"}));
}

TEST(Reliability, TheMenuShowsTheStudyAndAMissingEntryAsCalculerDoes) {
  App empty;
  empty.menus.Run(MenuId::Fiabilite1);
  EXPECT_TRUE(empty.platform.LogHasInOrder({"dialog", "message:Donner la géométrie du cadran"}));
  EXPECT_TRUE(empty.platform.textWindow.empty());

  App app;
  testing::TypeWorkedCase(app.form());
  EXPECT_TRUE(app.menus.Run(MenuId::Fiabilite1));
  EXPECT_TRUE(app.platform.LogHasInOrder({"text-window:Fiabilité de la mesure"}));
  EXPECT_EQ(app.platform.textWindow, ReliabilityText(StudyReliability(app.project())));
  EXPECT_NE(app.platform.textWindow.find("Fiabilité de la mesure (marques à ± 0.5 mm) :"),
            std::string::npos);
}

TEST(Reliability, OnlyAnUnreliableMeasurementSpeaksAfterCalculer) {
  // the worked marks four hours apart, then two marks twenty minutes apart
  App good;
  testing::TypeWorkedCase(good.form());
  ASSERT_TRUE(good.session.ComputeCommand(RunMode::Compute));
  ASSERT_NE(StudyReliability(good.project()).verdict, ReliabilityVerdict::Unreliable);
  EXPECT_TRUE(good.platform.messages.empty());

  App close;
  testing::TypeWorkedCase(close.form());
  close.form().Enter(Field::Heure1, "15:00:00");
  close.form().Enter(Field::Heure2, "15:20:00");
  testing::TypeWorkedOrientation(close.form());
  // marks that a 20 W wall at 45 N receives at those instants: simulate, then measure them
  ASSERT_TRUE(close.session.ComputeCommand(RunMode::Simulate));
  EXPECT_TRUE(close.platform.messages.empty());
  const std::string report = close.session.ReportPane();
  close.platform.Forget();
  ASSERT_TRUE(close.session.ComputeCommand(RunMode::Compute));
  ASSERT_EQ(close.platform.messages.size(), 1u);
  EXPECT_EQ(close.platform.messages[0].kind, MessageKind::Information);
  EXPECT_NE(close.platform.messages[0].text.find("peu fiable"), std::string::npos);
  // a redraw of the same dial does not say it again
  close.platform.Forget();
  close.menus.Run(MenuId::Axes1);
  EXPECT_TRUE(close.platform.messages.empty());
  EXPECT_FALSE(report.empty());
}

}  // namespace
}  // namespace umbrix
