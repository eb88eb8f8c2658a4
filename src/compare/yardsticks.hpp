#pragma once
// The yardsticks of a sequence of tokens (words, groups): counts, lengths,
// entropies of the byte stream, the rank-frequency slope, repetitions of
// neighbours; and the distance of a trial's yardsticks to a target's.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct Yardsticks {
  size_t tokens = 0, types = 0;
  double ttr = 0, hapax = 0, len_mean = 0, len_sd = 0, h0 = 0, h1 = 0, h2 = 0,
         zipf = 0, rep = 0, near = 0;
  std::vector<double> len_dist;  // len_dist[k - 1]: share of tokens of length k, k = 1..max
  std::vector<std::pair<std::string, size_t>> top;  // 10 most frequent types, ties by first appearance
  std::vector<size_t> frequencies;  // the count of every type, in descending order (rank 1 first)
};

Yardsticks measureTokens(const std::vector<std::string>& tokens);

// The measures of one number each, in the order they are shown:
// ttr hapax len_mean len_sd h0 h1 h2 zipf rep near
struct ScalarMeasure {
  const char* name;
  double Yardsticks::*member;
};
const std::vector<ScalarMeasure>& scalarMeasures();

// The measures that may enter the distance, in this fixed order:
// ttr hapax len_mean len_sd h1 h2 zipf rep near len_dist
const std::vector<std::string>& distanceMeasureNames();

struct DistanceTerm {
  std::string measure;
  double value;
};

// Terms for the chosen measures (names from the list above), in the fixed
// order. A scalar's term is |trial - target| / max(|target|, 0.01); the
// term of len_dist is the total variation distance of the two length
// distributions. An unknown name throws std::invalid_argument.
std::vector<DistanceTerm> distanceTerms(const Yardsticks& trial, const Yardsticks& target,
                                        const std::vector<std::string>& measures);

// The sum of the terms.
double distanceOf(const std::vector<DistanceTerm>& terms);

// True when a and b are at Levenshtein distance exactly 1: one byte
// inserted, deleted or replaced. Linear in the pair's length.
bool oneEditApart(const std::string& a, const std::string& b);

// The measures named in a list separated by commas, in the fixed order of
// distanceMeasureNames(); an unknown name throws std::invalid_argument
// ("unknown measure 'NAME'").
std::vector<std::string> measuresOfList(const std::string& list);
