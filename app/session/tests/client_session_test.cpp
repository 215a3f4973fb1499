// SPDX-License-Identifier: GPL-3.0-or-later
// The client session without a window: what opening, preparing and recording a client's
// file does to a view and to the client's folder.

#include "app/session/client_session.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/session/prompt.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::app {
namespace {

using records::RecordingType;
using sonarel::testing::DataFolder;

records::ClientRecord client(int code, int type) {
  records::ClientRecord record;
  record.code = code;
  record.name = "Ana";
  record.type = type;
  return record;
}

class ClientSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = data.client(1);
    const auto wave = testing::simpleWave(11025, testing::sine(200, 11025, 11025, 8000));
    for (RecordingType type : {RecordingType::VoiceAnalysis}) {
      std::ofstream out(folder.recordingPath(type, 1), std::ios::binary);
      out.write(reinterpret_cast<const char*>(wave.data()), static_cast<long>(wave.size()));
    }
  }

  DataFolder data;
  records::ClientFolder folder{"", 1};
  ClientSession session{data.path()};
  ViewState view;
  ScriptedPrompt prompt;
};

TEST_F(ClientSessionTest, OpeningAFileTakesTheRangeRateAndTargetsOfTheClientsType) {
  const struct {
    int type, low, high, rate;
  } types[] = {
      {0, 70, 400, 11025}, {1, 120, 400, 11025}, {2, 200, 550, 11025}, {3, 100, 1000, 22050}};
  for (const auto& t : types) {
    SCOPED_TRACE(t.type);
    session.setClient(client(1, t.type));
    session.setRecordingRate(44100);  // chosen by hand, lasts until the file opens
    ASSERT_TRUE(session.openClientFile(view, 1, RecordingType::VoiceAnalysis, prompt));
    EXPECT_EQ(view.f0Settings().minPitch, t.low);
    EXPECT_EQ(view.f0Settings().maxPitch, t.high);
    EXPECT_EQ(session.recordingRate(), t.rate);
    EXPECT_EQ(view.clientType(), t.type);
    const spectral::VowelBlock& expected = view.vowelTargets().of(t.type);
    EXPECT_EQ(view.displayData().vowelTargets[0].f1, expected[0].f1);
    EXPECT_EQ(session.openNumber(), 1);
  }
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(ClientSessionTest, AnUndefinedTypeIsToldAndTheFileStillOpens) {
  session.setClient(client(1, 7));
  core::F0Settings before = view.f0Settings();
  ASSERT_TRUE(session.openClientFile(view, 1, RecordingType::VoiceAnalysis, prompt));
  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_EQ(prompt.shown[0].id, core::MessageId::UndefinedType);
  EXPECT_EQ(view.f0Settings().minPitch, before.minPitch);
}

TEST_F(ClientSessionTest, ARefusedFileIsToldAndLeavesTheOpenOne) {
  session.setClient(client(1, 0));
  ASSERT_TRUE(session.openClientFile(view, 1, RecordingType::VoiceAnalysis, prompt));
  const std::uint64_t revision = view.revision();
  EXPECT_FALSE(session.openClientFile(view, 9, RecordingType::VoiceAnalysis, prompt));
  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_EQ(prompt.shown[0].id, core::MessageId::ErrorReadingFile);
  EXPECT_EQ(view.revision(), revision);
  EXPECT_EQ(session.openNumber(), 1);
}

TEST_F(ClientSessionTest, RecordTargetsThePreparedFileElseTheOpenOneWhileShown) {
  EXPECT_FALSE(session.recordTarget(view)) << "no client";
  session.setClient(client(1, 1));
  EXPECT_FALSE(session.recordTarget(view)) << "nothing open or prepared";
  ASSERT_TRUE(session.openClientFile(view, 1, RecordingType::VoiceAnalysis, prompt));
  ASSERT_TRUE(session.recordTarget(view));
  EXPECT_EQ(session.recordTarget(view)->path,
            folder.recordingPath(RecordingType::VoiceAnalysis, 1));

  // The view shows another recording now: that one is nobody's to record over.
  const std::string outside = data.file("outside.wav");
  std::filesystem::copy_file(folder.recordingPath(RecordingType::VoiceAnalysis, 1), outside);
  ASSERT_FALSE(view.open(outside, core::FileKind::VoiceAnalysis));
  EXPECT_FALSE(session.recordTarget(view));

  ASSERT_FALSE(session.prepareNewRecording(view, RecordingType::VocalQuality));
  EXPECT_FALSE(view.isOpen()) << "preparing empties the view";
  ASSERT_TRUE(session.recordTarget(view));
  EXPECT_EQ(session.recordTarget(view)->number, 2);
  EXPECT_EQ(session.recordTarget(view)->type, RecordingType::VocalQuality);
  EXPECT_EQ(session.openNumber(), -1);
}

TEST_F(ClientSessionTest, APreparedFileIsRefusedWithoutAClientFolderAndTheViewStays) {
  session.setClient(client(2, 0));  // no folder pac002
  ASSERT_FALSE(view.open(folder.recordingPath(RecordingType::VoiceAnalysis, 1),
                         core::FileKind::VoiceAnalysis));
  const auto refused = session.prepareNewRecording(view, RecordingType::VoiceAnalysis);
  ASSERT_TRUE(refused);
  EXPECT_TRUE(view.isOpen());
  EXPECT_FALSE(session.prepared());
}

TEST_F(ClientSessionTest, ANewVocalQualityRecordingDropsTheStoredSegmentResults) {
  session.setClient(client(1, 1));
  const std::string cache = folder.segmentCachePath(2);
  DataFolder::put(cache, "old segments");
  session.recordingMade({RecordingType::VoiceAnalysis, 2, "x"});
  EXPECT_TRUE(std::filesystem::exists(cache)) << "a voice-analysis file has no segments";
  session.recordingMade({RecordingType::VocalQuality, 2, "x"});
  EXPECT_FALSE(std::filesystem::exists(cache));
}

}  // namespace
}  // namespace sonarel::app
