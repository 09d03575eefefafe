// umbrix-cli: its arguments, its exit statuses and the messages it writes, as a separate process.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <sstream>

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
      {"calculer", RunMode::Compute},
      {"CALCULER", RunMode::Compute},
      {"simuler", RunMode::Simulate},
      {"tracer", RunMode::Trace},
      {"éphémérides", RunMode::Ephemeris},
      {"ephemerides", RunMode::Ephemeris},
      {"compute", std::nullopt},
      {"", std::nullopt},
      {"ÉPHÉMÉRIDES", RunMode::Ephemeris},
      {"Éphémérides", RunMode::Ephemeris},
      {"EPHEMERIDES", RunMode::Ephemeris},
      {"TrAcEr", RunMode::Trace},
      {"éPHÉMÉRIDES", RunMode::Ephemeris},
      {"ÉPHÉMÉRIDE", std::nullopt},
      // the multiplication sign has no lower case and stays as it is
      {"calcul\xC3\x97r", std::nullopt}};
  for (const auto& [name, mode] : rows) EXPECT_EQ(CommandMode(name), mode) << name;
}

TEST(CliArguments, EveryOptionUnderEachOfItsNames) {
  struct Row {
    std::vector<std::string> args;
    void (*expected)(CliOptions&);  // what the arguments change from the defaults
  };
  const Row rows[] = {
      {{"--rapport", "r.txt"}, [](CliOptions& o) { o.report = "r.txt"; }},
      {{"--enregistrer=e.umd"}, [](CliOptions& o) { o.save = "e.umd"; }},
      {{"--commande", "tracer"}, [](CliOptions& o) { o.command = RunMode::Trace; }},
      {{"--command=calculer"}, [](CliOptions& o) { o.command = RunMode::Compute; }},
      {{"--taille", "100x200"},
       [](CliOptions& o) {
         o.width = 100;
         o.height = 200;
       }},
      {{"--zone=Europe/Paris"}, [](CliOptions& o) { o.zone = "Europe/Paris"; }},
      {{"--fuseau", ""}, [](CliOptions& o) { o.zone = ""; }},
      {{"--numeral-height", "12.5"}, [](CliOptions& o) { o.numeralHeightMm = 12.5; }},
      {{"--old-hours", "italian"}, [](CliOptions& o) { o.italianHours = true; }},
      {{"--fabrication-dxf", "f.dxf", "--fabrication-svg", "f.svg"},
       [](CliOptions& o) {
         o.fabricationDxf = "f.dxf";
         o.fabricationSvg = "f.svg";
       }},
      {{"--print", "echelle", "--pdf", "p.pdf", "--paper", "Letter"},
       [](CliOptions& o) {
         o.print = PrintLayout::TrueScale;
         o.pdf = "p.pdf";
         o.paper = "Letter";
       }},
      {{"--language", "EN"}, [](CliOptions& o) { o.language = InterfaceLanguageId::English; }},
      {{"--langue=fr"}, [](CliOptions& o) { o.language = InterfaceLanguageId::French; }},
      {{"--écart-marques", "2", "--écart-heures=60"},
       [](CliOptions& o) {
         o.markStepMm = 2;
         o.timeStepSeconds = 60;
       }},
      {{"--fiabilité=f.txt"}, [](CliOptions& o) { o.reliability = "f.txt"; }},
      {{"-h"}, [](CliOptions& o) { o.action = CliOptions::Action::HelpEnglish; }},
  };
  for (const Row& row : rows) {
    std::vector<std::string> args = row.args;
    CliOptions expected;
    if (args.front() != "-h") {
      args.insert(args.begin(), "a.umd");
      expected.project = "a.umd";
    }
    row.expected(expected);
    const CliParse p = ParseCliArguments(args);
    ASSERT_TRUE(p.options) << ::testing::PrintToString(args) << ": " << p.ErrorText();
    EXPECT_TRUE(*p.options == expected) << ::testing::PrintToString(args);
  }
}

