// The design of a fit's starting point from the target's tokens.
#include "steering/fitdesign.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <unordered_map>

#include "blockgen/generatorchaos.hpp"
#include "chaosrun/chaosfunction.hpp"
#include "state/blockgenstate.hpp"

namespace {

constexpr double LEASTSIZESHARE = 0.002;
constexpr double AVERAGEMARGIN = 0.15;
constexpr uint64_t MAPDRAWS = 60000;
constexpr uint64_t SIZEDRAWS = 10000;
constexpr size_t POOLSIZE = 100;
constexpr int MOSTSYMBOLROWS = 30;  // at least 8 rows are left for n-graphs
constexpr std::array<int32_t, 8> TRIEDHIGHEST{38, 57, 76, 114, 152, 190, 266, 380};

// The default chaos parameters of a design: K2 is chosen among 3.6..4.
constexpr double K1 = 3.99, X1 = 0.3, X2 = 0.4, K3 = 3.99, X3 = 0.6;

using TypeCounts = std::vector<std::pair<std::string, uint64_t>>;

TypeCounts typeCounts(const std::vector<std::string>& tokens) {
  std::unordered_map<std::string, uint64_t> counts;
  for (const std::string& t : tokens) ++counts[t];
  TypeCounts types(counts.begin(), counts.end());
  std::sort(types.begin(), types.end());
  return types;
}

// Units by their first byte, longest first, for the cutting.
class UnitIndex {
 public:
  explicit UnitIndex(const std::vector<std::string>& units) {
    for (size_t i = 0; i < units.size(); ++i)
      if (!units[i].empty()) byFirst_[static_cast<unsigned char>(units[i][0])].push_back(i);
    for (auto& list : byFirst_)
      std::stable_sort(list.begin(), list.end(), [&](size_t a, size_t b) { return units[a].size() > units[b].size(); });
  }
  // Calls `found(unit)` for each unit of the cut token.
  template <class Found>
  void cut(const std::string& token, const std::vector<std::string>& units, Found found) const {
    size_t at = 0;
    while (at < token.size()) {
      size_t taken = 1;
      for (size_t u : byFirst_[static_cast<unsigned char>(token[at])])
        if (token.compare(at, units[u].size(), units[u]) == 0) {
          found(u);
          taken = units[u].size();
          break;
        }
      at += taken;
    }
  }

