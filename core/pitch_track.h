// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Short-term autocorrelation and cross-correlation pitch analysis with a best-path search
// (Boersma 1993), in these stages:
//
//   1. frames of `timeStep` seconds centred in the file, each a window of
//      periodsPerWindow / minPitch seconds with the local mean removed;
//   2. the frame's normalised autocorrelation (by FFT, divided by the window's own
//      autocorrelation) or its cross-correlation with the stretch that follows it;
//   3. candidates: the unvoiced one, and the correlation peaks above half the voicing
//      threshold, each placed by a parabola and weighed by sinc interpolation (depth 30),
//      the weakest (after the octave cost) giving way when there are more than maxCandidates;
//   4. every voiced candidate refined by Brent's method on a deeper sinc interpolation;
//   5. a Viterbi path over all frames that trades each candidate's strength against
//      octave jumps and voicing changes; the chosen candidate moves to the first place.
//
// trackPitch is reentrant; it may run the frames of stages 1-4 on several threads, with a
// result identical to a run on one thread.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "core/analysis_control.h"

namespace sonarel::core {

enum class PitchMethod : int {
  HanningAutocorrelation = 0,
  GaussianAutocorrelation = 1,
  NormalCrossCorrelation = 2,
  AccurateCrossCorrelation = 3,
};

struct PitchParameters {
  double timeStep = 0.02;       // s between frames
  double minPitch = 70;         // Hz, the floor; sets the window length
  double periodsPerWindow = 3;  // window length in periods of minPitch
  int maxCandidates = 15;       // including the unvoiced candidate
  PitchMethod method = PitchMethod::HanningAutocorrelation;
  double silenceThreshold = 0.03;  // fraction of the file's peak
  double voicingThreshold = 0.45;  // correlation
  double octaveCost = 0.01;        // per octave
  double octaveJumpCost = 0.35;    // per octave between frames
  double voicedUnvoicedCost = 0.14;
  double ceiling = 400;  // Hz; lowered to the Nyquist frequency when above it
};

struct PitchCandidate {
  double frequency = 0;  // Hz; 0 is the unvoiced candidate
  double strength = 0;   // correlation
};

struct PitchTrack {
  double firstTime = 0;  // s, centre of frame 1
  double timeStep = 0;   // s
  std::int32_t frameCount = 0;
  double ceiling = 0;  // Hz, after the Nyquist limit
  int maxCandidates = 0;
  std::vector<double> intensity;           // per frame: local peak / global peak, 0..1
  std::vector<int> candidateCount;         // per frame, at least 1
  std::vector<PitchCandidate> candidates;  // maxCandidates slots per frame

  // The candidates of frame `frame` (1-based); after the path search the first is the
  // chosen one.
  std::span<const PitchCandidate> frameCandidates(std::int32_t frame) const;
  double frameTime(std::int32_t frame) const { return firstTime + (frame - 1) * timeStep; }
};

// The analysis of `samples` (16-bit, at `sampleRate` Hz). Nothing when refused: a time step
// of 0 or less, a sample rate of 0 or less, minPitch <= 0, fewer than 2 candidates, an unknown
// method, a window of fewer than 4 samples, a file no longer than one analysis span (or with no
// whole frame), or a stop requested through `control`.
// Throws std::bad_alloc when memory runs out, so that running out is never taken for a file
// without voice; the F0 driver turns it into its message.
std::optional<PitchTrack> trackPitch(std::span<const std::int16_t> samples, double sampleRate,
                                     const PitchParameters& parameters,
                                     const AnalysisControl& control = {});

// The same analysis of samples that are made final while it runs: `prepare` is called on
// consecutive stretches of `samples`, in order and on one thread, and may change them in
// place (a filter that keeps its state from one stretch to the next). Each frame is analysed
// as soon as the samples it reads are final, so that on several threads the preparation
// overlaps the frames. The result equals that of trackPitch on the prepared samples.
using SamplePreparation = std::function<void(std::span<std::int16_t> stretch)>;
std::optional<PitchTrack> trackPitchWhilePreparing(std::span<std::int16_t> samples,
                                                   double sampleRate,
                                                   const PitchParameters& parameters,
                                                   const SamplePreparation& prepare,
                                                   const AnalysisControl& control = {});

// The first candidate's frequency of frame `frame` (1-based) if it is above 0 and below the
// ceiling, else 0; HUGE_VAL for a frame number outside 1 .. frameCount.
double frequencyAt(const PitchTrack& track, std::int32_t frame);

}  // namespace sonarel::core
