// The solver and the ephemeris texts: every "Calculer" solves once, every simulation solves its
// own points, and the ephemeris is rebuilt each time the dialog's button or Ctrl+Y asks for it.

#include <benchmark/benchmark.h>

#include <string>

#include "compute/ComputeFixtures.h"
#include "compute/Ephemeris.h"
#include "compute/Simulation.h"
#include "compute/Solver.h"

namespace umbrix {
namespace {

using testing::Give;

/// The measured worked case without a place: the solver gives the reduced place.
DialProject WorkedCaseWithoutLatitude() {
  DialProject p = testing::WorkedCase();
  p.Limite = p.Locc = false;
  p.Lat = p.Long = p.FusHor = {};
  return p;
}

void SolveBench(benchmark::State& state, const DialProject& project) {
  Report report;
  if (!SolveOrientation(project, ProjectState{}, report).success) {
    state.SkipWithError("the solver failed on the worked case");
    return;
  }
  for (auto _ : state) {
    Report r;
    SolveResult result = SolveOrientation(project, ProjectState{}, r);
    benchmark::DoNotOptimize(result);
    benchmark::DoNotOptimize(r);
  }
}

void BM_SolveWorkedCaseFullPlace(benchmark::State& state) {
  SolveBench(state, testing::WorkedCase());
}
BENCHMARK(BM_SolveWorkedCaseFullPlace);

void BM_SolveWorkedCaseWithoutLatitude(benchmark::State& state) {
  SolveBench(state, WorkedCaseWithoutLatitude());
}
BENCHMARK(BM_SolveWorkedCaseWithoutLatitude);

/// The worked case's typed orientation with everything the ephemeris can print: the final
/// shadow-caster, the current instant in summer time, and the dial on show.
struct EphemerisSetUp {
  DialProject project;
  DialOnShow dial;
};

EphemerisSetUp FullEphemerisProject() {
  EphemerisSetUp s{testing::WorkedCase(), {}};
  DialProject& p = s.project;
  testing::Orient(p, 20, 90, 0);
  p.Hautf = true;
  Give(p.Gnomf, 50);
  Give(p.Gnomx, 10);
  Give(p.Gnomy, 20);
  Give(p.Dadiur, testing::Serial(2024, 6, 21));
  Give(p.Hediur, 18.0 / 24);
  p.TypeHeureItem = 1;
  p.TypeHeure = kTypeHeureValues[1];
  Report report;
  s.dial = {TraceFromOrientation(p, report).orientation, true};
  return s;
}

void EphemerisBench(benchmark::State& state, bool forMainWindow, const char* mustShow) {
  const EphemerisSetUp s = FullEphemerisProject();
  if (EphemerisReport(s.project, forMainWindow, s.dial).find(mustShow) == std::string::npos) {
    state.SkipWithError("the ephemeris text is not complete");
    return;
  }
  for (auto _ : state) {
    std::string text = EphemerisReport(s.project, forMainWindow, s.dial);
    benchmark::DoNotOptimize(text);
  }
}

/// "Calculs complémentaires": both points with the board and the shadows.
void BM_EphemerisReportBothPoints(benchmark::State& state) {
  EphemerisBench(state, true, "\r\nOmbre du porte-ombre final :");
}
BENCHMARK(BM_EphemerisReportBothPoints);

/// "Ephémérides" of the current instant with the shadow on the dial on show.
void BM_EphemerisReportCurrentInstant(benchmark::State& state) {
  EphemerisBench(state, false, "\r\nOmbre sur le cadran :");
}
BENCHMARK(BM_EphemerisReportCurrentInstant);

/// "Simuler": the two points of the typed orientation written back, then solved.
void BM_SimulateAndSolve(benchmark::State& state) {
  DialProject base = testing::FullPlaceProject();
  base.Plate = {-500, 500, -500, 500};
  testing::Orient(base, 20, 90, 0);
  {
    DialProject p = base;
    testing::ProjectEntryWriter writer(p);
    Report report;
    if (!SimulatePoints(p, writer).success ||
        !SolveOrientation(p, ProjectState{}, report).success) {
      state.SkipWithError("the simulation of the worked orientation failed");
      return;
    }
  }
  for (auto _ : state) {
    DialProject p = base;
    testing::ProjectEntryWriter writer(p);
    SimulationResult sim = SimulatePoints(p, writer);
    Report report;
    SolveResult result = SolveOrientation(p, ProjectState{}, report);
    benchmark::DoNotOptimize(sim);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_SimulateAndSolve);

}  // namespace
}  // namespace umbrix

BENCHMARK_MAIN();
