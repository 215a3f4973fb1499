// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pitch_track.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <new>
#include <stdexcept>
#include <thread>

#include "core/parallel_blocks.h"
#include "core/pitch_frame_analysis.h"
#include "core/pitch_path.h"

namespace sonarel::core {
namespace {

constexpr std::int32_t kFramesPerBlock = 8;
constexpr std::int32_t kFramesPerThread = 64;  // fewer frames are not worth a thread

int workerCount(const AnalysisControl& control, std::int32_t frames) {
  const int wanted = threadCount(control.threads, 16);
  return std::max(1, std::min(wanted, static_cast<int>(frames / kFramesPerThread)));
}

// Hands out blocks of frames to the workers; the calling thread reports the progress. When
// the samples are still to be prepared, the calling thread prepares them first, stretch by
// stretch, while the other workers already analyse the frames whose samples are final.
class FrameScheduler {
 public:
  FrameScheduler(const AnalysisGeometry& g, ScaledSamples x, PitchTrack& track,
                 const AnalysisControl& control, std::span<std::int16_t> toPrepare = {},
                 const SamplePreparation* prepare = nullptr)
      : g_(g), x_(x), track_(track), control_(control), toPrepare_(toPrepare), prepare_(prepare) {}

  // False if a frame left the file or a stop was requested. Throws std::bad_alloc, on the
  // calling thread once every worker has stopped, when memory ran out on any of them.
  bool run() {
    const int workers = workerCount(control_, g_.frameCount);
    if (!prepare_) {
      globalPeak_ = globalPeak(x_);
      ready_ = static_cast<std::int64_t>(x_.size());
    } else if (workers == 1) {
      prepareAll();  // nothing to overlap with
    }
    std::vector<std::thread> helpers;
    for (int w = 1; w < workers; ++w) helpers.emplace_back([this] { work(false); });
    if (prepare_ && workers > 1) prepareAll();
    work(true);
    for (std::thread& helper : helpers) helper.join();
    if (outOfMemory_) throw std::bad_alloc();
    if (failed_ || control_.stopRequested()) return false;
    for (double& intensity : track_.intensity) {  // each frame's local peak so far
      intensity = intensity >= globalPeak_ ? 1.0 : intensity / globalPeak_;
    }
    if (control_.progress) control_.progress(g_.frameCount, g_.frameCount);
    return true;
  }

 private:
  // Prepares the samples in order, publishing after each stretch how many are final; then
  // the global peak, which needs them all.
  void prepareAll() {
    constexpr std::size_t kStretch = 16384;
    const std::size_t n = toPrepare_.size();
    try {
      for (std::size_t done = 0; done < n; done += kStretch) {
        if (failed_ || control_.stopRequested()) return;
        const std::size_t count = std::min(kStretch, n - done);
        (*prepare_)(toPrepare_.subspan(done, count));
        ready_.store(static_cast<std::int64_t>(done + count), std::memory_order_release);
      }
      globalPeak_ = globalPeak(x_);
    } catch (const std::bad_alloc&) {
      outOfMemory_ = failed_ = true;
    } catch (...) {  // whatever else the preparation throws ends the analysis, not the program
      failed_ = true;
    }
  }

  // False when the analysis ends before the samples of the frame are final.
  bool waitForSamples(std::int32_t frame) {
    const std::int64_t needed = samplesNeeded(g_, frame);
    while (ready_.load(std::memory_order_acquire) < needed) {
      if (failed_ || control_.stopRequested()) return false;
      std::this_thread::yield();
    }
    return true;
  }

  void work(bool reporting) {
    try {
      FrameAnalyser analyser(g_, x_);
      for (;;) {
        if (failed_ || control_.stopRequested()) return;
        const std::int32_t first = next_.fetch_add(kFramesPerBlock);
        if (first >= g_.frameCount) return;
        const std::int32_t last = std::min(first + kFramesPerBlock, g_.frameCount);
        if (!waitForSamples(last - 1)) return;
        for (std::int32_t f = first; f < last; ++f) {
          if (!analyser.analyse(f, track_)) failed_ = true;
        }
        const std::int32_t done = done_ += last - first;
        if (reporting && control_.progress) control_.progress(done, g_.frameCount);
      }
    } catch (const std::bad_alloc&) {
      outOfMemory_ = failed_ = true;
    }
  }

  const AnalysisGeometry& g_;
  ScaledSamples x_;
  PitchTrack& track_;
  const AnalysisControl& control_;
  std::span<std::int16_t> toPrepare_;
  const SamplePreparation* prepare_;
  double globalPeak_ = 0;  // written before the frames start, or by prepareAll before join
  std::atomic<std::int64_t> ready_{0};  // samples from the start that are final
  std::atomic<std::int32_t> next_{0};
  std::atomic<std::int32_t> done_{0};
  std::atomic<bool> failed_{false};
  std::atomic<bool> outOfMemory_{false};
};

// The analysis shared by trackPitch and trackPitchWhilePreparing.
std::optional<PitchTrack> runAnalysis(std::span<const std::int16_t> samples, double sampleRate,
                                      const PitchParameters& parameters,
                                      std::span<std::int16_t> toPrepare,
                                      const SamplePreparation* prepare,
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

    FrameScheduler scheduler(g, x, track, control, toPrepare, prepare);
    if (!scheduler.run()) return std::nullopt;
    findBestPath(track, g.parameters);
    return track;
  } catch (const std::length_error&) {  // more frames than a vector can hold: refused
    return std::nullopt;
  }
}

}  // namespace

std::span<const PitchCandidate> PitchTrack::frameCandidates(std::int32_t frame) const {
  const auto slots = static_cast<std::size_t>(maxCandidates);
  return {candidates.data() + (frame - 1) * slots,
          static_cast<std::size_t>(candidateCount[frame - 1])};
}

std::optional<PitchTrack> trackPitch(std::span<const std::int16_t> samples, double sampleRate,
                                     const PitchParameters& parameters,
                                     const AnalysisControl& control) {
  return runAnalysis(samples, sampleRate, parameters, {}, nullptr, control);
}

std::optional<PitchTrack> trackPitchWhilePreparing(std::span<std::int16_t> samples,
                                                   double sampleRate,
                                                   const PitchParameters& parameters,
                                                   const SamplePreparation& prepare,
                                                   const AnalysisControl& control) {
  return runAnalysis(samples, sampleRate, parameters, samples, prepare ? &prepare : nullptr,
                     control);
}

double frequencyAt(const PitchTrack& track, std::int32_t frame) {
  if (frame < 1 || frame > track.frameCount) return HUGE_VAL;
  const double f =
      track.candidates[static_cast<std::size_t>(frame - 1) * track.maxCandidates].frequency;
  return f > 0 && f < track.ceiling ? f : 0.0;
}

}  // namespace sonarel::core
