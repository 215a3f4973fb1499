// SPDX-License-Identifier: GPL-3.0-or-later
// The displays drawn in step with the sound, played through the scripted device whose clock
// the tests move: the blocks handed to the output, the column that follows what was heard,
// the stop and restart rules, the end of each display, and a lost output.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QSignalSpy>
#include <cmath>
#include <map>

#include "app/drawing/display_modes.h"
#include "app/drawing/live_drawing.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "app/views/display_registry.h"
#include "app/views/live_display.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

constexpr std::uint32_t kRate = 11025;
// 22050 samples: blocks of (22050 - 1500) / 680 = 30 samples after the first 1500.
constexpr std::int64_t kCount = 22050;
constexpr std::int64_t kStep = 30;
constexpr std::int64_t kPlayed = 1500 + 679 * kStep;

std::vector<const DisplayModeEntry*> liveEntries() {
  std::vector<const DisplayModeEntry*> live;
  for (const DisplayModeEntry& entry : displayRegistry().entries())
    if (entry.live()) live.push_back(&entry);
  return live;
}

// A vowel-like sound: a 150-Hz pulse train through two resonances, rising then falling.
std::vector<std::int16_t> voiceLike(std::size_t count) {
  std::vector<std::int16_t> out(count);
  double y1 = 0, y2 = 0, z1 = 0, z2 = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double x = (i % (kRate / 150) == 0) ? 9000.0 : 0.0;
    const double a = 2 * 0.97 * std::cos(2 * M_PI * 700 / kRate);
    const double b = 2 * 0.97 * std::cos(2 * M_PI * 1200 / kRate);
    const double y = x + a * y1 - 0.97 * 0.97 * y2;
    const double z = y + b * z1 - 0.97 * 0.97 * z2;
    y2 = y1, y1 = y, z2 = z1, z1 = z;
    const double envelope = std::sin(M_PI * static_cast<double>(i) / static_cast<double>(count));
    out[i] = static_cast<std::int16_t>(std::clamp(z * 0.05 * envelope, -30000.0, 30000.0));
  }
  return out;
}

class LiveDisplays : public ::testing::Test {
 protected:
  void SetUp() override {
    samples = voiceLike(kCount);
    path = dir.write("voice.wav", testing::simpleWave(kRate, samples));
    languages.apply(Language::English);
    frame = std::make_unique<CMainFrame>(
        FrameOptions{QString::fromStdString(dir.path().string()), &prompt}, languages, &device);
    frame->resize(1024, 768);
    frame->show();
    ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
  }

  int shownMode() { return frame->document().state().displayMode(); }
  LivePlayer& live() { return frame->livePlayer(); }
  bool menusEnabled() {
    bool any = false, all = true;
    for (QAction* top : frame->menuBar()->actions()) {
      any = any || top->isEnabled();
      all = all && top->isEnabled();
    }
    EXPECT_EQ(any, all) << "the top menus go off and on together";
    return all;
  }
  // Plays through to the end of block `block` (0 to 679).
  void hearBlock(int block) { device.setPlayed(1500 + block * kStep); }

  ScratchDir dir;
  std::vector<std::int16_t> samples;
  std::string path;
  Languages languages;
  audio::ScriptedPlaybackDevice device;
  ScriptedPrompt prompt;
  std::unique_ptr<CMainFrame> frame;
};

TEST_F(LiveDisplays, NineLiveDisplaysInTheRealTimeMenu) {
  const auto live = liveEntries();
  ASSERT_EQ(live.size(), 9u);
  const std::map<int, int> afterEnd{{20, 0}, {21, 1}, {22, 2},  {23, 3}, {26, 6},
                                    {27, 7}, {28, 8}, {30, 10}, {31, 16}};
  QMenu* realTime = nullptr;
  for (QAction* top : frame->menuBar()->actions())
    if (top->text() == "&Real-Time") realTime = top->menu();
  ASSERT_NE(realTime, nullptr);
  for (const DisplayModeEntry* entry : live) {
    EXPECT_EQ(entry->afterEnd, afterEnd.at(entry->code)) << entry->code;
    QAction* action = frame->action(entry->command);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(realTime->actions().contains(action)) << entry->menuText;
    EXPECT_TRUE(action->isEnabled()) << entry->menuText;
  }
}

