// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/power_spectrum.h"

#include <algorithm>
#include <cmath>

#include "spectral/fft_kernels.h"
#include "spectral/windows.h"

namespace sonarel::spectral {

int PowerSpectrumHop(int fftSize) {
  return static_cast<int>(fftSize * 0.390625);
}

std::int64_t PowerSpectrumFrames(std::int64_t length, int fftSize) {
  const int hop = PowerSpectrumHop(fftSize);
  if (hop <= 0 || length < fftSize) return 0;
  // The count is formed in single precision; past 2^24 samples that may round up by one, so
  // it is held to the frames that really fit.
  const auto rounded = static_cast<std::int64_t>(static_cast<float>(length - fftSize + hop) /
                                                 static_cast<float>(hop));
  const std::int64_t fitting = (length - fftSize) / hop + 1;
  return std::clamp<std::int64_t>(rounded, 0, fitting);
}

std::vector<float> PowerSpectrum(std::span<const std::int16_t> samples, std::int64_t first,
                                 std::int64_t end, const PowerSpectrumSettings& settings) {
  const int n = settings.fftSize;
  const int order = FftOrderOf(static_cast<std::size_t>(std::max(n, 0)));
  if (order < 1 || order > kMaxComplexFftOrder) return {};
  const auto size = static_cast<std::size_t>(n);
  std::vector<float> sums(size, 0.0f);

  first = std::clamp<std::int64_t>(first, 0, static_cast<std::int64_t>(samples.size()));
  end = std::clamp<std::int64_t>(end, first, static_cast<std::int64_t>(samples.size()));
  const std::int64_t frames = PowerSpectrumFrames(end - first, n);
  const int hop = PowerSpectrumHop(n);

  // The Hamming weights once for all frames: the same values ApplyHamming multiplies by.
  std::vector<float> weights;
  if (settings.window == SpectrumWindow::Hamming) {
    weights.resize(size);
    for (std::size_t i = 0; i < size; ++i) weights[i] = HammingWeight(i, size);
  }
  std::vector<float> re(size), im(size), powers(size / 2);
  for (std::int64_t f = 0; f < frames; ++f) {
    const std::int16_t* frame = samples.data() + first + f * hop;
    std::copy(frame, frame + n, re.begin());
    std::fill(im.begin(), im.end(), 0.0f);
    for (std::size_t i = 0; i < weights.size(); ++i) re[i] *= weights[i];
    ComplexFft(re.data(), im.data(), order, 1);
    BinPowers(re.data(), im.data(), powers.data(), size / 2);
    for (std::size_t k = 0; k < size / 2; ++k) sums[k] += powers[k];
  }

  const float sizeTerm = 9.0f * (2.0f * std::log10(static_cast<float>(n)));
  for (std::size_t k = 0; k < size / 2; ++k) {
    if (sums[k] == 0.0f) continue;
    sums[k] =
        static_cast<float>(10.0 * std::log10(sums[k] / static_cast<double>(frames))) - sizeTerm;
  }
  return sums;
}

}  // namespace sonarel::spectral
