// Utilities whose work is not available yet: their keys do nothing.
#include "vocabutils/vocabutils.hpp"

void EXTRACTTRANSCRIPTION() {}
void RECTIFYTEXTCASE() {}
void SORTXNLFILESBYGROUPSIZE() {}
void TRIMVOCABMAIN() {}
void COUNTNGRAPHSINVOCABULARY() {}
void CHANGELISTINTOBLOCK() {}
void SHUFFLEGROUPSINLIST() {}
