// umbrix-cli: its arguments, its exit statuses and the messages it writes, as a separate process.

#include <gtest/gtest.h>

#include <cstdint>

#include "CliProcess.h"
#include "app/SessionFixtures.h"
#include "cli/CliOptions.h"
#include "cli/CliPlatform.h"
#include "support/FileCopy.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::RunCliProcess;

const fs::path kWorked = fs::path(UMBRIX_SOURCE_DIR) / "examples" / "mur-declinant-ouest.umd";

// ---------------------------------------------------------------- arguments

TEST(CliArguments, OptionsAndTheirValues) {
  const CliParse p = ParseCliArguments({"mur.umd", "--report", "-", "--png=a.png", "--bmp", "b",
                                        "--svg", "c", "--dxf", "d", "--size", "800X500",
                                        "--save", "e.umd", "-c", "Simuler", "--map"});
  ASSERT_TRUE(p.options) << p.error;
  const CliOptions& o = *p.options;
  EXPECT_EQ(o.action, CliOptions::Action::Run);
  EXPECT_EQ(o.project, "mur.umd");
  EXPECT_EQ(o.report, "-");
  EXPECT_EQ(o.png, "a.png");
  EXPECT_EQ(o.bmp, "b");
  EXPECT_EQ(o.svg, "c");
  EXPECT_EQ(o.dxf, "d");
  EXPECT_EQ(o.save, "e.umd");
  EXPECT_EQ(o.width, 800);
  EXPECT_EQ(o.height, 500);
  EXPECT_EQ(o.command, RunMode::Simulate);
  EXPECT_TRUE(o.developerMode);
}

TEST(CliArguments, DefaultsRepeatTheProjectsCommandAt600Pixels) {
  const CliParse p = ParseCliArguments({"mur.umd"});
  ASSERT_TRUE(p.options);
  EXPECT_FALSE(p.options->command);
  EXPECT_EQ(p.options->width, 600);
  EXPECT_EQ(p.options->height, 600);
  EXPECT_FALSE(p.options->report);
  EXPECT_FALSE(p.options->developerMode);
}

TEST(CliArguments, CommandNames) {
  const std::vector<std::pair<const char*, std::optional<RunMode>>> rows = {
      {"calculer", RunMode::Compute},      {"CALCULER", RunMode::Compute},
      {"simuler", RunMode::Simulate},      {"tracer", RunMode::Trace},
      {"éphémérides", RunMode::Ephemeris}, {"ephemerides", RunMode::Ephemeris},
      {"compute", std::nullopt},           {"", std::nullopt}};
  for (const auto& [name, mode] : rows) EXPECT_EQ(CommandMode(name), mode) << name;
}

TEST(CliArguments, Refusals) {
  const std::vector<std::vector<std::string>> rows = {
      {},
      {"--report", "-"},
      {"a.umd", "b.umd"},
      {"a.umd", "--report"},
      {"a.umd", "--report="},
      {"a.umd", "--frobnicate"},
      {"a.umd", "-x"},
      {"a.umd", "--command", "dessiner"},
      {"a.umd", "--size", "600"},
      {"a.umd", "--size", "10x600"},
      {"a.umd", "--size", "600x99999"},
      {"a.umd", "--size", "600x60a"},
      {"a.umd", "--map=oui"},
  };
  for (const auto& args : rows) {
    const CliParse p = ParseCliArguments(args);
    EXPECT_FALSE(p.options) << ::testing::PrintToString(args);
    EXPECT_FALSE(p.error.empty()) << ::testing::PrintToString(args);
  }
}

TEST(CliArguments, HelpAndVersionWinOverEverythingElse) {
  EXPECT_EQ(ParseCliArguments({"--aide"}).options->action, CliOptions::Action::HelpFrench);
  EXPECT_EQ(ParseCliArguments({"x", "--frobnicate", "--help"}).options->action,
            CliOptions::Action::HelpEnglish);
  EXPECT_EQ(ParseCliArguments({"--version"}).options->action, CliOptions::Action::Version);
}

TEST(CliMessages, CaptionThenTextOnTerminalLines) {
  EXPECT_EQ(TerminalText("Erreur...", "Donner la géométrie du cadran"),
            "Erreur... : Donner la géométrie du cadran");
  EXPECT_EQ(TerminalText("Erreur...", "Localisation incorrecte : Le soleil\r\nest sous l'horizon"),
            "Erreur... : Localisation incorrecte : Le soleil\nest sous l'horizon");
  EXPECT_EQ(TerminalText("", "Enregistrement au format étendu\r\n"),
            "Umbrix : Enregistrement au format étendu");
}

