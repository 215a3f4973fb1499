// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/edit_state.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace sonarel::core {
namespace {

EditResult refused(MessageId id) {
  return {false, Message{id}};
}

auto at(std::vector<std::int16_t>& samples, SampleIndex index) {
  return samples.begin() + static_cast<std::ptrdiff_t>(index);
}

auto at(const std::vector<std::int16_t>& samples, SampleIndex index) {
  return samples.begin() + static_cast<std::ptrdiff_t>(index);
}

}  // namespace

std::int16_t amplifiedSample(std::int16_t sample, double gain) {
  const double scaled = std::trunc(static_cast<double>(sample) * gain);
  return static_cast<std::int16_t>(std::clamp(scaled, -32767.0, 32767.0));
}

std::optional<EditStretch> EditState::usable(EditStretch stretch, SampleIndex count) {
  if (stretch.start < 0 || stretch.end < 0) return std::nullopt;
  stretch.end = std::min(stretch.end, count);
  if (stretch.start >= stretch.end) return std::nullopt;
  return stretch;
}

bool EditState::canUndo() const {
  return last_ == LastEdit::Cut || last_ == LastEdit::Pasted || last_ == LastEdit::Silenced ||
         last_ == LastEdit::Amplified;
}

void EditState::keepClip(const std::vector<std::int16_t>& samples, EditStretch stretch,
                         LastEdit edit) {
  releaseClip();
  clip_.assign(at(samples, stretch.start), at(samples, stretch.end));
  clipStart_ = stretch.start;
  clipEnd_ = stretch.end;
  last_ = edit;
}

void EditState::releaseClip() {
  clip_.clear();
  clip_.shrink_to_fit();
}

EditResult EditState::changed() {
  modified_ = true;
  return {true, std::nullopt};
}

EditResult EditState::cut(std::vector<std::int16_t>& samples, EditStretch stretch) {
  const auto s = usable(stretch, static_cast<SampleIndex>(samples.size()));
  if (!s) return refused(MessageId::NeedSelectArea);
  // A recording without samples is no recording: the view would close under the user.
  if (s->end - s->start >= static_cast<SampleIndex>(samples.size())) {
    return refused(MessageId::CannotCutWholeRecording);
  }
  keepClip(samples, *s, LastEdit::Cut);
  samples.erase(at(samples, s->start), at(samples, s->end));
  return changed();
}

EditResult EditState::copy(const std::vector<std::int16_t>& samples, EditStretch stretch) {
  const auto s = usable(stretch, static_cast<SampleIndex>(samples.size()));
  if (!s) return refused(MessageId::NeedSelectArea);
  keepClip(samples, *s, LastEdit::Copied);
  return {};
}

EditResult EditState::paste(std::vector<std::int16_t>& samples, SampleIndex where) {
  if (last_ != LastEdit::Copied) return {};
  if (where < 0) return refused(MessageId::NeedSelectArea);
  where = std::min(where, static_cast<SampleIndex>(samples.size()));
  samples.insert(at(samples, where), clip_.begin(), clip_.end());
  clipStart_ = where;
  clipEnd_ = static_cast<SampleIndex>(clip_.size());
  releaseClip();  // a clip is pasted once
  last_ = LastEdit::Pasted;
  return changed();
}

EditResult EditState::silence(std::vector<std::int16_t>& samples, EditStretch stretch) {
  const auto s = usable(stretch, static_cast<SampleIndex>(samples.size()));
  if (!s) return refused(MessageId::NeedSelectArea);
  keepClip(samples, *s, LastEdit::Silenced);
  std::fill(at(samples, s->start), at(samples, s->end), std::int16_t{0});
  return changed();
}

EditResult EditState::amplify(std::vector<std::int16_t>& samples, EditStretch stretch,
                              int percent) {
  const auto s = usable(stretch, static_cast<SampleIndex>(samples.size()));
  if (!s) return refused(MessageId::NeedSelectArea);
  keepClip(samples, *s, LastEdit::Amplified);
  const double gain = percent / 100.0;
  std::transform(at(samples, s->start), at(samples, s->end), at(samples, s->start),
                 [gain](std::int16_t sample) { return amplifiedSample(sample, gain); });
  return changed();
}

EditResult EditState::undo(std::vector<std::int16_t>& samples) {
  const auto count = static_cast<SampleIndex>(samples.size());
  switch (last_) {
    case LastEdit::Cut:
      samples.insert(at(samples, std::min(clipStart_, count)), clip_.begin(), clip_.end());
      break;
    case LastEdit::Pasted:
      samples.erase(at(samples, clipStart_), at(samples, std::min(clipStart_ + clipEnd_, count)));
      break;
    case LastEdit::Silenced:
    case LastEdit::Amplified:
      std::copy(clip_.begin(), clip_.end(), at(samples, clipStart_));
      break;
    default:
      return {};
  }
  releaseClip();
  last_ = LastEdit::None;
  return changed();
}

}  // namespace sonarel::core
