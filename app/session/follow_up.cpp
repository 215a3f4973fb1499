// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/follow_up.h"

#include <filesystem>
#include <system_error>

#include "core/sample_buffer.h"

namespace sonarel::app {
namespace {

bool samePath(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
}

}  // namespace

int recordingNumberOf(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  if (name.size() != 9 || (name.compare(0, 2, "qv") != 0 && name.compare(0, 2, "wv") != 0) ||
      name.compare(5, 4, ".wav") != 0) {
    return -1;
  }
  int number = 0;
  for (int i = 2; i < 5; ++i) {
    if (name[i] < '0' || name[i] > '9') return -1;
    number = number * 10 + (name[i] - '0');
  }
  return number;
}

std::optional<core::Message> FollowUpSeries::refusal(const FollowUpCandidate& candidate,
                                                     const std::string& mainPath) const {
  using core::MessageId;
  if (!firstEmptySlot()) return core::Message{MessageId::FollowUpLimit};
  if (samePath(candidate.path, mainPath)) return core::Message{MessageId::FileAlreadyOnDiagram};
  if (!candidate.vocalQuality) return core::Message{MessageId::NotVocalQualityFile};
  for (const auto& slot : slots_) {
    if (slot && samePath(slot->path, candidate.path)) {
      return core::Message{MessageId::FileAlreadyOnDiagram};
    }
  }
  return std::nullopt;
}

std::optional<int> FollowUpSeries::firstEmptySlot() const {
  for (int i = 0; i < kSlots; ++i)
    if (!slots_[static_cast<std::size_t>(i)]) return i;
  return std::nullopt;
}

std::optional<int> FollowUpSeries::add(FollowUpRecording recording) {
  const std::optional<int> slot = firstEmptySlot();
  if (slot) slots_[static_cast<std::size_t>(*slot)] = std::move(recording);
  return slot;
}

bool FollowUpSeries::remove(int slot) {
  if (slot < 0 || slot >= kSlots || !slots_[static_cast<std::size_t>(slot)]) return false;
  slots_[static_cast<std::size_t>(slot)].reset();
  return true;
}

void FollowUpSeries::clear() {
  for (auto& slot : slots_) slot.reset();
}

int FollowUpSeries::occupied() const {
  int count = 0;
  for (const auto& slot : slots_) count += slot ? 1 : 0;
  return count;
}

std::optional<core::Message> loadFollowUpRecording(const FollowUpCandidate& candidate,
                                                   FollowUpRecording& recording) {
  core::SampleBuffer buffer;
  buffer.kind = core::FileKind::VocalQuality;
  if (auto refused = core::openSoundFile(buffer, candidate.path)) return refused;
  quality::SegmentTable table;
  const quality::VocalQualityOutcome outcome = quality::ensureSegments(buffer, table);
  if (outcome.refused) return outcome.refused;
  core::releaseSoundFile(buffer);
  recording.fileNumber = candidate.fileNumber;
  recording.path = candidate.path;
  recording.date = records::fileDate(candidate.path);
  recording.table = std::move(table);
  return std::nullopt;
}

}  // namespace sonarel::app
