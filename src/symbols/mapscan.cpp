#include "symbols/mapscan.hpp"

#include "state/symbolsstate.hpp"

namespace {

bool matches(int row, int col, int32_t v) {
  SYMB.MAPROW = static_cast<int16_t>(row);
  SYMB.MAPCOL = static_cast<int16_t>(col);
  return SYMB.SYMBOLSMAPTANK(row, col) == v;
}

void resumeAfter(int row, int col, bool rowPriority) {
  if (rowPriority) {
    if (++col > MAPCOLUMNS) {
      col = 1;
      if (++row > SYMBOLROWS) row = 1;
    }
  } else {
    if (++row > SYMBOLROWS) {
      row = 1;
      if (++col > MAPCOLUMNS) col = 1;
    }
  }
  SYMB.RESUMEMAPROWSTART = static_cast<int16_t>(row);
  SYMB.RESUMEMAPCOLSTART = static_cast<int16_t>(col);
}

}  // namespace

void RESETMAPSCANRESUMEPOINT() {
  SYMB.RESUMEMAPROWSTART = 1;
  SYMB.RESUMEMAPCOLSTART = 1;
}

int MAPSCAN(int32_t v) {
  if (SYMB.MAPSCANRESUMEPOINT == "B") {
    SYMB.MAPROWSTART = 1;
    SYMB.MAPCOLSTART = 1;
  } else {
    SYMB.MAPROWSTART = SYMB.RESUMEMAPROWSTART;
    SYMB.MAPCOLSTART = SYMB.RESUMEMAPCOLSTART;
  }
  bool rowPriority = SYMB.MAPSCANDIRECTION == "R";
  int firstRow = SYMB.MAPROWSTART, firstCol = SYMB.MAPCOLSTART;
  if (rowPriority) {
    for (int row = firstRow; row <= SYMBOLROWS; ++row)
      for (int col = firstCol; col <= MAPCOLUMNS; ++col)
        if (matches(row, col, v)) {
          resumeAfter(row, col, true);
          return row;
        }
  } else {
    for (int col = firstCol; col <= MAPCOLUMNS; ++col)
      for (int row = firstRow; row <= SYMBOLROWS; ++row)
        if (matches(row, col, v)) {
          resumeAfter(row, col, false);
          return row;
        }
  }
  RESETMAPSCANRESUMEPOINT();
  return 0;
}

void TOGLMAPSCANDIRECTION() { SYMB.MAPSCANDIRECTION = SYMB.MAPSCANDIRECTION == "C" ? "R" : "C"; }

void TOGLMAPSCANRESUMEPOINT() { SYMB.MAPSCANRESUMEPOINT = SYMB.MAPSCANRESUMEPOINT == "B" ? "L" : "B"; }
