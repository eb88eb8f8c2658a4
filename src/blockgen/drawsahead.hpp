#pragma once
// The generator functions of a generation computed ahead, side by side.
//
// Each function draws from its own chain of map steps with parameters fixed
// for the whole generation, and reads nothing the others or the generation
// loop write: the draws it will give are known the moment the generation
// starts, and the loop only decides how many it takes. So each function keeps
// a few of its next draws ready, with the map steps each one cost, and one
// loop fills them, advancing every function whose store is not full by one
// map step per pass: several independent chains are in flight at once,
// whereas the steps of one chain wait for each other.
//
// A draw taken leaves the function's variables (Yn, ITn, CYCSn, IGn) exactly
// as the direct draw would, and the map steps are counted when a draw is
// taken, not when it is computed; the cancel hook is asked at the same draws.
// Draws computed but never taken are lost with the generation.
#include "state/blockgenstate.hpp"

// From the functions' variables as they stand (after their INIT): GCF3, GCF2
// and GCF1, or GCF4 instead of GCF1 with the symbols map.
void startDrawingAhead();
// Back to drawing directly; the variables are those of the last draw taken.
void stopDrawingAhead();

// The stream of generator function n (1..4), or nullptr when it is drawn
// directly.
AheadStream* aheadStreamOf(int function);

// The next draw of the stream, computed now if none is ready; taking it is
// the caller's business (see takeAheadDraw).
const AheadDraw& nextAheadDraw(AheadStream& stream);

// Removes the draw nextAheadDraw gave.
inline void takeAheadDraw(AheadStream& stream) {
  stream.first = (stream.first + 1) % AHEADDRAWS;
  stream.count -= 1;
}
