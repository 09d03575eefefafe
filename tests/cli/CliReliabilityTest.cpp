// umbrix-cli --fiabilite: its arguments, and the study of a project written where it is asked.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CliProcess.h"
#include "app/FakePlatform.h"
#include "app/Session.h"
#include "cli/CliOptions.h"
#include "support/FileCopy.h"
#include "support/TempFolder.h"
#include "trace/MeasurementReliability.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::RunCliProcess;

const fs::path kWorked = fs::path(UMBRIX_SOURCE_DIR) / "examples" / "mur-declinant-ouest.umd";

TEST(CliReliabilityArguments, FileStandardOutputAndSteps) {
  struct Row {
    std::vector<std::string> args;
    std::string target;
    double markMm;
    double timeS;
  };
  const Row rows[] = {
      {{"mur.umd", "--fiabilite"}, "-", 0.5, 30},
      {{"mur.umd", "--fiabilite", "-"}, "-", 0.5, 30},
      {{"mur.umd", "--fiabilite", "f.txt"}, "f.txt", 0.5, 30},
      {{"mur.umd", "--fiabilite=f.txt", "--ecart-marques", "0.2"}, "f.txt", 0.2, 30},
      {{"--fiabilite", "mur.umd", "--ecart-heures=5"}, "-", 0.5, 5},
      {{"--fiabilite", "--ecart-marques", "1", "mur.umd"}, "-", 1, 30},
      {{"mur.umd", "--fiabilité", "--rapport", "-"}, "-", 0.5, 30},
  };
  for (const Row& r : rows) {
    const CliParse p = ParseCliArguments(r.args);
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->project, "mur.umd");
    EXPECT_EQ(p.options->reliability, r.target) << r.args.back();
    EXPECT_EQ(p.options->markStepMm, r.markMm);
    EXPECT_EQ(p.options->timeStepSeconds, r.timeS);
  }
  EXPECT_FALSE(ParseCliArguments({"mur.umd"}).options->reliability);
}

TEST(CliReliabilityArguments, BadStepsAreRefused) {
  const char* bad[] = {"0", "-1", "abc", "1,5", "101", "nan", "inf"};
  for (const char* v : bad) {
    const CliParse p = ParseCliArguments({"mur.umd", "--ecart-marques", v});
    EXPECT_FALSE(p.options) << v;
    EXPECT_NE(p.error.find("écart incorrect"), std::string::npos) << p.error;
  }
  EXPECT_FALSE(ParseCliArguments({"mur.umd", "--ecart-heures", "3601"}).options);
  EXPECT_TRUE(ParseCliArguments({"mur.umd", "--ecart-heures", "3600"}).options);
  EXPECT_FALSE(ParseCliArguments({"mur.umd", "--ecart-heures"}).options);
}

TEST(CliReliabilityArguments, HelpTellsTheOptions) {
  for (const bool french : {true, false}) {
    const std::string help = HelpText(french);
    EXPECT_NE(help.find("--fiabilite [F"), std::string::npos);
    EXPECT_NE(help.find("--ecart-marques MM"), std::string::npos);
    EXPECT_NE(help.find("--ecart-heures S"), std::string::npos);
  }
}

/// The study of the project as the program loads it.
std::string StudyOfLoaded(const fs::path& project, ReliabilitySteps steps) {
  testing::FakePlatform platform;
  Session session(platform);
  session.Start({});
  EXPECT_TRUE(session.OpenProject(project.string(), true));
  return ReliabilityText(StudyReliability(session.Project(), steps));
}

TEST(CliReliabilityProcess, TheWorkedExamplesStudyOnStandardOutputAndInAFile) {
  testing::TempFolder folder;
  const std::string project = testing::CopyInto(folder.Path(), kWorked).string();
  const auto run = RunCliProcess({project, "--fiabilite"}, folder.Path());
  EXPECT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, StudyOfLoaded(project, {}));
  EXPECT_EQ(run.out.rfind("Fiabilité de la mesure (marques à ± 0.5 mm) :\r\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("Fiabilité de la mesure (heures à ± 30 s) :\r\n"), std::string::npos);
  EXPECT_NE(run.out.find("Verdict : "), std::string::npos);

  const std::string file = folder.File("fiabilite.txt");
  const auto toFile = RunCliProcess(
      {project, "--fiabilite", file, "--ecart-marques", "0.2", "--ecart-heures", "10"},
      folder.Path());
  EXPECT_EQ(toFile.status, kExitSuccess) << toFile.err;
  EXPECT_EQ(toFile.out, "");
  EXPECT_EQ(ReadBytes(file), StudyOfLoaded(project, {0.2, 10}));
  EXPECT_NE(ReadBytes(file).find("(marques à ± 0.2 mm)"), std::string::npos);
}

TEST(CliReliabilityProcess, AnUnsolvableMeasurementIsRefusedOnce) {
  testing::TempFolder folder;
  const std::string project = folder.File("ombres.umd");
  {
    testing::FakePlatform platform;
    Session session(platform);
    session.Start({});
    ASSERT_TRUE(session.OpenProject(kWorked.string(), false));
    session.Dialog().Enter(Field::Mesx2, session.Project().Mesx1.text);
    session.Dialog().Enter(Field::Mesy2, session.Project().Mesy1.text);
    ASSERT_TRUE(session.WriteProject(project, false));
  }
  const auto run = RunCliProcess({project, "--fiabilite", "-"}, folder.Path());
  EXPECT_EQ(run.status, kExitRefused);
  EXPECT_EQ(run.out, "");
  const std::string message = "Erreur... : Calcul impossible : Ombres identiques\n";
  const size_t first = run.err.find(message);
  ASSERT_NE(first, std::string::npos) << run.err;
  EXPECT_EQ(run.err.find(message, first + 1), std::string::npos) << run.err;
}

TEST(CliReliabilityProcess, AFileThatCannotBeWrittenIsAFileError) {
  testing::TempFolder folder;
  const auto run = RunCliProcess({testing::CopyInto(folder.Path(), kWorked).string(), "--fiabilite",
                                  folder.File("absent/f.txt")},
                                 folder.Path());
  EXPECT_EQ(run.status, kExitFileOrUsage) << run.err;
  EXPECT_NE(run.err.find("Erreur... : "), std::string::npos) << run.err;
}

}  // namespace
}  // namespace umbrix
