// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <filesystem>
#include <numbers>
#include <vector>

#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"
#include "spectral/resample.h"

namespace sonarel::spectral {
namespace {

using core::MessageId;

std::vector<std::pair<int, int>> Factors(const std::vector<ResampleStage>& stages) {
  std::vector<std::pair<int, int>> out;
  for (const ResampleStage& s : stages) out.emplace_back(s.up, s.down);
  return out;
}

RateFactors FactorsOf(int from, int to) {
  const auto result = RatioFactors(static_cast<double>(to) / from);
  EXPECT_TRUE(std::holds_alternative<RateFactors>(result)) << from << " -> " << to;
  return std::holds_alternative<RateFactors>(result) ? std::get<RateFactors>(result)
                                                     : RateFactors{};
}

TEST(RatioFactors, SmallestDenominatorWithinOneMillionth) {
  EXPECT_EQ(FactorsOf(8000, 11025), (RateFactors{441, 320}));
  EXPECT_EQ(FactorsOf(44100, 22050), (RateFactors{1, 2}));
  EXPECT_EQ(FactorsOf(48000, 22050), (RateFactors{147, 320}));
  EXPECT_EQ(FactorsOf(48000, 44100), (RateFactors{147, 160}));
  EXPECT_EQ(FactorsOf(11025, 22050), (RateFactors{2, 1}));
}

TEST(RatioFactors, RefusesRatiosWithoutSmallFactors) {
  for (const double ratio : {22050.0 / 44101.0, 0.0, -2.0, std::nan("")}) {
    const auto result = RatioFactors(ratio);
    ASSERT_TRUE(std::holds_alternative<core::Message>(result)) << ratio;
    EXPECT_EQ(std::get<core::Message>(result).id, MessageId::NoSimpleFactors);
    EXPECT_EQ(std::get<core::Message>(result).text(), "No simple factors for ratio");
  }
}

TEST(PlanStages, KnownRateChanges) {
  using Table = std::vector<std::pair<int, int>>;
  EXPECT_EQ(Factors(PlanStages(147, 320)), (Table{{3, 2}, {7, 8}, {7, 4}, {1, 5}}));
  EXPECT_EQ(Factors(PlanStages(1, 2)), (Table{{1, 2}}));
  EXPECT_EQ(Factors(PlanStages(2, 1)), (Table{{2, 1}}));
  EXPECT_EQ(Factors(PlanStages(147, 160)), (Table{{3, 2}, {7, 8}, {7, 2}, {1, 5}}));
  EXPECT_EQ(Factors(PlanStages(441, 320)), (Table{{3, 2}, {3, 4}, {7, 4}, {7, 10}}));
  const auto stages = PlanStages(147, 320);
  EXPECT_DOUBLE_EQ(stages[1].fc, 0.5 / 8);
  EXPECT_DOUBLE_EQ(stages[2].fc, 0.5 / 7);
}

TEST(PlanStages, StagesMultiplyToTheRatio) {
  // Includes up factors left over once every down factor is used (49/6, 147/20): they join
  // the last stage instead of losing its pending down factor.
  std::vector<std::pair<int, int>> pairs{{49, 6}, {147, 20}, {15, 2}, {4, 3}, {1, 1}};
  for (const int from :
       {6000, 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000, 88200, 96000, 192000}) {
    for (const int to : {11025, 22050, 44100}) {
      // 11025/32000 needs a denominator of 1280: refused.
      if (to == 11025 && from == 32000) {
        EXPECT_TRUE(std::holds_alternative<core::Message>(RatioFactors(double(to) / from)));
        continue;
      }
      const RateFactors f = FactorsOf(from, to);
      pairs.emplace_back(f.up, f.down);
    }
  }
  for (const auto& [up, down] : pairs) {
    int l = 1, m = 1;
    for (const ResampleStage& s : PlanStages(up, down)) {
      l *= s.up;
      m *= s.down;
      EXPECT_DOUBLE_EQ(s.fc, 0.5 / std::max(s.up, s.down));
    }
    EXPECT_EQ(l, up) << up << "/" << down;
    EXPECT_EQ(m, down) << up << "/" << down;
  }
}

TEST(PlanStages, FactorsBeyondThePrimeTableGiveNoPlan) {
  EXPECT_EQ(ResamplePrimes().size(), 175u);
  EXPECT_EQ(ResamplePrimes().back(), 1039);
  EXPECT_TRUE(PlanStages(1049, 2).empty());
  EXPECT_TRUE(PlanStages(2, 1051 * 2).empty());
}

// |H(e^jw)| of the stage filter, all repeats included, in dB.
double ResponseDb(const StageFilter& filter, double cyclesPerSample) {
  const std::complex<double> z1 = std::polar(1.0, -2.0 * std::numbers::pi * cyclesPerSample);
  std::complex<double> h = 1.0;
  for (const FilterSection& s : filter.sections) {
    h *= (s.b0 + s.b1 * z1 + s.b2 * z1 * z1) / (1.0 + s.a1 * z1 + s.a2 * z1 * z1);
  }
  return filter.repeats * 20.0 * std::log10(std::abs(h));
}

TEST(DesignStageFilter, MeetsRippleAndAttenuationForEveryFactor) {
  for (int factor = 2; factor <= kMaxStageFactor; ++factor) {
    const double fc = 0.5 / factor;
    const auto design = DesignStageFilter(fc);
    ASSERT_TRUE(std::holds_alternative<StageFilter>(design)) << factor;
    const StageFilter& f = std::get<StageFilter>(design);
    EXPECT_EQ(f.repeats, factor <= 19 ? 1 : factor <= 29 ? 2 : 3) << factor;
    const double ripple = f.repeats * f.rippleDb;
    EXPECT_NEAR(ResponseDb(f, 0.0), -ripple / 2, 1e-6) << factor;
    for (double x = 0.0; x <= 0.9 * fc; x += 0.9 * fc / 200) {
      const double db = ResponseDb(f, x);
      EXPECT_LE(db, ripple / 2 + 1e-6) << factor << " at " << x;
      EXPECT_GE(db, -ripple / 2 - 1e-6) << factor << " at " << x;
    }
    for (double x = fc; x <= 0.5; x += (0.5 - fc) / 400) {
      EXPECT_LE(ResponseDb(f, x), ripple / 2 - f.repeats * f.attenuationDb + 1e-6)
          << factor << " at " << x;
    }
  }
}

TEST(DesignStageFilter, RefusesFactorsOutsideTheDesignRange) {
  for (const double fc : {0.5, 0.5 / 42, 0.0}) {
    const auto design = DesignStageFilter(fc);
    ASSERT_TRUE(std::holds_alternative<core::Message>(design)) << fc;
    EXPECT_EQ(std::get<core::Message>(design).id, MessageId::FilterDesignTooDifficult);
  }
}

TEST(DesignStageFilter, NarrowSingleDesignsWouldRingInLimitCycles) {
  // A factor of 41 passes only because it is designed as three mild filters; the sections of
  // every accepted design keep their poles off the unit circle by the check's margin.
  for (int factor : {19, 29, 41}) {
    const auto design = DesignStageFilter(0.5 / factor);
    const auto& f = std::get<StageFilter>(design);
    for (const FilterSection& s : f.sections) {
      const double c = -s.a2, d = -s.a1 / (1.0 - c);
      EXPECT_GT((1 - c * c) * (1 - d * d), 0.00001) << factor;
    }
  }
}

std::vector<std::int16_t> Tone(double hz, int rate, std::size_t count, double amplitude) {
  std::vector<std::int16_t> x(count);
  for (std::size_t i = 0; i < count; ++i)
    x[i] = static_cast<std::int16_t>(
        std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hz * i / rate)));
  return x;
}

