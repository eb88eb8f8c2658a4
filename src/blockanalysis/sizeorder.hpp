#pragma once
// The size order of the block statistics.
#include <string_view>
#include <vector>

#include "state/blockgenstate.hpp"
#include "state/tank.hpp"

// dest(1..n) <- the groups of the activated sizes 1..31, each size in the
// order of the source list; dest is resized to 0..n (n = source.size()).
inline void fillInSizeOrder(Tank<Text31>& dest, const std::vector<std::string_view>& source) {
  dest.resize(0, static_cast<long>(source.size()));
  long i = 0;
  for (size_t s = 1; s <= MAXGROUPSIZE; ++s) {
    if (GEN.ACTIVEGROUPSIZESTANK(static_cast<long>(s)) == 0) continue;
    for (std::string_view group : source)
      if (group.size() == s) dest(++i) = group;
  }
}
