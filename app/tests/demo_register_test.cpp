// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/demo_register.h"

#include <gtest/gtest.h>

#include "core/sample_buffer.h"
#include "core/wave_file.h"
#include "records/client_table.h"
#include "records/session_file.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::app {
namespace {

using records::RecordingType;

TEST(DemoRegister, HoldsTwoClientsWithVoicedRecordingsAndANote) {
  testing::DataFolder data;
  ASSERT_FALSE(createDemoRegister(data.path()));
  records::ClientTable table(data.file("pacb.dbf"));
  ASSERT_EQ(table.load().value, 1);
  ASSERT_EQ(table.count(), 2);
  EXPECT_NE(table.list()[0].type, table.list()[1].type);

  const records::ClientFolder first(data.path(), table.list()[0].code);
  const auto files = records::listSessionFiles(first);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].kind, records::FileKind::Quality);  // the newer one
  EXPECT_EQ(files[1].kind, records::FileKind::Voice);
  EXPECT_FALSE(files[1].notesPreview.empty());

  // The recordings open as their kinds and carry a voice at the intended pitch.
  core::SampleBuffer voice;
  voice.kind = core::FileKind::VoiceAnalysis;
  ASSERT_FALSE(core::openSoundFile(voice, first.recordingPath(RecordingType::VoiceAnalysis, 1)));
  core::SampleBuffer vowel;
  vowel.kind = core::FileKind::VocalQuality;
  ASSERT_FALSE(core::openSoundFile(vowel, first.recordingPath(RecordingType::VocalQuality, 2)));
  EXPECT_EQ(vowel.format.sampleRate, 44100u);

  // Run again over it: an existing register is left alone.
  table.updateClient([&] {
    auto r = table.list()[0];
    r.name = "Changed";
    return r;
  }());
  ASSERT_FALSE(createDemoRegister(data.path()));
  table.load();
  EXPECT_EQ(table.list()[0].name, "Changed");
}

TEST(DemoRegister, SustainedVowelHasTheAskedPitch) {
  const auto samples = synthesiseVoice(44100, 1.0, 200, false);
  // The period is where the autocorrelation peaks.
  double best = 0;
  int bestLag = 0;
  for (int lag = 44100 / 400; lag <= 44100 / 100; ++lag) {
    double sum = 0;
    for (std::size_t n = 4410; n + static_cast<std::size_t>(lag) < 40000; ++n) {
      sum += double(samples[n]) * samples[n + static_cast<std::size_t>(lag)];
    }
    if (sum > best) best = sum, bestLag = lag;
  }
  EXPECT_NEAR(44100.0 / bestLag, 200, 6);
}

}  // namespace
}  // namespace sonarel::app
