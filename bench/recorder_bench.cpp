// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "audio/scripted_capture_device.h"
#include "audio/wave_recorder.h"

namespace {

using namespace sonarel;

std::string scratchFolder() {
  const auto folder = std::filesystem::temp_directory_path() / "sonarel-recorder-bench";
  std::filesystem::create_directories(folder);
  return folder.string();
}

std::vector<std::int16_t> voice(std::size_t count, double rate) {
  std::vector<std::int16_t> out(count);
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * 180 * i / rate));
  }
  return out;
}

// What each 60-ms block of a 44100 Hz recording costs the window's thread: the gain and the
// flushed append to grav.tmp (the settling second passes in the first iterations).
void BM_RecordBlock44100WithGain(benchmark::State& state) {
  const std::string folder = scratchFolder();
  audio::ScriptedCaptureDevice device;
  audio::WaveRecorder recorder(
      device, {folder + "/qv001.wav", core::FileKind::VocalQuality, 11025, folder, {true, 0, 2}});
  recorder.start();
  const auto block = voice(audio::blockBytes(recorder.format()) / 2, 44100);
  for (auto _ : state) {
    device.hear(block);
    if (!recorder.isRecording()) {  // the two-minute limit: start again
      state.PauseTiming();
      recorder.start();
      state.ResumeTiming();
    }
  }
  recorder.stop();
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size() * 2));
}
BENCHMARK(BM_RecordBlock44100WithGain)->Unit(benchmark::kMicrosecond);

// The pause after Stop for the longest voice-analysis recording: the 120 s read back from
// grav.tmp (a copy here), the noise filter and the WAVE file.
void BM_FinishRecording120s22050Filtered(benchmark::State& state) {
  const std::string folder = scratchFolder();
  const auto samples = voice(120 * 22050, 22050);
  std::vector<std::uint8_t> bytes(samples.size() * 2);
  std::memcpy(bytes.data(), samples.data(), bytes.size());
  const audio::PendingRecording pending{folder + "/wv001.wav", 22050, core::FileKind::VoiceAnalysis,
                                        125};
  for (auto _ : state) {
    benchmark::DoNotOptimize(audio::finishSpooledRecording(folder, pending, bytes));
  }
}
BENCHMARK(BM_FinishRecording120s22050Filtered)->Unit(benchmark::kMillisecond);

}  // namespace