TEST_F(LiveDisplays, TheBlocksAreHandedOverWithoutTheTailAndTheMenusGoOff) {
  frame->runCommand(cmd::LiveAudioSignal);
  EXPECT_EQ(shownMode(), mode::LiveAudioSignal);
  ASSERT_TRUE(device.isPlaying());
  ASSERT_EQ(device.played.size(), 1u);
  EXPECT_EQ(device.played.back(),
            std::vector<std::int16_t>(samples.begin(), samples.begin() + kPlayed))
      << "the last " << kCount - kPlayed << " samples are not played";
  EXPECT_FALSE(menusEnabled());
  EXPECT_TRUE(frame->document().state().buffer().flags.f0Computed) << "computed before the sound";
  // Edits wait for the end; the commands that stay on stop the display first.
  EXPECT_FALSE(frame->action(cmd::Cut)->isEnabled());
}

TEST_F(LiveDisplays, TheColumnFollowsTheBlocksHeard) {
  QSignalSpy reached(&live(), &LivePlayer::columnReached);
  frame->runCommand(cmd::LiveF0);
  EXPECT_EQ(live().column(), 0) << "column 0 is drawn as the sound starts";
  device.setPlayed(1499);
  EXPECT_EQ(live().column(), 0);
  device.setPlayed(1500);
  EXPECT_EQ(live().column(), 1);
  device.setPlayed(1500 + 5 * kStep + 29);
  EXPECT_EQ(live().column(), 6);
  device.setPlayed(1500 + 678 * kStep);
  EXPECT_EQ(live().column(), 679);
  EXPECT_EQ(reached.count(), 4);
  EXPECT_TRUE(device.isPlaying());
  EXPECT_EQ(shownMode(), mode::LiveF0);

  device.setPlayed(kPlayed);  // the last block
  EXPECT_FALSE(device.isPlaying()) << "the output is closed after the 680th block";
  EXPECT_FALSE(live().playing());
  EXPECT_EQ(shownMode(), mode::F0);
  EXPECT_TRUE(menusEnabled());
}

TEST_F(LiveDisplays, ARecordingOf1500SamplesOrFewerPlaysOneBlock) {
  const std::vector<std::int16_t> shortSound(samples.begin(), samples.begin() + 1200);
  ASSERT_TRUE(frame->openFile(
      QString::fromStdString(dir.write("short.wav", testing::simpleWave(kRate, shortSound)))));
  frame->runCommand(cmd::LiveIntensity);
  ASSERT_TRUE(device.isPlaying());
  EXPECT_EQ(device.played.back(), shortSound) << "block 0 only, never past the recording";
  EXPECT_EQ(live().blocks().step, 0);
  device.setPlayed(1199);
  EXPECT_TRUE(device.isPlaying());
  device.setPlayed(1200);
  EXPECT_FALSE(device.isPlaying()) << "the 679 empty blocks complete with the first";
  EXPECT_EQ(shownMode(), mode::Intensity);
}

TEST_F(LiveDisplays, SpectrogramsDrawOnEvenColumnsOnly) {
  for (const int command : {cmd::LiveSpectrogram, cmd::LiveSpectrogramAmplitude, cmd::LiveF0}) {
    QSignalSpy reached(&live(), &LivePlayer::columnReached);
    frame->runCommand(command);
    for (int block = 0; block < 12; ++block) hearBlock(block);
    ASSERT_EQ(reached.count(), 13);
    const bool evenOnly = command != cmd::LiveF0;
    for (const QList<QVariant>& call : reached) {
      const int column = call.at(0).toInt();
      EXPECT_EQ(call.at(1).toBool(), !evenOnly || column % 2 == 0) << command << " " << column;
    }
    // What an odd column shows in the graph is what the even column before it showed.
    const LiveCanvas* canvas = live().canvas();
    ASSERT_NE(canvas, nullptr);
    QImage even(frame->view()->size(), QImage::Format_RGB32), odd = even;
    {
      QPainter a(&even), b(&odd);
      canvas->paint(a, 340);
      canvas->paint(b, 341);
    }
    const QRect graph = frame->view()->geometry().graph;
    EXPECT_EQ(even.copy(graph) == odd.copy(graph), evenOnly) << command;
    device.runOut();
  }
}

