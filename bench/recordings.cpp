// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/recordings.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>
#include <random>
#include <vector>

#include "core/wave_file.h"

namespace sonarel::bench {

const std::string& benchRecording(int seconds, int rate) {
  static std::map<std::pair<int, int>, std::string> made;
  auto& path = made[{seconds, rate}];
  if (!path.empty()) return path;
  path = (std::filesystem::temp_directory_path() /
          ("sonarel-bench-" + std::to_string(seconds) + "s-" + std::to_string(rate) + ".wav"))
             .string();
  const std::size_t count = static_cast<std::size_t>(seconds) * rate;
  // Made by an earlier run: the content depends on nothing but the seed, and making it again
  // would take a second or more of sines in every profile of a benchmark.
  std::error_code error;
  const auto bytes = std::filesystem::file_size(path, error);
  if (!error && bytes > 2 * count && bytes < 2 * count + 100) return path;
  std::vector<std::int16_t> samples(count);
  std::mt19937 random(7);
  std::normal_distribution<double> noise(0.0, 200.0);
  double phase = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double f0 = 150.0 + 40.0 * std::sin(2 * M_PI * 0.3 * t);
    phase += f0 / rate;
    const double voiced = std::fmod(t, 2.0) < 1.6 ? 1.0 : 0.0;
    double v = 0;
    for (int h = 1; h <= 8; ++h) v += std::sin(2 * M_PI * h * phase) / h;
    samples[i] = static_cast<std::int16_t>(std::lround(voiced * 6000.0 * v + noise(random)));
  }
  core::writeWave(path, core::pcm16MonoFormat(static_cast<std::uint32_t>(rate)), samples);
  return path;
}

}  // namespace sonarel::bench
