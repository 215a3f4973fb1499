// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/client_register.h"

#include <gtest/gtest.h>

#include "records/client_code.h"
#include "records/tests/table_fixtures.h"

namespace sonarel::records {
namespace {

using core::MessageId;
using testing::client;
using testing::DataFolder;

class ClientRegisterTest : public ::testing::Test {
 protected:
  DataFolder data;
  ClientTable table{data.file("pacb.dbf")};
  void SetUp() override { ASSERT_TRUE(table.create().ok()); }
};

TEST_F(ClientRegisterTest, NewCodesFollowTheLargestAndSkipLeftFolders) {
  const Registration first = registerClient(table, data.path(), client(-1, "Ana"));
  ASSERT_FALSE(first.failure);
  EXPECT_EQ(first.record.code, 1);
  EXPECT_TRUE(ClientFolder(data.path(), 1).exists());

  ASSERT_TRUE(table.append(client(2, "Bia")).ok());
  ASSERT_TRUE(table.append(client(5, "Caio")).ok());
  table.load();
  EXPECT_EQ(newClientCode(table.list(), data.path()).code, 6);
  // Client 5 deleted, its folder gone: 3 is next. A folder left behind by a client whose
  // record went (it holds a backup marker) is never given to a new client.
  EXPECT_TRUE(deleteClient(table, data.path(), 5).messages.empty());
  EXPECT_EQ(newClientCode(table.list(), data.path()).code, 3);
  data.client(3);
  data.client(4);
  EXPECT_EQ(newClientCode(table.list(), data.path()).code, 5);
  const Registration next = registerClient(table, data.path(), client(-1, "Davi"));
  EXPECT_EQ(next.record.code, 5);
  EXPECT_FALSE(next.warning);

  std::vector<ClientRecord> full = {client(kMaxClientCode, "Last")};
  EXPECT_EQ(newClientCode(full, data.path()).failure->id, MessageId::ClientCodesExhausted);
}

TEST_F(ClientRegisterTest, DeletingAClientWithMarkersStillRemovesItsRecord) {
  const Registration r = registerClient(table, data.path(), client(-1, "Eva"));
  ASSERT_FALSE(r.failure);
  const ClientFolder folder(data.path(), r.record.code);
  DataFolder::put(folder.recordingPath(RecordingType::VoiceAnalysis, 1));
  DataFolder::put(folder.markerPath(RecordingType::VoiceAnalysis, 2));
  const DeleteOutcome outcome = deleteClient(table, data.path(), r.record.code);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].id, MessageId::ClientFolderNotDeleted);
  EXPECT_EQ(table.count(), 0);
  // Deleting it again finds no record.
  const DeleteOutcome again = deleteClient(table, data.path(), r.record.code);
  EXPECT_EQ(again.messages.back().id, MessageId::ErrorAccessingDatabase);
}

TEST(ClientTypes, SetTheF0RangeAndTheRecordingRate) {
  EXPECT_EQ(settingsForType(0)->f0Minimum, 70);
  EXPECT_EQ(settingsForType(1)->f0Minimum, 120);
  EXPECT_EQ(settingsForType(2)->f0Maximum, 550);
  EXPECT_EQ(settingsForType(3)->f0Maximum, 1000);
  EXPECT_EQ(settingsForType(3)->recordingRate, 22050);
  EXPECT_EQ(settingsForType(2)->recordingRate, 11025);
  EXPECT_FALSE(settingsForType(4));
  EXPECT_FALSE(settingsForType(-1));
}

}  // namespace
}  // namespace sonarel::records
