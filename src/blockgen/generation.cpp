// The generation of a block, group by group.
#include "blockgen/generation.hpp"

#include "blockanalysis/blockanalysis.hpp"
#include "blockgen/drawsahead.hpp"
#include "blockgen/generatorchaos.hpp"
#include "blockgen/groupsbloktank.hpp"
#include "state/blockgenstate.hpp"
#include "state/symbolsstate.hpp"
#include "symbols/mapscan.hpp"

namespace {

// A free slot for the next group.
bool drawFreeSlot() {
  do {
    if (!GENERATEBLOKVECTOR()) return false;
  } while (!GEN.GROUPSBLOKTANK(GEN.BLOKVECTOR).empty());
  return true;
}

// An activated size for the next group.
bool drawActiveSize() {
  do {
    if (!GENERATEPROTOGROUPSIZE()) return false;
  } while (GEN.ACTIVEGROUPSIZESTANK(GEN.PROTOGROUPSIZE) == 0);
  return true;
}

// The list row of the next symbol, through the symbols map when it is in use
// (a map integer that is not found is replaced by another).
bool drawSymbolRow() {
  if (GEN.USESYMBOLSMAPFLAG != "Y") return GENERATESYMBOLSVECTOR();
  do {
    if (!GENERATESYMBOLSMAPINTEGER()) return false;
    GENERATESYMBOLSVECTORFROMSYMBOLSMAPINTEGER();
  } while (GEN.SYMBOLSVECTOR == 0);
  return true;
}

// The row's phantom when it is active, else its symbol; a NUL symbol adds
// nothing. The reference symbol of the row is recorded either way.
void appendSymbolOfRow(int32_t r) {
  if (SYMB.PHANTOMNGRAPHSSTATUSTANK(r) != 0) {
    GEN.PROTOGROUP += SYMB.PHANTOMNGRAPHSTANK(r);
  } else if (SYMB.SYMBOLSTANK(r) != 0) {
    GEN.PROTOGROUP += SYMB.SYMBOLSTANK(r);
  }
  GEN.IGNOREPHANTOMSPROTOGROUP += SYMB.REFERENCESYMBOLSTANK(r);
}

// Symbols until the group has exactly the drawn size; an overshoot starts the
// group again from its first symbol, keeping the size.
bool buildGroupOfDrawnSize() {
  for (;;) {
    if (!drawSymbolRow()) return false;
    appendSymbolOfRow(GEN.SYMBOLSVECTOR);
    GEN.GROWNTOSIZE = static_cast<int32_t>(GEN.PROTOGROUP.size());
    if (GEN.GROWNTOSIZE < GEN.PROTOGROUPSIZE) continue;
    if (GEN.GROWNTOSIZE == GEN.PROTOGROUPSIZE) return true;
    GEN.PROTOGROUP.clear();
    GEN.IGNOREPHANTOMSPROTOGROUP.clear();
  }
}

void storeGroup() {
  STOREGROUPINBLOKTANK(GEN.BLOKVECTOR, GEN.PROTOGROUP, GEN.IGNOREPHANTOMSPROTOGROUP);
  CONDXOFGROUPSBLOKTANK();
  GEN.ACTIVEGROUPSIZESCOUNTSTANK(GEN.PROTOGROUPSIZE) += 1;
}

bool blockSizeInRange() {
  return GEN.LOBLOKSIZE <= GEN.PROGRESSINDICATOR && GEN.PROGRESSINDICATOR <= GEN.HIBLOKSIZE;
}

bool averageInRange() {
  return GEN.LOAVGGROUPSIZE <= GEN.AVGGROUPSIZE && GEN.AVGGROUPSIZE <= GEN.HIAVGGROUPSIZE;
}

}  // namespace

void STARTBLOKGENERATION() {
  GEN.GENERATINGBLOKINPROGRESSFLAG = 1;
  INIT_GCF1_GCF2_GCF3();
  if (GEN.USESYMBOLSMAPFLAG == "Y") INIT_GCF4();
  startDrawingAhead();
  RESETMAPSCANRESUMEPOINT();
  INIT_GROUPSBLOKTANK();
  RESETACTIVEGROUPSIZESCOUNTS();
  GEN.PROGRESSINDICATOR = 0;
  GEN.KEPTGBKEYS.clear();
  RESETCANCELLOOK();
  CONDXOFGROUPSBLOKTANK();
  GEN.FIRSTPASSPENDING = true;
}

GenAdvance ADVANCEBLOKGENERATION() {
  if (!GEN.FIRSTPASSPENDING) CONDXOFGROUPSBLOKTANK();
  GEN.FIRSTPASSPENDING = false;
  GEN.PROTOGROUP.clear();
  GEN.IGNOREPHANTOMSPROTOGROUP.clear();
  if (!drawFreeSlot() || !drawActiveSize() || !buildGroupOfDrawnSize()) return GenAdvance::Cancelled;
  storeGroup();
  if (!blockSizeInRange()) return GenAdvance::Stored;
  if (averageInRange()) return GenAdvance::Complete;
  if (GEN.PROGRESSINDICATOR < GEN.HIBLOKSIZE) return GenAdvance::Stored;
  if (!REMOVEGROUPSFMBLOKTANK()) return GenAdvance::Cancelled;
  return GenAdvance::Removed;
}

void FINISHBLOKGENERATION() {
  GEN.GENERATINGBLOKINPROGRESSFLAG = 0;
  stopDrawingAhead();
  COLLECTGROUPSINBLOK();
  COLLECTUNIQUEGROUPSINBLOK();
  COLLECTVOCABULARYINBLOK();
  GEN.HAVEBLOKFLAG = 1;
}

void ABORTBLOKGENERATION() {
  GEN.HAVEBLOKFLAG = 0;
  GEN.GENERATINGBLOKINPROGRESSFLAG = 0;
  stopDrawingAhead();
  GEN.KEPTGBKEYS.clear();
}
