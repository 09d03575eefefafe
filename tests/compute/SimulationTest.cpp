#include <gtest/gtest.h>

#include <cmath>

#include "ComputeFixtures.h"
#include "compute/Simulation.h"
#include "compute/Solver.h"
#include "model/Numbers.h"
#include "support/ShownMessages.h"

namespace umbrix {
namespace {

using testing::AngleBetween;
using testing::DegreesApart;
using testing::Give;
using testing::kDeg;

struct Plate {
  const char* name;
  double lat;  // degrees
  int month;   // of 2024, day 21
  double hour1, hour2;
  double dec, inc, rot;  // degrees
};

const Plate kPlates[] = {
    {"south vertical", 45, 6, 10, 14, 0, 90, 0},
    {"declining west", 45, 6, 13, 17, 35, 90, 0},
    {"declining east, rotated", 48, 3, 9, 12, -50, 90, 12},
    {"reclining", 45, 9, 9, 15, -20, 60, 10},
    {"polar", 45, 6, 9, 15, 0, 45, 0},
    {"southern hemisphere, facing north", -34, 6, 10, 14, 180, 90, 0},
    {"southern hemisphere, reclining", -34, 12, 11, 16, 160, 30, -25},
    {"west wall, upside down", 45, 6, 15, 18, 90, 90, 180},
};

DialProject PlateProject(const Plate& c) {
  DialProject p = testing::FullPlaceProject();
  p.Plate = {-2000, 2000, -2000, 2000};
  Give(p.Lat, c.lat);
  p.Nord = c.lat >= 0;
  Give(p.Date1, testing::Serial(2024, c.month, 21));
  Give(p.Date2, testing::Serial(2024, c.month, 21));
  Give(p.Heure1, c.hour1 / 24);
  Give(p.Heure2, c.hour2 / 24);
  testing::Orient(p, c.dec, c.inc, c.rot);
  return p;
}

TEST(SimulatePoints, SolverFindsTheTypedOrientationBack) {
  for (const Plate& c : kPlates) {
    SCOPED_TRACE(c.name);
    DialProject p = PlateProject(c);
    testing::ProjectEntryWriter writer(p);
    const SimulationResult sim = SimulatePoints(p, writer);
    ASSERT_TRUE(sim.success);
    ASSERT_TRUE(sim.messages.empty());
    Report report;
    const SolveResult r = SolveOrientation(p, ProjectState{}, report);
    ASSERT_TRUE(r.success);
    EXPECT_NEAR(DegreesApart(r.reduced.declination / kDeg, c.dec), 0, 0.05);
    EXPECT_NEAR(r.reduced.inclination / kDeg, c.inc, 0.05);
    EXPECT_NEAR(DegreesApart(r.reduced.rotation / kDeg, c.rot), 0, 0.05);
    EXPECT_LT(r.precisionIndexMinutes, 0.5);
  }
}

TEST(SimulatePoints, HorizontalPlateComesBackWithItsTurn) {
  DialProject p = PlateProject({"horizontal", 45, 6, 9, 15, 0, 0, -40});
  testing::ProjectEntryWriter writer(p);
  ASSERT_TRUE(SimulatePoints(p, writer).success);
  Report report;
  const SolveResult r = SolveOrientation(p, ProjectState{}, report);
  ASSERT_TRUE(r.success);
  EXPECT_NEAR(r.reduced.inclination / kDeg, 0, 0.05);
  // A horizontal plate's declination and rotation are one turn about the zenith.
  EXPECT_NEAR(DegreesApart((r.reduced.declination + r.reduced.rotation) / kDeg, -40), 0, 0.05);
}

TEST(SimulatePoints, WorkedCaseOrientationGivesTheMeasuredPointsToTheTenth) {
  DialProject p = testing::FullPlaceProject();
  p.Plate = {-500, 500, -500, 500};
  testing::Orient(p, 20, 90, 0);
  testing::ProjectEntryWriter writer(p);
  ASSERT_TRUE(SimulatePoints(p, writer).success);
  EXPECT_EQ(writer.calls, (std::vector<std::pair<Field, std::string>>{{Field::Mesx1, "-100.3"},
                                                                      {Field::Mesy1, "-330.6"},
                                                                      {Field::Mesx2, "164.2"},
                                                                      {Field::Mesy2, "-189.9"}}));
  EXPECT_EQ(p.Mesx1.value, -100.3);
  EXPECT_TRUE(p.Mesy2.given);
}

TEST(SimulatePoints, SetSunClearsThePointAndPointTwoStillRuns) {
  DialProject p = PlateProject(kPlates[0]);
  Give(p.Mesx1, 1);
  Give(p.Mesy1, 1);
  Give(p.Heure1, 23.5 / 24);
  testing::ProjectEntryWriter writer(p);
  const SimulationResult r = SimulatePoints(p, writer);
  EXPECT_FALSE(r.success);
  EXPECT_EQ(testing::AsShown(r.messages), (Messages{ErrorMessage("Le soleil est couché à l'instant 1")}));
  EXPECT_FALSE(p.Mesx1.given);
  EXPECT_FALSE(p.Mesy1.given);
  EXPECT_TRUE(p.Mesx2.given);
  EXPECT_TRUE(p.Mesy2.given);
}

TEST(SimulatePoints, PlateFacingAwayClearsThatPoint) {
  DialProject p = PlateProject(kPlates[0]);  // south wall, June
  Give(p.Heure2, 20.5 / 24);                 // sun in the north-west, still up
  testing::ProjectEntryWriter writer(p);
  const SimulationResult r = SimulatePoints(p, writer);
  EXPECT_FALSE(r.success);
  EXPECT_EQ(testing::AsShown(r.messages), (Messages{ErrorMessage("Le cadran n'est pas éclairé à l'instant 2")}));
  EXPECT_TRUE(p.Mesx1.given);
  EXPECT_FALSE(p.Mesx2.given);
}

TEST(SimulatePoints, PointOutsideThePlateIsClearedWithItsCoordinates) {
  DialProject p = testing::FullPlaceProject();
  p.Plate = {-200, 200, -200, 200};
  testing::Orient(p, 20, 90, 0);
  testing::ProjectEntryWriter writer(p);
  const SimulationResult r = SimulatePoints(p, writer);
  EXPECT_FALSE(r.success);
  EXPECT_EQ(testing::AsShown(r.messages),
            (Messages{ErrorMessage(
                "Le point 1 est à l'extérieur du cadran\r\nx1 = -100.3, y1 = -330.6")}));
  EXPECT_FALSE(p.Mesx1.given);
  EXPECT_EQ(p.Mesx2.text, "164.2");
}

TEST(SimulatePoints, BothPointsFailingGiveTwoMessagesInOrder) {
  DialProject p = testing::FullPlaceProject();
  p.Plate = {-10, 10, -10, 10};
  testing::Orient(p, 20, 90, 0);
  testing::ProjectEntryWriter writer(p);
  const SimulationResult r = SimulatePoints(p, writer);
  ASSERT_EQ(r.messages.size(), 2u);
  EXPECT_EQ(r.messages[1].Composed(),
            "Le point 2 est à l'extérieur du cadran\r\nx2 = 164.2, y2 = -189.9");
}

/// Sweep of typed orientations, equatorial ones included.
struct Typed {
  double lat, dec, inc, rot, p;  // degrees
};

TEST(PlateEulerFromOrientation, MapsFrameEToThePlateForEveryOrientation) {
  std::vector<Typed> cases;
  for (double lat : {-60.0, -45.0, 0.0, 30.0, 45.0, 89.0}) {
    for (double dec = -180; dec <= 180; dec += 30) {
      for (double inc = 0; inc <= 180; inc += 30) cases.push_back({lat, dec, inc, 17, 25});
    }
  }
  // Exactly parallel to the equator: north and south, facing up and down.
  for (const Typed t : {Typed{45, 180, 45, 0, 25}, Typed{-45, 0, 45, 0, 25},
                        Typed{45, 0, 135, 10, -30}, Typed{-45, 180, 135, -70, 0},
                        Typed{90, 0, 0, 33, 0}, Typed{-90, 0, 0, 33, 0}, Typed{0, 0, 90, 5, 5}}) {
    cases.push_back(t);
  }
  double worst = 0;
  size_t worstRow = 0;
  for (size_t k = 0; k < cases.size(); ++k) {
    const Typed& c = cases[k];
    const double w = (90 - c.rot) * kDeg;
    const auto e =
        PlateEulerFromOrientation(c.dec * kDeg, c.inc * kDeg, w, c.lat * kDeg, c.p * kDeg);
    for (Vec3 v : {Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}}) {
      const Vec3 want =
          testing::EquatorialToPlate(v, c.dec * kDeg, c.inc * kDeg, w, c.lat * kDeg, c.p * kDeg);
      const double err = AngleBetween(ToPlateFrame(v, e), want);
      if (err > worst) {
        worst = err;
        worstRow = k;
      }
    }
  }
  EXPECT_LT(worst, 1e-9) << "worst at row " << worstRow << " lat " << cases[worstRow].lat << " dec "
                         << cases[worstRow].dec << " inc " << cases[worstRow].inc;
}

TEST(TraceFromOrientation, ExactlyEquatorialPlateHasFixedAnglesAndRightHourLines) {
  // Regression: the last angle came from atan2 of two rounding leftovers.
  for (const Typed t : {Typed{45, 180, 45, 0, 0}, Typed{-45, 0, 45, 0, 0}}) {
    SCOPED_TRACE(t.lat);
    DialProject p = testing::FullPlaceProject();
    Give(p.Lat, t.lat);
    testing::Orient(p, t.dec, t.inc, t.rot);
    Report report;
    const DirectTraceResult r = TraceFromOrientation(p, report);
    const auto& e = r.orientation.PlateEuler;
    EXPECT_EQ(e[0], 0.0);
    EXPECT_EQ(e[1], t.lat > 0 ? 0.0 : kPi);
    // The general formula at an orientation a twentieth of a degree away draws the same hour
    // lines to that twentieth.
    DialProject near = p;
    Give(near.IncEd, t.inc + 0.05);
    const auto en = TraceFromOrientation(near, report).orientation.PlateEuler;
    ASSERT_NE(en[1], 0.0);
    ASSERT_NE(en[1], kPi);
    for (int hour = 6; hour <= 18; ++hour) {
      const Vec3 hourLine = RotateZ({1, 0, 0}, (hour - 12) * kPi / 12);
      EXPECT_LT(AngleBetween(ToPlateFrame(hourLine, e), ToPlateFrame(hourLine, en)), 0.06 * kDeg)
          << hour;
    }
  }
}

TEST(TraceFromOrientation, AgreesWithTheSolverOnSimulatedPoints) {
  for (const Plate& c : {kPlates[0], kPlates[3], kPlates[5]}) {
    SCOPED_TRACE(c.name);
    DialProject p = PlateProject(c);
    Report report;
    const DirectTraceResult direct = TraceFromOrientation(p, report);
    ASSERT_TRUE(testing::GiveExactShadows(p, c.dec, c.inc, c.rot));
    const SolveResult solved = SolveOrientation(p, ProjectState{}, report);
    ASSERT_TRUE(solved.success);
    for (Vec3 v : {Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}}) {
      EXPECT_LT(AngleBetween(ToPlateFrame(v, direct.orientation.PlateEuler),
                             ToPlateFrame(v, solved.orientation.PlateEuler)),
                1e-8);
    }
    EXPECT_LT(AngleBetween(direct.orientation.ZenithVec, solved.orientation.ZenithVec), 1e-8);
  }
}

