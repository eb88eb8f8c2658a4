#pragma once
// Counts of keys (characters, pairs and triples of characters, a character
// and its place) for the entropies of the yardsticks. Clearing costs as much
// as the counting did, so one counter serves every window of an input.
#include <cstddef>
#include <cstdint>
#include <vector>

class GramCounter {
 public:
  // Keys are 0 .. keySpace - 1, at most `additions` of them counted before
  // a clear (fewer than 2^32). A plain table when there are few keys, or
  // for many additions not many more keys than additions; otherwise a hash
  // table that grows with the number of distinct keys counted.
  GramCounter(uint64_t keySpace, uint64_t additions);

  void add(uint64_t key) {
    if (dense_ && counts_[key]++ > 0) return;
    addSlowly(key);
  }
  // The count of a key (0 when it was not counted).
  uint32_t count(uint64_t key) const;
  // The number of distinct keys counted.
  size_t distinct() const { return distinct_; }
  // Calls f(key, count) for every key counted, in no particular order.
  template <class F>
  void forEach(F f) const {
    if (scanAll_) {
      for (size_t key = 0; key < counts_.size(); ++key)
        if (counts_[key] > 0) f(key, counts_[key]);
      return;
    }
    for (size_t at : used_) f(dense_ ? at : keys_[at], counts_[at]);
  }
  // Forgets every count.
  void clear();

 private:
  static constexpr uint64_t FREE = UINT64_MAX;
  // A key new to the plain table (already counted), or any key of the hash table.
  void addSlowly(uint64_t key);
  size_t slotOf(uint64_t key) const;
  void grow();

  bool dense_;
  std::vector<uint32_t> counts_;  // by key (dense) or by slot (hash)
  std::vector<uint64_t> keys_;    // by slot (hash only)
  unsigned shift_ = 64 - 10;      // the hash table has 2^(64 - shift_) slots
  std::vector<size_t> used_;      // the keys (dense) or slots (hash) with a count
  size_t distinct_ = 0;
  // A plain table with many keys counted is scanned whole instead of
  // keeping a list of them as long as itself.
  bool scanAll_ = false;
};
