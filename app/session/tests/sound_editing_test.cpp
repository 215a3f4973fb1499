// SPDX-License-Identifier: GPL-3.0-or-later
// The edit commands on a view, and what they do beside the samples: the results dropped,
// the display ended, the segment cache deleted.

#include "app/session/sound_editing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

class SoundEditing : public ::testing::Test {
 protected:
  void SetUp() override {
    original = testing::sine(200, 44100, 6800, 12000);  // 10 samples a strip column
    path = dir.write("qv003.wav", testing::simpleWave(44100, original));
    cache = dir.file("qv003.dat");
    ASSERT_FALSE(view.open(path, core::FileKind::VocalQuality));
    writeCache();
  }

  void writeCache() const { std::ofstream(cache) << "segments"; }
  bool cacheExists() const { return std::filesystem::exists(cache); }
  void mark(int x1, int x2) {
    view.pressStrip(x1);
    view.dragStrip(x2);
    view.releaseStrip(x2);
  }

  ScratchDir dir;
  std::vector<std::int16_t> original;
  std::string path, cache;
  ViewState view;
};

TEST_F(SoundEditing, ACutEndsTheDisplayDropsResultsAndDeletesTheCacheEvenWhenUndone) {
  ASSERT_FALSE(view.showMode(2, ModeNeeds{.f0 = true}));
  ASSERT_NE(view.displayData().f0, nullptr);
  const std::uint64_t revision = view.revision();
  mark(30, 10);  // right to left: samples 100..300
  EXPECT_FALSE(editView(view, EditCommand::Cut));
  EXPECT_EQ(view.buffer().count(), 6600);
  EXPECT_EQ(view.buffer().samples[100], original[300]);
  EXPECT_GT(view.revision(), revision);
  EXPECT_EQ(view.displayData().f0, nullptr);
  EXPECT_EQ(view.displayMode(), mode::None);
  EXPECT_TRUE(view.selection().empty());
  EXPECT_EQ(view.range(), (core::SampleRange{0, 6600}));
  EXPECT_FALSE(cacheExists());
  EXPECT_TRUE(view.edits().modified());
  EXPECT_FALSE(editAvailable(view, EditCommand::Paste, false));  // a cut is never pasted

  writeCache();
  EXPECT_FALSE(editView(view, EditCommand::Undo));
  EXPECT_EQ(view.buffer().samples, original);
  EXPECT_FALSE(cacheExists());
  EXPECT_FALSE(editAvailable(view, EditCommand::Undo, false));
}

TEST_F(SoundEditing, AClickWithoutADragCutsNothing) {
  const std::uint64_t revision = view.revision();
  mark(40, 40);
  const auto refusal = editView(view, EditCommand::Cut);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->id, core::MessageId::NeedSelectArea);
  EXPECT_EQ(view.buffer().samples, original);
  EXPECT_EQ(view.revision(), revision);
  EXPECT_TRUE(cacheExists());
  EXPECT_FALSE(view.edits().modified());
}

TEST_F(SoundEditing, CopyPasteUndoAtTheMarkedStart) {
  mark(0, 5);
  EXPECT_FALSE(editView(view, EditCommand::Copy));
  EXPECT_TRUE(cacheExists());  // copying changes nothing
  EXPECT_TRUE(editAvailable(view, EditCommand::Paste, false));
  mark(60, 70);
  EXPECT_FALSE(editView(view, EditCommand::Paste));
  ASSERT_EQ(view.buffer().count(), 6850);
  EXPECT_EQ(view.buffer().samples[600], original[0]);
  EXPECT_EQ(view.buffer().samples[650], original[600]);
  EXPECT_FALSE(editAvailable(view, EditCommand::Paste, false));
  EXPECT_FALSE(editView(view, EditCommand::Undo));
  EXPECT_EQ(view.buffer().samples, original);
}

TEST_F(SoundEditing, WhileZoomedTheVisibleRangeIsEdited) {
  mark(100, 200);
  ASSERT_FALSE(view.toggleZoom());
  EXPECT_FALSE(editView(view, EditCommand::Silence));
  EXPECT_FALSE(view.zoomed());
  const auto& samples = view.buffer().samples;
  EXPECT_EQ(samples[999], original[999]);
  EXPECT_EQ(std::count(samples.begin() + 1000, samples.begin() + 2000, 0), 1000);
  EXPECT_EQ(samples[2000], original[2000]);
}

TEST_F(SoundEditing, AmplifyWithoutAMarkedStretchTakesTheWholeFile) {
  EXPECT_FALSE(editView(view, EditCommand::Amplify, 50));
  for (std::size_t i = 0; i < original.size(); i += 97) {
    ASSERT_EQ(view.buffer().samples[i], original[i] / 2) << i;
  }
}

TEST_F(SoundEditing, NothingIsAvailableWhileADisplayPlaysOrNothingIsOpen) {
  EXPECT_TRUE(editAvailable(view, EditCommand::Cut, false));
  EXPECT_FALSE(editAvailable(view, EditCommand::Cut, true));
  view.close();
  EXPECT_FALSE(editAvailable(view, EditCommand::Amplify, false));
  EXPECT_FALSE(editView(view, EditCommand::Cut));
}

TEST_F(SoundEditing, OpeningAnotherFileEndsTheEditing) {
  mark(0, 10);
  editView(view, EditCommand::Silence);
  ASSERT_TRUE(view.edits().modified());
  ASSERT_FALSE(view.open(path, core::FileKind::VocalQuality));
  EXPECT_FALSE(view.edits().modified());
  EXPECT_FALSE(editAvailable(view, EditCommand::Undo, false));
}

}  // namespace
}  // namespace sonarel::app