// The window repaints only what a new column changes: column after column, that must add up
// to the picture of the last column.
TEST_F(LiveDisplays, RepaintingWhatEachColumnChangesGivesTheWholePicture) {
  for (const int command : {cmd::LiveF0AndIntensity, cmd::LiveSpectrogram, cmd::LiveLpcSpectrum}) {
    frame->runCommand(command);
    const LiveCanvas* canvas = live().canvas();
    ASSERT_NE(canvas, nullptr);
    QImage step(frame->view()->size(), QImage::Format_RGB32), whole = step;
    {
      QPainter painter(&step);
      canvas->paint(painter, 300);
    }
    // The sound moves one column or a few between two repaints.
    int previous = 300;
    for (int column = 301; column <= 345; previous = column, column += (column % 3) + 1) {
      QPainter painter(&step);
      painter.setClipRect(canvas->changedArea(previous, column));
      canvas->paint(painter, column);
      if (column >= 340) {
        QPainter all(&whole);
        canvas->paint(all, column);
        all.end();
        painter.end();
        EXPECT_EQ(step, whole) << command << " at column " << column;
      }
    }
    device.runOut();
  }
}

TEST_F(LiveDisplays, EveryDisplayEndsInItsModeAfterTheEnd) {
  // Zoomed in first: the end shows the whole recording again.
  frame->document().state().pressStrip(100);
  frame->document().state().releaseStrip(300);
  frame->runCommand(cmd::Zoom);
  ASSERT_TRUE(frame->document().state().zoomed());
  for (const DisplayModeEntry* entry : liveEntries()) {
    frame->runCommand(entry->command);
    ASSERT_EQ(shownMode(), entry->code) << entry->menuText;
    device.runOut();
    EXPECT_EQ(shownMode(), entry->afterEnd) << entry->menuText;
    EXPECT_FALSE(frame->document().state().zoomed());
    EXPECT_EQ(frame->document().state().range().last, kCount);
    EXPECT_TRUE(menusEnabled());
  }
  // The spectra after the end are those of the whole recording.
  const ViewState& state = frame->document().state();
  EXPECT_EQ(
      state.spectral().powerLevels(),
      spectral::PowerSpectrum(state.buffer().samples, 0, kCount, state.spectral().powerSettings()));
}

TEST_F(LiveDisplays, ANewLiveDisplayStopsThePlayingOneFirst) {
  QSignalSpy ended(&live(), &LivePlayer::ended);
  frame->runCommand(cmd::LiveF0);
  hearBlock(100);
  frame->runCommand(cmd::LiveIntensity);
  ASSERT_EQ(ended.count(), 1);
  EXPECT_EQ(ended.at(0).at(0).toInt(), mode::F0) << "the first display ended as usual";
  EXPECT_TRUE(ended.at(0).at(1).toBool()) << "by a stop request";
  EXPECT_EQ(device.stops, 1);
  EXPECT_EQ(device.played.size(), 2u);
  EXPECT_TRUE(device.isPlaying());
  EXPECT_EQ(shownMode(), mode::LiveIntensity);
  EXPECT_EQ(live().column(), 0) << "from the start";
  EXPECT_FALSE(menusEnabled());
}

TEST_F(LiveDisplays, AnyOtherCommandStopsThePlaybackFirst) {
  frame->runCommand(cmd::LiveAudioSignal);
  hearBlock(10);
  frame->runCommand(cmd::SelectAll);
  EXPECT_FALSE(device.isPlaying());
  EXPECT_EQ(shownMode(), mode::AudioSignal);
  EXPECT_EQ(frame->document().state().selection().x2, 680) << "then the command ran";
  EXPECT_TRUE(menusEnabled());

  // "Play" only stops it, as a second press of "Play" does.
  frame->runCommand(cmd::LiveAudioSignal);
  frame->runCommand(cmd::Play);
  EXPECT_FALSE(device.isPlaying());
  EXPECT_EQ(device.played.size(), 2u);

  // Opening another file stops it too, before the samples change.
  frame->runCommand(cmd::LiveVowelSpace);
  ASSERT_TRUE(frame->openFile(QString::fromStdString(path)));
  EXPECT_FALSE(live().playing());
  EXPECT_EQ(live().canvas(), nullptr);
}

