// Main-menu commands whose work is not available yet: the keys do nothing.
#include "blockgen/blockgen.hpp"

void MAKESPECIFIEDBLOCKOFGROUPS() {}
void BLOKOFGROUPSMOREINFO() {}
