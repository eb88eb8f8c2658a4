#include "blockanalysis/reports.hpp"
#include "state/symbolsstate.hpp"

int referenceNumber(char symbol) {
  for (int k = 1; k <= SYMBOLROWS; ++k)
    if (SYMB.REFERENCESYMBOLSTANK(k) == symbol) return k;
  return SYMBOLROWS + 1;
}
