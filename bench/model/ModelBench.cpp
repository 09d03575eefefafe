// The entry parsers, the number formatter and the sun model: every keystroke parses, every
// traced point asks the sun, so these sit under every other figure.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "astro/Sun.h"
#include "model/Formats.h"
#include "model/Numbers.h"

namespace umbrix {
namespace {

void BM_ParseDecimal(benchmark::State& state) {
  const std::vector<std::string> texts = {"48.8566", "-0.5", "1.5e1", "15,5", " 15", "800"};
  for (auto _ : state) {
    for (const std::string& t : texts) benchmark::DoNotOptimize(ParseDecimal(t));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
BENCHMARK(BM_ParseDecimal);

void BM_ParseSexagesimal(benchmark::State& state) {
  const std::vector<std::string> texts = {"48°51°24", "48°30.5", "-0°30", "48° 30"};
  for (auto _ : state) {
    for (const std::string& t : texts) benchmark::DoNotOptimize(ParseSexagesimal(t, "°"));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
BENCHMARK(BM_ParseSexagesimal);

void BM_ParseDateAndTime(benchmark::State& state) {
  ParseContext ctx;
  ctx.today = 46364;  // 8 December 2026
  for (auto _ : state) {
    benchmark::DoNotOptimize(ParseDate("21/06/2024", ctx));
    benchmark::DoNotOptimize(ParseTime("13:00:00.250"));
  }
}
BENCHMARK(BM_ParseDateAndTime);

void BM_FormatGeneral(benchmark::State& state) {
  const std::vector<double> values = {12.25, 0.1, -50, 1.0 / 3, 1e-7, 123456789012345678.0};
  for (auto _ : state) {
    for (double v : values) benchmark::DoNotOptimize(FormatGeneral(v));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}
BENCHMARK(BM_FormatGeneral);

void BM_RoundScaled(benchmark::State& state) {
  double x = 0.25;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RoundScaled(10, x));
    x += 1e-3;
  }
}
BENCHMARK(BM_RoundScaled);

// One sun per traced point: a sun-path curve asks it a few hundred times per redraw.
void BM_SunInPlate(benchmark::State& state) {
  Orientation o;
  o.PlateEuler = {0.3, 0.8, -1.2};
  const ClockPlace place{true, 2.0};
  const bool refract = state.range(0) != 0;
  double hour = 6.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SunInPlate(o, place, refract, 45464.0, hour));
    hour = hour < 20.0 ? hour + 0.01 : 6.0;
  }
}
BENCHMARK(BM_SunInPlate)->Arg(0)->Arg(1);

void BM_EquationOfTime(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(EquationOfTimeMinutes(SunVector(true, 45333.0, 12.0)));
  }
}
BENCHMARK(BM_EquationOfTime);

}  // namespace
}  // namespace umbrix

BENCHMARK_MAIN();
