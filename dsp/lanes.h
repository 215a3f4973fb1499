// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two doubles in the lanes of a vector register (a GCC and Clang extension). Each lane does
// the arithmetic of its own value, rounded as the scalar operation would be, so a loop written
// on these gives the values of the plain loop it replaces, two at a time.

#include <cstring>

namespace sonarel::dsp {

using Lanes = double __attribute__((vector_size(16)));

// The two doubles at p, which need no alignment.
inline Lanes loadLanes(const double* p) {
  Lanes v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

}  // namespace sonarel::dsp
