// The sensitivity study of a measurement: 13 solves and as many hour-line listings, run each time
// the maker asks how far the marks can be trusted (goal: under 1 ms in release).

#include <benchmark/benchmark.h>

#include "compute/ComputeFixtures.h"
#include "trace/MeasurementReliability.h"

namespace umbrix {
namespace {

void BM_ReliabilityWorkedCase(benchmark::State& state) {
  const DialProject project = testing::WorkedCase();
  if (!StudyReliability(project).success) {
    state.SkipWithError("the worked case does not solve");
    return;
  }
  for (auto _ : state) {
    ReliabilityStudy study = StudyReliability(project);
    benchmark::DoNotOptimize(study);
  }
}
BENCHMARK(BM_ReliabilityWorkedCase)->Unit(benchmark::kMicrosecond);

void BM_ReliabilityTextWorkedCase(benchmark::State& state) {
  const ReliabilityStudy study = StudyReliability(testing::WorkedCase());
  for (auto _ : state) {
    std::string text = ReliabilityText(study);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_ReliabilityTextWorkedCase)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace umbrix

BENCHMARK_MAIN();
