// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a two-minute recording and showing its F0 contour for the first time: the wait a
// clinician has between choosing the file and seeing the curve (loading, the F0 and
// intensity analyses and the first picture).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "app/analysis_runner.h"
#include "app/drawing/display_modes.h"
#include "app/drawing/graph_geometry.h"
#include "app/session/view_state.h"
#include "app/views/display_registry.h"
#include "bench/recordings.h"

namespace {

using namespace sonarel;

void paintOnce(const app::ViewState& view, int mode) {
  const app::GraphGeometry geometry = app::GraphGeometry::normal();
  QImage image(geometry.extent(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  app::drawDisplayMode(painter, geometry, view.displayData(), mode);
}

void BM_OpenAndShowF0(benchmark::State& state) {
  const auto rate = static_cast<std::uint32_t>(state.range(0));
  const std::string& path = bench::benchRecording(120, static_cast<int>(rate));
  app::displayRegistry();  // installs what each mode needs
  for (auto _ : state) {
    app::ViewState view;
    const bool opened = !view.open(path, core::kindForRate(rate));
    if (opened) view.showMode(app::mode::F0);
    if (!opened || view.displayMode() != app::mode::F0 || view.f0().frameCount() == 0) {
      state.SkipWithError("the F0 contour was not shown");
      return;
    }
    paintOnce(view, app::mode::F0);
  }
}
BENCHMARK(BM_OpenAndShowF0)->ArgName("rate")->Arg(22050)->Arg(44100)->Unit(benchmark::kMillisecond);

// The same as the window does it: the analyses on the worker thread (a copy of the view
// with its own samples) and the result taken back on this thread, whose event loop turns
// meanwhile.
void BM_OpenAndShowF0OnWorker(benchmark::State& state) {
  const auto rate = static_cast<std::uint32_t>(state.range(0));
  const std::string& path = bench::benchRecording(120, static_cast<int>(rate));
  app::displayRegistry();
  app::AnalysisRunner runner;
  for (auto _ : state) {
    app::ViewState view;
    const bool opened = !view.open(path, core::kindForRate(rate));
    if (opened) {
      runner.run(view, nullptr, [](app::ViewState& copy, const core::AnalysisControl& control) {
        return copy.showMode(app::mode::F0, control);
      });
    }
    if (!opened || view.displayMode() != app::mode::F0 || view.f0().frameCount() == 0) {
      state.SkipWithError("the F0 contour was not shown");
      return;
    }
    paintOnce(view, app::mode::F0);
  }
}
BENCHMARK(BM_OpenAndShowF0OnWorker)
    ->ArgName("rate")
    ->Arg(22050)
    ->Arg(44100)
    ->Unit(benchmark::kMillisecond);

}  // namespace
