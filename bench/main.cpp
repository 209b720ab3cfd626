#include <benchmark/benchmark.h>

#include <clocale>

int main(int argc, char** argv) {
  // strtod, the reader's yardstick, follows the locale; fix it so every run compares alike.
  std::setlocale(LC_ALL, "C");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
