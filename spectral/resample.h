// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sampling-rate conversion by a rational factor up/down, as a cascade of stages. Each stage
// inserts L - 1 zeros after every sample, low-passes at the lower of the two Nyquist
// frequencies and keeps every M-th value; the stages together multiply the rate by up/down.
//
// - RatioFactors finds up/down (down below 1000) for a ratio of rates.
// - PlanStages splits up and down into prime factors and groups them into stages, so that no
//   stage needs a very narrow filter.
// - DesignStageFilter designs the stage's elliptic low-pass as second-order sections: 0.2 dB
//   ripple and 80 dB attenuation for factors up to 19; for factors 20 to 29 a 0.1 dB/40 dB
//   design run twice in cascade, and for 30 to 41 a 0.2/3 dB, 80/3 dB design run three times
//   (narrow single designs put their poles too close to the unit circle).
// - RunStage filters forwards, then backwards over the result, so the pair has zero phase;
//   the zero-stuffed stream is never stored.
// - Resample runs the whole cascade on 16-bit samples and ResampleToFile writes the result as
//   a 16-bit mono WAVE file through the atomic writer.
//
// All filtering is in double precision over float buffers. Failures are values: the message
// to show, or nothing for a failure with no message of its own; the caller then reports
// "Error Importing File!".

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "core/message.h"

namespace sonarel::spectral {

// The 175 primes from 2 to 1039 that up and down factors are taken from.
std::span<const int> ResamplePrimes();

// The largest up or down factor a single stage may have.
constexpr int kMaxStageFactor = 41;

struct RateFactors {
  int up = 1;
  int down = 1;
  bool operator==(const RateFactors&) const = default;
};

// The first down in 1..999 whose up = round(down × ratio) gives up/down within 1e-6 of the
// ratio; "No simple factors for ratio" when there is none.
std::variant<RateFactors, core::Message> RatioFactors(double ratio);

// One biquad: (b0 + b1 z^-1 + b2 z^-2) / (1 + a1 z^-1 + a2 z^-2).
struct FilterSection {
  double b0 = 1, b1 = 0, b2 = 0;
  double a1 = 0, a2 = 0;
};

// A stage's low-pass: `sections` applied `repeats` times in cascade.
struct StageFilter {
  std::vector<FilterSection> sections;
  int repeats = 1;
  double rippleDb = 0;       // passband ripple of one application of the sections
  double attenuationDb = 0;  // stopband attenuation of one application
};

struct ResampleStage {
  int up = 1;       // L
  int down = 1;     // M
  double fc = 0.5;  // cutoff, cycles per sample at the up-sampled rate: 0.5 / max(L, M)
};

// The stages that take the rate up/down, in order. The products of their L and M are up and
// down. Empty when up or down has a prime factor above 1039.
std::vector<ResampleStage> PlanStages(int up, int down);

// The elliptic low-pass of a stage with cutoff fc: stopband from fc, passband to 0.9 fc, even
// order, its passband ripple centred on 0 dB (at 0 Hz, half the ripple below). Refused with "Filter
// design too difficult!" when the factor 0.5 / fc is outside 2..41, and with "Filter will suffer
// from limit cycles..." when a section's poles lie too close to the unit circle.
std::variant<StageFilter, core::Message> DesignStageFilter(double fc);

// Called with the share of the work done (0..1); returning false cancels the conversion.
using ResampleProgress = std::function<bool(double)>;

// Runs one stage over `input`: count × L / M values (truncated), multiplied by L × M. Empty
// when `progress` cancels.
std::optional<std::vector<float>> RunStage(std::span<const float> input, const ResampleStage& stage,
                                           const StageFilter& filter,
                                           const ResampleProgress& progress = {});

// Why a conversion did not give samples.
struct ResampleFailure {
  std::optional<core::Message> message;  // none for a stage factor above 41 or a cancel
  bool cancelled = false;
};

// Converts `samples` at sourceRate to targetRate: the cascade's output clipped to ±32767 and
// truncated to 16 bits.
std::variant<std::vector<std::int16_t>, ResampleFailure> Resample(
    std::span<const std::int16_t> samples, int sourceRate, int targetRate,
    const ResampleProgress& progress = {});

// Resample, then a 16-bit mono WAVE file at targetRate written to targetPath through the
// atomic writer. Nothing on success. On any failure the file at targetPath is untouched.
std::optional<ResampleFailure> ResampleToFile(std::span<const std::int16_t> samples, int sourceRate,
                                              int targetRate, const std::string& targetPath,
                                              const ResampleProgress& progress = {});

}  // namespace sonarel::spectral
