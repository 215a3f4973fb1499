// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the benchmarks that draw or run the window's code: they need a
// QApplication, on the offscreen platform unless the caller chose another.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
