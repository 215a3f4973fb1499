// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "core/sample_buffer.h"
#include "core/wave_format.h"
#include "quality/glottal_pulses.h"
#include "quality/segment_table.h"
#include "quality/tests/synthetic_vowel.h"

namespace {

using namespace sonarel;

// A 10-s sustained vowel with healthy-like perturbation: the usual vocal-quality recording.
const std::vector<std::int16_t>& sustainedVowel() {
  static const std::vector<std::int16_t> samples = [] {
    testing::VowelRecipe recipe = testing::healthyLikeVowel();
    recipe.seconds = 10;
    return testing::syntheticVowel(recipe);
  }();
  return samples;
}

// Everything a first vocal-quality command costs: pulses, segments, the segment analysis.
void BM_AnalyseVocalQuality10s(benchmark::State& state) {
  core::SampleBuffer recording;
  recording.samples = sustainedVowel();
  recording.format = core::pcm16MonoFormat(44100);
  quality::VocalQualitySettings settings;
  settings.useCache = false;
  for (auto _ : state) {
    quality::SegmentTable table;
    recording.flags.clear();
    quality::analyseVocalQuality(recording, table, settings);
    benchmark::DoNotOptimize(table.segments.data());
  }
}
BENCHMARK(BM_AnalyseVocalQuality10s)->Unit(benchmark::kMillisecond);

void BM_DetectGlottalPulses10s(benchmark::State& state) {
  for (auto _ : state) {
    auto pulses = quality::detectGlottalPulses(sustainedVowel(), 44100);
    benchmark::DoNotOptimize(pulses.data());
  }
}
BENCHMARK(BM_DetectGlottalPulses10s)->Unit(benchmark::kMillisecond);

}  // namespace