TEST(TraceFromOrientation, EquatorialPlateAgreesWithTheSolverInBothHemispheres) {
  for (const Plate& c :
       {Plate{"north", 45, 6, 10, 16, 180, 45, 0}, Plate{"south", -45, 12, 10, 16, 0, 45, 0}}) {
    SCOPED_TRACE(c.name);
    DialProject p = PlateProject(c);
    Report report;
    const DirectTraceResult direct = TraceFromOrientation(p, report);
    ASSERT_TRUE(testing::GiveExactShadows(p, c.dec, c.inc, c.rot));
    const SolveResult solved = SolveOrientation(p, ProjectState{}, report);
    ASSERT_TRUE(solved.success);
    EXPECT_EQ(direct.orientation.PlateEuler[1], solved.orientation.PlateEuler[1]);
    EXPECT_NEAR(DegreesApart(direct.orientation.PlateEuler[2] / kDeg,
                             solved.orientation.PlateEuler[2] / kDeg),
                0, 1e-6);
  }
}

TEST(TraceFromOrientation, ZenithLimitsAndEmptiedSections) {
  DialProject p = testing::FullPlaceProject();
  testing::Orient(p, 20, 90, 0);
  Report report;
  report.sections[1] = "Indice de précision : 1\r\n";
  report.sections[9] = "old";
  report.sections[0] = "header";
  const DirectTraceResult r = TraceFromOrientation(p, report);
  EXPECT_TRUE(r.success);
  EXPECT_TRUE(report.sections[1].empty());
  EXPECT_TRUE(report.sections[9].empty());
  EXPECT_EQ(report.sections[0], "header");
  // A vertical plate with rotation 0: the zenith is the plate's +Y.
  EXPECT_NEAR(r.orientation.ZenithVec.X, 0, 1e-12);
  EXPECT_NEAR(r.orientation.ZenithVec.Y, 1, 1e-12);
  EXPECT_NEAR(r.orientation.ZenithVec.Z, 0, 1e-12);
  const double hp = -5 * kDeg + 2 * kPi / 12;
  EXPECT_EQ(r.hourLimits.limits,
            ComputeHourLimits(20 * kDeg, 90 * kDeg, hp, 45 * kDeg, false).limits);
}

