// Main-menu commands whose work is not available yet: the keys do nothing.
#include "chaosrun/chaosrun.hpp"

void DOCHAOSRUN() {}
void SHOWINTEGERS() {}
void CF1FREQUENCIES() {}
void SAVECHAOSRUN() {}
