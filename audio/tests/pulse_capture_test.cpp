// SPDX-License-Identifier: GPL-3.0-or-later
// The real capture path: a known sound played into a PulseAudio null sink is recorded from
// its monitor through QtCaptureDevice and the recorder, and found again in the written file.
// Run by with_pulseaudio.sh, which provides the sink "vsink" and the source "vmic".

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "audio/qt_capture_device.h"
#include "audio/wave_recorder.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"
#include "dsp/fft.h"

namespace sonarel::audio {
namespace {

constexpr std::uint32_t kRate = 44100;

// Noise smoothed over five samples: a signal no other stretch of itself resembles, kept
// well inside the 16-bit range.
std::vector<std::int16_t> knownSignal(std::size_t count) {
  const auto raw = testing::noise(count + 4, 2024);
  std::vector<std::int16_t> out(count);
  for (std::size_t i = 0; i < count; ++i) {
    int sum = 0;
    for (int k = 0; k < 5; ++k) sum += raw[i + k];
    out[i] = static_cast<std::int16_t>(sum / 20);
  }
  return out;
}

// The best normalised correlation of `part` with any stretch of `whole`.
double bestCorrelation(const std::vector<std::int16_t>& whole,
                       const std::vector<std::int16_t>& part) {
  std::size_t size = 2;
  while (size < whole.size() + part.size()) size *= 2;
  const dsp::RealFft& fft = dsp::RealFft::ofSize(size);
  dsp::AlignedVector<double> x(size, 0.0), y(size, 0.0), a(size);
  std::copy(whole.begin(), whole.end(), x.begin());
  std::copy(part.begin(), part.end(), y.begin());
  dsp::AlignedVector<dsp::Complex> bx(fft.binCount()), by(fft.binCount());
  fft.forward(x, bx);
  fft.forward(y, by);
  for (std::size_t k = 0; k < bx.size(); ++k) bx[k] *= std::conj(by[k]);
  fft.inverse(bx, a);
  std::size_t lag = 0;
  for (std::size_t l = 0; l + part.size() <= whole.size(); ++l) {
    if (a[l] > a[lag]) lag = l;
  }
  double dot = 0, ew = 0, ep = 0;
  for (std::size_t i = 0; i < part.size(); ++i) {
    dot += double(whole[lag + i]) * part[i];
    ew += double(whole[lag + i]) * whole[lag + i];
    ep += double(part[i]) * part[i];
  }
  return dot / std::sqrt(ew * ep);
}

TEST(PulseCapture, FindsThePlayedSoundInTheRecordedFile) {
  testing::ScratchDir dir;
  const auto played = knownSignal(4 * kRate);
  const std::string source = dir.file("known.wav");
  ASSERT_FALSE(
      core::writeWave(source, core::pcm16MonoFormat(kRate), std::span<const std::int16_t>(played)));

  QtCaptureDevice device("vmic");
  ASSERT_TRUE(device.available()) << "no input vmic: run through with_pulseaudio.sh";
  WaveRecorder recorder(
      device,
      RecordingJob{
          dir.file("qv001.wav"), core::FileKind::VocalQuality, 11025, dir.path().string(), {}});
  std::vector<core::Message> problems;
  QObject::connect(&recorder, &WaveRecorder::problem,
                   [&](const core::Message& m) { problems.push_back(m); });
  // Counts the samples since the played sound first came through.
  std::size_t heard = 0;
  QObject::connect(&recorder, &WaveRecorder::samplesArrived,
                   [&](const std::vector<std::int16_t>& samples) {
                     for (std::int16_t s : samples) {
                       if (heard || std::abs(s) > 50) ++heard;
                     }
                   });
  ASSERT_TRUE(recorder.start().empty());

  QProcess player;
  player.start("paplay", {"-d", "vsink", QString::fromStdString(source)});
  ASSERT_TRUE(player.waitForStarted(5000));
  QElapsedTimer clock;
  clock.start();
  while (heard < 2 * kRate && clock.elapsed() < 20000 && recorder.isRecording()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  recorder.stop();
  player.waitForFinished(10000);
  ASSERT_GE(heard, 2 * kRate) << "the played sound did not come through in time";
  for (const auto& m : problems) ADD_FAILURE() << m.text();

  const core::LoadedWave recorded = core::loadWave(dir.file("qv001.wav"));
  ASSERT_EQ(recorded.error, core::WaveError::None);
  EXPECT_EQ(recorded.format.sampleRate, kRate);
  // The two seconds after the sound came through, found in the played signal.
  auto first = std::find_if(recorded.samples.begin(), recorded.samples.end(),
                            [](std::int16_t s) { return std::abs(s) > 50; });
  ASSERT_GE(recorded.samples.end() - first, static_cast<std::ptrdiff_t>(2 * kRate));
  const std::vector<std::int16_t> part(first, first + 2 * kRate);
  const double correlation = bestCorrelation(played, part);
  ::testing::Test::RecordProperty("correlation", std::to_string(correlation));
  EXPECT_GT(correlation, 0.9);
}

TEST(PulseCapture, TheDefaultInputDeliversWholeBlocks) {
  // The server's default source is vmic; the workstation's device takes the default.
  QtCaptureDevice device;
  ASSERT_TRUE(device.available());
  ASSERT_TRUE(device.start(recorderFormat(3), blockBytes(recorderFormat(3))) == std::nullopt);
  std::size_t blocks = 0;
  QObject::connect(&device, &CaptureDevice::blockReady, [&](const QByteArray& b) {
    if (b.size() == 1324) ++blocks;
  });
  QElapsedTimer clock;
  clock.start();
  while (blocks < 5 && clock.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  EXPECT_FALSE(device.stop());
  EXPECT_GE(blocks, 5u) << "whole 60-ms blocks at 11025 Hz";
  EXPECT_FALSE(device.isRunning());
}

}  // namespace
}  // namespace sonarel::audio

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  // Qt Multimedia's PulseAudio backend sometimes crashes while its global engine is torn down
  // after main returns (about one run in six here), which would turn a passed run into a
  // failure. Every verdict is in by now, so leave without the static destructors.
  std::fflush(nullptr);
  std::_Exit(result);
}
