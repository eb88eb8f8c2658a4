#include "state/symbolsstate.hpp"
#include "symbols/symbols.hpp"

void INSTALLDEFAULTSYMBOLSMAP() {
  const std::string list = "_etaonisrdhlcmfupgywbvkjqxz1234567890*";
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    SYMB.SYMBOLSTANK(r) = list[static_cast<size_t>(r - 1)];
    SYMB.REFERENCESYMBOLSTANK(r) = list[static_cast<size_t>(r - 1)];
    for (int c = 1; c <= MAPCOLUMNS; ++c) SYMB.SYMBOLSMAPTANK(r, c) = r;
  }
  SYMB.SYMBMAPDFILENAME.clear();
}

void INSTALLDEFAULTPHANTOMS() {
  const std::string digraphs = "__enreerntthoninteanorstedneveesndtoseck";
  const std::string trigraphs = "theingandionentfortioereherate";
  const char* longer[] = {"tion", "even", "ra", "enty", "_chaos_", " e = 2.718...", "_mathematical_",
                          "_Wendmark_"};
  for (int r = 1; r <= SYMBOLROWS; ++r) SYMB.PHANTOMNGRAPHSSTATUSTANK(r) = 0;
  for (int k = 1; k <= 20; ++k) SYMB.PHANTOMNGRAPHSTANK(k) = digraphs.substr(static_cast<size_t>(2 * (k - 1)), 2);
  for (int k = 1; k <= 10; ++k)
    SYMB.PHANTOMNGRAPHSTANK(20 + k) = trigraphs.substr(static_cast<size_t>(3 * (k - 1)), 3);
  for (int k = 0; k < 8; ++k) SYMB.PHANTOMNGRAPHSTANK(31 + k) = longer[k];
  SYMB.PHANTOMSSETDFILENAME.clear();
}