TEST(CliArguments, Refusals) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
      {{}, "il manque le fichier du projet (.umd)"},
      {{"--report", "-"}, "il manque le fichier du projet (.umd)"},
      {{"a.umd", "b.umd"}, "un seul projet à la fois : « b.umd »"},
      {{"a.umd", "--report"}, "l'option --report attend une valeur"},
      {{"a.umd", "--report="}, "l'option --report attend une valeur"},
      {{"a.umd", "-c"}, "l'option -c attend une valeur"},
      {{"a.umd", "--langue"}, "l'option --langue attend une valeur"},
      {{"a.umd", "--frobnicate"}, "option inconnue : « --frobnicate »"},
      {{"a.umd", "-x"}, "option inconnue : « -x »"},
      {{"a.umd", "--fabrication"}, "option inconnue : « --fabrication »"},
      {{"a.umd", "--command", "dessiner"},
       "commande inconnue : « dessiner » (calculer, simuler, tracer ou éphémérides)"},
      {{"a.umd", "--size", "600"},
       "taille incorrecte : « 600 » (LxH, de 64 à 10000 pixels, par exemple 600x600)"},
      {{"a.umd", "--size", "10x600"},
       "taille incorrecte : « 10x600 » (LxH, de 64 à 10000 pixels, par exemple 600x600)"},
      {{"a.umd", "--size", "600x99999"},
       "taille incorrecte : « 600x99999 » (LxH, de 64 à 10000 pixels, par exemple 600x600)"},
      {{"a.umd", "--size", "600x60a"},
       "taille incorrecte : « 600x60a » (LxH, de 64 à 10000 pixels, par exemple 600x600)"},
      {{"a.umd", "--map=oui"}, "l'option --map ne prend pas de valeur"},
      {{"a.umd", "--help=oui"}, "l'option --help ne prend pas de valeur"},
      // an option given twice, under one name or two, would drop the first
      {{"a.umd", "--png", "x.png", "--png", "y.png"}, "l'option --png est donnée deux fois"},
      {{"a.umd", "--report", "x", "--rapport", "y"}, "l'option --rapport est donnée deux fois"},
      {{"a.umd", "--save=x.umd", "--enregistrer", "y.umd"},
       "l'option --enregistrer est donnée deux fois"},
      {{"a.umd", "-c", "tracer", "--commande", "simuler"},
       "l'option --commande est donnée deux fois"},
      {{"a.umd", "--size", "600x600", "--taille=700x700"},
       "l'option --taille est donnée deux fois"},
      {{"a.umd", "--map", "--map"}, "l'option --map est donnée deux fois"},
      {{"a.umd", "--fiabilite", "--fiabilité"}, "l'option --fiabilité est donnée deux fois"},
      {{"a.umd", "--zone"}, "l'option --zone attend une valeur"},
      {{"a.umd", "--zone", "Europe/Paris", "--fuseau=Europe/Paris"},
       "l'option --fuseau est donnée deux fois"},
      // two outputs on standard output would mix their bytes
      {{"a.umd", "--report", "-", "--png", "-"},
       "une seule sortie peut aller sur la sortie standard (« - »)"},
      {{"a.umd", "--dxf", "-", "--save", "-"},
       "une seule sortie peut aller sur la sortie standard (« - »)"},
      // "--" ends the options, not the rule of one project
      {{"a.umd", "--", "b.umd"}, "un seul projet à la fois : « b.umd »"},
  };
  for (const auto& [args, message] : rows) {
    const CliParse p = ParseCliArguments(args);
    EXPECT_FALSE(p.options) << ::testing::PrintToString(args);
    EXPECT_EQ(p.ErrorText(), message) << ::testing::PrintToString(args);
  }
}

TEST(CliArguments, OldHoursByName) {
  const struct {
    const char* value;
    bool ok, italian, babylonian, temporary;
  } rows[] = {{"italiques", true, true, false, false},
              {"temporaires,Babyloniques", true, false, true, true},
              {"italian,babylonian,temporary", true, true, true, true},
              {"italiennes", false, false, false, false},
              {"italiques,", false, false, false, false},
              {"", false, false, false, false}};
  for (const auto& row : rows) {
    const CliParse p = ParseCliArguments({"a.umd", std::string("--heures-anciennes=") + row.value});
    ASSERT_EQ(p.options.has_value(), row.ok) << row.value << " " << p.error;
    if (!row.ok) continue;
    EXPECT_EQ(p.options->italianHours, row.italian) << row.value;
    EXPECT_EQ(p.options->babylonianHours, row.babylonian) << row.value;
    EXPECT_EQ(p.options->temporaryHours, row.temporary) << row.value;
  }
}

TEST(CliArguments, DoubleDashEndsTheOptions) {
  const CliParse dashed = ParseCliArguments({"--map", "--", "-x.umd"});
  ASSERT_TRUE(dashed.options) << dashed.error;
  EXPECT_EQ(dashed.options->project, "-x.umd");
  EXPECT_TRUE(dashed.options->developerMode);
  const CliParse help = ParseCliArguments({"--png", "a.png", "--", "--help"});
  ASSERT_TRUE(help.options) << help.error;
  EXPECT_EQ(help.options->action, CliOptions::Action::Run);
  EXPECT_EQ(help.options->project, "--help");
  const CliParse both = ParseCliArguments({"--", "--", "--png"});
  EXPECT_FALSE(both.options);  // the second "--" is a project, "--png" a second one
  // without "--" a name starting with "-" is an option
  EXPECT_FALSE(ParseCliArguments({"-x.umd"}).options);
}

