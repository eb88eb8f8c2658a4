#pragma once
// Tokens made ready to be measured: each token's characters and its type
// are found once for the whole input, so that any run of its tokens (a
// window) is measured without looking at the text again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a character is: a byte, or a code point of UTF-8 text.
enum class Characters { Bytes, Utf8 };

// How two neighbouring tokens stand to each other.
enum class Neighbours : uint8_t { Far, Same, OneEditApart };

struct TokenSequence {
  std::vector<std::string> types;      // the distinct tokens in order of first appearance
  std::vector<uint32_t> typeOf;        // the type of each token
  std::vector<uint32_t> chars;         // the characters of every token, one token after another
  std::vector<size_t> starts;          // token i's characters: chars[starts[i] .. starts[i + 1])
  std::vector<Neighbours> neighbours;  // tokens i and i + 1
  // Characters are numbered 0 .. alphabet - 1 in order of first appearance;
  // the blank that joins tokens in the byte stream is 0.
  uint32_t alphabet = 1;

  size_t size() const { return typeOf.size(); }
  size_t length(size_t i) const { return starts[i + 1] - starts[i]; }
};

// The sequence of the tokens, whose characters are bytes or (for tokens
// of valid UTF-8) code points. Throws std::length_error for 2^32 characters
// or more.
TokenSequence tokenSequence(std::vector<std::string> tokens, Characters characters = Characters::Bytes);
