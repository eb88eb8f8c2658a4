// The evolution strategy of the fit.
#include "steering/fitsearch.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double FIRSTSTRENGTH = 0.3, LEASTSTRENGTH = 0.02, MOSTSTRENGTH = 1.0;
constexpr double LEARNINGRATE = 0.3;  // tau of the log-normal self-adaptation
constexpr uint64_t REMAPDRAWS = 20000;
constexpr double RECOMBINATION = 0.5;  // the share of offspring of two parents
// The share of mutations that change the lengths of the groups (see
// lengthsOf): most offspring keep their parent's, so that a change of units
// is judged on the same lengths.
constexpr double LENGTHSMUTATION = 0.3;
constexpr double LENGTHSTRANSFER = 0.2;  // the share of offspring given the closest lengths
constexpr int MUTATIONRETRIES = 8;       // new mutations of a child that repeats a set-up

// e^x from + - * / alone, which every machine rounds alike (the C
// library's exp may differ in its last bit between systems): the [2/2] Pade
// form of e^(x/16), squared four times: within 1e-6 of e^x for |x| <= 2 and
// 2e-4 for |x| <= 6, more than a mutation step needs.
double portableExp(double x) {
  double y = x / 16, y2 = y * y;
  double e = (12 + 6 * y + y2) / (12 - 6 * y + y2);
  for (int i = 0; i < 4; ++i) e *= e;
  return e;
}

// A value reflected into lo..hi.
double reflected(double v, double lo, double hi) {
  for (int i = 0; i < 4 && (v < lo || v > hi); ++i) v = v < lo ? 2 * lo - v : 2 * hi - v;
  return std::clamp(v, lo, hi);
}

}  // namespace

FitSearch::FitSearch(const FitDesign& design, const SearchSettings& settings)
    : design_(design), settings_(settings), random_(settings.seed) {}

double FitSearch::uniform() { return static_cast<double>(random_() >> 11) * 0x1.0p-53; }

// Nearly normal: the sum of twelve uniform draws less 6 (mean 0, variance 1,
// within -6..6), computed without the C library's logarithm and cosine, so
// that the proposals are the same bits on every machine.
double FitSearch::gaussian() {
  double sum = 0;
  for (int i = 0; i < 12; ++i) sum += uniform();
  return sum - 6;
}

size_t FitSearch::below(size_t n) { return n <= 1 ? 0 : static_cast<size_t>(uniform() * static_cast<double>(n)); }

bool FitSearch::known(const FitSetup& s) const {
  return std::find(told_.begin(), told_.end(), s) != told_.end() ||
         std::any_of(proposed_.begin(), proposed_.end(), [&](const Member& m) { return m.setup == s; });
}

double FitSearch::bestDistance() const {
  return parents_.empty() ? std::numeric_limits<double>::infinity() : parents_.front().distance;
}

std::vector<FitSetup> FitSearch::propose() {
  proposed_.clear();
  if (evaluations_ >= settings_.budget) return {};
  if (!started_) {
    started_ = true;
    generation_ = 0;
    proposed_.push_back(Member{design_.setup, FIRSTSTRENGTH, 0, design_.shares});
  } else {
    ++generation_;
    uint64_t count = std::min<uint64_t>(settings_.offspring, settings_.budget - evaluations_);
    for (uint64_t i = 0; i < count; ++i) {
      if (generation_ == 1 && i < design_.variants.size()) {  // the design's variants start the search
        proposed_.push_back(Member{design_.variants[i], FIRSTSTRENGTH, 0, design_.variantShares.at(i)});
        continue;
      }
      Member parent = parents_[below(parents_.size())];
      if (parents_.size() > 1 && uniform() < RECOMBINATION) parent = recombined(parent, parents_[below(parents_.size())]);
      // The closest lengths told so far, given to the offspring of another parent.
      bool transfer = uniform() < LENGTHSTRANSFER && std::isfinite(closestLengths_.lengths) &&
                      lengthsOf(parent.setup) != lengthsOf(closestLengths_.setup);
      if (transfer) lengthsOf(parent.setup) = lengthsOf(closestLengths_.setup);
      double strength =
          std::clamp(parent.strength * portableExp(LEARNINGRATE * gaussian()), LEASTSTRENGTH, MOSTSTRENGTH);
      // A set-up already evaluated or proposed is mutated again (a few times
      // at most), since its block would be the same.
      Member child = mutated(parent, strength, !transfer);
      for (int again = 0; again < MUTATIONRETRIES && known(child.setup); ++again)
        child = mutated(parent, strength, !transfer);
      proposed_.push_back(child);
    }
  }
  std::vector<FitSetup> setups;
  for (const Member& m : proposed_) setups.push_back(m.setup);
  return setups;
}

