// SPDX-License-Identifier: GPL-3.0-or-later
// Deleted recordings, notes and client folders are moved aside, never unlinked.
#include "records/trash.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "records/client_register.h"
#include "records/session_file.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::records {
namespace {

namespace fs = std::filesystem;
using testing::DataFolder;
constexpr auto kVoice = RecordingType::VoiceAnalysis;
constexpr auto kQuality = RecordingType::VocalQuality;

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

TEST(Trash, DeletedFilesKeepTheirPlaceInTheDataFolderTrash) {
  DataFolder data;
  const ClientFolder folder = data.client(3);
  DataFolder::put(folder.recordingPath(kVoice, 1), "first take");
  DataFolder::put(folder.notesPath(1), "{\\rtf1 notes}");
  EXPECT_TRUE(deleteSessionFile(folder, 1, kVoice).anythingDeleted);
  const std::string trash = data.path() + "/Trash/pac003/";
  EXPECT_EQ(contents(trash + "wv001.wav"), "first take");
  EXPECT_EQ(contents(trash + "an001.rtf"), "{\\rtf1 notes}");
  EXPECT_TRUE(listSessionFiles(folder).empty());

  // The same name again does not overwrite what the trash holds.
  DataFolder::put(folder.recordingPath(kVoice, 1), "second take");
  EXPECT_TRUE(deleteListedFile(folder, *fileInformation(folder, 1)).anythingDeleted);
  EXPECT_EQ(contents(trash + "wv001.wav"), "first take");
  EXPECT_EQ(contents(trash + "wv001 (2).wav"), "second take");
}

TEST(Trash, AClientFolderGoesWholeAndItsRecordLeavesTheRegister) {
  DataFolder data;
  ClientTable table(data.path() + "/pacb.dbf");
  ASSERT_TRUE(table.create().ok());
  ClientRecord record;
  record.name = "Ana";
  record.type = 1;
  const Registration added = registerClient(table, data.path(), record);
  ASSERT_FALSE(added.failure);
  const ClientFolder folder(data.path(), added.record.code);
  DataFolder::put(folder.recordingPath(kQuality, 2), "vowel");
  DataFolder::put(folder.segmentCachePath(2), "cache");

  const DeleteOutcome outcome = deleteClient(table, data.path(), added.record.code);
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_FALSE(folder.exists());
  EXPECT_FALSE(table.find(added.record.code));
  const std::string kept = data.path() + "/Trash/" + clientFolderName(added.record.code);
  EXPECT_EQ(contents(kept + "/qv002.wav"), "vowel");
  EXPECT_EQ(contents(kept + "/qv002.dat"), "cache");
}

TEST(Trash, TheGivenDiscardIsUsedAndItsFailureReported) {
  DataFolder data;
  const ClientFolder folder = data.client(4);
  DataFolder::put(folder.recordingPath(kVoice, 1));
  DataFolder::put(folder.markerPath(kVoice, 2));  // keeps the folder: files go one by one
  std::vector<std::string> asked;
  const Discard refuse = [&](const std::string& path) {
    asked.push_back(fs::path(path).filename().string());
    return false;
  };
  const DeleteOutcome outcome = deleteClientFolder(folder, refuse);
  EXPECT_EQ(asked, std::vector<std::string>{"wv001.wav"});
  ASSERT_EQ(outcome.messages.size(), 2u);
  EXPECT_EQ(outcome.messages[0].id, core::MessageId::CannotDeleteFile);
  EXPECT_EQ(outcome.messages[1].id, core::MessageId::ClientFolderNotDeleted);
  EXPECT_TRUE(fs::exists(folder.recordingPath(kVoice, 1)));
  EXPECT_FALSE(fs::exists(data.path() + "/Trash"));
}

}  // namespace
}  // namespace sonarel::records
