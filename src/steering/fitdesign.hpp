#pragma once
// The starting point of a fit, designed from the target's tokens alone:
//
// - Units. Every byte (or UTF-8 character) of the tokens is a candidate; rows left over
//   after the commonest bytes take n-graphs, chosen one at a time as the
//   adjacent pair of units that occurs most often when every token is cut
//   into the current units (longest unit first), up to 30 bytes.
// - Shares. Each unit's share is how often it occurs in that cutting.
// - Map. For each W tried, GCF4 (K1, X1) is run and every integer it draws
//   is counted; the integers, commonest first, go to the row whose share is
//   furthest below its target, at most 5 a row, and an integer that would
//   overshoot every row is left out of the map. The W whose map comes
//   closest to the shares (total variation) is kept.
// - Sizes. The lengths of the groups follow from the sizes, the average
//   range, K2, X2, K3 and X3 alone. For every highest size and every K2 of
//   3.6, 3.602, .., 4, GCF2 is run, its long sizes thinned by the one factor
//   that brings their mean to the target's (as the block's trimming does),
//   and sizes deactivated while that brings them closer to the target's
//   lengths (total variation). The closest choices are then generated as
//   blocks and compared on the length measures of the target's windows, and
//   the best one varied in K3, X3 and the average range.
#include <cstdint>
#include <string>
#include <vector>

#include "steering/fitsetup.hpp"

struct FitDesign {
  FitSetup setup;
  // Further units the search may put in a row: the next n-graphs of the
  // pairing, then the commonest whole tokens of 2 to 30 bytes.
  std::vector<std::string> pool;
  std::array<double, FIT_ROWS> shares{};  // each row's share in the target's cut tokens
  // The design with 8, 16, 24, 30 and 38 of its rows holding the commonest whole
  // tokens instead, the others the commonest bytes (shares and map made in
  // the same way, except that a word row's share counts the tokens that are
  // that word, and the other tokens are cut into the characters' rows alone):
  // a generator whose groups repeat as words do.
  std::vector<FitSetup> variants;
  std::vector<std::array<double, FIT_ROWS>> variantShares;  // the shares of each variant's rows
};

// `blockLo`..`blockHi`: the block size range of every evaluation, whose
// width is the comparison's window. With `codePoints` the tokens are UTF-8
// and a character of more than one byte is a unit of its own (an active
// phantom), never cut. A block made for the sizes that has not completed
// within `maxSteps` map steps (0: 2000 per group of the largest block) is
// the worst.
FitDesign designFromTarget(const std::vector<std::string>& tokens, int32_t blockLo, int32_t blockHi,
                           bool codePoints = false, uint64_t maxSteps = 0);

// The measures of the lengths of the groups, which the sizes are designed
// for (see lengthsOf).
const std::vector<std::string>& lengthMeasures();

// Draw counts of GCF4 for integers 1..highest (index 0 unused): `draws`
// accepted draws from the seed X with parameter K, as a block generation
// makes them.
std::vector<uint64_t> mapIntegerCounts(double k, double x, int32_t highest, uint64_t draws);

// The tokens cut into units, longest unit first at each place (a byte that
// no unit starts with is skipped); the number of times each unit occurs.
std::vector<uint64_t> unitCounts(const std::vector<std::string>& units, const std::vector<std::string>& tokens);

// The map of a set-up made again for these row shares: GCF4 is run with the
// set-up's K1, X1 and W (`draws` draws) and the integers assigned to rows.
void remapIntegers(FitSetup& s, const std::array<double, FIT_ROWS>& shares, uint64_t draws);

// Integers assigned to rows (at most 5 a row) so that each row's share of the
// counted draws comes close to its target share; map[r] lists row r's integers.
std::vector<std::vector<int32_t>> assignIntegers(const std::vector<uint64_t>& counts,
                                                 const std::array<double, FIT_ROWS>& shares);
