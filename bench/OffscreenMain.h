#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

// The benchmarks' entry: the real windows on the offscreen platform unless
// another is asked for.
inline int RunBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
