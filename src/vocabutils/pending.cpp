// Main-menu command whose work is not available yet: the key does nothing.
#include "vocabutils/vocabutils.hpp"

void EXTRACTNTRIMVOCABUTILITIES() {}
