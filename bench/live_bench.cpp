// SPDX-License-Identifier: GPL-3.0-or-later
// The displays drawn in step with the sound, on a two-minute 44100-Hz recording: the work done
// before the sound starts (the pictures and spectra every column reuses), and the drawing of
// one column, which must leave the window thread free between two blocks. Beside them, sox
// drawing a 680-column spectrogram of the same file, per column.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdio>

#include "app/drawing/display_modes.h"
#include "app/session/view_state.h"
#include "app/views/display_registry.h"
#include "app/views/live_display.h"
#include "bench/praat_reference.h"
#include "bench/recordings.h"

namespace {

using namespace sonarel;

app::ViewState& recording() {
  static app::ViewState state = [] {
    app::ViewState s;
    // Opened as a vocal-quality file (the kind of 44100-Hz recordings): the live displays
    // draw whatever the kind.
    if (const auto refused =
            s.open(bench::benchRecording(120, 44100), core::FileKind::VocalQuality))
      std::fprintf(stderr, "live_bench: %s\n", refused->text().c_str());
    s.computeNeeds({.formants = true, .f0 = true, .intensity = true});
    if (s.buffer().count() != 120 * 44100) std::fprintf(stderr, "live_bench: no recording\n");
    return s;
  }();
  return state;
}

// The live display's data as the player builds it: the spectra of the spectrum displays.
struct Prepared {
  app::LiveSpectra spectra;
  app::DisplayData data;
};

Prepared prepare(const app::DisplayModeEntry& entry) {
  app::ViewState& view = recording();
  Prepared prepared;
  if (entry.afterEnd == app::mode::LpcSpectrum)
    prepared.spectra = app::liveLpcSpectra(view.buffer().samples, view.spectral().lpcSettings());
  if (entry.afterEnd == app::mode::PowerSpectrum)
    prepared.spectra =
        app::livePowerSpectra(view.buffer().samples, view.spectral().powerSettings());
  prepared.data = view.displayData();
  return prepared;
}

// Everything done before the first block plays (the analyses themselves are cached).
void BM_LiveStart(benchmark::State& state) {
  const app::DisplayModeEntry& entry = *app::displayRegistry().byCode(int(state.range(0)));
  const app::GraphGeometry geometry = app::GraphGeometry::normal();
  for (auto _ : state) {
    recording().spectral().clearResults();  // the spectrogram pictures are built anew
    Prepared prepared = prepare(entry);
    prepared.data = recording().displayData();
    prepared.data.liveSpectra = &prepared.spectra;
    app::LiveCanvas canvas(entry, geometry, geometry.extent(), prepared.data);
    benchmark::DoNotOptimize(&canvas);
  }
}

// One column: the whole view painted at the column, as the window does when a block has
// been heard (it repaints less: only what changed).
void BM_LiveColumn(benchmark::State& state) {
  const app::DisplayModeEntry& entry = *app::displayRegistry().byCode(int(state.range(0)));
  const app::GraphGeometry geometry = app::GraphGeometry::normal();
  Prepared prepared = prepare(entry);
  prepared.data.liveSpectra = &prepared.spectra;
  const app::LiveCanvas canvas(entry, geometry, geometry.extent(), prepared.data);
  QImage image(geometry.extent(), QImage::Format_ARGB32_Premultiplied);
  int column = 0;
  for (auto _ : state) {
    QPainter painter(&image);
    canvas.paint(painter, column);
    column = (column + 7) % app::kLiveColumns;
  }
}

// sox's spectrogram of the same recording, 680 columns wide, per column (program start
// included); skipped when sox is not installed.
void BM_SoxSpectrogramColumn(benchmark::State& state) {
  const std::string& input = bench::benchRecording(120, 44100);
  const std::string command =
      "sox '" + input + "' -n spectrogram -x 680 -y 257 -o /dev/null" + " 2>/dev/null";
  for (auto _ : state) {
    const auto seconds = bench::commandSeconds(command);
    if (!seconds) {
      state.SkipWithError("sox is not installed or failed");
      break;
    }
    state.SetIterationTime(*seconds / 680);
  }
}

void liveModes(benchmark::internal::Benchmark* b) {
  b->ArgName("mode");
  for (const int code : {20, 21, 22, 23, 26, 27, 28, 30, 31}) b->Arg(code);
}

BENCHMARK(BM_LiveStart)->Apply(liveModes)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_LiveColumn)->Apply(liveModes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SoxSpectrogramColumn)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(3);

}  // namespace
