// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "spectral/spectrogram.h"

namespace sonarel::spectral {

namespace {

constexpr float kScale = 240.0f;

// One component of the HLS conversion: where `hue` lies on the ramp between m1 and m2.
float hueComponent(float m1, float m2, int hue) {
  if (hue < 0) hue += 240;
  if (hue > 240) hue -= 240;
  if (hue < 40) return m1 + static_cast<int>(((m2 - m1) * hue + 20.0f) / 40.0f);
  if (hue < 120) return m2;
  if (hue < 160) return m1 + static_cast<int>(((m2 - m1) * (160 - hue) + 20.0f) / 40.0f);
  return m1;
}

std::uint8_t component(float value) {
  const int scaled = static_cast<int>((value * 255.0f + 120.0f) / kScale);
  return static_cast<std::uint8_t>(std::clamp(scaled, 0, 255));
}

}  // namespace

Rgb HlsToRgb(float hue, int lightness, int saturation) {
  if (saturation == 0) {
    const auto grey =
        static_cast<std::uint8_t>(std::clamp(static_cast<int>(lightness * 255 / kScale), 0, 255));
    return {grey, grey, grey};
  }
  const float l = static_cast<float>(lightness);
  const float s = static_cast<float>(saturation);
  const float m2 = lightness <= 120 ? static_cast<int>((l * (kScale + s) + 120.0f) / kScale)
                                    : l + s - static_cast<int>((l * s + 120.0f) / kScale);
  const float m1 = 2.0f * l - m2;
  return {component(hueComponent(m1, m2, static_cast<int>(hue + 80.0f))),
          component(hueComponent(m1, m2, static_cast<int>(hue))),
          component(hueComponent(m1, m2, static_cast<int>(hue - 80.0f)))};
}

Palette SpectrogramPalette(int contrast, bool blackAndWhite) {
  const int n = std::clamp(contrast, 2, kPaletteSize);
  Palette palette{};
  if (blackAndWhite) {
    palette.fill(Rgb{255, 255, 255});
    for (int i = 0; i < n; ++i)
      palette[static_cast<std::size_t>(i)] =
          HlsToRgb(0.0f, static_cast<int>(static_cast<float>(i) * 240.0f / n), 0);
    return palette;
  }
  // From black at entry n-1 up to light blue, then round the hue circle to the loudest entry.
  const int h = n / 2;
  for (int i = 0; i < h; ++i)
    palette[static_cast<std::size_t>(n - 1 - i)] =
        HlsToRgb(150.0f, static_cast<int>(static_cast<float>(i) * 160.0f / h), 240);
  const int top = static_cast<int>(static_cast<float>(h) * (160.0f / static_cast<float>(h)));
  for (int i = h; i < n; ++i)
    palette[static_cast<std::size_t>(i - h)] =
        HlsToRgb(static_cast<float>(i) * 150.0f / n, top, 240);
  return palette;
}

}  // namespace sonarel::spectral
