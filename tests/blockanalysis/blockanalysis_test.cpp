// Unique groups, vocabulary and symbol frequencies of a block.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "blockanalysis/blockanalysis.hpp"
#include "blockanalysis/blockfixtures.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "support.hpp"

namespace {

using Groups = std::vector<std::string>;

Groups list(const Tank<Text31>& tank, int32_t count) {
  Groups out;
  for (int32_t i = 1; i <= count; ++i) out.push_back(tank(i).str());
  return out;
}

std::vector<int32_t> typeFrequencies() {
  std::vector<int32_t> out;
  for (int32_t t = 1; t <= ANA.NONUNIQUEGROUPSTYPECOUNT; ++t) out.push_back(ANA.NONUNIQUEGROUPSTYPESFREQSTANK(t));
  return out;
}

// The pairwise elimination and the size-order walk, step by step as the
// program first did them.
struct Pairwise {
  Groups unique, nonUnique, types, vocabulary;
  std::vector<int32_t> frequencies;
};

Groups sizeOrder(const Groups& source) {
  Groups out;
  for (size_t s = 1; s <= MAXGROUPSIZE; ++s)
    if (GEN.ACTIVEGROUPSIZESTANK(static_cast<long>(s)) != 0)
      for (const std::string& g : source)
        if (g.size() == s) out.push_back(g);
  return out;
}

Pairwise pairwise(const Groups& block) {
  Pairwise p;
  Groups work = block;
  for (size_t i = 0; i < work.size(); ++i) {
    std::string taken = work[i];
    for (size_t j = i + 1; j < work.size(); ++j)
      if (work[j] == taken) work[j] = work[i] = "";
  }
  Groups uniqueInBlockOrder;
  for (const std::string& g : work)
    if (!g.empty()) uniqueInBlockOrder.push_back(g);
  p.unique = sizeOrder(uniqueInBlockOrder);
  Groups fresh = block;
  for (const std::string& u : uniqueInBlockOrder)
    for (std::string& g : fresh)
      if (g == u) {
        g = "";
        break;
      }
  for (const std::string& g : fresh)
    if (!g.empty()) p.nonUnique.push_back(g);
  Groups firsts = p.nonUnique;
  for (size_t i = 0; i < firsts.size(); ++i)
    if (!firsts[i].empty())
      for (size_t j = i + 1; j < firsts.size(); ++j)
        if (firsts[j] == firsts[i]) firsts[j] = "";
  Groups typesInOrder;
  for (const std::string& g : firsts)
    if (!g.empty()) typesInOrder.push_back(g);
  p.types = sizeOrder(typesInOrder);
  for (const std::string& t : p.types) {
    int32_t f = 0;
    for (const std::string& g : p.nonUnique) f += g == t;
    p.frequencies.push_back(f);
  }
  for (int s = GEN.LOGROUPSIZE; s <= GEN.HIGROUPSIZE; ++s) {
    if (GEN.ACTIVEGROUPSIZESTANK(s) == 0) continue;
    for (const std::string& g : p.unique)
      if (static_cast<int>(g.size()) == s) p.vocabulary.push_back(g);
    for (const std::string& g : p.types)
      if (static_cast<int>(g.size()) == s) p.vocabulary.push_back(g);
  }
  return p;
}

std::string rankedAlphabet() {
  std::string out(static_cast<size_t>(ANA.GBLOKVOCABALPHABETSYMBOLSN), '?');
  for (int c = 0; c <= 255; ++c)
    if (ANA.GBVSYMBSFREQSRANKSTANK(c) > 0) out[static_cast<size_t>(ANA.GBVSYMBSFREQSRANKSTANK(c) - 1)] = static_cast<char>(c);
  return out;
}

}  // namespace

