#pragma once
// The chaos function: one step of the logistic map with its integer candidate,
// and the draw of one accepted integer (silent steps alternating between 11 and
// floor(sqrt(IT)), candidates outside 2..IM+1 rejected). The run, the four
// generator functions and the list shuffle all use these with their own
// variables.
#include <cstdint>

// One map step, evaluated in extended precision in exactly this order:
//   Y <- (Y x K) x (1 - Y), rounded to a double only when stored;
//   IT <- floor((A x IM - B) x Y) + 1.
// The product is never negative (Y stays in 0..1), so truncation is the floor.
inline double nextMapValue(double Y, double K) {
  long double y = Y;
  return static_cast<double>((y * static_cast<long double>(K)) * (1.0L - y));
}
inline int32_t mapCandidate(double Y, float A, float B, int32_t IM) {
  long double scaled =
      (static_cast<long double>(A) * static_cast<long double>(IM) - static_cast<long double>(B)) *
      static_cast<long double>(Y);
  return static_cast<int32_t>(scaled) + 1;
}
inline void MAPSTEP(double& Y, int32_t& IT, double K, float A, float B, int32_t IM) {
  Y = nextMapValue(Y, K);
  IT = mapCandidate(Y, A, B, IM);
}

// floor(sqrt(n)) for n >= 0, exact.
int32_t floorSqrt(int32_t n);

// The silent steps before the next candidate: they alternate between 11 and
// floor(sqrt(IT)), IT being the last candidate (accepted or rejected).
inline int32_t nextSilentSteps(int32_t CYCS, int32_t IT) { return CYCS == 11 ? floorSqrt(IT) : 11; }

// A candidate outside 2..IM+1 is rejected.
inline bool candidateRejected(int32_t IT, int32_t IM) { return IT > IM + 1 || IT == 1; }

// The variables of one chaos function.
struct ChaosVars {
  double& Y;
  int32_t& IT;
  int32_t& IG;
  int32_t& CYCS;
};

// The run and the shuffle give up after this many rejected candidates in a
// row: a seed whose orbit never yields an integer would loop for ever.
constexpr long MAXREJECTEDCANDIDATES = 1000000;

// Map steps made by every draw since the program started (for benchmarks).
extern uint64_t MAPSTEPCOUNT;

// Draws one accepted integer into IG (and IT). Returns false, with the state
// as the last rejection left it, after maxRejections rejected candidates in a
// row; maxRejections 0 means no limit.
bool chaosDraw(ChaosVars v, double K, float A, float B, int32_t IM, long maxRejections);