// Level in dB and phase in radians of the sine at `hz` in the middle half of `y`, against
// amplitude·sin(2π f n / rate).
std::pair<double, double> LevelAndPhase(const std::vector<std::int16_t>& y, double hz, int rate,
                                        double amplitude) {
  double ys = 0, yc = 0, s2 = 0, c2 = 0;
  for (std::size_t n = y.size() / 4; n < 3 * y.size() / 4; ++n) {
    const double s = std::sin(2.0 * std::numbers::pi * hz * n / rate);
    const double c = std::cos(2.0 * std::numbers::pi * hz * n / rate);
    ys += y[n] * s;
    yc += y[n] * c;
    s2 += s * s;
    c2 += c * c;
  }
  const double a = ys / s2, b = yc / c2;
  return {20.0 * std::log10(std::hypot(a, b) / amplitude), std::atan2(b, a)};
}

double Rms(const std::vector<std::int16_t>& y) {
  double sum = 0.0;
  for (std::size_t n = y.size() / 4; n < 3 * y.size() / 4; ++n) sum += double(y[n]) * y[n];
  return std::sqrt(sum / (y.size() / 2));
}

TEST(Resample, TonesKeepTheirPhaseAndLevelAcrossRates) {
  struct Case {
    int from, to;
    double hz;
  };
  for (const Case c : {Case{44100, 22050, 1000.0}, Case{8000, 11025, 440.0},
                       Case{48000, 22050, 1000.0}, Case{11025, 44100, 3000.0}}) {
    const auto input = Tone(c.hz, c.from, static_cast<std::size_t>(c.from / 2), 10000.0);
    const auto result = Resample(input, c.from, c.to);
    ASSERT_TRUE((std::holds_alternative<std::vector<std::int16_t>>(result))) << c.from;
    const auto& y = std::get<std::vector<std::int16_t>>(result);
    EXPECT_EQ(y.size(),
              static_cast<std::size_t>(static_cast<std::int64_t>(input.size()) * c.to / c.from))
        << c.from;
    // Zero phase; each stage's two passes keep the level within the ripple of ±0.2 dB.
    const auto [level, phase] = LevelAndPhase(y, c.hz, c.to, 10000.0);
    const auto factors = std::get<RateFactors>(RatioFactors(double(c.to) / c.from));
    EXPECT_LE(std::fabs(level), 0.2 * PlanStages(factors.up, factors.down).size() + 0.01)
        << c.from << " -> " << c.to;
    EXPECT_NEAR(phase, 0.0, 0.002) << c.from << " -> " << c.to;
  }
}

