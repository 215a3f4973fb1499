// SPDX-License-Identifier: GPL-3.0-or-later
// The spectral displays: what the view computes for modes 1, 6, 7, 9 and 16, what their
// drawings show, and the frame's band, grey, contrast and pop-up spectrum behaviour.

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include "app/commands/command_table.h"
#include "app/dialogs/settings/configure_spectrum_dialogs.h"
#include "app/drawing/display_modes.h"
#include "app/drawing/spectral_drawing.h"
#include "app/frame/main_frame.h"
#include "app/session/comparison.h"
#include "app/session/prompt.h"
#include "app/session/view_state.h"
#include "app/tests/image_difference.h"
#include "app/views/power_spectrum_window.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

QImage render(const ViewState& state, int mode, const GraphGeometry& g = GraphGeometry::normal()) {
  QImage image(g.extent(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  drawDisplayMode(painter, g, state.displayData(), mode);
  return image;
}

// Topmost pixel of `colour` in column x of the graph, or -1.
int topmostPixel(const QImage& image, int x, QColor colour, const QRect& graph) {
  for (int y = graph.top(); y <= graph.bottom(); ++y)
    if (image.pixelColor(x, y) == colour) return y;
  return -1;
}

// Rows of `area` in which every pixel is the spectrogram's background colour.
int backgroundRows(const QImage& image, const QRect& area) {
  const spectral::Rgb ground =
      spectral::SpectrogramPalette(spectral::kDefaultContrast, false)[spectral::kBackgroundEntry];
  const QColor background(ground.r, ground.g, ground.b);
  int rows = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    int count = 0;
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == background;
    rows += count == area.width();
  }
  return rows;
}

// The display drawn as a large window draws it: scaled up, with smoothed pictures.
QImage renderScaled(const ViewState& state, int mode, double scale) {
  const GraphGeometry g = GraphGeometry::normal();
  QImage image((QSizeF(g.extent()) * scale).toSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setTransform(QTransform::fromScale(scale, scale));
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  drawDisplayMode(painter, g, state.displayData(), mode);
  return image;
}

class SpectralViewTest : public ::testing::Test {
 protected:
  void open(std::uint32_t rate, const std::vector<std::int16_t>& samples) {
    // 44100 Hz recordings open as vocal-quality files.
    ASSERT_FALSE(
        state.open(dir.write("t.wav", testing::simpleWave(rate, samples)),
                   rate == 44100 ? core::FileKind::VocalQuality : core::FileKind::VoiceAnalysis));
  }
  void select(int x1, int x2) {
    state.pressStrip(x1);
    state.releaseStrip(x2);
  }
  ScratchDir dir;
  ViewState state;
  const GraphGeometry g = GraphGeometry::normal();
};

TEST_F(SpectralViewTest, PowerSpectrumDrawsItsRedPeakAtTheTone) {
  open(11025, testing::sine(2000, 11025, 11025, 12000));
  ASSERT_FALSE(state.showMode(mode::PowerSpectrum));
  EXPECT_EQ(state.displayMode(), mode::PowerSpectrum);
  ASSERT_EQ(state.spectral().powerLevels().size(), 512u) << "default N = 512";
  const QImage image = render(state, mode::PowerSpectrum);
  // The highest red point lies over 2 kHz: x = L + 2000 / 5512.5 * 680.
  int bestX = -1, bestY = g.graph.bottom() + 1;
  for (int x = g.graph.left(); x <= g.graph.right(); ++x) {
    const int y = topmostPixel(image, x, kPowerColour, g.graph);
    if (y >= 0 && y < bestY) bestY = y, bestX = x;
  }
  EXPECT_NEAR(bestX - g.graph.left(), 2000.0 / 5512.5 * 680, 3);
  EXPECT_EQ(topmostPixel(image, g.graph.left() + 400, kLpcColour, g.graph), -1) << "no LPC curve";
}

TEST_F(SpectralViewTest, BesideAComparisonTheLastFrequencyLabelIsLeftOut) {
  open(11025, testing::sine(2000, 11025, 11025, 12000));
  ASSERT_FALSE(state.showMode(mode::PowerSpectrum));
  DisplayData alone = state.displayData();
  DisplayData beside = alone;
  DisplayData other = alone;
  scaleTogether(beside, other);
  ASSERT_TRUE(beside.besideComparison && other.besideComparison);
  const auto draw = [&](const DisplayData& data) {
    QImage image(g.extent(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawDisplayMode(painter, g, data, mode::PowerSpectrum);
    return image;
  };
  const auto inked = [](const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        count += image.pixelColor(x, y) != Qt::white;
    return count;
  };
  // "5.5 kHz" under the right end, and "0.0 kHz" under the left, which stays.
  const QRect last(g.graph.right() - 20, g.graph.bottom() + 4, 40, 14);
  const QRect first(g.graph.left() - 20, g.graph.bottom() + 4, 40, 14);
  EXPECT_GT(inked(draw(alone), last), 20);
  EXPECT_EQ(inked(draw(beside), last), 0);
  EXPECT_EQ(inked(draw(beside), first), inked(draw(alone), first));
}

TEST_F(SpectralViewTest, LpcRefusalKeepsTheDisplayAndCancelsTheZoom) {
  open(11025, testing::noise(11025, 3));
  ASSERT_FALSE(state.showMode(mode::AudioSignal));
  select(10, 40);  // 30 columns of 16 samples: 480 samples
  ASSERT_FALSE(state.toggleZoom());
  const auto refused = state.showMode(mode::LpcSpectrum);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->id, core::MessageId::LpcNoAvailablePoints);
  EXPECT_EQ(state.displayMode(), mode::AudioSignal) << "the previous display stays";

  ASSERT_FALSE(state.toggleZoom());  // out
  ASSERT_FALSE(state.showMode(mode::LpcSpectrum));
  const std::vector<float> whole = state.spectral().lpcLevels();
  ASSERT_EQ(whole.size(), 680u);
  const auto zoomRefused = state.toggleZoom();  // in, onto too short a selection
  ASSERT_TRUE(zoomRefused);
  EXPECT_EQ(zoomRefused->id, core::MessageId::LpcNoAvailablePoints);
  EXPECT_FALSE(state.zoomed());
  EXPECT_EQ(state.range(), (core::AnalysisRange{0, 11025}));
  EXPECT_EQ(state.displayMode(), mode::LpcSpectrum);
}

TEST_F(SpectralViewTest, PowerAndLpcShowsTheLastGoodLpcCurveWhenTheRangeIsRefused) {
  open(11025, testing::noise(11025, 4));
  EXPECT_FALSE(state.showMode(mode::PowerAndLpc));
  const std::vector<float> good = state.spectral().lpcLevels();
  select(10, 40);
  const auto refused = state.toggleZoom();
  ASSERT_TRUE(refused);
  EXPECT_TRUE(state.zoomed()) << "mode 9 keeps the zoom";
  EXPECT_EQ(state.displayMode(), mode::PowerAndLpc);
  EXPECT_EQ(state.spectral().lpcLevels(), good);
  const QImage image = render(state, mode::PowerAndLpc);
  EXPECT_GE(topmostPixel(image, g.graph.left() + 300, kLpcColour, g.graph), 0);

  // A new recording starts without spectra.
  open(11025, testing::noise(11025, 5));
  EXPECT_FALSE(state.spectral().hasLpc());
  EXPECT_TRUE(state.spectral().powerLevels().empty());
}

TEST_F(SpectralViewTest, GreyTwiceRestoresTheColourPictureAndContrastChangesIt) {
  open(22050, testing::sine(3000, 22050, 22050, 12000));
  ASSERT_FALSE(state.showMode(mode::Spectrogram));
  const QImage colour = render(state, mode::Spectrogram);
  state.spectral().toggleBlackAndWhite();
  const QImage grey = render(state, mode::Spectrogram);
  state.spectral().toggleBlackAndWhite();
  EXPECT_NE(grey, colour);
  EXPECT_EQ(render(state, mode::Spectrogram), colour);
  // Silence-free tone on a black ground in colour: the corner is background black.
  EXPECT_EQ(colour.pixelColor(g.graph.left() + 340, g.graph.top() + 2), QColor(Qt::black));
  EXPECT_EQ(grey.pixelColor(g.graph.left() + 340, g.graph.top() + 2), QColor(Qt::white));

  state.spectral().setContrast(40);
  EXPECT_NE(render(state, mode::Spectrogram), colour);
  state.spectral().setContrast(1000);
  EXPECT_EQ(state.spectral().spectrogramSettings().contrast, spectral::kMaxContrast);
}

TEST_F(SpectralViewTest, AScaledPictureIsSmoothedOnceAndFollowsItsColours) {
  open(22050, testing::sine(3000, 22050, 22050, 12000));
  ASSERT_FALSE(state.showMode(mode::Spectrogram));
  // The first paint draws the picture scaled, the next ones copy it smoothed once.
  const QImage first = renderScaled(state, mode::Spectrogram, 2.5);
  const QImage kept = renderScaled(state, mode::Spectrogram, 2.5);
  EXPECT_LT(meanDifference(first, kept), 0.5);
  EXPECT_EQ(renderScaled(state, mode::Spectrogram, 2.5), kept);
  // New colours, or another size, are never painted from the old copy.
  state.spectral().toggleBlackAndWhite();
  renderScaled(state, mode::Spectrogram, 2.5);
  const QImage grey = renderScaled(state, mode::Spectrogram, 2.5);
  EXPECT_GT(meanDifference(grey, kept), 20);
  state.spectral().toggleBlackAndWhite();
  const QImage larger = renderScaled(state, mode::Spectrogram, 3);
  EXPECT_LT(meanDifference(renderScaled(state, mode::Spectrogram, 3), larger), 0.5);
  EXPECT_LT(meanDifference(renderScaled(state, mode::Spectrogram, 2.5), kept), 0.5);
}

TEST_F(SpectralViewTest, SpectrogramReadoutsAndMarkersFollowTheirScales) {
  open(44100, testing::sine(1000, 44100, 44100, 12000));
  ASSERT_FALSE(state.showMode(mode::Spectrogram));
  const QRect& graph = g.graph;
  const DisplayData data = state.displayData();
  // At 44100 Hz the axis ends at fs/8.
  EXPECT_EQ(cursorReadout(mode::Spectrogram, g, data, {graph.left(), graph.top()}),
            "5512.50 Hz   0.00 s");
  EXPECT_EQ(
      cursorReadout(mode::Spectrogram, g, data, {graph.left() + 340, graph.center().y()}).right(6),
      "0.50 s");
  EXPECT_EQ(
      cursorReadout(mode::PowerSpectrum, g, data, {graph.left() + 340, graph.top() + 10}).right(9),
      "11.03 kHz");

  // Mode 1: the marker's x and a drag onto it agree; both modes keep the limits.
  const auto marker = contrastMarker(mode::Spectrogram, graph, 80);
  ASSERT_TRUE(marker);
  EXPECT_EQ(contrastAt(mode::Spectrogram, graph, marker->center()), 80);
  EXPECT_EQ(contrastAt(mode::Spectrogram, graph, {graph.left() - 100, 0}), spectral::kMinContrast);
  const auto vertical = contrastMarker(mode::SpectrogramAmplitude, graph, 60);
  EXPECT_EQ(contrastAt(mode::SpectrogramAmplitude, graph, vertical->center()), 60);
  EXPECT_EQ(contrastAt(mode::SpectrogramAmplitude, graph, {0, graph.bottom()}),
            spectral::kMaxContrast);
  EXPECT_FALSE(contrastAt(mode::PowerSpectrum, graph, marker->center()));

  // In a low comparison pane the legend is pressed into the pictures' height: its marker
  // stays beside the pictures and a drag onto it still reads its contrast (to the step a
  // pressed row holds).
  for (const int height : {100, 130}) {
    const QRect pane(62, 18, 680, height);
    const AmplitudePanels pictures = amplitudePanels(pane);
    for (int contrast = spectral::kMinContrast; contrast <= spectral::kMaxContrast; ++contrast) {
      const auto at = contrastMarker(mode::SpectrogramAmplitude, pane, contrast);
      ASSERT_TRUE(at);
      EXPECT_GE(at->center().y(), pictures.wide.top() - 1) << contrast;
      EXPECT_LE(at->center().y(), pictures.narrow.bottom() - 14) << "above its value's text";
      const auto back = contrastAt(mode::SpectrogramAmplitude, pane, at->center());
      ASSERT_TRUE(back);
      EXPECT_NEAR(*back, contrast, 1) << contrast << " in " << height;
    }
  }

  // Mode 16: a point counts within the picture it falls in.
  const AmplitudePanels panels = amplitudePanels(graph);
  EXPECT_EQ(panels.wide.height(), 175);
  const auto low = spectrogramPointAt(mode::SpectrogramAmplitude, graph,
                                      {graph.left() + 10, panels.narrow.bottom()});
  ASSERT_TRUE(low);
  EXPECT_EQ(low->column, 10);
  EXPECT_NEAR(low->percent, 100.0 / 175, 1e-9);
  EXPECT_FALSE(spectrogramPointAt(mode::SpectrogramAmplitude, graph,
                                  {graph.left() + 10, panels.wide.bottom() + 8}));
}

// A picture left half-built by the display shown before does not grow beside the one shown
// now, and takes up again where it stopped when its display comes back.
TEST_F(SpectralViewTest, OnlyThePicturesOnScreenGrow) {
  open(11025, testing::noise(11025, 6));
  QImage image(g.extent(), QImage::Format_RGB32);
  auto paint = [&](int mode) {
    ASSERT_FALSE(state.showMode(mode));
    QPainter painter(&image);
    DisplayData data = state.displayData();
    data.spectral.progressive = true;
    drawDisplayMode(painter, g, data, mode);
  };
  SpectrogramCaches& caches = *state.displayData().spectral.caches;
  paint(mode::Spectrogram);
  state.spectral().advancePictures();
  const int single = caches.single.columnsDone();
  ASSERT_GT(single, 0);
  ASSERT_TRUE(caches.single.growing());

  paint(mode::SpectrogramAmplitude);
  int steps = 0;
  while (state.spectral().picturesGrowing() && steps < 100) {
    state.spectral().advancePictures();
    ++steps;
  }
  EXPECT_FALSE(caches.wide.growing());
  EXPECT_FALSE(caches.narrow.growing());
  EXPECT_EQ(caches.single.columnsDone(), single) << "the hidden picture waited";

  paint(mode::Spectrogram);
  EXPECT_TRUE(state.spectral().picturesGrowing());
  state.spectral().advancePictures();
  EXPECT_GT(caches.single.columnsDone(), single);
}

TEST_F(SpectralViewTest, APictureGrownColumnByColumnEqualsTheWholeOne) {
  open(11025, testing::noise(11025, 6));
  ASSERT_FALSE(state.showMode(mode::SpectrogramAmplitude));
  const QImage whole = render(state, mode::SpectrogramAmplitude);

  ViewState fresh;
  ASSERT_FALSE(fresh.open(state.buffer().path, core::FileKind::VoiceAnalysis));
  ASSERT_FALSE(fresh.showMode(mode::SpectrogramAmplitude));
  QImage image(g.extent(), QImage::Format_RGB32);
  auto paint = [&] {
    image.fill(Qt::white);
    QPainter painter(&image);
    DisplayData data = fresh.displayData();
    data.spectral.progressive = true;
    drawDisplayMode(painter, g, data, mode::SpectrogramAmplitude);
  };
  paint();
  EXPECT_TRUE(fresh.spectral().picturesGrowing());
  EXPECT_NE(image, whole);
  int steps = 0;
  while (fresh.spectral().picturesGrowing() && steps < 100) {
    fresh.spectral().advancePictures();
    ++steps;
  }
  paint();
  EXPECT_GT(steps, 5);
  EXPECT_EQ(image, whole);
}

class SpectralFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    languages.apply(Language::English);
    frame = std::make_unique<CMainFrame>(
        FrameOptions{QString::fromStdString(dir.path().string()), &prompt}, languages, &device);
    frame->resize(1024, 768);
    frame->show();
    wave = QString::fromStdString(
        dir.write("wv001.wav", testing::simpleWave(11025, testing::sine(1000, 11025, 11025))));
  }
  ScratchDir dir;
  Languages languages;
  audio::ScriptedPlaybackDevice device;
  ScriptedPrompt prompt;
  std::unique_ptr<CMainFrame> frame;
  QString wave;
};

TEST_F(SpectralFrameTest, BandAndGreyCommandsCarryTheirCheckMarks) {
  EXPECT_TRUE(frame->action(cmd::BandNarrow)->isChecked()) << "narrow by default";
  EXPECT_TRUE(frame->action(cmd::BandWide)->isEnabled()) << "settings need no file";
  ASSERT_TRUE(frame->openFile(wave));
  frame->runCommand(cmd::PowerSpectrum);
  frame->runCommand(cmd::BandWide);
  const ViewState& state = frame->document().state();
  EXPECT_EQ(state.displayMode(), mode::Spectrogram) << "a band shows the spectrogram";
  EXPECT_EQ(state.spectral().spectrogramSettings().band, spectral::SpectrogramBand::Wide);
  EXPECT_TRUE(frame->action(cmd::BandWide)->isChecked());
  EXPECT_FALSE(frame->action(cmd::BandNarrow)->isChecked());
  frame->runCommand(cmd::BandMiddle);
  EXPECT_TRUE(frame->action(cmd::BandMiddle)->isChecked());
  EXPECT_FALSE(frame->action(cmd::BandWide)->isChecked());

  frame->runCommand(cmd::SpectrogramAmplitude);
  frame->runCommand(cmd::BlackAndWhite);
  EXPECT_TRUE(frame->action(cmd::BlackAndWhite)->isChecked());
  EXPECT_EQ(state.displayMode(), mode::SpectrogramAmplitude) << "redrawn where it was";
  frame->runCommand(cmd::PowerSpectrum);
  frame->runCommand(cmd::BlackAndWhite);
  EXPECT_FALSE(frame->action(cmd::BlackAndWhite)->isChecked());
  EXPECT_EQ(state.displayMode(), mode::Spectrogram);
}

TEST_F(SpectralFrameTest, RightClickOpensTheFrameSpectrumAndDraggingSetsTheContrast) {
  ASSERT_TRUE(frame->openFile(wave));
  frame->runCommand(cmd::Spectrogram);
  CMfcView* view = frame->view();
  const QRect graph = view->geometry().graph;
  const auto at = [view](QPoint logical) { return view->layout().toWidget(logical); };
  QTest::mouseClick(view, Qt::RightButton, {}, at(graph.center()));
  CEspectroEnergia* popup = view->spectrumWindow();
  ASSERT_TRUE(popup->isVisible());
  EXPECT_FALSE(popup->empty());
  popup->hide();
  // The last column's frame of 512 samples would run past the recording.
  QTest::mouseClick(view, Qt::RightButton, {}, at(QPoint(graph.right(), graph.center().y())));
  EXPECT_TRUE(popup->isVisible());
  EXPECT_TRUE(popup->empty());
  popup->close();
  frame->runCommand(cmd::PowerSpectrum);
  QTest::mouseClick(view, Qt::RightButton, {}, at(graph.center()));
  EXPECT_FALSE(popup->isVisible()) << "only the spectrograms open it";

  frame->runCommand(cmd::Spectrogram);
  const auto marker = contrastMarker(mode::Spectrogram, graph, 80);
  QTest::mousePress(view, Qt::LeftButton, {}, at(marker->center()));
  QTest::mouseMove(view, at(marker->center() - QPoint(40, 0)));
  QTest::mouseRelease(view, Qt::LeftButton, {}, at(marker->center() - QPoint(40, 0)));
  const int contrast = frame->document().state().spectral().spectrogramSettings().contrast;
  EXPECT_EQ(contrast, contrastAt(mode::Spectrogram, graph, marker->center() - QPoint(40, 0)));
  EXPECT_LT(contrast, 80);
  EXPECT_TRUE(frame->document().state().selection().empty()) << "no strip selection started";
}

TEST_F(SpectralFrameTest, SettingsDialogsPresetTheirCombosAndOkRecomputes) {
  ConfigurePowerSpectrumDialog power({1024, spectral::SpectrumWindow::Rectangular});
  EXPECT_EQ(power.sizeCombo()->currentText(), "1024");
  EXPECT_EQ(power.windowCombo()->currentIndex(), 0);
  power.sizeCombo()->setCurrentIndex(0);
  power.windowCombo()->setCurrentIndex(1);
  EXPECT_EQ(power.settings().fftSize, 256);
  EXPECT_EQ(power.settings().window, spectral::SpectrumWindow::Hamming);
  ConfigureLpcDialog lpc({28, spectral::SpectrumWindow::Hamming});
  EXPECT_EQ(lpc.orderCombo()->currentText(), "28");
  EXPECT_EQ(lpc.windowTitle(), "Configure LPC Spectrum");

  ASSERT_TRUE(frame->openFile(wave));
  auto answer = [](int sizeIndex, bool ok) {
    QTimer::singleShot(0, [=] {
      auto* dialog = qobject_cast<ConfigurePowerSpectrumDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->sizeCombo()->setCurrentIndex(sizeIndex);
      ok ? dialog->accept() : dialog->reject();
    });
  };
  answer(2, false);
  frame->runCommand(cmd::ConfigurePowerSpectrum);
  const ViewState& state = frame->document().state();
  EXPECT_EQ(state.spectral().powerSettings().fftSize, 512) << "Cancel changes nothing";
  EXPECT_EQ(state.displayMode(), mode::None);
  answer(2, true);
  frame->runCommand(cmd::ConfigurePowerSpectrum);
  EXPECT_EQ(state.spectral().powerSettings().fftSize, 1024);
  EXPECT_EQ(state.displayMode(), mode::PowerSpectrum);
  EXPECT_EQ(state.spectral().powerLevels().size(), 1024u);
}

}  // namespace
}  // namespace sonarel::app

