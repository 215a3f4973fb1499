// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session/curve_cache.h"

namespace sonarel::app {

CurveCache& CurveCache::operator=(const CurveCache& other) {
  if (this != &other) {
    const std::lock_guard<std::mutex> guard(lock_);
    entries_ = {};
  }
  return *this;
}

std::shared_ptr<const CurveCache::Columns> CurveCache::columns(
    Slot slot, const Key& key, const std::function<Columns()>& reduce) {
  Entry& entry = entries_[static_cast<std::size_t>(slot)];
  {
    const std::lock_guard<std::mutex> guard(lock_);
    if (entry.columns && entry.key == key) return entry.columns;
  }
  // Reduced outside the lock: a long recording takes a few milliseconds.
  auto made = std::make_shared<const Columns>(reduce());
  const std::lock_guard<std::mutex> guard(lock_);
  entry = {key, made};
  ++reductions_;
  return made;
}

int CurveCache::reductions() const {
  const std::lock_guard<std::mutex> guard(lock_);
  return reductions_;
}

}  // namespace sonarel::app
