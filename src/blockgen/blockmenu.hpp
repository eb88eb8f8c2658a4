#pragma once
// The block generator's command loop (MAKESPECIFIEDBLOCKOFGROUPS in
// blockgen.hpp) and the commands of its menu that live with the generator.

// ---- Generation driven from the menu ---------------------------------------
// "H" (free-running) or "I" (single-step): refused, with nothing shown, while
// a specification is missing, for "I" with the monitor off, and when the back
// door's record file cannot be created. Otherwise the set-up is kept
// (TAKEBLOKSETUPSNAPSHOT), the engine started and the monitor prepared.
bool startGenerationFromMenu(bool singleStep);
// The passes of a started generation, one stored group each: the monitor (or
// one line end when it is off), the key poll, pause and single-step. True
// when the block is complete, false when it was aborted with Esc.
bool runGenerationPasses();
// After the passes: the block collected, the monitor's final numbers, "Done",
// the back door disarmed, and the offers to save the integers and vocabulary.
void completeGeneration();
// After Esc: no block is offered any more; the back door is disarmed.
void abortGeneration();

// ---- Back door ("*") ----------------------------------------------------------
void BACKDOOR();
// The access key of the last run: its frequency figures computed afresh
// (silently), then the largest percentage above the smallest frequency's share
// and below the largest frequency's share. Needs a run (RUNFLAG > 0).
double backDoorAccessKey();

// ---- The vocabulary's screens ("F", "f") -----------------------------------------
void GETSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
void SHOWNONUNIQUEGROUPS();

// ---- Files offered when a block is complete ---------------------------------------
// The explanation, the prefix for prefix + "IGB.txt", the file, "Done".
void SAVEGROUPSBLOKINTEGERSSEQUENCE();
// Writes the generating-integers file SHELL.DFILENAME with the countdown at
// row 45. False after the file layer reported a failure.
bool RECOVERBLOKGENERATINGINTEGERS();
