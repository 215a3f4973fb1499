// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recording a view shows, with a revision number that every change of its samples
// raises: opening, closing and editing. Results computed from the samples are kept together
// with the revision they were computed for, so none outlives the samples it describes.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"
#include "core/sample_buffer.h"

namespace sonarel::app {

class OpenRecording {
 public:
  // Loads `path` as `kind`; on refusal the recording open so far stays as it was.
  std::optional<core::Message> open(const std::string& path, core::FileKind kind);
  void close();
  // Changes the samples in place unless `edit` returns false (it refused); after a change the
  // range goes back to the whole recording and every analysis flag is cleared.
  bool changeSamplesIf(const std::function<bool(std::vector<std::int16_t>&)>& edit);
  // The path the samples belong to from now on (after they were saved under another name).
  void setPath(const std::string& path) { buffer_.path = path; }

  bool isOpen() const { return buffer_.loaded(); }
  const core::SampleBuffer& buffer() const { return buffer_; }
  // The buffer for the analyses: they set its flags and the range; its samples change only
  // through changeSamplesIf().
  core::SampleBuffer& analysisBuffer() { return buffer_; }
  std::uint64_t revision() const { return revision_; }

 private:
  core::SampleBuffer buffer_;
  std::uint64_t revision_ = 0;
};

}  // namespace sonarel::app
