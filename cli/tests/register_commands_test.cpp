// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/tests/cli_runner.h"
#include "records/client_table.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::cli {
namespace {

using records::RecordingType;
using sonarel::testing::DataFolder;

records::ClientRecord named(int code, const std::string& name, int type) {
  records::ClientRecord r;
  r.code = code;
  r.name = name;
  r.type = type;
  return r;
}

class RegisterCommands : public ::testing::Test {
 protected:
  DataFolder data;
  void SetUp() override {
    records::ClientTable table(data.file("pacb.dbf"));
    ASSERT_TRUE(table.create().ok());
    ASSERT_TRUE(table.append(named(1, "Maria José", 1)).ok());
    ASSERT_TRUE(table.append(named(12, "김민준", 3)).ok());
    const auto folder = data.client(12);
    DataFolder::put(folder.recordingPath(RecordingType::VoiceAnalysis, 1), "x", 20080301);
    DataFolder::put(folder.recordingPath(RecordingType::VocalQuality, 2), "x", 20090415);
    DataFolder::put(folder.markerPath(RecordingType::VoiceAnalysis, 3), "x", 20070101);
    DataFolder::put(folder.notesPath(1),
                    "{\\rtf1\\ansi\\pard Voz \\'e1spera\\par\n\\pard second\\par\n}");
  }
};

TEST_F(RegisterCommands, ClientsListsCodeNameTypeAndFileCount) {
  const Outcome r = runCli({"clients", data.path()});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out, "001\tMaria José\tWoman\t0\n012\t김민준\tSinger\t3\n");
}

TEST_F(RegisterCommands, FilesListsAClientsFilesNewestFirst) {
  const Outcome r = runCli({"files", data.path(), "12"});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out,
            "04/15/2009 File 2\tvocal quality\t\n"
            "03/01/2008 File 1\tvoice analysis\tVoz áspera\n"
            "01/01/2007 File 3\tbacked up\t?\n");
}

TEST_F(RegisterCommands, BadInputAndUsageErrors) {
  Outcome r = runCli({"files", data.path(), "7"});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "There is no client with the code 007.\n");
  r = runCli({"clients", data.file("nowhere")});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "Error - File not Found\n");
  std::filesystem::create_directories(data.file("broken"));
  std::ofstream(data.file("broken/pacb.dbf")) << "not a table";
  r = runCli({"clients", data.file("broken")});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.err, "The client register " + data.file("broken/pacb.dbf") +
                       " is damaged and cannot be read.\n");
  EXPECT_EQ(runCli({"files", data.path()}).status, kExitUsage);
  EXPECT_EQ(runCli({"files", data.path(), "x"}).status, kExitUsage);
  EXPECT_EQ(runCli({"clients"}).status, kExitUsage);
}

}  // namespace
}  // namespace sonarel::cli
