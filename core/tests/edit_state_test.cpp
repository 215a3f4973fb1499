// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/edit_state.h"

#include <gtest/gtest.h>

#include <numeric>

namespace sonarel::core {
namespace {

using Samples = std::vector<std::int16_t>;

Samples ramp(int count) {
  Samples samples(static_cast<std::size_t>(count));
  std::iota(samples.begin(), samples.end(), std::int16_t{1});
  return samples;
}

TEST(Amplify, TruncatesThenKeepsWithinSymmetricFullScale) {
  EXPECT_EQ(amplifiedSample(20000, 2.0), 32767);
  EXPECT_EQ(amplifiedSample(-20000, 2.0), -32767);  // never -32768
  EXPECT_EQ(amplifiedSample(-32768, 1.0), -32767);
  EXPECT_EQ(amplifiedSample(7, 1.8), 12);    // 12.6 toward zero
  EXPECT_EQ(amplifiedSample(-7, 1.8), -12);  // -12.6 toward zero, not -13
  EXPECT_EQ(amplifiedSample(3, 0.5), 1);
  EXPECT_EQ(amplifiedSample(1234, 0.0), 0);
}

TEST(EditState, AmplifyScalesOnlyTheStretchAndUndoRestoresIt) {
  Samples samples = {20000, -20000, 100, -100, 5};
  EditState edits;
  EXPECT_TRUE(edits.amplify(samples, {0, 4}, 200).changed);
  EXPECT_EQ(samples, (Samples{32767, -32767, 200, -200, 5}));
  EXPECT_EQ(edits.lastEdit(), LastEdit::Amplified);
  EXPECT_TRUE(edits.modified());
  EXPECT_TRUE(edits.undo(samples).changed);
  EXPECT_EQ(samples, (Samples{20000, -20000, 100, -100, 5}));
  EXPECT_FALSE(edits.canUndo());
}

TEST(EditState, ZeroPercentSilencesAndUndoRestores) {
  const Samples before = ramp(10);
  Samples samples = before;
  EditState edits;
  edits.amplify(samples, {2, 6}, 0);
  EXPECT_EQ(samples, (Samples{1, 2, 0, 0, 0, 0, 7, 8, 9, 10}));
  edits.undo(samples);
  EXPECT_EQ(samples, before);
}

TEST(EditState, SilenceAndUndo) {
  const Samples before = ramp(6);
  Samples samples = before;
  EditState edits;
  EXPECT_TRUE(edits.silence(samples, {1, 3}).changed);
  EXPECT_EQ(samples, (Samples{1, 0, 0, 4, 5, 6}));
  EXPECT_FALSE(edits.canPaste());  // the clip is for undo, not for pasting
  edits.undo(samples);
  EXPECT_EQ(samples, before);
}

TEST(EditState, CutRemovesTheStretchAndUndoPutsItBack) {
  const Samples before = ramp(8);
  Samples samples = before;
  EditState edits;
  EXPECT_TRUE(edits.cut(samples, {2, 5}).changed);
  EXPECT_EQ(samples, (Samples{1, 2, 6, 7, 8}));
  EXPECT_TRUE(edits.canUndo());
  EXPECT_FALSE(edits.canPaste());  // a cut stretch is never pasted
  EXPECT_FALSE(edits.paste(samples, 0).changed);
  EXPECT_EQ(samples.size(), 5u);
  edits.undo(samples);
  EXPECT_EQ(samples, before);
  EXPECT_EQ(edits.lastEdit(), LastEdit::None);
}

TEST(EditState, CopyPasteUndoLeavesTheBufferAsBeforeThePaste) {
  const Samples before = ramp(6);
  Samples samples = before;
  EditState edits;
  EXPECT_FALSE(edits.copy(samples, {0, 2}).changed);
  EXPECT_FALSE(edits.modified());  // copying changes nothing
  EXPECT_TRUE(edits.canPaste());
  EXPECT_TRUE(edits.paste(samples, 4).changed);
  EXPECT_EQ(samples, (Samples{1, 2, 3, 4, 1, 2, 5, 6}));
  EXPECT_EQ(edits.clipStart(), 4);
  EXPECT_EQ(edits.clipEnd(), 2);  // the pasted length
  EXPECT_TRUE(edits.clip().empty());
  EXPECT_FALSE(edits.canPaste());  // pasted once
  edits.undo(samples);
  EXPECT_EQ(samples, before);
}

TEST(EditState, PasteBeyondTheEndAppends) {
  Samples samples = ramp(3);
  EditState edits;
  edits.copy(samples, {0, 1});
  edits.paste(samples, 99);
  EXPECT_EQ(samples, (Samples{1, 2, 3, 1}));
  edits.undo(samples);
  EXPECT_EQ(samples, ramp(3));
}

TEST(EditState, EmptyNegativeOrOutsideStretchesChangeNothing) {
  const Samples before = ramp(5);
  Samples samples = before;
  EditState edits;
  for (const EditStretch stretch :
       {EditStretch{2, 2}, EditStretch{-1, 3}, EditStretch{5, 9}, EditStretch{3, 1}}) {
    SCOPED_TRACE(testing::Message() << stretch.start << ".." << stretch.end);
    const EditResult cut = edits.cut(samples, stretch);
    EXPECT_FALSE(cut.changed);
    ASSERT_TRUE(cut.refusal);
    EXPECT_EQ(cut.refusal->id, MessageId::NeedSelectArea);
    EXPECT_FALSE(edits.silence(samples, stretch).changed);
    EXPECT_FALSE(edits.amplify(samples, stretch, 150).changed);
  }
  EXPECT_EQ(samples, before);
  EXPECT_FALSE(edits.modified());
  EXPECT_FALSE(edits.canUndo());
}

TEST(EditState, AStretchRunningPastTheEndIsClipped) {
  Samples samples = ramp(5);
  EditState edits;
  edits.silence(samples, {3, 40});
  EXPECT_EQ(samples, (Samples{1, 2, 3, 0, 0}));
  edits.undo(samples);
  EXPECT_EQ(samples, ramp(5));
}

TEST(EditState, CuttingEverySampleIsRefused) {
  Samples samples = ramp(4);
  EditState edits;
  const EditResult result = edits.cut(samples, {0, 4});
  EXPECT_FALSE(result.changed);
  ASSERT_TRUE(result.refusal);
  EXPECT_EQ(result.refusal->id, MessageId::CannotCutWholeRecording);
  EXPECT_EQ(samples, ramp(4));
}

TEST(EditState, ANewEditReplacesTheClipAndOnlyTheLastOneIsUndone) {
  Samples samples = ramp(6);
  EditState edits;
  edits.copy(samples, {0, 2});
  edits.silence(samples, {4, 6});  // releases the copied clip
  EXPECT_FALSE(edits.canPaste());
  edits.cut(samples, {0, 1});
  EXPECT_EQ(samples, (Samples{2, 3, 4, 0, 0}));
  edits.undo(samples);
  EXPECT_EQ(samples, (Samples{1, 2, 3, 4, 0, 0}));  // the silence stays
  EXPECT_FALSE(edits.undo(samples).changed);
}

TEST(EditState, SavingClearsModifiedAndUndoSetsItAgain) {
  Samples samples = ramp(4);
  EditState edits;
  edits.silence(samples, {0, 1});
  edits.markSaved();
  EXPECT_FALSE(edits.modified());
  edits.undo(samples);
  EXPECT_TRUE(edits.modified());
}

}  // namespace
}  // namespace sonarel::core
