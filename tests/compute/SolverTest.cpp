#include <gtest/gtest.h>

#include <cmath>

#include "ComputeFixtures.h"
#include "compute/Completeness.h"
#include "compute/Simulation.h"
#include "compute/Solver.h"
#include "support/ShownMessages.h"

namespace umbrix {
namespace {

using testing::AngleBetween;
using testing::Give;
using testing::kDeg;

SolveResult Solve(const DialProject& p, Report& report, const ProjectState& state = {}) {
  return SolveOrientation(p, state, report);
}

TEST(SolveOrientation, WorkedCaseWithFullPlace) {
  Report report;
  const SolveResult r = Solve(testing::WorkedCase(), report);
  ASSERT_TRUE(r.success);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_NEAR(r.reduced.declination / kDeg, 20.0, 0.02);
  EXPECT_NEAR(r.reduced.inclination / kDeg, 90.0, 0.02);
  EXPECT_NEAR(r.reduced.rotation / kDeg, 0.0, 0.02);
  EXPECT_NEAR(r.precisionIndexMinutes, 0.03, 0.01);
  EXPECT_EQ(report.sections[1], "Indice de précision : 0.03\r\n\r\n");
  EXPECT_EQ(report.sections[9],
            "\r\nParamètres réduits du cadran :\r\n"
            " - Fuseau horaire : 2:00\r\n"
            " - Longitude : -5°\r\n"
            " - Latitude : 45°\r\n"
            " - Déclinaison : 20°\r\n"
            " - Inclinaison : 90°\r\n"
            " - Rotation : -0.01°\r\n");
  for (int k : {0, 2, 3, 4, 5, 6, 7, 8}) EXPECT_TRUE(report.sections[k].empty()) << k;
}

TEST(SolveOrientation, WorkedCaseZenithIsTheUserZenithInBothFrames) {
  Report report;
  const SolveResult r = Solve(testing::WorkedCase(), report);
  ASSERT_TRUE(r.success);
  const double p = -5 * kDeg + 2 * kPi / 12;
  const Vec3 zE{std::cos(45 * kDeg) * std::cos(p), -std::cos(45 * kDeg) * std::sin(p),
                std::sin(45 * kDeg)};
  EXPECT_LT(AngleBetween(r.zenithEquatorial, zE), 1e-12);
  const Vec3 zP = ToPlateFrame(zE, r.orientation.PlateEuler);
  EXPECT_LT(AngleBetween(r.orientation.ZenithVec, zP), 1e-12);
  // A vertical plate: the zenith lies in it, along +Y for a rotation of 0.
  EXPECT_NEAR(r.orientation.ZenithVec.Z, 0.0, 5e-4);
  EXPECT_NEAR(r.orientation.ZenithVec.Y, 1.0, 1e-6);
}

TEST(SolveOrientation, WorkedCaseHourLimitsFollowTheClock) {
  Report report;
  const SolveResult r = Solve(testing::WorkedCase(), report);
  const HourLimitsResult expected = ComputeHourLimits(r.reduced.declination, r.reduced.inclination,
                                                      r.reduced.hourOffset, 45 * kDeg, false);
  EXPECT_EQ(r.hourLimits.limits, expected.limits);
  EXPECT_EQ(r.hourLimits.caseNumber, 7);
}

TEST(SolveOrientation, WorkedCaseWithoutLatitudeGivesTheReducedPlace) {
  DialProject p = testing::WorkedCase();
  p.Limite = p.Locc = false;
  p.Lat = p.Long = p.FusHor = {};
  Report report;
  const SolveResult r = Solve(p, report);
  ASSERT_TRUE(r.success);
  EXPECT_NEAR(r.reduced.latitude / kDeg, -41.65, 0.005);
  EXPECT_EQ(r.reduced.declination, 0.0);
  EXPECT_EQ(r.reduced.inclination, 0.0);
  EXPECT_DOUBLE_EQ(r.reduced.latitude, kPi / 2 - r.orientation.PlateEuler[1]);
  EXPECT_DOUBLE_EQ(r.reduced.hourOffset, -r.orientation.PlateEuler[0]);
  EXPECT_EQ(r.orientation.ZenithVec.Z, 1.0);
  const std::string& s9 = report.sections[9];
  EXPECT_NE(s9.find(" - Fuseau horaire : 0:00\r\n"), std::string::npos);
  EXPECT_NE(s9.find(" - Latitude : -41.65°\r\n"), std::string::npos);
  EXPECT_NE(s9.find(" - Déclinaison : 0°\r\n - Inclinaison : 0°\r\n"), std::string::npos);
}

TEST(SolveOrientation, IdenticalShadowsFailBeforeAnyAstronomy) {
  DialProject p = testing::WorkedCase();
  Give(p.Mesx2, p.Mesx1.value);
  Give(p.Mesy2, p.Mesy1.value);
  p.Date2 = {};  // never read: the shadows alone decide
  Report report;
  report.sections[1] = "old";
  const SolveResult r = Solve(p, report);
  EXPECT_FALSE(r.success);
  EXPECT_EQ(testing::AsShown(r.messages), (Messages{ErrorMessage("Calcul impossible : Ombres identiques")}));
  EXPECT_EQ(report.sections[1], "old");
  EXPECT_TRUE(report.sections[9].empty());
}

TEST(SolveOrientation, IdenticalInstantsFail) {
  DialProject p = testing::WorkedCase();
  p.Heure2 = p.Heure1;
  Report report;
  const SolveResult r = Solve(p, report);
  EXPECT_FALSE(r.success);
  EXPECT_EQ(testing::AsShown(r.messages), (Messages{ErrorMessage("Calcul impossible : Instants identiques")}));
  EXPECT_TRUE(report.sections[1].empty());
}

TEST(SolveOrientation, NearlyIdenticalSunsEndAsIdenticalInstantsNotNaN) {
  for (double apart : {1e-13, 1e-9, 1e-7}) {
    DialProject p = testing::WorkedCase();
    Give(p.Heure2, p.Heure1.value + apart);
    Report report;
    const SolveResult r = Solve(p, report);
    EXPECT_FALSE(r.success) << apart;
    EXPECT_EQ(testing::AsShown(r.messages), (Messages{ErrorMessage("Calcul impossible : Instants identiques")}));
    EXPECT_FALSE(std::isnan(r.sunAngle));
  }
}

// A mark of 1e300 mm, which the entry accepts, overflowed the shadow ray's length and spread NaN
// through every angle into the report; such numbers are refused, with or without the place.
TEST(SolveOrientation, MarksBeyondAnyScaleAreRefusedNotPrintedAsNaN) {
  struct Row {
    const char* what;
    double x1, y1, gnomon;
    bool limite;
    const char* message = kOutOfScaleText;
  };
  const Row rows[] = {
      {"mark 1e300 with the place", 1e300, -330.6, 100, true},
      {"mark 1e300 without the place", 1e300, -330.6, 100, false},
      {"mark -1e300 on Y", -100.3, -1e300, 100, true},
      {"mark 1e200 (its square overflows)", 1e200, -330.6, 100, true},
      {"gnomon 1e300", -100.3, -330.6, 1e300, true},
      {"gnomon 1e300, mark 1e300", 1e300, 0, 1e300, true},
      // rays within a double, both nearly along the gnomon: truly parallel shadows
      {"gnomon 1e150", -100.3, -330.6, 1e150, true, "Calcul impossible : Ombres identiques"},
  };
  for (const Row& row : rows) {
    DialProject p = testing::WorkedCase();
    Give(p.Mesx1, row.x1);
    Give(p.Mesy1, row.y1);
    Give(p.Gnomon, row.gnomon);
    p.Limite = row.limite;
    Report report;
    const SolveResult r = Solve(p, report);
    EXPECT_FALSE(r.success) << row.what;
    EXPECT_EQ(testing::AsShown(r.messages), (Messages{ErrorMessage(row.message)})) << row.what;
    EXPECT_TRUE(report.sections[1].empty()) << row.what;
    EXPECT_TRUE(report.sections[9].empty()) << row.what;
  }
  // large but meaningful marks still solve
  DialProject far = testing::WorkedCase();
  Give(far.Mesx1, far.Mesx1.value * 1e6);
  Give(far.Mesy1, far.Mesy1.value * 1e6);
  Report report;
  EXPECT_TRUE(Solve(far, report).success);
}

TEST(SolveOrientation, BothSunsBelowHorizonGiveBothMessagesPointOneFirst) {
  DialProject p = testing::WorkedCase();
  Give(p.Heure1, 1.0 / 24);
  Give(p.Heure2, 2.0 / 24);
  Report report;
  const SolveResult r = Solve(p, report);
  EXPECT_FALSE(r.success);
  EXPECT_EQ(testing::AsShown(r.messages),
            (Messages{ErrorMessage("Localisation incorrecte : Le soleil\r\nest sous l'horizon "
                                   "pour le point 1"),
                      ErrorMessage("Localisation incorrecte : Le soleil\r\nest sous l'horizon "
                                   "pour le point 2")}));
}

TEST(SolveOrientation, OnlyTheSunThatIsDownIsReported) {
  DialProject p = testing::WorkedCase();
  Give(p.Heure2, 23.0 / 24);
  Report report;
  const SolveResult r = Solve(p, report);
  EXPECT_FALSE(r.success);
  EXPECT_EQ(testing::AsShown(r.messages),
            (Messages{ErrorMessage("Localisation incorrecte : Le soleil\r\nest sous l'horizon "
                                   "pour le point 2")}));
}

TEST(SolveOrientation, WithoutLatitudeNightInstantsAreNotTested) {
  DialProject p = testing::WorkedCase();
  p.Limite = p.Locc = false;
  Give(p.Heure1, 1.0 / 24);
  Give(p.Heure2, 5.0 / 24);
  Report report;
  EXPECT_TRUE(Solve(p, report).success);
}

TEST(SolveOrientation, MidDayPlaceMatchesFullPlace) {
  DialProject p = testing::WorkedCase();
  p.Locc = false;
  p.Mijou = true;
  // The mean sun culminates at 12 h UT + 5 E... : 11:40 UT, 13:40 on the zone's clock.
  Give(p.MiJour, (12 - 5.0 / 15 + 2) / 24);
  Report report;
  const SolveResult r = Solve(p, report);
  ASSERT_TRUE(r.success);
  EXPECT_NEAR(r.reduced.declination / kDeg, 20.0, 0.1);
  EXPECT_NEAR(r.reduced.inclination / kDeg, 90.0, 0.1);
  EXPECT_NEAR(r.reduced.rotation / kDeg, 0.0, 0.1);
  EXPECT_NE(report.sections[9].find(" - Fuseau horaire : 0:00\r\n - Longitude : 25°\r\n"),
            std::string::npos);
}

/// Shadow tip of the gnomon on a plate of orientation `e` for a sun direction in frame E.
Vec3 Shadow(const std::array<double, 3>& e, Vec3 sunE, double G) {
  const Vec3 s = ToPlateFrame(sunE, e);
  return {-G * s.X / s.Z, -G * s.Y / s.Z, s.Z};
}

TEST(SolveOrientation, ExactShadowsGiveZeroIndexAndTheOrientationBack) {
  // A plate of known Euler angles, shadows computed without rounding, no place.
  const std::array<double, 3> e{0.4, 0.9, -1.2};
  DialProject p = testing::WorkedCase();
  p.Limite = p.Locc = false;
  Give(p.Heure1, 10.0 / 24);
  Give(p.Heure2, 15.0 / 24);
  const auto sunE = [&](const Entry& date, const Entry& time) {
    return RotateZ(SunVector(true, date.value, 12), (time.value - 0.5) * 2 * kPi);
  };
  const Vec3 a = Shadow(e, sunE(p.Date1, p.Heure1), 100);
  const Vec3 b = Shadow(e, sunE(p.Date2, p.Heure2), 100);
  ASSERT_GT(a.Z, 0);
  ASSERT_GT(b.Z, 0);
  Give(p.Mesx1, a.X);
  Give(p.Mesy1, a.Y);
  Give(p.Mesx2, b.X);
  Give(p.Mesy2, b.Y);
  Report report;
  const SolveResult r = Solve(p, report);
  ASSERT_TRUE(r.success);
  EXPECT_LT(r.precisionIndexMinutes, 1e-6);
  EXPECT_EQ(report.sections[1], "Indice de précision : 0\r\n\r\n");
  for (Vec3 v : {Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}}) {
    EXPECT_LT(AngleBetween(ToPlateFrame(v, r.orientation.PlateEuler), ToPlateFrame(v, e)), 1e-9);
  }
}

TEST(SolveOrientation, EquatorialPlateGetsFixedFirstTwoAngles) {
  // Plates parallel to the equator at 45 N (normal on the north pole) and 45 S (south pole).
  struct Case {
    double lat, dec, inc, poleAngle;
  };
  for (const Case c : {Case{45, 180, 45, 0}, Case{-45, 0, 45, kPi}}) {
    SCOPED_TRACE(c.lat);
    DialProject p = testing::FullPlaceProject();
    Give(p.Lat, c.lat);
    p.Nord = c.lat > 0;
    Give(p.Heure1, 10.0 / 24);
    Give(p.Heure2, 16.0 / 24);
    if (c.lat < 0) {
      Give(p.Date1, testing::Serial(2024, 12, 21));
      Give(p.Date2, testing::Serial(2024, 12, 21));
    }
    ASSERT_TRUE(testing::GiveExactShadows(p, c.dec, c.inc, 0));
    Report report;
    const SolveResult r = Solve(p, report);
    ASSERT_TRUE(r.success);
    EXPECT_EQ(r.orientation.PlateEuler[0], 0.0);
    EXPECT_EQ(r.orientation.PlateEuler[1], c.poleAngle);
    EXPECT_NEAR(testing::DegreesApart(r.reduced.declination / kDeg, c.dec), 0, 1e-6);
    EXPECT_NEAR(r.reduced.inclination / kDeg, c.inc, 1e-6);
    EXPECT_NEAR(r.reduced.rotation / kDeg, 0, 1e-6);
  }
}

TEST(SolveOrientation, HorizontalPlateMeasuredToTheTenthHasItsTurnSplitButKept) {
  DialProject p = testing::FullPlaceProject();
  testing::Orient(p, 0, 0, 30);
  testing::ProjectEntryWriter writer(p);
  ASSERT_TRUE(SimulatePoints(p, writer).success);
  Report report;
  const SolveResult r = Solve(p, report);
  ASSERT_TRUE(r.success);
  // Whatever declination the measuring leftovers give, the rotation compensates it.
  EXPECT_NEAR(testing::DegreesApart((r.reduced.rotation + r.reduced.declination) / kDeg, 30), 0,
              0.05);
  EXPECT_NEAR(r.reduced.inclination / kDeg, 0, 0.05);
}

TEST(SolveOrientation, HorizontalPlateTakesItsRotationFromTheLastAngle) {
  DialProject p = testing::FullPlaceProject();
  ASSERT_TRUE(testing::GiveExactShadows(p, 0, 0, 30));
  Report report;
  const SolveResult r = Solve(p, report);
  ASSERT_TRUE(r.success);
  EXPECT_EQ(r.reduced.declination, 0.0);
  EXPECT_EQ(r.reduced.inclination, 0.0);
  const double q = r.orientation.PlateEuler[2];
  EXPECT_DOUBLE_EQ(r.reduced.rotation, std::atan2(std::sin(kPi / 2 - q), std::cos(kPi / 2 - q)));
  EXPECT_NEAR(r.reduced.rotation / kDeg, 30, 1e-6);
}

TEST(SolveOrientation, SimulationInDeveloperModeAddsTheAccuracyLines) {
  DialProject p = testing::FullPlaceProject();
  p.Plate = {-500, 500, -500, 500};
  testing::Orient(p, 20, 90, 0);
  testing::ProjectEntryWriter writer(p);
  ASSERT_TRUE(SimulatePoints(p, writer).success);
  ProjectState state;
  state.TestMode = true;
  state.RunMode = RunMode::Simulate;
  Report report;
  const SolveResult r = Solve(p, report, state);
  ASSERT_TRUE(r.success);
  const std::string& s1 = report.sections[1];
  ASSERT_EQ(s1.rfind("Indice de précision : ", 0), 0u);
  const size_t polar = s1.find("\r\nErreur polaire: ");
  const size_t equatorial = s1.find("°\r\nErreur équatoriale: ");
  const size_t time = s1.find("°\r\nErreur temporelle: ");
  ASSERT_NE(polar, std::string::npos);
  ASSERT_LT(polar, equatorial);
  ASSERT_LT(equatorial, time);
  EXPECT_EQ(s1.substr(s1.size() - 8), " min\r\n\r\n");
  const AccuracyFigures f = AccuracyOf(r.orientation.PlateEuler, 90 * kDeg, 20 * kDeg, 90 * kDeg,
                                       -5 * kDeg + 2 * kPi / 12, 45 * kDeg);
  EXPECT_LT(f.polarErrorDeg, 0.05);
  EXPECT_LT(f.equatorialErrorDeg, 0.05);
  EXPECT_EQ(s1, PrecisionIndexLine(r.precisionIndexMinutes) +
                    AccuracyReport(r.orientation.PlateEuler, 90 * kDeg, 20 * kDeg, 90 * kDeg,
                                   -5 * kDeg + 2 * kPi / 12, 45 * kDeg) +
                    "\r\n");
  // Neither in mode 1 nor outside developer mode.
  state.RunMode = RunMode::Compute;
  Report plain;
  Solve(p, plain, state);
  EXPECT_EQ(plain.sections[1].find("Erreur"), std::string::npos);
}

TEST(AccuracyReport, ExactOrientationHasNoErrorAndAKnownOffsetShows) {
  const double lat = 45 * kDeg, D = 20 * kDeg, i = 90 * kDeg, w = 70 * kDeg;
  const double lonZone = -5 * kDeg + 2 * kPi / 12;
  const std::array<double, 3> e = PlateEulerFromOrientation(D, i, w, lat, lonZone);
  EXPECT_EQ(AccuracyReport(e, w, D, i, lonZone, lat),
            "Erreur polaire: 0°\r\nErreur équatoriale: 0°\r\nErreur temporelle: 0 min\r\n");
  // The hour frame turned by one minute of time about the pole: equatorial error 0.25°.
  const std::array<double, 3> turned =
      PlateEulerFromOrientation(D, i, w, lat, lonZone + 0.25 * kDeg);
  const AccuracyFigures f = AccuracyOf(turned, w, D, i, lonZone, lat);
  EXPECT_NEAR(f.polarErrorDeg, 0, 1e-9);
  EXPECT_NEAR(f.equatorialErrorDeg, 0.25, 1e-9);
  EXPECT_NEAR(f.timeErrorMinutes, 1, 1e-9);
}

TEST(SolveOrientation, TestTabDataSelectTheAccuracyLines) {
  DialProject p = testing::WorkedCase();
  p.At(TestField::Edit20).value = -5 * kDeg;
  p.At(TestField::Edit21).value = 45 * kDeg;
  p.At(TestField::Edit22).value = 2;
  p.At(TestField::Edit23).value = 20 * kDeg;
  p.At(TestField::Edit24).value = 90 * kDeg;
  p.At(TestField::Edit26).value = 90 * kDeg;
  ProjectState state;
  state.TestDataValid = true;
  Report report;
  const SolveResult r = Solve(p, report, state);
  ASSERT_TRUE(r.success);
  const std::string expected = AccuracyReport(r.orientation.PlateEuler, 90 * kDeg, 20 * kDeg,
                                              90 * kDeg, -5 * kDeg + 2 * kPi / 12, 45 * kDeg);
  EXPECT_EQ(report.sections[1], "Indice de précision : 0.03\r\n" + expected + "\r\n");
}

}  // namespace
}  // namespace umbrix
