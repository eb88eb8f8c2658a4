#pragma once
// The block generation engine: no screen and no keyboard inside. The command
// loop starts a generation, then advances it one stored group at a time,
// painting the monitor, polling keys, pausing or single-stepping between two
// calls; tests and benchmarks drive it the same way.
//
//   STARTBLOKGENERATION();            // fresh chaos functions, empty tank, first recount
//   for (;;) {
//     GenAdvance a = ADVANCEBLOKGENERATION();
//     if (a == GenAdvance::Complete) { FINISHBLOKGENERATION(); break; }
//     if (a == GenAdvance::Cancelled) { ABORTBLOKGENERATION(); break; }
//     ...                             // monitor, key poll (GBPOLLKEY), pause
//   }
//
// Before each pass after the first, the command loop may paint the monitor:
// the recount that opens the pass changes none of its numbers.

enum class GenAdvance {
  Stored,     // one more group in the tank; the block is not complete
  Removed,    // one more group, then groups were removed (the tank was full)
  Complete,   // one more group, and the block meets every specification
  Cancelled,  // the cancel hook stopped a draw; the group in progress is lost
};

// Steps before the first group: GENERATINGBLOKINPROGRESSFLAG, the chaos
// functions (GCF4 only with the symbols map), the map scan's resume point,
// the tank and its size counts, and the first recount. The back-door record
// file, when wanted, is opened before this call.
void STARTBLOKGENERATION();

// One pass: the recount that opens every pass after the first, then slot,
// size and symbols of a new group, its store, and the completion test with
// the removal it may call for.
GenAdvance ADVANCEBLOKGENERATION();

// After Complete: ends the generation and collects and analyses the block
// (block tables, unique groups, vocabulary); HAVEBLOKFLAG becomes 1.
void FINISHBLOKGENERATION();

// After Cancelled, or when the user aborts between groups: no block is
// offered any more (HAVEBLOKFLAG 0) and the generation ends. The tank keeps
// what it holds.
void ABORTBLOKGENERATION();