void FitSearch::tell(const std::vector<double>& distances, const std::vector<double>& lengths) {
  for (size_t i = 0; i < proposed_.size() && i < distances.size(); ++i) {
    double d = distances[i];
    proposed_[i].distance = std::isnan(d) ? std::numeric_limits<double>::infinity() : d;
    if (i < lengths.size() && lengths[i] < closestLengths_.lengths) {
      closestLengths_ = proposed_[i];
      closestLengths_.lengths = lengths[i];
    }
  }
  evaluations_ += proposed_.size();
  for (const Member& m : proposed_) told_.push_back(m.setup);
  // Plus selection: the parents stay unless offspring do better; among equal
  // distances the earlier member wins.
  parents_.insert(parents_.end(), proposed_.begin(), proposed_.end());
  std::stable_sort(parents_.begin(), parents_.end(),
                   [](const Member& a, const Member& b) { return a.distance < b.distance; });
  if (parents_.size() > settings_.parents) parents_.resize(settings_.parents);
  proposed_.clear();
}

// Discrete recombination: each row (its unit, map integers and share), K1 and
// X1, and the lengths (below) from one parent or the other; W and the scan
// controls from the first. The strength is their mean.
FitSearch::Member FitSearch::recombined(const Member& a, const Member& b) {
  Member child = a;
  for (size_t r = 0; r < static_cast<size_t>(FIT_ROWS); ++r)
    if (uniform() < 0.5) {
      child.setup.units[r] = b.setup.units[r];
      child.setup.map[r] = b.setup.map[r];
      child.shares[r] = b.shares[r];
    }
  if (uniform() < 0.5) {
    child.setup.k[0] = b.setup.k[0];
    child.setup.x[0] = b.setup.x[0];
  }
  if (uniform() < 0.5) lengthsOf(child.setup) = lengthsOf(b.setup);
  child.strength = (a.strength + b.strength) / 2;
  return child;
}

FitSearch::Member FitSearch::mutated(const Member& parent, double strength, bool mayChangeLengths) {
  Member child{parent.setup, strength, 0, parent.shares};
  FitSetup& s = child.setup;
  const bool lengths = uniform() < LENGTHSMUTATION && mayChangeLengths;
  for (size_t i = 0; i < (lengths ? 3u : 1u); ++i) {
    if (uniform() < 0.5) s.k[i] = reflected(s.k[i] + strength * 0.1 * gaussian(), 3.6, 4.0);
    if (uniform() < 0.3) s.x[i] = reflected(s.x[i] + strength * 0.3 * gaussian(), 1e-6, 1 - 1e-6);
  }
  if (lengths && uniform() < 0.4) {
    double shift = strength * 0.5 * gaussian(), widen = strength * 0.2 * gaussian();
    s.averageLo += shift - widen;
    s.averageHi += shift + widen;
  }
  if (lengths && uniform() < strength) {
    int lo = std::max(1, lowestSize(s.sizes) - 1), hi = std::min(FIT_LARGESTSIZE, highestSize(s.sizes) + 1);
    s.sizes ^= 1u << (lo + static_cast<int>(below(static_cast<size_t>(hi - lo + 1))));
  }
  if (uniform() < 0.2)
    s.highestInteger = static_cast<int32_t>(std::lround(s.highestInteger * portableExp(strength * 0.3 * gaussian())));
  bool reshared = uniform() < 0.3;
  if (reshared) {  // a few rows drawn more or less often
    for (size_t n = 1 + below(3); n > 0; --n) child.shares[below(FIT_ROWS)] *= portableExp(strength * gaussian());
    double sum = 0;
    for (double share : child.shares) sum += share;
    for (double& share : child.shares) share /= sum > 0 ? sum : 1;
  }
  // A new K1, X1 or W draws each integer as often as it draws, so the map is
  // made again for the rows' shares; otherwise a few cells change.
  if (reshared || s.k[0] != parent.setup.k[0] || s.x[0] != parent.setup.x[0] ||
      s.highestInteger != parent.setup.highestInteger) {
    makeValid(s);
    remapIntegers(s, child.shares, REMAPDRAWS);
  }
  size_t moves = reshared ? 0 : 1 + below(1 + static_cast<size_t>(strength * 8));
  for (size_t m = 0; m < moves; ++m) {
    auto& row = s.map[below(FIT_ROWS)];
    int32_t& cell = row[below(FIT_COLUMNS)];
    double kind = uniform();
    if (kind < 0.4) {  // an integer moves to a cell of another row, or two cells trade theirs
      std::swap(cell, s.map[below(FIT_ROWS)][below(FIT_COLUMNS)]);
    } else if (kind < 0.7) {  // a new integer
      cell = 1 + static_cast<int32_t>(below(static_cast<size_t>(std::max(1, s.highestInteger))));
    } else {
      cell = 0;
    }
  }
  if (uniform() < 0.3 * strength + 0.05) {
    std::string& unit = s.units[below(FIT_ROWS)];
    if (!design_.pool.empty() && uniform() < 0.7) unit = design_.pool[below(design_.pool.size())];
    else unit = design_.setup.units[below(FIT_ROWS)];
  }
  if (uniform() < 0.2) {  // two rows trade their units, and their shares with them
    size_t a = below(FIT_ROWS), b = below(FIT_ROWS);
    std::swap(s.units[a], s.units[b]);
    std::swap(child.shares[a], child.shares[b]);
  }
  if (uniform() < 0.05) s.direction = s.direction == 'C' ? 'R' : 'C';
  if (uniform() < 0.05) s.resume = s.resume == 'B' ? 'L' : 'B';
  makeValid(s);
  return child;
}
