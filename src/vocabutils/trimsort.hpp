#pragma once
// Trim ("T") and sort ("S") of a list with its statistics, the steps of
// their pipeline in the order TRIMVOCABMAIN calls them, and the pieces that
// the digraph spectrum ("N") shares with them.
#include "state/vocabstate.hpp"
#include "vocabutils/listfile.hpp"

// The "Important info" screen on prime symbols (also shown by "N").
void IMPTINFOABTPRIMESYMBOLS();

// The pipeline. The counting pass reads the source whole into the reader
// (false after the file layer reported it); the reading pass fills the table.
bool FINDOUTHOWMANYLINESINFILE(ListReader& source);
void GETTHELINESINTOFILELINESTANK(const ListReader& source);
void DETERMINEALPHABETOFUNTRIMDVOCAB();  // of FILELINESTANK 1..NLINES
void GETFREQSOFORIGINALSYMBOLSALPHABET();
void REPORTORIGINALSYMBOLSALPHABETANDITSFREQS();
void PREPTODISKSAVEUNTRIMDVOCABSTATS();
void TRIMTHEVOCABULARY();
void GETSIZEOFTRIMMEDVOCAB();
void COLLECTTRIMMEDVOCABINTRIMDVOCABTANK();
void SORTTRIMMEDVOCABBYSIZEFMLOTOHI();
void GETTRIMDVOCABGROUPFREQS();
void GETNSYMBOLSINTRIMDVOCAB();
void GETTRIMDVOCABSYMBOLSFREQS();
void GETPRIMEPERMUTATIONTRIGRAPHSNFREQS();
// The List statistics file; false after the file layer reported a file that
// could not be created or written.
bool WRITETRIMMEDVOCABTODISK();

// ALPHABETPOSITIONSTANK and SYMBOLSSTRING from ORIGINALSYMBOLSSTRING.
void setAlphabetPositions();
// The question " Swap symbols-positions ... Y/N :" and, on "Y", the one swap.
void offerPositionSwap();

// Every table and figure of the utilities back as saved before a command
// whose file could not be written; the keys read since then stay.
void restoreVocabState(VocabState saved);
