#include "blockgen/generationkeys.hpp"

#include "shell/console.hpp"
#include "state/blockgenstate.hpp"

bool POLLKEYBOARDFORESC() {
  for (;;) {
    int32_t key = con::pollKey();
    if (key == con::KEY_NONE) return false;
    if (key == con::KEY_ESC) return true;
    GEN.KEPTGBKEYS.push_back(key);
  }
}

int32_t GBPOLLKEY() {
  if (GEN.KEPTGBKEYS.empty()) return con::pollKey();
  int32_t key = GEN.KEPTGBKEYS.front();
  GEN.KEPTGBKEYS.pop_front();
  return key;
}