namespace sonarel::app {
namespace {

// A graph taller than the transform's bins (560 rows at 11025 Hz, 511 bins) once drew every
// row without a bin as a background line across the picture.
TEST_F(SpectralViewTest, ATallSpectrogramHasNoEmptyRows) {
  open(11025, testing::noise(22050, 5));
  ASSERT_FALSE(state.showMode(mode::Spectrogram));
  const GraphGeometry tall = GraphGeometry::forViewSize(QSize(1920, 1000));
  ASSERT_EQ(tall.graph.height(), kMostGraphHeight);
  const QImage image = render(state, mode::Spectrogram, tall);
  const QRect inside = tall.graph.adjusted(40, 12, -40, -12);
  EXPECT_EQ(backgroundRows(image, inside), 0);
}

TEST_F(SpectralFrameTest, LargeWindowsDrawTheGraphScaledAndWholeRows) {
  frame->resize(1920, 1080);
  ASSERT_TRUE(frame->openFile(QString::fromStdString(
      dir.write("wv002.wav", testing::simpleWave(11025, testing::noise(22050, 6))))));
  frame->runCommand(cmd::Spectrogram);
  CMfcView* view = frame->view();
  view->grab();  // the picture grows from the left over a few repaints
  while (frame->document().state().spectral().picturesGrowing()) QApplication::processEvents();
  const ScaledLayout layout = view->layout();
  EXPECT_GT(layout.scale, 1.5);
  const QRect graph = layout.toWidget(layout.geometry.graph);
  EXPECT_GT(graph.width(), view->width() * 6 / 10) << "the graph uses the room it has";
  EXPECT_LE(layout.toWidget(layout.geometry.strip).bottom(), view->height());
  const QImage image = view->grab().toImage();
  EXPECT_EQ(backgroundRows(image, graph.adjusted(60, 20, -60, -20)), 0);
  // A click on the picture still reads the logical column under it.
  const QPoint column100 = layout.toWidget(layout.geometry.graph.topLeft() + QPoint(100, 50));
  EXPECT_EQ(layout.toLogical(column100).x() - layout.geometry.graph.left(), 100);
}

}  // namespace
}  // namespace sonarel::app

namespace sonarel::app {
namespace {

// At 800 x 600 the statistics ran out of their frame into the gap above the strip.
TEST_F(SpectralViewTest, TheStatisticsStayInsideTheirFrameOnTheSmallScreen) {
  open(11025, testing::sine(180, 11025, 22050, 9000));
  ASSERT_FALSE(state.showMode(mode::Statistics));
  const GraphGeometry small = GraphGeometry::compactLayout();
  const QImage image = render(state, mode::Statistics, small);
  const int frameBottom = small.graph.bottom() + kStripGap - 10;
  int text = 0, outside = 0;
  for (int y = small.graph.top(); y < small.strip.top(); ++y) {
    for (int x = small.graph.left() + 2; x < small.graph.right() - 2; ++x) {
      if (qGray(image.pixel(x, y)) >= 100) continue;
      (y < frameBottom ? text : outside)++;
    }
  }
  EXPECT_GT(text, 500) << "the rows are drawn";
  EXPECT_EQ(outside, 0);
}

}  // namespace
}  // namespace sonarel::app
