// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/parallel_blocks.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace sonarel::core {

int threadCount(int requested, int most) {
  const int wanted =
      requested > 0 ? requested : static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(wanted, 1, std::max(1, most));
}

void forEachBlock(std::int64_t first, std::int64_t last, std::int64_t block, int workers,
                  const std::function<void(int, std::int64_t, std::int64_t)>& work) {
  if (last <= first) return;
  block = std::max<std::int64_t>(block, 1);
  std::atomic<std::int64_t> next{first};
  const auto take = [&](int worker) {
    for (;;) {
      const std::int64_t begin = next.fetch_add(block, std::memory_order_relaxed);
      if (begin >= last) return;
      work(worker, begin, std::min(begin + block, last));
    }
  };
  std::vector<std::thread> helpers;
  try {
    helpers.reserve(static_cast<std::size_t>(std::max(workers - 1, 0)));
    for (int w = 1; w < workers; ++w) helpers.emplace_back(take, w);
  } catch (const std::exception&) {
    // No more threads to be had: those started and this one share every block.
  }
  take(0);
  for (std::thread& helper : helpers) helper.join();
}

}  // namespace sonarel::core
