// SPDX-License-Identifier: GPL-3.0-or-later
// Repainting each display of a two-minute recording once its analyses are cached: what a
// clinician waits for on every resize, selection and mode change. The repaints are measured
// with the 680-column graph drawn 680, 1280 and 1920 pixels wide (the view scales its layout
// to large windows).

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "app/drawing/display_modes.h"
#include "app/drawing/quality_drawing.h"
#include "app/printing/report_command.h"
#include "app/printing/report_document.h"
#include "app/session/comparison.h"
#include "app/session/report_plan.h"
#include "app/session/sound_editing.h"
#include "app/session/view_state.h"
#include "bench/praat_reference.h"
#include "bench/recordings.h"
#include "core/atomic_file.h"
#include "quality/segment_cache.h"

namespace {

using namespace sonarel;

// A 44100-Hz recording opens as a vocal-quality file; the voice-analysis displays draw it all
// the same (its intensity has a frame every 11 samples: 481,000 frames).
app::ViewState& cachedState() {
  static app::ViewState state = [] {
    app::ViewState s;
    s.open(bench::benchRecording(120, 44100), core::FileKind::VocalQuality);
    s.showMode(app::mode::Statistics);  // computes F0 and intensity
    return s;
  }();
  return state;
}

bool opened(benchmark::State& state, const app::ViewState& view) {
  if (view.buffer().count() == 120 * 44100 && view.displayData().intensity) return true;
  state.SkipWithError("the recording did not open or was not analysed");
  return false;
}

// A picture of the whole layout with its graph `graphPixels` wide, and the painter's
// transform that puts the logical layout on it, as the view does in a large window.
struct ScaledPicture {
  app::GraphGeometry geometry = app::GraphGeometry::normal();
  double scale;
  QImage image;

  explicit ScaledPicture(int graphPixels)
      : scale(static_cast<double>(graphPixels) / app::kGraphWidth),
        image(QSize(static_cast<int>(std::ceil(geometry.extent().width() * scale)),
                    static_cast<int>(std::ceil(geometry.extent().height() * scale))),
              QImage::Format_RGB32) {}

  void paint(const app::DisplayData& data, int mode) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setTransform(QTransform::fromScale(scale, scale));
    if (scale != 1.0) painter.setRenderHint(QPainter::SmoothPixmapTransform);
    app::drawDisplayMode(painter, geometry, data, mode);
  }
};

// Paints `mode` of `view` once (the pictures kept between paints are built then), then
// repaints it for every iteration, the graph `graphPixels` wide.
void repaint(benchmark::State& state, app::ViewState& view, int mode, int graphPixels) {
  ScaledPicture picture(graphPixels);
  picture.paint(view.displayData(), mode);  // the spectrogram pictures are built and kept
  for (auto _ : state) picture.paint(view.displayData(), mode);
}

// Every mode at the three widths.
void modesAtWidths(benchmark::internal::Benchmark* bench, std::initializer_list<int> modes) {
  bench->ArgNames({"mode", "px"});
  for (const int mode : modes) {
    for (const int pixels : {680, 1280, 1920}) bench->Args({mode, pixels});
  }
}

void BM_RepaintDisplay(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  app::ViewState& view = cachedState();
  if (!opened(state, view)) return;
  view.showMode(mode);
  repaint(state, view, mode, static_cast<int>(state.range(1)));
}
BENCHMARK(BM_RepaintDisplay)
    ->Apply([](benchmark::internal::Benchmark* bench) {
      modesAtWidths(
          bench, {app::mode::None, app::mode::AudioSignal, app::mode::F0, app::mode::Intensity,
                  app::mode::Histogram, app::mode::Statistics, app::mode::F0AndIntensity,
                  app::mode::LpcSpectrum, app::mode::PowerSpectrum, app::mode::PowerAndLpc,
                  app::mode::VowelSpace, app::mode::Spectrogram, app::mode::SpectrogramAmplitude});
    })
    ->Unit(benchmark::kMillisecond);

// One step of dragging a selection across the waveform strip of the two-minute recording
// with F0 and intensity shown: the selection grows by one column and the whole view is
// repainted, nothing recomputed. The steps sweep the strip back and forth.
void BM_DragSelectionStep(benchmark::State& state) {
  app::ViewState& view = cachedState();
  if (!opened(state, view)) return;
  view.showMode(app::mode::F0AndIntensity);
  ScaledPicture picture(static_cast<int>(state.range(0)));
  view.pressStrip(0);
  int x = 0, step = 1;
  for (auto _ : state) {
    x += step;
    if (x == 0 || x == app::kGraphWidth) step = -step;
    view.dragStrip(x);
    picture.paint(view.displayData(), app::mode::F0AndIntensity);
  }
  view.releaseStrip(x);
  view.clearSelection();
}
BENCHMARK(BM_DragSelectionStep)
    ->ArgName("px")
    ->Arg(680)
    ->Arg(1280)
    ->Arg(1920)
    ->Unit(benchmark::kMillisecond);

