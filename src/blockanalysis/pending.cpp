// Block-menu commands whose work is not available yet: the keys do nothing.
#include "blockanalysis/reports.hpp"

void SHOWBLOKOFGROUPS() {}
void DIRANDSAVEFORBLOCKOFGROUPS() {}
void COMPAREFORMATCHINGVOCABULARIES() {}
