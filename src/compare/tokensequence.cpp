// Types, characters and neighbours of a token sequence, found in one pass.
#include "compare/tokensequence.hpp"

#include <limits>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

#include "compare/utf8text.hpp"
#include "compare/yardsticks.hpp"

namespace {

// Numbers characters in order of first appearance, the blank first.
class Alphabet {
 public:
  explicit Alphabet(Characters characters)
      : numbers_(characters == Characters::Bytes ? 256 : 0x110000, UNSEEN), utf8_(characters == Characters::Utf8) {
    numberOf(U' ');
  }
  uint32_t numberOf(char32_t c) {
    if (c >= numbers_.size()) c = 0xFFFD;  // not expected: a decoder gives code points only
    uint32_t& n = numbers_[c];
    if (n == UNSEEN) n = size_++;
    return n;
  }
  void addToken(const std::string& token, std::vector<uint32_t>& chars) {
    if (!utf8_) {
      for (char c : token) chars.push_back(numberOf(static_cast<unsigned char>(c)));
      return;
    }
    for (char32_t c : codePointsOf(token)) chars.push_back(numberOf(c));
  }
  uint32_t size() const { return size_; }

 private:
  static constexpr uint32_t UNSEEN = std::numeric_limits<uint32_t>::max();
  std::vector<uint32_t> numbers_;
  uint32_t size_ = 0;
  bool utf8_;
};

Neighbours neighboursOf(const std::string& a, const std::string& b) {
  if (a == b) return Neighbours::Same;
  return oneEditApart(a, b) ? Neighbours::OneEditApart : Neighbours::Far;
}

}  // namespace

TokenSequence tokenSequence(std::vector<std::string> tokens, Characters characters) {
  TokenSequence s;
  const size_t n = tokens.size();
  s.typeOf.reserve(n);
  s.starts.reserve(n + 1);
  s.starts.push_back(0);
  if (n > 0) s.neighbours.reserve(n - 1);
  size_t bytes = 0;
  for (const std::string& t : tokens) bytes += t.size();
  s.chars.reserve(bytes);  // a character has one byte at least
  Alphabet alphabet(characters);
  std::vector<size_t> firstOfType;
  {
    std::unordered_map<std::string_view, uint32_t> index;
    index.reserve(n);
    for (size_t i = 0; i < n; ++i) {
      auto [it, fresh] = index.try_emplace(tokens[i], static_cast<uint32_t>(firstOfType.size()));
      if (fresh) firstOfType.push_back(i);
      s.typeOf.push_back(it->second);
      alphabet.addToken(tokens[i], s.chars);
      if (s.chars.size() >= std::numeric_limits<uint32_t>::max())
        throw std::length_error("more than 4294967294 characters");
      s.starts.push_back(s.chars.size());
      if (i > 0) s.neighbours.push_back(neighboursOf(tokens[i - 1], tokens[i]));
    }
  }
  s.types.reserve(firstOfType.size());
  for (size_t first : firstOfType) s.types.push_back(std::move(tokens[first]));
  s.alphabet = alphabet.size();
  return s;
}
