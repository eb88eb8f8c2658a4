#pragma once
// Module-wide tables: inclusive bounds, resizing clears, every access checked.
#include <algorithm>
#include <array>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

#include "shell/fatal.hpp"

// Storage comes in chunks that are allocated when an element of theirs is
// first written, so a table sized for the largest case costs memory only
// for what a session really uses, and elements never move (references stay
// valid while the table grows). Reading an element never written gives the
// empty value.
template <class T>
class Tank {
 public:
  Tank() = default;
  Tank(long lo, long hi) { resize(lo, hi); }

  // New bounds lo..hi, every element back to its empty value.
  void resize(long lo, long hi, const std::source_location& where = std::source_location::current()) {
    if (hi < lo - 1) RUNTIMEERROR(ERR_OUTOFMEMORY, where);
    const size_t count = static_cast<size_t>(hi - lo + 1);
    try {
      std::vector<std::vector<T>> fresh((count + CHUNK - 1) / CHUNK);
      chunks_.swap(fresh);
    } catch (const std::bad_alloc&) {
      RUNTIMEERROR(ERR_OUTOFMEMORY, where);
    } catch (const std::length_error&) {
      RUNTIMEERROR(ERR_OUTOFMEMORY, where);
    }
    lo_ = lo;
    hi_ = hi;
  }

  T& operator()(long i, const std::source_location& where = std::source_location::current()) {
    if (i < lo_ || i > hi_) RUNTIMEERROR(ERR_OUTOFBOUNDS, where);
    const size_t k = static_cast<size_t>(i - lo_);
    std::vector<T>& chunk = chunks_[k / CHUNK];
    if (chunk.empty()) [[unlikely]] fillChunk(k / CHUNK, where);
    return chunk[k % CHUNK];
  }
  const T& operator()(long i, const std::source_location& where = std::source_location::current()) const {
    if (i < lo_ || i > hi_) RUNTIMEERROR(ERR_OUTOFBOUNDS, where);
    const size_t k = static_cast<size_t>(i - lo_);
    const std::vector<T>& chunk = chunks_[k / CHUNK];
    if (chunk.empty()) return emptyValue();
    return chunk[k % CHUNK];
  }

  long lo() const { return lo_; }
  long hi() const { return hi_; }

  // Elements that have storage (for tests of the memory a table takes).
  size_t allocated() const {
    size_t n = 0;
    for (size_t c = 0; c < chunks_.size(); ++c)
      n += chunks_[c].size();
    return n;
  }

 private:
  static constexpr size_t CHUNK = 1024;

  size_t chunkLength(size_t c) const {
    const size_t count = static_cast<size_t>(hi_ - lo_ + 1);
    return std::min(CHUNK, count - c * CHUNK);
  }

  // A chunk never changes its length once made, so its elements never move.
  void fillChunk(size_t c, const std::source_location& where) {
    try {
      chunks_[c] = std::vector<T>(chunkLength(c));
    } catch (const std::bad_alloc&) {
      RUNTIMEERROR(ERR_OUTOFMEMORY, where);
    }
  }

  static const T& emptyValue() {
    static const T empty{};
    return empty;
  }

  std::vector<std::vector<T>> chunks_;  // an empty chunk has no storage yet
  long lo_ = 0;
  long hi_ = -1;
};

// A two-index table with inclusive bounds on both indices.
template <class T>
class Tank2 {
 public:
  Tank2() = default;
  Tank2(long rlo, long rhi, long clo, long chi) { resize(rlo, rhi, clo, chi); }

  void resize(long rlo, long rhi, long clo, long chi,
              const std::source_location& where = std::source_location::current()) {
    rlo_ = rlo; rhi_ = rhi; clo_ = clo; chi_ = chi;
    items_.resize(rlo, rlo + (rhi - rlo + 1) * (chi - clo + 1) - 1, where);
  }

  T& operator()(long r, long c, const std::source_location& where = std::source_location::current()) {
    if (r < rlo_ || r > rhi_ || c < clo_ || c > chi_) RUNTIMEERROR(ERR_OUTOFBOUNDS, where);
    return items_(rlo_ + (r - rlo_) * (chi_ - clo_ + 1) + (c - clo_), where);
  }
  const T& operator()(long r, long c, const std::source_location& where = std::source_location::current()) const {
    if (r < rlo_ || r > rhi_ || c < clo_ || c > chi_) RUNTIMEERROR(ERR_OUTOFBOUNDS, where);
    return items_(rlo_ + (r - rlo_) * (chi_ - clo_ + 1) + (c - clo_), where);
  }

 private:
  Tank<T> items_;
  long rlo_ = 0, rhi_ = -1, clo_ = 0, chi_ = -1;
};

// A group of the block tables: at most 31 single-byte characters; a longer
// text is cut on assignment. The empty text marks a free slot.
class Text31 {
 public:
  static constexpr size_t capacity = 31;

  Text31() = default;
  Text31(std::string_view s) { assign(s); }
  Text31& operator=(std::string_view s) { assign(s); return *this; }
  Text31& operator=(const std::string& s) { assign(s); return *this; }
  Text31& operator=(const char* s) { assign(std::string_view(s)); return *this; }

  std::string_view view() const { return std::string_view(chars_.data(), size_); }
  std::string str() const { return std::string(view()); }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  void clear() { size_ = 0; chars_[0] = 0; }

  friend bool operator==(const Text31& a, const Text31& b) { return a.view() == b.view(); }
  friend bool operator==(const Text31& a, std::string_view b) { return a.view() == b; }

 private:
  void assign(std::string_view s) {
    size_ = static_cast<uint8_t>(s.size() < capacity ? s.size() : capacity);
    for (size_t i = 0; i < size_; ++i) chars_[i] = s[i];
    chars_[size_] = 0;
  }
  std::array<char, capacity + 1> chars_{};
  uint8_t size_ = 0;
};
