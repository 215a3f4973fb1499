// SPDX-License-Identifier: GPL-3.0-or-later
// The clinical subcommand's machine-readable output: every measure with its unit and limit,
// the within-normal flag following each limit's direction, no limit where none is published.

#include <gtest/gtest.h>

#include "cli/clinical_output.h"

namespace sonarel::cli {
namespace {

quality::clinical::ClinicalMeasures sample() {
  quality::clinical::ClinicalMeasures m;
  m.cppsDb = 15;         // above its limit: within
  m.hnrDb = 18;          // below its limit: outside
  m.shimmerPercent = 2;  // below: within
  m.shimmerDb = 0.5;     // above: outside
  m.slopeDb = -20;
  m.tiltDb = -10;
  m.avqi = 3;  // above: outside
  m.vowelSeconds = 3;
  m.speechSeconds = 0;
  return m;
}

TEST(ClinicalOutput, CsvRowsCarryUnitsLimitsAndWhetherWithin) {
  EXPECT_EQ(clinicalOutput(sample(), "v.wav", std::nullopt).csv(),
            "measure,value,unit,normal_relation,normal_limit,within_normal\n"
            "cpps_db,15.000,dB,>,14.45,1\n"
            "hnr_db,18.000,dB,>,20.00,0\n"
            "shimmer_percent,2.000,%,<,3.81,1\n"
            "shimmer_db,0.500,dB,<,0.35,0\n"
            "ltas_slope_db,-20.000,dB,,,\n"
            "ltas_tilt_db,-10.000,dB,,,\n"
            "avqi,3.000,,<,2.43,0\n");
}

TEST(ClinicalOutput, JsonNamesTheFilesAndLeavesAbsentSpeechNull) {
  const std::string json = clinicalOutput(sample(), "v.wav", std::nullopt).json();
  EXPECT_NE(json.find("\"subcommand\": \"clinical\""), std::string::npos);
  EXPECT_NE(json.find("\"vowel\": \"v.wav\""), std::string::npos);
  EXPECT_NE(json.find("\"speech\": null"), std::string::npos);
  EXPECT_NE(json.find("[\"ltas_slope_db\", -20.000, \"dB\", \"\", null, null]"), std::string::npos);
  const std::string withSpeech = clinicalOutput(sample(), "v.wav", "s.wav").json();
  EXPECT_NE(withSpeech.find("\"speech\": \"s.wav\""), std::string::npos);
  // The text form lists the same measures and the seconds measured.
  const std::string text = clinicalText(sample());
  EXPECT_NE(text.find("normal > 14.45  within"), std::string::npos);
  EXPECT_NE(text.find("normal > 20.00  outside"), std::string::npos);
  EXPECT_NE(text.find("vowel measured"), std::string::npos);
}

}  // namespace
}  // namespace sonarel::cli
