// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rapt.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <deque>
#include <limits>
#include <map>
#include <numeric>

#include "dsp/linear_prediction.h"
#include "dsp/peaks.h"
#include "dsp/sliding_correlation.h"
#include "dsp/windows.h"

namespace sonarel::core {
namespace {

constexpr double kStationarityLpcSeconds = 0.03;
constexpr double kStationarityRmsSeconds = 0.02;
constexpr double kBufferSeconds = 0.2;
constexpr double kHistorySeconds = 1.5;  // frames waiting for the paths to agree
constexpr double kKeepSeconds = 0.5;     // frames left waiting when the history overflows
constexpr int kMaxLpcOrder = 50;
constexpr int kDecimationTapsPerFactor = 8;

std::string format(const char* pattern, int value) {
  char text[128];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

// Window tables: type 0 Hamming 0.54 - 0.46 cos(2 pi i / n), type 1 Hann 0.5 - 0.5 cos(2 pi
// i / n), i = 0 .. n-1.
bool windowTable(int type, std::size_t n, std::vector<double>& table,
                 std::vector<std::string>& diagnostics) {
  table.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (type == 0) {
      table[i] = dsp::hammingWeight(i, n + 1);
    } else if (type == 1) {
      table[i] = dsp::hannWeight(i, n + 1);
    } else {
      diagnostics.push_back(format("Unknown window type (%d)\n", type));
      return false;
    }
  }
  return true;
}

struct Candidate {
  int lag = 0;             // samples at the full rate; 0 for the unvoiced candidate
  double correlation = 0;  // NCCF at lag
  double above = 0;        // NCCF at lag + 1
  double below = 0;        // NCCF at lag - 1
  double cost = 0;         // cumulative cost of the best path ending here
  int from = 0;            // that path's candidate in the previous frame
  double logLag = 0;       // ln(lag) of a voiced candidate
};

struct PendingFrame {
  std::vector<Candidate> candidates;  // [0] is the unvoiced candidate
  float rms = 0;
};

struct LpcWindow {
  std::int64_t start = 0;
  std::vector<double> lags;       // autocorrelation, order + 1 values
  std::vector<double> predictor;  // order + 1 values, [0] = 1
};

}  // namespace

struct RaptTracker::State {
  double rate = 0;
  int step = 0;    // samples between frames
  int window = 0;  // NCCF window, samples
  int minLag = 0;  // samples
  int maxLag = 0;  // samples
  int lpcOrder = 0;
  int factor = 1;  // decimation
  int coarseWindow = 0;
  int coarseMinLag = 0;
  int coarseMaxLag = 0;
  int lpcWindow = 0;  // samples
  int rmsWindow = 0;  // samples
  std::int64_t historyLimit = 0;
  std::int64_t keepFrames = 0;
  RaptSizes sizes;
  std::vector<double> decimationFilter;  // symmetric, odd length

  // Input: every sample of the stretch received so far, and its decimated version.
  std::vector<float> signal;
  std::vector<float> coarse;
  std::int64_t buffersSeen = 0;
  bool ended = false;
  bool failed = false;
  std::int64_t nextFrame = 0;  // the next frame to analyse

  std::vector<double> lpcTable;
  std::vector<double> rmsTable;
  std::deque<LpcWindow> lpcCache;
  std::deque<PendingFrame> pending;  // analysed frames not yet emitted

