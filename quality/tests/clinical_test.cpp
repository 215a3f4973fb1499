// SPDX-License-Identifier: GPL-3.0-or-later
// The clinical measures on synthetic vowels: a clean vowel scores high and every measure of
// noise moves the right way as noise is added; silence, noise and short vowels are refused
// with their messages; the speech is cut to its voiced parts before the vowel.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <random>

#include "dsp/fft_resample.h"
#include "quality/clinical/avqi.h"
#include "quality/clinical/clinical_constants.h"
#include "quality/clinical/clinical_measures.h"
#include "quality/tests/synthetic_vowel.h"

namespace sonarel::quality::clinical {
namespace {

using testing::VowelRecipe;

std::vector<std::int16_t> vowel(double snrDb, double seconds = 2.0, double jitter = 0.002) {
  VowelRecipe r;
  r.seconds = seconds;
  r.snrDb = snrDb;
  r.jitter = jitter;
  r.shimmer = 0.02;
  r.seed = 7;
  return testing::syntheticVowel(r);
}

ClinicalOutcome measure(std::span<const std::int16_t> v,
                        std::optional<std::span<const std::int16_t>> speech = std::nullopt) {
  ClinicalInput input;
  input.vowel = v;
  input.vowelName = "vowel.wav";
  input.speech = speech;
  input.speechName = "speech.wav";
  return measureClinical(input);
}

TEST(ClinicalMeasures, CleanVowelScoresHighAndNoiseLowersCppsAndHnrStepByStep) {
  const double clean = std::numeric_limits<double>::infinity();
  double lastCpps = 1e9, lastHnr = 1e9, lastAvqi = -1e9;
  for (double snr : {clean, 30.0, 20.0, 10.0, 5.0}) {
    const auto samples = vowel(snr);
    const ClinicalOutcome out = measure(samples);
    ASSERT_TRUE(out.measures) << "SNR " << snr << ": " << out.refusal->text();
    const ClinicalMeasures& m = *out.measures;
    if (std::isinf(snr)) {
      EXPECT_GT(m.cppsDb, kNormalCppsAbove);
      EXPECT_GT(m.hnrDb, kNormalHnrAbove);
      EXPECT_LT(m.avqi, kNormalAvqiBelow);
    }
    EXPECT_LT(m.cppsDb, lastCpps) << "SNR " << snr;
    EXPECT_LT(m.hnrDb, lastHnr) << "SNR " << snr;
    EXPECT_GT(m.avqi, lastAvqi) << "SNR " << snr;
    lastCpps = m.cppsDb;
    lastHnr = m.hnrDb;
    lastAvqi = m.avqi;
  }
}

TEST(ClinicalMeasures, HnrFollowsTheSignalToNoiseRatioOfAPeriodicSound) {
  // A harmonic sound plus white noise at a known ratio: the cross-correlation HNR is close
  // to it (slightly above it: the noise is partly correlated at the period).
  std::mt19937 random(3);
  std::normal_distribution<double> noise;
  const double rate = 44100, f0 = 150;
  for (double snr : {10.0, 20.0}) {
    std::vector<float> x(static_cast<std::size_t>(rate));
    double power = 0;
    for (std::size_t n = 0; n < x.size(); ++n) {
      double v = 0;
      for (int h = 1; h <= 10; ++h) v += std::sin(2 * M_PI * h * f0 * n / rate) / h;
      x[n] = static_cast<float>(v);
      power += v * v;
    }
    const double sd = std::sqrt(power / x.size() / std::pow(10.0, snr / 10));
    for (float& v : x) v += static_cast<float>(sd * noise(random));
    const auto hnr = harmonicityCc(x, rate);
    ASSERT_TRUE(hnr);
    EXPECT_NEAR(hnr->meanDb, snr, 1.5);
    EXPECT_GT(hnr->periodicShare, 0.9);
  }
}

TEST(ClinicalMeasures, ShimmerGrowsWithAmplitudePerturbation) {
  double last = 0;
  for (double shimmer : {0.01, 0.05, 0.15}) {
    VowelRecipe r;
    r.seconds = 2;
    r.shimmer = shimmer;
    r.seed = 5;
    const auto samples = testing::syntheticVowel(r);
    const std::vector<float> x(samples.begin(), samples.end());
    const auto s = localShimmer(x, 44100);
    ASSERT_TRUE(s);
    EXPECT_GT(s->percent, last);
    // For small steps, dB = 20 log10(1 + d) is about 8.7 d: the two forms agree.
    EXPECT_NEAR(s->db, 0.0869 * s->percent, 0.25 * s->db + 0.02);
    last = s->percent;
  }
}

// A band-limited sawtooth (its harmonics up to half the rate) at a period of a non-whole
// number of samples, under the envelope amplitude(t): its peaks sit right before the falling
// edge, among the ripples of the missing harmonics, wherever the samples happen to fall.
std::vector<float> sawtooth(double f0, const std::function<double(double)>& amplitude) {
  std::vector<float> x(44100);
  const int harmonics = static_cast<int>(0.8 * 22050 / f0);
  for (std::size_t n = 0; n < x.size(); ++n) {
    const double t = static_cast<double>(n) / 44100;
    double sum = 0;
    for (int h = 1; h <= harmonics; ++h) sum -= std::sin(2 * std::numbers::pi * h * f0 * t) / h;
    x[n] = static_cast<float>(0.2 * amplitude(t) * sum);
  }
  return x;
}

TEST(ClinicalMeasures, ShimmerOfSteadyAndOfModulatedCycles) {
  // Steady cycles read as steady, whether their peaks are sharp edges or rounded formants
  // (a parabola through the samples near a sawtooth's edge read over 10 %).
  for (double f0 : {123.4, 201.7}) {
    const auto steady = localShimmer(sawtooth(f0, [](double) { return 1.0; }), 44100);
    ASSERT_TRUE(steady) << f0;
    EXPECT_LT(steady->percent, 0.01) << f0;
    EXPECT_LT(steady->db, 0.001) << f0;
  }
  VowelRecipe r;
  r.seconds = 2;
  const auto samples = testing::syntheticVowel(r);
  const auto vowelShimmer = localShimmer(std::vector<float>(samples.begin(), samples.end()), 44100);
  ASSERT_TRUE(vowelShimmer);
  EXPECT_LT(vowelShimmer->percent, 0.1);
  // An envelope swinging 10 % over 7.3 cycles: the measure follows from its values at the
  // peaks, which end the cycles.
  const double f0 = 123.4;
  const auto amplitude = [&](double t) {
    return 1 + 0.1 * std::sin(2 * std::numbers::pi * t * f0 / 7.3);
  };
  double difference = 0, mean = 0, ratioDb = 0;
  const int cycles = 120;
  for (int k = 1; k <= cycles; ++k) {
    const double a = amplitude(k / f0), b = amplitude((k + 1) / f0);
    difference += std::abs(b - a);
    mean += 0.5 * (a + b);
    ratioDb += std::abs(20 * std::log10(b / a));
  }
  const auto modulated = localShimmer(sawtooth(f0, amplitude), 44100);
  ASSERT_TRUE(modulated);
  EXPECT_NEAR(modulated->percent, 100 * difference / mean, 0.05);
  EXPECT_NEAR(modulated->db, ratioDb / cycles, 0.005);
}

TEST(ClinicalMeasures, HnrOfExactlyRepeatingCyclesIsLimitedOnlyByTheirLength) {
  // The correlation's peak falls between lags; the sharper the cycles, the more a parabola
  // through the lags around it underestimates its height.
  for (double f0 : {123.4, 201.7}) {
    const auto hnr = harmonicityCc(sawtooth(f0, [](double) { return 1.0; }), 44100);
    ASSERT_TRUE(hnr) << f0;
    EXPECT_GT(hnr->meanDb, 45) << f0;
  }
}

TEST(ClinicalMeasures, SlopeAndTiltOfWhiteAndOfFallingSpectra) {
  // White noise: as much energy per hertz in both bands, so slope and tilt are near 0 dB; a
  // vowel's spectrum falls, so both are clearly negative.
  std::mt19937 random(9);
  std::normal_distribution<double> noise;
  std::vector<float> white(44100);
  for (float& v : white) v = static_cast<float>(1000 * noise(random));
  const auto flat = longTermSlopes(white, 44100);
  ASSERT_TRUE(flat);
  EXPECT_NEAR(flat->slopeDb, 0, 0.5);
  EXPECT_NEAR(flat->tiltDb, 0, 0.5);
  const auto samples = vowel(std::numeric_limits<double>::infinity());
  const std::vector<float> x(samples.begin(), samples.end());
  const auto falling = longTermSlopes(x, 44100);
  ASSERT_TRUE(falling);
  EXPECT_LT(falling->slopeDb, -10);
  EXPECT_LT(falling->tiltDb, -3);
  EXPECT_FALSE(longTermSlopes(x, 16000)) << "a 16 kHz sound does not reach 10 kHz";
}

TEST(ClinicalMeasures, RefusesSilenceNoiseShortVowelsAndOtherRates) {
  const std::vector<std::int16_t> silence(3 * 44100, 0);
  auto out = measure(silence);
  ASSERT_FALSE(out.measures);
  EXPECT_EQ(out.refusal->id, core::MessageId::ClinicalSilent);
  EXPECT_NE(out.refusal->text().find("vowel.wav"), std::string::npos);

  std::mt19937 random(1);
  std::normal_distribution<double> noise;
  std::vector<std::int16_t> white(3 * 44100);
  for (auto& v : white)
    v = static_cast<std::int16_t>(std::clamp(4000 * noise(random), -32000.0, 32000.0));
  out = measure(white);
  ASSERT_FALSE(out.measures);
  EXPECT_EQ(out.refusal->id, core::MessageId::ClinicalNotPeriodic);

  const auto shortVowel = vowel(30, 0.5);
  out = measure(shortVowel);
  ASSERT_FALSE(out.measures);
  EXPECT_EQ(out.refusal->id, core::MessageId::ClinicalTooShort);
  EXPECT_EQ(out.refusal->text(),
            "vowel.wav is too short for the clinical measures: it lasts 0.50 s, and they need a "
            "vowel of at least 1.00 s.");

  ClinicalInput input;
  const auto v = vowel(30);
  input.vowel = v;
  input.sampleRate = 22050;
  EXPECT_EQ(measureClinical(input).refusal->id, core::MessageId::FileMustBe44100);

  // Speech that is silent, or holds no voice, is refused under its own name.
  out = measure(v, std::span<const std::int16_t>(silence));
  ASSERT_FALSE(out.measures);
  EXPECT_EQ(out.refusal->id, core::MessageId::ClinicalSilent);
  EXPECT_NE(out.refusal->text().find("speech.wav"), std::string::npos);
  out = measure(v, std::span<const std::int16_t>(white));
  ASSERT_FALSE(out.measures);
  EXPECT_EQ(out.refusal->id, core::MessageId::ClinicalNoVoicedSpeech);
}

TEST(ClinicalMeasures, MeasuresTheVoicedSpeechThenTheLastThreeSecondsOfTheVowel) {
  const auto longVowel = vowel(30, 4.0);
  // "Speech": 0.5 s of voice, 0.5 s of silence, 0.5 s of voice.
  const auto voice = vowel(30, 0.5);
  std::vector<std::int16_t> speech(voice);
  speech.insert(speech.end(), 22050, 0);
  speech.insert(speech.end(), voice.begin(), voice.end());
  const ClinicalOutcome out = measure(longVowel, std::span<const std::int16_t>(speech));
  ASSERT_TRUE(out.measures) << out.refusal->text();
  EXPECT_DOUBLE_EQ(out.measures->vowelSeconds, 3.0);
  // The silence is left out; the voiced halves lose a little at their edges.
  EXPECT_GT(out.measures->speechSeconds, 0.8);
  EXPECT_LT(out.measures->speechSeconds, 1.01);
  EXPECT_EQ(out.measured.size(),
            static_cast<std::size_t>(std::lround((out.measures->speechSeconds + 3.0) * 44100)));
  // The measured sound ends with the vowel's last sample.
  EXPECT_EQ(out.measured.back(), static_cast<float>(longVowel.back()));
}

TEST(ClinicalMeasures, CppsAndHnrAgreeWithTheReferenceAnalysisOnGradedVowels) {
  // Three of the graded vowels of scripts/compare-clinical, with the figures Praat 6.3 gives
  // for them ("To PowerCepstrogram" 60, 0.002, 5000, 50 then "Get CPPS" with the published
  // settings; "To Harmonicity (cc)" 0.01, 75, 0.1, 1.0 then "Get mean"). Clean vowels hang
  // on the last few hertz below 5 kHz, which resamplers treat slightly differently: 0.2 dB.
  struct Graded {
    double jitter, shimmer, snrDb;
    unsigned seed;
    double cpps, hnr;
  };
  const double clean = std::numeric_limits<double>::infinity();
  for (const Graded g : {Graded{0.001, 0.01, clean, 11, 25.9772, 38.1532},
                         Graded{0.04, 0.01, clean, 16, 18.7286, 8.5129},
                         Graded{0.015, 0.12, 20, 33, 11.1946, 12.6271}}) {
    VowelRecipe r;
    r.jitter = g.jitter;
    r.shimmer = g.shimmer;
    r.snrDb = g.snrDb;
    r.seed = g.seed;
    r.seconds = 2.0;
    const auto samples = testing::syntheticVowel(r);
    const std::vector<float> x(samples.begin(), samples.end());
    const auto cpps = smoothedCepstralPeakProminence(x, 44100);
    const auto hnr = harmonicityCc(x, 44100);
    ASSERT_TRUE(cpps && hnr) << "seed " << g.seed;
    EXPECT_NEAR(*cpps, g.cpps, 0.2) << "seed " << g.seed;
    EXPECT_NEAR(hnr->meanDb, g.hnr, 0.5) << "seed " << g.seed;
  }
}

TEST(ClinicalMeasures, CppsIgnoresTheLevelAndTheSamplingRate) {
  const auto samples = vowel(30);
  const std::vector<float> x(samples.begin(), samples.end());
  const auto reference = smoothedCepstralPeakProminence(x, 44100);
  ASSERT_TRUE(reference);
  std::vector<float> quiet(x);
  for (float& v : quiet) v *= 0.05f;
  EXPECT_NEAR(*smoothedCepstralPeakProminence(quiet, 44100), *reference, 0.01);
  // The analysis runs at 10 kHz whatever the rate it is given.
  const std::vector<double> y = dsp::resampleBandLimited(x, 44100, 22050);
  const std::vector<float> half(y.begin(), y.end());
  const auto at22050 = smoothedCepstralPeakProminence(half, 22050);
  ASSERT_TRUE(at22050);
  EXPECT_NEAR(*at22050, *reference, 0.1);
  // Smoothing over time and quefrency flattens the peak; a pitch range that is not one, a
  // rate that is not whole hertz and a sound shorter than one frame give nothing.
  CppsSettings raw = defaultCppsSettings();
  raw.timeSmoothingS = raw.quefrencySmoothingS = 0;
  EXPECT_GT(*smoothedCepstralPeakProminence(x, 44100, raw), *reference + 3);
  CppsSettings upsideDown = defaultCppsSettings();
  std::swap(upsideDown.peakMinPitchHz, upsideDown.peakMaxPitchHz);
  EXPECT_FALSE(smoothedCepstralPeakProminence(x, 44100, upsideDown));
  EXPECT_FALSE(smoothedCepstralPeakProminence(x, 44100.5));
  EXPECT_FALSE(smoothedCepstralPeakProminence(std::span(x).first(4400), 44100));
}

TEST(ClinicalMeasures, AvqiIsThePublishedWeightedSum) {
  ClinicalMeasures m;
  m.cppsDb = 15;
  m.hnrDb = 20;
  m.shimmerPercent = 3;
  m.shimmerDb = 0.3;
  m.slopeDb = -20;
  m.tiltDb = -10;
  const double expected = 2.8902 * (4.152 - 0.177 * 15 - 0.006 * 20 - 0.037 * 3 + 0.941 * 0.3 +
                                    0.01 * -20 + 0.093 * -10);
  EXPECT_NEAR(avqiOf(m), expected, 1e-12);
}

}  // namespace
}  // namespace sonarel::quality::clinical
