// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The best path through a pitch track's candidates (Viterbi).

#include "core/pitch_track.h"

namespace sonarel::core {

// Chooses one candidate per frame so that the sum of the candidates' local scores less the
// transition costs between neighbouring frames is highest, and moves each frame's choice
// to its first slot.
//
// Local score: the unvoiced strength (voicingThreshold, raised in quiet frames by the
// silence threshold) for the unvoiced candidate and any frequency of 0 or above the
// ceiling; else strength - octaveCost * log2(ceiling / frequency). Transition cost:
// voicedUnvoicedCost when exactly one of the two is unvoiced, 0 when both are, and
// octaveJumpCost * |log2(f_prev / f)| when both are voiced. On equal scores the earlier
// candidate wins; a predecessor must score above -10 to be taken over the first one.
void findBestPath(PitchTrack& track, const PitchParameters& parameters);

}  // namespace sonarel::core