  // Scratch.
  std::vector<int> alive, back;  // candidates whose paths are being followed back
  std::vector<double> rho;
  std::vector<float> scratch;
};

RaptTracker::RaptTracker() = default;
RaptTracker::~RaptTracker() = default;

std::unique_ptr<RaptTracker> RaptTracker::create() {
  return std::unique_ptr<RaptTracker>(new RaptTracker());
}

bool RaptTracker::setParameter(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view name = text.substr(0, equals);
  const std::string valueText(text.substr(equals + 1));
  double value = 0;
  const char* first = valueText.data();
  const char* last = first + valueText.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || !std::isfinite(value)) return false;
  RaptParameters& p = parameters_;
  if (name == "cand_thresh")
    p.candThresh = value;
  else if (name == "lag_weight")
    p.lagWeight = value;
  else if (name == "freq_weight")
    p.freqWeight = value;
  else if (name == "trans_cost")
    p.transCost = value;
  else if (name == "trans_amp")
    p.transAmp = value;
  else if (name == "trans_spec")
    p.transSpec = value;
  else if (name == "voice_bias")
    p.voiceBias = value;
  else if (name == "double_cost")
    p.doubleCost = value;
  else if (name == "min_f0")
    p.minF0 = value;
  else if (name == "max_f0")
    p.maxF0 = value;
  else if (name == "frame_step")
    p.frameStep = value;
  else if (name == "wind_dur")
    p.windDur = value;
  else if (name == "n_cands") {
    if (value != std::floor(value) || std::abs(value) > 1e6) return false;
    p.nCands = static_cast<int>(value);
  } else {
    return false;
  }
  return true;
}

std::optional<RaptSizes> RaptTracker::init(double rate) {
  state_.reset();
  frames_.clear();
  RaptParameters& p = parameters_;
  bool valid = std::isfinite(rate) && rate > 0;
  if (!(p.candThresh >= 0.01 && p.candThresh <= 0.99)) {
    diagnostics_.push_back("F0: cand_thresh parameter must be between [0.01, 0.99].\n");
    valid = false;
  }
  if (!(p.windDur >= 0.0001 && p.windDur <= 0.1)) {
    diagnostics_.push_back("F0: wind_dur parameter must be between [0.0001, 0.1].\n");
    valid = false;
  }
  if (p.nCands < 3 || p.nCands > 100) {
    diagnostics_.push_back("F0: n_cands parameter must be between [3,100].\n");
    valid = false;
  }
  if (!(p.maxF0 > p.minF0) || !(p.maxF0 < rate / 2) || !(p.minF0 >= rate / 10000) ||
      !(p.minF0 > 0)) {
    diagnostics_.push_back("F0: min(max)_f0 parameter inconsistent with record frequency\n");
    valid = false;
  }
  if (rate > 0) p.frameStep = std::nearbyint(p.frameStep * rate) / rate;
  if (!(p.frameStep >= 1 / rate && p.frameStep <= 0.1)) {
    diagnostics_.push_back("F0: frame_step parameter must be between [1/sampFreq, 0.1]\n");
    valid = false;
  }
  if (!valid) {
    diagnostics_.push_back("F0: invalid/inconsistent parameters -- exiting.\n");
    return std::nullopt;
  }

  auto s = std::make_unique<State>();
  s->rate = rate;
  s->step = static_cast<int>(std::nearbyint(p.frameStep * rate));
  s->window = std::max(1, static_cast<int>(std::nearbyint(p.windDur * rate)));
  s->minLag = std::max(1, static_cast<int>(std::nearbyint(rate / p.maxF0)));
  s->maxLag = std::max(s->minLag + 2, static_cast<int>(std::nearbyint(rate / p.minF0)));
  s->lpcOrder = static_cast<int>(std::floor(0.001 * rate + 2.5));
  if (s->lpcOrder > kMaxLpcOrder) {
    s->lpcOrder = kMaxLpcOrder;
    diagnostics_.push_back(format("F0: Optimum order limited to %d\n", kMaxLpcOrder));
  }
  s->factor = std::max(1, static_cast<int>(std::floor(0.0005 * rate)));
  if (s->factor > 1) {
    // A Hamming-weighted sinc low-pass, cut off below the coarse signal's Nyquist frequency.
    const int half = kDecimationTapsPerFactor * s->factor / 2;
    const double cutoff = 0.45 / s->factor;  // cycles per full-rate sample
    s->decimationFilter.resize(static_cast<std::size_t>(2 * half + 1));
    double sum = 0;
    for (int i = -half; i <= half; ++i) {
      const double x = 2 * M_PI * cutoff * i;
      const double sinc = i == 0 ? 1.0 : std::sin(x) / x;
      const double w =
          dsp::hammingWeight(static_cast<std::size_t>(i + half), s->decimationFilter.size());
      s->decimationFilter[i + half] = sinc * w;
      sum += sinc * w;
    }
    if (!(sum > 0) || !std::isfinite(sum)) {
      diagnostics_.push_back("Error computing downsampling filter\n");
      return std::nullopt;
    }
    for (double& tap : s->decimationFilter) tap /= sum;
  }
  s->coarseWindow =
      std::max(2, static_cast<int>(std::nearbyint(static_cast<double>(s->window) / s->factor)));
  s->coarseMinLag = std::max(1, s->minLag / s->factor - 1);
  s->coarseMaxLag = (s->maxLag + s->factor - 1) / s->factor + 1;
  // A whole number of frame steps, so that a frame's window before its centre is the window
  // after the centre of an earlier frame, already analysed.
  s->lpcWindow =
      s->step *
      std::max(1, static_cast<int>(std::nearbyint(kStationarityLpcSeconds / p.frameStep)));
  s->rmsWindow = static_cast<int>(std::nearbyint(kStationarityRmsSeconds * rate));
  s->historyLimit = static_cast<std::int64_t>(kHistorySeconds / p.frameStep) + 1;
  s->keepFrames = static_cast<std::int64_t>(kKeepSeconds / p.frameStep);
  if (!windowTable(0, static_cast<std::size_t>(s->lpcWindow), s->lpcTable, diagnostics_) ||
      !windowTable(1, static_cast<std::size_t>(s->rmsWindow), s->rmsTable, diagnostics_)) {
    return std::nullopt;
  }
  // About 0.2 s of new signal per call, a whole number of frames, and enough beyond it for
  // the last of those frames to be analysed.
  const std::int64_t framesPerCall =
      std::max<std::int64_t>(1, std::llround(kBufferSeconds / p.frameStep));
  s->sizes.stepSize = framesPerCall * s->step;
  const std::int64_t reach = std::max<std::int64_t>(
      {static_cast<std::int64_t>(s->window) + s->maxLag + 2, s->window / 2 + s->lpcWindow,
       s->window / 2 + s->rmsWindow,
       static_cast<std::int64_t>(s->coarseWindow + s->coarseMaxLag + 2) * s->factor +
           static_cast<std::int64_t>(s->decimationFilter.size())});
  s->sizes.bufferSize = s->sizes.stepSize + reach;
  state_ = std::move(s);
  return state_->sizes;
}

