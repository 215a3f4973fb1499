// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/sound_editing.h"

#include "quality/segment_cache.h"

namespace sonarel::app {

core::EditStretch editStretch(const ViewState& view) {
  if (view.zoomed()) return {view.range().first, view.range().last};
  const SampleStretch marked = view.selectedStretch();
  return {marked.start, marked.start + marked.length};
}

core::EditStretch amplifyStretch(const ViewState& view) {
  const core::EditStretch stretch = editStretch(view);
  if (stretch.end > stretch.start) return stretch;
  return {0, view.buffer().count()};
}

std::optional<core::Message> editView(ViewState& view, EditCommand command, int percent) {
  if (!view.isOpen()) return std::nullopt;
  core::EditState& edits = view.edits();
  const core::EditStretch stretch = editStretch(view);
  const core::EditStretch amplified = amplifyStretch(view);
  std::optional<core::Message> refusal;
  const bool changed = view.changeSamplesIf([&](std::vector<std::int16_t>& samples) {
    core::EditResult result;
    switch (command) {
      case EditCommand::Cut:
        result = edits.cut(samples, stretch);
        break;
      case EditCommand::Copy:
        result = edits.copy(samples, stretch);
        break;
      case EditCommand::Paste:
        result = edits.paste(samples, stretch.start);
        break;
      case EditCommand::Silence:
        result = edits.silence(samples, stretch);
        break;
      case EditCommand::Amplify:
        result = edits.amplify(samples, amplified, percent);
        break;
      case EditCommand::Undo:
        result = edits.undo(samples);
        break;
    }
    refusal = result.refusal;
    return result.changed;
  });
  // The segment cache describes the samples as they were: it goes with every change.
  if (changed) quality::removeSegmentCache(view.buffer().path);
  return refusal;
}

bool editAvailable(const ViewState& view, EditCommand command, bool realTime) {
  if (!view.isOpen() || realTime) return false;
  switch (command) {
    case EditCommand::Paste:
      return view.edits().canPaste();
    case EditCommand::Undo:
      return view.edits().canUndo();
    default:
      return true;
  }
}

}  // namespace sonarel::app