/// The Test tab set to the worked orientation: longitude 5 E, latitude 45 N, zone +2,
/// declination 20 W, vertical, test rotation 90 (the plate's X axis horizontal).
DialProject TestTabProject() {
  DialProject p = testing::FullPlaceProject();
  p.Plate = {-500, 500, -500, 500};
  p.Lat = p.Long = p.FusHor = {};
  p.At(TestField::Edit20).value = -5 * kDeg;
  p.At(TestField::Edit21).value = 45 * kDeg;
  p.At(TestField::Edit22).value = 2;
  p.At(TestField::Edit23).value = 20 * kDeg;
  p.At(TestField::Edit24).value = 90 * kDeg;
  p.At(TestField::Edit25).value = 10;
  p.At(TestField::Edit26).value = 90 * kDeg;
  return p;
}

TEST(TestCompute, WritesBothPointsAndThePlace) {
  DialProject p = TestTabProject();
  testing::ProjectEntryWriter writer(p);
  const TestComputeResult r = TestCompute(p, writer);
  EXPECT_EQ(r.pointsWritten, 2);
  EXPECT_TRUE(r.messages.empty());
  // Without refraction the points differ from the simulation's by a little.
  EXPECT_NEAR(p.Mesx1.value, -100.3, 0.5);
  EXPECT_NEAR(p.Mesy2.value, -189.9, 0.5);
  EXPECT_EQ(RoundScaled(10, p.Mesx1.value), p.Mesx1.value);
  EXPECT_EQ(p.Lat.text, "45");
  EXPECT_EQ(p.Lat.value, 45);
  EXPECT_TRUE(p.Nord);
  EXPECT_EQ(p.Long.text, "5");
  EXPECT_EQ(p.Long.value, -5);
  EXPECT_TRUE(p.Est);
  EXPECT_EQ(p.FusHor.text, "2");
  EXPECT_FALSE(p.MiJour.given);
  // The solver finds the test orientation back and the accuracy lines say so.
  ProjectState state;
  state.TestDataValid = true;
  Report report;
  const SolveResult s = SolveOrientation(p, state, report);
  ASSERT_TRUE(s.success);
  const AccuracyFigures f = AccuracyOf(s.orientation.PlateEuler, 90 * kDeg, 20 * kDeg, 90 * kDeg,
                                       -5 * kDeg + 2 * kPi / 12, 45 * kDeg);
  EXPECT_LT(f.polarErrorDeg, 0.1);
  EXPECT_LT(f.timeErrorMinutes, 0.5);
  EXPECT_NE(report.sections[1].find("Erreur temporelle: "), std::string::npos);
}