namespace {

// The autocorrelation and predictor of the Hamming-weighted window from `start`.
void analyseLpc(const std::vector<float>& signal, std::int64_t start, int length, int order,
                const std::vector<double>& table, std::vector<float>& scratch, LpcWindow& out) {
  scratch.assign(static_cast<std::size_t>(length), 0.0f);
  for (int i = 0; i < length; ++i) {
    const std::int64_t at = start + i;
    if (at >= 0 && at < static_cast<std::int64_t>(signal.size())) {
      scratch[i] = static_cast<float>(signal[at] * table[i]);
    }
  }
  out.start = start;
  out.lags.assign(static_cast<std::size_t>(order + 1), 0.0);
  out.predictor.assign(static_cast<std::size_t>(order + 1), 0.0);
  dsp::autocorrelationLags(scratch, out.lags);
  dsp::levinsonDurbin(out.lags, out.predictor);
}

// a' R a for the predictor a and the Toeplitz autocorrelation r.
double residualEnergy(const std::vector<double>& a, const std::vector<double>& r) {
  double sum = 0;
  const std::size_t n = a.size();
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) sum += a[i] * a[j] * r[i > j ? i - j : j - i];
  }
  return sum;
}

double windowRms(const std::vector<float>& signal, std::int64_t start,
                 const std::vector<double>& table) {
  double sum = 0;
  const auto n = static_cast<std::int64_t>(table.size());
  for (std::int64_t i = 0; i < n; ++i) {
    const std::int64_t at = start + i;
    if (at < 0 || at >= static_cast<std::int64_t>(signal.size())) continue;
    const double v = table[i] * signal[at];
    sum += v * v;
  }
  return n > 0 ? std::sqrt(sum / static_cast<double>(n)) : 0.0;
}

}  // namespace

