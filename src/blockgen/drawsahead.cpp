#include "blockgen/drawsahead.hpp"

#include "blockgen/generatorchaos.hpp"
#include "chaosrun/chaosfunction.hpp"

namespace {

constexpr int SLOTS = 0, SIZES = 1, SYMBOLS = 2;

AheadStream streamFrom(double Y, int32_t IT, int32_t CYCS, double K, float A, float B, int32_t IM) {
  AheadStream s;
  s.Y = Y;
  s.K = K;
  s.A = A;
  s.B = B;
  s.IM = IM;
  s.IT = IT;
  s.CYCS = nextSilentSteps(CYCS, IT);
  s.stepsLeft = s.CYCS + 1;
  return s;
}

void makeDraw(AheadStream& s, bool accepted) {
  s.draws[(s.first + s.count) % AHEADDRAWS] = {s.Y, s.IT, s.CYCS, s.steps, accepted};
  s.count += 1;
  if (!accepted) s.fillTo = s.count;
  s.steps = 0;
  s.rejected = 0;
}

// The candidate at the end of a run of silent steps, judged as the direct
// draw judges it.
__attribute__((noinline)) void judgeCandidate(AheadStream& s) {
  s.IT = mapCandidate(s.Y, s.A, s.B, s.IM);
  s.steps += static_cast<uint32_t>(s.CYCS) + 1;
  if (candidateRejected(s.IT, s.IM)) {
    if (++s.rejected >= CANCELLOOKSTEPS) makeDraw(s, false);
  } else {
    s.IT -= 1;
    makeDraw(s, true);
  }
  s.CYCS = nextSilentSteps(s.CYCS, s.IT);
  s.stepsLeft = s.CYCS + 1;
}

inline void advanceOneStep(AheadStream& s) {
  s.Y = nextMapValue(s.Y, s.K);
  if (--s.stepsLeft == 0) judgeCandidate(s);
}

// Passes of one map step for every stream with room, until the one that ran
// out is full again: the others go on beside it as long as they have room.
void fill(AheadStream& needed) {
  auto& streams = GEN.drawsAhead.streams;
  needed.fillTo = AHEADDRAWS;
  do {
    for (AheadStream& s : streams)
      if (s.count < s.fillTo) advanceOneStep(s);
  } while (needed.count < needed.fillTo);
}

}  // namespace

void startDrawingAhead() {
  DrawsAhead& a = GEN.drawsAhead;
  a.on = true;
  a.streams[SLOTS] = streamFrom(GEN.Y3, GEN.IT3, GEN.CYCS3, GEN.K3, GEN.A3, GEN.B3, GEN.IM3);
  a.streams[SIZES] = streamFrom(GEN.Y2, GEN.IT2, GEN.CYCS2, GEN.K2, GEN.A2, GEN.B2, GEN.IM2);
  if (GEN.USESYMBOLSMAPFLAG == "Y") {
    a.symbolsFunction = 4;
    a.streams[SYMBOLS] = streamFrom(GEN.Y4, GEN.IT4, GEN.CYCS4, GEN.K1, GEN.A1, GEN.B1, GEN.IM4);
  } else {
    a.symbolsFunction = 1;
    a.streams[SYMBOLS] = streamFrom(GEN.Y1, GEN.IT1, GEN.CYCS1, GEN.K1, GEN.A1, GEN.B1, GEN.IM1);
  }
}

void stopDrawingAhead() { GEN.drawsAhead.on = false; }

AheadStream* aheadStreamOf(int function) {
  DrawsAhead& a = GEN.drawsAhead;
  if (!a.on) return nullptr;
  if (function == 3) return &a.streams[SLOTS];
  if (function == 2) return &a.streams[SIZES];
  if (function == a.symbolsFunction) return &a.streams[SYMBOLS];
  return nullptr;
}

const AheadDraw& nextAheadDraw(AheadStream& stream) {
  if (stream.count == 0) fill(stream);
  return stream.draws[stream.first];
}
