// The entry handlers: parsing, ranges, the changed rule, MarkModified's arguments and the
// clearing condition by RunMode, the foot check, dates, times and their shorthands.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "form/FakeFormHost.h"
#include "model/Dates.h"

namespace umbrix {
namespace {

using testing::Dialog;
using Mark = testing::FakeFormHost::Mark;

struct TextCase {
  Field field;
  const char* text;
  bool accepted;
  double value;  // when accepted
};

class EntryParsing : public ::testing::TestWithParam<TextCase> {};

TEST_P(EntryParsing, StoresValueOrEmptiesTheEntry) {
  const TextCase c = GetParam();
  Dialog d;
  d.form.Enter(c.field, c.text);
  const Entry& e = d.project.At(c.field);
  if (c.accepted) {
    EXPECT_TRUE(e.given) << c.text;
    EXPECT_EQ(e.text, c.text);
    EXPECT_NEAR(e.value, c.value, 1e-9) << c.text;
  } else {
    EXPECT_FALSE(e.given) << c.text;
    EXPECT_EQ(e.text, "") << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, EntryParsing,
    ::testing::Values(
        // decimal numbers > 0
        TextCase{Field::Carreau, "1.5e1", true, 15}, TextCase{Field::Carreau, "15;5", false, 0},
        TextCase{Field::Carreau, " 15", true, 15}, TextCase{Field::Carreau, "15 ", false, 0},
        TextCase{Field::Carreau, "0", false, 0}, TextCase{Field::Carreau, "-3", false, 0},
        TextCase{Field::Carreau, "", false, 0}, TextCase{Field::Carreau, ".5", true, 0.5},
        TextCase{Field::Gnomon, "120", true, 120}, TextCase{Field::Gnomon, "abc", false, 0},
        // an overflowing exponent is no height at all
        TextCase{Field::Gnomon, "1e999", false, 0}, TextCase{Field::Cote, "1e999", false, 0},
        // any decimal
        TextCase{Field::Mesx1, "-12.5", true, -12.5}, TextCase{Field::Mesy2, "0", true, 0},
        // sexagesimal degrees, 0 to 90 / 180; the sign comes from the radio pair
        TextCase{Field::Lat, "48°51°24", true, 48 + 51 / 60.0 + 24 / 3600.0},
        TextCase{Field::Lat, "48°30.5", true, 48 + 30.5 / 60},
        TextCase{Field::Lat, "48°", true, 48}, TextCase{Field::Lat, "48°°30", false, 0},
        TextCase{Field::Lat, "48 °30", false, 0}, TextCase{Field::Lat, "48° 30", true, 48.5},
        TextCase{Field::Lat, "90", true, 90}, TextCase{Field::Lat, "90°0°1", false, 0},
        TextCase{Field::Lat, "-45", false, 0}, TextCase{Field::IncEd, "180", true, 180},
        TextCase{Field::IncEd, "180.01", false, 0}, TextCase{Field::RotEd, "-180", true, -180},
        TextCase{Field::RotEd, "-180.5", false, 0},
        // time zone: quarter hours within 12 hours
        TextCase{Field::FusHor, "5:45", true, 5.75}, TextCase{Field::FusHor, "5:40", false, 0},
        TextCase{Field::FusHor, "1:00", true, 1}, TextCase{Field::FusHor, "1:20", false, 0},
        TextCase{Field::FusHor, "13", false, 0}, TextCase{Field::FusHor, "-3:30", true, -3.5},
        TextCase{Field::FusHor, "-12", true, -12}, TextCase{Field::FusHor, "-0:30", true, -0.5},
        // times
        TextCase{Field::Heure1, "10:30", true, 10.5 / 24},
        TextCase{Field::Heure1, "25:00", false, 0},
        TextCase{Field::MiJour, "12:10:00", true, (12 + 10 / 60.0) / 24}));

// What the dialog says of a refused entry, and the forms a French desk types that are read.
struct ExplainCase {
  Field field;
  const char* typed;
  const char* explanation;  // empty: accepted
  const char* stored;       // the text kept when accepted
  double value;
};

TEST(Entries, ARefusedEntrySaysWhatWasTypedAndWhatTheEntryExpects) {
  const double june21 = SerialFromCivil({2024, 6, 21});
  const ExplainCase cases[] = {
      {Field::Heure1, "12h30", "« 12h30 » : heure au format hh:mm:ss, par exemple 12:30", "", 0},
      {Field::MiJour, "12h", "« 12h » : heure au format hh:mm, par exemple 12:30", "", 0},
      {Field::Carreau, "45,5", "", "45.5", 45.5},
      {Field::Carreau, "15,5", "", "15.5", 15.5},
      {Field::Mesx1, "-12,25", "", "-12.25", -12.25},
      {Field::Lat, "45,5", "", "45.5", 45.5},
      {Field::Lat, "45°30,5", "", "45°30.5", 45 + 30.5 / 60},
      {Field::Gnomon, "1,5,0", "« 1,5,0 » : nombre positif, par exemple 120 ou 45,5", "", 0},
      {Field::Gnomon, "-3", "« -3 » : nombre positif, par exemple 120 ou 45,5", "", 0},
      {Field::Mesy1, "x", "« x » : nombre, par exemple -12,5 ou 30", "", 0},
      {Field::Lat, "95", "« 95 » : angle de 0 à 90° au format dd°mm°ss, par exemple 45°30 ou 45,5",
       "", 0},
      {Field::RotEd, "200",
       "« 200 » : angle de -180 à 180° au format dd°mm°ss, par exemple 45°30 ou 45,5", "", 0},
      {Field::FusHor, "1:20",
       "« 1:20 » : fuseau de -12 à 12 h par quarts d'heure, au format hh:mm, par exemple 1:00 ou "
       "-3:30",
       "", 0},
      {Field::Gnomx, "80", "« 80 » : le pied du gnomon doit être à l'intérieur du cadran", "", 0},
      {Field::Date1, "21.06.2024", "", "21.06.2024", june21},
      {Field::Date1, "2024-06-21", "", "2024-06-21", june21},
      {Field::Date1, "21-06-2024", "« 21-06-2024 » : date au format jj/mm/aaaa, par exemple 21/06/2024",
       "", 0},
      {Field::Date1, ".", "« . » : date au format jj/mm/aaaa, par exemple 21/06/2024", "", 0},
  };
  for (const ExplainCase& c : cases) {
    Dialog d;
    d.form.Click(Check::Hautf);
    d.form.Enter(c.field, c.typed);
    const Entry& e = d.project.At(c.field);
    const auto& why = d.form.Explanation();
    if (*c.explanation == '\0') {
      EXPECT_FALSE(why) << c.typed << ": " << why->Text();
      EXPECT_EQ(e.text, c.stored) << c.typed;
      EXPECT_NEAR(e.value, c.value, 1e-9) << c.typed;
    } else {
      ASSERT_TRUE(why) << c.typed;
      EXPECT_EQ(why->Text(), c.explanation);
      EXPECT_FALSE(e.given) << c.typed;
      EXPECT_EQ(e.text, "") << c.typed;
    }
  }
}

TEST(Entries, TheExplanationLastsUntilTheNextEntry) {
  Dialog d;
  d.form.Enter(Field::Mesx1, "3");
  d.state.DrawingExists = true;
  d.host.Forget();
  d.form.Enter(Field::Heure2, "midi");  // refused where nothing was given: no change at all
  ASSERT_TRUE(d.form.Explanation());
  EXPECT_TRUE(d.host.marks.empty());
  d.form.Enter(TestField::Edit22, "1,5");
  ASSERT_TRUE(d.form.Explanation());
  EXPECT_EQ(d.form.Explanation()->Text(), "« 1,5 » : nombre entier, par exemple -5 ou 2");
  d.form.Enter(TestField::Edit25, "0,5");
  EXPECT_FALSE(d.form.Explanation());
  EXPECT_DOUBLE_EQ(d.project.At(TestField::Edit25).value, 0.5);
  d.form.Enter(Field::Mesx1, "");  // emptied on purpose: nothing refused
  EXPECT_FALSE(d.form.Explanation());
}

TEST(Entries, ADecimalWithoutDigitsIsRefused) {
  Dialog d;
  for (const char* text : {".", "+", "e5", "1e", "1.2.3"}) {
    d.form.Enter(Field::Mesx1, text);
    EXPECT_FALSE(d.project.Mesx1.given) << text;
  }
}

TEST(Entries, LeavingWithoutChangeNeverMarksModified) {
  Dialog d;
  d.form.Enter(Field::Gnomon, "100");
  d.host.Forget();
  d.state.Modified = false;
  d.form.Leave(Field::Gnomon);
  d.form.Enter(Field::Gnomon, "1e2");  // the same value in another form
  EXPECT_TRUE(d.host.marks.empty());
  EXPECT_FALSE(d.state.Modified);
  EXPECT_EQ(d.project.Gnomon.text, "1e2");
}

TEST(Entries, EmptyingAGivenEntryMarksModified) {
  Dialog d;
  d.form.Enter(Field::Mesx1, "3");
  d.host.Forget();
  d.form.Enter(Field::Mesx1, "");
  ASSERT_EQ(d.host.marks.size(), 1u);
  EXPECT_FALSE(d.project.Mesx1.given);
  EXPECT_TRUE(d.state.Modified);
}

TEST(Entries, InvalidTextInAnEmptyEntryIsNoChange) {
  Dialog d;
  d.form.Enter(Field::Mesx1, "x");
  EXPECT_TRUE(d.host.marks.empty());
}

TEST(Entries, MarkModifiedSetsModifiedBeforeTheHostAndTestDataValidAfter) {
  Dialog d;
  d.state.TestDataValid = true;
  d.state.DrawingExists = true;
  d.form.Enter(Field::Cote, "120");
  ASSERT_EQ(d.host.marks.size(), 1u);
  EXPECT_EQ(d.host.marks[0], (Mark{false, true, true}));
  EXPECT_FALSE(d.state.TestDataValid);
  EXPECT_FALSE(d.state.DrawingExists);
}

TEST(Entries, KeepPassesTheCurrentTestDataValid) {
  Dialog d;
  d.state.TestDataValid = true;
  d.form.Enter(Field::Carreau, "20");
  ASSERT_EQ(d.host.marks.size(), 1u);
  EXPECT_TRUE(d.host.marks[0].testDataValid);
  EXPECT_TRUE(d.state.TestDataValid);
}

struct ClearCase {
  Field field;
  const char* text;
  bool testDataKept;
  // clearing by RunMode 1, 2, 3, 4, 8
  std::array<bool, 5> clears;
};

class ClearingByMode : public ::testing::TestWithParam<ClearCase> {};

TEST_P(ClearingByMode, FollowsTheModeSets) {
  const ClearCase c = GetParam();
  const int modes[5] = {1, 2, 3, 4, 8};
  for (int i = 0; i < 5; ++i) {
    Dialog d;
    d.state.RunMode = RunMode{modes[i]};
    d.state.TestDataValid = true;
    d.form.Enter(c.field, c.text);
    ASSERT_EQ(d.host.marks.size(), 1u) << FieldName(c.field) << " mode " << modes[i];
    EXPECT_EQ(d.host.marks[0].clearDrawing, c.clears[i])
        << FieldName(c.field) << " mode " << modes[i];
    EXPECT_EQ(d.host.marks[0].testDataValid, c.testDataKept) << FieldName(c.field);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClearingByMode,
    ::testing::Values(
        ClearCase{Field::Cote, "100", false, {true, true, true, true, true}},
        ClearCase{Field::Coteh, "100", false, {true, true, true, true, true}},
        ClearCase{
            Field::Gnomon, "50", false, {true, true, true, false, true}},  // C, or 3 w/o Hautf
        ClearCase{Field::Date1, "14/07/2012", false, {true, true, false, false, true}},  // C
        ClearCase{Field::Heure2, "10:00", false, {true, true, false, false, true}},      // C
        ClearCase{Field::Mesx1, "1", false, {true, false, false, false, true}},          // D
        ClearCase{Field::Mesy2, "1", false, {true, false, false, false, true}},          // D
        ClearCase{Field::Lat, "45", false, {true, true, true, true, true}},
        ClearCase{Field::MiJour, "12:05", false, {true, true, true, true, true}},
        ClearCase{Field::Long, "2", false, {true, true, true, true, true}},
        ClearCase{Field::FusHor, "1", false, {true, true, true, true, true}},
        ClearCase{Field::Carreau, "10", true, {true, true, true, false, false}},         // A
        ClearCase{Field::Dadiur, "02/01/2010", true, {true, true, true, false, false}},  // A
        ClearCase{Field::Hediur, "11:00", true, {true, true, true, false, false}},       // A
        ClearCase{Field::DecEd, "10", true, {false, true, true, false, true}},           // B
        ClearCase{Field::IncEd, "10", true, {false, true, true, false, true}},           // B
        ClearCase{Field::RotEd, "10", true, {false, true, true, false, true}}));         // B

TEST(Entries, GnomonInTraceModeWithFinalCasterMarksButKeepsTheDrawing) {
  Dialog d;
  d.state.RunMode = RunMode{3};
  d.form.SetChecked(Check::Hautf, true);
  d.host.Forget();
  d.form.Enter(Field::Gnomon, "80");
  ASSERT_EQ(d.host.marks.size(), 1u);
  EXPECT_FALSE(d.host.marks[0].clearDrawing);
  EXPECT_TRUE(d.state.Modified);
}

TEST(Entries, FinalCasterEntriesKeepTestDataAndAlwaysClear) {
  Dialog d;
  d.form.Enter(Field::Cote, "200");
  d.form.SetChecked(Check::Hautf, true);
  d.state.TestDataValid = true;
  d.state.RunMode = RunMode{4};
  d.host.Forget();
  d.form.Enter(Field::Gnomf, "30");
  d.form.Enter(Field::Gnomx, "10");
  d.form.Enter(Field::Gnomy, "-10");
  ASSERT_EQ(d.host.marks.size(), 3u);
  for (const Mark& m : d.host.marks) EXPECT_EQ(m, (Mark{true, true, true}));
}

TEST(Entries, GnomonFeedsTheFinalHeightWhileThereIsNoFinalCaster) {
  Dialog d;
  d.form.Enter(Field::Gnomon, "120");
  EXPECT_EQ(d.project.Gnomf.value, 120);
  EXPECT_FALSE(d.project.Gnomf.given);
  d.form.SetChecked(Check::Hautf, true);
  d.form.Enter(Field::Gnomon, "80");
  EXPECT_EQ(d.project.Gnomf.value, 120);
}

// ---- the plate and the foot

TEST(Plate, NoSideGivenStillMeansAHundredMillimetreSquare) {
  Dialog d;
  EXPECT_FALSE(d.project.Cote.given);
  EXPECT_EQ(d.project.Plate.XMin, -50);
  EXPECT_EQ(d.project.Plate.XMax, 50);
  EXPECT_EQ(d.project.Plate.YMin, -50);
  EXPECT_EQ(d.project.Plate.YMax, 50);
}

TEST(Plate, SidesSetTheWindowAndFitTheDrawing) {
  Dialog d;
  d.form.Enter(Field::Cote, "120");
  EXPECT_EQ(d.project.Plate.XMin, -60);
  EXPECT_EQ(d.project.Plate.YMax, 60);
  EXPECT_EQ(d.host.fits, 1);
  d.form.Leave(Field::Cote);  // unchanged, still fitted
  EXPECT_EQ(d.host.fits, 2);
  EXPECT_EQ(d.host.marks.size(), 1u);

  d.form.SetChecked(Check::Rectg, true);
  d.form.Enter(Field::Coteh, "80");
  EXPECT_EQ(d.project.Plate.YMin, -40);
  EXPECT_EQ(d.project.Plate.XMax, 60);
  d.form.Enter(Field::Cotel, "150");
  EXPECT_EQ(d.project.Plate.XMin, -75);
  EXPECT_EQ(d.project.Plate.YMax, 40);
}

TEST(Plate, AnInvalidSideLeavesTheWindowAndDoesNotFit) {
  Dialog d;
  d.form.Enter(Field::Cote, "120");
  d.host.Forget();
  d.form.Enter(Field::Cote, "-1");
  EXPECT_EQ(d.project.Plate.XMax, 60);
  EXPECT_EQ(d.host.fits, 0);
  EXPECT_EQ(d.host.marks.size(), 1u);  // given -> not given
}

TEST(Foot, BeyondThePlateShowsTheMessageAndEmptiesTheEntry) {
  Dialog d;
  d.form.SetChecked(Check::Hautf, true);
  d.form.Enter(Field::Gnomx, "60");
  ASSERT_EQ(d.host.messages.size(), 1u);
  EXPECT_EQ(d.host.messages[0],
            ErrorMessage("Le pied du gnomon doit être à l'intérieur du cadran"));
  EXPECT_EQ(d.project.Gnomx.text, "");
  EXPECT_FALSE(d.project.Gnomx.given);
  d.form.Enter(Field::Gnomy, "-50");  // on the edge
  EXPECT_TRUE(d.project.Gnomy.given);
  EXPECT_EQ(d.host.messages.size(), 1u);
  d.form.Enter(Field::Gnomy, "abc");  // not a number: silent
  EXPECT_EQ(d.host.messages.size(), 1u);
}

TEST(Foot, ASideThatWouldLeaveTheFootOutsideIsRefused) {
  Dialog d;
  d.form.Enter(Field::Cote, "200");
  d.form.SetChecked(Check::Hautf, true);
  d.form.Enter(Field::Gnomx, "60");
  ASSERT_TRUE(d.project.Gnomx.given);
  d.host.Forget();
  d.form.Enter(Field::Cote, "100");
  EXPECT_EQ(d.host.messages.size(), 1u);
  EXPECT_EQ(d.project.Cote.text, "");
  EXPECT_EQ(d.project.Plate.XMax, 100);  // the plate keeps its last extent

  // rectangular: only the side's own axis counts
  d.form.SetChecked(Check::Rectg, true);
  d.host.Forget();
  d.form.Enter(Field::Coteh, "100");
  EXPECT_TRUE(d.project.Coteh.given);
  d.form.Enter(Field::Cotel, "100");
  EXPECT_FALSE(d.project.Cotel.given);
  EXPECT_EQ(d.host.messages.size(), 1u);
  d.form.Enter(Field::Cotel, "120");  // exactly at the foot
  EXPECT_TRUE(d.project.Cotel.given);
}

// ---- signs from the radio pairs

TEST(Signs, SouthernLatitudeIsStoredNegative) {
  Dialog d;
  d.form.SetChecked(Check::Limite, true);
  d.form.Select(Radio::Sud);
  d.form.Enter(Field::Lat, "45");
  EXPECT_EQ(d.project.Lat.value, -45);
  EXPECT_EQ(d.project.Lat.text, "45");
  d.host.Forget();
  d.form.Select(Radio::Nord);
  EXPECT_EQ(d.project.Lat.value, 45);
  EXPECT_EQ(d.project.Lat.text, "45");
  ASSERT_EQ(d.host.marks.size(), 1u);
  EXPECT_EQ(d.host.marks[0], (Mark{false, true, true}));
}

TEST(Signs, EastLongitudeIsNegativeAndWestMarksModified) {
  Dialog d;
  d.form.SetChecked(Check::Hvrai, true);
  d.form.Enter(Field::Long, "2°20");
  EXPECT_NEAR(d.project.Long.value, -(2 + 20.0 / 60), 1e-12);
  d.state.Modified = false;
  d.host.Forget();
  d.form.Select(Radio::Ouest);
  EXPECT_NEAR(d.project.Long.value, 2 + 20.0 / 60, 1e-12);
  EXPECT_TRUE(d.state.Modified);
  EXPECT_EQ(d.host.marks.size(), 1u);
}

TEST(Signs, SimulationDeclinationFlipKeepsTestDataAndClearsInSetB) {
  for (int mode : {1, 2}) {
    Dialog d;
    d.form.Enter(Field::DecEd, "30");
    EXPECT_EQ(d.project.DecEd.value, -30);  // `Dest` selected at start
    d.state.RunMode = RunMode{mode};
    d.state.TestDataValid = true;
    d.host.Forget();
    d.form.Select(Radio::Douest);
    EXPECT_EQ(d.project.DecEd.value, 30);
    ASSERT_EQ(d.host.marks.size(), 1u);
    EXPECT_EQ(d.host.marks[0], (Mark{true, mode == 2, true}));
  }
}

TEST(Signs, FlippingAnEmptyEntryChangesNothing) {
  Dialog d;
  d.form.SetChecked(Check::Limite, true);
  d.host.Forget();
  d.form.Select(Radio::Sud);
  d.form.Select(Radio::Sud);
  EXPECT_TRUE(d.host.marks.empty());
  EXPECT_TRUE(d.form.IsSelected(Radio::Sud));
  EXPECT_FALSE(d.form.IsSelected(Radio::Nord));
}

// ---- the list

TEST(TypeHeure, ItemOneIsExactlyMinusOneHour) {
  Dialog d;
  d.state.TestDataValid = true;
  d.form.SelectTypeHeure(1);
  d.form.LeaveTypeHeure();
  EXPECT_EQ(d.project.TypeHeure, -1.0 / 24.0);
  ASSERT_EQ(d.host.marks.size(), 1u);
  EXPECT_EQ(d.host.marks[0], (Mark{true, true, true}));
  d.form.SelectTypeHeure(2);
  d.form.LeaveTypeHeure();
  EXPECT_EQ(d.project.TypeHeure, 1.0 / 24.0);
  d.host.Forget();
  d.form.LeaveTypeHeure();
  EXPECT_TRUE(d.host.marks.empty());
}

TEST(TypeHeure, NoItemIsReselectedFromTheValue) {
  Dialog d;
  d.form.SelectTypeHeure(1);
  d.form.LeaveTypeHeure();
  d.host.Forget();
  d.form.SelectTypeHeure(-1);
  EXPECT_EQ(d.form.Control(ControlId::TypeHeure).text, "");
  d.form.LeaveTypeHeure();
  EXPECT_EQ(d.project.TypeHeureItem, 1);
  EXPECT_TRUE(d.host.marks.empty());
  d.form.SelectTypeHeure(7);  // outside the list: no item
  d.form.LeaveTypeHeure();
  EXPECT_EQ(d.project.TypeHeureItem, 1);
  EXPECT_EQ(d.form.Control(ControlId::TypeHeure).text, "Heure d'été / cadran d'hiver");
}

// ---- dates, times and shorthands

TEST(Dates, LabelShowsTheLongDate) {
  Dialog d;
  d.form.Enter(Field::Date1, "14/07/2012");
  EXPECT_EQ(d.project.Date1.value, SerialFromCivil({2012, 7, 14}));
  EXPECT_EQ(d.project.Adate1, "14 juillet 2012");
  EXPECT_EQ(d.form.Control(ControlId::Adate1).text, "14 juillet 2012");
  d.form.Enter(Field::Date1, "31/02/2012");
  EXPECT_EQ(d.project.Date1.text, "");
  EXPECT_EQ(d.project.Adate1, "");
}

// Every entry used to work out date and time labels from its value; a side of 1E300 overflowed
// the day count before the label was thrown away.
TEST(Dates, OnlyDatesAndTimesWorkOutLabels) {
  Dialog d;
  d.form.Enter(Field::Date1, "14/07/2012");
  d.form.Enter(Field::Heure1, "9:05");
  for (Field f : {Field::Cote, Field::Gnomon, Field::Mesx1, Field::Carreau}) {
    d.form.Enter(f, "1E300");
    EXPECT_EQ(d.project.At(f).value, 1e300);
  }
  EXPECT_EQ(d.project.Adate1, "14 juillet 2012");
  EXPECT_EQ(d.project.Aheure1, "09:05:00");
}

TEST(Dates, DotCopiesPointOneAndDoubleDotPointTwo) {
  Dialog d;
  d.form.Enter(Field::Date1, "14/07/2012");
  d.form.Enter(Field::Date2, ".");
  EXPECT_EQ(d.project.Date2.text, "14/07/2012");
  EXPECT_EQ(d.project.Date2.value, d.project.Date1.value);
  EXPECT_EQ(d.project.Adate2, "14 juillet 2012");

  d.form.Enter(Field::Date1, ".");  // not a shorthand of Point 1
  EXPECT_EQ(d.project.Date1.text, "");
  EXPECT_FALSE(d.project.Date1.given);

  d.form.Enter(Field::Date1, "..");
  EXPECT_EQ(d.project.Date1.text, "14/07/2012");
  d.form.Enter(Field::Dadiur, "..");
  EXPECT_EQ(d.project.Dadiur.text, "14/07/2012");
}

TEST(Dates, StarIsTodayAndDoubleStarTheDiversDate) {
  Dialog d;
  d.form.Enter(Field::Date1, "*");
  EXPECT_EQ(d.project.Date1.text, "14/07/2023");
  EXPECT_EQ(d.project.Date1.value, d.host.clock.today);
  d.form.Enter(Field::Date2, "**");
  EXPECT_EQ(d.project.Date2.text, "01/01/2010");
  EXPECT_EQ(d.project.Date2.value, kStartupDadiurSerial);
  d.form.Enter(Field::Dadiur, "**");
  EXPECT_FALSE(d.project.Dadiur.given);
}

TEST(Dates, DayAndMonthOnlyTakeTheCurrentYear) {
  Dialog d;
  d.form.Enter(Field::Date1, "14/7");
  EXPECT_EQ(d.project.Date1.value, SerialFromCivil({2023, 7, 14}));
}

TEST(Dates, ACopiedShorthandIsNotExpandedAgain) {
  Dialog d;
  d.form.SetText(Field::Date1, "..");  // as typed, not yet left
  d.form.Enter(Field::Date2, ".");
  EXPECT_FALSE(d.project.Date2.given);
}

TEST(Times, StarInHediurIsNowAndRefusedInHeure1) {
  Dialog d;
  d.form.Enter(Field::Hediur, "*");
  EXPECT_EQ(d.project.Hediur.text, "15:30:00");
  EXPECT_NEAR(d.project.Hediur.value, 15.5 / 24, 1e-9);
  EXPECT_EQ(d.project.Ahediur, "15:30:00");
  d.form.Enter(Field::Heure1, "*");
  EXPECT_FALSE(d.project.Heure1.given);
  EXPECT_EQ(d.project.Aheure1, "");
}

TEST(Times, DoubleStarCopiesHediurAndDotsCopyThePoints) {
  Dialog d;
  d.form.Enter(Field::Heure1, "**");
  EXPECT_EQ(d.project.Heure1.text, "12:00:00");
  EXPECT_EQ(d.project.Heure1.value, 0.5);
  EXPECT_EQ(d.project.Aheure1, "12:00:00");
  d.form.Enter(Field::Heure2, "9:15");
  d.form.Enter(Field::Hediur, "..");
  EXPECT_EQ(d.project.Hediur.text, "9:15");
  d.form.Enter(Field::Hediur, ".");
  EXPECT_EQ(d.project.Hediur.text, "12:00:00");
  d.form.Enter(Field::MiJour, "*");
  EXPECT_FALSE(d.project.MiJour.given);
}

// ---- the Test tab

TEST(TestTab, EntriesReadZeroWhenEmptyAndNeverMarkModified) {
  Dialog d;
  d.form.Enter(TestField::Edit20, "90");
  EXPECT_DOUBLE_EQ(d.project.At(TestField::Edit20).value, std::numbers::pi / 2);
  d.form.Enter(TestField::Edit21, "abc");
  EXPECT_EQ(d.project.At(TestField::Edit21).text, "");
  EXPECT_EQ(d.project.At(TestField::Edit21).value, 0);
  d.form.Enter(TestField::Edit21, "");
  EXPECT_EQ(d.project.At(TestField::Edit21).value, 0);
  d.form.Enter(TestField::Edit22, "-5");
  EXPECT_EQ(d.project.At(TestField::Edit22).value, -5);
  d.form.Enter(TestField::Edit22, "1.5");
  EXPECT_EQ(d.project.At(TestField::Edit22).text, "");
  EXPECT_EQ(d.project.At(TestField::Edit22).value, 0);
  d.form.Enter(TestField::Edit25, "2");
  EXPECT_EQ(d.project.At(TestField::Edit25).value, 2);  // decimals, not an angle
  d.form.Enter(TestField::Edit26, "-45");
  EXPECT_DOUBLE_EQ(d.project.At(TestField::Edit26).value, -std::numbers::pi / 4);
  EXPECT_TRUE(d.host.marks.empty());
  EXPECT_FALSE(d.state.Modified);
}

}  // namespace
}  // namespace umbrix
