// The dialog as a whole: creation and the command line, deactivation, "Nouveau", the Test tab's
// buttons, and the English date style.

#include <gtest/gtest.h>

#include "form/FakeFormHost.h"
#include "model/Dates.h"

namespace umbrix {
namespace {

using testing::Dialog;

TEST(FormCreate, FillsTheDiversDefaultsAndLeavesTheProjectUnmodified) {
  DialProject project = BlankProject();
  ProjectState state;
  testing::FakeFormHost host(&state);
  Form form(project, state, host);
  const StartupRequest request = form.FormCreate({});
  EXPECT_EQ(request.fileToOpen, "");
  EXPECT_EQ(project.Dadiur.text, "01/01/2010");
  EXPECT_EQ(project.Dadiur.value, kStartupDadiurSerial);
  EXPECT_TRUE(project.Dadiur.given);
  EXPECT_EQ(project.Adadiur, "1 janvier 2010");
  EXPECT_EQ(project.TypeHeureItem, 0);
  EXPECT_EQ(project.TypeHeure, 0);
  EXPECT_EQ(project.Hediur.text, "12:00:00");
  EXPECT_EQ(project.Hediur.value, 0.5);
  EXPECT_EQ(project.Ahediur, "12:00:00");
  EXPECT_EQ(project.Carreau.text, "50");
  EXPECT_EQ(project.Carreau.value, 50);
  EXPECT_FALSE(state.Modified);
  EXPECT_FALSE(state.TestMode);
  EXPECT_EQ(state.RunMode, RunMode{1});
}

struct CommandLineCase {
  std::vector<std::string> args;
  bool testMode;
  const char* file;
};

class CommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, MapInAnyCaseSwitchesOnTestMode) {
  const CommandLineCase c = GetParam();
  Dialog d(c.args);
  EXPECT_EQ(d.state.TestMode, c.testMode);
  EXPECT_EQ(d.request.fileToOpen, c.file);
  EXPECT_EQ(d.form.TabVisible(Tab::Test), c.testMode);
  EXPECT_EQ(d.form.TabVisible(Tab::Option), c.testMode);
  EXPECT_EQ(d.form.Control(TestField::Edit20).visible, c.testMode);
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLine,
                         ::testing::Values(CommandLineCase{{}, false, ""},
                                           CommandLineCase{{"cadran.umd"}, false, "cadran.umd"},
                                           CommandLineCase{{"MAP"}, true, ""},
                                           CommandLineCase{{"map", "x.umd"}, true, "x.umd"},
                                           CommandLineCase{{"Map", ""}, true, ""},
                                           CommandLineCase{{"MAPS"}, false, "MAPS"},
                                           CommandLineCase{
                                               {"bureau.umb", "MAP"}, false, "bureau.umb"}));

TEST(Deactivate, RevalidatesOnlyTheActiveEdit) {
  Dialog d;
  d.form.SetText(Field::Cote, "120");
  d.form.SetText(Field::Gnomon, "80");
  d.form.SetActiveControl(ControlId::Cote);
  d.form.FormDeactivate();
  EXPECT_TRUE(d.project.Cote.given);
  EXPECT_FALSE(d.project.Gnomon.given);  // typed but never left
  EXPECT_EQ(d.project.Plate.XMax, 60);
}

TEST(Deactivate, RunsTheListHandlerAndTheTestEntries) {
  Dialog d;
  d.form.SelectTypeHeure(2);
  d.form.SetActiveControl(ControlId::TypeHeure);
  d.form.FormDeactivate();
  EXPECT_EQ(d.project.TypeHeure, 1.0 / 24);

  d.form.SetText(TestField::Edit24, "90x");
  d.form.SetActiveControl(ControlId::Edit24);
  d.form.FormDeactivate();
  EXPECT_EQ(d.project.At(TestField::Edit24).text, "");
}

TEST(Deactivate, IgnoresBoxesButtonsAndTheSequenceName) {
  Dialog d;
  d.form.SetText(Field::Carreau, "x");
  for (ControlId id : {ControlId::Rectg, ControlId::Button1, ControlId::NomFic, ControlId::Sud}) {
    d.form.SetActiveControl(id);
    d.form.FormDeactivate();
  }
  EXPECT_EQ(d.project.Carreau.text, "x");
  EXPECT_TRUE(d.project.Carreau.given);
  EXPECT_TRUE(d.host.marks.empty());
  d.form.SetActiveControl(std::nullopt);
  d.form.FormDeactivate();
  EXPECT_TRUE(d.host.marks.empty());
}

TEST(Nouveau, ResetsTheEntriesAndKeepsOptionsModeAndTestTab) {
  Dialog d({"MAP"});
  d.form.SetChecked(Check::Rectg, true);
  d.form.Enter(Field::Coteh, "80");
  d.form.Enter(Field::Cotel, "120");
  d.form.Enter(Field::Gnomon, "50");
  d.form.SetChecked(Check::Hautf, true);
  d.form.Enter(Field::Date1, "14/07/2012");
  d.form.Enter(Field::Mesx2, "4");
  d.form.SetChecked(Check::Limite, true);
  d.form.Enter(Field::Lat, "45");
  d.form.SetChecked(Check::Hvrai, true);
  d.form.Enter(Field::Long, "2");
  d.form.Enter(Field::Carreau, "10");
  d.form.Enter(Field::Dadiur, "02/02/2020");
  d.form.SelectTypeHeure(2);
  d.form.LeaveTypeHeure();
  d.form.Enter(Field::Hediur, "8:00");
  d.form.Select(Radio::Douest);
  d.form.Enter(Field::DecEd, "10");
  d.form.Enter(Field::RotEd, "10");
  d.form.Enter(TestField::Edit21, "45");
  d.project.Options.Axes1.checked = true;
  d.state.RunMode = RunMode{3};

  d.form.ResetForNewProject();
  const DialProject& p = d.project;
  EXPECT_FALSE(p.Rectg || p.Hautf || p.Limite || p.Hvrai || p.Locc);
  for (Field f :
       {Field::Cote, Field::Coteh, Field::Cotel, Field::Gnomon, Field::Gnomf, Field::Date1,
        Field::Mesx2, Field::Lat, Field::Long, Field::DecEd, Field::IncEd, Field::RotEd}) {
    EXPECT_FALSE(p.At(f).given) << FieldName(f);
  }
  EXPECT_EQ(p.Carreau.text, "50");
  EXPECT_EQ(p.Dadiur.text, "01/01/2010");
  EXPECT_EQ(p.TypeHeure, 0);
  EXPECT_EQ(p.Hediur.text, "12:00:00");
  EXPECT_TRUE(p.Dest);
  EXPECT_TRUE(p.Options.Axes1.checked);
  EXPECT_EQ(d.state.RunMode, RunMode{3});
  EXPECT_EQ(p.At(TestField::Edit21).text, "45");
  // a rectangle reset squares the plate on its width; the plate is not otherwise reset
  EXPECT_EQ(p.Plate.YMax, 60);
}

TEST(TestButtons, CalculeNeedsThePlateAndTheGnomon) {
  Dialog d;
  EXPECT_EQ(d.form.CheckMeasureGeometry(), InfoMessage("Donner la géométrie de mesure"));
  d.form.Enter(Field::Cote, "100");
  EXPECT_TRUE(d.form.CheckMeasureGeometry().has_value());
  d.form.Enter(Field::Gnomon, "50");
  EXPECT_FALSE(d.form.CheckMeasureGeometry().has_value());
  d.form.SetChecked(Check::Rectg, true);
  d.form.Enter(Field::Cotel, "");
  EXPECT_TRUE(d.form.CheckMeasureGeometry().has_value());
}

TEST(TestButtons, TraceNeedsTheShadowCaster) {
  Dialog d;
  d.form.Enter(Field::Cote, "100");
  EXPECT_EQ(d.form.CheckDialGeometry(), InfoMessage("Donner la géométrie du cadran"));
  d.form.SetChecked(Check::Hautf, true);
  d.form.Enter(Field::Gnomf, "30");
  EXPECT_FALSE(d.form.CheckDialGeometry().has_value());  // no measuring gnomon needed
  d.form.Enter(Field::Gnomx, "");
  EXPECT_TRUE(d.form.CheckDialGeometry().has_value());
}

TEST(TestButtons, OnlyBothPointsMakeTheTestDataValid) {
  Dialog d;
  d.form.ApplyTestComputeResult(1);
  EXPECT_FALSE(d.state.TestDataValid);
  d.form.ApplyTestComputeResult(2);
  EXPECT_TRUE(d.state.TestDataValid);
  d.form.Enter(Field::Mesx1, "3");  // writing a changed point voids them
  EXPECT_FALSE(d.state.TestDataValid);
}

TEST(EntryWriting, ComputationsWriteThroughTheEntriesOwnHandlers) {
  Dialog d;
  d.form.Enter(Field::Cote, "100");
  d.form.SetChecked(Check::Limite, true);
  d.form.SetChecked(Check::Locc, true);
  d.state.TestDataValid = true;
  d.host.Forget();
  EntryWriter& writer = d.form;
  writer.SetEntryText(Field::Mesx1, "12.3");
  writer.SetEntryText(Field::Mesy1, "-4");
  EXPECT_EQ(d.project.Mesx1.value, 12.3);
  EXPECT_TRUE(d.project.Mesy1.given);
  EXPECT_FALSE(d.state.TestDataValid);  // a changed point voids the test data
  writer.SetEntryText(Field::Lat, "48.85");
  writer.SelectRadio(PlaceRadio::Sud);
  EXPECT_EQ(d.project.Lat.value, -48.85);
  writer.SetEntryText(Field::Long, "2.35");
  EXPECT_EQ(d.project.Long.value, -2.35);  // `Est` selected
  writer.SelectRadio(PlaceRadio::Ouest);
  EXPECT_EQ(d.project.Long.value, 2.35);
  writer.SelectRadio(PlaceRadio::Ouest);
  writer.SetEntryText(Field::FusHor, "1");
  EXPECT_EQ(d.project.FusHor.value, 1);
  const size_t marks = d.host.marks.size();
  writer.SetEntryText(Field::Mesx1, "");  // clearing a point
  EXPECT_FALSE(d.project.Mesx1.given);
  EXPECT_EQ(d.host.marks.size(), marks + 1);
  writer.SetEntryText(Field::Mesy1, "x");  // refused like typed input
  EXPECT_FALSE(d.project.Mesy1.given);
}

TEST(EnglishDates, HintTodayAndParsingFollowTheShortDateFormat) {
  Dialog d({}, DateStyle{"MM/dd/yyyy"}, true);
  EXPECT_EQ(d.form.Control(Field::Date1).Hint(), "Format : MM/dd/yyyy");
  EXPECT_EQ(d.project.Dadiur.text, "01/01/2010");
  EXPECT_EQ(d.project.Adadiur, "1 January 2010");
  d.form.Enter(Field::Date1, "*");
  EXPECT_EQ(d.project.Date1.text, "07/14/2023");
  EXPECT_EQ(d.project.Date1.value, d.host.clock.today);
  d.form.Enter(Field::Date2, "7/14/2012");
  EXPECT_EQ(d.project.Date2.value, SerialFromCivil({2012, 7, 14}));
}

TEST(EnglishDates, AFrenchInterfaceShowsTheFrenchHintWhateverThePattern) {
  Dialog d({}, DateStyle{"MM/dd/yyyy"}, false);
  EXPECT_EQ(d.form.DateHint(), "Format : jj/mm/aaaa");
}

}  // namespace
}  // namespace umbrix
