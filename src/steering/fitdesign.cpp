// The design of a fit's starting point from the target's tokens.
#include "steering/fitdesign.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <limits>
#include <numeric>
#include <optional>
#include <unordered_map>

#include "blockgen/generatorchaos.hpp"
#include "chaosrun/chaosfunction.hpp"
#include "compare/windows.hpp"
#include "setups/setupfile.hpp"
#include "state/blockgenstate.hpp"

namespace {

constexpr double LEASTSIZESHARE = 0.002;
constexpr double AVERAGEMARGIN = 0.15;
constexpr uint64_t MAPDRAWS = 60000;
constexpr uint64_t SIZEDRAWS = 2000;
constexpr int SIZESTEPS = 200;    // K2 of 3.6, 3.602, .., 4
constexpr int SIZESPAST = 4;      // highest sizes tried past the longest candidate
constexpr size_t SIMULATEDCHOICES = 64;  // size choices whose blocks are made and compared
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

// The commonest token of one character; empty when there is none.
std::string commonestOneCharacterToken(const TypeCounts& types) {
  std::string commonest;
  uint64_t most = 0;
  for (const auto& [token, count] : types)
    if (count > most && isOneCharacter(token)) {
      commonest = token;
      most = count;
    }
  return commonest;
}

// The design with its first `words` rows holding the commonest whole tokens
// and the others the commonest bytes. With groups of one character
// activated, one row at least holds a character (the commonest token of one
// character first), or such groups could never be made.
FitSetup wordVariant(FitDesign& d, const TypeCounts& types, size_t words, const CountsByHighest& counts,
                     bool codePoints) {
  FitSetup s = d.setup;
  const bool oneCharacterGroups = (s.sizes & 2u) != 0;
  std::vector<std::string> units = commonestWords(types, std::min(words, FIT_ROWS - size_t{oneCharacterGroups}));
  std::vector<std::string> characters = commonestCharacters(types, codePoints);
  if (const std::string single = commonestOneCharacterToken(types); oneCharacterGroups && !single.empty())
    characters.insert(characters.begin(), single);
  for (const std::string& c : characters)
    if (units.size() < static_cast<size_t>(FIT_ROWS) && std::find(units.begin(), units.end(), c) == units.end())
      units.push_back(c);
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

// The shares of the sizes drawn with only `sizes` active (index 0 unused).
std::vector<double> activeShares(const std::vector<uint64_t>& counts, uint32_t sizes, size_t length) {
  std::vector<double> drawn(length, 0);
  for (size_t s = 1; s < counts.size() && s < drawn.size(); ++s)
    if ((sizes >> s & 1u) != 0) drawn[s] = static_cast<double>(counts[s]);
  return normalized(drawn);
}

double meanSize(const std::vector<double>& shares) {
  double mean = 0;
  for (size_t s = 1; s < shares.size(); ++s) mean += static_cast<double>(s) * shares[s];
  return mean;
}

// The sizes of a finished block as its trimming leaves them, roughly: while
// the average is too large, the block frees the groups at least as long as
// the average and draws new ones, so the long sizes thin out by one factor
// until the mean is reached (the short ones when it is too small). Empty
// when no factor reaches it.
std::vector<double> trimmedShares(std::vector<double> drawn, double mean) {
  const bool tooLong = meanSize(drawn) > mean;
  auto thinned = [&](size_t s) { return tooLong ? static_cast<double>(s) >= mean : static_cast<double>(s) <= mean; };
  double keptShare = 0, keptSum = 0, thinnedShare = 0, thinnedSum = 0;
  for (size_t s = 1; s < drawn.size(); ++s) {
    (thinned(s) ? thinnedShare : keptShare) += drawn[s];
    (thinned(s) ? thinnedSum : keptSum) += static_cast<double>(s) * drawn[s];
  }
  const double factor = (mean * keptShare - keptSum) / (thinnedSum - mean * thinnedShare);
  if (!(factor > 0 && factor <= 1) || keptShare <= 0) return {};
  for (size_t s = 1; s < drawn.size(); ++s)
    if (thinned(s)) drawn[s] *= factor;
  return normalized(drawn);
}

// How far the sizes drawn with only `sizes` active, once trimmed to the
// target's mean, lie from the target's lengths (total variation).
double sizesError(const std::vector<uint64_t>& counts, uint32_t sizes, const std::vector<double>& wanted) {
  std::vector<double> trimmed = trimmedShares(activeShares(counts, sizes, wanted.size()), meanSize(wanted));
  return trimmed.empty() ? 1 : totalVariation(trimmed, wanted);
}

// From `sizes`, the size whose deactivation brings the draws closest to the
// target is deactivated, as long as that helps and two sizes stay; the
// highest size stays, since GCF2 scales its draws to it.
uint32_t prunedSizes(const std::vector<uint64_t>& counts, uint32_t sizes, const std::vector<double>& wanted,
                     double& error) {
  error = sizesError(counts, sizes, wanted);
  const int highest = highestSize(sizes);
  for (;;) {
    uint32_t best = sizes;
    for (int s = 1; s < highest && sizeCount(sizes) > 2; ++s) {
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

struct SizeChoice {
  double error = 0, k2 = 0;
  uint32_t sizes = 0;
};

// The size choices whose GCF2 draws, trimmed, come closest to the target's
// lengths, best first: every highest size from above the shortest candidate
// length to a few past the longest, every K2 of the grid.
std::vector<SizeChoice> closestSizeChoices(const std::vector<double>& shares, double x2, size_t count) {
  uint32_t candidates = 0;
  for (size_t s = 1; s < shares.size(); ++s)
    if (shares[s] >= LEASTSIZESHARE) candidates |= 1u << s;
  if (sizeCount(candidates) < 2) candidates |= 1u << (highestSize(candidates) + 1);
  // The block's trimming can only bring the mean down to the target's from a highest size above it.
  const int first = std::max({2, lowestSize(candidates) + 1, static_cast<int>(meanSize(shares)) + 1});
  const int last = std::min(FIT_LARGESTSIZE, highestSize(candidates) + SIZESPAST);
  std::vector<SizeChoice> choices;
  for (int highest = first; highest <= last; ++highest) {
    const uint32_t allowed = (candidates & ((2u << highest) - 1)) | (1u << highest);
    if (sizeCount(allowed) < 2) continue;
    for (int step = 0; step <= SIZESTEPS; ++step) {
      SizeChoice c;
      c.k2 = 3.6 + 0.4 * step / SIZESTEPS;
      c.sizes = prunedSizes(drawnSizeCounts(c.k2, x2, highest), allowed, shares, c.error);
      choices.push_back(c);
    }
  }
  // No two choices are alike: the highest size stays active, and one K2 gives one choice for each.
  std::stable_sort(choices.begin(), choices.end(), [](const SizeChoice& a, const SizeChoice& b) { return a.error < b.error; });
  if (choices.size() > count) choices.resize(count);
  return choices;
}

// The lengths of the groups of the block of a set-up's sizes, average range
// and chaos parameters, as comparison tokens. They do not depend on the
// units: GCF2 and GCF3 alone decide the sizes and the slots, so the block is
// made with the program's start symbols, without map. Empty when it does not
// complete within `maxSteps`.
std::vector<std::string> blockLengths(const FitSetup& s, uint64_t maxSteps) {
  applySetup(parseSetupText(fitSizesText(s), "design"));
  if (!generateHeadless(maxSteps).complete) return {};
  std::vector<std::string> lengths;
  for (const std::string& group : finishedBlockGroups()) lengths.emplace_back(group.size(), 'a');
  return lengths;
}

// The root mean square of the z of the length measures of a set-up's block
// (infinity for a block that does not complete or is shorter than a window).
double lengthsDistance(const FitSetup& s, const WindowedTarget& lengths, uint64_t maxSteps) {
  std::vector<std::string> tokens = blockLengths(s, maxSteps);
  if (tokens.size() < lengths.window()) return std::numeric_limits<double>::infinity();
  return lengths.compare(tokenSequence(std::move(tokens))).dist;
}

// Sizes, K2 and the average range: the closest size choices by their trimmed
// draws, then each one's block made and its lengths compared with the
// target's windows; the closest of those, then its slot function and
// average range varied in the same way.
void designSizes(FitDesign& d, const TypeCounts& types, const WindowedTarget* lengths, uint64_t maxSteps) {
  std::vector<double> shares = lengthShares(types);
  const double mean = meanSize(shares);
  d.setup.averageLo = mean - AVERAGEMARGIN;
  d.setup.averageHi = mean + AVERAGEMARGIN;
  std::vector<SizeChoice> choices = closestSizeChoices(shares, d.setup.x[1], lengths ? SIMULATEDCHOICES : 1);
  if (choices.empty()) return;
  d.setup.k[1] = choices[0].k2;
  d.setup.sizes = choices[0].sizes;
  if (lengths == nullptr) return;
  std::vector<FitSetup> tried;
  for (const SizeChoice& c : choices) {
    FitSetup s = d.setup;
    s.k[1] = c.k2;
    s.sizes = c.sizes;
    makeValid(s);
    tried.push_back(s);
  }
  double best = std::numeric_limits<double>::infinity();
  auto keepClosest = [&](const std::vector<FitSetup>& setups) {
    for (const FitSetup& s : setups) {
      double distance = lengthsDistance(s, *lengths, maxSteps);
      if (distance < best) {
        best = distance;
        d.setup = s;
      }
    }
  };
  keepClosest(tried);
  tried.clear();
  for (double k3 : {3.995, 3.999, 4.0})
    for (double x3 : {0.3, 0.6, 0.7}) {
      FitSetup s = d.setup;
      s.k[2] = k3;
      s.x[2] = x3;
      tried.push_back(s);
    }
  for (double margin : {0.05, 0.3}) {
    FitSetup s = d.setup;
    s.averageLo = mean - margin;
    s.averageHi = mean + margin;
    makeValid(s);
    tried.push_back(s);
  }
  keepClosest(tried);
}

}  // namespace

const std::vector<std::string>& lengthMeasures() {
  static const std::vector<std::string> measures{"len_mean", "len_sd", "len_ac", "len_dist"};
  return measures;
}

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
                           bool codePoints, uint64_t maxSteps) {
  FitDesign d;
  d.setup.blockLo = blockLo;
  d.setup.blockHi = blockHi;
  d.setup.k = {K1, 3.99, K3};
  d.setup.x = {X1, X2, X3};
  TypeCounts types = typeCounts(tokens);
  designUnits(d, types, codePoints);
  // The comparison's window is the block size range's width.
  const size_t window = static_cast<size_t>(blockHi - blockLo + 1);
  std::optional<WindowedTarget> lengths;
  if (window >= LEAST_WINDOW && tokens.size() / window >= 2)
    lengths.emplace(tokenSequence(tokens, codePoints ? Characters::Utf8 : Characters::Bytes), window,
                    lengthMeasures());
  designSizes(d, types, lengths ? &*lengths : nullptr, maxSteps > 0 ? maxSteps : 2000 * static_cast<uint64_t>(blockHi));
  makeValid(d.setup);
  const CountsByHighest counts = countsByHighest(d.setup);
  designMap(d.setup, d.shares, counts);
  for (size_t words : {8, 16, 24, 30, 38}) d.variants.push_back(wordVariant(d, types, words, counts, codePoints));
  return d;
}
