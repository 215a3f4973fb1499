// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A second recording shown beside the open one: another file of the client or a model from
// the model folder. The comparison is a second view state owned by the main one (see
// ViewState::comparison()); this file holds what opening it checks and does, how the two
// graphs are put on common scales, and the model folder with its save.

#include <optional>
#include <string>

#include "app/session/display_data.h"
#include "app/session/view_state.h"
#include "core/analysis_control.h"
#include "core/message.h"
#include "core/sample_buffer.h"

namespace sonarel::app {

// The file chosen for comparison: a client's file has its kind from the file list, a model
// from its rate (44100 Hz is vocal quality).
struct ComparisonChoice {
  std::string path;
  std::optional<core::FileKind> kind;  // nothing: a model, judged by its rate
};

// Loads `choice` into the comparison view of `main` (made on first use, emptied on reuse)
// and computes the mode `main` shows for it. The comparison is closed again, and the reason
// returned, when its file cannot be read, when its type differs from the main file's (a
// 44100 Hz file is compared only with another), or when the main view's client type is
// undefined. A main view showing a display that allows no comparison shows nothing after.
// The main recording is never touched. A message returned with the comparison still open
// is the comparison's analysis failure ("There is no area to be analysed!", ...).
std::optional<core::Message> openComparison(ViewState& main, const ComparisonChoice& choice,
                                            const core::AnalysisControl& control = {});

// The message that refuses comparing a file of `comparisonRate` with one of `mainRate`.
std::optional<core::Message> typeDisagreement(std::uint32_t mainRate, std::uint32_t comparisonRate);

// Puts the two pictures on common scales, so that they read together: one F0 scale (from
// the lower minimum to the higher maximum) and one intensity scale (likewise) for both;
// one time axis (the longer analysis range) when the shorter range lasts at least half the
// longer, so neither curve shrinks below half the graph; otherwise each keeps its own axis.
// The spectra already share their fixed level axis.
void scaleTogether(DisplayData& main, DisplayData& comparison);
// The longest ratio of the two durations that still shares the time axis.
constexpr double kSharedTimeAxisRatio = 2.0;

// The model folder "Modelos" in `dataFolder`, created when missing; nothing when it cannot
// be made.
std::optional<std::string> modelFolder(const std::string& dataFolder);

// Copies the sound file `source` (as it is on disk) to `model` through the atomic writer,
// replacing a model of that name whole or not at all. "Error saving File as a Model!" on
// failure (a refusal of the target names it and why).
std::optional<core::Message> saveAsModel(const std::string& source, const std::string& model);

}  // namespace sonarel::app
