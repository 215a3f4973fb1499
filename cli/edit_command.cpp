// SPDX-License-Identifier: GPL-3.0-or-later
// sonarel-cli edit: the window's edits (cut, silence, amplify, copy and paste) applied in
// order to a WAVE file, for trimming many recordings in a script.

#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/sound_file_option.h"
#include "core/edit_state.h"
#include "core/wave_file.h"
#include "quality/segment_cache.h"

namespace sonarel::cli {
namespace {

enum class Operation { Cut, Silence, Amplify, CopyPaste };

// One operation as typed: times in seconds.
struct EditStep {
  Operation operation = Operation::Cut;
  double start = 0, end = 0;
  int percent = 0;       // Amplify
  double pasteAt = 0;    // CopyPaste
  std::string typed[3];  // start, end and paste time as given, for messages
};

struct EditLine {
  std::string input, output;
  std::vector<EditStep> steps;
  std::string error;  // set for a usage error
};

// How many words follow each operation's name.
int wordsAfter(Operation operation) {
  return operation == Operation::Amplify ? 3 : operation == Operation::CopyPaste ? 4 : 2;
}

std::optional<Operation> operationNamed(const std::string& word) {
  if (word == "--cut") return Operation::Cut;
  if (word == "--silence") return Operation::Silence;
  if (word == "--amplify") return Operation::Amplify;
  if (word == "--copy") return Operation::CopyPaste;
  return std::nullopt;
}

// Reads the operation starting at words[i] (its name) into `step`; an error text or "".
std::string readStep(const std::vector<std::string>& words, std::size_t i, Operation operation,
                     EditStep& step) {
  const std::string name = words[i];
  if (i + static_cast<std::size_t>(wordsAfter(operation)) >= words.size()) {
    return name + (operation == Operation::Amplify     ? " takes START END PERCENT"
                   : operation == Operation::CopyPaste ? " takes START END --paste-at TIME"
                                                       : " takes START END");
  }
  const auto start = parseSeconds(words[i + 1]);
  const auto end = parseSeconds(words[i + 2]);
  if (!start || !end) return name + " takes times in seconds";
  if (*end <= *start) return name + ": the end must come after the start";
  step = {operation, *start, *end, 0, 0, {words[i + 1], words[i + 2], ""}};
  if (operation == Operation::Amplify) {
    const auto percent = parseInteger(words[i + 3]);
    if (!percent || *percent < 0 || *percent > 500) return "--amplify takes a percentage 0 to 500";
    step.percent = static_cast<int>(*percent);
  }
  if (operation == Operation::CopyPaste) {
    const auto at = parseSeconds(words[i + 4]);
    if (words[i + 3] != "--paste-at" || !at) return "--copy is followed by --paste-at TIME";
    step.pasteAt = *at;
    step.typed[2] = words[i + 4];
  }
  return "";
}

EditLine parseEditLine(const std::vector<std::string>& words) {
  EditLine line;
  for (std::size_t i = 0; i < words.size() && line.error.empty();) {
    const std::string& word = words[i];
    if (word == "--out") {
      if (i + 1 >= words.size())
        line.error = "--out takes a file name";
      else
        line.output = words[i + 1];
      i += 2;
    } else if (const auto operation = operationNamed(word)) {
      EditStep step;
      line.error = readStep(words, i, *operation, step);
      line.steps.push_back(step);
      i += 1 + static_cast<std::size_t>(wordsAfter(*operation));
    } else if (word.rfind("--", 0) == 0 || !line.input.empty()) {
      line.error = "unexpected " + word;
    } else {
      line.input = word;
      ++i;
    }
  }
  if (line.error.empty() && line.input.empty()) line.error = "edit takes a FILE";
  if (line.error.empty() && line.output.empty()) line.error = "edit needs --out OUT";
  if (line.error.empty() && line.steps.empty()) line.error = "edit needs an operation";
  return line;
}

core::SampleIndex sampleAt(double seconds, std::uint32_t rate) {
  return static_cast<core::SampleIndex>(seconds * rate);
}

// Applies one step; the message that refused it, if any.
std::optional<core::Message> apply(const EditStep& step, core::SampleBuffer& buffer) {
  const std::uint32_t rate = buffer.format.sampleRate;
  const core::EditStretch stretch{sampleAt(step.start, rate), sampleAt(step.end, rate)};
  if (stretch.start >= buffer.count() || stretch.end <= stretch.start) {
    return core::Message{core::MessageId::EditOutsideRecording, {step.typed[0], step.typed[1]}};
  }
  core::EditState edits;
  core::EditResult result;
  switch (step.operation) {
    case Operation::Cut:
      result = edits.cut(buffer.samples, stretch);
      break;
    case Operation::Silence:
      result = edits.silence(buffer.samples, stretch);
      break;
    case Operation::Amplify:
      result = edits.amplify(buffer.samples, stretch, step.percent);
      break;
    case Operation::CopyPaste: {
      const core::SampleIndex at = sampleAt(step.pasteAt, rate);
      if (at > buffer.count()) {
        return core::Message{core::MessageId::EditOutsideRecording, {step.typed[2], step.typed[2]}};
      }
      result = edits.copy(buffer.samples, stretch);
      if (!result.refusal) result = edits.paste(buffer.samples, at);
      break;
    }
  }
  return result.refusal;
}

}  // namespace

int runEdit(const std::vector<std::string>& words, Streams streams) {
  const EditLine line = parseEditLine(words);
  if (!line.error.empty()) return usageError(streams, line.error);
  core::SampleBuffer buffer;
  if (auto stop = openForAnalysis(Arguments{}, line.input, buffer, streams)) return *stop;
  for (const EditStep& step : line.steps) {
    if (auto refused = apply(step, buffer)) {
      streams.err << refused->lines() << "\n";
      return kExitBadInput;
    }
  }
  if (auto failure = core::writeWave(line.output, buffer.format, buffer.samples)) {
    streams.err << failure->text() << "\n";
    return kExitBadInput;
  }
  // Segment results stored beside the output describe the sound it held before.
  quality::removeSegmentCache(line.output);
  streams.out << buffer.count() << " samples written to " << line.output << "\n";
  return kExitOk;
}

}  // namespace sonarel::cli
