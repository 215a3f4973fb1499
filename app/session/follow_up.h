// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The follow-up series of the main view: up to five further vocal-quality recordings of the
// open recording's client, shown with it on one diagram (six at most). Each slot keeps only
// what the diagram needs: the file's number, path and date, and its segment table; the
// samples are let go as soon as the table is ready.

#include <array>
#include <optional>
#include <string>

#include "core/message.h"
#include "quality/segment_table.h"
#include "records/session_file.h"

namespace sonarel::app {

struct FollowUpRecording {
  int fileNumber = -1;
  std::string path;
  std::optional<records::FileDate> date;  // nothing when it could not be read
  quality::SegmentTable table;
};

// What a candidate for the series is.
struct FollowUpCandidate {
  int fileNumber = -1;
  std::string path;
  bool vocalQuality = true;
};

class FollowUpSeries {
 public:
  static constexpr int kSlots = 5;

  // Why `candidate` cannot join a series whose main recording is `mainPath`, or nothing:
  // the series is full, the candidate is the main recording or already in a slot, or it is
  // not a vocal-quality file. A refusal changes nothing.
  std::optional<core::Message> refusal(const FollowUpCandidate& candidate,
                                       const std::string& mainPath) const;
  // The first empty slot, or nothing when all five are taken.
  std::optional<int> firstEmptySlot() const;
  // Puts `recording` into the first empty slot; its index, or nothing when full.
  std::optional<int> add(FollowUpRecording recording);
  // Empties slot `slot`; false when it was empty or out of range.
  bool remove(int slot);
  void clear();

  const std::array<std::optional<FollowUpRecording>, kSlots>& recordings() const { return slots_; }
  int occupied() const;
  bool empty() const { return occupied() == 0; }

 private:
  std::array<std::optional<FollowUpRecording>, kSlots> slots_;
};

// The number of a client folder's recording from its name ("qv007.wav" is 7), or -1.
int recordingNumberOf(const std::string& path);

// Opens `candidate` as a vocal-quality recording and obtains its segments (from its cache,
// else by analysis, writing the cache); the samples are not kept. A refusal of the file or of
// its rate is returned as the message.
std::optional<core::Message> loadFollowUpRecording(const FollowUpCandidate& candidate,
                                                   FollowUpRecording& recording);

}  // namespace sonarel::app
