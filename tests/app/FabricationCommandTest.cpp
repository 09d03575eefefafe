// "Export fabrication": the menu item, the save dialog, the replace question, DXF or SVG by the
// name's extension, and the title block the session gives the drawing.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/MainMenu.h"
#include "app/SessionFixtures.h"
#include "model/CodePage.h"
#include "support/ShownMessages.h"

namespace umbrix {
namespace {

using testing::App;
using testing::TempFolder;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FabricationCommand, TheItemStandsAfterExportDxfWithoutAShortcut) {
  const auto table = MenuTable();
  for (std::size_t k = 0; k + 1 < table.size(); ++k) {
    if (table[k].id != MenuId::FichierDxf1) continue;
    EXPECT_EQ(table[k + 1].id, MenuId::FichierFabrication1);
  }
  const MenuRow& row = RowOf(MenuId::FichierFabrication1);
  EXPECT_EQ(std::string(row.caption), "Export &fabrication (dxf, svg)");
  EXPECT_EQ(row.parent, MenuId::Fichier1);
  EXPECT_EQ(std::string(row.shortcut), "");
}

TEST(FabricationCommand, RefusedWithoutADrawing) {
  App app;
  EXPECT_TRUE(app.menus.Run(MenuId::FichierFabrication1));
  EXPECT_EQ(app.platform.messages, Messages{ErrorMessage(kNoDrawingToExportText)});
  EXPECT_TRUE(app.platform.saveDialogs.empty());
  TempFolder folder;
  EXPECT_EQ(app.exports.WriteFabrication(folder.File("a.svg")),
            ErrorMessage(kNoDrawingToExportText));
  EXPECT_FALSE(std::filesystem::exists(folder.File("a.svg")));
}

TEST(FabricationCommand, WritesDxfOrSvgByTheNameAndAsksBeforeReplacing) {
  TempFolder folder;
  App app;
  testing::TypeWorkedCase(app.form());
  ASSERT_TRUE(app.session.StartComputation(RunMode::Compute));
  const std::string dxf = folder.File("plaque.dxf");
  { std::ofstream(dxf) << "ancien"; }

  app.platform.filesToSave = {dxf};
  app.platform.answers = {Answer::Cancel};
  app.menus.Run(MenuId::FichierFabrication1);
  EXPECT_EQ(app.platform.saveDialogs, (std::vector<FileDialog>{{"dxf", kFabricationFilter, ""}}));
  EXPECT_EQ(Slurp(dxf), "ancien");

  app.platform.Forget();
  app.platform.filesToSave = {dxf};
  app.platform.answers = {Answer::Ok};
  app.menus.Run(MenuId::FichierFabrication1);
  EXPECT_TRUE(app.platform.messages.empty());
  EXPECT_EQ(Slurp(dxf), app.exports.FabricationDxfDocument());
  EXPECT_EQ(Slurp(dxf).rfind("999\r\nUmbrix - dessin de fabrication", 0), 0u);

  const std::string svg = folder.File("plaque.SVG");
  app.platform.filesToSave = {svg};
  app.menus.Run(MenuId::FichierFabrication1);
  EXPECT_EQ(Slurp(svg), app.exports.FabricationSvgDocument());
  EXPECT_EQ(Slurp(svg).rfind("<?xml", 0), 0u);
  EXPECT_TRUE(app.state().DrawingExists);
}

TEST(FabricationCommand, TheLoadedProjectIsNeverReplaced) {
  TempFolder folder;
  const std::string name = folder.File("mur.umd");
  {
    App first;
    testing::TypeWorkedCase(first.form());
    first.session.StartComputation(RunMode::Compute);
    ASSERT_TRUE(first.session.WriteProject(name, false));
  }
  const std::string before = Slurp(name);
  App app;
  ASSERT_TRUE(app.session.OpenProject(name));
  EXPECT_EQ(testing::AsShown(app.exports.WriteFabrication(name)),
            ErrorMessage(name + " : déjà ouvert ou erreur d'ouverture"));
  EXPECT_EQ(Slurp(name), before);
  app.platform.Forget();
  app.platform.filesToSave = {folder.File("mur.dxf")};
  app.menus.Run(MenuId::FichierFabrication1);
  EXPECT_EQ(app.platform.saveDialogs,
            (std::vector<FileDialog>{{"dxf", kFabricationFilter, "mur.dxf"}}));
  EXPECT_NE(Slurp(folder.File("mur.dxf")).find("mur - Trac\xE9 par le logiciel"), std::string::npos)
      << "the project's name, in Windows-1252";
}

TEST(FabricationCommand, TheTitleGivesTheSolvedPlaceAndOrientationWithTheirSides) {
  App app;
  testing::TypeWorkedCase(app.form());
  ASSERT_TRUE(app.session.StartComputation(RunMode::Compute));
  const std::vector<std::string> title = app.exports.FabricationTitle();
  ASSERT_EQ(title.size(), 3u);
  EXPECT_EQ(title[0], "Cadran sans nom - Tracé par le logiciel Umbrix Z3uviv12");
  // the longitude typed 5° east, which the report writes as -5 (west positive)
  EXPECT_TRUE(title[1].starts_with("Lieu : Latitude : 4")) << title[1];
  EXPECT_TRUE(title[1].ends_with("° N ; Longitude : 5° E ; Fuseau horaire : 2:00")) << title[1];
  EXPECT_TRUE(title[2].starts_with("Orientation : Déclinaison : ")) << title[2];
  EXPECT_NE(title[2].find("° ouest ; Inclinaison : "), std::string::npos) << title[2];
  EXPECT_NE(title[2].find(" ; Rotation : "), std::string::npos) << title[2];
}

TEST(FabricationCommand, ATracedPlateTitlesItsTypedEntriesOnEachSide) {
  struct Row {
    Radio latitudeSide, longitudeSide, declinationSide;
    const char* place;
    const char* turn;
  };
  const Row rows[] = {
      {Radio::Nord, Radio::Est, Radio::Douest,
       "Lieu : Latitude : 45° N ; Longitude : 5° E ; Fuseau horaire : 2:00",
       "Orientation : Déclinaison : 20° ouest ; Inclinaison : 90° ; Rotation : 0°"},
      {Radio::Sud, Radio::Ouest, Radio::Dest,
       "Lieu : Latitude : 45° S ; Longitude : 5° O ; Fuseau horaire : 2:00",
       "Orientation : Déclinaison : 20° est ; Inclinaison : 90° ; Rotation : 0°"},
  };
  for (const Row& row : rows) {
    App app;
    testing::TypePlate(app.form());
    testing::TypeFullPlace(app.form());
    testing::TypeWorkedOrientation(app.form());
    app.form().Select(row.latitudeSide);
    app.form().Select(row.longitudeSide);
    app.form().Select(row.declinationSide);
    ASSERT_TRUE(app.session.StartComputation(RunMode::Trace))
        << ::testing::PrintToString(app.platform.MessageTexts());
    const std::vector<std::string> title = app.exports.FabricationTitle();
    ASSERT_EQ(title.size(), 3u);
    EXPECT_EQ(title[1], row.place);
    EXPECT_EQ(title[2], row.turn);
  }
}

TEST(FabricationCommand, TheExampleWallReadsEastAndWestInItsDxf) {
  TempFolder folder;
  std::filesystem::copy_file(std::string(UMBRIX_SOURCE_DIR) + "/examples/mur-declinant-ouest.umd",
                             folder.File("mur-declinant-ouest.umd"));
  App app;
  ASSERT_TRUE(app.session.OpenProject(folder.File("mur-declinant-ouest.umd")));
  const std::string dxf = Cp1252ToUtf8(app.exports.FabricationDxfDocument());
  EXPECT_NE(dxf.find("\nmur-declinant-ouest - Tracé par le logiciel Umbrix"), std::string::npos);
  EXPECT_NE(dxf.find("° N ; Longitude : 5° E ; Fuseau horaire : 2:00\r\n"), std::string::npos);
  const std::size_t turn = dxf.find("Orientation : Déclinaison : 20");
  ASSERT_NE(turn, std::string::npos);
  EXPECT_NE(dxf.find("° ouest ; Inclinaison : 90", turn), std::string::npos);
  EXPECT_EQ(dxf.find("Longitude : -5"), std::string::npos) << "the report's west-positive sign";
}

}  // namespace
}  // namespace umbrix
