#include "core/pitch_track.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <new>
#include <stdexcept>
#include <thread>

#include "core/pitch_frame_analysis.h"
#include "core/pitch_path.h"

namespace sonarel::core {
namespace {

constexpr std::int32_t kFramesPerBlock = 8;
constexpr std::int32_t kFramesPerThread = 64;  // fewer frames are not worth a thread

int workerCount(const AnalysisControl& control, std::int32_t frames) {
  int wanted =
      control.threads > 0 ? control.threads : static_cast<int>(std::thread::hardware_concurrency());
  wanted = std::clamp(wanted, 1, 16);
  return std::max(1, std::min(wanted, static_cast<int>(frames / kFramesPerThread)));
}

// Hands out blocks of frames to the workers; the calling thread reports the progress.
class FrameScheduler {
 public:
  FrameScheduler(const AnalysisGeometry& g, ScaledSamples x, PitchTrack& track,
                 const AnalysisControl& control)
      : g_(g), x_(x), track_(track), control_(control) {}

  // False if a frame left the file, memory ran out or a stop was requested.
  bool run() {
    const int workers = workerCount(control_, g_.frameCount);
    std::vector<std::thread> helpers;
    for (int w = 1; w < workers; ++w) helpers.emplace_back([this] { work(false); });
    work(true);
    for (std::thread& helper : helpers) helper.join();
    if (failed_ || control_.stopRequested()) return false;
    if (control_.progress) control_.progress(g_.frameCount, g_.frameCount);
    return true;
  }

 private:
  void work(bool reporting) {
    try {
      FrameAnalyser analyser(g_, x_);
      for (;;) {
        if (failed_ || control_.stopRequested()) return;
        const std::int32_t first = next_.fetch_add(kFramesPerBlock);
        if (first >= g_.frameCount) return;
        const std::int32_t last = std::min(first + kFramesPerBlock, g_.frameCount);
        for (std::int32_t f = first; f < last; ++f) {
          if (!analyser.analyse(f, track_)) failed_ = true;
        }
        const std::int32_t done = done_ += last - first;
        if (reporting && control_.progress) control_.progress(done, g_.frameCount);
      }
    } catch (const std::bad_alloc&) {
      failed_ = true;
    }
  }

  const AnalysisGeometry& g_;
  ScaledSamples x_;
  PitchTrack& track_;
  const AnalysisControl& control_;
  std::atomic<std::int32_t> next_{0};
  std::atomic<std::int32_t> done_{0};
  std::atomic<bool> failed_{false};
};

}  // namespace

std::span<const PitchCandidate> PitchTrack::frameCandidates(std::int32_t frame) const {
  const auto slots = static_cast<std::size_t>(maxCandidates);
  return {candidates.data() + (frame - 1) * slots,
          static_cast<std::size_t>(candidateCount[frame - 1])};
}

std::optional<PitchTrack> trackPitch(std::span<const std::int16_t> samples, double sampleRate,
                                     const PitchParameters& parameters,
                                     const AnalysisControl& control) {
  try {
    const ScaledSamples x{samples};
    AnalysisGeometry g;
    if (samples.empty() || !planAnalysis(x, sampleRate, parameters, g)) return std::nullopt;

    PitchTrack track;
    track.firstTime = g.firstTime;
    track.timeStep = parameters.timeStep;
    track.frameCount = g.frameCount;
    track.ceiling = g.parameters.ceiling;
    track.maxCandidates = parameters.maxCandidates;
    track.intensity.assign(g.frameCount, 0.0);
    track.candidateCount.assign(g.frameCount, 1);
    track.candidates.assign(static_cast<std::size_t>(g.frameCount) * parameters.maxCandidates, {});

    FrameScheduler scheduler(g, x, track, control);
    if (!scheduler.run()) return std::nullopt;
    findBestPath(track, g.parameters);
    return track;
  } catch (const std::bad_alloc&) {  // out of memory: refused like any other analysis
    return std::nullopt;
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

double frequencyAt(const PitchTrack& track, std::int32_t frame) {
  if (frame < 1 || frame > track.frameCount) return HUGE_VAL;
  const double f =
      track.candidates[static_cast<std::size_t>(frame - 1) * track.maxCandidates].frequency;
  return f > 0 && f < track.ceiling ? f : 0.0;
}

}  // namespace sonarel::core