TEST(CliArguments, OneOutputOnStandardOutputIsAllowed) {
  for (const char* option : {"--report", "--png", "--bmp", "--svg", "--dxf", "--save"}) {
    const char* other = std::string(option) == "--svg" ? "--png" : "--svg";
    const CliParse p = ParseCliArguments({"a.umd", option, "-", other, "b"});
    EXPECT_TRUE(p.options) << option << ": " << p.error;
  }
}

TEST(CliArguments, HelpAndVersionWinOverEverythingElse) {
  EXPECT_EQ(ParseCliArguments({"--aide"}).options->action, CliOptions::Action::HelpFrench);
  EXPECT_EQ(ParseCliArguments({"x", "--frobnicate", "--help"}).options->action,
            CliOptions::Action::HelpEnglish);
  EXPECT_EQ(ParseCliArguments({"--version"}).options->action, CliOptions::Action::Version);
}

TEST(CliHelp, EachHelpListsEveryOptionWithItsLine) {
  // a name in two rows would leave the second row out of reach
  std::vector<std::string> names;
  for (const CliOption& option : CliOptionTable()) {
    for (const char* name : {option.french, option.english, option.alias, option.spelling}) {
      if (name == nullptr) continue;
      EXPECT_EQ(std::count(names.begin(), names.end(), name), 0) << name;
      names.push_back(name);
    }
  }
  for (const bool french : {true, false}) {
    const std::string help = HelpText(french);
    // the English help reads the English catalogue, whatever the interface language
    EXPECT_EQ(
        help.rfind(french ? "Usage : umbrix-cli PROJET.umd" : "Usage: umbrix-cli PROJECT.umd", 0),
        0u);
    // the options' lines: "  --name VALUE, ..." then the help line beside it or below it
    std::vector<std::pair<std::string, std::string>> listed;  // names, help line
    const size_t start = help.find(french ? "Options :\n" : "Options:\n");
    const size_t end = help.find("\n\n", start);
    ASSERT_NE(start, std::string::npos);
    std::istringstream lines(help.substr(start, end - start));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
      if (line.starts_with("  -")) {
        const size_t gap = line.find("  ", 2);
        listed.emplace_back(line.substr(2, gap - 2),
                            gap == std::string::npos ? "" : line.substr(26));
      } else {
        ASSERT_FALSE(listed.empty()) << line;
        ASSERT_TRUE(line.starts_with(std::string(26, ' '))) << line;
        listed.back().second += line.substr(26);
      }
    }
    const std::span<const CliOption> table = CliOptionTable();
    ASSERT_EQ(listed.size(), table.size()) << help;
    for (size_t i = 0; i < table.size(); ++i) {
      const char* lead = french || table[i].english == nullptr ? table[i].french : table[i].english;
      EXPECT_TRUE(listed[i].first.starts_with(lead)) << listed[i].first;
      if (table[i].alias != nullptr) {
        EXPECT_NE(listed[i].first.find(std::string(", ") + table[i].alias), std::string::npos)
            << listed[i].first;
      }
      EXPECT_FALSE(listed[i].second.empty()) << lead;
    }
  }
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

