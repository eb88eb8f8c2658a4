#pragma once
// Statistics of a finished block: unique groups, vocabulary, symbol
// frequencies and the vocabulary comparison.
#include <cstdint>
#include <string>

#include "state/tank.hpp"

struct BlockAnalysisState {
  Tank<Text31> GROUPSWORKTANK;
  Tank<int32_t> SYMBOLSFREQSWORKTANK;

  // Unique and non-unique groups.
  int32_t UNIQUEGROUPSCOUNT = 0;          // U
  float UNIQUEGROUPSPERCENTAGE = 0;
  Tank<Text31> UNIQUEGROUPSTANK;          // 1..U, size order
  int32_t NONUNIQUEGROUPSCOUNT = 0;       // N - U
  Tank<Text31> NONUNIQUEGROUPSTANK;       // 1..N - U, block order
  int32_t NONUNIQUEGROUPSTYPECOUNT = 0;   // T
  Tank<Text31> NONUNIQUEGROUPSTYPESTANK;  // 1..T, size order
  Tank<int32_t> NONUNIQUEGROUPSTYPESFREQSTANK{0, 32767};
  int32_t NONUNIQUEHIFREQ = 0, NONUNIQUELOFREQ = 0;
  float NONTOUNIQUETYPESRATIO = 0;

  // Vocabulary.
  int32_t VOCABN = 0;
  Tank<Text31> GBLOKVOCABTANK;            // 1..VOCABN, vocabulary order
  float BLOKVOCABRATIO = 0;

  // Symbol frequencies of the vocabulary (the "F" figures).
  Tank<std::string> GBLOKVOCABSYMBOLSTANK{0, 255};  // entry c: the character c when present
  std::string GBLOKVOCABALPHABETWORD;
  int32_t GBLOKVOCABALPHABETSYMBOLSN = 0;
  Tank<int32_t> GBLOKVOCABSYMBOLSFREQSTANK{0, 255};
  Tank<int32_t> GBVSYMBSFREQSRANKSTANK{0, 255};
  int32_t GBVSMAXFREQ = 0, GBVSMINFREQ = 0;
  float GBSYMBFREQRATIO = 0;

  // Comparison of the vocabulary with a file vocabulary ("U").
  std::string FILEVOCABULARYNAME;
  int32_t FILEVOCABN = 0;                 // F, groups read from the file (GROUPSWORKTANK 1..F)
  int32_t VOCABMATCHESCOUNT = 0;          // M
  Tank<Text31> VOCABMATCHESTANK;          // 1..M, vocabulary order
  float MATCHESPERBLOKVOCAB = 0;          // M / V
  float MATCHESPERFILEVOCAB = 0;          // M / F
  int32_t COUNTDOWN = 0;                  // vocabulary groups still to compare
};

extern BlockAnalysisState ANA;