// Zooming into a stretch and out again with the statistics shown (the range results are
// recomputed, the contours are not).
void BM_ZoomStatistics(benchmark::State& state) {
  app::ViewState& view = cachedState();
  view.showMode(app::mode::Statistics);
  view.pressStrip(100);
  view.releaseStrip(500);
  for (auto _ : state) {
    view.toggleZoom();
    view.toggleZoom();
  }
}
BENCHMARK(BM_ZoomStatistics)->Unit(benchmark::kMillisecond);

// Drawing the spectrogram of a two-minute 44100 Hz recording from nothing (the picture is not
// kept between iterations): 680 transforms of 4096 points per picture and the painting, in a
// view whose graph is `width` pixels wide (the layout scaled as on screen).
void BM_DrawSpectrogramFromScratch(benchmark::State& state) {
  static app::ViewState view = [] {
    app::ViewState s;
    s.open(bench::benchRecording(120, 44100), core::FileKind::VocalQuality);
    return s;
  }();
  const int mode = static_cast<int>(state.range(0));
  const double scale = static_cast<double>(state.range(1)) / app::kGraphWidth;
  const QSize least = app::GraphGeometry::normal().extent();
  const app::ScaledLayout layout = app::ScaledLayout::forViewSize(
      QSize(static_cast<int>(least.width() * scale), static_cast<int>(least.height() * scale)));
  QImage image(layout.toWidget(QRect(QPoint(0, 0), layout.geometry.extent())).size(),
               QImage::Format_RGB32);
  for (auto _ : state) {
    app::SpectrogramCaches caches;
    app::DisplayData data = view.displayData();
    data.spectral.caches = &caches;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setTransform(layout.transform());
    if (layout.scale != 1.0) painter.setRenderHint(QPainter::SmoothPixmapTransform);
    app::drawDisplayMode(painter, layout.geometry, data, mode);
  }
}
BENCHMARK(BM_DrawSpectrogramFromScratch)
    ->ArgNames({"mode", "width"})
    ->ArgsProduct({{app::mode::Spectrogram, app::mode::SpectrogramAmplitude}, {680, 1280, 1920}})
    ->Unit(benchmark::kMillisecond);

// The first repaint after an edit: the edit has ended the display and dropped every result,
// so the view draws the waveform strip of the changed samples from nothing.
void BM_FirstRepaintAfterEdit(benchmark::State& state) {
  static app::ViewState view = [] {
    app::ViewState s;
    s.open(bench::benchRecording(120, 44100), core::FileKind::VocalQuality);
    return s;
  }();
  const app::GraphGeometry geometry = app::GraphGeometry::normal();
  QImage image(geometry.extent(), QImage::Format_RGB32);
  for (auto _ : state) {
    state.PauseTiming();
    view.pressStrip(100);
    view.dragStrip(200);
    view.releaseStrip(200);
    app::editView(view,
                  state.iterations() % 2 ? app::EditCommand::Undo : app::EditCommand::Silence);
    state.ResumeTiming();
    image.fill(Qt::white);
    QPainter painter(&image);
    app::drawDisplayMode(painter, geometry, view.displayData(), view.displayMode());
  }
}
BENCHMARK(BM_FirstRepaintAfterEdit)->Unit(benchmark::kMillisecond);

// The vocal-quality displays of a two-minute 44100 Hz recording with cached results: 30
// segments, one every four seconds, of 3.9 s (14 frames each, 420 in all) read from a segment
// cache, and for the follow-up five more recordings of the same size.
quality::SegmentTable benchSegments(float shift) {
  quality::SegmentTable table;
  for (int s = 0; s < quality::kMaxSegments; ++s) {
    quality::SegmentResult segment;
    segment.start = s * 4 * 44100;
    segment.length = 39 * 4410;
    segment.resizeFrames(14);
    for (int k = 0; k < 14; ++k) {
      segment.values(quality::Measure::Irregularity)[k] = shift + 0.1f * static_cast<float>(k % 7);
      segment.values(quality::Measure::Noise)[k] = 1.0f + 0.05f * static_cast<float>(s % 9);
      segment.values(quality::Measure::Jitter)[k] = 0.4f;
      segment.values(quality::Measure::Shimmer)[k] = 3.0f;
      segment.values(quality::Measure::Gne)[k] = 0.8f;
      segment.values(quality::Measure::Correlation)[k] = 0.99f;
    }
    table.segments.push_back(std::move(segment));
  }
  return table;
}

app::ViewState& vocalQualityState() {
  static app::ViewState state = [] {
    const std::string& path = bench::benchRecording(120, 44100);
    app::ViewState s;
    s.open(path, core::FileKind::VocalQuality);
    core::writeFileAtomically(
        *quality::segmentCachePath(path),
        quality::encodeSegmentCache(static_cast<std::uint32_t>(s.buffer().count()),
                                    benchSegments(2.0f).segments));
    for (int slot = 0; slot < app::FollowUpSeries::kSlots; ++slot) {
      app::FollowUpRecording recording;
      recording.fileNumber = slot + 2;
      recording.path = path;
      recording.table = benchSegments(3.0f + static_cast<float>(slot));
      s.followUp().add(std::move(recording));
    }
    return s;
  }();
  return state;
}

