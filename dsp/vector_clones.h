// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SONAREL_VECTOR_CLONES before a function whose loops the compiler vectorises: on x86-64 it
// is compiled twice, for AVX2 and for the baseline, and the loader picks the one the
// processor runs. The pick does not change a result: without fused multiply-adds (AVX2 alone
// does not bring them) and without reassociation, every lane rounds as the scalar code
// would, only more lanes at a time.

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define SONAREL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SONAREL_VECTOR_CLONES
#endif
