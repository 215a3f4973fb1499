// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SONAREL_VECTOR_CLONES before a function whose loops the compiler vectorises: on x86-64 it
// is compiled twice, for AVX2 and for the baseline, and the loader picks the one the
// processor runs. The pick does not change a result: without fused multiply-adds (AVX2 alone
// does not bring them) and without reassociation, every lane rounds as the scalar code
// would, only more lanes at a time.
//
// SONAREL_AVX2 before a function written by hand for four-double registers, which its caller
// runs only where processorHasAvx2() holds; the same rule on rounding applies.

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define SONAREL_AVX2 __attribute__((target("avx2")))
#else
#define SONAREL_AVX2
#endif

// The clones are chosen by resolvers that the loader runs before ThreadSanitizer's runtime
// is ready, which crashes such a build at its start: there only the baseline is compiled.
#if defined(__SANITIZE_THREAD__)
#define SONAREL_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define SONAREL_THREAD_SANITIZER 1
#endif
#endif

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && \
    !defined(SONAREL_THREAD_SANITIZER)
#define SONAREL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SONAREL_VECTOR_CLONES
#endif

namespace sonarel::dsp {

inline bool processorHasAvx2() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
  static const bool has = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
  return has;
#else
  return false;
#endif
}

}  // namespace sonarel::dsp
