#pragma once
// The search of a fit: a (mu/2 + lambda) evolution strategy with
// self-adaptive mutation strength (each set-up carries its own strength,
// mutated log-normally before it mutates the set-up) and discrete
// recombination of two parents for half the offspring, for a mixed problem of
// numbers (K, X, the average range) and choices (sizes, units, map
// integers, W, scan controls). It asks for a generation at a time and is told
// the distances, so it never depends on how or where they are computed;
// every random draw comes from one seeded 64-bit Mersenne Twister, in the
// order of the proposals.
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "steering/fitdesign.hpp"

struct SearchSettings {
  uint64_t budget = 500;  // evaluations, the design's included
  uint64_t seed = 1;
  size_t parents = 3;     // mu
  size_t offspring = 10;  // lambda: the size of a generation after the first
};

class FitSearch {
 public:
  FitSearch(const FitDesign& design, const SearchSettings& settings);

  // The set-ups of the next generation: the design alone first, then its
  // variants and offspring of the design, then offspring of the best so far, never more than the budget leaves; empty
  // when the budget is spent. Every call must be followed by tell().
  std::vector<FitSetup> propose();
  // The distances of the set-ups of the last proposal, in their order
  // (infinity for a set-up that failed: the worst), and when known the part
  // of each that the lengths of the groups make (the sum of the squared z of
  // the length measures): the set-up with the smallest part gives its
  // lengths to some offspring of other parents.
  void tell(const std::vector<double>& distances, const std::vector<double>& lengths = {});

  // The generation of the last proposal (0: the design).
  size_t generation() const { return generation_; }
  uint64_t evaluations() const { return evaluations_; }
  // The best set-up told so far (the design before anything was told) and its
  // distance (infinity before anything was told).
  const FitSetup& best() const { return parents_.empty() ? design_.setup : parents_.front().setup; }
  double bestDistance() const;

 private:
  struct Member {
    FitSetup setup;
    double strength = 0;
    double distance = 0;
    std::array<double, FIT_ROWS> shares{};  // the rows' shares its map was last made for
    double lengths = std::numeric_limits<double>::infinity();  // the lengths' part of its distance
  };
  Member mutated(const Member& parent, double strength, bool mayChangeLengths);
  Member recombined(const Member& a, const Member& b);
  bool known(const FitSetup& s) const;  // evaluated or in the proposal being made
  double uniform();   // in [0, 1)
  double gaussian();  // nearly standard normal, the same bits on every machine
  size_t below(size_t n);  // in 0..n-1

  FitDesign design_;
  SearchSettings settings_;
  std::mt19937_64 random_;
  std::vector<Member> parents_, proposed_;
  std::vector<FitSetup> told_;  // every set-up evaluated
  Member closestLengths_;  // the set-up told with the smallest lengths' part
  size_t generation_ = 0;
  uint64_t evaluations_ = 0;
  bool started_ = false;
};
