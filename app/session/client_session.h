// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client side of the workstation without a window: the current client, the file of
// theirs that is open or prepared for recording, the recording rate of their type, and what
// opening, preparing and recording a client file does to a view.

#include <optional>
#include <string>

#include "app/session/prompt.h"
#include "app/session/view_state.h"
#include "core/message.h"
#include "records/client_folder.h"
#include "records/client_record.h"

namespace sonarel::app {

// A client's recording: where it is (or will be) and what kind.
struct ClientFile {
  records::RecordingType type = records::RecordingType::VoiceAnalysis;
  records::FileNumber number = -1;
  std::string path;
};

class ClientSession {
 public:
  explicit ClientSession(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {}

  const std::string& dataFolder() const { return dataFolder_; }
  // The current client (code -1 while none is chosen).
  const records::ClientRecord& client() const { return client_; }
  bool hasClient() const { return client_.code >= 0; }
  // Choosing a client takes the recording rate of their type.
  void setClient(const records::ClientRecord& client);
  records::ClientFolder folder() const { return {dataFolder_, client_.code}; }

  // The sampling rate new recordings are made at (Hz). A rate chosen by hand lasts until a
  // client is chosen or one of their files opened.
  int recordingRate() const { return recordingRate_; }
  void setRecordingRate(int rate) { recordingRate_ = rate; }

  // Opens the current client's file `number` in `view`. The client's type sets the F0
  // range and the vowel targets first; an undefined type is told and the file opens with
  // the settings as they were. A refused file is told and leaves the view as it was.
  bool openClientFile(ViewState& view, records::FileNumber number, records::RecordingType type,
                      Prompt& prompt);
  // The open samples were saved as the client's new file `file`, which is now the open one.
  void savedAs(const ClientFile& file);
  // A file from outside the client folders is no client file, and the view was emptied or
  // changed: nothing of the client's is open or prepared any more.
  void forgetOpenFile();
  // The open client file's number, -1 for none.
  records::FileNumber openNumber() const { return openNumber_; }
  records::RecordingType openType() const { return openType_; }

  // Prepares a new, empty file of `type` with the client's next number, emptying `view`;
  // the refusal when it cannot be made (the view stays as it was then).
  std::optional<core::Message> prepareNewRecording(ViewState& view, records::RecordingType type);
  const std::optional<ClientFile>& prepared() const { return prepared_; }
  // The file "Record" records: the prepared one, else the open one while `view` still shows
  // it.
  std::optional<ClientFile> recordTarget(const ViewState& view) const;
  // A recording was written to `target`: stored segment results belong to the sound it
  // replaced and go.
  void recordingMade(const ClientFile& target) const;

 private:
  std::string dataFolder_;
  records::ClientRecord client_;
  int recordingRate_ = 11025;
  records::FileNumber openNumber_ = -1;
  records::RecordingType openType_ = records::RecordingType::VoiceAnalysis;
  std::optional<ClientFile> prepared_;
};

}  // namespace sonarel::app
