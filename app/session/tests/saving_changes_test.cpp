// SPDX-License-Identifier: GPL-3.0-or-later
// The "Save Changes?" question and its answers: saving over the file, as the client's next
// file, not saving, cancelling, and a save that fails.

#include "app/session/saving_changes.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/session/sound_editing.h"
#include "core/tests/kill_harness.h"
#include "core/wave_file.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::app {
namespace {

using records::RecordingType;
using sonarel::testing::DataFolder;

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class SavingChanges : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = data.client(4);
    filePath = folder.recordingPath(RecordingType::VoiceAnalysis, 1);
    const auto wave = testing::simpleWave(11025, testing::sine(200, 11025, 13600, 8000));
    std::ofstream(filePath, std::ios::binary)
        .write(reinterpret_cast<const char*>(wave.data()), static_cast<long>(wave.size()));
    before = contents(filePath);
    records::ClientRecord record;
    record.code = 4;
    record.name = "Rui";
    session.setClient(record);
    ASSERT_TRUE(session.openClientFile(view, 1, RecordingType::VoiceAnalysis, prompt));
    view.selectAll();
    ASSERT_FALSE(editView(view, EditCommand::Amplify, 50));
    edited = view.buffer().samples;
  }

  DataFolder data;
  records::ClientFolder folder{"", 4};
  std::string filePath, before;
  std::vector<std::int16_t> edited;
  ClientSession session{data.path()};
  ViewState view;
  ScriptedPrompt prompt;
};

TEST_F(SavingChanges, NothingIsAskedWithoutChanges) {
  view.edits().markSaved();
  EXPECT_TRUE(settleChanges(view, session, prompt));
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(SavingChanges, SaveThisFileWritesOverTheOpenFile) {
  prompt.saveAnswers = {SaveAnswer::SaveOver};
  EXPECT_TRUE(settleChanges(view, session, prompt));
  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_EQ(prompt.shown[0].id, core::MessageId::SaveChangesQuestion);
  EXPECT_FALSE(view.edits().modified());
  const core::LoadedWave saved = core::loadWave(filePath);
  EXPECT_EQ(saved.samples, edited);
  EXPECT_EQ(saved.format.sampleRate, 11025u);
}

TEST_F(SavingChanges, SaveAsNewFileTakesTheClientsNextNumberAndOpensIt) {
  prompt.saveAnswers = {SaveAnswer::SaveAsNew};
  EXPECT_TRUE(settleChanges(view, session, prompt));
  const std::string next = folder.recordingPath(RecordingType::VoiceAnalysis, 2);
  EXPECT_EQ(core::loadWave(next).samples, edited);
  EXPECT_EQ(contents(filePath), before);
  EXPECT_EQ(view.buffer().path, next);
  EXPECT_EQ(session.openNumber(), 2);
  EXPECT_FALSE(view.edits().modified());
}

TEST_F(SavingChanges, CancelStopsAndDontSaveWritesNothing) {
  prompt.saveAnswers = {SaveAnswer::Cancel, SaveAnswer::DontSave};
  EXPECT_FALSE(settleChanges(view, session, prompt));
  EXPECT_TRUE(view.edits().modified());
  EXPECT_TRUE(settleChanges(view, session, prompt));
  EXPECT_FALSE(view.edits().modified());  // let go, so not asked a second time
  EXPECT_EQ(prompt.shown.size(), 2u);
  EXPECT_EQ(contents(filePath), before);
  EXPECT_EQ(view.buffer().samples, edited);
}

// A save that cannot be written keeps the file, the edits and the modified flag, says so and
// stops the command that asked.
TEST_F(SavingChanges, AFullDiskKeepsTheFileAndTheEdits) {
  // The file-size limit stands in for a full disk: writes past it fail as ENOSPC would.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  prompt.saveAnswers = {SaveAnswer::SaveOver, SaveAnswer::SaveAsNew};
  const bool over = settleChanges(view, session, prompt);
  const bool asNew = settleChanges(view, session, prompt);
  setrlimit(RLIMIT_FSIZE, &old);

  EXPECT_FALSE(over);
  EXPECT_FALSE(asNew);
  ASSERT_EQ(prompt.shown.size(), 4u);
  EXPECT_EQ(prompt.shown[1].id, core::MessageId::FileCannotBeRecorded);
  EXPECT_EQ(prompt.shown[3].id, core::MessageId::FileCannotBeRecorded);
  EXPECT_EQ(contents(filePath), before);
  EXPECT_FALSE(std::filesystem::exists(folder.recordingPath(RecordingType::VoiceAnalysis, 2)));
  EXPECT_TRUE(view.edits().modified());
  EXPECT_EQ(view.buffer().samples, edited);
  EXPECT_EQ(view.buffer().path, filePath);
  EXPECT_EQ(session.openNumber(), 1);
  // Only the file itself is left in the folder: no temporary file stays behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(SavingChanges, AReadOnlyFolderKeepsTheFileAndTheEdits) {
  prompt.saveAnswers = {SaveAnswer::SaveOver};
  // The save runs in a child; it reports back as "written" unless it refused as it should:
  // a refusal naming the file, with the edits kept. On a read-only mount the file itself is
  // found read-only first.
  sonarel::testing::expectReadOnlyFolderKeepsTheOldFile(filePath, [&] {
    const bool saved = settleChanges(view, session, prompt);
    if (saved || prompt.shown.size() != 2 || !view.edits().modified()) return true;
    const core::MessageId id = prompt.shown[1].id;
    return id != core::MessageId::FileCannotBeRecorded && id != core::MessageId::TargetReadOnly;
  });
}

}  // namespace
}  // namespace sonarel::app