TEST(Resample, TonesAboveTheNewNyquistDoNotAlias) {
  // 15 kHz at 44100 Hz would fold to 7050 Hz at 22050 Hz; 10 kHz at 48000 Hz to 12050 Hz at
  // 22050 Hz. Both must be gone to below the 16-bit floor.
  for (const auto& [from, hz] : {std::pair{44100, 15000.0}, std::pair{48000, 12100.0}}) {
    const auto y = std::get<std::vector<std::int16_t>>(
        Resample(Tone(hz, from, static_cast<std::size_t>(from / 2), 20000.0), from, 22050));
    EXPECT_LT(Rms(y), 1.0) << from << " Hz, " << hz << " Hz";
  }
}

TEST(Resample, RefusalsAndCancelLeaveNoOutput) {
  const auto input = Tone(440, 8000, 4000, 5000.0);
  // A stage factor above 41 (43 is prime) fails with no message of its own.
  const auto big = Resample(input, 1000, 43000);
  ASSERT_TRUE(std::holds_alternative<ResampleFailure>(big));
  EXPECT_FALSE(std::get<ResampleFailure>(big).message);
  EXPECT_FALSE(std::get<ResampleFailure>(big).cancelled);
  // The same rate plans one stage of 1/1, which no filter is designed for.
  const auto same = Resample(input, 8000, 8000);
  ASSERT_TRUE(std::holds_alternative<ResampleFailure>(same));
  EXPECT_EQ(std::get<ResampleFailure>(same).message->id, MessageId::FilterDesignTooDifficult);
  EXPECT_EQ(std::get<ResampleFailure>(Resample(input, 44101, 22050)).message->id,
            MessageId::NoSimpleFactors);

  double seen = 0.0;
  const auto cancelled = Resample(input, 8000, 11025, [&](double share) {
    seen = std::max(seen, share);
    return share < 0.5;
  });
  ASSERT_TRUE(std::holds_alternative<ResampleFailure>(cancelled));
  EXPECT_TRUE(std::get<ResampleFailure>(cancelled).cancelled);
  EXPECT_GE(seen, 0.5);
  EXPECT_LT(seen, 1.0);
}

TEST(ResampleToFile, WritesMonoAtTheTargetRateOrLeavesTheTargetAlone) {
  sonarel::testing::ScratchDir dir;
  const std::filesystem::path folder = dir.path();
  const std::string target = (folder / "wv001.wav").string();
  const auto input = Tone(1000, 44100, 44100, 8000.0);

  ASSERT_FALSE(ResampleToFile(input, 44100, 22050, target));
  const auto written = core::loadWave(target);
  ASSERT_EQ(written.error, core::WaveError::None);
  EXPECT_EQ(written.format, core::pcm16MonoFormat(22050));
  EXPECT_EQ(written.samples.size(), 22050u);

  // A cancel or a refusal leaves the file as it was.
  const auto before = std::filesystem::file_size(target);
  auto failure = ResampleToFile(input, 44100, 11025, target, [](double) { return false; });
  ASSERT_TRUE(failure);
  EXPECT_TRUE(failure->cancelled);
  failure = ResampleToFile(input, 44101, 11025, target);
  ASSERT_TRUE(failure);
  EXPECT_EQ(core::loadWave(target).samples, written.samples);
  EXPECT_EQ(std::filesystem::file_size(target), before);

  // A folder that does not exist: the writer's message names the file.
  failure = ResampleToFile(input, 44100, 22050, (folder / "missing" / "wv002.wav").string());
  ASSERT_TRUE(failure && failure->message);
  EXPECT_NE(failure->message->text().find("wv002.wav"), std::string::npos);
}

}  // namespace
}  // namespace sonarel::spectral