// ---------------------------------------------------------------- the process

/// A project written by the program itself, typed by `type`.
template <typename Typing>
std::string WriteProject(const testing::TempFolder& folder, const std::string& name,
                         Typing type) {
  testing::FakePlatform platform;
  Session session(platform);
  session.Start({});
  type(session);
  const std::string path = folder.File(name);
  EXPECT_TRUE(session.WriteProject(path, false));
  return path;
}

TEST(CliProcess, MissingEntryIsRefusedWithTheDialogsMessage) {
  testing::TempFolder folder;
  const std::string project = WriteProject(folder, "vide.umd", [](Session& s) {
    s.Dialog().Enter(Field::Gnomon, "100");
  });
  const auto run = RunCliProcess({project, "--report", "-"}, folder.Path());
  EXPECT_EQ(run.status, kExitRefused);
  EXPECT_NE(run.err.find("Erreur... : Donner la géométrie du cadran\n"), std::string::npos)
      << run.err;
  EXPECT_EQ(run.out, "");
}

TEST(CliProcess, WithoutARuntimeFolderAGoodRunWritesNothingToStandardError) {
  testing::TempFolder folder;
  const fs::path temp = folder.Path() / "tmp";
  fs::create_directory(temp);
  const std::string environment =
      "env -u XDG_RUNTIME_DIR TMPDIR=" + testing::ShellQuoted(temp.string());
  const auto run = RunCliProcess({kWorked.string(), "--report", "-"}, folder.Path(), environment);
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("Indice de précision"), std::string::npos) << run.out;
  // the private runtime folder is gone with the run
  EXPECT_TRUE(fs::is_empty(temp));
}

