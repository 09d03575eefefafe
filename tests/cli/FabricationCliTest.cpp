// The workshop drawing from the command line: its options, and every bundled example written
// the same byte for byte whatever the size of the drawing, kept for the ezdxf check.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "ExampleProjects.h"
#include "app/SessionFixtures.h"
#include "cli/CliOptions.h"
#include "support/FileCopy.h"
#include "support/TempFolder.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;

TEST(CliArguments, WorkshopDrawingOptions) {
  const CliParse p = ParseCliArguments({"mur.umd", "--fabrication-dxf", "a.dxf",
                                        "--fabrication-svg=b.svg", "--hauteur-chiffres", "6.5"});
  ASSERT_TRUE(p.options) << p.error;
  EXPECT_EQ(p.options->fabricationDxf, "a.dxf");
  EXPECT_EQ(p.options->fabricationSvg, "b.svg");
  EXPECT_DOUBLE_EQ(p.options->numeralHeightMm, 6.5);
  EXPECT_EQ(ParseCliArguments({"mur.umd", "--numeral-height", "1"}).options->numeralHeightMm, 1.0);
  EXPECT_EQ(ParseCliArguments({"mur.umd"}).options->numeralHeightMm, 0.0) << "the plate's default";
}

TEST(CliArguments, WorkshopDrawingRefusals) {
  struct Case {
    std::vector<std::string> args;
    std::string error;
  };
  const std::vector<Case> cases = {
      {{"a.umd", "--hauteur-chiffres", "0.9"}, "hauteur des chiffres incorrecte : « 0.9 »"},
      {{"a.umd", "--hauteur-chiffres", "100.5"}, "hauteur des chiffres incorrecte : « 100.5 »"},
      {{"a.umd", "--hauteur-chiffres", "cinq"}, "hauteur des chiffres incorrecte : « cinq »"},
      {{"a.umd", "--numeral-height", "nan"}, "hauteur des chiffres incorrecte : « nan »"},
      {{"a.umd", "--hauteur-chiffres", "4", "--numeral-height", "5"}, "donnée deux fois"},
      {{"a.umd", "--fabrication-dxf", "a", "--fabrication-dxf", "b"}, "donnée deux fois"},
      {{"a.umd", "--fabrication-svg"}, "attend une valeur"},
      {{"a.umd", "--fabrication-dxf", "-", "--fabrication-svg", "-"}, "une seule sortie"},
      {{"a.umd", "--fabrication-svg", "-", "--dxf", "-"}, "une seule sortie"},
  };
  for (const Case& c : cases) {
    const CliParse p = ParseCliArguments(c.args);
    EXPECT_FALSE(p.options) << c.args.back();
    EXPECT_NE(p.ErrorText().find(c.error), std::string::npos) << p.error;
  }
}

TEST(CliArguments, HelpNamesTheWorkshopDrawing) {
  for (const bool french : {true, false}) {
    const std::string help = HelpText(french);
    EXPECT_NE(help.find("--fabrication-dxf"), std::string::npos);
    EXPECT_NE(help.find("--fabrication-svg"), std::string::npos);
    EXPECT_NE(help.find(french ? "--hauteur-chiffres" : "--numeral-height"), std::string::npos);
  }
}

// Where the ezdxf check reads the drawings, when CTest asks for them.
fs::path KeptFolder() {
  const char* dir = std::getenv("UMBRIX_FABRICATION_DIR");
  if (dir == nullptr || *dir == '\0') return {};
  fs::create_directories(dir);
  return dir;
}

std::vector<std::string> ExampleFiles() {
  std::vector<std::string> files;
  for (const testing::ExampleProject& example : testing::ExampleProjects())
    files.push_back(example.file);
  return files;
}

class FabricationOfAnExample : public ::testing::TestWithParam<std::string> {};

