#pragma once
// A radix-2 fast Fourier transform of real sequences, for the correlation work of the pitch
// trackers. The tables are built once per size; transforms then allocate nothing.
//
// Packed spectrum layout (size N, in place): data[0] = X[0] (real), data[1] = X[N/2] (real),
// data[2k] = Re X[k], data[2k+1] = Im X[k] for k = 1 .. N/2 - 1, with
// X[k] = sum over n of x[n] * exp(-2 pi i k n / N).
//
// An object is immutable after construction, so one instance may serve several threads.

#include <cstddef>
#include <span>
#include <vector>

namespace sonarel::core {

class RealFft {
 public:
  // `size` must be a power of two, at least 2.
  explicit RealFft(std::size_t size);

  std::size_t size() const { return size_; }

  // Working memory of one caller (the transform runs on split real and imaginary parts);
  // one per thread, made once and reused for every transform.
  struct Workspace {
    std::vector<double> re, im;
  };
  Workspace makeWorkspace() const;

  // Replaces the N real values of `data` by their packed spectrum (unscaled).
  void forward(std::span<double> data, Workspace& workspace) const;
  // Replaces a packed spectrum by its real sequence; inverse(forward(x)) gives x back.
  void inverse(std::span<double> data, Workspace& workspace) const;
  // The same with a workspace of their own, for one-off transforms.
  void forward(std::span<double> data) const;
  void inverse(std::span<double> data) const;

  // Replaces the packed spectrum in `data` by its squared magnitudes (imaginary parts 0):
  // after inverse() the buffer holds the circular autocorrelation of the input.
  static void squareMagnitudes(std::span<double> data);

 private:
  // In-place complex transform of size_/2 points held as separate real and imaginary parts.
  void complexTransform(double* re, double* im, bool inverse) const;

  std::size_t size_;
  std::vector<std::size_t> bitReversed_;  // index pairs to swap, flattened
  // Per butterfly stage of length L >= 4, exp(-2 pi i k / L) for k < L/2, stage after stage.
  std::vector<double> twiddleRe_, twiddleIm_, twiddleImInverse_;
  std::vector<double> splitRe_, splitIm_;  // exp(-2 pi i k / N), k <= N/2
};

// The smallest power of two not below `n` (1 for n <= 1).
std::size_t nextPowerOfTwo(std::size_t n);

}  // namespace sonarel::core
