// The main function of a benchmark that needs Qt widgets: an offscreen
// application around Google Benchmark's runner.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#define PARVIX_BENCHMARK_MAIN_WITH_QT()          \
  int main(int argc, char** argv) {              \
    qputenv("QT_QPA_PLATFORM", "offscreen");     \
    QApplication app(argc, argv);                \
    benchmark::Initialize(&argc, argv);          \
    benchmark::RunSpecifiedBenchmarks();         \
    benchmark::Shutdown();                       \
    return 0;                                    \
  }
