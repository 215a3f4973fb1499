// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Butterworth IIR filters over 16-bit samples: the band-pass pre-filter of the
// autocorrelation pitch tracker and the recorder's noise-reduction filter.
//
// Design: an even-order analogue low-pass prototype, mapped by the bilinear transform to
// second-order digital sections of unit gain at 0 Hz; high-pass, band-pass and band-stop
// filters then substitute z^-1 in every section by Constantinides' all-pass
// transformations (high-pass sections stay second order, band sections become fourth
// order). Running: the sections in cascade, each in direct form II with its own state.

#include <cstdint>
#include <memory>
#include <span>
#include <variant>
#include <vector>

#include "core/message.h"

namespace sonarel::core {

enum class FilterType : int {
  LowPass = 1,
  HighPass = 2,
  BandPass = 3,
  BandStop = 4,
};

// One section: b[0..order] over a[0..order] in powers of z^-1, a[0] = 1, with its state.
struct FilterSection {
  std::vector<double> b;
  std::vector<double> a;
  std::vector<double> state;  // w[n-1], w[n-2], ...
};

struct ButterworthFilter {
  std::vector<FilterSection> sections;
};

// The filter owns its sections and their state; releasing it is destroying it.
using ButterworthHandle = std::unique_ptr<ButterworthFilter>;

// `type` is 1..4 as FilterType; `order` even, at most 10; f1 (and f2 for the band types) in
// Hz. Low-pass and high-pass cut off at f1; band-pass and band-stop span f1..f2. Refusals,
// checked in this order: "filter: unknown filter type", "filter: order of filter too large",
// "filter: filter order must be even", "filter: frequencies out of range" (a rate of 0 or
// less, or edges outside 0 <= f1 < f2 < rate/2; f1 > 0 for low- and high-pass). Order 0
// designs a filter that passes the samples through unchanged.
std::variant<ButterworthHandle, MessageId> designButterworth(int type, int order, double f1,
                                                             double f2, double sampleRate);

// Filters `count` samples from `input` into `output` (which may be the same array), carrying
// the state of the filter on. Each output is truncated toward zero and kept within the
// 16-bit range.
void runButterworth(ButterworthFilter& filter, const std::int16_t* input, std::int16_t* output,
                    std::size_t count);
void runButterworth(ButterworthFilter& filter, std::span<std::int16_t> samples);

// Releases the filter now (the handle is empty afterwards); destroying the handle does the same.
void releaseButterworth(ButterworthHandle& filter);

// The magnitude of the filter's response at `hz`, for checking a design.
double butterworthGain(const ButterworthFilter& filter, double hz, double sampleRate);

// A real value truncated toward zero and saturated to the 16-bit range; NaN gives 0.
std::int16_t saturateToInt16(double value);

}  // namespace sonarel::core
