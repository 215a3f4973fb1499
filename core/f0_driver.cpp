// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/f0_driver.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>
#include <variant>
#include <vector>

#include "core/amdf.h"
#include "core/butterworth.h"
#include "core/intensity.h"
#include "core/rapt.h"
#include "core/srpd.h"
#include "core/voicing.h"

namespace sonarel::core {
namespace {

constexpr double kPreFilterLow = 40;     // Hz
constexpr double kPreFilterHigh = 2000;  // Hz

// The band-pass pre-filter of the autocorrelation method. At rates of 4444 Hz and below the
// upper edge would reach the Nyquist frequency, so it is lowered to 0.45 of the rate.
std::optional<ButterworthHandle> designPreFilter(double sampleRate) {
  const double high = std::min(kPreFilterHigh, 0.45 * sampleRate);
  auto designed =
      designButterworth(static_cast<int>(FilterType::BandPass), 4, kPreFilterLow, high, sampleRate);
  if (auto* filter = std::get_if<ButterworthHandle>(&designed)) return std::move(*filter);
  // Unfiltered samples would give another contour: running out of memory is not a reason to.
  if (std::get<MessageId>(designed) == MessageId::FilterOutOfMemory) throw std::bad_alloc();
  return std::nullopt;
}

}  // namespace

PitchParameters f0TrackerParameters(F0Method method, const F0Settings& settings) {
  PitchParameters p;
  p.timeStep = 0.02;
  p.minPitch = settings.minPitch;
  p.maxCandidates = 15;
  p.silenceThreshold = 0.03;
  p.voicingThreshold = 0.45;
  p.octaveCost = 0.01;
  p.octaveJumpCost = 0.35;
  p.voicedUnvoicedCost = 0.14;
  p.ceiling = settings.maxPitch;
  if (method == F0Method::CrossCorrelation) {
    p.periodsPerWindow = 1.0;
    p.method = PitchMethod::NormalCrossCorrelation;
  } else {
    p.periodsPerWindow = 3.0;
    p.method = PitchMethod::HanningAutocorrelation;
  }
  return p;
}

bool f0OutsideRange(F0Method method, double f, const F0Settings& settings) {
  if (f < settings.minPitch) return true;
  return method == F0Method::CrossCorrelation ? f >= settings.maxPitch : f > settings.maxPitch;
}

namespace {

F0Result runMethod(std::span<const std::int16_t> samples, double sampleRate,
                   const F0Settings& settings, F0Contour& contour, VoicingMap& map,
                   const AnalysisControl& control) {
  if (settings.method < 0 || settings.method > 4) {
    return {F0Outcome::InvalidMethod, Message{MessageId::InvalidMethod}};
  }
  const auto method = static_cast<F0Method>(settings.method);
  if (method == F0Method::Srpd) {
    F0Contour result{trackSrpd(samples, sampleRate, settings.minPitch, settings.maxPitch)};
    for (float& v : result.values) {
      if (std::isnan(v) || v < static_cast<float>(settings.minPitch)) v = 0.0f;
    }
    contour = std::move(result);
    map = voicingMap(contour);
    return {F0Outcome::Computed};
  }
  if (method == F0Method::Amdf) {
    std::optional<std::vector<float>> values = trackAmdf(
        samples, static_cast<int>(sampleRate), settings.minPitch, settings.maxPitch, control);
    if (!values && control.stopRequested()) return {F0Outcome::Cancelled};
    F0Result outcome{F0Outcome::Computed};
    if (values) {
      contour = F0Contour{std::move(*values)};
    } else {
      contour = {};
      outcome.message = Message{MessageId::AmdfRangeInverted};
    }
    map = voicingMap(contour);
    return outcome;
  }
  if (method == F0Method::LpcAutocorrelation) {
    RaptTrack track = trackRaptFile(samples, sampleRate);
    contour = F0Contour{std::move(track.values)};
    map = voicingMap(contour);
    return {F0Outcome::Computed, std::nullopt, std::move(track.diagnostics)};
  }

  std::optional<PitchTrack> track;
  const PitchParameters parameters = f0TrackerParameters(method, settings);
  if (method == F0Method::Autocorrelation) {
    // The filter runs stretch by stretch while the frames whose samples it has passed are
    // already analysed; its sections keep their state from one stretch to the next.
    std::vector<std::int16_t> filtered(samples.begin(), samples.end());
    std::optional<ButterworthHandle> filter = designPreFilter(sampleRate);
    const SamplePreparation prepare = [&filter](std::span<std::int16_t> stretch) {
      if (filter) runButterworth(**filter, stretch);
    };
    track = trackPitchWhilePreparing(filtered, sampleRate, parameters, prepare, control);
    if (filter) releaseButterworth(*filter);
  } else {
    track = trackPitch(samples, sampleRate, parameters, control);
  }
  if (!track && control.stopRequested()) return {F0Outcome::Cancelled};

  F0Contour result;
  if (track) {
    result.values.resize(track->frameCount);
    for (std::int32_t k = 0; k < track->frameCount; ++k) {
      const double f = frequencyAt(*track, k + 1);
      result.values[k] = f0OutsideRange(method, f, settings) ? 0.0f : static_cast<float>(f);
    }
  }
  contour = std::move(result);
  map = voicingMap(contour);
  return {F0Outcome::Computed};
}

}  // namespace

F0Result runF0Method(std::span<const std::int16_t> samples, double sampleRate,
                     const F0Settings& settings, F0Contour& contour, VoicingMap& map,
                     const AnalysisControl& control) {
  try {
    return runMethod(samples, sampleRate, settings, contour, map, control);
  } catch (const std::bad_alloc&) {
    return {F0Outcome::OutOfMemory, Message{MessageId::NoFreeMemory}};
  }
}

F0Result computeF0(SampleBuffer& buffer, const F0Settings& settings, VoiceAnalysis& results,
                   const AnalysisControl& control) {
  F0Result result{F0Outcome::Computed, std::nullopt};
  if (!buffer.flags.f0Computed) {
    result = runF0Method(buffer.samples, buffer.format.sampleRate, settings, results.f0,
                         results.voicing, control);
    if (result.outcome == F0Outcome::Cancelled || result.outcome == F0Outcome::OutOfMemory) {
      return result;
    }
    buffer.flags.f0Computed = true;
  }
  if (!buffer.flags.intensityComputed) {
    results.intensity = computeIntensity(buffer.samples, buffer.format.sampleRate, buffer.kind);
    results.intensityColumns = intensityColumns(results.intensity);
  }
  return result;
}

}  // namespace sonarel::core
