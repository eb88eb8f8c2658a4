#include "chaosrun/chaosfunction.hpp"

#include <cmath>

uint64_t MAPSTEPCOUNT = 0;

int32_t floorSqrt(int32_t n) {
  if (n <= 0) return 0;
  int32_t r = static_cast<int32_t>(std::sqrt(static_cast<double>(n)));
  while (static_cast<int64_t>(r) * r > n) --r;
  while (static_cast<int64_t>(r + 1) * (r + 1) <= n) ++r;
  return r;
}

// Aligned so that the speed of its loops does not depend on where the linker
// happens to place it (seen to vary by a third on these machines).
__attribute__((aligned(64))) bool chaosDraw(ChaosVars v, double K, float A, float B, int32_t IM, long maxRejections) {
  long rejected = 0;
  for (;;) {
    v.CYCS = nextSilentSteps(v.CYCS, v.IT);
    // The candidates of the silent steps are overwritten unseen: only the
    // last step's is made (the truncation switches the x87 rounding mode).
    double Y = v.Y;
    for (int32_t i = 0; i < v.CYCS; ++i) Y = nextMapValue(Y, K);
    MAPSTEP(Y, v.IT, K, A, B, IM);
    v.Y = Y;
    MAPSTEPCOUNT += static_cast<uint64_t>(v.CYCS) + 1;
    if (candidateRejected(v.IT, IM)) {
      if (maxRejections > 0 && ++rejected >= maxRejections) return false;
      continue;
    }
    v.IG = v.IT - 1;
    v.IT = v.IT - 1;
    return true;
  }
}