bool RaptTracker::process(std::span<const float> buffer) {
  if (!state_ || state_->failed || state_->ended) return false;
  State& s = *state_;
  const RaptParameters& p = parameters_;

  // Take the samples this buffer adds to those already received.
  const std::int64_t bufferStart = s.buffersSeen * s.sizes.stepSize;
  const auto received = static_cast<std::int64_t>(s.signal.size());
  if (bufferStart > received) {
    diagnostics_.push_back("F0: can't get downsampled data.\n");
    s.failed = true;
    return false;
  }
  const std::int64_t skip = received - bufferStart;
  for (std::int64_t i = skip; i < static_cast<std::int64_t>(buffer.size()); ++i) {
    const float v = buffer[static_cast<std::size_t>(i)];
    s.signal.push_back(std::isfinite(v) ? v : 0.0f);
  }
  ++s.buffersSeen;
  const bool last = static_cast<std::int64_t>(buffer.size()) < s.sizes.bufferSize;
  if (last) s.ended = true;
  const auto total = static_cast<std::int64_t>(s.signal.size());

  // The coarse signal: low-passed and decimated, sample m at full-rate sample m * factor;
  // computed as far as the filter has its samples (to the end once the input has ended).
  const auto half = static_cast<std::int64_t>(s.decimationFilter.size() / 2);
  for (;;) {
    const auto m = static_cast<std::int64_t>(s.coarse.size());
    const std::int64_t centre = m * s.factor;
    if (centre >= total || (!last && centre + half >= total)) break;
    if (s.factor == 1) {
      s.coarse.push_back(s.signal[centre]);
      continue;
    }
    double sum = 0;
    for (std::int64_t k = -half; k <= half; ++k) {
      const std::int64_t at = centre + k;
      if (at >= 0 && at < total) sum += s.decimationFilter[k + half] * s.signal[at];
    }
    s.coarse.push_back(static_cast<float>(sum));
  }

  const double kmaxInverse = 1.0 / s.maxLag;
  const double freqWeight = p.freqWeight / p.frameStep;
  for (;; ++s.nextFrame) {
    const std::int64_t start = s.nextFrame * s.step;
    const std::int64_t centre = start + s.window / 2;
    const std::int64_t coarseStart = (start + s.factor / 2) / s.factor;
    const int coarseLags = s.coarseMaxLag - s.coarseMinLag + 1;
    // The NCCF needs its window and every lag; the stationarity windows after the centre
    // are waited for too, except at the end of the input, where they run past it on zeros.
    const std::int64_t stationarityEnd = centre + std::max(s.lpcWindow, s.rmsWindow);
    if (start + s.window + s.maxLag + 1 > total || (!last && stationarityEnd > total) ||
        coarseStart + s.coarseMaxLag + s.coarseWindow >
            static_cast<std::int64_t>(s.coarse.size())) {
      break;
    }

    // Coarse NCCF and its peaks above cand_thresh times the best.
    s.rho.assign(static_cast<std::size_t>(coarseLags), 0.0);
    dsp::slidingCorrelation(
        std::span<const float>(s.coarse).subspan(static_cast<std::size_t>(coarseStart)),
        static_cast<std::size_t>(s.coarseWindow), static_cast<std::size_t>(s.coarseMinLag), s.rho,
        static_cast<double>(s.coarseWindow) * p.quietPower);
    const double top = *std::max_element(s.rho.begin(), s.rho.end());
    std::vector<std::pair<double, double>> peaks;  // (value, full-rate lag)
    for (int i = 1; i + 1 < coarseLags; ++i) {
      if (s.rho[i] > s.rho[i - 1] && s.rho[i] >= s.rho[i + 1] && s.rho[i] > 0 &&
          s.rho[i] >= p.candThresh * top) {
        const double offset = dsp::parabolicPeakOffset(s.rho[i - 1], s.rho[i], s.rho[i + 1]);
        peaks.emplace_back(s.rho[i], (s.coarseMinLag + i + offset) * s.factor);
      }
    }
    std::stable_sort(peaks.begin(), peaks.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    if (static_cast<int>(peaks.size()) > p.nCands - 1) peaks.resize(p.nCands - 1);

    // Each peak refined at the full rate within about half a coarse sample either way.
    PendingFrame frame;
    frame.candidates.push_back({});
    double best = 0;
    const int reach = s.factor / 2 + 1;
    for (const auto& peak : peaks) {
      const int around = static_cast<int>(std::lround(peak.second));
      const int lo = std::max(s.minLag, around - reach);
      const int hi = std::min(s.maxLag, around + reach);
      if (lo > hi) continue;
      const int first = std::max(s.minLag, lo - 1);
      const int lastLag = std::min(s.maxLag, hi + 1);
      s.rho.assign(static_cast<std::size_t>(lastLag - first + 1), 0.0);
      dsp::slidingCorrelation(
          std::span<const float>(s.signal).subspan(static_cast<std::size_t>(start)),
          static_cast<std::size_t>(s.window), static_cast<std::size_t>(first), s.rho,
          static_cast<double>(s.window) * p.quietPower);
      int at = lo;
      for (int lag = lo; lag <= hi; ++lag) {
        if (s.rho[lag - first] > s.rho[at - first]) at = lag;
      }
      const bool known = std::any_of(frame.candidates.begin() + 1, frame.candidates.end(),
                                     [at](const Candidate& c) { return c.lag == at; });
      if (known) continue;
      Candidate c;
      c.lag = at;
      c.logLag = std::log(static_cast<double>(at));
      c.correlation = s.rho[at - first];
      c.below = at > first ? s.rho[at - 1 - first] : c.correlation;
      c.above = at < lastLag ? s.rho[at + 1 - first] : c.correlation;
      frame.candidates.push_back(c);
      best = std::max(best, c.correlation);
    }

    // Energy and spectral change around the frame's centre.
    const double rmsBefore = windowRms(s.signal, centre - s.rmsWindow, s.rmsTable);
    const double rmsAfter = windowRms(s.signal, centre, s.rmsTable);
    frame.rms = static_cast<float>(windowRms(s.signal, start, s.rmsTable));
    double rmsRatio = (rmsAfter + 1e-3) / (rmsBefore + 1e-3);
    rmsRatio = std::clamp(rmsRatio, 1e-3, 1e3);
    const auto lpcAt = [&](std::int64_t from) -> const LpcWindow& {
      for (const LpcWindow& w : s.lpcCache) {
        if (w.start == from) return w;
      }
      LpcWindow w;
      analyseLpc(s.signal, from, s.lpcWindow, s.lpcOrder, s.lpcTable, s.scratch, w);
      s.lpcCache.push_back(std::move(w));
      if (s.lpcCache.size() > 8) s.lpcCache.pop_front();
      return s.lpcCache.back();
    };
    const LpcWindow after = lpcAt(centre);
    const LpcWindow& before = lpcAt(std::max<std::int64_t>(0, centre - s.lpcWindow));
    double stationarity = 1.0;
    const double own = residualEnergy(after.predictor, after.lags);
    if (after.lags[0] > 0 && own > 0) {
      const double itakura = std::max(1.0, residualEnergy(before.predictor, after.lags) / own);
      stationarity = 0.2 / (itakura - 0.8);
    }

    // Local costs, then the best predecessor of every candidate.
    frame.candidates[0].cost = p.voiceBias + best;
    for (std::size_t c = 1; c < frame.candidates.size(); ++c) {
      Candidate& cand = frame.candidates[c];
      cand.cost = 1.0 - cand.correlation * (1.0 - p.lagWeight * cand.lag * kmaxInverse);
    }
    {
      const PendingFrame* previous = s.pending.empty() ? nullptr : &s.pending.back();
      if (previous) {
        for (Candidate& cand : frame.candidates) {
          double lowest = std::numeric_limits<double>::max();
          int from = 0;
          for (std::size_t q = 0; q < previous->candidates.size(); ++q) {
            const Candidate& prev = previous->candidates[q];
            double transition = 0;
            if (prev.lag > 0 && cand.lag > 0) {
              const double d = cand.logLag - prev.logLag;
              transition = freqWeight * std::min({std::abs(d), std::abs(d + M_LN2) + p.doubleCost,
                                                  std::abs(d - M_LN2) + p.doubleCost});
            } else if (prev.lag > 0) {
              transition = p.transCost + p.transAmp * rmsRatio + p.transSpec * stationarity;
            } else if (cand.lag > 0) {
              transition = p.transCost + p.transAmp / rmsRatio + p.transSpec * stationarity;
            }
            const double v = prev.cost + transition;
            if (v < lowest) {
              lowest = v;
              from = static_cast<int>(q);
            }
          }
          cand.cost += lowest;
          cand.from = from;
        }
      }
    }
    s.pending.push_back(std::move(frame));

    // Emit what every path agrees on.
    {
      std::vector<int>& alive = s.alive;
      std::vector<int>& back = s.back;
      alive.resize(s.pending.back().candidates.size());
      std::iota(alive.begin(), alive.end(), 0);
      std::size_t i = s.pending.size() - 1;
      while (alive.size() > 1 && i > 0) {
        back.clear();
        for (int c : alive) {
          back.push_back(s.pending[i].candidates[static_cast<std::size_t>(c)].from);
        }
        std::sort(back.begin(), back.end());
        back.erase(std::unique(back.begin(), back.end()), back.end());
        alive.swap(back);
        --i;
      }
      if (alive.size() == 1 && i + 1 < s.pending.size()) {
        emitFrames(i + 1, alive[0]);
      } else if (static_cast<std::int64_t>(s.pending.size()) > s.historyLimit) {
        diagnostics_.push_back("There may be a problem in finding converged path\n");
        const int bestLast = cheapestNewest();
        // Follow the best path back to the oldest frames to be emitted.
        const std::size_t emit = s.pending.size() - static_cast<std::size_t>(s.keepFrames);
        int c = bestLast;
        for (std::size_t k = s.pending.size() - 1; k >= emit; --k) {
          c = s.pending[k].candidates[static_cast<std::size_t>(c)].from;
        }
        emitFrames(emit, c);
      }
    }
  }

  if (last && !s.pending.empty()) emitFrames(s.pending.size(), cheapestNewest());
  return true;
}

int RaptTracker::cheapestNewest() const {
  const PendingFrame& newest = state_->pending.back();
  int best = 0;
  double lowest = std::numeric_limits<double>::max();
  for (std::size_t c = 0; c < newest.candidates.size(); ++c) {
    if (newest.candidates[c].cost < lowest) {
      lowest = newest.candidates[c].cost;
      best = static_cast<int>(c);
    }
  }
  return best;
}

void RaptTracker::emitFrames(std::size_t count, int candidateAtLast) {
  State& s = *state_;
  std::vector<int> chosen(count);
  int c = candidateAtLast;
  for (std::size_t i = count; i-- > 0;) {
    chosen[i] = c;
    c = s.pending[i].candidates[static_cast<std::size_t>(c)].from;
  }
  for (std::size_t i = 0; i < count; ++i) {
    const Candidate& cand = s.pending[i].candidates[static_cast<std::size_t>(chosen[i])];
    RaptFrame out;
    out.rms = s.pending[i].rms;
    if (cand.lag > 0) {
      // The lag placed between samples by the parabola through its neighbours' NCCF, except
      // at the ends of the lag range or where the parabola is flat.
      double lag = cand.lag;
      const double a = cand.above, b = cand.correlation, below = cand.below;
      const double curve = 2 * (a + below - 2 * b);
      if (cand.lag > s.minLag && cand.lag < s.maxLag && std::abs(curve) >= 1e-6) {
        lag += (below - a) / curve;
      }
      out.f0 = static_cast<float>(s.rate / lag);
      out.correlation = static_cast<float>(b);
    }
    frames_.push_back(out);
  }
  s.pending.erase(s.pending.begin(), s.pending.begin() + static_cast<std::ptrdiff_t>(count));
}

RaptTrack trackRapt(std::span<const float> samples, double sampleRate, double minF0, double maxF0,
                    double framesPerSecond) {
  RaptTrack result;
  auto tracker = RaptTracker::create();
  char text[64];
  std::snprintf(text, sizeof text, "frame_step=%f", 1.0 / framesPerSecond);
  tracker->setParameter(text);
  std::snprintf(text, sizeof text, "min_f0=%f", minF0);
  tracker->setParameter(text);
  std::snprintf(text, sizeof text, "max_f0=%f", maxF0);
  tracker->setParameter(text);
  const std::optional<RaptSizes> sizes = tracker->init(sampleRate);
  if (!sizes) {
    result.diagnostics = tracker->diagnostics();
    return result;
  }
  const auto length = static_cast<std::int64_t>(samples.size());
  const auto expected = static_cast<std::int64_t>(
      std::floor(static_cast<double>(length) / sampleRate * framesPerSecond + 0.5));
  result.values.reserve(static_cast<std::size_t>(expected));
  const std::int64_t full =
      length >= sizes->bufferSize ? (length - sizes->bufferSize) / sizes->stepSize + 1 : 0;
  bool ok = true;
  std::int32_t read = 0;
  const auto collect = [&]() {
    for (; read < tracker->frameCount(); ++read) {
      if (static_cast<std::int64_t>(result.values.size()) < expected) {
        result.values.push_back(tracker->frame(read).f0);
      }
    }
  };
  for (std::int64_t k = 0; k < full && ok; ++k) {
    ok = tracker->process(samples.subspan(static_cast<std::size_t>(k * sizes->stepSize),
                                          static_cast<std::size_t>(sizes->bufferSize)));
    collect();
  }
  if (ok) {
    ok = tracker->process(samples.subspan(static_cast<std::size_t>(full * sizes->stepSize)));
    collect();
  }
  result.diagnostics = tracker->diagnostics();
  if (!ok) {
    result.values.clear();
    return result;
  }
  const float fill = result.values.empty() ? 0.0f : result.values.back();
  result.values.resize(static_cast<std::size_t>(expected), fill);
  result.ok = true;
  return result;
}

std::vector<SampleStretch> raptStretches(std::int64_t count, double sampleRate) {
  std::vector<SampleStretch> stretches;
  const auto ten = static_cast<std::int64_t>(10 * sampleRate);
  if (count <= 0 || ten <= 0) return stretches;
  std::int64_t start = 0;
  while (count - start >= 2 * ten) {
    stretches.push_back({start, ten});
    start += ten;
  }
  stretches.push_back({start, count - start});
  return stretches;
}

RaptTrack trackRaptFile(std::span<const std::int16_t> samples, double sampleRate) {
  RaptTrack result;
  result.ok = true;
  std::vector<float> floats(samples.begin(), samples.end());
  for (const SampleStretch& stretch :
       raptStretches(static_cast<std::int64_t>(samples.size()), sampleRate)) {
    RaptTrack part =
        trackRapt(std::span<const float>(floats).subspan(static_cast<std::size_t>(stretch.start),
                                                         static_cast<std::size_t>(stretch.length)),
                  sampleRate, 60, 1000, 100);
    result.diagnostics.insert(result.diagnostics.end(), part.diagnostics.begin(),
                              part.diagnostics.end());
    if (!part.ok) {
      result.ok = false;
      result.values.clear();
      return result;
    }
    result.values.insert(result.values.end(), part.values.begin(), part.values.end());
  }
  return result;
}

}  // namespace sonarel::core
