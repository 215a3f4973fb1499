// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/client_folder.h"

#include <gtest/gtest.h>

#include "records/tests/folder_fixtures.h"

namespace sonarel::records {
namespace {

using testing::DataFolder;
constexpr auto kVoice = RecordingType::VoiceAnalysis;
constexpr auto kQuality = RecordingType::VocalQuality;

TEST(ClientFolder, NamesPadToThreeDigitsAndGrowBeyond) {
  const ClientFolder folder("/data", 7);
  EXPECT_EQ(folder.path(), "/data/pac007");
  EXPECT_EQ(folder.recordingPath(kVoice, 3), "/data/pac007/wv003.wav");
  EXPECT_EQ(folder.recordingPath(kQuality, 12), "/data/pac007/qv012.wav");
  EXPECT_EQ(folder.notesPath(151), "/data/pac007/an151.rtf");
  EXPECT_EQ(folder.markerPath(kQuality, 1), "/data/pac007/qv001.bkp");
  EXPECT_EQ(folder.segmentCachePath(2), "/data/pac007/qv002.dat");
  EXPECT_EQ(clientFolderName(1234), "pac1234");
}

TEST(NextFileNumber, FollowsTheHighestTakenNumberWithoutReusingGaps) {
  DataFolder data;
  const ClientFolder folder = data.client(1);
  EXPECT_EQ(nextFileNumber(folder).number, 1);
  DataFolder::put(folder.recordingPath(kVoice, 1));
  DataFolder::put(folder.recordingPath(kQuality, 2));
  DataFolder::put(folder.recordingPath(kVoice, 5));
  EXPECT_EQ(nextFileNumber(folder).number, 6);
  // Notes and companion files do not hold a number; a backup marker does.
  DataFolder::put(folder.notesPath(6));
  DataFolder::put(folder.companionPath(kVoice, 7));
  EXPECT_EQ(nextFileNumber(folder).number, 6);
  DataFolder::put(folder.markerPath(kVoice, 7));
  EXPECT_EQ(nextFileNumber(folder).number, 8);
}

TEST(NextFileNumber, StopsAfterSixteenFreeNumbers) {
  DataFolder data;
  const ClientFolder folder = data.client(2);
  DataFolder::put(folder.recordingPath(kVoice, 1));
  DataFolder::put(folder.recordingPath(kVoice, 20));  // 2 to 17 free: never seen
  EXPECT_EQ(nextFileNumber(folder).number, 2);
  DataFolder::put(folder.recordingPath(kVoice, 19));  // 2 to 18 free before it: still hidden
  EXPECT_EQ(nextFileNumber(folder).number, 2);
  DataFolder::put(folder.recordingPath(kVoice, 4));  // 5 to 18 free: only 14, then 19
  EXPECT_EQ(nextFileNumber(folder).number, 21);
}

TEST(NextFileNumber, RefusesBeyondOneHundredFiftyFiles) {
  DataFolder data;
  const ClientFolder folder = data.client(3);
  for (int n = 1; n <= 150; n += 10) DataFolder::put(folder.recordingPath(kVoice, n));
  DataFolder::put(folder.recordingPath(kVoice, 150));
  EXPECT_EQ(nextFileNumber(folder).number, 151);
  EXPECT_FALSE(nextFileNumber(folder).failure);
  DataFolder::put(folder.markerPath(kQuality, 151));
  const NextNumber full = nextFileNumber(folder);
  EXPECT_EQ(full.number, -1);
  ASSERT_TRUE(full.failure);
  EXPECT_EQ(full.failure->id, core::MessageId::TooManyFiles);
}

TEST(TargetForNewRecording, GivesThePathOfTheNextNumberOrRefuses) {
  DataFolder data;
  EXPECT_EQ(targetForNewRecording(data.path(), 4, kVoice).failure->id,
            core::MessageId::FileCannotBeRecorded);  // no folder for the client
  const ClientFolder folder = data.client(4);
  DataFolder::put(folder.recordingPath(kVoice, 1));
  const RecordingTarget target = targetForNewRecording(data.path(), 4, kQuality);
  ASSERT_TRUE(target.ok());
  EXPECT_EQ(target.number, 2);
  EXPECT_EQ(target.path, data.path() + "/pac004/qv002.wav");
}

}  // namespace
}  // namespace sonarel::records