TEST_F(LiveDisplays, ALostOutputEndsTheDisplayWithItsMessage) {
  frame->runCommand(cmd::LiveF0AndIntensity);
  hearBlock(40);
  device.loseOutput();
  EXPECT_FALSE(live().playing());
  EXPECT_EQ(shownMode(), mode::F0AndIntensity);
  EXPECT_EQ(frame->lastMessage(), "Error Playing Sound File!");
  EXPECT_TRUE(menusEnabled());
}

TEST_F(LiveDisplays, AnOutputThatCannotOpenLeavesNothingPlaying) {
  device.refusal = core::MessageId::CannotOpenWaveOut;
  frame->runCommand(cmd::LivePowerSpectrum);
  EXPECT_EQ(frame->lastMessage(), "Can´t Open Waveform Output Channel!");
  EXPECT_EQ(shownMode(), mode::None);
  EXPECT_FALSE(live().playing());
  EXPECT_EQ(live().canvas(), nullptr);
  EXPECT_TRUE(menusEnabled());
}

TEST_F(LiveDisplays, ClosingTheWindowMidPlayStopsTheSoundAndFreesEverything) {
  frame->runCommand(cmd::LiveSpectrogram);
  hearBlock(200);
  EXPECT_TRUE(frame->close());
  EXPECT_FALSE(device.isPlaying());
  EXPECT_FALSE(live().playing());
  EXPECT_EQ(live().canvas(), nullptr);
  // And a window destroyed mid-play leaves the device free and quiet.
  frame->show();
  frame->runCommand(cmd::LiveLpcSpectrum);
  ASSERT_TRUE(device.isPlaying());
  frame.reset();
  EXPECT_FALSE(device.isPlaying());
  device.setPlayed(5000);
  device.runOut();
}

// Mid-play, every live display shows its analysis up to the column and the cyan cursor at
// the column in the strip. SONAREL_LIVE_SHOTS=DIR keeps the pictures.
TEST_F(LiveDisplays, MidPlayTheAnalysisAndTheCursorStandAtTheColumn) {
  const QString shots = qEnvironmentVariable("SONAREL_LIVE_SHOTS");
  for (const DisplayModeEntry* entry : liveEntries()) {
    frame->runCommand(entry->command);
    hearBlock(339);
    ASSERT_EQ(live().column(), 340);
    const QImage view = frame->view()->grab().toImage();
    // The view may be scaled to its window: logical points are looked up through its layout.
    const ScaledLayout layout = frame->view()->layout();
    const GraphGeometry& g = layout.geometry;
    const auto colourAt = [&](int x, int y) {
      return view.pixelColor(layout.toWidget(QPoint(x, y)));
    };
    EXPECT_EQ(colourAt(g.strip.left() + 340, g.strip.center().y() + 20), kLiveCursorColour)
        << entry->menuText;
    EXPECT_NE(colourAt(g.strip.left() + 341, g.strip.center().y() + 20), kLiveCursorColour);
    if (entry->liveDrawing != LiveDrawing::Frame) {
      // Something of the analysis to the left of the cursor, nothing to its right.
      const auto inked = [&](int from, int to) {
        int count = 0;
        for (int x = g.graph.left() + from; x < g.graph.left() + to; ++x)
          for (int y = g.graph.top() + 2; y < g.graph.bottom() - 2; ++y)
            if (colourAt(x, y) != Qt::white) ++count;
        return count;
      };
      EXPECT_GT(inked(300, 340), inked(400, 440) + 40) << entry->menuText;
    }
    if (!shots.isEmpty()) {
      QDir().mkpath(shots);
      frame->grab().save(shots + "/" + entry->screenshot + ".png");
    }
    device.runOut();
  }
}

}  // namespace
}  // namespace sonarel::app