TEST(UniqueGroups, KaMoKaTe) {
  Session s;
  analysedBlock({"ka", "mo", "ka", "te"});
  EXPECT_EQ(ANA.UNIQUEGROUPSCOUNT, 2);
  EXPECT_EQ(list(ANA.UNIQUEGROUPSTANK, 2), (Groups{"mo", "te"}));
  EXPECT_EQ(ANA.UNIQUEGROUPSTANK.hi(), 2);
  EXPECT_EQ(ANA.NONUNIQUEGROUPSCOUNT, 2);
  EXPECT_EQ(list(ANA.NONUNIQUEGROUPSTANK, 2), (Groups{"ka", "ka"}));
  EXPECT_EQ(ANA.NONUNIQUEGROUPSTYPECOUNT, 1);
  EXPECT_EQ(list(ANA.NONUNIQUEGROUPSTYPESTANK, 1), (Groups{"ka"}));
  EXPECT_EQ(typeFrequencies(), (std::vector<int32_t>{2}));
  EXPECT_EQ(ANA.UNIQUEGROUPSPERCENTAGE, 50.0f);
  EXPECT_EQ(ANA.NONTOUNIQUETYPESRATIO, 0.5f);
  EXPECT_EQ(ANA.NONUNIQUEHIFREQ, 2);
  EXPECT_EQ(ANA.NONUNIQUELOFREQ, 2);
  EXPECT_EQ(ANA.VOCABN, 3);
  EXPECT_EQ(list(ANA.GBLOKVOCABTANK, 3), (Groups{"mo", "te", "ka"}));
  EXPECT_EQ(ANA.BLOKVOCABRATIO, 0.75f);
}

TEST(UniqueGroups, RepeatedTypesInSizeOrder) {
  Session s;
  analysedBlock({"abc", "a", "abc", "b", "abc", "a"});
  EXPECT_EQ(ANA.UNIQUEGROUPSCOUNT, 1);
  EXPECT_EQ(list(ANA.UNIQUEGROUPSTANK, 1), (Groups{"b"}));
  EXPECT_EQ(list(ANA.NONUNIQUEGROUPSTANK, 5), (Groups{"abc", "a", "abc", "abc", "a"}));
  EXPECT_EQ(list(ANA.NONUNIQUEGROUPSTYPESTANK, 2), (Groups{"a", "abc"}));
  EXPECT_EQ(typeFrequencies(), (std::vector<int32_t>{2, 3}));
  EXPECT_EQ(ANA.NONUNIQUEHIFREQ, 3);
  EXPECT_EQ(ANA.NONUNIQUELOFREQ, 2);
  EXPECT_EQ(ANA.NONTOUNIQUETYPESRATIO, 2.0f);
  EXPECT_EQ(list(ANA.GBLOKVOCABTANK, 3), (Groups{"b", "a", "abc"}));
  EXPECT_EQ(ANA.BLOKVOCABRATIO, 0.5f);
}

TEST(UniqueGroups, AllEqualAllDifferentAndCase) {
  Session s;
  analysedBlock({"xy", "xy", "xy", "xy"});
  EXPECT_EQ(ANA.UNIQUEGROUPSCOUNT, 0);
  EXPECT_EQ(ANA.UNIQUEGROUPSPERCENTAGE, 0.0f);
  EXPECT_EQ(ANA.NONTOUNIQUETYPESRATIO, 0.0f);
  EXPECT_EQ(ANA.NONUNIQUEGROUPSTYPECOUNT, 1);
  EXPECT_EQ(typeFrequencies(), (std::vector<int32_t>{4}));

  analysedBlock({"ccc", "a", "bb", "Ab", "ab"});
  EXPECT_EQ(ANA.UNIQUEGROUPSCOUNT, 5);
  EXPECT_EQ(ANA.UNIQUEGROUPSPERCENTAGE, 100.0f);
  EXPECT_EQ(list(ANA.UNIQUEGROUPSTANK, 5), (Groups{"a", "bb", "Ab", "ab", "ccc"}));
  EXPECT_EQ(ANA.NONUNIQUEGROUPSCOUNT, 0);
  EXPECT_EQ(ANA.NONUNIQUEGROUPSTYPECOUNT, 0);
  EXPECT_EQ(ANA.NONUNIQUEHIFREQ, 0);
  EXPECT_EQ(ANA.NONUNIQUELOFREQ, 0);
  EXPECT_EQ(ANA.NONTOUNIQUETYPESRATIO, 0.0f);
  EXPECT_EQ(ANA.VOCABN, 5);
}

