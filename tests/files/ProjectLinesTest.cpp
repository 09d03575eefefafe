// The project file's lines: values, yes/no words, the full, short and extended layouts, the
// content test, the comments and the report.

#include <gtest/gtest.h>

#include "files/FileFixtures.h"

namespace umbrix {
namespace {

using testing::Dialog;
using testing::FillEverything;
using Lines = std::vector<std::string>;

TEST(FieldValue, TextBeforeTheFirstApostropheWithoutBlanks) {
  EXPECT_EQ(FieldValueOf("120 'Hauteur du gnomon"), "120");
  EXPECT_EQ(FieldValueOf("12 : 30 'Fuseau horaire"), "12:30");
  EXPECT_EQ(FieldValueOf("1 'Tracé des fractions d'heure"), "1");
  EXPECT_EQ(FieldValueOf(" 'Jour 2"), "");
  EXPECT_EQ(FieldValueOf("Umbrix6"), "Umbrix6");
  EXPECT_EQ(FieldValueOf(""), "");
  EXPECT_EQ(FieldValueOf("a b\tc'x'y"), "ab\tc");
}

TEST(YesNo, WordsOfBothInterfaces) {
  EXPECT_EQ(YesNoText(true), "Oui");
  EXPECT_EQ(YesNoText(false), "Non");
  EXPECT_EQ(YesNoText(true, true), "Yes");
  EXPECT_TRUE(IsYesText("Oui"));
  EXPECT_TRUE(IsYesText("Yes"));
  for (const char* no : {"oui", "OUI", "yes", "Non", "No", "1", "", "Oui "}) {
    EXPECT_FALSE(IsYesText(no)) << no;
  }
}

TEST(ProjectLines, StartUpProjectFullVariant) {
  Dialog d;
  const Lines expected = {
      "Umbrix6",
      "Non 'Cadran rectangulaire",
      " 'Coté du cadran",
      " 'Hauteur du gnomon",
      "Non 'Gnomon final différent",
      " 'Jour 1",
      " 'Heure 1",
      " 'x 1",
      " 'y 1",
      " 'Jour 2",
      " 'Heure 2",
      " 'x 2",
      " 'y 2",
      "Non 'Limitation du tracé",
      "Non 'Cadran à heures vraies",
      "50 'Coté des carreaux",
      "1 'Tracé des fractions d'heure",
      "Oui 'Tracé des lignes horaires",
      "Non 'Tracé des 2 points de saisie",
      "Non 'Tracé des axes",
      "Non 'Tracé des carreaux",
      "Non 'Tracé de l'horizon",
      "0 'Tracé des arcs des signes",
      "Non 'Tracé de l'arc diurne d'une date",
      "01/01/2010 'Date",
      "Non 'Tracé des arcs de juillet à décembre",
      "Non 'Tracé des arcs de janvier à juin",
      "Non 'Limitation des lignes horaires",
      "Non 'Tracé des ombres",
      "0 'Heures été/hiver",
      "12:00:00 'Heure",
      "Non 'Tracé des demi-8 de juillet à décembre",
      "Non 'Tracé des demi-8 de janvier à juin",
      "Oui 'Porte-ombre visible",
      "Non 'Porte-ombre type gnomon",
      "Non 'Tracé intégrant la réfraction",
      " 'Déclinaison pour simulation",
      "Oui 'Déclinaison est pour simulation",
      " 'Inclinaison pour simulation",
      " 'Rotation pour simulation",
      "1 'Dernière commande",
  };
  EXPECT_EQ(BuildProjectLines(d.project, d.state, false, true), expected);
}

TEST(ProjectLines, EveryOptionalLineOfTheExtendedFullVariant) {
  Dialog d;
  FillEverything(d);
  const Lines lines = BuildProjectLines(d.project, d.state, true, true);
  ASSERT_EQ(lines.size(), 62u);
  const Lines head = {"Umbrix6d",
                      "Oui 'Cadran rectangulaire",
                      "80 'Hauteur du cadran",
                      "1.2e2 'Largeur du cadran",
                      "50 'Hauteur du gnomon",
                      "Oui 'Gnomon final différent",
                      "40 'Hauteur finale",
                      "-10 'Position x finale",
                      "5.5 'Position y finale",
                      "14/07/2012 'Jour 1",
                      "09:05:00 'Heure 1",
                      "-12.5 'x 1",
                      "30 'y 1",
                      "14/07/2012 'Jour 2",
                      "16:00:30 'Heure 2",
                      "20 'x 2",
                      "28 'y 2",
                      "Oui 'Limitation du tracé",
                      "Oui 'Cadran à heures vraies",
                      "33°30 'Latitude",
                      "Oui 'Hémisphère sud",
                      "Oui 'Mi-journée",
                      "12:14:00 'Heure à mi-journée",
                      "Non 'Localisation complète",
                      "151°12 'Longitude",
                      "Oui 'Est du méridien origine",
                      "-3:30 'Fuseau horaire",
                      "20 'Coté des carreaux",
                      "4 'Tracé des fractions d'heure"};
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + head.size()), head);
  const Lines tail = {"Oui 'Tracé intégrant la réfraction",
                      "20°30 'Déclinaison pour simulation",
                      "Non 'Déclinaison est pour simulation",
                      "90 'Inclinaison pour simulation",
                      "-2.5 'Rotation pour simulation",
                      "2 'Dernière commande",
                      "10 'Longitude",
                      "11 'Latitude",
                      "12 'Fuseau horaire",
                      "13 'Déclinaison",
                      "14 'Inclinaison",
                      "15 'Arrondi",
                      "16 'Rotation",
                      "Oui 'Correction de la réfraction",
                      "Non 'Points à 12 h TU"};
  EXPECT_EQ(Lines(lines.end() - tail.size(), lines.end()), tail);
  EXPECT_EQ(lines[34], "3 'Tracé des arcs des signes");
  EXPECT_EQ(lines[41], "2 'Heures été/hiver");
  EXPECT_EQ(lines[42], "15:45:00 'Heure");
  // the reduced format of the same project has no Test lines
  EXPECT_EQ(BuildProjectLines(d.project, d.state, false, true).size(), 53u);
}

