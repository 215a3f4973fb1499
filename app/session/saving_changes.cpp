// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/saving_changes.h"

#include "core/wave_file.h"

namespace sonarel::app {

std::optional<core::Message> saveOver(ViewState& view) {
  if (!view.isOpen()) return std::nullopt;
  const core::SampleBuffer& buffer = view.buffer();
  if (auto failure = core::writeWave(buffer.path, buffer.format, buffer.samples)) return failure;
  view.edits().markSaved();
  return std::nullopt;
}

std::optional<core::Message> saveAsNew(ViewState& view, ClientSession& session) {
  if (!view.isOpen()) return std::nullopt;
  if (!session.hasClient()) return core::Message{core::MessageId::SelectClient};
  const core::SampleBuffer& buffer = view.buffer();
  const records::RecordingType type = core::kindForRate(buffer.format.sampleRate);
  const records::RecordingTarget target =
      records::targetForNewRecording(session.dataFolder(), session.client().code, type);
  if (!target.ok()) return target.failure;
  if (auto failure = core::writeWave(target.path, buffer.format, buffer.samples)) return failure;
  view.renameRecording(target.path);
  session.savedAs(ClientFile{type, target.number, target.path});
  view.edits().markSaved();
  return std::nullopt;
}

bool saveAsAnswered(ViewState& view, ClientSession& session, Prompt& prompt, SaveAnswer answer) {
  std::optional<core::Message> failure;
  switch (answer) {
    case SaveAnswer::SaveOver:
      failure = saveOver(view);
      break;
    case SaveAnswer::SaveAsNew:
      failure = saveAsNew(view, session);
      break;
    case SaveAnswer::DontSave:
      return true;
    case SaveAnswer::Cancel:
      return false;
  }
  if (!failure) return true;
  prompt.tell(*failure);
  return false;
}

bool settleChanges(ViewState& view, ClientSession& session, Prompt& prompt) {
  if (!view.isOpen() || !view.edits().modified()) return true;
  const SaveAnswer answer = prompt.askSave(core::Message{core::MessageId::SaveChangesQuestion});
  // Let go: the file is about to be replaced, and nothing asks a second time.
  if (answer == SaveAnswer::DontSave) view.edits().markSaved();
  return saveAsAnswered(view, session, prompt, answer);
}

}  // namespace sonarel::app
