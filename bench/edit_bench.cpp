// SPDX-License-Identifier: GPL-3.0-or-later
// Editing a two-minute 44100 Hz recording in a view: each edit moves or copies up to the
// whole sample vector, raises the revision and drops every result, and must feel instant.

#include <benchmark/benchmark.h>

#include "app/session/sound_editing.h"
#include "bench/recordings.h"

namespace {

using namespace sonarel;

app::ViewState& twoMinutes() {
  static app::ViewState view = [] {
    app::ViewState v;
    v.open(bench::benchRecording(120, 44100), core::FileKind::VocalQuality);
    return v;
  }();
  return view;
}

// A stretch of about 18 s in the first half: the samples after it all move.
void markStretch(app::ViewState& view) {
  view.pressStrip(100);
  view.dragStrip(200);
  view.releaseStrip(200);
}

void BM_CutStretch(benchmark::State& state) {
  app::ViewState& view = twoMinutes();
  for (auto _ : state) {
    state.PauseTiming();
    markStretch(view);
    state.ResumeTiming();
    app::editView(view, app::EditCommand::Cut);
    state.PauseTiming();
    app::editView(view, app::EditCommand::Undo);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CutStretch)->Unit(benchmark::kMillisecond);

void BM_PasteStretch(benchmark::State& state) {
  app::ViewState& view = twoMinutes();
  for (auto _ : state) {
    state.PauseTiming();
    markStretch(view);
    app::editView(view, app::EditCommand::Copy);
    markStretch(view);
    state.ResumeTiming();
    app::editView(view, app::EditCommand::Paste);
    state.PauseTiming();
    app::editView(view, app::EditCommand::Undo);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PasteStretch)->Unit(benchmark::kMillisecond);

void BM_UndoCut(benchmark::State& state) {
  app::ViewState& view = twoMinutes();
  for (auto _ : state) {
    state.PauseTiming();
    markStretch(view);
    app::editView(view, app::EditCommand::Cut);
    state.ResumeTiming();
    app::editView(view, app::EditCommand::Undo);
  }
}
BENCHMARK(BM_UndoCut)->Unit(benchmark::kMillisecond);

}  // namespace
