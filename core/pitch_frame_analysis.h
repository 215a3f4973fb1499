// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-frame stages of the pitch tracker: one frame's samples, its correlation function
// and its candidates. Internal to trackPitch.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "core/pitch_track.h"
#include "dsp/autocorrelation.h"

namespace sonarel::core {

// The recording as the frames read it: 16-bit samples scaled to -1 .. 1 as they are read
// (exactly: the scale is a power of two), so that no converted copy of a long recording is
// made.
struct ScaledSamples {
  std::span<const std::int16_t> raw;
  double operator[](std::int64_t i) const {
    return raw[static_cast<std::size_t>(i)] * (1.0 / 32768);
  }
  std::size_t size() const { return raw.size(); }
};

// The constants of one analysis method.
struct MethodConstants {
  bool autocorrelation;       // else cross-correlation
  bool gaussianWindow;        // else Hanning (autocorrelation methods)
  double interpolationDepth;  // fraction of the window searched for peaks
  int refinementDepth;        // sinc depth of the peak refinement
  double tolerance;           // the method's accuracy constant (the refinement uses 1e-10)
};

// Everything the frames share, fixed once per analysis. Sample indexes are 0-based here.
struct AnalysisGeometry {
  MethodConstants method;
  PitchParameters parameters;  // with the ceiling already limited to the Nyquist frequency
  double dx = 0;               // s per sample
  std::int64_t sampleCount = 0;
  std::int64_t periodSamples = 0;
  std::int64_t halfPeriodSamples = 0;
  std::int64_t halfWindow = 0;
  std::int64_t windowSamples = 0;
  std::int64_t maximumLag = 0;
  std::int64_t brentLimit = 0;  // largest lag of the correlation function
  double windowDuration = 0;
  std::int32_t frameCount = 0;
  double firstTime = 0;
  std::vector<double> window;                        // windowSamples values (autocorrelation)
  std::vector<double> windowAutocorrelation;         // lags 0 .. brentLimit, 1 at lag 0
  std::vector<double> inverseWindowAutocorrelation;  // 1 / each of those, 0 for a 0
  std::size_t fftSize = 0;                           // autocorrelation methods
};

// The largest distance of a sample from the mean of all; each frame's intensity is its local
// peak over this.
double globalPeak(ScaledSamples x);

// How many samples from the start frame `frame` (0-based) may read: it can be analysed once
// they are final.
std::int64_t samplesNeeded(const AnalysisGeometry& g, std::int32_t frame);

// Works out the geometry (globalPeak is left for the caller); false when the analysis must
// be refused.
bool planAnalysis(ScaledSamples x, double sampleRate, const PitchParameters& p,
                  AnalysisGeometry& g);

// One worker's buffers, allocated once; analyse() fills one frame of the track.
class FrameAnalyser {
 public:
  FrameAnalyser(const AnalysisGeometry& geometry, ScaledSamples samples);

  // Frame `frame` (0-based) into its slots of `track`, its intensity as the local peak
  // itself; false if its span leaves the file.
  bool analyse(std::int32_t frame, PitchTrack& track);

 private:
  bool fillFrame(double t, double& localPeak);
  void autocorrelate();
  void crossCorrelate(double t);
  int findCandidates(std::span<PitchCandidate> slots);
  void refine(std::span<PitchCandidate> slots, int count);

  const AnalysisGeometry& g_;
  ScaledSamples x_;
  std::vector<double> shifted_;                   // cross-correlation: signal less the mean
  std::vector<double> energies_;                  // cross-correlation: of each lagged stretch
  std::optional<dsp::FftAutocorrelation> fftAc_;  // autocorrelation methods
  std::vector<double> r_;  // lags -brentLimit .. brentLimit at index lag + brentLimit
  std::vector<int> lags_;  // integer lag of each candidate, for the refinement
  double localMean_ = 0;
};

}  // namespace sonarel::core
