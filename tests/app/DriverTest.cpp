// The computation driver through the session: what a missing entry shows and in which order,
// which entries each mode needs, the boxes the place codes check, and the dispatch.

#include <gtest/gtest.h>

#include <cmath>

#include "app/SessionFixtures.h"

namespace umbrix {
namespace {

using testing::App;
using testing::CallKind;

TEST(MissingEntry, NothingEnteredReportsTheGeometryFirstInOrder) {
  App app;
  EXPECT_FALSE(app.session.StartComputation(RunMode::Compute));

  ASSERT_EQ(app.platform.messages.size(), 1u);
  EXPECT_EQ(app.platform.messages[0], ErrorMessage("Donner la géométrie du cadran"));
  EXPECT_EQ(app.form().SelectedTab(), Tab::Cadran);
  EXPECT_EQ(app.form().ActiveControl(), ControlId::Cote);
  EXPECT_FALSE(app.state().DrawingExists);
  EXPECT_EQ(app.session.ReportPane(), "");
  // white bitmap shown, dialog shown, then the message
  EXPECT_TRUE(app.platform.LogHasInOrder(
      {"fill-white", "present", "dialog", "message:Donner la géométrie du cadran"}))
      << ::testing::PrintToString(app.platform.log);
}

TEST(MissingEntry, AReportedEntryBlanksADrawingAlreadyShown) {
  App app;
  testing::TypeWorkedCase(app.form());
  ASSERT_TRUE(app.session.StartComputation(RunMode::Compute));
  ASSERT_FALSE(app.session.ReportPane().empty());
  // the grid size goes without its handler, so nothing but the check sees it
  app.project().Carreau = Entry{};
  app.platform.Forget();
  EXPECT_FALSE(app.session.StartComputation(RunMode::Compute));
  EXPECT_EQ(app.platform.MessageTexts(), std::vector<std::string>{"Donner la taille des carreaux"});
  EXPECT_EQ(app.platform.Count(CallKind::DrawSegment), 0u);
  EXPECT_EQ(app.platform.Count(CallKind::FillSurface), 1u);
  EXPECT_EQ(app.session.ReportPane(), "");
}

TEST(MissingEntry, ModeOneNeedsThePointsModeTwoOnlyTheirInstantsModeThreeNeither) {
  App app;
  testing::TypePlate(app.form());
  testing::TypeFullPlace(app.form());
  testing::TypeWorkedOrientation(app.form());

  // mode 3: neither the instants nor the points
  EXPECT_TRUE(app.session.StartComputation(RunMode::Trace));
  EXPECT_TRUE(app.platform.messages.empty()) << app.platform.messages[0].text;

  // mode 2: the instants
  app.platform.Forget();
  EXPECT_FALSE(app.session.StartComputation(RunMode::Simulate));
  EXPECT_EQ(app.platform.MessageTexts(), std::vector<std::string>{"Définir l'instant 1"});
  EXPECT_EQ(app.form().SelectedTab(), Tab::Point1);
  EXPECT_EQ(app.form().ActiveControl(), ControlId::Date1);

  testing::TypeInstants(app.form());
  app.platform.Forget();
  EXPECT_TRUE(app.session.StartComputation(RunMode::Simulate));
  EXPECT_TRUE(app.platform.messages.empty());

  // mode 1: the measured points, which the simulation wrote; without them the first is asked
  app.form().Enter(Field::Mesy1, "");
  app.platform.Forget();
  EXPECT_FALSE(app.session.StartComputation(RunMode::Compute));
  EXPECT_EQ(app.platform.MessageTexts(),
            std::vector<std::string>{"Donner la position du point d'ombre 1"});
  EXPECT_EQ(app.form().ActiveControl(), ControlId::Mesy1);
}

TEST(MissingEntry, ModeThreeWithAFinalCasterNeedsItButNotTheGnomon) {
  App app;
  app.form().Enter(Field::Cote, "400");
  testing::TypeFullPlace(app.form());
  testing::TypeWorkedOrientation(app.form());
  app.form().SetChecked(Check::Hautf, true);
  app.form().Enter(Field::Gnomx, "");

  EXPECT_FALSE(app.session.StartComputation(RunMode::Trace));
  EXPECT_EQ(app.platform.MessageTexts(), std::vector<std::string>{"Donner la géométrie du cadran"});
  EXPECT_EQ(app.form().ActiveControl(), ControlId::Gnomf);

  app.form().Enter(Field::Gnomf, "60");
  app.platform.Forget();
  EXPECT_FALSE(app.session.StartComputation(RunMode::Trace));
  EXPECT_EQ(app.form().ActiveControl(), ControlId::Gnomx);

  app.form().Enter(Field::Gnomx, "10");
  app.form().Enter(Field::Gnomy, "-20");
  app.platform.Forget();
  EXPECT_FALSE(app.project().Gnomon.given);
  EXPECT_TRUE(app.session.StartComputation(RunMode::Trace));
  EXPECT_TRUE(app.platform.messages.empty());
}

TEST(MissingEntry, LatitudeInModeThreeChecksLimitationAndFullLocalisation) {
  App app;
  testing::TypePlate(app.form());
  testing::TypeWorkedOrientation(app.form());
  ASSERT_FALSE(app.project().Limite);

  EXPECT_FALSE(app.session.StartComputation(RunMode::Trace));
  EXPECT_EQ(app.platform.MessageTexts(),
            std::vector<std::string>{"Donner la localisation complète"});
  EXPECT_EQ(app.form().SelectedTab(), Tab::Lieu);
  EXPECT_TRUE(app.project().Limite);
  EXPECT_TRUE(app.project().Locc);
  EXPECT_EQ(app.form().ActiveControl(), ControlId::Lat);
}

TEST(MissingEntry, LatitudeInModeOneAsksForTheEnabledFieldsAndChecksNothing) {
  App app;
  testing::TypePlate(app.form());
  testing::TypeInstants(app.form());
  testing::TypeWorkedPoints(app.form());
  app.form().SetChecked(Check::Limite, true);

  EXPECT_FALSE(app.session.StartComputation(RunMode::Compute));
  EXPECT_EQ(app.platform.MessageTexts(), std::vector<std::string>{"Compléter les champs activés"});
  EXPECT_FALSE(app.project().Locc);
  EXPECT_FALSE(app.project().Mijou);
  EXPECT_EQ(app.form().ActiveControl(), ControlId::Lat);
}

TEST(MissingEntry, LongitudeAndZoneInModeTwoCheckFullLocalisationAndFocusEach) {
  App app;
  testing::TypePlate(app.form());
  testing::TypeInstants(app.form());
  testing::TypeWorkedOrientation(app.form());
  app.form().SetChecked(Check::Limite, true);
  app.form().Enter(Field::Lat, "45");
  ASSERT_FALSE(app.project().Locc);

  // 43: the longitude
  EXPECT_FALSE(app.session.StartComputation(RunMode::Simulate));
  EXPECT_EQ(app.platform.MessageTexts(),
            std::vector<std::string>{"Donner la localisation complète"});
  EXPECT_TRUE(app.project().Locc);
  EXPECT_EQ(app.form().ActiveControl(), ControlId::Long);

  // 44: the zone
  app.form().Select(Radio::Est);
  app.form().Enter(Field::Long, "5");
  app.platform.Forget();
  EXPECT_FALSE(app.session.StartComputation(RunMode::Simulate));
  EXPECT_EQ(app.platform.MessageTexts(),
            std::vector<std::string>{"Donner la localisation complète"});
  EXPECT_EQ(app.form().ActiveControl(), ControlId::FusHor);
}

TEST(MissingEntry, SolarHoursPlaceIsTakenForFullLocalisationOnTheFirstSimulation) {
  App app;
  testing::TypePlate(app.form());
  testing::TypeInstants(app.form());
  testing::TypeWorkedOrientation(app.form());
  app.form().SetChecked(Check::Limite, true);
  app.form().Enter(Field::Lat, "45");
  app.form().SetChecked(Check::Hvrai, true);  // checks Locc too
  app.form().Select(Radio::Est);
  app.form().Enter(Field::Long, "5");
  app.form().Enter(Field::FusHor, "2");
  app.form().SetChecked(Check::Locc, false);  // the solar-hours place stays
  ASSERT_TRUE(app.project().Long.given);
  ASSERT_TRUE(app.project().FusHor.given);
  ASSERT_FALSE(app.project().Locc);
  app.form().SelectTab(Tab::Divers);
  app.form().SetActiveControl(ControlId::RotEd);

  EXPECT_FALSE(app.session.StartComputation(RunMode::Simulate));
  EXPECT_EQ(app.platform.MessageTexts(),
            std::vector<std::string>{
                "Utilisation des données 'Heures solaires' pour la localisation complète"});
  EXPECT_EQ(app.form().SelectedTab(), Tab::Lieu);
  EXPECT_TRUE(app.project().Locc);
  EXPECT_FALSE(app.project().Mesx1.given);  // nothing computed

  app.platform.Forget();
  EXPECT_TRUE(app.session.StartComputation(RunMode::Simulate));
  EXPECT_TRUE(app.platform.messages.empty());
  EXPECT_TRUE(app.project().Mesx1.given);
}

TEST(MissingEntry, SquareSizeKeepsTheSelectedTab) {
  App app;
  testing::TypeWorkedCase(app.form());
  app.form().Enter(Field::Carreau, "");
  app.form().SelectTab(Tab::Point2);

  EXPECT_FALSE(app.session.StartComputation(RunMode::Compute));
  EXPECT_EQ(app.platform.MessageTexts(), std::vector<std::string>{"Donner la taille des carreaux"});
  EXPECT_EQ(app.form().SelectedTab(), Tab::Point2);
  EXPECT_EQ(app.form().ActiveControl(), ControlId::Carreau);
}

TEST(Dispatch, EphemerisModeChecksNothingAndFillsTheReportPane) {
  App app;
  EXPECT_FALSE(app.session.StartComputation(RunMode::Ephemeris));
  EXPECT_TRUE(app.platform.messages.empty());
  EXPECT_EQ(app.session.ReportPane().rfind("   ** Calculs complémentaires **\r\n", 0), 0u)
      << app.session.ReportPane();
  EXPECT_NE(app.session.ReportPane().find("Date non précisée..."), std::string::npos);
  EXPECT_TRUE(app.platform.LogHasInOrder({"fill-white", "present"}));
  EXPECT_FALSE(app.state().DrawingExists);
}

TEST(Dispatch, ComputingTheWorkedCaseTracesAndReports) {
  App app;
  testing::TypeWorkedCase(app.form());
  app.platform.Forget();
  EXPECT_TRUE(app.session.ComputeCommand(RunMode::Compute));
  EXPECT_TRUE(app.platform.messages.empty());
  EXPECT_TRUE(app.state().DrawingExists);
  const std::string& report = app.session.ReportPane();
  EXPECT_EQ(report, app.session.Sections().Compose());
  EXPECT_TRUE(app.session.Sections().sections[0].empty());
  EXPECT_FALSE(app.session.Sections().sections[1].empty());
  EXPECT_FALSE(app.session.Sections().sections[9].empty());
  EXPECT_NE(report.find("austral"), std::string::npos) << report;
  EXPECT_GT(app.platform.Count(CallKind::DrawSegment), 0u);
  EXPECT_TRUE(app.platform.LogHasInOrder({"fill-white", "present"}));
}

TEST(Dispatch, SimulatingTheWorkedPlateWritesItsMeasuredPoints) {
  App app;
  testing::TypePlate(app.form());
  testing::TypeInstants(app.form());
  testing::TypeFullPlace(app.form());
  testing::TypeWorkedOrientation(app.form());
  EXPECT_TRUE(app.session.StartComputation(RunMode::Simulate));
  EXPECT_EQ(app.project().Mesx1.text, "-100.3");
  EXPECT_EQ(app.project().Mesy1.text, "-330.6");
  EXPECT_EQ(app.project().Mesx2.text, "164.2");
  EXPECT_EQ(app.project().Mesy2.text, "-189.9");
  EXPECT_EQ(app.session.ReportPane().rfind("   ** Simulation **\r\n\r\n", 0), 0u);
}

TEST(Dispatch, DirectTraceHasNoPrecisionNorReducedParameters) {
  App app;
  testing::TypePlate(app.form());
  testing::TypeFullPlace(app.form());
  testing::TypeWorkedOrientation(app.form());
  EXPECT_TRUE(app.session.StartComputation(RunMode::Trace));
  EXPECT_TRUE(app.session.Sections().sections[1].empty());
  EXPECT_TRUE(app.session.Sections().sections[9].empty());
  EXPECT_EQ(app.session.ReportPane().rfind("   ** Tracé (simulation) **\r\n\r\n", 0), 0u);
  EXPECT_EQ(app.session.ReportPane().find("Indice de précision"), std::string::npos);
}

TEST(Dispatch, SolverFailureShowsItsMessageAndTracesNothing) {
  App app;
  testing::TypeWorkedCase(app.form());
  app.form().Enter(Field::Mesx2, "-100.3");
  app.form().Enter(Field::Mesy2, "-330.6");
  app.platform.Forget();
  EXPECT_FALSE(app.session.StartComputation(RunMode::Compute));
  EXPECT_EQ(app.platform.MessageTexts(),
            std::vector<std::string>{"Calcul impossible : Ombres identiques"});
  EXPECT_FALSE(app.state().DrawingExists);
  EXPECT_EQ(app.platform.Count(CallKind::DrawSegment), 0u);
}

TEST(Dispatch, SimulationFailureStopsBeforeTheSolver) {
  App app;
  testing::TypePlate(app.form());
  testing::TypeInstants(app.form());
  testing::TypeFullPlace(app.form());
  // a plate facing north: the June sun at 13:00 lights its back
  app.form().Enter(Field::DecEd, "180");
  app.form().Enter(Field::IncEd, "90");
  app.form().Enter(Field::RotEd, "0");
  EXPECT_FALSE(app.session.StartComputation(RunMode::Simulate));
  ASSERT_FALSE(app.platform.messages.empty());
  EXPECT_EQ(app.platform.messages[0].text, "Le cadran n'est pas éclairé à l'instant 1");
  EXPECT_FALSE(app.state().DrawingExists);
}

TEST(Dispatch, TheTitleFollowsAChangeOfModeOnly) {
  testing::TempFolder folder;
  App app;
  testing::TypePlate(app.form());
  testing::TypeFullPlace(app.form());
  testing::TypeWorkedOrientation(app.form());
  ASSERT_TRUE(app.session.WriteProject(folder.File("mur.umd"), false));
  ASSERT_EQ(app.session.Title(), "Umbrix   mur.umd");
  ASSERT_FALSE(app.state().Modified);

  EXPECT_TRUE(app.session.StartComputation(RunMode::Trace));
  EXPECT_EQ(app.session.Title(), "Umbrix * mur.umd");
  EXPECT_TRUE(app.state().Modified);

  ASSERT_TRUE(app.session.WriteProject(folder.File("mur.umd"), false));
  app.platform.Forget();
  EXPECT_TRUE(app.session.StartComputation(RunMode::Trace));
  EXPECT_EQ(app.session.Title(), "Umbrix   mur.umd");
  EXPECT_FALSE(app.state().Modified);
}

TEST(Dispatch, AToggleRedrawsAValidDialWithoutSolvingAgain) {
  App app;
  testing::TypeWorkedCase(app.form());
  ASSERT_TRUE(app.session.StartComputation(RunMode::Compute));
  const Orientation solved = app.session.PlateOrientation();
  const std::string precision = app.session.Sections().sections[1];
  // a point moved behind the dialog's back: a new solve would see it
  app.project().Mesx2.value = 150.0;
  app.session.ToggleOption(OptionItem::Axes1);
  EXPECT_EQ(app.session.PlateOrientation().PlateEuler, solved.PlateEuler);
  EXPECT_EQ(app.session.Sections().sections[1], precision);
  EXPECT_TRUE(app.state().DrawingExists);

  // "C&alculer" solves again
  EXPECT_TRUE(app.session.StartComputation(RunMode::Compute));
  EXPECT_NE(app.session.PlateOrientation().PlateEuler, solved.PlateEuler);
}

TEST(Dispatch, AnEntryThatInvalidatesTheDrawingBlanksItAndEmptiesTheReport) {
  App app;
  testing::TypeWorkedCase(app.form());
  ASSERT_TRUE(app.session.StartComputation(RunMode::Compute));
  app.platform.Forget();
  app.form().Enter(Field::Mesx1, "-101");
  EXPECT_FALSE(app.state().DrawingExists);
  EXPECT_EQ(app.session.ReportPane(), "");
  EXPECT_TRUE(app.state().Modified);
  EXPECT_TRUE(app.platform.LogHasInOrder({"fill-white", "present"}));
  EXPECT_EQ(app.session.Title().rfind("Umbrix * ", 0), 0u);
}

TEST(Dispatch, TheDrawingFitsTheRoomAndFollowsThePlate) {
  App app;
  // 449 - 2 * 20 - 9 = 400 pixels for the start-up 100 mm square
  EXPECT_EQ(app.session.Frame().widthPx, 441);
  EXPECT_EQ(app.session.Frame().heightPx, 441);
  app.form().SetChecked(Check::Rectg, true);
  app.form().Enter(Field::Coteh, "200");
  EXPECT_EQ(app.session.Frame().widthPx, 441);  // not fitted before both sides are known
  app.form().Enter(Field::Cotel, "400");
  EXPECT_EQ(app.session.Frame().widthPx, 441);
  EXPECT_EQ(app.session.Frame().heightPx, 241);
  EXPECT_EQ(app.platform.bitmapWidth, 441);
  EXPECT_EQ(app.platform.bitmapHeight, 241);
  EXPECT_DOUBLE_EQ(app.session.Frame().MmPerPixelX, 1.0);
}

}  // namespace
}  // namespace umbrix

namespace umbrix {
namespace {

TEST(ZoneByName, TheWindowAsksWhichOfTheRepeatedTimesTheMarkWas) {
  struct Case {
    Answer answer;
    double offset;  // hours
  };
  for (const Case& c : {Case{Answer::Yes, 1.0}, Case{Answer::No, 2.0}}) {
    testing::FakePlatform platform;
    Session s(platform);
    s.Start({});
    testing::TypeWorkedCase(s.Dialog());
    ASSERT_FALSE(s.Dialog().ChooseZone("Europe/Paris"));
    platform.answers = {c.answer};
    s.Dialog().Enter(Field::Date2, "27/10/2024");
    s.Dialog().Enter(Field::Heure2, "02:30:00");
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].caption, "Heure double");
    EXPECT_EQ(platform.questions[0].buttons, Buttons::YesNo);
    EXPECT_EQ(s.Project().ZoneOffsets[kZonePoint2], (ZoneOffset{true, c.offset}));
  }
}

}  // namespace
}  // namespace umbrix
