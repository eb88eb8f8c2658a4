#pragma once
// Statistics of a finished block: unique and non-unique groups, the
// vocabulary and the symbol frequencies of the vocabulary. Counting is done
// with hash tables; every list keeps the order of the pairwise method it
// replaces.
//
// Size order: the sizes 1..31 that are activated, each with the groups of that
// length in the order of the source list (a stable sort by length).

// From BLOKGROUPSTANK(1..PROGRESSINDICATOR): U and its percentage, the unique
// groups in size order, the non-unique occurrences in block order, the
// non-unique types in size order with their frequencies, the highest and
// lowest frequency and the ratio T / U. Prints nothing.
void COLLECTUNIQUEGROUPSINBLOK();

// The vocabulary: for each activated size from LOGROUPSIZE to HIGROUPSIZE,
// the unique groups of that size, then the non-unique types of that size.
// Sets VOCABN, GBLOKVOCABTANK and BLOKVOCABRATIO (V / N).
void COLLECTVOCABULARYINBLOK();

// The computation of the "F" figures of the vocabulary: the characters 32..255
// present (GBLOKVOCABSYMBOLSTANK, GBLOKVOCABALPHABETWORD in code order), the
// count of each over the vocabulary's groups, the highest and lowest count,
// and the ranks by count (ties to the lower code).
void COUNTSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
// Empties the "F" figures (no alphabet, every count and rank 0).
void CLEARSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
// GBSYMBFREQRATIO for the character with this code: its vocabulary count over
// the characters of the whole block (BLOKGROUPSGRANDSIZE); 0 for an empty block.
float SYMBOLFREQFRACTION(int code);
