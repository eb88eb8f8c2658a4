#include <gtest/gtest.h>

#include "blockanalysis/reports.hpp"
#include "state/symbolsstate.hpp"
#include "support.hpp"

TEST(ReferenceNumbers, FirstPositionInTheReferenceList) {
  Session s;
  EXPECT_EQ(referenceNumber('_'), 1);
  EXPECT_EQ(referenceNumber('e'), 2);
  EXPECT_EQ(referenceNumber('t'), 3);
  EXPECT_EQ(referenceNumber('*'), 38);
  EXPECT_EQ(referenceNumber('Q'), 39);
  SYMB.REFERENCESYMBOLSTANK(30) = 'e';
  EXPECT_EQ(referenceNumber('e'), 2);
  SYMB.SYMBOLSTANK(2) = 'z';  // the symbols list itself plays no part
  EXPECT_EQ(referenceNumber('e'), 2);
}
