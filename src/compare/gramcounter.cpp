// Counting keys in a plain table or in an open-addressing hash table.
#include "compare/gramcounter.hpp"

#include <algorithm>

// A small table always; a large one only for a large input, where it takes
// less memory than a hash table of as many distinct keys would (for a
// smaller input the hash table, which stays in the cache, is faster).
GramCounter::GramCounter(uint64_t keySpace, uint64_t additions)
    : dense_(keySpace <= (uint64_t{1} << 16) || (additions >= (uint64_t{1} << 22) && keySpace <= 8 * additions)) {
  if (dense_) {
    counts_.assign(keySpace, 0);
  } else {
    counts_.assign(size_t{1} << (64 - shift_), 0);
    keys_.assign(counts_.size(), FREE);
  }
}

// Multiplicative hashing: the top bits of the key times 2^64 / phi.
size_t GramCounter::slotOf(uint64_t key) const {
  const size_t mask = keys_.size() - 1;
  size_t slot = static_cast<size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_);
  while (keys_[slot] != FREE && keys_[slot] != key) slot = (slot + 1) & mask;
  return slot;
}

void GramCounter::grow() {
  std::vector<uint64_t> keys(keys_.size() * 2, FREE);
  std::vector<uint32_t> counts(keys_.size() * 2, 0);
  keys.swap(keys_);
  counts.swap(counts_);
  --shift_;
  for (size_t& slot : used_) {
    const uint64_t key = keys[slot];
    const uint32_t n = counts[slot];
    slot = slotOf(key);
    keys_[slot] = key;
    counts_[slot] = n;
  }
}

void GramCounter::addSlowly(uint64_t key) {
  if (dense_) {
    ++distinct_;
    if (scanAll_) return;
    used_.push_back(key);
    if (used_.size() > counts_.size() / 16) {
      scanAll_ = true;
      std::vector<size_t>().swap(used_);
    }
    return;
  }
  if (2 * (used_.size() + 1) > keys_.size()) grow();
  const size_t slot = slotOf(key);
  if (keys_[slot] == FREE) {
    keys_[slot] = key;
    used_.push_back(slot);
    ++distinct_;
  }
  ++counts_[slot];
}

uint32_t GramCounter::count(uint64_t key) const {
  if (dense_) return key < counts_.size() ? counts_[key] : 0;
  const size_t slot = slotOf(key);
  return keys_[slot] == FREE ? 0 : counts_[slot];
}

void GramCounter::clear() {
  distinct_ = 0;
  if (scanAll_) {
    std::fill(counts_.begin(), counts_.end(), 0);
    scanAll_ = false;
  }
  for (size_t at : used_) {
    counts_[at] = 0;
    if (!dense_) keys_[at] = FREE;
  }
  used_.clear();
}
