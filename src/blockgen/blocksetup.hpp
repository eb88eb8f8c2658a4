#pragma once
// The block specifications asked for on the block menu.
#include <cstdint>

// Asks for one block specification, chosen by the last block-menu key (GBKS): "G", "V",
// "X", "C", "T", "W", and "B" for "B" or any other key. Prompts at row
// PROGMONSTARTSCREENROW + 14, column 1; never waits for a key after the entry.
void GETSPECSFORBLOCKOFGROUPS();

// LOGROUPSIZE and HIGROUPSIZE from ACTIVEGROUPSIZESTANK (both 1 when no size
// is active).
void FINDACTIVELOANDHIGROUPSIZES();

// Slots of the groups tank for the largest block size: floor(factor x size)
// with the 32-bit factor 1.2 (slightly above 1.2, so a multiple of 5 is not
// one short).
int32_t tankSlotsFor(int32_t hiBlokSize, float expansionFactor);

// Keeps the specifications, the map settings and the map and phantoms file
// names in GEN.BLOKSETUP; called when a generation starts.
void TAKEBLOKSETUPSNAPSHOT();
