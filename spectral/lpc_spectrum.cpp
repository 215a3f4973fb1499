// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectral/lpc_spectrum.h"

#include <algorithm>
#include <cmath>

#include "spectral/windows.h"

namespace sonarel::spectral {

LpcStatus LpcEnvelope(const std::int16_t* samples, std::int64_t count, float* output, int order,
                      SpectrumWindow window, DitherSource& dither) {
  if (count < 2) return LpcStatus::ZeroEnergy;
  const auto length = static_cast<std::size_t>(count);
  std::vector<float> signal(samples, samples + length);
  const bool hamming = window == SpectrumWindow::Hamming;
  if (hamming) ApplyHamming(signal.data(), length);
  // Whole-number dither, uniform over 0..54 after the window or 0..549 on raw samples.
  const std::uint32_t spread = hamming ? 55 : 550;
  for (float& value : signal) value += static_cast<float>(dither() % spread);

  LpcFilter filter;
  const LpcResult fit = LpcAnalysis(signal.data(), length - 1, order, filter);
  if (fit.status != LpcStatus::Success) return fit.status;

  const float offset = hamming ? 31.5f : 41.5f;
  for (int i = 0; i < kLpcSpectrumPoints; ++i) {
    const double f = i * 0.5 / kLpcSpectrumPoints;
    const double magnitude = LpcMagnitude(filter, f);
    const double level = magnitude >= 0.00001 ? 20.0 * std::log10(magnitude) : -100.0;
    output[i] = static_cast<float>(level) + offset;
  }
  return LpcStatus::Success;
}

LpcSpectrumResult LpcSpectrum(std::span<const std::int16_t> samples, std::int64_t first,
                              std::int64_t end, const LpcSettings& settings, DitherSource& dither) {
  const auto count = static_cast<std::int64_t>(samples.size());
  first = std::clamp<std::int64_t>(first, 0, count);
  end = std::min(end, count);
  if (end - first < kLpcMinimumSamples) {
    return {core::Message{core::MessageId::LpcNoAvailablePoints}, {}};
  }
  std::vector<float> levels(kLpcSpectrumPoints, 0.0f);
  const LpcStatus status = LpcEnvelope(samples.data() + first, end - first, levels.data(),
                                       settings.order, settings.window, dither);
  if (status != LpcStatus::Success)
    return {core::Message{core::MessageId::LpcCalculationError}, {}};
  return {std::nullopt, std::move(levels)};
}

}  // namespace sonarel::spectral