void BM_RepaintVocalQuality(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  app::ViewState& view = vocalQualityState();
  view.showMode(mode);
  const bool fromSegments = mode != app::mode::ClinicalMeasures;
  if (view.displayMode() != mode ||
      (fromSegments && view.segments().segmentCount() != quality::kMaxSegments)) {
    state.SkipWithError("the display was not shown from the segment cache");
    return;
  }
  repaint(state, view, mode, static_cast<int>(state.range(1)));
}
BENCHMARK(BM_RepaintVocalQuality)
    ->Apply([](benchmark::internal::Benchmark* bench) {
      modesAtWidths(bench, {app::mode::VocalAnalysisData, app::mode::DeviationDiagram,
                            app::mode::SpectrogramIntensityF0, app::mode::ClinicalMeasures,
                            app::mode::FollowUp});
    })
    ->Unit(benchmark::kMillisecond);

// The whole report of a two-minute recording written as a PDF file from nothing: the file
// is opened afresh, every analysis of the twelve display pages is computed (F0, intensity,
// formants, spectra, statistics and three spectrogram pictures), and the pages are drawn and
// written at 600 dpi.
void BM_ReportPdf12Pages(benchmark::State& state) {
  const std::string path = bench::benchRecording(120, static_cast<int>(state.range(0)));
  const QString target = QDir::temp().filePath("sonarel-bench-report.pdf");
  for (auto _ : state) {
    app::ViewState view;
    view.open(path, core::FileKind::VoiceAnalysis);
    app::ReportJob job;
    job.pages = app::defaultReportPages(core::FileKind::VoiceAnalysis, false);
    app::prepareReport(view, nullptr, job.pages);
    job.subject.file = "001";
    job.main = view.displayData();
    if (app::writeReportPdf(target, job)) state.SkipWithError("the report was not written");
    state.counters["pages"] = static_cast<double>(job.pages.size());
  }
  QFile::remove(target);
}
BENCHMARK(BM_ReportPdf12Pages)
    ->ArgName("rate")
    ->Arg(11025)
    ->Arg(22050)
    ->Unit(benchmark::kMillisecond);

// Opening a comparison while "F0 and Intensity" is shown, nothing computed yet: both
// recordings' F0 and intensity contours, then both panes drawn on their common scales in
// the comparison layout of an 800 x 600 window.
void BM_OpenComparisonMode8(benchmark::State& state) {
  const int rate = static_cast<int>(state.range(0));
  const std::string& mainPath = bench::benchRecording(120, rate);
  const std::string& otherPath = bench::benchRecording(120, rate == 22050 ? 11025 : 22050);
  const app::GraphGeometry pane = app::GraphGeometry::comparisonPane(QSize(800, 260));
  QImage image(pane.extent(), QImage::Format_RGB32);
  for (auto _ : state) {
    app::ViewState view;
    view.open(mainPath, core::FileKind::VoiceAnalysis);
    view.showMode(app::mode::F0AndIntensity);
    if (app::openComparison(view, {otherPath, std::nullopt})) {
      state.SkipWithError("the comparison did not open");
      break;
    }
    app::DisplayData main = view.displayData();
    app::DisplayData other = view.comparison()->displayData();
    app::scaleTogether(main, other);
    other.comparison = true;
    for (const app::DisplayData* data : {&main, &other}) {
      image.fill(Qt::white);
      QPainter painter(&image);
      app::drawDisplayMode(painter, pane, *data, app::mode::F0AndIntensity);
    }
  }
}
BENCHMARK(BM_OpenComparisonMode8)
    ->ArgName("rate")
    ->Arg(11025)
    ->Arg(22050)
    ->Unit(benchmark::kMillisecond);

// Praat over the same two recordings: its autocorrelation pitch and its intensity, reading
// excluded, summed.
void BM_PraatPitchAndIntensityOfTwo(benchmark::State& state) {
  const int rate = static_cast<int>(state.range(0));
  const std::string paths[2] = {bench::benchRecording(120, rate),
                                bench::benchRecording(120, rate == 22050 ? 11025 : 22050)};
  for (auto _ : state) {
    double total = 0;
    for (const std::string& path : paths) {
      for (const char* analysis : {"ac", "intensity"}) {
        const auto taken = bench::praatSeconds(path, analysis);
        if (!taken) {
          state.SkipWithError("Praat is not installed or failed");
          return;
        }
        total += *taken;
      }
    }
    state.SetIterationTime(total);
  }
}
BENCHMARK(BM_PraatPitchAndIntensityOfTwo)
    ->ArgName("rate")
    ->Arg(11025)
    ->Arg(22050)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
