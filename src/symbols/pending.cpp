// Main-menu commands whose work is not available yet: the keys do nothing.
#include "symbols/symbols.hpp"

void MAKESYMBOLSSEQUENCE() {}
void MAPSCANINFO() {}
