// SPDX-License-Identifier: GPL-3.0-or-later
#include "dsp/fft.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <map>
#include <memory>
#include <mutex>
#include <type_traits>

namespace sonarel::dsp {

// FFTW's estimate picks the algorithm by heuristics, so a size gets the same plan, and the same
// results to the last bit, in every run (FFTW_MEASURE times candidates and may not).
constexpr unsigned kPlanFlags = FFTW_ESTIMATE;

// Owns every plan of the process. FFTW's planner (plan creation and destruction) must not run
// on two threads at once, so it runs only here, under one lock.
class FftPlans {
 public:
  static FftPlans& instance() {
    static FftPlans plans;
    return plans;
  }

  const RealFft& real(std::size_t size) {
    std::lock_guard lock(mutex_);
    auto& slot = real_[size];
    if (!slot) slot.reset(new RealFft(size));
    return *slot;
  }

  const ComplexFft& complex(std::size_t size) {
    std::lock_guard lock(mutex_);
    auto& slot = complex_[size];
    if (!slot) slot.reset(new ComplexFft(size));
    return *slot;
  }

  // Kept plans live until the process ends; these destructors run at its exit.
  ~FftPlans() = default;

 private:
  FftPlans() = default;

  std::mutex mutex_;
  std::map<std::size_t, std::unique_ptr<RealFft>> real_;
  std::map<std::size_t, std::unique_ptr<ComplexFft>> complex_;
};

namespace {

fftw_complex* asFftw(Complex* p) {
  return reinterpret_cast<fftw_complex*>(p);
}

// FFTW runs a plan on new arrays only if they share the alignment of the planning arrays,
// which came from fftw_malloc.
bool aligned(const void* p) {
  return fftw_alignment_of(static_cast<double*>(const_cast<void*>(p))) == 0;
}

// Runs `execute` on `in` and `out`, through aligned copies when either is not aligned as
// FFTW needs (a caller's own vector, say): slower, never wrong.
template <class In, class Out, class Execute>
void runAligned(std::span<In> in, std::span<Out> out, Execute execute) {
  if (aligned(in.data()) && aligned(out.data())) return execute(in.data(), out.data());
  AlignedVector<std::remove_const_t<In>> inCopy(in.begin(), in.end());
  AlignedVector<Out> outCopy(out.size());
  execute(inCopy.data(), outCopy.data());
  std::copy(outCopy.begin(), outCopy.end(), out.begin());
}

}  // namespace

std::size_t fastFftSize(std::size_t atLeast) {
  const std::size_t power = std::bit_ceil(atLeast);
  const std::size_t threes = 3 * std::bit_ceil((atLeast + 2) / 3);
  return std::min(power, threes);
}

RealFft::RealFft(std::size_t size) : size_(size) {
  assert(size >= 2);
  AlignedVector<double> x(size);
  AlignedVector<Complex> bins(size / 2 + 1);
  const int n = static_cast<int>(size);
  const unsigned flags = kPlanFlags;
  forward_ = fftw_plan_dft_r2c_1d(n, x.data(), asFftw(bins.data()), flags);
  inverse_ = fftw_plan_dft_c2r_1d(n, asFftw(bins.data()), x.data(), flags | FFTW_DESTROY_INPUT);
}

RealFft::~RealFft() {
  fftw_destroy_plan(forward_);
  fftw_destroy_plan(inverse_);
}

const RealFft& RealFft::ofSize(std::size_t size) {
  return FftPlans::instance().real(size);
}

void RealFft::forward(std::span<const double> in, std::span<Complex> out) const {
  assert(in.size() == size_ && out.size() == binCount());
  // An out-of-place real-to-complex plan leaves its input as it was.
  runAligned(in, out, [this](const double* x, Complex* bins) {
    fftw_execute_dft_r2c(forward_, const_cast<double*>(x), asFftw(bins));
  });
}

void RealFft::inverse(std::span<Complex> in, std::span<double> out) const {
  assert(in.size() == binCount() && out.size() == size_);
  runAligned(in, out,
             [this](Complex* bins, double* x) { fftw_execute_dft_c2r(inverse_, asFftw(bins), x); });
}

ComplexFft::ComplexFft(std::size_t size) : size_(size) {
  assert(size >= 1);
  AlignedVector<Complex> a(size), b(size);
  const int n = static_cast<int>(size);
  const unsigned flags = kPlanFlags;
  forward_ = fftw_plan_dft_1d(n, asFftw(a.data()), asFftw(b.data()), FFTW_FORWARD, flags);
  inverse_ = fftw_plan_dft_1d(n, asFftw(a.data()), asFftw(b.data()), FFTW_BACKWARD, flags);
}

ComplexFft::~ComplexFft() {
  fftw_destroy_plan(forward_);
  fftw_destroy_plan(inverse_);
}

const ComplexFft& ComplexFft::ofSize(std::size_t size) {
  return FftPlans::instance().complex(size);
}

void ComplexFft::forward(std::span<const Complex> in, std::span<Complex> out) const {
  assert(in.size() == size_ && out.size() == size_);
  runAligned(in, out, [this](const Complex* x, Complex* y) {
    fftw_execute_dft(forward_, asFftw(const_cast<Complex*>(x)), asFftw(y));
  });
}

void ComplexFft::inverse(std::span<const Complex> in, std::span<Complex> out) const {
  assert(in.size() == size_ && out.size() == size_);
  runAligned(in, out, [this](const Complex* x, Complex* y) {
    fftw_execute_dft(inverse_, asFftw(const_cast<Complex*>(x)), asFftw(y));
  });
}

}  // namespace sonarel::dsp
