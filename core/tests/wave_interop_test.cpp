// SPDX-License-Identifier: GPL-3.0-or-later
// Files made by sox read back sample-exact, and files we write are read by sox with the
// right format and samples. Skipped (and reported as skipped) where sox is not installed.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"

namespace sonarel::core {
namespace {

using testing::ScratchDir;

std::string run(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    pclose(pipe);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

bool haveSox() {
  return std::system("command -v sox >/dev/null 2>&1 && command -v soxi >/dev/null 2>&1") == 0;
}

std::vector<std::int16_t> soxRawSamples(const std::string& wav, const ScratchDir& dir) {
  const std::string raw = dir.file("samples.raw");
  run("sox '" + wav + "' -t raw -e signed-integer -b 16 -L '" + raw + "'");
  const auto bytes = testing::readBytes(raw);
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
  }
  return samples;
}

TEST(SoxInterop, ReadsWhatSoxWrites) {
  if (!haveSox()) GTEST_SKIP() << "sox is not installed";
  ScratchDir dir;
  for (int rate : {8000, 11025, 16000, 22050, 44100, 48000}) {
    for (bool comment : {false, true}) {
      const std::string wav = dir.file("sox" + std::to_string(rate) + ".wav");
      const std::string extra = comment ? " --comment 'a LIST chunk before the data'" : "";
      run("sox -n -r " + std::to_string(rate) + " -b 16 -c 1 -e signed-integer" + extra + " '" +
          wav + "' synth 0.4 sine 333 gain -3");
      LoadedWave wave = loadWave(wav);
      ASSERT_EQ(wave.error, WaveError::None) << wav << " " << waveErrorHex(wave.error);
      EXPECT_EQ(wave.format.sampleRate, static_cast<std::uint32_t>(rate));
      EXPECT_EQ(wave.format.channels, 1);
      EXPECT_EQ(wave.format.bitsPerSample, 16);
      EXPECT_EQ(wave.samples, soxRawSamples(wav, dir)) << rate << " Hz, comment " << comment;
      EXPECT_EQ(wave.samples.size(), static_cast<std::size_t>(rate * 2 / 5));
    }
  }
}

TEST(SoxInterop, SoxReadsWhatWeWrite) {
  if (!haveSox()) GTEST_SKIP() << "sox is not installed";
  ScratchDir dir;
  for (std::uint32_t rate : {11025u, 22050u, 44100u}) {
    const auto samples = testing::noise(rate / 3, rate);
    const std::string wav = dir.file("ours" + std::to_string(rate) + ".wav");
    ASSERT_FALSE(writeWave(wav, pcm16MonoFormat(rate), samples));
    EXPECT_EQ(run("soxi -r '" + wav + "'"), std::to_string(rate));
    EXPECT_EQ(run("soxi -c '" + wav + "'"), "1");
    EXPECT_EQ(run("soxi -b '" + wav + "'"), "16");
    EXPECT_EQ(run("soxi -s '" + wav + "'"), std::to_string(samples.size()));
    EXPECT_EQ(soxRawSamples(wav, dir), samples) << rate;
  }
}

}  // namespace
}  // namespace sonarel::core
