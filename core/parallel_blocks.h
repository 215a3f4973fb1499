// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spreading independent items over threads: each thread takes the next block of items from a
// shared counter until none are left. The calling thread is worker 0 and works too.

#include <cstdint>
#include <functional>

namespace sonarel::core {

// `requested` threads, or one per processor when it is 0 or less, kept within [1, most].
int threadCount(int requested, int most);

// Calls work(worker, begin, end) for consecutive blocks of `block` items covering
// [first, last), on up to `workers` threads numbered from 0. A thread that cannot be
// started leaves its blocks to the others. Returns when every block is done.
void forEachBlock(
    std::int64_t first, std::int64_t last, std::int64_t block, int workers,
    const std::function<void(int worker, std::int64_t begin, std::int64_t end)>& work);

}  // namespace sonarel::core
