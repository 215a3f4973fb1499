// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The autocorrelation of a frame by FFT: the transform, its squared magnitudes and the inverse
// transform. One object per thread holds the buffers; the plans are the shared ones of fft.h.

#include <cstddef>
#include <span>

#include "dsp/fft.h"

namespace sonarel::dsp {

class FftAutocorrelation {
 public:
  // `size`: the transform size; a frame of L samples zero-padded to at least L + maxLag gives
  // the linear autocorrelation up to maxLag.
  explicit FftAutocorrelation(std::size_t size);

  std::size_t size() const { return input_.size(); }

  // The frame to transform: the caller writes its samples and the zero padding.
  std::span<double> input() { return input_; }

  // size() times the circular autocorrelation of input(), lags 0 .. size()-1. input() is kept.
  std::span<const double> compute();

 private:
  const RealFft& fft_;
  AlignedVector<double> input_;
  AlignedVector<Complex> bins_;
  AlignedVector<double> output_;
};

}  // namespace sonarel::dsp