 private:
  std::array<std::vector<size_t>, 256> byFirst_;
};

// The commonest pair of adjacent units not yet a unit, at most 30 bytes;
// empty when there is none.
std::string commonestPair(const std::vector<std::string>& units, const TypeCounts& types) {
  UnitIndex index(units);
  std::map<std::string, uint64_t> pairs;
  std::vector<size_t> cut;
  for (const auto& [token, count] : types) {
    cut.clear();
    index.cut(token, units, [&](size_t u) { cut.push_back(u); });
    for (size_t i = 0; i + 1 < cut.size(); ++i)
      if (units[cut[i]].size() + units[cut[i + 1]].size() <= FIT_LONGESTUNIT)
        pairs[units[cut[i]] + units[cut[i + 1]]] += count;
  }
  std::string best;
  uint64_t bestCount = 0;
  for (const auto& [pair, count] : pairs)
    if (count > bestCount && std::find(units.begin(), units.end(), pair) == units.end()) {
      best = pair;
      bestCount = count;
    }
  return best;
}

// The characters of the tokens, commonest first (ties: the smaller one): bytes,
// or with `codePoints` the UTF-8 sequences of code points (a lead byte and the
// continuation bytes after it).
std::vector<std::string> commonestCharacters(const TypeCounts& types, bool codePoints) {
  std::map<std::string, uint64_t> counts;
  for (const auto& [token, count] : types)
    for (size_t at = 0; at < token.size();) {
      size_t end = at + 1;
      if (codePoints && static_cast<unsigned char>(token[at]) >= 0xC0)
        while (end < token.size() && (static_cast<unsigned char>(token[end]) & 0xC0) == 0x80) ++end;
      counts[token.substr(at, end - at)] += count;
      at = end;
    }
  for (const char* unusable : {"\0", "\r", "\n"}) counts.erase(std::string(unusable, 1));
  std::vector<std::pair<std::string, uint64_t>> ordered(counts.begin(), counts.end());
  std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  std::vector<std::string> units;
  for (const auto& [character, count] : ordered) units.push_back(character);
  return units;
}

// The commonest tokens of 2..30 bytes (ties: the smaller token).
std::vector<std::string> commonestWords(const TypeCounts& types, size_t count) {
  TypeCounts words;
  for (const auto& t : types)
    if (t.first.size() >= 2 && t.first.size() <= FIT_LONGESTUNIT) words.push_back(t);
  std::stable_sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  std::vector<std::string> commonest;
  for (size_t i = 0; i < words.size() && i < count; ++i) commonest.push_back(words[i].first);
  return commonest;
}

bool spentStepBudget() { return MAPSTEPCOUNT > GEN.stepBudgetEnd; }

// Accepted draws of one generator chaos function counted by integer.
template <class Draw>
std::vector<uint64_t> drawCounts(Draw draw, const int32_t& drawn, int32_t highest, uint64_t draws) {
  std::vector<uint64_t> counts(static_cast<size_t>(highest) + 1, 0);
  // A seed that never gives an integer stops after about 50 steps a draw.
  GEN.stepBudgetEnd = MAPSTEPCOUNT + draws * 50;
  GEN.CANCELHOOK = spentStepBudget;
  for (uint64_t i = 0; i < draws && draw(); ++i) ++counts[static_cast<size_t>(drawn)];
  GEN.CANCELHOOK = nullptr;
  return counts;
}

double totalVariation(const std::vector<double>& a, const std::vector<double>& b) {
  double sum = 0;
  for (size_t i = 0; i < a.size(); ++i) sum += std::fabs(a[i] - b[i]);
  return sum / 2;
}

std::vector<double> normalized(std::vector<double> v) {
  double sum = std::accumulate(v.begin(), v.end(), 0.0);
  if (sum > 0)
    for (double& x : v) x /= sum;
  return v;
}

// How far the rows' shares of the counted draws lie from the target shares.
double mapError(const std::vector<std::vector<int32_t>>& rows, const std::vector<uint64_t>& counts,
                const std::array<double, FIT_ROWS>& shares) {
  std::vector<double> reached(FIT_ROWS, 0), wanted(shares.begin(), shares.end());
  for (size_t r = 0; r < rows.size(); ++r)
    for (int32_t v : rows[r]) reached[r] += static_cast<double>(counts[static_cast<size_t>(v)]);
  return totalVariation(normalized(reached), wanted);
}

std::array<double, FIT_ROWS> sharesOfUnits(const FitSetup& s, const TypeCounts& types, bool wholeOnly = false);

void designUnits(FitDesign& d, const TypeCounts& types, bool codePoints) {
  std::vector<std::string> units = commonestCharacters(types, codePoints);
  if (units.size() > MOSTSYMBOLROWS) units.resize(MOSTSYMBOLROWS);
  while (units.size() < FIT_ROWS + POOLSIZE) {
    std::string pair = commonestPair(units, types);
    if (pair.empty()) break;
    units.push_back(pair);
  }
  for (size_t r = 0; r < static_cast<size_t>(FIT_ROWS); ++r) d.setup.units[r] = r < units.size() ? units[r] : units[0];
  d.pool.assign(units.begin() + std::min<std::ptrdiff_t>(FIT_ROWS, static_cast<std::ptrdiff_t>(units.size())), units.end());
  for (const std::string& word : commonestWords(types, POOLSIZE))
    if (std::find(units.begin(), units.end(), word) == units.end()) d.pool.push_back(word);

  d.shares = sharesOfUnits(d.setup, types);
}

// One character: a byte, or a UTF-8 lead byte and its continuation bytes.
bool isOneCharacter(const std::string& unit) {
  if (unit.size() == 1) return true;
  if (unit.empty() || static_cast<unsigned char>(unit[0]) < 0xC0) return false;
  return std::all_of(unit.begin() + 1, unit.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
}

// Each row's share when the tokens are cut into the rows' units; a row that
// repeats an earlier unit is never cut, its share stays 0. A token that is a
// row's unit counts for that row. With `wholeOnly` the other tokens are cut
// into the rows of single characters alone, so that a word row is drawn as
// often as the word stands alone, not as often as it occurs inside others.
std::array<double, FIT_ROWS> sharesOfUnits(const FitSetup& s, const TypeCounts& types, bool wholeOnly) {
  std::vector<std::string> rows(s.units.begin(), s.units.end()), characters;
  std::vector<uint64_t> counts(FIT_ROWS, 0);
  std::vector<size_t> characterRows;
  for (size_t r = 0; r < rows.size(); ++r)
    if (isOneCharacter(rows[r])) {
      characters.push_back(rows[r]);
      characterRows.push_back(r);
    }
  UnitIndex index(rows), characterIndex(characters);
  for (const auto& [token, count] : types) {
    auto whole = std::find(rows.begin(), rows.end(), token);
    if (whole != rows.end()) counts[static_cast<size_t>(whole - rows.begin())] += count;
    else if (wholeOnly) characterIndex.cut(token, characters, [&](size_t u) { counts[characterRows[u]] += count; });
    else index.cut(token, rows, [&](size_t u) { counts[u] += count; });
  }
  double total = static_cast<double>(std::accumulate(counts.begin(), counts.end(), uint64_t{0}));
  std::array<double, FIT_ROWS> shares{};
  for (size_t r = 0; r < static_cast<size_t>(FIT_ROWS); ++r) shares[r] = total > 0 ? static_cast<double>(counts[r]) / total : 0;
  return shares;
}

// GCF4's counted draws for each W tried, with the design's K1 and X1.
using CountsByHighest = std::map<int32_t, std::vector<uint64_t>>;

CountsByHighest countsByHighest(const FitSetup& s) {
  CountsByHighest counts;
  for (int32_t highest : TRIEDHIGHEST) counts[highest] = mapIntegerCounts(s.k[0], s.x[0], highest, MAPDRAWS);
  return counts;
}

void designMap(FitSetup& s, const std::array<double, FIT_ROWS>& shares, const CountsByHighest& countsOf) {
  double bestError = 2;
  for (int32_t highest : TRIEDHIGHEST) {
    const std::vector<uint64_t>& counts = countsOf.at(highest);
    std::vector<std::vector<int32_t>> rows = assignIntegers(counts, shares);
    double error = mapError(rows, counts, shares);
    if (error >= bestError) continue;
    bestError = error;
    s.highestInteger = highest;
    for (size_t r = 0; r < static_cast<size_t>(FIT_ROWS); ++r)
      for (size_t c = 0; c < static_cast<size_t>(FIT_COLUMNS); ++c) s.map[r][c] = c < rows[r].size() ? rows[r][c] : 0;
  }
}

// The design with its first `words` rows holding the commonest whole tokens
// and the others the commonest bytes.
FitSetup wordVariant(FitDesign& d, const TypeCounts& types, size_t words, const CountsByHighest& counts,
                     bool codePoints) {
  FitSetup s = d.setup;
  std::vector<std::string> units = commonestWords(types, words);
  for (const std::string& b : commonestCharacters(types, codePoints))
    if (units.size() < static_cast<size_t>(FIT_ROWS)) units.push_back(b);
  for (size_t r = 0; r < static_cast<size_t>(FIT_ROWS); ++r) s.units[r] = r < units.size() ? units[r] : units[0];
  d.variantShares.push_back(sharesOfUnits(s, types, true));
  designMap(s, d.variantShares.back(), counts);
  return s;
}

// Shares of the lengths 1..31 among the tokens (index 0 unused).
std::vector<double> lengthShares(const TypeCounts& types) {
  std::vector<double> shares(FIT_LARGESTSIZE + 1, 0);
  for (const auto& [token, count] : types)
    if (!token.empty() && token.size() <= static_cast<size_t>(FIT_LARGESTSIZE)) shares[token.size()] += static_cast<double>(count);
  return normalized(shares);
}

// GCF2's draws of sizes 1..highest, counted (index 0 unused).
std::vector<uint64_t> drawnSizeCounts(double k, double x, int highest) {
  GEN.K2 = k;
  GEN.X2 = x;
  GEN.HIGROUPSIZE = static_cast<int16_t>(highest);
  INIT_GCF1_GCF2_GCF3();
  return drawCounts(CHAOSFUNCTIONGCF2, GEN.IG2, GEN.HIGROUPSIZE, SIZEDRAWS);
}

// How far the sizes drawn with only `sizes` active lie from the target's lengths.
double sizesError(const std::vector<uint64_t>& counts, uint32_t sizes, const std::vector<double>& wanted) {
  std::vector<double> drawn(wanted.size(), 0);
  for (size_t s = 1; s < counts.size() && s < drawn.size(); ++s)
    if ((sizes >> s & 1u) != 0) drawn[s] = static_cast<double>(counts[s]);
  return totalVariation(normalized(drawn), wanted);
}

// From `sizes`, the size whose deactivation brings the draws closest to the
// target is deactivated, as long as that helps and two sizes stay.
uint32_t prunedSizes(const std::vector<uint64_t>& counts, uint32_t sizes, const std::vector<double>& wanted,
                     double& error) {
  error = sizesError(counts, sizes, wanted);
  for (;;) {
    uint32_t best = sizes;
    for (int s = 1; s <= FIT_LARGESTSIZE && sizeCount(sizes) > 2; ++s) {
      if ((sizes >> s & 1u) == 0) continue;
      double e = sizesError(counts, sizes & ~(1u << s), wanted);
      if (e < error) {
        error = e;
        best = sizes & ~(1u << s);
      }
    }
    if (best == sizes) return sizes;
    sizes = best;
  }
}

void designSizes(FitDesign& d, const TypeCounts& types) {
  std::vector<double> shares = lengthShares(types);
  double mean = 0;
  uint32_t candidates = 0;
  for (size_t s = 1; s < shares.size(); ++s) {
    mean += static_cast<double>(s) * shares[s];
    if (shares[s] >= LEASTSIZESHARE) candidates |= 1u << s;
  }
  if (sizeCount(candidates) < 2) candidates |= 1u << (highestSize(candidates) + 1);
  double bestError = 2;
  for (int step = 0; step <= 20; ++step) {
    double k = 3.6 + 0.02 * step, error = 0;
    uint32_t sizes = prunedSizes(drawnSizeCounts(k, d.setup.x[1], highestSize(candidates)), candidates, shares, error);
    if (error < bestError) {
      bestError = error;
      d.setup.k[1] = k;
      d.setup.sizes = sizes;
    }
  }
  d.setup.averageLo = mean - AVERAGEMARGIN;
  d.setup.averageHi = mean + AVERAGEMARGIN;
}

}  // namespace

std::vector<uint64_t> mapIntegerCounts(double k, double x, int32_t highest, uint64_t draws) {
  GEN.K1 = k;
  GEN.X1 = x;
  GEN.HIGHESTOKMAPINTEGER = highest;
  INIT_GCF1_GCF2_GCF3();
  INIT_GCF4();
  return drawCounts(CHAOSFUNCTIONGCF4, GEN.IG4, highest, draws);
}

std::vector<uint64_t> unitCounts(const std::vector<std::string>& units, const std::vector<std::string>& tokens) {
  std::vector<uint64_t> counts(units.size(), 0);
  UnitIndex index(units);
  for (const std::string& t : tokens) index.cut(t, units, [&](size_t u) { ++counts[u]; });
  return counts;
}

void remapIntegers(FitSetup& s, const std::array<double, FIT_ROWS>& shares, uint64_t draws) {
  std::vector<std::vector<int32_t>> rows = assignIntegers(mapIntegerCounts(s.k[0], s.x[0], s.highestInteger, draws), shares);
  for (size_t r = 0; r < static_cast<size_t>(FIT_ROWS); ++r)
    for (size_t c = 0; c < static_cast<size_t>(FIT_COLUMNS); ++c) s.map[r][c] = c < rows[r].size() ? rows[r][c] : 0;
}

std::vector<std::vector<int32_t>> assignIntegers(const std::vector<uint64_t>& counts,
                                                 const std::array<double, FIT_ROWS>& shares) {
  std::vector<int32_t> integers;
  for (size_t v = 1; v < counts.size(); ++v)
    if (counts[v] > 0) integers.push_back(static_cast<int32_t>(v));
  std::stable_sort(integers.begin(), integers.end(),
                   [&](int32_t a, int32_t b) { return counts[static_cast<size_t>(a)] > counts[static_cast<size_t>(b)]; });
  double total = static_cast<double>(std::accumulate(counts.begin(), counts.end(), uint64_t{0}));
  std::vector<std::vector<int32_t>> rows(FIT_ROWS);
  std::vector<double> reached(FIT_ROWS, 0);
  for (int32_t v : integers) {
    double count = static_cast<double>(counts[static_cast<size_t>(v)]);
    int best = -1;
    double bestDeficit = count / 2;  // an integer that would overshoot every row stays out
    for (int r = 0; r < FIT_ROWS; ++r) {
      double deficit = shares[static_cast<size_t>(r)] * total - reached[static_cast<size_t>(r)];
      if (rows[static_cast<size_t>(r)].size() < static_cast<size_t>(FIT_COLUMNS) && deficit >= bestDeficit &&
          (best < 0 || deficit > bestDeficit)) {
        best = r;
        bestDeficit = deficit;
      }
    }
    if (best < 0) continue;
    rows[static_cast<size_t>(best)].push_back(v);
    reached[static_cast<size_t>(best)] += count;
  }
  return rows;
}

FitDesign designFromTarget(const std::vector<std::string>& tokens, int32_t blockLo, int32_t blockHi,
                           bool codePoints) {
  FitDesign d;
  d.setup.blockLo = blockLo;
  d.setup.blockHi = blockHi;
  d.setup.k = {K1, 3.99, K3};
  d.setup.x = {X1, X2, X3};
  TypeCounts types = typeCounts(tokens);
  designUnits(d, types, codePoints);
  designSizes(d, types);
  makeValid(d.setup);
  const CountsByHighest counts = countsByHighest(d.setup);
  designMap(d.setup, d.shares, counts);
  for (size_t words : {8, 16, 24, 30, 38}) d.variants.push_back(wordVariant(d, types, words, counts, codePoints));
  return d;
}
