// The window benchmarks' entry: a Qt application (offscreen unless a platform is named, on a
// screen scaled by UMBRIX_BENCH_SCALE when the target sets it) around Google Benchmark's run.
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef UMBRIX_BENCH_SCALE
  qputenv("QT_SCALE_FACTOR", UMBRIX_BENCH_SCALE);
#endif
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
