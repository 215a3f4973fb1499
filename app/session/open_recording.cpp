// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/open_recording.h"

#include <utility>

namespace sonarel::app {

std::optional<core::Message> OpenRecording::open(const std::string& path, core::FileKind kind) {
  core::SampleBuffer next;
  next.kind = kind;
  // The open recording stays until the new one has really loaded.
  if (auto refused = core::openSoundFile(next, path)) return refused;
  buffer_ = std::move(next);
  ++revision_;
  return std::nullopt;
}

void OpenRecording::close() {
  core::releaseSoundFile(buffer_);
  ++revision_;
}

bool OpenRecording::changeSamplesIf(const std::function<bool(std::vector<std::int16_t>&)>& edit) {
  if (!edit(buffer_.samples)) return false;
  buffer_.flags.clear();
  buffer_.range = {0, buffer_.count()};
  ++revision_;
  return true;
}

}  // namespace sonarel::app
