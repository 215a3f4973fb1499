// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every subcommand that reads a sound file shares: the --kind option, loading the file
// as the window would, and the error reports.

#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "core/sample_buffer.h"

namespace sonarel::cli {

// The kind named by --kind ("voice" or "quality"), else the kind the rate implies; nothing
// when --kind has another value.
std::optional<core::FileKind> kindOption(const Arguments& args, std::uint32_t sampleRate);

// "Error Reading File!" and the reader's code in hex, on standard error, and on the next
// line why, naming the file (as `shownAs` where it is standard input's copy); returns 1.
int reportReadError(Streams streams, core::WaveError error, const std::string& path,
                    const std::string& shownAs = {});
// A refusal of a file and the lines saying why, on standard error, with standard input's copy
// at `path` named as `shownAs`; returns 1.
int reportRefusal(Streams streams, core::Message refusal, const std::string& path = {},
                  const std::string& shownAs = {});
int usageError(Streams streams, const std::string& what);

// FILE as the subcommand reads it: the file itself, or for "-" a copy of standard input in a
// temporary file (removed again with this object), since the readers seek.
class InputFile {
 public:
  explicit InputFile(const std::string& word);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  const std::string& path() const { return path_; }
  // The copy could not be made: the exit status after the message, else nothing.
  std::optional<int> failure(Streams streams) const;

 private:
  std::string path_;
  bool temporary_ = false;
  std::string error_;
};
inline constexpr const char* kStandardInputName = "standard input";

// Loads FILE into `buffer` with the kind of --kind (or of its rate) and the acceptance rules.
// Returns the exit status to stop with, or nothing when the buffer is ready.
// `shownAs` names the file in messages when it is not `path` (standard input).
std::optional<int> openForAnalysis(const Arguments& args, const std::string& path,
                                   core::SampleBuffer& buffer, Streams streams,
                                   const std::string& shownAs = {});

}  // namespace sonarel::cli
