// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small register for a first look at the workstation: two clients of different types,
// each with recordings synthesised here (a spoken-like voice-analysis file and a sustained
// vowel for vocal quality) and a note.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"

namespace sonarel::app {

// A voice-like signal: glottal pulses at `f0` Hz (with a slow intonation when `spoken`)
// through three formant resonators; spoken: five syllables on changing vowels with pauses,
// otherwise one sustained /a/ with a little jitter and shimmer.
std::vector<std::int16_t> synthesiseVoice(int sampleRate, double seconds, double f0, bool spoken);

// Creates the demo register in `folder` unless it already holds a register; the clients'
// codes are 1 and 2. The message when something could not be written.
std::optional<core::Message> createDemoRegister(const std::string& folder);

}  // namespace sonarel::app
