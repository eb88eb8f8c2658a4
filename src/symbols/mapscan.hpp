#pragma once
// The map scan: finds an integer in the symbols map under the two scan
// controls and the resume point, and gives the list row of the first matching
// cell, or 0 when the integer is not found.
#include <cstdint>

// Uses MAPSCANDIRECTION ("C" column priority, "R" row priority),
// MAPSCANRESUMEPOINT ("B" start at (1, 1), "L" start at the resume point);
// only the rectangle from the start cell to (38, 5) is examined. After a match
// the resume point is the next cell in scan order (wrapping to (1, 1)); after a
// failed search it is (1, 1).
int MAPSCAN(int32_t v);

// Puts the resume point back to (1, 1).
void RESETMAPSCANRESUMEPOINT();

void TOGLMAPSCANDIRECTION();
void TOGLMAPSCANRESUMEPOINT();
