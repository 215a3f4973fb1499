// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clinical measures of a sustained vowel, optionally with running speech, and the
// Acoustic Voice Quality Index 03.01 made of them [M10], [MW15], [BM16] (see
// clinical_constants.h).
//
// The sound measured is the voiced parts of the speech, one after the other, followed by the
// last 3 s of the vowel (the whole vowel when it is shorter). The voiced parts are the runs
// of 10-ms cross-correlation frames that are sounding (peak within 25 dB of the speech's
// loudest frame) and periodic (correlation at least 0.45).
//
// The vowel is refused, with a message instead of numbers, when it is shorter than 1 s,
// silent (peak below -60 dBFS), or not periodic (fewer than half of its sounding frames
// reach a correlation of 0.45, as in white noise); the speech when it is silent or has no
// voiced part.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/message.h"

namespace sonarel::quality::clinical {

struct ClinicalMeasures {
  double cppsDb = 0;
  double hnrDb = 0;
  double shimmerPercent = 0;
  double shimmerDb = 0;
  double slopeDb = 0;
  double tiltDb = 0;
  double avqi = 0;
  double vowelSeconds = 0;   // of the vowel, as measured
  double speechSeconds = 0;  // of voiced speech, as measured (0 without speech)
};

struct ClinicalInput {
  std::span<const std::int16_t> vowel;
  std::string vowelName;  // for the messages
  std::optional<std::span<const std::int16_t>> speech;
  std::string speechName;
  double sampleRate = 44100.0;
};

struct ClinicalOutcome {
  std::optional<ClinicalMeasures> measures;
  std::optional<core::Message> refusal;  // set when measures is not
  std::vector<float> measured;           // the sound measured (speech parts, then the vowel)
};

// The AVQI 03.01 value of the six measures.
double avqiOf(const ClinicalMeasures& m);

// The voiced parts of `x`, one after the other.
std::vector<float> voicedParts(std::span<const float> x, double sampleRate);

ClinicalOutcome measureClinical(const ClinicalInput& input);

}  // namespace sonarel::quality::clinical
