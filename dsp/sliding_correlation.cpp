#include "dsp/sliding_correlation.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace sonarel::dsp {

void slidingCorrelation(std::span<const float> x, std::size_t length, std::size_t firstLag,
                        std::span<double> rho) {
  if (rho.empty()) return;
  assert(x.size() >= firstLag + rho.size() - 1 + length);
  double e0 = 0;
  for (std::size_t n = 0; n < length; ++n) e0 += double(x[n]) * x[n];
  double eLag = 0;
  for (std::size_t n = 0; n < length; ++n) eLag += double(x[firstLag + n]) * x[firstLag + n];
  for (std::size_t i = 0; i < rho.size(); ++i) {
    const std::size_t lag = firstLag + i;
    if (i > 0) {  // one sample leaves the shifted stretch, one enters it
      const double out = x[lag - 1], in = x[lag - 1 + length];
      eLag += in * in - out * out;
    }
    double dot = 0;
    const float* b = x.data() + lag;
    for (std::size_t n = 0; n < length; ++n) dot += double(x[n]) * b[n];
    const double norm = std::sqrt(e0 * std::max(eLag, 0.0));
    rho[i] = norm > 0 ? dot / norm : 0.0;
  }
}

}  // namespace sonarel::dsp
