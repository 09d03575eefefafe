#include <gtest/gtest.h>

#include "ComputeFixtures.h"
#include "compute/Ephemeris.h"
#include "compute/Simulation.h"

namespace umbrix {
namespace {

using testing::Give;
using testing::kDeg;

bool Contains(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(EquationOfTimeText, SignWholeMinutesAndRoundedSeconds) {
  const std::pair<double, const char*> rows[] = {
      {-3.99, "\r\nEquation du temps : - 3 min 59 s"},
      {1.9167, "\r\nEquation du temps : 1 min 55 s"},
      {2.9999, "\r\nEquation du temps : 2 min 60 s"},
      {-0.25, "\r\nEquation du temps : - 0 min 15 s"},
      {0.0, "\r\nEquation du temps : 0 min 0 s"},
      {14.2, "\r\nEquation du temps : 14 min 12 s"},
  };
  for (const auto& [minutes, text] : rows) EXPECT_EQ(EquationOfTimeText(minutes), text) << minutes;
}

TEST(DayEvents, WorkedCaseAtFortyFiveNorth) {
  const DayEventsText r = DayEvents(testing::FullPlaceProject(), kInstantPoint1);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.text,
            "\r\nEvénements de la journée :\r\n21 juin 2024"
            "\r\nEquation du temps : 1 min 55 s"
            "\r\nDéclinaison du Soleil : 23.44 °"
            "\r\n-- Heure UTC+2:00 --"
            "\r\nMidi solaire : 13:41:55"
            "\r\nLever du Soleil : 05:53"
            "\r\nCoucher du Soleil : 21:30\r\n");
}

TEST(DayEvents, SeventyNorthHasMidnightSunAndPolarNight) {
  DialProject p = testing::FullPlaceProject();
  Give(p.Lat, 70);
  Give(p.Date2, testing::Serial(2024, 12, 21));
  const DayEventsText june = DayEvents(p, kInstantPoint1);
  const DayEventsText december = DayEvents(p, kInstantPoint2);
  EXPECT_TRUE(Contains(june.text, "\r\nLe Soleil ne se couche pas\r\n"));
  EXPECT_TRUE(Contains(december.text, "\r\nLe Soleil ne se lève pas\r\n"));
  EXPECT_TRUE(Contains(december.text, "\r\nEquation du temps : - "));
  EXPECT_FALSE(Contains(june.text, "Lever"));
  EXPECT_TRUE(june.complete);
  EXPECT_TRUE(december.complete);
}

TEST(DayEvents, WithoutLongitudeAndZoneOnlyTheSunAtNoonUniversalTime) {
  DialProject p = testing::FullPlaceProject();
  p.Locc = false;
  p.Long = p.FusHor = {};
  const DayEventsText r = DayEvents(p, kInstantPoint1);
  EXPECT_FALSE(r.complete);
  // The equation of time is taken at 12 h UT, not at the place's mean noon.
  const double atNoonUt = EquationOfTimeMinutes(SunVector(true, p.Date1.value, 12));
  EXPECT_EQ(r.text, "\r\nEvénements de la journée :\r\n21 juin 2024" +
                        EquationOfTimeText(atNoonUt) +
                        "\r\nDéclinaison du Soleil : 23.44 °"
                        "\r\nLongitude et fuseau horaire non précisés...\r\n");
}

TEST(DayEvents, SolarHourPlaceNegativeZoneAndMissingLatitude) {
  DialProject p = testing::FullPlaceProject();
  p.Locc = false;
  p.Hvrai = true;
  Give(p.FusHor, -3.5);
  p.Limite = false;
  p.Lat = {};
  const DayEventsText r = DayEvents(p, kInstantPoint1);
  EXPECT_FALSE(r.complete);
  EXPECT_TRUE(Contains(r.text,
                       "°\r\n(avec les données 'Heures solaires')\r\n-- Heure UTC-3:30 --"
                       "\r\nMidi solaire : "));
  EXPECT_TRUE(Contains(r.text, "\r\nLatitude non précisée...\r\n"));
}

TEST(DayEvents, EnglishMonthNames) {
  const DayEventsText r =
      DayEvents(testing::FullPlaceProject(), kInstantPoint1, TextLanguage(MonthNames::English));
  EXPECT_EQ(r.text.rfind("\r\nEvénements de la journée :\r\n21 June 2024\r\n", 0), 0u);
}

TEST(SunPosition, WorkedCaseAtFivePm) {
  const std::string s = SunPosition(testing::FullPlaceProject(), kInstantPoint2, {});
  // Right ascension of the true sun at 15 h UT, about 6.05 h.
  EXPECT_EQ(s.rfind("\r\nPosition du Soleil :\r\n17:00:00\r\nAscension droite : 6 h 3 m 8 s"
                    "\r\nEquation du temps : 1 min 57 s\r\nDéclinaison du Soleil : 23.44 °",
                    0),
            0u);
  EXPECT_TRUE(Contains(s,
                       "\r\nAzimut : 78.66 ° ouest\r\nHauteur sans réfraction : 44.63 °"
                       "\r\nHauteur avec réfraction : 44.64 °\r\n"));
}

TEST(SunPosition, MorningAzimuthIsEastAndNightSaysTheSunHasSet) {
  DialProject p = testing::FullPlaceProject();
  Give(p.Heure1, 9.0 / 24);
  EXPECT_TRUE(Contains(SunPosition(p, kInstantPoint1, {}), " ° est\r\n"));
  Give(p.Heure1, 23.0 / 24);
  const std::string night = SunPosition(p, kInstantPoint1, {});
  EXPECT_TRUE(EndsWith(night, " °\r\nLe Soleil est couché\r\n")) << night;
  EXPECT_TRUE(Contains(night, "\r\nHauteur sans réfraction : -"));
  EXPECT_FALSE(Contains(night, "avec réfraction"));
  p.Heure1 = {};
  EXPECT_EQ(SunPosition(p, kInstantPoint1, {}), "\r\nHeure non précisée...\r\n");
}

TEST(SunPosition, SummerTimeOnAWinterDialUsesTheTypedTimeMinusOneHour) {
  DialProject p = testing::FullPlaceProject();
  Give(p.FusHor, 1);
  Give(p.Dadiur, testing::Serial(2024, 6, 21));
  Give(p.Hediur, 14.0 / 24);
  p.TypeHeureItem = 1;
  p.TypeHeure = kTypeHeureValues[1];
  Give(p.Heure1, 13.0 / 24);  // the same instant on the dial's own clock
  const std::string current = SunPosition(p, kInstantCurrent, {});
  const std::string point = SunPosition(p, kInstantPoint1, {});
  EXPECT_EQ(current.rfind("\r\nPosition du Soleil :\r\n14:00:00\r\nEquation", 0), 0u);
  const auto azimuth = [](const std::string& s) { return s.substr(s.find("\r\nAzimut")); };
  EXPECT_EQ(azimuth(current).substr(0, 80), azimuth(point).substr(0, 80));
  EXPECT_TRUE(Contains(DayEvents(p, kInstantCurrent).text, "-- Heure UTC+2:00 --"));
}

/// The worked dial traced from its typed orientation, on show.
DialOnShow WorkedDial(DialProject& p) {
  testing::Orient(p, 20, 90, 0);
  Report report;
  return {TraceFromOrientation(p, report).orientation, true};
}

TEST(DialShadow, OnlyForADialOnShowAndLit) {
  DialProject p = testing::FullPlaceProject();
  p.Plate = {-500, 500, -500, 500};
  DialOnShow dial = WorkedDial(p);
  Give(p.Dadiur, testing::Serial(2024, 6, 21));
  Give(p.Hediur, 17.0 / 24);
  // The same sun as the simulated point 2 of the worked case.
  EXPECT_EQ(DialShadow(p, dial),
            "\r\nOmbre sur le cadran :\r\nPosition X : 164.2 mm\r\nPosition Y : -189.9 mm");
  p.Plate = {-100, 100, -100, 100};
  EXPECT_EQ(DialShadow(p, dial), "\r\nOmbre sur le cadran :\r\nA l'extérieur du cadran");
  Give(p.Hediur, 21.0 / 24);
  EXPECT_EQ(DialShadow(p, dial), "\r\nLe cadran n'est pas éclairé");
  dial.drawingExists = false;
  EXPECT_EQ(DialShadow(p, dial), "\r\nLe cadran n'est pas tracé...");
}

TEST(DialShadow, FinalCasterAndSummerTimeOffset) {
  DialProject p = testing::FullPlaceProject();
  p.Plate = {-500, 500, -500, 500};
  const DialOnShow dial = WorkedDial(p);
  Give(p.Dadiur, testing::Serial(2024, 6, 21));
  Give(p.Hediur, 18.0 / 24);
  p.TypeHeure = kTypeHeureValues[1];  // typed in summer time: 17:00 on the dial
  p.Hautf = true;
  Give(p.Gnomf, 100);
  Give(p.Gnomx, 10);
  Give(p.Gnomy, 20);
  // The worked case's point 2 moved with the foot.
  EXPECT_EQ(DialShadow(p, dial),
            "\r\nOmbre sur le cadran :\r\nPosition X : 174.2 mm\r\nPosition Y : -169.9 mm");
}

/// The sun of the board example (21 June 2024, 15:00, 45 N, 5 E, zone +2) in frame H, refracted,
/// and the unrounded shadow of a 100 mm gnomon on a vertical board declining 20 W.
Vec3 BoardSun(DialProject& p) {
  const double ut = 15 - 2;
  Vec3 s = SunVector(true, p.Date1.value, ut);
  s = RotateZ(s, ut * kPi / 12 + 5 * kDeg - kPi);
  s = RotateY(s, 45 * kDeg);
  s = ApplyRefraction(s, {0, 0, 1}).sun;
  const Vec3 b = RotateZ(RotateY(RotateZ(s, -20 * kDeg), 90 * kDeg), 90 * kDeg);
  Give(p.Heure1, 15.0 / 24);
  Give(p.Mesx1, -100 * b.X / b.Z);
  Give(p.Mesy1, -100 * b.Y / b.Z);
  return s;
}

TEST(BoardAndShadows, BoardExampleGivesBothSolutions) {
  DialProject p = testing::FullPlaceProject();
  const Vec3 s = BoardSun(p);
  EXPECT_EQ(BoardAndShadows(p, kInstantPoint1, s),
            "\r\nOrientation de la planchette :"
            "\r\nDéclinaison : 20 ° ouest\r\nInclinaison : 90 °"
            "\r\nDéclinaison 2 : 114.27 ° est\r\nInclinaison 2 : 40.14 °\r\n"
            "\r\nOrientation du plan non précisée...");
}

TEST(BoardAndShadows, ShadowsOnTheTypedPlate) {
  DialProject p = testing::FullPlaceProject();
  const Vec3 s = BoardSun(p);
  testing::Orient(p, 20, 90, 0);
  p.Plate = {-500, 500, -500, 500};
  std::string text = BoardAndShadows(p, kInstantPoint1, s);
  EXPECT_TRUE(Contains(text,
                       "\r\nInclinaison 2 : 40.14 °\r\n\r\nOmbre du gnomon outil :"
                       "\r\nPosition X : 42.2 mm\r\nPosition Y : -215.1 mm\r\n"
                       "\r\nPorte-ombre final non précisé..."));
  p.Hautf = true;
  Give(p.Gnomf, 50);
  Give(p.Gnomx, 10);
  Give(p.Gnomy, 20);
  text = BoardAndShadows(p, kInstantPoint1, s);
  EXPECT_EQ(text.substr(text.find("\r\nOmbre du porte-ombre final")),
            "\r\nOmbre du porte-ombre final :\r\nPosition X : 31.1 mm\r\nPosition Y : -87.6 mm");
  // The plate's size unknown: no limit; known but too small: outside.
  p.Cote = {};
  text = BoardAndShadows(p, kInstantPoint1, s);
  EXPECT_TRUE(
      Contains(text, "\r\nOmbre du gnomon outil :\r\n(pas de limite)\r\nPosition X : 42.2"));
  p.Rectg = true;
  Give(p.Coteh, 200);
  Give(p.Cotel, 200);
  p.Plate = {-100, 100, -100, 100};
  text = BoardAndShadows(p, kInstantPoint1, s);
  EXPECT_TRUE(Contains(text, "\r\nOmbre du gnomon outil :\r\nA l'extérieur du cadran\r\n"));
  EXPECT_TRUE(Contains(text, "\r\nOmbre du porte-ombre final :\r\nPosition X : 31.1 mm"));
}

TEST(BoardAndShadows, MissingDataAndNegativeRoot) {
  DialProject p = testing::FullPlaceProject();
  const Vec3 s = BoardSun(p);
  p.Gnomon = {};
  EXPECT_EQ(BoardAndShadows(p, kInstantPoint1, s), "\r\nHauteur du gnomon non précisée...");
  Give(p.Gnomon, 100);
  EXPECT_EQ(BoardAndShadows(p, kInstantPoint2, s),
            "\r\nPosition de l'ombre non précisée...\r\n\r\nOrientation du plan non précisée...");
  Give(p.Mesx1, 1000);
  Give(p.Mesy1, 0);
  EXPECT_EQ(BoardAndShadows(p, kInstantPoint1, s),
            "\r\nOrientation de la planchette :\r\nRacine négative...\r\n"
            "\r\nOrientation du plan non précisée...");
  testing::Orient(p, 180, 90, 0);  // a north wall in the afternoon sun
  const std::string dark = BoardAndShadows(p, kInstantPoint1, s);
  EXPECT_EQ(dark.rfind("\r\nOrientation de la planchette :\r\nRacine négative...\r\n", 0), 0u);
  EXPECT_TRUE(EndsWith(dark, "...\r\n\r\nLe cadran n'est pas éclairé"));
}

TEST(EphemerisReport, CurrentInstantForTheDialog) {
  DialProject p = testing::FullPlaceProject();
  Give(p.Dadiur, testing::Serial(2024, 6, 21));
  Give(p.Hediur, 17.0 / 24);
  const std::string text = EphemerisReport(p, false, {});
  EXPECT_EQ(text.rfind("   ** Ephémérides **\r\n\r\nEvénements de la journée :\r\n21 juin 2024", 0),
            0u);
  EXPECT_TRUE(Contains(text,
                       "\r\nCoucher du Soleil : 21:30\r\n\r\nPosition du Soleil :\r\n17:00:00"
                       "\r\nEquation du temps : "));
  EXPECT_FALSE(Contains(text, "Ascension droite"));
  EXPECT_TRUE(EndsWith(text,
                       "\r\nHauteur avec réfraction : 44.64 °\r\n"
                       "\r\nLe cadran n'est pas tracé...\r\n"));
  p.Dadiur = {};
  EXPECT_EQ(EphemerisReport(p, false, {}), "   ** Ephémérides **\r\n\r\nDate non précisée...\r\n");
  Give(p.Dadiur, testing::Serial(2024, 6, 21));
  p.Long = {};
  EXPECT_FALSE(Contains(EphemerisReport(p, false, {}), "Position du Soleil"));
}

TEST(EphemerisReport, SameDayForBothPointsSharesTheDaysEvents) {
  DialProject p = testing::FullPlaceProject();
  const std::string text = EphemerisReport(p, true, {});
  const std::string events = DayEvents(p, kInstantPoint1).text;
  EXPECT_EQ(text, "   ** Calculs complémentaires **\r\n" + events + "\r\n * Point 1 *" +
                      SunPosition(p, kInstantPoint1, {}) + "\r\n * Point 2 *" +
                      SunPosition(p, kInstantPoint2, {}));
  p.Long = {};
  EXPECT_EQ(EphemerisReport(p, true, {}),
            "   ** Calculs complémentaires **\r\n" + DayEvents(p, kInstantPoint1).text);
}

TEST(EphemerisReport, DifferentDaysAndAMissingDate) {
  DialProject p = testing::FullPlaceProject();
  Give(p.Date2, testing::Serial(2024, 12, 21));
  std::string text = EphemerisReport(p, true, {});
  EXPECT_EQ(text, "   ** Calculs complémentaires **\r\n\r\n * Point 1 *" +
                      DayEvents(p, kInstantPoint1).text + SunPosition(p, kInstantPoint1, {}) +
                      "\r\n * Point 2 *" + DayEvents(p, kInstantPoint2).text +
                      SunPosition(p, kInstantPoint2, {}));
  p.Date2 = {};
  text = EphemerisReport(p, true, {});
  EXPECT_TRUE(EndsWith(
      text, SunPosition(p, kInstantPoint1, {}) + "\r\n * Point 2 *\r\nDate non précisée...\r\n"));
}

}  // namespace
}  // namespace umbrix