TEST(TestCompute, SouthWestPlaceAndMidDay) {
  DialProject p = TestTabProject();
  p.Locc = false;
  p.Mijou = true;
  p.At(TestField::Edit20).value = 30 * kDeg;   // 30 W
  p.At(TestField::Edit21).value = -40 * kDeg;  // 40 S
  p.At(TestField::Edit22).value = -2;
  p.At(TestField::Edit23).value = 180 * kDeg;
  Give(p.Date1, testing::Serial(2024, 12, 21));
  Give(p.Date2, testing::Serial(2024, 12, 21));
  testing::ProjectEntryWriter writer(p);
  TestCompute(p, writer);
  EXPECT_EQ(p.Lat.text, "40");
  EXPECT_EQ(p.Lat.value, -40);
  EXPECT_FALSE(p.Nord);
  // Mean noon at 30 W is 14 h UT, 12 h on a clock of zone -2.
  EXPECT_EQ(p.MiJour.text, "12:00:00");
  EXPECT_FALSE(p.Long.given);
  testing::ProjectEntryWriter second(p);
  p.Mijou = false;
  p.Locc = true;
  TestCompute(p, second);
  EXPECT_EQ(p.Long.text, "30");
  EXPECT_EQ(p.Long.value, 30);
  EXPECT_FALSE(p.Est);
  EXPECT_EQ(p.FusHor.text, "-2");
  EXPECT_EQ(p.FusHor.value, -2);
}

