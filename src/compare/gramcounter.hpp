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
  // a clear (fewer than 2^32). A plain table when the keys are not many more
  // than that (or few in any case); otherwise a hash table that grows with
  // the number of distinct keys counted.
  GramCounter(uint64_t keySpace, uint64_t additions);

  void add(uint64_t key);
  // The count of a key (0 when it was not counted).
  uint32_t count(uint64_t key) const;
  // The number of distinct keys counted.
  size_t distinct() const { return used_.size(); }
  // The sum of n * log2(n) over the counts n of the distinct keys.
  double sumNLogN() const;
  // Calls f(key, count) for every key counted, in no particular order.
  template <class F>
  void forEach(F f) const {
    for (size_t at : used_) f(dense_ ? at : keys_[at], counts_[at]);
  }
  // Forgets every count.
  void clear();

 private:
  static constexpr uint64_t FREE = UINT64_MAX;
  size_t slotOf(uint64_t key) const;
  void grow();

  bool dense_;
  std::vector<uint32_t> counts_;  // by key (dense) or by slot (hash)
  std::vector<uint64_t> keys_;    // by slot (hash only)
  std::vector<size_t> used_;      // the keys (dense) or slots (hash) with a count
};

// n * log2(n), 0 for n = 0.
double nLogN(uint64_t n);
