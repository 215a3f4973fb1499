// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/butterworth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/tests/wave_fixtures.h"

namespace sonarel::core {
namespace {

ButterworthHandle design(int type, int order, double f1, double f2, double rate) {
  auto made = designButterworth(type, order, f1, f2, rate);
  if (auto* refused = std::get_if<MessageId>(&made)) {
    ADD_FAILURE() << "refused: " << Message{*refused}.text();
    return nullptr;
  }
  return std::move(std::get<ButterworthHandle>(made));
}

TEST(DesignButterworth, RefusesInTheDocumentedOrder) {
  struct Row {
    int type, order;
    double f1, f2, rate;
    const char* message;
  } rows[] = {
      {0, 4, 40, 2000, 11025, "filter: unknown filter type"},
      {5, 11, 40, 2000, 11025, "filter: unknown filter type"},
      {3, 12, 40, 2000, 11025, "filter: order of filter too large"},
      {3, 11, 40, 2000, 11025, "filter: order of filter too large"},
      {3, 3, 40, 2000, 11025, "filter: filter order must be even"},
      {3, 4, 40, 6000, 11025, "filter: frequencies out of range"},
      {3, 4, 2000, 40, 11025, "filter: frequencies out of range"},
      {1, 4, 0, 0, 11025, "filter: frequencies out of range"},
      {2, 4, 100, 0, 0, "filter: frequencies out of range"},
  };
  for (const Row& row : rows) {
    auto made = designButterworth(row.type, row.order, row.f1, row.f2, row.rate);
    ASSERT_TRUE(std::holds_alternative<MessageId>(made)) << row.message;
    EXPECT_EQ(Message{std::get<MessageId>(made)}.text(), row.message)
        << "type " << row.type << " order " << row.order;
  }
}

// A Butterworth response is 1/sqrt(2) at its edges (the bilinear transform is pre-warped),
// flat in the pass band and falls off outside it.
TEST(DesignButterworth, ResponsesHaveTheirEdgesWhereAsked) {
  struct Row {
    int type;
    double f1, f2, rate;
    double passHz, stopHz;
  } rows[] = {
      {1, 1000, 0, 11025, 100, 4000},  {2, 1000, 0, 11025, 4000, 100},
      {2, 100, 0, 22050, 1000, 20},    {3, 40, 2000, 11025, 300, 5000},
      {3, 40, 2000, 44100, 300, 8000}, {4, 500, 1500, 11025, 3000, 1000},
      {4, 0, 85, 11025, 1000, 10},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message()
                 << "type " << row.type << " " << row.f1 << "-" << row.f2 << " Hz at " << row.rate);
    ButterworthHandle filter = design(row.type, 4, row.f1, row.f2, row.rate);
    ASSERT_TRUE(filter);
    for (double edge : {row.f1, row.f2}) {
      if (edge > 0) {
        EXPECT_NEAR(butterworthGain(*filter, edge, row.rate), M_SQRT1_2, 1e-6);
      }
    }
    EXPECT_NEAR(butterworthGain(*filter, row.passHz, row.rate), 1.0, 0.01);
    EXPECT_LT(butterworthGain(*filter, row.stopHz, row.rate), 0.1);
  }
}

TEST(RunButterworth, InPlaceEqualsSeparateOutputAndStateCarriesOver) {
  const auto input = testing::noise(3000, 11);
  ButterworthHandle a = design(3, 4, 40, 2000, 11025);
  std::vector<std::int16_t> separate(input.size());
  runButterworth(*a, input.data(), separate.data(), input.size());

  ButterworthHandle b = design(3, 4, 40, 2000, 11025);
  std::vector<std::int16_t> inPlace = input;
  runButterworth(*b, std::span(inPlace).first(1000));  // in two calls
  runButterworth(*b, std::span(inPlace).subspan(1000));
  EXPECT_EQ(inPlace, separate);
}

// The cascade sample by sample and section by section, as direct form II reads; the filter
// runs its sections together, which must give these values to the last bit.
std::vector<std::int16_t> plainCascade(ButterworthFilter filter,
                                       const std::vector<std::int16_t>& input) {
  std::vector<std::int16_t> out;
  for (const std::int16_t sample : input) {
    double x = sample;
    for (FilterSection& s : filter.sections) {
      const std::size_t m = s.state.size();
      double v = x;
      for (std::size_t j = m; j-- > 0;) v -= s.a[j + 1] * s.state[j];
      double y = s.b[0] * v;
      for (std::size_t j = 0; j < m; ++j) y += s.b[j + 1] * s.state[j];
      for (std::size_t j = m - 1; j > 0; --j) s.state[j] = s.state[j - 1];
      s.state[0] = v;
      x = y;
    }
    out.push_back(saturateToInt16(x));
  }
  return out;
}

TEST(RunButterworth, EqualsThePlainCascadeForEveryShapeAndCallLength) {
  const auto input = testing::noise(9000, 5);
  struct Shape {
    int type, order;
    double f1, f2;
  };
  // Band-pass of 2 and 4 fourth-order sections, low-pass of 3 second-order ones (a pair
  // and one alone), high-pass of 1.
  for (const Shape shape :
       {Shape{3, 4, 40, 2000}, Shape{3, 8, 100, 3000}, Shape{1, 6, 1500, 0}, Shape{2, 2, 300, 0}}) {
    ButterworthHandle reference = design(shape.type, shape.order, shape.f1, shape.f2, 22050);
    ASSERT_TRUE(reference);
    const std::vector<std::int16_t> expected = plainCascade(*reference, input);
    // Calls shorter than, equal to and longer than the sections' lag and the block.
    ButterworthHandle filter = design(shape.type, shape.order, shape.f1, shape.f2, 22050);
    std::vector<std::int16_t> out = input;
    std::size_t done = 0;
    for (const std::size_t length : {1u, 3u, 7u, 8u, 9u, 16u, 100u, 5000u}) {
      runButterworth(*filter, std::span(out).subspan(done, length));
      done += length;
    }
    runButterworth(*filter, std::span(out).subspan(done));
    EXPECT_EQ(out, expected) << "type " << shape.type << " order " << shape.order;
  }
}

TEST(RunButterworth, FullScaleInputSaturatesInsteadOfWrapping) {
  // A full-scale square wave overshoots in a band-pass filter's ringing.
  std::vector<std::int16_t> square(4000);
  for (std::size_t i = 0; i < square.size(); ++i) square[i] = (i / 60) % 2 ? -32768 : 32767;
  ButterworthHandle filter = design(3, 4, 40, 2000, 11025);
  std::vector<std::int16_t> out(square.size());
  runButterworth(*filter, square.data(), out.data(), square.size());
  int clippedHigh = 0;
  for (std::size_t i = 1; i < out.size(); ++i) {
    // Right after each rising edge the output must be near the top, never wrapped negative.
    if (square[i] > 0 && square[i - 1] < 0) {
      EXPECT_GT(out[i + 2], 10000) << i;
    }
    clippedHigh += out[i] == INT16_MAX;
  }
  EXPECT_GT(clippedHigh, 0) << "the ringing should have reached the limit";
}

TEST(RunButterworth, OrderZeroPassesSamplesThroughAndReleaseEmptiesTheHandle) {
  ButterworthHandle filter = design(1, 0, 1000, 0, 11025);
  ASSERT_TRUE(filter);
  std::vector<std::int16_t> samples = {1, -2, 32767, -32768};
  const auto before = samples;
  runButterworth(*filter, samples);
  EXPECT_EQ(samples, before);
  releaseButterworth(filter);
  EXPECT_FALSE(filter);
}

TEST(SaturateToInt16, TruncatesTowardZeroAndClamps) {
  EXPECT_EQ(saturateToInt16(1.9), 1);
  EXPECT_EQ(saturateToInt16(-1.9), -1);
  EXPECT_EQ(saturateToInt16(40000.0), 32767);
  EXPECT_EQ(saturateToInt16(-40000.0), -32768);
  EXPECT_EQ(saturateToInt16(std::nan("")), 0);
  EXPECT_EQ(saturateToInt16(HUGE_VAL), 32767);
}

}  // namespace
}  // namespace sonarel::core
