#pragma once
// The chaos run: CF1, the "R" run, its displays and its report.
#include <cstdint>
#include <string>

// A seed whose orbit never yields an accepted integer (K = 4 with X = 0.5, or
// the fixed point X = 1 - 1/K) would keep the run drawing for ever: after this
// many rejected candidates in a row the run is abandoned.

void DOCHAOSRUN();
void TOGGLESEQUENCINGDIRECTION();
void SHOWINTEGERS();
void CF1FREQUENCIES();
void SAVECHAOSRUN();

// Makes a run of N integers in 1..IM from the seed X and installs it as the
// last run (RUNFLAG counts it). The run is built aside: when a draw gives up
// after maxRejections rejected candidates in a row (0: never), false is
// returned and the previous run, its tables and RUNFLAG are untouched.
bool makeChaosRun(double K, double X, int32_t IM, int32_t N, long maxRejections);

// The frequency listing's line for integer i, without colours: index text
// (" 01".." 09", " 10", ...), ":   ", the symbol of list row i and two blanks
// (three blanks from row 39 on), the frequency and its percentage.
std::string frequencyLine(int32_t i);
