#pragma once
// The four generator chaos functions and the routines that draw through them.
// Each function is the run's chaos function with its own state; one call
// yields one accepted integer. They return false only when the command loop's
// cancel hook asks to stop (GEN.CANCELHOOK), which it is asked at least every
// CANCELLOOKSTEPS map steps: so a function that can never accept a candidate,
// or a draw loop that can never succeed, can be left with Esc. Asking the hook
// changes no draw.
#include <cstdint>

constexpr long CANCELLOOKSTEPS = 5000;

void INIT_GCF1_GCF2_GCF3();
void INIT_GCF4();

bool CHAOSFUNCTIONGCF1();
bool CHAOSFUNCTIONGCF2();
bool CHAOSFUNCTIONGCF3();
bool CHAOSFUNCTIONGCF4();

bool GENERATESYMBOLSVECTOR();      // GCF1 -> SYMBOLSVECTOR (list row 1..38)
bool GENERATEPROTOGROUPSIZE();     // GCF2 -> PROTOGROUPSIZE (1..HIGROUPSIZE)
bool GENERATEBLOKVECTOR();         // GCF3 -> BLOKVECTOR (slot 1..XHIBLOKSIZE)
bool GENERATESYMBOLSMAPINTEGER();  // GCF4 -> SYMBOLSMAPINTEGER (1..HIGHESTOKMAPINTEGER)
// SYMBOLSMAPINTEGER through the map scan -> SYMBOLSVECTOR, 0 when not found.
void GENERATESYMBOLSVECTORFROMSYMBOLSMAPINTEGER();

// Starts the count of map steps towards the next look at the cancel hook.
void RESETCANCELLOOK();
