// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/windows.h"

#include "dsp/windows.h"

namespace sonarel::spectral {

float HammingWeight(std::size_t n, std::size_t length) {
  return static_cast<float>(dsp::hammingWeight(n, length));
}

void ApplyHamming(float* samples, std::size_t length) {
  for (std::size_t n = 0; n < length; ++n) samples[n] *= HammingWeight(n, length);
}

}  // namespace sonarel::spectral