TEST_P(FabricationOfAnExample, IsTheSameWhateverTheDrawingsSize) {
  const std::string file = GetParam();
  testing::TempFolder out;
  const std::string project =
      testing::CopyInto(out.Path(), fs::path(UMBRIX_SOURCE_DIR) / "examples" / file).string();
  std::vector<std::string> dxf, svg;
  for (const std::string size : {"200x150", "1500x1100"}) {
    dxf.push_back(out.File(size + ".dxf"));
    svg.push_back(out.File(size + ".svg"));
    const testing::CliRunResult run = testing::RunCliProcess(
        {project, "--size", size, "--fabrication-dxf", dxf.back(), "--fabrication-svg", svg.back(),
         "--report", out.File("report.txt")},
        out.Path());
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
  }
  const std::string dxfBytes = ReadBytes(dxf[0]);
  const std::string svgBytes = ReadBytes(svg[0]);
  EXPECT_EQ(dxfBytes, ReadBytes(dxf[1]));
  EXPECT_EQ(svgBytes, ReadBytes(svg[1]));
  EXPECT_EQ(dxfBytes.find("SOLID"), std::string::npos);
  EXPECT_NE(dxfBytes.find("\r\n  0\r\nEOF\r\n"), std::string::npos);
  const fs::path kept = KeptFolder();
  if (kept.empty()) return;
  const std::string stem = fs::path(file).stem().string();
  testing::WriteBytes(kept / (stem + ".dxf"), dxfBytes);
  testing::WriteBytes(kept / (stem + ".svg"), svgBytes);
  testing::WriteBytes(kept / (stem + ".txt"), ReadBytes(out.File("report.txt")));
}

INSTANTIATE_TEST_SUITE_P(Examples, FabricationOfAnExample, ::testing::ValuesIn(ExampleFiles()),
                         [](const auto& info) {
                           std::string name = fs::path(info.param).stem().string();
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

// The worked wall with the three old hours, each on its own layer with its numbers, kept for the
// ezdxf check beside the examples.
TEST(Fabrication, OldHoursOfTheWorkedWallHaveTheirLayers) {
  testing::TempFolder out;
  const std::string project =
      testing::CopyInto(out.Path(),
                        fs::path(UMBRIX_SOURCE_DIR) / "examples" / "mur-declinant-ouest.umd")
          .string();
  const testing::CliRunResult run =
      testing::RunCliProcess({project, "--heures-anciennes", "italiques,babyloniques,temporaires",
                              "--fabrication-dxf", out.File("old.dxf"), "--fabrication-svg",
                              out.File("old.svg"), "--report", out.File("old.txt")},
                             out.Path());
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  const std::string dxf = ReadBytes(out.File("old.dxf"));
  const std::string svg = ReadBytes(out.File("old.svg"));
  for (const char* layer : {"ITALIQUES", "BABYLONIQUES", "TEMPORAIRES"}) {
    // listed in the table, then carrying lines and numbers
    const std::string name = std::string("GRAVURE_HEURES_") + layer + "_MM";
    EXPECT_NE(dxf.find("  0\r\nLAYER\r\n  2\r\n" + name), std::string::npos) << layer;
    EXPECT_NE(dxf.find("  0\r\nTEXT\r\n  8\r\n" + name), std::string::npos) << layer;
  }
  EXPECT_NE(svg.find("<g id=\"gravure-heures-temporaires\""), std::string::npos);
  const fs::path kept = KeptFolder();
  if (kept.empty()) return;
  testing::WriteBytes(kept / "heures-anciennes.dxf", dxf);
  testing::WriteBytes(kept / "heures-anciennes.svg", svg);
  testing::WriteBytes(kept / "heures-anciennes.txt", ReadBytes(out.File("old.txt")));
}

TEST(Fabrication, ANumeralHeightAskedForIsTheOneWritten) {
  const fs::path examples = fs::path(UMBRIX_SOURCE_DIR) / "examples";
  testing::TempFolder out;
  const std::string project =
      testing::CopyInto(out.Path(), examples / "mur-declinant-ouest.umd").string();
  const testing::CliRunResult run = testing::RunCliProcess(
      {project, "--fabrication-dxf", "-", "--hauteur-chiffres", "7.5"}, out.Path());
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_NE(run.out.find(" 40\r\n7.5\r\n  1\r\n12\r\n"), std::string::npos);
  EXPECT_NE(run.out.find("chiffres de 7.5 mm"), std::string::npos);
}

TEST(Fabrication, WithoutADrawingNothingIsWritten) {
  testing::TempFolder out;
  std::string project;
  {
    testing::FakePlatform platform;
    Session session(platform);
    session.Start({});
    session.Dialog().Enter(Field::Gnomon, "100");
    project = out.File("vide.umd");
    ASSERT_TRUE(session.WriteProject(project, false));
  }
  const testing::CliRunResult run = testing::RunCliProcess(
      {project, "--fabrication-dxf", out.File("x.dxf"), "--fabrication-svg", out.File("x.svg")},
      out.Path());
  EXPECT_EQ(run.status, kExitRefused);
  EXPECT_NE(run.err.find("Il n'y a pas de graphique à exporter"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(out.File("x.dxf")));
  EXPECT_FALSE(fs::exists(out.File("x.svg")));
}

}  // namespace
}  // namespace umbrix
