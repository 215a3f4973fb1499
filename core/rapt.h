// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A robust F0 tracker after Talkin's RAPT: the normalised cross-correlation (NCCF) of each
// frame is searched on a signal decimated to about 2 kHz, its peaks are refined at the full
// rate, and dynamic programming over the frames joins the candidates (each frame also has an
// unvoiced one), with transition costs that follow the RMS ratio and the LPC spectral
// stationarity around the frame.
//
// The tracker is fed in buffers: after init(rate) gives (bufferSize, stepSize), buffer k holds
// the samples from k * stepSize on, bufferSize of them, and a buffer shorter than bufferSize
// ends the input. Frames come out in time order once the best paths agree on them.
//
// Diagnostics (refused parameters, problems while tracking) are collected as lines of text;
// nothing is printed. Whoever runs the tracker decides where they go.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sonarel::core {

struct RaptParameters {
  double candThresh = 0.3;   // share of the frame's best coarse NCCF a candidate must reach
  double lagWeight = 0.3;    // preference for short lags (divided by the longest lag)
  double freqWeight = 0.02;  // cost of F0 changes between voiced frames
  double transCost = 0.005;  // fixed cost of a voicing change
  double transAmp = 0.5;     // voicing-change cost from the RMS ratio
  double transSpec = 0.5;    // voicing-change cost from the spectral stationarity
  double voiceBias = 0.0;    // added to the unvoiced candidate's cost
  double doubleCost = 0.35;  // cost of an octave jump between voiced frames
  double minF0 = 50.0;       // Hz
  double maxF0 = 550.0;      // Hz
  double frameStep = 0.01;   // s
  double windDur = 0.0075;   // s, the correlation window
  int nCands = 20;           // candidates per frame, the unvoiced one included
  // The mean square, in the input's units, at which a perfectly periodic window's NCCF is
  // halved: the energies are raised by it, so that dither and the last bits of a fade-out
  // (a 16-bit sine of amplitude one) do not read as voice; one of amplitude two still does.
  double quietPower = 0.7;
};

struct RaptFrame {
  float f0 = 0;           // Hz, 0 unvoiced
  float correlation = 0;  // the chosen candidate's NCCF (0 unvoiced)
  float rms = 0;          // RMS of the frame's window
};

struct RaptSizes {
  std::int64_t bufferSize = 0;  // samples per call to process
  std::int64_t stepSize = 0;    // samples between the starts of consecutive buffers
};

class RaptTracker {
 public:
  // A tracker with the parameters at their defaults.
  static std::unique_ptr<RaptTracker> create();
  ~RaptTracker();

  // "name=value" for one of cand_thresh, lag_weight, freq_weight, trans_cost, trans_amp,
  // trans_spec, voice_bias, double_cost, min_f0, max_f0, frame_step, wind_dur, n_cands.
  // False (nothing changed) for another name or a value that is not a number.
  bool setParameter(std::string_view text);
  const RaptParameters& parameters() const { return parameters_; }

  // Checks the parameters against the rate and derives the sizes; nothing, with the reasons
  // in diagnostics(), when they are refused.
  std::optional<RaptSizes> init(double sampleRate);

  // Consumes one buffer (see above). False when the tracker cannot go on (not initialised,
  // or a failure reported in diagnostics()); it then takes no more input.
  bool process(std::span<const float> buffer);

  std::int32_t frameCount() const { return static_cast<std::int32_t>(frames_.size()); }
  // Frame i, 0 <= i < frameCount(), in time order.
  const RaptFrame& frame(std::int32_t i) const { return frames_[static_cast<std::size_t>(i)]; }

  const std::vector<std::string>& diagnostics() const { return diagnostics_; }

  RaptTracker(const RaptTracker&) = delete;
  RaptTracker& operator=(const RaptTracker&) = delete;

 private:
  RaptTracker();
  struct State;
  // Emits the oldest `count` waiting frames along the path that reaches candidate
  // `candidateAtLast` of the last of them.
  void emitFrames(std::size_t count, int candidateAtLast);
  // The cheapest candidate of the newest waiting frame (the first of equal costs).
  int cheapestNewest() const;

  RaptParameters parameters_;
  std::vector<RaptFrame> frames_;
  std::vector<std::string> diagnostics_;
  std::unique_ptr<State> state_;
};

struct RaptTrack {
  bool ok = false;                       // false when the tracker refused or stopped
  std::vector<float> values;             // Hz per frame, 0 unvoiced
  std::vector<std::string> diagnostics;  // lines for the diagnostic stream
};

// One tracker over one stretch: frame_step 1 / framesPerSecond, the F0 range given, fed in
// the tracker's buffers. The stretch gives floor(seconds * framesPerSecond + 0.5) values;
// frames the tracker did not produce repeat the last value.
RaptTrack trackRapt(std::span<const float> samples, double sampleRate, double minF0, double maxF0,
                    double framesPerSecond);

struct SampleStretch {
  std::int64_t start = 0;
  std::int64_t length = 0;
};

// The file cut into stretches of 10 s, the last taking the whole remainder once less than
// 20 s is left (so it lasts 10 to 20 s; a file under 20 s is one stretch).
std::vector<SampleStretch> raptStretches(std::int64_t count, double sampleRate);

// The method as the F0 driver runs it: stretch by stretch, 100 frames per second, 60 to
// 1000 Hz whatever the settings' range. A refused or stopped stretch empties the contour.
RaptTrack trackRaptFile(std::span<const std::int16_t> samples, double sampleRate);

}  // namespace sonarel::core
