// SPDX-License-Identifier: GPL-3.0-or-later
// A live display played through a real output: a PulseAudio null sink (with_pulseaudio.sh
// provides "vsink"). The sink's monitor is recorded beside the playback; tone bursts at known
// places in the recording tell when each sample was heard, and the column the display reached
// is compared with the samples heard by then.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>

#include "app/drawing/display_modes.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "app/views/live_display.h"
#include "audio/qt_playback_device.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint32_t kRate = 11025;
constexpr double kMonitorRate = 44100;
constexpr int kBursts = 20;

double seconds(Clock::time_point t) {
  return std::chrono::duration<double>(t.time_since_epoch()).count();
}

// Silence with a 25-ms 1-kHz burst every half second from 0.25 s: ten seconds.
std::vector<std::int16_t> bursts() {
  std::vector<std::int16_t> out(10 * kRate, 0);
  for (int k = 0; k < kBursts; ++k) {
    const auto start = static_cast<std::size_t>((0.25 + 0.5 * k) * kRate);
    for (std::size_t i = 0; i < kRate / 40; ++i)
      out[start + i] = static_cast<std::int16_t>(20000 * std::sin(2 * M_PI * 1000.0 * i / kRate));
  }
  return out;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

TEST(LivePulse, TheDrawnColumnFollowsThePlayedSamples) {
  testing::ScratchDir dir;
  const std::string path = dir.write("voice.wav", testing::simpleWave(kRate, bursts()));
  Languages languages;
  languages.apply(Language::English);
  audio::QtPlaybackDevice device;
  ScriptedPrompt prompt;
  CMainFrame frame(FrameOptions{QString::fromStdString(dir.path().string()), &prompt}, languages,
                   &device);
  frame.resize(1024, 768);
  frame.show();
  ASSERT_TRUE(frame.openFile(QString::fromStdString(path)));

  // The monitor, recorded with a short latency; each delivery is timed as it arrives.
  QProcess monitor;
  std::vector<std::int16_t> heard;
  std::vector<std::pair<double, std::size_t>> deliveries;  // time, samples heard by then
  QByteArray pending;
  QObject::connect(&monitor, &QProcess::readyReadStandardOutput, [&] {
    const double now = seconds(Clock::now());
    pending += monitor.readAllStandardOutput();
    const qsizetype whole = pending.size() / 2 * 2;
    const auto* s = reinterpret_cast<const std::int16_t*>(pending.constData());
    heard.insert(heard.end(), s, s + whole / 2);
    pending.remove(0, whole);
    deliveries.emplace_back(now, heard.size());
  });
  monitor.start("pacat", {"-r", "-d", "vsink.monitor", "--latency-msec=5", "--rate=44100",
                          "--channels=1", "--format=s16le", "--raw"});
  ASSERT_TRUE(monitor.waitForStarted(5000));
  // pacat takes a second or so to start delivering; then a little more for a steady flow.
  QElapsedTimer waiting;
  waiting.start();
  while (heard.size() < kMonitorRate / 2 && waiting.elapsed() < 10000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  ASSERT_GE(heard.size(), kMonitorRate / 2) << "the monitor delivers nothing";

  std::vector<std::pair<double, int>> reached;  // time, column
  LivePlayer& live = frame.livePlayer();
  QObject::connect(&live, &LivePlayer::columnReached,
                   [&](int column, bool) { reached.emplace_back(seconds(Clock::now()), column); });
  QEventLoop playing;
  QObject::connect(&live, &LivePlayer::ended, &playing, &QEventLoop::quit);
  QTimer::singleShot(30000, &playing, &QEventLoop::quit);
  frame.runCommand(cmd::LiveAudioSignal);
  ASSERT_TRUE(live.playing()) << frame.lastMessage().toStdString();
  const LiveBlocks blocks = live.blocks();
  playing.exec();
  EXPECT_FALSE(live.playing()) << "the display did not end";
  EXPECT_EQ(frame.document().state().displayMode(), mode::AudioSignal);
  QEventLoop tail;
  QTimer::singleShot(300, &tail, &QEventLoop::quit);
  tail.exec();
  monitor.kill();
  monitor.waitForFinished(3000);

  // When monitor sample j was heard: the earliest delivery bounds it best.
  double origin = 1e300;
  for (const auto& [time, count] : deliveries)
    origin = std::min(origin, time - count / kMonitorRate);
  // The bursts' onsets give when recording sample 0 was heard.
  std::vector<double> starts;
  std::size_t last = 0;
  for (std::size_t j = 0; j < heard.size() && starts.size() < kBursts; ++j) {
    if (std::abs(heard[j]) < 3000 || (!starts.empty() && j < last + kMonitorRate / 4)) continue;
    last = j;
    const double played = (0.25 + 0.5 * static_cast<double>(starts.size()));
    starts.push_back(origin + j / kMonitorRate - played);
  }
  ASSERT_EQ(starts.size(), static_cast<std::size_t>(kBursts)) << "the bursts were not all heard";
  const double soundStart = median(starts);
  const auto [early, late] = std::minmax_element(starts.begin(), starts.end());
  EXPECT_LT(*late - *early, 0.010) << "the bursts keep to one clock";

  // Column c is reached once block c - 1 has been heard.
  std::vector<double> lags;
  for (const auto& [time, column] : reached) {
    if (column == 0) continue;
    const double due = soundStart + (blocks.first + (column - 1) * blocks.step) / double(kRate);
    lags.push_back(time - due);
  }
  ASSERT_GT(lags.size(), 600u) << "columns reached";
  std::vector<double> absolute(lags.size());
  std::transform(lags.begin(), lags.end(), absolute.begin(), [](double l) { return std::abs(l); });
  const double worst = *std::max_element(absolute.begin(), absolute.end());
  const auto [minLag, maxLag] = std::minmax_element(lags.begin(), lags.end());
  std::cout << "column lag behind the heard samples over " << lags.size() << " columns: median "
            << median(lags) * 1000 << " ms, from " << *minLag * 1000 << " to " << *maxLag * 1000
            << " ms (worst " << worst * 1000 << " ms); bursts spread " << (*late - *early) * 1000
            << " ms\n";
  ::testing::Test::RecordProperty("median_lag_ms", std::to_string(median(lags) * 1000));
  ::testing::Test::RecordProperty("worst_lag_ms", std::to_string(worst * 1000));
  EXPECT_LT(worst, 0.050);
}

}  // namespace
}  // namespace sonarel::app

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
