// Utilities whose work is not available yet: their keys do nothing.
#include "vocabutils/vocabutils.hpp"

void EXTRACTTRANSCRIPTION() {}
void RECTIFYTEXTCASE() {}
void CHANGELISTINTOBLOCK() {}
void SHUFFLEGROUPSINLIST() {}
