// "Nouveau", open, save, save as, the save-changes question, dropped files, quitting and the DXF
// export command, through the session and the scripted platform.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/SessionFixtures.h"
#include "files/ProjectFile.h"
#include "files/ProjectFileLock.h"
#include "support/ShownMessages.h"

namespace umbrix {
namespace {

using testing::App;
using testing::TempFolder;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// A project saved under `name` by a session of its own, in mode `mode`.
void SaveWorkedCase(const std::string& name, const std::string& side = "800",
                    RunMode mode = RunMode::Compute) {
  App app;
  testing::TypeWorkedCase(app.form());
  app.form().Enter(Field::Cote, side);
  app.session.StartComputation(mode);
  ASSERT_TRUE(app.session.WriteProject(name, false));
}

const Question kSaveChanges{"Modifications...", "Voulez-vous sauver les modifications ?",
                            Buttons::YesNoCancel};

TEST(Nouveau, ResetsTheEntriesButNotTheOptionsNorTheMode) {
  App app;
  testing::TypeWorkedCase(app.form());
  testing::TypeWorkedOrientation(app.form());
  app.session.CommentsEdited("mesures de juin");
  app.session.StartComputation(RunMode::Trace);
  app.session.ToggleOption(OptionItem::Axes1);
  app.session.ToggleSubdivision(SubdivisionItem::Quart);
  const DrawingOptions options = app.project().Options;
  app.form().SelectTab(Tab::Divers);
  app.platform.answers = {Answer::No};
  app.platform.Forget();

  app.files.NewProject();

  EXPECT_EQ(app.platform.questions, std::vector<Question>{kSaveChanges});
  EXPECT_FALSE(app.project().Lat.given);  // unchecking Limite cleared it
  EXPECT_FALSE(app.project().Limite);
  EXPECT_FALSE(app.project().Cote.given);
  EXPECT_FALSE(app.project().Mesx1.given);
  EXPECT_FALSE(app.project().DecEd.given);
  EXPECT_TRUE(app.project().Dest);
  EXPECT_EQ(app.project().Carreau.text, "50");
  EXPECT_EQ(app.project().Hediur.text, "12:00:00");
  EXPECT_EQ(app.project().Comments, "");
  EXPECT_EQ(app.state().RunMode, RunMode::Trace);
  EXPECT_TRUE(app.project().Options.Axes1.checked);
  EXPECT_EQ(app.project().Options.HourSubdivisions, options.HourSubdivisions);
  EXPECT_FALSE(app.state().Modified);
  EXPECT_EQ(app.session.Title(), "Umbrix   ");
  EXPECT_EQ(app.form().SelectedTab(), Tab::Cadran);
  EXPECT_EQ(app.form().ActiveControl(), ControlId::Cote);
  EXPECT_FALSE(app.state().DrawingExists);
  EXPECT_EQ(app.session.ReportPane(), "");
}

TEST(Nouveau, ClosesTheHeldFile) {
  TempFolder folder;
  const std::string name = folder.File("a.umd");
  SaveWorkedCase(name);
  App app;
  ASSERT_TRUE(app.session.OpenProject(name));
  ASSERT_TRUE(app.state().ProjectFileHeld);
  EXPECT_FALSE(ProjectFileLock::CanOpenExclusively(name));
  app.files.NewProject();  // not modified: no question
  EXPECT_TRUE(app.platform.questions.empty());
  EXPECT_FALSE(app.state().ProjectFileHeld);
  EXPECT_EQ(app.state().ProjectFileName, "");
  EXPECT_TRUE(ProjectFileLock::CanOpenExclusively(name));
}

TEST(SaveChanges, CancelKeepsEverything) {
  App app;
  testing::TypeWorkedCase(app.form());
  app.platform.answers = {Answer::Cancel};
  app.files.NewProject();
  EXPECT_TRUE(app.project().Cote.given);
  EXPECT_TRUE(app.state().Modified);
  EXPECT_EQ(app.platform.questions.size(), 1u);
}

TEST(SaveChanges, YesSavesUnderANameAskedForThenGoesOn) {
  TempFolder folder;
  App app;
  testing::TypeWorkedCase(app.form());
  app.platform.answers = {Answer::Yes};
  app.platform.filesToSave = {folder.File("juin.umd")};
  app.files.NewProject();
  ASSERT_EQ(app.platform.saveDialogs.size(), 1u);
  EXPECT_EQ(app.platform.saveDialogs[0], (FileDialog{"umd", kProjectFilter, ""}));
  EXPECT_EQ(Slurp(folder.File("juin.umd")).rfind("Umbrix6\r\n", 0), 0u);
  EXPECT_FALSE(app.project().Cote.given);  // then the new project
  EXPECT_EQ(app.state().ProjectFileName, "");
}

TEST(SaveChanges, YesWithTheSaveDialogCancelledStops) {
  App app;
  testing::TypeWorkedCase(app.form());
  app.platform.answers = {Answer::Yes};
  app.platform.filesToSave = {std::nullopt};
  app.files.NewProject();
  EXPECT_TRUE(app.project().Cote.given);
  EXPECT_TRUE(app.state().Modified);
}

TEST(SaveChanges, AFailedSaveStopsTheQuitSoNothingIsLost) {
  TempFolder folder;
  App app;
  testing::TypeWorkedCase(app.form());
  app.platform.answers = {Answer::Yes};
  app.platform.filesToSave = {folder.File("no-such-folder/juin.umd")};
  EXPECT_FALSE(app.files.Quit());
  EXPECT_EQ(app.platform.terminated, 0);
  ASSERT_EQ(app.platform.messages.size(), 1u);
  EXPECT_EQ(app.platform.messages[0].caption, "Erreur...");
  EXPECT_TRUE(app.state().Modified);
}

TEST(SaveChanges, NoGoesOnWithoutSaving) {
  TempFolder folder;
  App app;
  testing::TypeWorkedCase(app.form());
  app.platform.answers = {Answer::No};
  EXPECT_TRUE(app.files.Quit());
  EXPECT_EQ(app.platform.terminated, 1);
  EXPECT_TRUE(app.platform.saveDialogs.empty());
}

TEST(SaveChanges, NotAskedForAnUnmodifiedOrEmptyProject) {
  App app;
  app.session.ToggleOption(OptionItem::Axes1);  // modified, but holds nothing
  ASSERT_TRUE(app.state().Modified);
  EXPECT_TRUE(app.files.ConfirmSaveChanges());
  EXPECT_TRUE(app.platform.questions.empty());
}

TEST(Save, NothingToSaveIsAnError) {
  App app;
  app.files.SaveCommand();
  app.files.SaveAsCommand();
  EXPECT_EQ(app.platform.messages,
            (Messages{ErrorMessage(kNothingToSaveText), ErrorMessage(kNothingToSaveText)}));
  EXPECT_TRUE(app.platform.saveDialogs.empty());
}

TEST(Save, SaveAsTakesTheEntryBeingTyped) {
  TempFolder folder;
  App app;
  app.form().SetText(Field::Cote, "300");  // typed, the field not yet left
  app.form().SetActiveControl(ControlId::Cote);
  app.platform.filesToSave = {folder.File("typed.umd")};
  app.files.SaveAsCommand();
  EXPECT_TRUE(app.platform.messages.empty());
  EXPECT_NE(Slurp(folder.File("typed.umd")).find("\r\n300 'Cot"), std::string::npos);
}

TEST(Save, AnExistingFileIsReplacedOnlyOnOk) {
  TempFolder folder;
  const std::string name = folder.File("old.umd");
  { std::ofstream(name) << "ancien"; }
  App app;
  testing::TypeWorkedCase(app.form());

  app.platform.filesToSave = {name};
  app.platform.answers = {Answer::Cancel};
  app.files.SaveAsCommand();
  EXPECT_EQ(app.platform.questions,
            (std::vector<Question>{{kFileExistsCaption, kFileExistsText, Buttons::OkCancel}}));
  EXPECT_EQ(Slurp(name), "ancien");
  EXPECT_TRUE(app.state().Modified);

  app.platform.filesToSave = {name};
  app.platform.answers = {Answer::Ok};
  app.files.SaveAsCommand();
  EXPECT_EQ(Slurp(name).rfind("Umbrix6\r\n", 0), 0u);
  EXPECT_FALSE(app.state().Modified);
  EXPECT_EQ(app.session.Title(), "Umbrix   old.umd");
}

TEST(Save, SaveWritesUnderTheCurrentNameWithoutAsking) {
  TempFolder folder;
  const std::string name = folder.File("mur.umd");
  SaveWorkedCase(name);
  App app;
  ASSERT_TRUE(app.session.OpenProject(name));
  app.session.CommentsEdited("gnomon de 10 cm");
  app.files.SaveCommand();
  EXPECT_TRUE(app.platform.saveDialogs.empty());
  EXPECT_TRUE(app.platform.questions.empty());
  EXPECT_NE(Slurp(name).find("---\r\ngnomon de 10 cm\r\n---\r\n"), std::string::npos);
  EXPECT_EQ(app.session.Title(), "Umbrix   mur.umd");
}

TEST(Save, ACharacterTheFileCannotHoldIsAskedAboutBeforeWriting) {
  TempFolder folder;
  const std::string name = folder.File("mur.umd");
  SaveWorkedCase(name);
  const Question asked{kUnwritableCharactersCaption, kUnwritableCharactersText, Buttons::OkCancel};
  const struct {
    Answer answer;
    bool quitting;
    bool written;
  } rows[] = {
      {Answer::Cancel, false, false}, {Answer::Ok, false, true}, {Answer::Cancel, true, false}};
  for (const auto& r : rows) {
    App app;
    ASSERT_TRUE(app.session.OpenProject(name));
    const std::string before = Slurp(name);
    app.session.CommentsEdited("angle \xcf\x86 mesuré");  // phi
    if (r.quitting) {
      // "Oui" to the save question, then "Annuler" here: nothing lost, the program stays
      app.platform.answers = {Answer::Yes, r.answer};
      EXPECT_FALSE(app.files.Quit());
      EXPECT_EQ(app.platform.terminated, 0);
    } else {
      app.platform.answers = {r.answer};
      app.files.SaveCommand();
    }
    EXPECT_EQ(app.platform.questions.back(), asked);
    EXPECT_TRUE(app.platform.messages.empty()) << app.platform.MessageTexts().front();
    EXPECT_EQ(app.state().Modified, !r.written);
    if (r.written) {
      EXPECT_NE(Slurp(name).find("---\r\nangle ? mesur\xe9\r\n---"), std::string::npos);
    } else {
      EXPECT_EQ(Slurp(name), before);
    }
  }
}

TEST(Save, DeveloperModeAsksAboutTheReducedFormat) {
  TempFolder folder;
  App app({"map"});
  ASSERT_TRUE(app.state().TestMode);
  testing::TypeWorkedCase(app.form());
  app.platform.answers = {Answer::Cancel};
  EXPECT_FALSE(app.files.SaveProject());
  EXPECT_EQ(app.platform.questions,
            (std::vector<Question>{{"Incohérence des données de test",
                                    "Enregistrement au format réduit ?", Buttons::OkCancel}}));

  app.platform.Forget();
  app.platform.filesToSave = {folder.File("reduit.umd")};
  app.files.SaveAsCommand();
  EXPECT_EQ(app.platform.MessageTexts(),
            std::vector<std::string>{
                "Enregistrement au format réduit:\r\nIncohérence des données de test"});
  EXPECT_EQ(app.platform.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(Slurp(folder.File("reduit.umd")).rfind("Umbrix6\r\n", 0), 0u);
}

TEST(Open, ReadsTheProjectAndRepeatsItsLastCommand) {
  TempFolder folder;
  const std::string name = folder.File("trace.umd");
  SaveWorkedCase(name, "800", RunMode::Compute);
  {
    App writer;
    ASSERT_TRUE(writer.session.OpenProject(name));
    testing::TypeWorkedOrientation(writer.form());
    writer.session.StartComputation(RunMode::Trace);
    ASSERT_TRUE(writer.session.WriteProject(name, false));
  }
  App app;
  app.platform.filesToOpen = {name};
  app.files.OpenCommand();
  EXPECT_EQ(app.platform.openDialogs, (std::vector<FileDialog>{{"umd", kOpenFilter, ""}}));
  EXPECT_EQ(app.state().RunMode, RunMode::Trace);
  EXPECT_TRUE(app.state().DrawingExists);
  EXPECT_EQ(app.session.ReportPane().rfind("   ** Tracé (simulation) **", 0), 0u);
  EXPECT_EQ(app.session.Title(), "Umbrix   trace.umd");
  EXPECT_FALSE(app.state().Modified);
  EXPECT_TRUE(app.platform.LogHasInOrder({"main-window"}));
}

TEST(Open, AMissingFileIsReportedAndChangesNothing) {
  TempFolder folder;
  App app;
  testing::TypeWorkedCase(app.form());
  app.platform.answers = {Answer::No};
  app.platform.filesToOpen = {folder.File("absent.umd")};
  app.files.OpenCommand();
  EXPECT_EQ(app.platform.messages,
            Messages{ErrorMessage(folder.File("absent.umd") + " n'existe pas")});
  EXPECT_TRUE(app.project().Cote.given);
  EXPECT_TRUE(app.state().Modified);
}

TEST(Open, ACutFileSaysSoBeforeTheComputationAsksForWhatIsMissing) {
  TempFolder folder;
  const std::string name = folder.File("mur.umd");
  SaveWorkedCase(name);
  const std::string whole = Slurp(name);
  { std::ofstream(name, std::ios::binary) << whole.substr(0, whole.find(" 'x 2\r\n")); }
  App app;
  ASSERT_TRUE(app.session.OpenProject(name));
  ASSERT_GE(app.platform.messages.size(), 2u);
  EXPECT_EQ(app.platform.messages.front(), ErrorMessage(ComposeText(kCutFileText, {name})));
  EXPECT_EQ(app.session.Title(), "Umbrix   mur.umd");
}

TEST(Open, CancelledDialogOpensNothing) {
  App app;
  app.platform.filesToOpen = {std::nullopt};
  app.files.OpenCommand();
  EXPECT_TRUE(app.platform.messages.empty());
  EXPECT_EQ(app.state().ProjectFileName, "");
}

TEST(Open, TheCommandLineOpensItsFile) {
  TempFolder folder;
  const std::string name = folder.File("cli.umd");
  SaveWorkedCase(name);
  App app({name});
  EXPECT_TRUE(app.started);
  EXPECT_EQ(app.session.Title(), "Umbrix   cli.umd");
  EXPECT_TRUE(app.state().DrawingExists);
}

TEST(Drop, OnlyTheFirstOfSeveralFilesIsOpened) {
  TempFolder folder;
  SaveWorkedCase(folder.File("first.umd"), "800");
  SaveWorkedCase(folder.File("second.umd"), "900");
  App app;
  app.files.DropFiles({folder.File("first.umd"), folder.File("second.umd")});
  EXPECT_EQ(app.session.Title(), "Umbrix   first.umd");
  EXPECT_EQ(app.project().Cote.text, "800");
  EXPECT_TRUE(ProjectFileLock::CanOpenExclusively(folder.File("second.umd")));
}

TEST(Drop, CancelledConfirmationOpensNothing) {
  TempFolder folder;
  SaveWorkedCase(folder.File("first.umd"));
  App app;
  testing::TypePlate(app.form(), "300");
  app.platform.answers = {Answer::Cancel};
  app.files.DropFiles({folder.File("first.umd")});
  EXPECT_EQ(app.project().Cote.text, "300");
  EXPECT_EQ(app.state().ProjectFileName, "");
}

TEST(Quit, ClosesTheHeldFileAndTerminates) {
  TempFolder folder;
  const std::string name = folder.File("q.umd");
  SaveWorkedCase(name);
  App app;
  ASSERT_TRUE(app.session.OpenProject(name));
  EXPECT_TRUE(app.files.Quit());
  EXPECT_FALSE(app.state().ProjectFileHeld);
  EXPECT_EQ(app.platform.terminated, 1);
  EXPECT_TRUE(ProjectFileLock::CanOpenExclusively(name));
}

TEST(Quit, ClosingTheWindowCanBeCancelled) {
  App app;
  testing::TypePlate(app.form());
  app.platform.answers = {Answer::Cancel};
  EXPECT_FALSE(app.files.CloseRequested());
  app.platform.answers = {Answer::No};
  EXPECT_TRUE(app.files.CloseRequested());
  EXPECT_EQ(app.platform.terminated, 0);  // the window closes itself
}

TEST(DxfExport, RefusedWithoutADrawing) {
  App app;
  app.exports.ExportDxfCommand();
  EXPECT_EQ(app.platform.messages, Messages{ErrorMessage(kNoDrawingToExportText)});
  EXPECT_TRUE(app.platform.saveDialogs.empty());
}

TEST(DxfExport, ProposesTheProjectsNameAndAsksBeforeReplacing) {
  TempFolder folder;
  const std::string name = folder.File("mur.umd");
  SaveWorkedCase(name);
  App app;
  ASSERT_TRUE(app.session.OpenProject(name));
  ASSERT_TRUE(app.state().DrawingExists);
  const std::string dxf = folder.File("mur.dxf");
  { std::ofstream(dxf) << "ancien"; }

  app.platform.filesToSave = {dxf};
  app.platform.answers = {Answer::Cancel};
  app.exports.ExportDxfCommand();
  EXPECT_EQ(app.platform.saveDialogs, (std::vector<FileDialog>{{"dxf", kDxfFilter, "mur.dxf"}}));
  EXPECT_EQ(Slurp(dxf), "ancien");

  app.platform.Forget();
  app.platform.filesToSave = {dxf};
  app.platform.answers = {Answer::Ok};
  app.exports.ExportDxfCommand();
  const std::string written = Slurp(dxf);
  EXPECT_EQ(written.rfind("999\r\nUmbrix dxf 3D\r\n", 0), 0u);
  EXPECT_NE(written.find("  0\r\nEOF\r\n"), std::string::npos);
  EXPECT_TRUE(app.platform.messages.empty());
  // the export draws in a frame of its own: the screen and the report are left as they were
  EXPECT_TRUE(app.state().DrawingExists);
  EXPECT_EQ(app.platform.drawings, 0);
  EXPECT_FALSE(app.platform.LogHasInOrder({"present"}));
  EXPECT_FALSE(app.session.ReportPane().empty());
}

// Exporting over the loaded project would replace it with a DXF: the replace question comes
// first, as for any existing file, and the refusal after it.
TEST(DxfExport, TheLoadedProjectIsNeverReplacedEvenWhenTheUserSaysOk) {
  TempFolder folder;
  const std::string name = folder.File("mur.umd");
  SaveWorkedCase(name);
  const std::string before = Slurp(name);
  App app;
  ASSERT_TRUE(app.session.OpenProject(name));
  app.platform.Forget();
  app.platform.filesToSave = {name};
  app.platform.answers = {Answer::Ok};
  app.exports.ExportDxfCommand();
  EXPECT_EQ(app.platform.questions.size(), 1u);
  EXPECT_EQ(app.platform.messages,
            Messages{ErrorMessage(name + " : déjà ouvert ou erreur d'ouverture")});
  EXPECT_TRUE(
      app.platform.LogHasInOrder({"save-dialog", "question:" + std::string(kFileExistsText),
                                  "message:" + name + " : déjà ouvert ou erreur d'ouverture"}));
  EXPECT_EQ(Slurp(name), before);
  EXPECT_TRUE(app.state().ProjectFileHeld);
  EXPECT_EQ(testing::AsShown(app.exports.WriteSvg(name)),
            ErrorMessage(name + " : déjà ouvert ou erreur d'ouverture"));
  EXPECT_EQ(Slurp(name), before);
  // the project itself is still saved over itself
  EXPECT_TRUE(app.session.WriteProject(name, false));
}

TEST(DxfExport, AFailedWriteIsReported) {
  TempFolder folder;
  App app;
  testing::TypeWorkedCase(app.form());
  ASSERT_TRUE(app.session.StartComputation(RunMode::Compute));
  app.platform.filesToSave = {folder.File("absent/mur.dxf")};
  app.exports.ExportDxfCommand();
  ASSERT_EQ(app.platform.messages.size(), 1u);
  EXPECT_EQ(app.platform.messages[0].caption, "Erreur...");
  EXPECT_TRUE(app.state().DrawingExists);
}

TEST(SvgExport, WritesATrueScalePicture) {
  TempFolder folder;
  App app;
  EXPECT_EQ(app.exports.WriteSvg(folder.File("none.svg")), ErrorMessage(kNoDrawingToExportText));
  testing::TypeWorkedCase(app.form());
  ASSERT_TRUE(app.session.StartComputation(RunMode::Compute));
  EXPECT_EQ(app.exports.WriteSvg(folder.File("mur.svg")), std::nullopt);
  const std::string svg = Slurp(folder.File("mur.svg"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("mm\""), std::string::npos);
}

}  // namespace
}  // namespace umbrix
