// SPDX-License-Identifier: GPL-3.0-or-later
#include "dsp/autocorrelation.h"

namespace sonarel::dsp {

FftAutocorrelation::FftAutocorrelation(std::size_t size)
    : fft_(RealFft::ofSize(size)), input_(size, 0.0), bins_(size / 2 + 1), output_(size) {}

std::span<const double> FftAutocorrelation::compute() {
  fft_.forward(input_, bins_);
  for (Complex& bin : bins_) bin = std::norm(bin);
  fft_.inverse(bins_, output_);
  return output_;
}

}  // namespace sonarel::dsp
