// The block's vocabulary and the symbol frequencies of the vocabulary.
#include "blockanalysis/blockanalysis.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"

namespace {

// Codes 0..31 never take part in the alphabet, counts and ranks.
constexpr int FIRSTSYMBOLCODE = 32;
constexpr int LASTSYMBOLCODE = 255;

void appendGroupsOfSize(const Tank<Text31>& list, int32_t count, size_t size, int32_t& v) {
  for (int32_t i = 1; i <= count; ++i)
    if (list(i).size() == size) ANA.GBLOKVOCABTANK(++v) = list(i);
}

void rankSymbolsByCount() {
  ANA.SYMBOLSFREQSWORKTANK.resize(0, 255);
  for (int c = 0; c <= 255; ++c) {
    ANA.SYMBOLSFREQSWORKTANK(c) = ANA.GBLOKVOCABSYMBOLSFREQSTANK(c);
    ANA.GBVSYMBSFREQSRANKSTANK(c) = 0;
  }
  for (int32_t r = 1; r <= ANA.GBLOKVOCABALPHABETSYMBOLSN; ++r) {
    int pick = 0;
    int32_t largest = 0;
    for (int c = FIRSTSYMBOLCODE; c <= LASTSYMBOLCODE; ++c)
      if (ANA.SYMBOLSFREQSWORKTANK(c) > largest) {
        largest = ANA.SYMBOLSFREQSWORKTANK(c);
        pick = c;
      }
    if (pick == 0) break;
    ANA.GBVSYMBSFREQSRANKSTANK(pick) = r;
    ANA.SYMBOLSFREQSWORKTANK(pick) = 0;
  }
}

}  // namespace

void COLLECTVOCABULARYINBLOK() {
  const int32_t V = ANA.UNIQUEGROUPSCOUNT + ANA.NONUNIQUEGROUPSTYPECOUNT;
  const int32_t N = GEN.PROGRESSINDICATOR;
  ANA.VOCABN = V;
  ANA.GBLOKVOCABTANK.resize(0, V);
  ANA.BLOKVOCABRATIO = N == 0 ? 0.0f : static_cast<float>(static_cast<double>(V) / static_cast<double>(N));
  int32_t v = 0;
  for (int s = GEN.LOGROUPSIZE; s <= GEN.HIGROUPSIZE; ++s) {
    if (GEN.ACTIVEGROUPSIZESTANK(s) == 0) continue;
    appendGroupsOfSize(ANA.UNIQUEGROUPSTANK, ANA.UNIQUEGROUPSCOUNT, static_cast<size_t>(s), v);
    appendGroupsOfSize(ANA.NONUNIQUEGROUPSTYPESTANK, ANA.NONUNIQUEGROUPSTYPECOUNT, static_cast<size_t>(s), v);
  }
}

void CLEARSYMBOLSFREQOFGROUPSBLOKVOCABULARY() {
  for (int c = 0; c <= 255; ++c) {
    ANA.GBLOKVOCABSYMBOLSTANK(c).clear();
    ANA.GBLOKVOCABSYMBOLSFREQSTANK(c) = 0;
    ANA.GBVSYMBSFREQSRANKSTANK(c) = 0;
  }
  ANA.GBLOKVOCABALPHABETWORD.clear();
  ANA.GBLOKVOCABALPHABETSYMBOLSN = 0;
  ANA.GBVSMAXFREQ = 0;
  ANA.GBVSMINFREQ = 0;
}

void COUNTSYMBOLSFREQOFGROUPSBLOKVOCABULARY() {
  CLEARSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  for (int32_t i = 1; i <= ANA.VOCABN; ++i)
    for (char ch : ANA.GBLOKVOCABTANK(i).view()) {
      int c = static_cast<unsigned char>(ch);
      if (c >= FIRSTSYMBOLCODE) ANA.GBLOKVOCABSYMBOLSFREQSTANK(c) += 1;
    }
  for (int c = FIRSTSYMBOLCODE; c <= LASTSYMBOLCODE; ++c) {
    if (ANA.GBLOKVOCABSYMBOLSFREQSTANK(c) == 0) continue;
    ANA.GBLOKVOCABSYMBOLSTANK(c) = std::string(1, static_cast<char>(c));
    ANA.GBLOKVOCABALPHABETWORD += static_cast<char>(c);
    if (ANA.GBLOKVOCABSYMBOLSFREQSTANK(c) > ANA.GBVSMAXFREQ) ANA.GBVSMAXFREQ = ANA.GBLOKVOCABSYMBOLSFREQSTANK(c);
  }
  ANA.GBLOKVOCABALPHABETSYMBOLSN = static_cast<int32_t>(ANA.GBLOKVOCABALPHABETWORD.size());
  ANA.GBVSMINFREQ = ANA.GBVSMAXFREQ;
  for (unsigned char c : ANA.GBLOKVOCABALPHABETWORD)
    if (ANA.GBLOKVOCABSYMBOLSFREQSTANK(c) < ANA.GBVSMINFREQ) ANA.GBVSMINFREQ = ANA.GBLOKVOCABSYMBOLSFREQSTANK(c);
  rankSymbolsByCount();
}

float SYMBOLFREQFRACTION(int code) {
  if (GEN.BLOKGROUPSGRANDSIZE == 0) return 0.0f;
  return static_cast<float>(static_cast<long double>(ANA.GBLOKVOCABSYMBOLSFREQSTANK(code)) /
                            static_cast<long double>(GEN.BLOKGROUPSGRANDSIZE));
}
