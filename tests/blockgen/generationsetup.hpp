#pragma once
// Set-ups for generation tests: specifications as valid entries leave them,
// a cancel hook with a budget of map steps, and a full rescan of the tank.
#include <cstdint>
#include <string>
#include <vector>

struct GenSetup {
  int32_t loBlock = 20, hiBlock = 40;
  std::vector<int> activeSizes{2, 3, 4, 5};
  float loAvg = 2.0f, hiAvg = 5.0f;
  double k1 = 4.0, x1 = 0.1234, k2 = 3.99, x2 = 0.3141, k3 = 3.97, x3 = 0.2718;
};

// Sets the specifications and the four OK flags as valid entries would.
void applySetup(const GenSetup& s);

// A varied set-up from a seed: block sizes, activated sizes, X values and K
// values near 4;
// the average range spans the activated sizes (so the block completes as soon
// as it is large enough) unless narrowAverage asks for a narrower one.
GenSetup setupFromSeed(uint32_t seed, bool narrowAverage);

// Installs a cancel hook that asks to stop once the generation has made more
// than this many map steps since the call.
void cancelAfterSteps(uint64_t steps);

// The tank counted slot by slot.
struct TankRescan {
  int32_t groups = 0;
  int32_t characters = 0;
  int32_t perSize[32] = {};
};
TankRescan rescanTank();

// A group rebuilt from its reference form with the symbols list, phantoms and
// the reference symbols now in force.
std::string expandReference(const std::string& reference);
