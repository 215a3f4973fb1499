// SPDX-License-Identifier: GPL-3.0-or-later
// Truncated and randomly damaged files never crash the reader, never make it read or
// allocate past the file, and always give either a known error or a plausible buffer.

#include <gtest/gtest.h>

#include <random>

#include "core/sample_buffer.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"

namespace sonarel::core {
namespace {

using testing::Bytes;
using testing::chunk;

bool knownError(WaveError e) {
  switch (e) {
    case WaveError::None:
    case WaveError::OutOfMemory:
    case WaveError::CannotOpen:
    case WaveError::NotWaveFile:
    case WaveError::CannotRead:
    case WaveError::CorruptFile:
      return true;
    default:
      return false;
  }
}

Bytes richWave() {
  Bytes fmt = testing::fmtBody(22050, 1, 16, 0xFFFE);
  testing::append16(fmt, 6);
  fmt.insert(fmt.end(), {1, 2, 3, 4, 5, 6});
  return testing::riffWave({chunk("fmt ", fmt), chunk("LIST", Bytes(9, 'x')),
                            chunk("data", testing::pcmBytes(testing::noise(40, 1))),
                            chunk("JUNK", Bytes(3, 0))});
}

void checkLoads(const testing::ScratchDir& dir, const Bytes& bytes, const std::string& what) {
  const auto path = dir.write("case.wav", bytes);
  LoadedWave wave = loadWave(path);
  ASSERT_TRUE(knownError(wave.error)) << what << ": " << waveErrorHex(wave.error);
  if (wave.error != WaveError::None) {
    EXPECT_TRUE(wave.samples.empty()) << what;
  } else {
    EXPECT_LE(wave.samples.size() * 2, bytes.size()) << what;
    EXPECT_LE(wave.format.extra.size(), bytes.size()) << what;
  }
  SampleBuffer buffer;
  buffer.kind = kindForRate(wave.format.sampleRate);
  if (openSoundFile(buffer, path)) {
    EXPECT_FALSE(buffer.loaded()) << what;
  } else {
    EXPECT_EQ(buffer.range.last, buffer.count()) << what;
  }
}

TEST(WaveRobustness, EveryTruncationIsHandled) {
  testing::ScratchDir dir;
  const Bytes whole = richWave();
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    checkLoads(dir, Bytes(whole.begin(), whole.begin() + static_cast<long>(length)),
               "truncated to " + std::to_string(length));
  }
}

TEST(WaveRobustness, RandomDamageIsHandled) {
  testing::ScratchDir dir;
  const Bytes whole = richWave();
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 4000; ++round) {
    Bytes damaged = whole;
    std::uniform_int_distribution<std::size_t> at(0, damaged.size() - 1);
    const int kind = round % 4;
    if (kind == 0) {  // scattered byte changes
      for (int i = 0; i < 1 + round % 7; ++i)
        damaged[at(random)] = static_cast<std::uint8_t>(byte(random));
    } else if (kind == 1) {  // a size field (or anything) replaced by a large number
      const std::size_t pos = at(random) & ~std::size_t{3};
      for (std::size_t i = 0; i < 4 && pos + i < damaged.size(); ++i) {
        damaged[pos + i] =
            static_cast<std::uint8_t>(i == 3 ? 0x7F + byte(random) % 0x81 : byte(random));
      }
    } else if (kind == 2) {  // damage then truncation
      damaged[at(random)] ^= 0xFF;
      damaged.resize(at(random));
    } else {  // inserted garbage
      const auto pos = static_cast<long>(at(random));
      damaged.insert(damaged.begin() + pos, static_cast<std::size_t>(1 + byte(random) % 16),
                     static_cast<std::uint8_t>(byte(random)));
    }
    checkLoads(dir, damaged, "round " + std::to_string(round));
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace sonarel::core
