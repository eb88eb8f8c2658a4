#pragma once
// The yardsticks of a sequence of tokens (words, groups): counts, lengths,
// entropies of the character stream, the rank-frequency slope, repetitions
// of neighbours and of characters, where characters stand in tokens.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "compare/gramcounter.hpp"
#include "compare/tokensequence.hpp"

// Token lengths 1 .. LENGTH_COLUMNS have a share of their own; the longer
// tokens share one class.
inline constexpr size_t LENGTH_COLUMNS = 31;

struct Yardsticks {
  size_t tokens = 0, types = 0;
  double ttr = 0, hapax = 0, len_mean = 0, len_sd = 0, h0 = 0, h1 = 0, h2 = 0, h3 = 0, zipf = 0, rep = 0, near = 0,
         len_ac = 0, rep3 = 0, chr_rep = 0, chr_rep3 = 0, pos_bias = 0;
  // len_dist[k - 1]: the share of tokens of length k, k = 1 .. the longest
  // (at most LENGTH_COLUMNS); len_longer: the share of longer tokens.
  std::vector<double> len_dist;
  double len_longer = 0;
  std::vector<std::pair<std::string, size_t>> top;  // 10 most frequent types, ties by first appearance
  std::vector<size_t> frequencies;  // the count of every type, in descending order (rank 1 first)
};

// The yardsticks of tokens whose characters are bytes.
Yardsticks measureTokens(const std::vector<std::string>& tokens);
// The yardsticks of a whole sequence.
Yardsticks measureSequence(const TokenSequence& s);

// Measures runs of tokens of one sequence (its windows), each in time
// linear in the run's length, reusing its counters from run to run.
class RunMeasurer {
 public:
  explicit RunMeasurer(const TokenSequence& s);
  // The yardsticks of tokens from .. to - 1 as if they were the whole input;
  // `top` and `frequencies` only when withTop.
  Yardsticks measure(size_t from, size_t to, bool withTop);

 private:
  void measureTypes(size_t from, size_t to, bool withTop, Yardsticks& y);
  void measureLengths(size_t from, size_t to, Yardsticks& y) const;
  void measureStream(size_t from, size_t to, Yardsticks& y);
  void measureNeighbours(size_t from, size_t to, Yardsticks& y) const;
  void measureInsideTokens(size_t from, size_t to, Yardsticks& y);

  const TokenSequence& s_;
  std::vector<uint32_t> typeCounts_;  // by type, for the run measured
  std::vector<uint32_t> typesSeen_;   // the run's types in order of first appearance
  GramCounter singles_, pairs_, triples_, places_, placedCharacters_;
};

// The shares of the 32 length classes (lengths 1 .. 31, longer) of the
// tokens from .. to - 1, and those of a set of yardsticks.
std::vector<double> lengthClassesOf(const TokenSequence& s, size_t from, size_t to);
std::vector<double> lengthClasses(const Yardsticks& y);
// Half the sum of the absolute differences of two distributions' shares
// (the shorter one taken as 0 beyond its end).
double totalVariation(const std::vector<double>& a, const std::vector<double>& b);

// The measures of one number each, in the order they are shown:
// ttr hapax len_mean len_sd h0 h1 h2 h3 zipf rep near len_ac rep3 chr_rep
// chr_rep3 pos_bias
struct ScalarMeasure {
  const char* name;
  double Yardsticks::*member;
};
const std::vector<ScalarMeasure>& scalarMeasures();

// The measures that a comparison may use, in this fixed order: every
// scalar but h0, then len_dist.
const std::vector<std::string>& comparisonMeasureNames();

// True when a and b are at Levenshtein distance exactly 1: one byte
// inserted, deleted or replaced. Linear in the pair's length.
bool oneEditApart(const std::string& a, const std::string& b);

// The measures named in a list separated by commas, in the fixed order of
// comparisonMeasureNames(); an unknown name throws std::invalid_argument
// ("unknown measure 'NAME'").
std::vector<std::string> measuresOfList(const std::string& list);
