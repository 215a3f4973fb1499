// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the graded synthetic vowels that compare our jitter and shimmer with another
// analyser's: sonarel_graded_vowels DIR writes DIR/NAME.wav for each voice and lists
// "NAME jitter shimmer snr_db" in DIR/voices.txt.

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "core/atomic_file.h"
#include "core/wave_file.h"
#include "quality/tests/synthetic_vowel.h"

namespace {

struct Graded {
  std::string name;
  sonarel::testing::VowelRecipe recipe;
};

std::vector<Graded> gradedVoices() {
  std::vector<Graded> voices;
  auto add = [&](const char* name, double jitter, double shimmer, double snr, unsigned seed) {
    sonarel::testing::VowelRecipe r;
    r.jitter = jitter;
    r.shimmer = shimmer;
    r.snrDb = snr;
    r.seed = seed;
    r.seconds = 2.0;
    voices.push_back({name, r});
  };
  const double clean = std::numeric_limits<double>::infinity();
  // Jitter grades with a little shimmer, shimmer grades with a little jitter, so that
  // neither measure sits at its floor, and three mixed voices with noise.
  add("j010", 0.001, 0.01, clean, 11);
  add("j025", 0.0025, 0.01, clean, 12);
  add("j050", 0.005, 0.01, clean, 13);
  add("j100", 0.01, 0.01, clean, 14);
  add("j200", 0.02, 0.01, clean, 15);
  add("j400", 0.04, 0.01, clean, 16);
  add("s010", 0.001, 0.01, clean, 21);
  add("s030", 0.001, 0.03, clean, 22);
  add("s060", 0.001, 0.06, clean, 23);
  add("s100", 0.001, 0.10, clean, 24);
  add("s150", 0.001, 0.15, clean, 25);
  add("s200", 0.001, 0.20, clean, 26);
  add("m1", 0.003, 0.03, 30, 31);
  add("m2", 0.008, 0.06, 25, 32);
  add("m3", 0.015, 0.12, 20, 33);
  return voices;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sonarel_graded_vowels DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  std::string list;
  for (const Graded& voice : gradedVoices()) {
    const auto samples = sonarel::testing::syntheticVowel(voice.recipe);
    const std::string path = dir + "/" + voice.name + ".wav";
    if (auto failed =
            sonarel::core::writeWave(path, sonarel::core::pcm16MonoFormat(44100), samples)) {
      std::fprintf(stderr, "%s\n", failed->text().c_str());
      return 1;
    }
    char row[128];
    std::snprintf(row, sizeof row, "%s %.4f %.4f %.1f\n", voice.name.c_str(), voice.recipe.jitter,
                  voice.recipe.shimmer, voice.recipe.snrDb);
    list += row;
  }
  if (!sonarel::core::writeFileAtomically(dir + "/voices.txt", list)) return 1;
  return 0;
}