TEST(TestCompute, RoundingFactorZeroLeavesPointsUnrounded) {
  DialProject p = TestTabProject();
  p.At(TestField::Edit25).value = 0;
  testing::ProjectEntryWriter writer(p);
  ASSERT_EQ(TestCompute(p, writer).pointsWritten, 2);
  EXPECT_NE(RoundScaled(1000, p.Mesx1.value), p.Mesx1.value);
  p.At(TestField::Edit25).value = 1;
  testing::ProjectEntryWriter again(p);
  TestCompute(p, again);
  EXPECT_EQ(std::round(p.Mesx1.value), p.Mesx1.value);
}

TEST(TestCompute, MissingInstantSetSunAndDarkPlate) {
  DialProject p = TestTabProject();
  p.Date2 = {};
  Give(p.Heure1, 1.0 / 24);
  testing::ProjectEntryWriter writer(p);
  TestComputeResult r = TestCompute(p, writer);
  EXPECT_EQ(r.pointsWritten, 0);
  EXPECT_EQ(testing::AsShown(r.messages), (Messages{InfoMessage("Le soleil est couché à l'heure 1"),
                                  InfoMessage("Définir l'instant 2")}));

  DialProject q = TestTabProject();
  Give(q.Heure2, 20.5 / 24);
  q.At(TestField::Edit23).value = 0;  // south wall: the evening sun is behind it
  testing::ProjectEntryWriter w2(q);
  r = TestCompute(q, w2);
  EXPECT_EQ(r.pointsWritten, 1);
  EXPECT_EQ(testing::AsShown(r.messages), (Messages{InfoMessage("Le cadran n'est pas éclairé à l'heure 2")}));
  EXPECT_FALSE(q.Mesx2.given);
}

TEST(TestCompute, PointOutsideThePlateIsWrittenAfterItsMessage) {
  DialProject p = TestTabProject();
  p.Plate = {-200, 200, -200, 200};
  testing::ProjectEntryWriter writer(p);
  const TestComputeResult r = TestCompute(p, writer);
  EXPECT_EQ(r.pointsWritten, 2);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(r.messages[0].Composed(),
            "Le point 1 n'est pas à l'intérieur du cadran\r\nx1 = " + FormatGeneral(p.Mesx1.value) +
                ", y1 = " + FormatGeneral(p.Mesy1.value));
  EXPECT_TRUE(p.Mesx1.given);
  EXPECT_LT(p.Mesy1.value, -200);
}

TEST(TestCompute, PointsAtNoonUniversalTimeDifferOnlySlightly) {
  DialProject p = TestTabProject();
  testing::ProjectEntryWriter writer(p);
  TestCompute(p, writer);
  const double x1 = p.Mesx1.value;
  p.Pta12h = true;
  p.At(TestField::Edit25).value = 0;
  testing::ProjectEntryWriter again(p);
  TestCompute(p, again);
  EXPECT_NE(p.Mesx1.value, x1);
  EXPECT_NEAR(p.Mesx1.value, x1, 1.0);
}

}  // namespace
}  // namespace umbrix
