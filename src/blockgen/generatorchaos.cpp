#include "blockgen/generatorchaos.hpp"

#include "blockgen/drawsahead.hpp"
#include "chaosrun/chaosfunction.hpp"
#include "state/blockgenstate.hpp"
#include "symbols/mapscan.hpp"

namespace {

// The first map value of a function: (X x K) x (1 - X) in extended precision.
double firstMapValue(double X, double K) {
  long double x = X;
  return static_cast<double>((x * static_cast<long double>(K)) * (1.0L - x));
}

bool cancelHookSaysStop() {
  GEN.STEPSATLASTCANCELLOOK = MAPSTEPCOUNT;
  return GEN.CANCELHOOK != nullptr && GEN.CANCELHOOK();
}

// After an accepted draw: the hook is asked when the draw ends at least
// CANCELLOOKSTEPS map steps after the last look.
bool goOnAfterAcceptedDraw() {
  if (MAPSTEPCOUNT - GEN.STEPSATLASTCANCELLOOK < static_cast<uint64_t>(CANCELLOOKSTEPS)) return true;
  return !cancelHookSaysStop();
}

// The draw the stream computed ahead, taken into the function's variables.
bool takeOrCancel(AheadStream& stream, ChaosVars v) {
  for (;;) {
    const AheadDraw& d = nextAheadDraw(stream);
    MAPSTEPCOUNT += d.steps;
    v.Y = d.Y;
    v.IT = d.IT;
    v.CYCS = d.CYCS;
    const bool accepted = d.accepted;
    takeAheadDraw(stream);
    if (accepted) break;
    if (cancelHookSaysStop()) return false;
  }
  v.IG = v.IT;
  return goOnAfterAcceptedDraw();
}

// One accepted integer of generator function n, taken from its stream when
// it is computed ahead. The hook is asked after every CANCELLOOKSTEPS
// rejections in a row and after an accepted draw (goOnAfterAcceptedDraw);
// between two looks lie fewer than 2 x CANCELLOOKSTEPS candidates. A draw
// interrupted by a rejection limit goes on exactly where it stopped.
bool drawOrCancel(int function, ChaosVars v, double K, float A, float B, int32_t IM) {
  if (AheadStream* stream = aheadStreamOf(function)) return takeOrCancel(*stream, v);
  while (!chaosDraw(v, K, A, B, IM, CANCELLOOKSTEPS))
    if (cancelHookSaysStop()) return false;
  return goOnAfterAcceptedDraw();
}

}  // namespace

void RESETCANCELLOOK() { GEN.STEPSATLASTCANCELLOOK = MAPSTEPCOUNT; }

// Fresh variables: draws computed ahead from the old ones are not taken.
void INIT_GCF1_GCF2_GCF3() {
  stopDrawingAhead();
  GEN.CYCS1 = GEN.CYCS2 = GEN.CYCS3 = 11;
  GEN.IT1 = GEN.IT2 = GEN.IT3 = 0;
  GEN.IM1 = 38;
  GEN.IM2 = GEN.HIGROUPSIZE;
  GEN.IM3 = GEN.XHIBLOKSIZE;
  GEN.A1 = GEN.B1 = GEN.A2 = GEN.B2 = GEN.A3 = GEN.B3 = 2.0f;
  GEN.Y1 = firstMapValue(GEN.X1, GEN.K1);
  GEN.Y2 = firstMapValue(GEN.X2, GEN.K2);
  GEN.Y3 = firstMapValue(GEN.X3, GEN.K3);
}

// GCF4 starts from the seed of GCF1 and steps with K1, A1 and B1.
void INIT_GCF4() {
  stopDrawingAhead();
  GEN.CYCS4 = 11;
  GEN.IT4 = 0;
  GEN.IM4 = GEN.HIGHESTOKMAPINTEGER;
  GEN.Y4 = firstMapValue(GEN.X1, GEN.K1);
}

bool CHAOSFUNCTIONGCF1() { return drawOrCancel(1, {GEN.Y1, GEN.IT1, GEN.IG1, GEN.CYCS1}, GEN.K1, GEN.A1, GEN.B1, GEN.IM1); }
bool CHAOSFUNCTIONGCF2() { return drawOrCancel(2, {GEN.Y2, GEN.IT2, GEN.IG2, GEN.CYCS2}, GEN.K2, GEN.A2, GEN.B2, GEN.IM2); }
bool CHAOSFUNCTIONGCF3() { return drawOrCancel(3, {GEN.Y3, GEN.IT3, GEN.IG3, GEN.CYCS3}, GEN.K3, GEN.A3, GEN.B3, GEN.IM3); }
bool CHAOSFUNCTIONGCF4() { return drawOrCancel(4, {GEN.Y4, GEN.IT4, GEN.IG4, GEN.CYCS4}, GEN.K1, GEN.A1, GEN.B1, GEN.IM4); }

bool GENERATESYMBOLSVECTOR() {
  if (!CHAOSFUNCTIONGCF1()) return false;
  GEN.SYMBOLSVECTOR = GEN.IG1;
  return true;
}

bool GENERATEPROTOGROUPSIZE() {
  if (!CHAOSFUNCTIONGCF2()) return false;
  GEN.PROTOGROUPSIZE = GEN.IG2;
  return true;
}

bool GENERATEBLOKVECTOR() {
  if (!CHAOSFUNCTIONGCF3()) return false;
  GEN.BLOKVECTOR = GEN.IG3;
  return true;
}

bool GENERATESYMBOLSMAPINTEGER() {
  if (!CHAOSFUNCTIONGCF4()) return false;
  GEN.SYMBOLSMAPINTEGER = GEN.IG4;
  return true;
}

void GENERATESYMBOLSVECTORFROMSYMBOLSMAPINTEGER() { GEN.SYMBOLSVECTOR = MAPSCAN(GEN.SYMBOLSMAPINTEGER); }
