// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/client_session.h"

#include <filesystem>

#include "app/session/prompt.h"
#include "records/client_register.h"

namespace sonarel::app {

void ClientSession::setClient(const records::ClientRecord& client) {
  client_ = client;
  if (const auto settings = records::settingsForType(client_.type)) {
    recordingRate_ = settings->recordingRate;
  }
}

bool ClientSession::openClientFile(ViewState& view, records::FileNumber number,
                                   records::RecordingType type, Prompt& prompt) {
  if (!hasClient()) return false;
  if (const auto settings = records::settingsForType(client_.type)) {
    core::F0Settings f0 = view.f0Settings();
    f0.minPitch = settings->f0Minimum;
    f0.maxPitch = settings->f0Maximum;
    view.setF0Settings(f0);
    view.setClientType(client_.type);
    recordingRate_ = settings->recordingRate;
  } else {
    prompt.tell(core::Message{core::MessageId::UndefinedType});
  }
  if (auto refused = view.open(folder().recordingPath(type, number), type)) {
    prompt.tell(*refused);
    return false;
  }
  openNumber_ = number;
  openType_ = type;
  prepared_.reset();
  return true;
}

void ClientSession::savedAs(const ClientFile& file) {
  openNumber_ = file.number;
  openType_ = file.type;
  prepared_.reset();
}

void ClientSession::forgetOpenFile() {
  openNumber_ = -1;
  prepared_.reset();
}

std::optional<core::Message> ClientSession::prepareNewRecording(ViewState& view,
                                                                records::RecordingType type) {
  if (!hasClient()) return std::nullopt;
  const records::RecordingTarget target =
      records::targetForNewRecording(dataFolder_, client_.code, type);
  if (!target.ok()) return target.failure;
  view.close();
  openNumber_ = -1;
  prepared_ = ClientFile{type, target.number, target.path};
  return std::nullopt;
}

std::optional<ClientFile> ClientSession::recordTarget(const ViewState& view) const {
  if (!hasClient()) return std::nullopt;
  if (prepared_) return prepared_;
  if (openNumber_ < 0 || !view.isOpen()) return std::nullopt;
  const std::string path = folder().recordingPath(openType_, openNumber_);
  // The view may since show a file from elsewhere.
  if (view.buffer().path != path) return std::nullopt;
  return ClientFile{openType_, openNumber_, path};
}

void ClientSession::recordingMade(const ClientFile& target) const {
  if (target.type != records::RecordingType::VocalQuality) return;
  std::error_code ignored;
  std::filesystem::remove(folder().segmentCachePath(target.number), ignored);
}

}  // namespace sonarel::app
