#pragma once
// Symbols list, symbols map, phantoms, the map-scan controls and the run's
// symbols sequence.
#include <cstdint>
#include <string>

#include "state/tank.hpp"

constexpr int SYMBOLROWS = 38;
constexpr int MAPCOLUMNS = 5;

struct SymbolsState {
  Tank<char> SYMBOLSTANK{0, SYMBOLROWS};             // a symbol per row; character 0 is NUL
  Tank<char> REFERENCESYMBOLSTANK{0, SYMBOLROWS};    // the default list, as installed
  Tank2<int32_t> SYMBOLSMAPTANK{1, SYMBOLROWS, 1, MAPCOLUMNS};
  Tank<std::string> PHANTOMNGRAPHSTANK{0, SYMBOLROWS};
  Tank<int32_t> PHANTOMNGRAPHSSTATUSTANK{0, SYMBOLROWS};
  std::string SYMBMAPDFILENAME;
  std::string PHANTOMSSETDFILENAME;

  // Work variables of the symbols-and-map editor and the phantoms editor.
  std::string MAPFILENAMEPREFIX, PHANTOMFILENAMEPREFIX;
  int16_t V1S = 0, V2S = 0;
  int32_t MAP1L = 0, MAP2L = 0, MAP3L = 0, MAP4L = 0, MAP5L = 0;
  uint8_t PHANTOMSTATUS = 0;
  std::string EDITTEXT;  // the symbol or phantom typed at an editor prompt
  int32_t I0 = 0;        // row number read back from a file (not used)

  std::string MAPSCANDIRECTION;   // "C" column after column, "R" row after row
  std::string MAPSCANRESUMEPOINT; // "B" from the beginning, "L" from where the last search ended
  int16_t MAPROW = 0, MAPCOL = 0, MAPROWSTART = 0, MAPCOLSTART = 0;
  int16_t RESUMEMAPROWSTART = 1, RESUMEMAPCOLSTART = 1;

  Tank<char> SYMBOLSSEQUENCETANK;
  int32_t SAVERUNMAKESYMBSSEQFLAG = 0;  // 1: compute only, print nothing
};

extern SymbolsState SYMB;
