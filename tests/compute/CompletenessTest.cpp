#include <gtest/gtest.h>

#include <functional>

#include "ComputeFixtures.h"
#include "compute/Completeness.h"

namespace umbrix {
namespace {

using testing::Give;

/// A project that every mode accepts: square plate, measuring gnomon, both points, full place,
/// the Divers tab and the typed orientation.
DialProject Complete() {
  DialProject p = testing::WorkedCase();
  testing::Orient(p, 20, 90, 0);
  return p;
}

const char* kGeometry = "Donner la géométrie du cadran";
const char* kFilled = "Compléter les champs activés";
const char* kFullPlace = "Donner la localisation complète";

struct Row {
  const char* name;
  int mode;
  std::function<void(DialProject&)> change;
  int code;
  int tab;
  std::string message;
  std::optional<Field> focus;
  bool checkLimite = false;
  bool checkLocc = false;
};

TEST(Completeness, EveryCodeInItsModeWithItsTabMessageAndAction) {
  const std::vector<Row> rows = {
      {"no side", 1, [](DialProject& p) { p.Cote = {}; }, 11, 0, kGeometry, Field::Cote},
      {"no height", 1,
       [](DialProject& p) {
         p.Rectg = true;
         p.Cote = {};
         Give(p.Cotel, 300);
       },
       12, 0, kGeometry, Field::Coteh},
      {"no width", 1,
       [](DialProject& p) {
         p.Rectg = true;
         p.Cote = {};
         Give(p.Coteh, 300);
       },
       13, 0, kGeometry, Field::Cotel},
      {"no gnomon mode 1", 1, [](DialProject& p) { p.Gnomon = {}; }, 14, 0, kGeometry,
       Field::Gnomon},
      {"no gnomon mode 2", 2, [](DialProject& p) { p.Gnomon = {}; }, 14, 0, kGeometry,
       Field::Gnomon},
      {"no gnomon mode 3", 3, [](DialProject& p) { p.Gnomon = {}; }, 14, 0, kGeometry,
       Field::Gnomon},
      {"no final height", 3,
       [](DialProject& p) {
         p.Hautf = true;
         Give(p.Gnomx, 0);
         Give(p.Gnomy, 0);
       },
       15, 0, kGeometry, Field::Gnomf},
      {"no final x", 1,
       [](DialProject& p) {
         p.Hautf = true;
         Give(p.Gnomf, 50);
         Give(p.Gnomy, 0);
       },
       16, 0, kGeometry, Field::Gnomx},
      {"no final y", 2,
       [](DialProject& p) {
         p.Hautf = true;
         Give(p.Gnomf, 50);
         Give(p.Gnomx, 0);
       },
       17, 0, kGeometry, Field::Gnomy},
      {"no date 1", 2, [](DialProject& p) { p.Date1 = {}; }, 21, 1, "Définir l'instant 1",
       Field::Date1},
      {"no time 1", 1, [](DialProject& p) { p.Heure1 = {}; }, 22, 1, "Définir l'instant 1",
       Field::Heure1},
      {"no x1", 1, [](DialProject& p) { p.Mesx1 = {}; }, 23, 1,
       "Donner la position du point d'ombre 1", Field::Mesx1},
      {"no y1", 1, [](DialProject& p) { p.Mesy1 = {}; }, 24, 1,
       "Donner la position du point d'ombre 1", Field::Mesy1},
      {"no date 2", 1, [](DialProject& p) { p.Date2 = {}; }, 31, 2, "Définir l'instant 2",
       Field::Date2},
      {"no time 2", 2, [](DialProject& p) { p.Heure2 = {}; }, 32, 2, "Définir l'instant 2",
       Field::Heure2},
      {"no x2", 1, [](DialProject& p) { p.Mesx2 = {}; }, 33, 2,
       "Donner la position du point d'ombre 2", Field::Mesx2},
      {"no y2", 1, [](DialProject& p) { p.Mesy2 = {}; }, 34, 2,
       "Donner la position du point d'ombre 2", Field::Mesy2},
      {"no latitude mode 1", 1, [](DialProject& p) { p.Lat = {}; }, 41, 3, kFilled, Field::Lat},
      {"no latitude mode 2", 2, [](DialProject& p) { p.Lat = {}; }, 41, 3, kFullPlace, Field::Lat,
       true, true},
      {"no latitude mode 3 without Limite", 3,
       [](DialProject& p) {
         p.Limite = false;
         p.Locc = false;
         p.Lat = {};
       },
       41, 3, kFullPlace, Field::Lat, true, true},
      {"no mid-day", 1,
       [](DialProject& p) {
         p.Locc = false;
         p.Mijou = true;
         p.Long = {};
         p.FusHor = {};
       },
       42, 3, kFilled, Field::MiJour},
      {"no longitude mode 1", 1, [](DialProject& p) { p.Long = {}; }, 43, 3, kFilled, Field::Long},
      {"no longitude mode 1 solar hours", 1,
       [](DialProject& p) {
         p.Locc = false;
         p.Hvrai = true;
         p.Long = {};
       },
       43, 3, kFilled, Field::Long},
      {"no longitude mode 3", 3, [](DialProject& p) { p.Long = {}; }, 43, 3, kFullPlace,
       Field::Long, false, true},
      {"no zone mode 1", 1, [](DialProject& p) { p.FusHor = {}; }, 44, 3, kFilled, Field::FusHor},
      {"no zone mode 2", 2,
       [](DialProject& p) {
         p.Locc = false;
         p.FusHor = {};
       },
       44, 3, kFullPlace, Field::FusHor, false, true},
      {"solar-hour place in mode 2", 2,
       [](DialProject& p) {
         p.Locc = false;
         p.Hvrai = true;
       },
       45, 3, "Utilisation des données 'Heures solaires' pour la localisation complète",
       std::nullopt, false, true},
      {"solar-hour place in mode 3", 3, [](DialProject& p) { p.Locc = false; }, 45, 3,
       "Utilisation des données 'Heures solaires' pour la localisation complète", std::nullopt,
       false, true},
      {"no current date", 1, [](DialProject& p) { p.Dadiur = {}; }, 51, 4,
       "Définir l'instant courant", Field::Dadiur},
      {"no current time", 3, [](DialProject& p) { p.Hediur = {}; }, 52, 4,
       "Définir l'instant courant", Field::Hediur},
      {"no declination", 2, [](DialProject& p) { p.DecEd = {}; }, 53, 4,
       "Compléter les données de simulation", Field::DecEd},
      {"no inclination", 3, [](DialProject& p) { p.IncEd = {}; }, 54, 4,
       "Compléter les données de simulation", Field::IncEd},
      {"no rotation", 2, [](DialProject& p) { p.RotEd = {}; }, 55, 4,
       "Compléter les données de simulation", Field::RotEd},
      {"no square size", 1, [](DialProject& p) { p.Carreau = {}; }, 61, -1,
       "Donner la taille des carreaux", Field::Carreau},
  };
  for (const Row& row : rows) {
    DialProject p = Complete();
    row.change(p);
    const CompletenessResult r = CheckCompleteness(p, RunMode{row.mode});
    SCOPED_TRACE(row.name);
    EXPECT_EQ(r.code, row.code);
    EXPECT_EQ(r.tabIndex, row.tab);
    EXPECT_EQ(r.message, row.message);
    EXPECT_EQ(r.focus, row.focus);
    EXPECT_EQ(r.checkLimite, row.checkLimite);
    EXPECT_EQ(r.checkLocc, row.checkLocc);
  }
}

TEST(Completeness, ACompleteProjectPassesInEveryMode) {
  for (int mode : {1, 2, 3}) {
    EXPECT_EQ(CheckCompleteness(Complete(), RunMode{mode}).code, 0) << "mode " << mode;
  }
}

TEST(Completeness, NothingEnteredReportsThePlateFirst) {
  const CompletenessResult r = CheckCompleteness(BlankProject(), RunMode::Compute);
  EXPECT_EQ(r.code, 11);
  EXPECT_EQ(r.tabIndex, 0);
  EXPECT_EQ(r.message, kGeometry);
  EXPECT_EQ(r.focus, Field::Cote);
}

TEST(Completeness, SmallestMissingCodeWinsAcrossTabs) {
  DialProject p = Complete();
  p.Carreau = {};
  p.RotEd = {};
  p.Mesy2 = {};
  EXPECT_EQ(CheckCompleteness(p, RunMode::Compute).code, 34);
  EXPECT_EQ(CheckCompleteness(p, RunMode::Trace).code, 55);
}

TEST(Completeness, ModesOtherThanTheThreeComputationsNeverCheck) {
  for (int mode : {0, 4, 8, -1}) {
    const CompletenessResult r = CheckCompleteness(BlankProject(), RunMode{mode});
    EXPECT_EQ(r.code, 0) << "mode " << mode;
    EXPECT_EQ(r.tabIndex, -1);
    EXPECT_TRUE(r.message.empty());
    EXPECT_FALSE(r.focus.has_value());
  }
}

TEST(Completeness, MeasuredPointsNeededOnlyToComputeTheirInstantsOnlyToSimulate) {
  DialProject p = Complete();
  p.Mesx1 = p.Mesy1 = p.Mesx2 = p.Mesy2 = {};
  EXPECT_EQ(CheckCompleteness(p, RunMode::Compute).code, 23);
  EXPECT_EQ(CheckCompleteness(p, RunMode::Simulate).code, 0);
  p.Date1 = p.Heure1 = p.Date2 = p.Heure2 = {};
  EXPECT_EQ(CheckCompleteness(p, RunMode::Simulate).code, 21);
  EXPECT_EQ(CheckCompleteness(p, RunMode::Trace).code, 0);
}

TEST(Completeness, DirectTraceWithFinalCasterNeedsItInsteadOfTheGnomon) {
  DialProject p = Complete();
  p.Gnomon = {};
  p.Hautf = true;
  Give(p.Gnomf, 60);
  Give(p.Gnomx, 10);
  Give(p.Gnomy, -10);
  EXPECT_EQ(CheckCompleteness(p, RunMode::Trace).code, 0);
  EXPECT_EQ(CheckCompleteness(p, RunMode::Simulate).code, 14);
  p.Gnomy = {};
  EXPECT_EQ(CheckCompleteness(p, RunMode::Trace).code, 17);
}

TEST(Completeness, SolarHourPlaceIsTakenForFullPlaceOnTheSecondPress) {
  DialProject p = Complete();
  p.Locc = false;
  p.Hvrai = true;
  const CompletenessResult first = CheckCompleteness(p, RunMode::Simulate);
  ASSERT_EQ(first.code, 45);
  ASSERT_TRUE(first.checkLocc);
  p.Locc = first.checkLocc;  // what the driver does after the message
  EXPECT_EQ(CheckCompleteness(p, RunMode::Simulate).code, 0);
}

TEST(Completeness, MidDayIsNeededOnlyToComputeFromPoints) {
  DialProject p = Complete();
  p.Locc = false;
  p.Mijou = true;
  p.Long = p.FusHor = {};
  EXPECT_EQ(CheckCompleteness(p, RunMode::Compute).code, 42);
  EXPECT_EQ(CheckCompleteness(p, RunMode::Simulate).code, 43);
}

TEST(Completeness, PlaceWithoutLatitudeIsFineToComputeFromPointsAlone) {
  DialProject p = Complete();
  p.Limite = p.Locc = false;
  p.Lat = p.Long = p.FusHor = {};
  EXPECT_EQ(CheckCompleteness(p, RunMode::Compute).code, 0);
  EXPECT_EQ(CheckCompleteness(p, RunMode::Trace).code, 41);
}

}  // namespace
}  // namespace umbrix
