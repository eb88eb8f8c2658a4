#pragma once
// A set-up of the fit: everything the search may change, as values, and the
// way it becomes a block set-up file, its symbols-map and phantoms files, and
// the program's tables.
//
// Each of the 38 rows holds one unit: a single character is the row's symbol
// (phantom inactive); a longer unit (2..30 bytes) is the row's active phantom,
// with its first character as the symbol.
#include <array>
#include <cstdint>
#include <string>
#include <tuple>

inline constexpr int FIT_ROWS = 38;
inline constexpr int FIT_COLUMNS = 5;
inline constexpr size_t FIT_LONGESTUNIT = 30;
inline constexpr int FIT_LARGESTSIZE = 31;

struct FitSetup {
  int32_t blockLo = 0, blockHi = 0;  // block size range
  uint32_t sizes = 0;                // bit s set: groups of s characters activated (s = 1..31)
  double averageLo = 0, averageHi = 0;
  std::array<double, 3> k{}, x{};  // K1..K3, X1..X3
  int32_t highestInteger = 38;     // W
  char direction = 'C', resume = 'B';
  std::array<std::string, FIT_ROWS> units;
  std::array<std::array<int32_t, FIT_COLUMNS>, FIT_ROWS> map{};  // 0: empty cell

  bool operator==(const FitSetup&) const = default;
};

// What decides the lengths of the groups and their order in the block,
// whatever the units, map, scan controls and K1: the activated sizes, the
// average range, K2, X2, K3 and X3 (and the block size range, the same for
// every set-up of a fit). Compared and assigned as a whole.
inline auto lengthsOf(FitSetup& s) { return std::tie(s.sizes, s.averageLo, s.averageHi, s.k[1], s.x[1], s.k[2], s.x[2]); }
inline auto lengthsOf(const FitSetup& s) {
  return std::tie(s.sizes, s.averageLo, s.averageHi, s.k[1], s.x[1], s.k[2], s.x[2]);
}

int lowestSize(uint32_t sizes);
int highestSize(uint32_t sizes);
int sizeCount(uint32_t sizes);

// Brings every value into the range the block menu and the editors accept:
// K in 3.6..4 and X in 0..1 on a grid of 1e-6 (never 0, 1, 0.25, 0.5 or
// 0.75), at least two sizes, the average range inside the active sizes and
// 1.001..30.5 on a grid of 0.001, W in 2..32000, map integers in 0..32000,
// units of 1..30 bytes without NUL, CR or LF.
void makeValid(FitSetup& s);

// The set-up file's lines of the block size range, sizes, average range and
// chaos parameters: a set-up of the program's start symbols, without map,
// whose groups have the lengths of the whole set-up's.
std::string fitSizesText(const FitSetup& s);
// The set-up file text; MAP and PHNTM lines name the two files when the
// names are not empty.
std::string fitSetupText(const FitSetup& s, const std::string& mapFile, const std::string& phantomsFile);

// Puts the rows' symbols, map integers, phantoms and statuses into the
// program's tables, as loading the set-up's two files does (the reference
// symbols stay).
void installUnits(const FitSetup& s);