TEST(ProjectLines, ShortVariantForPrinting) {
  Dialog d;
  FillEverything(d);
  const Lines expected = {"Umbrix6",
                          "Oui 'Cadran rectangulaire",
                          "80 'Hauteur du cadran",
                          "1.2e2 'Largeur du cadran",
                          "50 'Hauteur du gnomon",
                          "Oui 'Gnomon final différent",
                          "40 'Hauteur finale",
                          "-10 'Position x finale",
                          "5.5 'Position y finale",
                          "33°30 'Latitude",
                          "Oui 'Hémisphère sud",
                          "151°12 'Longitude",
                          "Oui 'Est du méridien origine",
                          "-3:30 'Fuseau horaire",
                          "21/12/2012 'Date",
                          "15:45:00 'Heure",
                          "20°30 'Déclinaison pour simulation",
                          "Non 'Déclinaison est pour simulation",
                          "90 'Inclinaison pour simulation",
                          "-2.5 'Rotation pour simulation",
                          "2 'Dernière commande"};
  EXPECT_EQ(BuildProjectLines(d.project, d.state, false, false), expected);
}

TEST(ProjectLines, ShortVariantWritesTheZoneFromItsValueEvenWhenNotGiven) {
  Dialog d;
  const Lines lines = BuildProjectLines(d.project, d.state, false, false);
  EXPECT_EQ(lines[5], " 'Latitude");
  EXPECT_EQ(lines[9], "0:00 'Fuseau horaire");
}

TEST(ProjectLines, ZoneIsWrittenAsHoursAndMinutes) {
  Dialog d;
  d.form.SetChecked(Check::Hvrai, true);
  for (auto [typed, written] : {std::pair{"1", "1:00"},
                                {"-3:30", "-3:30"},
                                {"5:45", "5:45"},
                                {"-0:15", "-0:15"},
                                {"12", "12:00"}}) {
    d.form.Enter(Field::FusHor, typed);
    const Lines lines = BuildProjectLines(d.project, d.state, false, true);
    EXPECT_EQ(lines[17], std::string(written) + " 'Fuseau horaire") << typed;
  }
}

TEST(Content, OnlyEntriesThatCanBeSavedCount) {
  Dialog d;
  EXPECT_FALSE(ProjectHasContent(d.project, true));
  d.form.Enter(Field::Carreau, "20");  // always has a value
  EXPECT_FALSE(ProjectHasContent(d.project, false));
  d.form.Enter(Field::Mesy2, "1");
  EXPECT_TRUE(ProjectHasContent(d.project, false));
  d.form.Enter(Field::Mesy2, "");
  d.form.Enter(Field::RotEd, "1");
  EXPECT_TRUE(ProjectHasContent(d.project, false));
  d.form.Enter(Field::RotEd, "");
  d.project.Comments = "x\r\n";
  EXPECT_TRUE(ProjectHasContent(d.project, false));
  d.project.Comments.clear();
  d.form.Enter(TestField::Edit25, "3");
  EXPECT_FALSE(ProjectHasContent(d.project, false));
  EXPECT_TRUE(ProjectHasContent(d.project, true));
}

TEST(Content, PlaceCountsOnlyUnderItsBoxes) {
  Dialog d;
  d.form.SetChecked(Check::Hvrai, true);
  d.form.Enter(Field::Long, "2");
  EXPECT_FALSE(ProjectHasContent(d.project, false));  // `Limite` unchecked
  d.form.SetChecked(Check::Limite, true);
  EXPECT_TRUE(ProjectHasContent(d.project, false));
}

TEST(FileLines, EmptyCommentsGiveTwoSeparatorsAndTheReportFollows) {
  Dialog d;
  const Lines lines = BuildProjectFileLines(d.project, d.state, false, {"r1", "r2"});
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(Lines(lines.end() - 4, lines.end()), (Lines{"---", "---", "r1", "r2"}));
}

TEST(FileLines, ReducedFormatWithValidTestDataLeavesOutReportLinesTwoToFour) {
  Dialog d;
  d.state.TestDataValid = true;
  const Lines report = {"r1", "r2", "r3", "r4", "r5", "r6"};
  Lines lines = BuildProjectFileLines(d.project, d.state, false, report);
  EXPECT_EQ(Lines(lines.end() - 3, lines.end()), (Lines{"r1", "r5", "r6"}));
  lines = BuildProjectFileLines(d.project, d.state, true, report);
  EXPECT_EQ(Lines(lines.end() - 6, lines.end()), report);
  d.state.TestDataValid = false;
  lines = BuildProjectFileLines(d.project, d.state, false, {"r1", "r2"});
  EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines{"r1", "r2"}));
}

TEST(FileLines, ACommentLineOfThreeDashesCannotEndTheComments) {
  Dialog d;
  d.project.Comments = "avant\r\n---\r\naprès";
  const Lines lines = BuildProjectFileLines(d.project, d.state, false, {});
  EXPECT_EQ(Lines(lines.end() - 5, lines.end()), (Lines{"---", "avant", "--- ", "après", "---"}));
}

}  // namespace
}  // namespace umbrix