// Blocks with many repeats, drawn from a small pool of groups.
TEST(UniqueGroups, HashingKeepsThePairwiseOrders) {
  Session s;
  const Groups pool = {"a", "b", "ab", "ba", "abc", "q", "zz", "aa", "abcd", "x", "yy", "bab", "c", "dd", "e"};
  uint32_t r = 7;
  for (int block = 0; block < 200; ++block) {
    Groups groups;
    size_t n = 2 + (r % 60);
    size_t variety = 2 + static_cast<size_t>(block) % (pool.size() - 1);  // fewer kinds, more repeats
    for (size_t i = 0; i < n; ++i) {
      r = r * 1103515245u + 12345u;
      groups.push_back(pool[(r >> 16) % variety]);
    }
    analysedBlock(groups);
    Pairwise p = pairwise(groups);
    ASSERT_EQ(list(ANA.UNIQUEGROUPSTANK, ANA.UNIQUEGROUPSCOUNT), p.unique) << block;
    ASSERT_EQ(list(ANA.NONUNIQUEGROUPSTANK, ANA.NONUNIQUEGROUPSCOUNT), p.nonUnique) << block;
    ASSERT_EQ(list(ANA.NONUNIQUEGROUPSTYPESTANK, ANA.NONUNIQUEGROUPSTYPECOUNT), p.types) << block;
    ASSERT_EQ(typeFrequencies(), p.frequencies) << block;
    ASSERT_EQ(list(ANA.GBLOKVOCABTANK, ANA.VOCABN), p.vocabulary) << block;
  }
}

TEST(VocabularySymbols, AlphabetCountsAndRanks) {
  Session s;
  analysedBlock({"ka", "mo", "ka", "te"});
  COUNTSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  EXPECT_EQ(ANA.GBLOKVOCABALPHABETWORD, "aekmot");
  EXPECT_EQ(ANA.GBLOKVOCABALPHABETSYMBOLSN, 6);
  EXPECT_EQ(ANA.GBLOKVOCABSYMBOLSTANK('k'), "k");
  EXPECT_EQ(ANA.GBLOKVOCABSYMBOLSTANK('b'), "");
  EXPECT_EQ(ANA.GBLOKVOCABSYMBOLSFREQSTANK('k'), 1);
  EXPECT_EQ(ANA.GBVSMAXFREQ, 1);
  EXPECT_EQ(ANA.GBVSMINFREQ, 1);
  EXPECT_EQ(rankedAlphabet(), "aekmot");
  EXPECT_EQ(SYMBOLFREQFRACTION('k'), 0.125f);  // over the 8 characters of the block

  analysedBlock({"aab", "b", "b"});
  COUNTSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  EXPECT_EQ(ANA.GBLOKVOCABSYMBOLSFREQSTANK('a'), 2);
  EXPECT_EQ(ANA.GBLOKVOCABSYMBOLSFREQSTANK('b'), 2);  // "b" counts once: it is listed once
  EXPECT_EQ(ANA.GBVSYMBSFREQSRANKSTANK('a'), 1);
  EXPECT_EQ(ANA.GBVSYMBSFREQSRANKSTANK('b'), 2);

  analysedBlock({"zzzy", "yx!", "\x01z", "\xe9x"});
  COUNTSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  EXPECT_EQ(ANA.GBLOKVOCABALPHABETWORD, "!xyz\xe9");  // code 1 takes no part
  EXPECT_EQ(rankedAlphabet(), "zxy!\xe9");
  EXPECT_EQ(ANA.GBVSMAXFREQ, 4);
  EXPECT_EQ(ANA.GBVSMINFREQ, 1);
  EXPECT_EQ(ANA.GBVSYMBSFREQSRANKSTANK(1), 0);

  CLEARSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  EXPECT_EQ(ANA.GBLOKVOCABALPHABETSYMBOLSN, 0);
  EXPECT_EQ(ANA.GBLOKVOCABSYMBOLSFREQSTANK('z'), 0);
  EXPECT_EQ(ANA.GBVSYMBSFREQSRANKSTANK('z'), 0);
  EXPECT_EQ(ANA.GBLOKVOCABSYMBOLSTANK('z'), "");
}
