// A fit's set-up as a block set-up file and as the symbols tables.
#include "steering/fitsetup.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

#include "state/symbolsstate.hpp"

namespace {

// The shortest text of a value on a grid of 1e-6 (or 1e-3).
std::string decimalText(double v, int decimals) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  std::string text = buf;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

double onGrid(double v, double step) { return std::round(v / step) * step; }

double validSeed(double x) {
  x = std::clamp(onGrid(x, 1e-6), 1e-6, 1 - 1e-6);
  if (x == 0.25 || x == 0.5 || x == 0.75) x += 1e-6;
  return x;
}

bool validUnitByte(char c) { return c != '\0' && c != '\r' && c != '\n'; }

}  // namespace

int lowestSize(uint32_t sizes) { return sizes == 0 ? 0 : std::countr_zero(sizes); }
int highestSize(uint32_t sizes) { return sizes == 0 ? 0 : 31 - std::countl_zero(sizes); }
int sizeCount(uint32_t sizes) { return std::popcount(sizes); }

void makeValid(FitSetup& s) {
  for (int i = 0; i < 3; ++i) {
    s.k[i] = std::clamp(onGrid(s.k[i], 1e-6), 3.6, 4.0);
    s.x[i] = validSeed(s.x[i]);
  }
  s.sizes &= ((1u << FIT_LARGESTSIZE) - 1) << 1;  // bits 1..31
  for (int size = 1; sizeCount(s.sizes) < 2; ++size) s.sizes |= 1u << size;
  double lo = std::max(1.001, static_cast<double>(lowestSize(s.sizes)));
  double hi = std::min(30.5, static_cast<double>(highestSize(s.sizes)));
  s.averageLo = std::clamp(onGrid(s.averageLo, 1e-3), lo, hi);
  s.averageHi = std::clamp(onGrid(s.averageHi, 1e-3), s.averageLo, hi);
  s.highestInteger = std::clamp(s.highestInteger, 2, 32000);
  for (auto& row : s.map)
    for (int32_t& v : row) v = std::clamp(v, 0, 32000);
  for (std::string& unit : s.units) {
    unit.erase(std::remove_if(unit.begin(), unit.end(), [](char c) { return !validUnitByte(c); }), unit.end());
    if (unit.size() > FIT_LONGESTUNIT) unit.resize(FIT_LONGESTUNIT);
    if (unit.empty()) unit = "?";
  }
  if (s.direction != 'R') s.direction = 'C';
  if (s.resume != 'L') s.resume = 'B';
}

std::string fitSizesText(const FitSetup& s) {
  std::string text = "B = " + std::to_string(s.blockLo) + "," + std::to_string(s.blockHi) + "\n";
  for (int size = 1; size <= FIT_LARGESTSIZE; ++size) {
    if ((s.sizes >> size & 1u) == 0 || (s.sizes >> (size - 1) & 1u) != 0) continue;
    int last = size;
    while (last < FIT_LARGESTSIZE && (s.sizes >> (last + 1) & 1u) != 0) ++last;
    text += "G = " + std::to_string(size) + "," + std::to_string(last) + ",1\n";
  }
  text += "V = " + decimalText(s.averageLo, 3) + "," + decimalText(s.averageHi, 3) + "\n";
  for (int i = 0; i < 3; ++i)
    text += "X" + std::to_string(i + 1) + " = " + decimalText(s.k[i], 6) + "," + decimalText(s.x[i], 6) + "\n";
  return text;
}

std::string fitSetupText(const FitSetup& s, const std::string& mapFile, const std::string& phantomsFile) {
  std::string text = fitSizesText(s);
  text += "W = " + std::to_string(s.highestInteger) + "\n";
  if (!mapFile.empty()) text += "MAP = " + mapFile + "\n";
  if (!phantomsFile.empty()) text += "PHNTM = " + phantomsFile + "\n";
  text += std::string("SCAN = ") + s.direction + "," + s.resume + "\n";
  return text;
}

void installUnits(const FitSetup& s) {
  for (int r = 1; r <= FIT_ROWS; ++r) {
    const std::string& unit = s.units[static_cast<size_t>(r - 1)];
    SYMB.SYMBOLSTANK(r) = unit.empty() ? '\0' : unit[0];
    SYMB.PHANTOMNGRAPHSTANK(r) = unit.size() > 1 ? unit : std::string();
    SYMB.PHANTOMNGRAPHSSTATUSTANK(r) = unit.size() > 1 ? 1 : 0;
    for (int c = 1; c <= FIT_COLUMNS; ++c)
      SYMB.SYMBOLSMAPTANK(r, c) = s.map[static_cast<size_t>(r - 1)][static_cast<size_t>(c - 1)];
  }
}
