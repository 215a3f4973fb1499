// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing the samples of an open recording: cut, copy, paste, silence and amplify, with one
// clip buffer and one level of undo.
//
// Stretches are [start, end) in samples, checked against the buffer they act on: a stretch
// that starts before 0 or is empty after being clipped to the buffer is refused (nothing
// changes). Only a copied stretch can be pasted, and only once: the paste releases the clip.
// A cut, silence or amplify keeps what undo needs in the clip instead.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"
#include "core/sample_buffer.h"

namespace sonarel::core {

enum class LastEdit : int {
  None = 0,
  Cut = 1,
  Copied = 2,
  Pasted = 3,
  Silenced = 4,
  Amplified = 5,
};

// A stretch of samples, [start, end).
struct EditStretch {
  SampleIndex start = 0;
  SampleIndex end = 0;
};

// The outcome of an edit: whether the samples changed (the caller then refreshes the view),
// or the message that refused it.
struct EditResult {
  bool changed = false;
  std::optional<Message> refusal;
};

class EditState {
 public:
  // Removes the stretch; refused when it would leave the recording without a sample.
  EditResult cut(std::vector<std::int16_t>& samples, EditStretch stretch);
  // Keeps the stretch as the clip to paste; the samples do not change.
  EditResult copy(const std::vector<std::int16_t>& samples, EditStretch stretch);
  // Inserts the copied clip before sample `at` (0..count).
  EditResult paste(std::vector<std::int16_t>& samples, SampleIndex at);
  // Sets the stretch to 0.
  EditResult silence(std::vector<std::int16_t>& samples, EditStretch stretch);
  // Scales the stretch by `percent` / 100 (see amplifiedSample).
  EditResult amplify(std::vector<std::int16_t>& samples, EditStretch stretch, int percent);
  // Reverts the last cut, paste, silence or amplify.
  EditResult undo(std::vector<std::int16_t>& samples);

  bool canUndo() const;
  bool canPaste() const { return last_ == LastEdit::Copied; }
  LastEdit lastEdit() const { return last_; }
  // Set by every change of the samples (undo too), cleared when they are saved.
  bool modified() const { return modified_; }
  void markSaved() { modified_ = false; }
  // A load or close ends the editing of the previous samples.
  void reset() { *this = EditState{}; }

  // What the clip holds (for tests and the benchmark): samples, and the stretch it came from;
  // after a paste, clipStart is the insertion point and clipEnd the inserted length.
  const std::vector<std::int16_t>& clip() const { return clip_; }
  SampleIndex clipStart() const { return clipStart_; }
  SampleIndex clipEnd() const { return clipEnd_; }

 private:
  // The stretch clipped to `count` samples, or nothing when it holds no sample.
  static std::optional<EditStretch> usable(EditStretch stretch, SampleIndex count);
  void keepClip(const std::vector<std::int16_t>& samples, EditStretch stretch, LastEdit edit);
  void releaseClip();
  EditResult changed();

  LastEdit last_ = LastEdit::None;
  std::vector<std::int16_t> clip_;
  SampleIndex clipStart_ = 0;
  SampleIndex clipEnd_ = 0;
  bool modified_ = false;
};

// A sample scaled by `gain`: truncated toward zero, then kept within -32767..32767 (so a
// full-scale negative sample never becomes -32768).
std::int16_t amplifiedSample(std::int16_t sample, double gain);

}  // namespace sonarel::core
