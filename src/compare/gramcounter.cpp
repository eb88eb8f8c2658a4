// Counting keys in a plain table or in an open-addressing hash table.
#include "compare/gramcounter.hpp"

#include <algorithm>
#include <cmath>

namespace {

uint64_t mixed(uint64_t key) {
  key ^= key >> 31;
  key *= 0x9E3779B97F4A7C15ULL;
  return key ^ (key >> 29);
}

}  // namespace

double nLogN(uint64_t n) { return n < 2 ? 0 : static_cast<double>(n) * std::log2(static_cast<double>(n)); }

GramCounter::GramCounter(uint64_t keySpace, uint64_t additions)
    : dense_(keySpace <= std::max<uint64_t>(uint64_t{1} << 20, 2 * additions)) {
  if (dense_) {
    counts_.assign(keySpace, 0);
  } else {
    counts_.assign(1024, 0);
    keys_.assign(1024, FREE);
  }
}

size_t GramCounter::slotOf(uint64_t key) const {
  const size_t mask = keys_.size() - 1;
  size_t slot = mixed(key) & mask;
  while (keys_[slot] != FREE && keys_[slot] != key) slot = (slot + 1) & mask;
  return slot;
}

void GramCounter::grow() {
  std::vector<uint64_t> keys(keys_.size() * 2, FREE);
  std::vector<uint32_t> counts(keys_.size() * 2, 0);
  keys.swap(keys_);
  counts.swap(counts_);
  for (size_t& slot : used_) {
    const uint64_t key = keys[slot];
    const uint32_t n = counts[slot];
    slot = slotOf(key);
    keys_[slot] = key;
    counts_[slot] = n;
  }
}

void GramCounter::add(uint64_t key) {
  if (dense_) {
    if (counts_[key]++ == 0) used_.push_back(key);
    return;
  }
  if (2 * (used_.size() + 1) > keys_.size()) grow();
  const size_t slot = slotOf(key);
  if (keys_[slot] == FREE) {
    keys_[slot] = key;
    used_.push_back(slot);
  }
  ++counts_[slot];
}

uint32_t GramCounter::count(uint64_t key) const {
  if (dense_) return key < counts_.size() ? counts_[key] : 0;
  const size_t slot = slotOf(key);
  return keys_[slot] == FREE ? 0 : counts_[slot];
}

double GramCounter::sumNLogN() const {
  double sum = 0;
  for (size_t at : used_) sum += nLogN(counts_[at]);
  return sum;
}

void GramCounter::clear() {
  for (size_t at : used_) {
    counts_[at] = 0;
    if (!dense_) keys_[at] = FREE;
  }
  used_.clear();
}
