#pragma once
// Symbols list, symbols map and phantoms: defaults, map scan, editors.
#include <string>

void INSTALLDEFAULTSYMBOLSMAP();
void INSTALLDEFAULTPHANTOMS();
void MAKESYMBOLSSEQUENCE();
void MAPSCANINFO();
void LOADSYMBOLSANDMAP();

// What a symbols sequence shows for the symbol s: when the first list row
// holding s has an active phantom, that phantom (its characters reversed for a
// reversed sequence); otherwise s itself, a NUL as the byte 0. The phantom
// goes by the symbol, not by the row where the integer was found.
std::string sequencePiece(char s, bool reversed);
