#pragma once
// Statistics of a finished block: unique groups, vocabulary, symbol
// frequencies and the vocabulary comparison.
#include <cstdint>
#include <string>

#include "state/tank.hpp"

struct BlockAnalysisState {
  Tank<Text31> GROUPSWORKTANK;
  Tank<int32_t> SYMBOLSFREQSWORKTANK;
  Tank<Text31> UNIQUEGROUPSTANK;
  Tank<Text31> NONUNIQUEGROUPSTANK;
  Tank<Text31> NONUNIQUEGROUPSTYPESTANK;
  Tank<Text31> GBLOKVOCABTANK;
  Tank<Text31> VOCABMATCHESTANK;
};

extern BlockAnalysisState ANA;
