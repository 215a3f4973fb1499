// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Fourier transforms of the analyses, on FFTW. A transform of one size is planned once, on
// first use, and kept for the life of the process; every thread shares it. Planning runs under
// a lock (FFTW's planner is not thread-safe); executing a kept plan on the caller's own arrays
// is safe from any number of threads at once.
//
// Conventions: forward X[k] = sum over n of x[n] exp(-2 pi i k n / N); the inverse is the
// conjugate sum, unscaled, so inverse(forward(x)) = N x. Arrays from AlignedVector are
// transformed where they are; others (FFTW runs a plan only on arrays aligned as the ones it
// was made for) through aligned copies, which is slower. Input and output must be distinct.

#include <fftw3.h>

#include <complex>
#include <cstddef>
#include <new>
#include <span>
#include <vector>

namespace sonarel::dsp {

using Complex = std::complex<double>;

// Storage from fftw_malloc, aligned for FFTW's vector instructions.
template <class T>
struct FftwAllocator {
  using value_type = T;
  FftwAllocator() = default;
  template <class U>
  FftwAllocator(const FftwAllocator<U>&) {}
  T* allocate(std::size_t n) {
    void* p = fftw_malloc(n * sizeof(T));
    if (!p) throw std::bad_alloc();
    return static_cast<T*>(p);
  }
  void deallocate(T* p, std::size_t) { fftw_free(p); }
  template <class U>
  bool operator==(const FftwAllocator<U>&) const {
    return true;
  }
};

template <class T>
using AlignedVector = std::vector<T, FftwAllocator<T>>;

// The smallest size of at least `atLeast` (>= 1) of the form 2^k or 3 * 2^k: FFTW transforms
// either quickly, and the second often wastes far less padding than the next power of two.
std::size_t fastFftSize(std::size_t atLeast);

// The transform of `size` real values (size >= 2) to its size / 2 + 1 non-negative bins.
class RealFft {
 public:
  // The shared transform of this size, planned on the first call.
  static const RealFft& ofSize(std::size_t size);

  std::size_t size() const { return size_; }
  std::size_t binCount() const { return size_ / 2 + 1; }

  // `in`: size() values; `out`: binCount() bins.
  void forward(std::span<const double> in, std::span<Complex> out) const;
  // `in`: binCount() bins, overwritten (FFTW's complex-to-real transforms use the input as
  // scratch); `out`: size() values, N times the real sequence. The imaginary parts of bin 0
  // and, for even sizes, bin N/2 are taken as 0.
  void inverse(std::span<Complex> in, std::span<double> out) const;

  RealFft(const RealFft&) = delete;
  RealFft& operator=(const RealFft&) = delete;
  ~RealFft();

 private:
  explicit RealFft(std::size_t size);
  friend class FftPlans;

  std::size_t size_;
  fftw_plan forward_ = nullptr;
  fftw_plan inverse_ = nullptr;
};

// The transform of `size` complex values (size >= 1), both directions.
class ComplexFft {
 public:
  static const ComplexFft& ofSize(std::size_t size);

  std::size_t size() const { return size_; }

  // `in` and `out`: size() values each.
  void forward(std::span<const Complex> in, std::span<Complex> out) const;
  void inverse(std::span<const Complex> in, std::span<Complex> out) const;

  ComplexFft(const ComplexFft&) = delete;
  ComplexFft& operator=(const ComplexFft&) = delete;
  ~ComplexFft();

 private:
  explicit ComplexFft(std::size_t size);
  friend class FftPlans;

  std::size_t size_;
  fftw_plan forward_ = nullptr;
  fftw_plan inverse_ = nullptr;
};

}  // namespace sonarel::dsp
