// SPDX-License-Identifier: GPL-3.0-or-later
#include "quality/clinical/avqi.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "quality/clinical/clinical_constants.h"
#include "quality/clinical/clinical_measures.h"

namespace sonarel::quality::clinical {
namespace {

std::string seconds(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

bool isSilent(std::span<const std::int16_t> x) {
  int peak = 0;
  for (std::int16_t v : x) peak = std::max(peak, std::abs(int(v)));
  return peak == 0 || 20 * std::log10(peak / 32768.0) < kSilencePeakDbfs;
}

}  // namespace

double avqiOf(const ClinicalMeasures& m) {
  return kAvqiScale *
         (kAvqiConstant + kAvqiWeightCpps * m.cppsDb + kAvqiWeightHnr * m.hnrDb +
          kAvqiWeightShimmerPercent * m.shimmerPercent + kAvqiWeightShimmerDb * m.shimmerDb +
          kAvqiWeightSlope * m.slopeDb + kAvqiWeightTilt * m.tiltDb);
}

std::vector<float> voicedParts(std::span<const float> x, double sampleRate) {
  const std::vector<CorrelationFrame> frames = correlationFrames(x, sampleRate);
  std::vector<float> out;
  if (frames.empty()) return out;
  double loudest = 0;
  for (const CorrelationFrame& f : frames) loudest = std::max(loudest, f.peakRatio);
  const double floor = loudest * std::pow(10.0, -kSpeechSilenceDb / 20);
  const double half = 0.5 * kHnrTimeStepS * sampleRate;
  std::size_t runStart = 0, runEnd = 0;  // samples of the current run of voiced frames
  auto flush = [&] {
    if (runEnd > runStart) out.insert(out.end(), x.begin() + runStart, x.begin() + runEnd);
    runStart = runEnd = 0;
  };
  for (const CorrelationFrame& f : frames) {
    const bool voiced = f.peakRatio >= floor && f.r >= kVoicingCorrelation;
    if (!voiced) {
      flush();
      continue;
    }
    const auto from = static_cast<std::size_t>(std::max(0.0, std::round(f.centre - half)));
    const auto to = std::min(x.size(), static_cast<std::size_t>(std::round(f.centre + half)));
    if (runEnd == 0) runStart = from;
    runEnd = std::max(runEnd, to);
  }
  flush();
  return out;
}

ClinicalOutcome measureClinical(const ClinicalInput& input) {
  using core::Message;
  using core::MessageId;
  ClinicalOutcome outcome;
  auto refuse = [&](Message message) {
    outcome.refusal = std::move(message);
    return outcome;
  };
  const double rate = input.sampleRate;
  if (rate != 44100.0) return refuse(Message(MessageId::FileMustBe44100));
  const double vowelSeconds = static_cast<double>(input.vowel.size()) / rate;
  if (vowelSeconds < kMinimumVowelS) {
    return refuse(Message(MessageId::ClinicalTooShort,
                          {input.vowelName, seconds(vowelSeconds), seconds(kMinimumVowelS)}));
  }
  if (isSilent(input.vowel)) return refuse(Message(MessageId::ClinicalSilent, {input.vowelName}));

  const auto tail = static_cast<std::size_t>(std::min(vowelSeconds, kAvqiVowelTailS) * rate);
  std::vector<float> vowel(input.vowel.end() - static_cast<std::ptrdiff_t>(tail),
                           input.vowel.end());
  const auto vowelHarmonicity = harmonicityCc(vowel, rate);
  if (!vowelHarmonicity || vowelHarmonicity->periodicShare < kMinimumPeriodicShare)
    return refuse(Message(MessageId::ClinicalNotPeriodic, {input.vowelName}));

  std::vector<float>& sound = outcome.measured;
  double speechSeconds = 0;
  if (input.speech) {
    if (isSilent(*input.speech))
      return refuse(Message(MessageId::ClinicalSilent, {input.speechName}));
    const std::vector<float> speech(input.speech->begin(), input.speech->end());
    sound = voicedParts(speech, rate);
    // Less than two periods of the lowest pitch in all is no voiced speech to speak of.
    if (sound.size() < static_cast<std::size_t>(2 * rate / kHnrPitchFloorHz))
      return refuse(Message(MessageId::ClinicalNoVoicedSpeech, {input.speechName}));
    speechSeconds = static_cast<double>(sound.size()) / rate;
  }
  sound.insert(sound.end(), vowel.begin(), vowel.end());

  const auto cpps = smoothedCepstralPeakProminence(sound, rate);
  const auto hnr = input.speech ? harmonicityCc(sound, rate) : vowelHarmonicity;
  const auto shimmer = localShimmer(sound, rate);
  const auto slopes = longTermSlopes(sound, rate);
  if (!cpps || !hnr || !shimmer || !slopes)
    return refuse(Message(MessageId::ClinicalNotPeriodic, {input.vowelName}));
  ClinicalMeasures m;
  m.cppsDb = *cpps;
  m.hnrDb = hnr->meanDb;
  m.shimmerPercent = shimmer->percent;
  m.shimmerDb = shimmer->db;
  m.slopeDb = slopes->slopeDb;
  m.tiltDb = slopes->tiltDb;
  m.avqi = avqiOf(m);
  m.vowelSeconds = static_cast<double>(tail) / rate;
  m.speechSeconds = speechSeconds;
  outcome.measures = m;
  return outcome;
}

}  // namespace sonarel::quality::clinical
