#include "spectral/windows.h"

#include <cmath>

namespace sonarel::spectral {

float HammingWeight(std::size_t n, std::size_t length) {
  if (length < 2) return 1.0f;  // no window fits one sample; leave it as it is
  const double twoPi = 8.0 * std::atan(1.0);
  const double phase = static_cast<double>(n) * twoPi / static_cast<double>(length - 1);
  return static_cast<float>(0.54 - 0.46 * std::cos(phase));
}

void ApplyHamming(float* samples, std::size_t length) {
  for (std::size_t n = 0; n < length; ++n) samples[n] *= HammingWeight(n, length);
}

}  // namespace sonarel::spectral
