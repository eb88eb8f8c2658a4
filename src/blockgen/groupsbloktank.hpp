#pragma once
// The groups-block tank: the slots in which a block grows, its counters, the
// removal of groups from a window of slots, and the collection of the
// finished block in slot order.
//
// The counters are kept incrementally: every store and every free updates the
// occupied slots and characters, and CONDXOFGROUPSBLOKTANK gives the same
// PROGRESSINDICATOR, BLOKGROUPSGRANDSIZE, AVGGROUPSIZE and back-door record
// line as a rescan of every slot would, at the same moments.
#include <cstdint>
#include <string>
#include <string_view>

// Slots 1..XHIBLOKSIZE of the tank and of its reference forms, all free.
void INIT_GROUPSBLOKTANK();
void RESETACTIVEGROUPSIZESCOUNTS();
// Recount: PROGRESSINDICATOR, BLOKGROUPSGRANDSIZE, AVGGROUPSIZE; with a
// non-empty tank and the back door recording, one line with the average.
void CONDXOFGROUPSBLOKTANK();
// Frees at least one slot of a window drawn by GCF3, then recounts. False
// (nothing freed by the interrupted draw) when the cancel hook asked to stop.
bool REMOVEGROUPSFMBLOKTANK();
// BLOKGROUPSTANK, IGNOREPHANTOMSBLOKGROUPSTANK and MIRRORBLOKGROUPSTANK
// from the occupied slots, in slot order.
void COLLECTGROUPSINBLOK();

// Puts a group and its reference form into a free slot.
void STOREGROUPINBLOKTANK(int32_t slot, std::string_view group, std::string_view reference);
// Empties an occupied slot and takes its group out of the size counts.
void FREEBLOKTANKSLOT(int32_t slot);
// One removal pass over the window LOBLOKVECTOR..HIBLOKVECTOR with the
// average as it stands: frees every occupied slot whose group is at least as
// long as the average when the average is too large (>= LOAVGGROUPSIZE),
// at most as long when it is too small. Returns REMOVEDGROUPSCOUNT.
int32_t REMOVEGROUPSFMWINDOW();

// The back door's record file (file number 2 of a generation): opened before
// a generation starts and closed when it completes or is aborted. Both report
// a failure through the file layer and return false.
bool OPENBACKDOORRECORDFILE(const std::string& name);
bool CLOSEBACKDOORRECORDFILE();