TEST(CliProcess, ZoneByNameWithItsEdgeTimes) {
  struct Case {
    const char* name;
    const char* date1;
    const char* time1;
    std::vector<std::string> options;
    int status;
    const char* err;  // a part of standard error
    const char* out;  // a part of standard output
    const char* notOut;
  };
  const std::vector<Case> cases = {
      {"unknown name", "21/06/2024", "13:00:00", {"--zone", "Europe/Atlantis"},
       kExitFileOrUsage, "umbrix-cli : Fuseau horaire inconnu : Europe/Atlantis\n", "", "?"},
      {"summer marks", "21/06/2024", "13:00:00", {"--zone=Europe/Paris"}, kExitSuccess, "",
       " - Fuseau horaire nommé : Europe/Paris\r\n - Point 1 : heure légale UTC+2:00\r\n", "?"},
      {"spring gap", "31/03/2024", "02:30:00", {"--zone", "Europe/Paris"}, kExitRefused,
       "Point 1 : l'heure 02:30:00 du 31/03/2024 n'existe pas dans le fuseau Europe/Paris", "",
       "?"},
      {"autumn repeat: the summer one, said", "27/10/2024", "02:30:00",
       {"--fuseau", "Europe/Paris", "-c", "éphémérides"}, kExitSuccess,
       "en heure d'été (UTC+2:00). [Non]\n", "-- Heure UTC+2:00 --", "UTC+1:00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TempFolder folder;
    const std::string project = WriteProject(folder, "mur.umd", [&c](Session& s) {
      testing::TypeWorkedCase(s.Dialog());
      s.Dialog().Enter(Field::Date1, c.date1);
      s.Dialog().Enter(Field::Heure1, c.time1);
    });
    std::vector<std::string> args = {project, "--report", "-"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto run = RunCliProcess(args, folder.Path());
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find(c.notOut), std::string::npos) << run.out;
  }
}

TEST(CliProcess, AnEmptyZoneRemovesTheProjectsZone) {
  testing::TempFolder folder;
  const std::string project = WriteProject(folder, "paris.umd", [](Session& s) {
    testing::TypeWorkedCase(s.Dialog());
    EXPECT_FALSE(s.Dialog().ChooseZone("Europe/Paris"));
  });
  ASSERT_NE(ReadBytes(project).find("Umbrix6z"), std::string::npos);
  const auto kept = RunCliProcess({project, "--report", "-"}, folder.Path());
  EXPECT_EQ(kept.status, kExitSuccess) << kept.err;
  EXPECT_NE(kept.out.find("Fuseau horaire nommé : Europe/Paris"), std::string::npos);
  const std::string saved = folder.File("sans.umd");
  const auto removed =
      RunCliProcess({project, "--zone", "", "--report", "-", "--enregistrer", saved}, folder.Path());
  EXPECT_EQ(removed.status, kExitSuccess) << removed.err;
  EXPECT_EQ(removed.out.find("nommé"), std::string::npos);
  EXPECT_EQ(ReadBytes(saved).find("Umbrix6z"), std::string::npos);
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

  // each help in its own language, whatever the interface speaks
  for (const char* interface : {"LANGUAGE=fr", "LANGUAGE=en"}) {
    const auto aide = RunCliProcess({"--aide"}, folder.Path(), interface);
    EXPECT_EQ(aide.status, kExitSuccess);
    EXPECT_EQ(aide.out, HelpText(true)) << interface;
    const auto help = RunCliProcess({"--help"}, folder.Path(), interface);
    EXPECT_EQ(help.status, kExitSuccess);
    EXPECT_EQ(help.out, HelpText(false)) << interface;
  }
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

TEST(CliProcess, OldHoursAreDrawnForTheRunWhenTheLatitudeIsKnown) {
  testing::TempFolder folder;
  const std::string worked = testing::CopyInto(folder.Path(), kWorked).string();
  const auto plain = RunCliProcess({worked, "--report", "-"}, folder.Path());
  const auto old =
      RunCliProcess({worked, "--heures-anciennes", "babyloniques", "--report", "-"}, folder.Path());
  ASSERT_EQ(old.status, kExitSuccess) << old.err;
  // the report gains the Babylonian section after the hour lines, nothing else
  const std::size_t at = old.out.find("\r\nCouleurs des heures anciennes");
  EXPECT_EQ(old.out.substr(0, at), plain.out.substr(0, at));
  EXPECT_NE(old.out.find("\r\nHeures babyloniques :\r\n - ", at), std::string::npos);
  EXPECT_EQ(old.out.find("Heures italiques :"), std::string::npos);

  const std::string unknown = WriteProject(folder, "lieu.umd", [](Session& s) {
    testing::TypeWorkedCase(s.Dialog());
    s.Dialog().SetChecked(Check::Limite, false);
  });
  const auto refused =
      RunCliProcess({unknown, "--heures-anciennes", "italiques", "--report", "-"}, folder.Path());
  EXPECT_EQ(refused.status, kExitSuccess) << refused.err;
  EXPECT_NE(refused.err.find("ne sont pas tracées sans la latitude"), std::string::npos);
  EXPECT_EQ(refused.out.find("Heures italiques :"), std::string::npos);
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

TEST(CliProcess, AnUnknownLastCommandSaysWhyNothingWasComputed) {
  testing::TempFolder folder;
  const std::string project = WriteProject(folder, "mode5.umd", [](Session& s) {
    testing::TypeWorkedCase(s.Dialog());
    s.State().RunMode = static_cast<RunMode>(5);
  });
  const auto run = RunCliProcess({project, "--report", "-"}, folder.Path());
  EXPECT_EQ(run.status, kExitRefused);
  EXPECT_NE(run.err.find("umbrix-cli : la dernière commande du projet (5) n'est pas connue : rien "
                         "n'a été calculé (--commande calculer, simuler, tracer ou "
                         "éphémérides)\n"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.out, "");
  // a command named on the line runs instead, and nothing is said of the file's
  const auto asked = RunCliProcess({project, "-c", "CALCULER", "--report", "-"}, folder.Path());
  EXPECT_EQ(asked.status, kExitSuccess) << asked.err;
  EXPECT_NE(asked.out.find("Paramètres réduits du cadran"), std::string::npos);
}

TEST(CliProcess, AProjectWhoseNameStartsWithADashOpensAfterDoubleDash) {
  testing::TempFolder folder;
  fs::copy_file(kWorked, folder.Path() / "-x.umd");
  const auto run = RunCliProcess({"--rapport", "-", "--", "-x.umd"}, folder.Path(), "", true);
  EXPECT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_NE(run.out.find("Paramètres réduits du cadran"), std::string::npos);
  const auto refused = RunCliProcess({"--rapport", "-", "-x.umd"}, folder.Path(), "", true);
  EXPECT_EQ(refused.status, kExitFileOrUsage);
  EXPECT_NE(refused.err.find("option inconnue : « -x.umd »"), std::string::npos) << refused.err;
}

// "-" is standard output for every output: the same bytes as the file, and no file named "-".
TEST(CliProcess, EveryOutputGoesToStandardOutputWhenNamedDash) {
  testing::TempFolder folder;
  const std::string project = testing::CopyInto(folder.Path(), kWorked).string();
  const std::string before = ReadBytes(project);
  const struct {
    const char* option;
    const char* file;
    std::string start;
  } rows[] = {
      {"--rapport", "r.txt", "Indice de précision"},
      {"--png", "d.png", "\x89PNG"},
      {"--bmp", "d.bmp", "BM"},
      {"--svg", "d.svg", "<?xml"},
      {"--dxf", "d.dxf", "999\r\nUmbrix dxf 3D"},
      {"--enregistrer", "p.umd", "Umbrix6\r\n"},
  };
  testing::TempFolder outputs;
  for (const auto& row : rows) {
    const auto piped = RunCliProcess({project, row.option, "-"}, folder.Path());
    EXPECT_EQ(piped.status, kExitSuccess) << row.option << ": " << piped.err;
    EXPECT_EQ(piped.out.rfind(row.start, 0), 0u) << row.option;
    const auto filed = RunCliProcess({project, row.option, outputs.File(row.file)}, folder.Path());
    ASSERT_EQ(filed.status, kExitSuccess) << row.option << ": " << filed.err;
    // the DXF carries its creation time
    if (std::string(row.option) != "--dxf") {
      EXPECT_EQ(piped.out, ReadBytes(outputs.File(row.file))) << row.option;
    }
  }
  EXPECT_EQ(ReadBytes(project), before);
  EXPECT_FALSE(fs::exists(folder.Path() / "-"));
}

// A mark of 1e300 mm wrote "NAN" thirteen times into the DXF and overflowed the pixel
// conversions; a plate of 1e-300 mm overflowed them too. Both are refused, the sanitizers silent.
TEST(CliProcess, AbsurdNumbersAreRefusedWithAMessageNotWrittenAsNaN) {
  testing::TempFolder folder;
  const std::string example =
      ReadBytes(fs::path(UMBRIX_SOURCE_DIR) / "examples" / "jardin-horizontal.umd");
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = example;
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  const struct {
    const char* file;
    std::string bytes;
    const char* message;
  } rows[] = {
      {"grand.umd", replaced("\r\n-88.6 'x 1", "\r\n1e300 'x 1"),
       "Erreur... : Calcul impossible : Valeurs hors d'échelle\n"},
      {"petit.umd", replaced("\r\n400 'Cot", "\r\n1e-300 'Cot"),
       "Erreur... : Calcul impossible : Cadran trop petit\n"},
  };
  for (const auto& row : rows) {
    testing::WriteBytes(folder.Path() / row.file, row.bytes);
    const auto run = RunCliProcess({folder.File(row.file), "--rapport", "-", "--dxf",
                                    folder.File("d.dxf"), "--png", folder.File("d.png")},
                                   folder.Path());
    EXPECT_EQ(run.status, kExitRefused) << row.file << ": " << run.err;
    EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("runtime error"), std::string::npos) << run.err;  // UBSan
    EXPECT_EQ(run.out.find("NAN"), std::string::npos) << run.out;
    EXPECT_FALSE(fs::exists(folder.File("d.dxf")));
    EXPECT_FALSE(fs::exists(folder.File("d.png")));
  }
}

}  // namespace
}  // namespace umbrix
