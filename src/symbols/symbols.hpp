#pragma once
// Symbols list, symbols map and phantoms: defaults, map scan, editors.

void INSTALLDEFAULTSYMBOLSMAP();
void INSTALLDEFAULTPHANTOMS();
void MAKESYMBOLSSEQUENCE();
void MAPSCANINFO();
void LOADSYMBOLSANDMAP();
