#include "blockgen/generationsetup.hpp"

#include "blockgen/blocksetup.hpp"
#include "chaosrun/chaosfunction.hpp"
#include "state/blockgenstate.hpp"
#include "state/symbolsstate.hpp"

void applySetup(const GenSetup& s) {
  GEN.LOBLOKSIZE = s.loBlock;
  GEN.HIBLOKSIZE = s.hiBlock;
  GEN.XHIBLOKSIZE = tankSlotsFor(s.hiBlock, GEN.BLOKEXPANSIONFACTOR);
  for (int size = 1; size <= MAXGROUPSIZE; ++size) GEN.ACTIVEGROUPSIZESTANK(size) = 0;
  for (int size : s.activeSizes) GEN.ACTIVEGROUPSIZESTANK(size) = 1;
  FINDACTIVELOANDHIGROUPSIZES();
  GEN.LOAVGGROUPSIZE = s.loAvg;
  GEN.HIAVGGROUPSIZE = s.hiAvg;
  GEN.K1 = s.k1; GEN.X1 = s.x1;
  GEN.K2 = s.k2; GEN.X2 = s.x2;
  GEN.K3 = s.k3; GEN.X3 = s.x3;
  GEN.OKTOMAKEGROUPSFLAG1 = GEN.OKTOMAKEGROUPSFLAG2 = GEN.OKTOMAKEGROUPSFLAG3 = GEN.OKTOMAKEGROUPSFLAG4 = 1;
}

namespace {

uint32_t nextRandom(uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return state >> 8;
}

double unitInterval(uint32_t& state) { return (nextRandom(state) % 999983 + 1) / 1000000.0; }

uint64_t stepBudgetEnd = 0;
bool budgetSpent() { return MAPSTEPCOUNT > stepBudgetEnd; }

}  // namespace

GenSetup setupFromSeed(uint32_t seed, bool narrowAverage) {
  uint32_t r = seed * 2654435761u + 12345u;
  GenSetup s;
  s.loBlock = 2 + static_cast<int32_t>(nextRandom(r) % 150);
  s.hiBlock = s.loBlock + 2 + static_cast<int32_t>(nextRandom(r) % 60);
  s.activeSizes.clear();
  int first = 1 + static_cast<int>(nextRandom(r) % 8);
  int count = 2 + static_cast<int>(nextRandom(r) % 6);
  for (int size = first; size < first + count; ++size)
    if (size == first || size == first + count - 1 || nextRandom(r) % 3 != 0) s.activeSizes.push_back(size);
  float lo = static_cast<float>(s.activeSizes.front());
  float hi = static_cast<float>(s.activeSizes.back());
  if (narrowAverage) {
    float mid = lo + (hi - lo) * static_cast<float>(unitInterval(r));
    s.loAvg = mid - 0.3f < lo ? lo : mid - 0.3f;
    if (s.loAvg < 1.001f) s.loAvg = 1.001f;
    s.hiAvg = mid + 0.3f > hi ? hi : mid + 0.3f;
  } else {
    s.loAvg = lo < 1.001f ? 1.001f : lo;
    s.hiAvg = hi;
  }
  // Near 4 the map has no periodic window that would trap a function in a
  // few values (a set-up that can never finish).
  s.k1 = 3.999 + 0.001 * unitInterval(r);
  s.k2 = 3.999 + 0.001 * unitInterval(r);
  s.k3 = 3.999 + 0.001 * unitInterval(r);
  s.x1 = unitInterval(r);
  s.x2 = unitInterval(r);
  s.x3 = unitInterval(r);
  return s;
}

void cancelAfterSteps(uint64_t steps) {
  stepBudgetEnd = MAPSTEPCOUNT + steps;
  GEN.CANCELHOOK = budgetSpent;
}

TankRescan rescanTank() {
  TankRescan r;
  for (int32_t s = 1; s <= GEN.XHIBLOKSIZE; ++s) {
    int32_t length = static_cast<int32_t>(GEN.GROUPSBLOKTANK(s).size());
    if (length == 0) continue;
    r.groups += 1;
    r.characters += length;
    r.perSize[length] += 1;
  }
  return r;
}

std::string expandReference(const std::string& reference) {
  std::string group;
  for (char ref : reference) {
    int row = 1;
    while (row <= SYMBOLROWS && SYMB.REFERENCESYMBOLSTANK(row) != ref) ++row;
    if (row > SYMBOLROWS) return "<no row for reference " + std::string(1, ref) + ">";
    if (SYMB.PHANTOMNGRAPHSSTATUSTANK(row) != 0) group += SYMB.PHANTOMNGRAPHSTANK(row);
    else if (SYMB.SYMBOLSTANK(row) != 0) group += SYMB.SYMBOLSTANK(row);
  }
  return group;
}
