#include "blockgen/blockgen.hpp"
#include "state/blockgenstate.hpp"

void RESETACTIVEGROUPSIZESCOUNTS() {
  for (int s = 1; s <= MAXGROUPSIZE; ++s) GEN.ACTIVEGROUPSIZESCOUNTSTANK(s) = 0;
}