TEST(CliProcess, SolverFailureIsRefusedWithItsMessage) {
  testing::TempFolder folder;
  const std::string project = WriteProject(folder, "ombres.umd", [](Session& s) {
    testing::TypeWorkedCase(s.Dialog());
    s.Dialog().Enter(Field::Mesx2, "-100.3");
    s.Dialog().Enter(Field::Mesy2, "-330.6");
  });
  const auto run = RunCliProcess({project, "--png", folder.File("x.png")}, folder.Path());
  EXPECT_EQ(run.status, kExitRefused);
  EXPECT_NE(run.err.find("Erreur... : Calcul impossible : Ombres identiques\n"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("Erreur... : Il n'y a pas de graphique à sauver"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder.File("x.png")));
}

TEST(CliProcess, MissingFileIsAFileError) {
  testing::TempFolder folder;
  const std::string absent = folder.File("absent.umd");
  const auto run = RunCliProcess({absent, "--report", "-"}, folder.Path());
  EXPECT_EQ(run.status, kExitFileOrUsage);
  EXPECT_NE(run.err.find("Erreur... : " + absent + " n'existe pas\n"), std::string::npos)
      << run.err;
}

TEST(CliProcess, MalformedFileIsAFileError) {
  testing::TempFolder folder;
  const std::string bad = folder.File("lettre.umd");
  testing::WriteBytes(bad, "Bonjour\r\n100 'Hauteur du gnomon\r\n");
  const auto run = RunCliProcess({bad}, folder.Path());
  EXPECT_EQ(run.status, kExitFileOrUsage);
  EXPECT_NE(run.err.find("Erreur... : " + bad + " : format incorrect\n"), std::string::npos)
      << run.err;
}

TEST(CliProcess, ExtendedFileNeedsDeveloperMode) {
  testing::TempFolder folder;
  const std::string extended = folder.File("v6d.umd");
  fs::copy_file(fs::path(UMBRIX_TEST_DATA_DIR) / "files" / "v6d.umd", extended);
  EXPECT_EQ(RunCliProcess({extended}, folder.Path()).status, kExitFileOrUsage);
  const auto run = RunCliProcess({extended, "--map"}, folder.Path());
  EXPECT_EQ(run.err.find("format incorrect"), std::string::npos) << run.err;
  EXPECT_NE(run.status, kExitFileOrUsage) << run.err;
}

TEST(CliProcess, UsageErrorsAndHelp) {
  testing::TempFolder folder;
  const auto none = RunCliProcess({}, folder.Path());
  EXPECT_EQ(none.status, kExitFileOrUsage);
  EXPECT_NE(none.err.find("il manque le fichier du projet"), std::string::npos) << none.err;

  const auto aide = RunCliProcess({"--aide"}, folder.Path());
  EXPECT_EQ(aide.status, kExitSuccess);
  EXPECT_EQ(aide.out, HelpText(true));
  const auto help = RunCliProcess({"--help"}, folder.Path());
  EXPECT_EQ(help.status, kExitSuccess);
  EXPECT_EQ(help.out, HelpText(false));
  const auto version = RunCliProcess({"--version"}, folder.Path());
  EXPECT_EQ(version.status, kExitSuccess);
  EXPECT_EQ(version.out.rfind("umbrix-cli ", 0), 0u);
}

TEST(CliProcess, ACommandReplacesTheProjectsLastOne) {
  testing::TempFolder folder;
  const std::string worked = testing::CopyInto(folder.Path(), kWorked).string();
  const auto simulated =
      RunCliProcess({worked, "-c", "simuler", "--report", "-"}, folder.Path());
  EXPECT_EQ(simulated.status, kExitSuccess) << simulated.err;
  EXPECT_EQ(simulated.out.rfind("   ** Simulation **\r\n\r\n", 0), 0u) << simulated.out;

  const auto ephemeris = RunCliProcess(
      {worked, "--command", "éphémérides", "--report", "-", "--png",
       folder.File("e.png")},
      folder.Path());
  EXPECT_EQ(ephemeris.status, kExitRefused) << ephemeris.err;
  EXPECT_EQ(ephemeris.out.rfind("   ** Calculs complémentaires **\r\n", 0), 0u) << ephemeris.out;
  EXPECT_NE(ephemeris.out.find("Equation du temps : 1 min 55 s"), std::string::npos);
  EXPECT_NE(ephemeris.err.find("Erreur... : Il n'y a pas de graphique à sauver"),
            std::string::npos);
}

std::uint32_t BigEndian(const std::string& bytes, size_t at) {
  std::uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

TEST(CliProcess, TheDrawingFitsTheSizeAndKeepsItsProportions) {
  testing::TempFolder folder;
  const std::string project = WriteProject(folder, "rect.umd", [](Session& s) {
    testing::TypeWorkedCase(s.Dialog());
    s.Dialog().SetChecked(Check::Rectg, true);
    s.Dialog().Enter(Field::Coteh, "800");
    s.Dialog().Enter(Field::Cotel, "400");
  });
  const std::string png = folder.File("r.png");
  const auto run = RunCliProcess({project, "--size", "500x300", "--png", png}, folder.Path());
  ASSERT_EQ(run.status, kExitSuccess) << run.err;
  const std::string bytes = ReadBytes(png);
  ASSERT_GT(bytes.size(), 24u);
  const std::uint32_t width = BigEndian(bytes, 16);
  const std::uint32_t height = BigEndian(bytes, 20);
  EXPECT_EQ(height, 300u);
  EXPECT_LT(width, 200u);
  EXPECT_GT(width, 140u);
}

TEST(CliProcess, SaveWritesAnOldFileInTheCurrentVersion) {
  testing::TempFolder folder;
  const std::string old = folder.File("v2.umd");
  fs::copy_file(fs::path(UMBRIX_TEST_DATA_DIR) / "files" / "v2.umd", old);
  const std::string upgraded = folder.File("v2-en-v6.umd");
  const auto run = RunCliProcess({old, "--save", upgraded}, folder.Path());
  EXPECT_NE(run.status, kExitFileOrUsage) << run.err;
  EXPECT_EQ(ReadBytes(upgraded).rfind("Umbrix6\r\n", 0), 0u);
  EXPECT_EQ(ReadBytes(old).rfind("Umbrix2\r\n", 0), 0u);
}

TEST(CliProcess, AnOutputThatCannotBeWrittenIsAFileError) {
  testing::TempFolder folder;
  const auto run = RunCliProcess(
      {testing::CopyInto(folder.Path(), kWorked).string(), "--svg", folder.File("absent/x.svg"), "--report",
       folder.File("absent/r.txt")},
      folder.Path());
  EXPECT_EQ(run.status, kExitFileOrUsage) << run.err;
  EXPECT_NE(run.err.find("Erreur... : "), std::string::npos) << run.err;
}

}  // namespace
}  // namespace umbrix
