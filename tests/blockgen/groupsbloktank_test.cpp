// The groups-block tank: recounts, the removal window, collection.
#include <algorithm>

#include <gtest/gtest.h>

#include "blockgen/generatorchaos.hpp"
#include "blockgen/groupsbloktank.hpp"
#include "chaosrun/chaosfunction.hpp"
#include "shell/files.hpp"
#include "state/blockgenstate.hpp"
#include "support.hpp"

using GroupsTank = SessionTest;

namespace {

void tankOf(int32_t slots) {
  GEN.XHIBLOKSIZE = slots;
  INIT_GROUPSBLOKTANK();
  RESETACTIVEGROUPSIZESCOUNTS();
}

void store(int32_t slot, const std::string& group) {
  STOREGROUPINBLOKTANK(slot, group, std::string(group.size(), 'e'));
  GEN.ACTIVEGROUPSIZESCOUNTSTANK(static_cast<long>(group.size())) += 1;
}

void storeAll(std::initializer_list<std::pair<int32_t, std::string>> groups) {
  for (const auto& [slot, group] : groups) store(slot, group);
}

// The lower bound of the average and the removal window of this pass.
void setWindow(float loAvg, int32_t lo, int32_t hi) {
  GEN.LOAVGGROUPSIZE = loAvg;
  GEN.LOBLOKVECTOR = lo;
  GEN.HIBLOKVECTOR = hi;
}

std::vector<int32_t> occupiedSlots() {
  std::vector<int32_t> slots;
  for (int32_t s = 1; s <= GEN.XHIBLOKSIZE; ++s)
    if (!GEN.GROUPSBLOKTANK(s).empty()) slots.push_back(s);
  return slots;
}

}  // namespace

TEST_F(GroupsTank, EmptyAndTheTwelveSlotExample) {
  GEN.BACKDOORACCESSFLAG = 1;
  ASSERT_TRUE(OPENBACKDOORRECORDFILE("xVGB.TXT"));
  tankOf(12);
  CONDXOFGROUPSBLOKTANK();
  EXPECT_EQ(GEN.PROGRESSINDICATOR, 0);
  EXPECT_EQ(GEN.BLOKGROUPSGRANDSIZE, 0);
  EXPECT_EQ(GEN.AVGGROUPSIZE, 0.0f);
  EXPECT_EQ(GEN.BACKDOORRECORDFILE->text(), "");

  STOREGROUPINBLOKTANK(3, "ab", "ab");
  STOREGROUPINBLOKTANK(7, "xyz", "xyz");
  CONDXOFGROUPSBLOKTANK();
  EXPECT_EQ(GEN.PROGRESSINDICATOR, 2);
  EXPECT_EQ(GEN.BLOKGROUPSGRANDSIZE, 5);
  EXPECT_EQ(GEN.AVGGROUPSIZE, 2.5f);
  ASSERT_TRUE(CLOSEBACKDOORRECORDFILE());
  EXPECT_EQ(dir.read("xVGB.TXT"), " 2.5\r\n");

  COLLECTGROUPSINBLOK();
  ASSERT_EQ(GEN.BLOKGROUPSTANK.hi(), 2);
  EXPECT_EQ(GEN.BLOKGROUPSTANK(1), "ab");
  EXPECT_EQ(GEN.BLOKGROUPSTANK(2), "xyz");
  EXPECT_EQ(GEN.IGNOREPHANTOMSBLOKGROUPSTANK(2), "xyz");
  EXPECT_EQ(GEN.MIRRORBLOKGROUPSTANK(1), "zyx");
  EXPECT_EQ(GEN.MIRRORBLOKGROUPSTANK(2), "ba");
  EXPECT_EQ(GEN.GROUPSBLOKTANK(7), "xyz");  // the tank stays as it was
}

TEST_F(GroupsTank, ReferenceFormsAreNotCut) {
  tankOf(4);
  std::string reference(40, 't');
  STOREGROUPINBLOKTANK(2, "the", reference);
  CONDXOFGROUPSBLOKTANK();
  COLLECTGROUPSINBLOK();
  EXPECT_EQ(GEN.IGNOREPHANTOMSBLOKGROUPSTANK(1), reference);
}

TEST(RemovalWindow, AverageTooLargeFreesEveryLongEnoughGroup) {
  Session s;
  tankOf(12);
  storeAll({{2, "abcd"}, {3, "ab"}, {4, "abc"}, {6, "abcde"}, {9, "a"}});
  CONDXOFGROUPSBLOKTANK();  // 15 / 5 = 3
  setWindow(1.5f, 3, 8);
  EXPECT_EQ(REMOVEGROUPSFMWINDOW(), 2);  // abc (equal to the average) and abcde
  EXPECT_EQ(occupiedSlots(), (std::vector<int32_t>{2, 3, 9}));
  EXPECT_EQ(GEN.ACTIVEGROUPSIZESCOUNTSTANK(3), 0);
  EXPECT_EQ(GEN.ACTIVEGROUPSIZESCOUNTSTANK(5), 0);
  EXPECT_EQ(GEN.ACTIVEGROUPSIZESCOUNTSTANK(4), 1);
  EXPECT_EQ(GEN.IGNOREPHANTOMSGROUPSBLOKTANK(6), "");
  EXPECT_EQ(GEN.AVGGROUPSIZE, 3.0f);  // no recount inside the pass
  CONDXOFGROUPSBLOKTANK();
  EXPECT_EQ(GEN.PROGRESSINDICATOR, 3);
  EXPECT_EQ(GEN.BLOKGROUPSGRANDSIZE, 7);
}

TEST(RemovalWindow, AverageTooSmallUsesTheAverageFromBeforeThePass) {
  Session s;
  tankOf(12);
  storeAll({{1, "ab"}, {2, "abc"}, {3, "a"}, {4, "abcdef"}});
  CONDXOFGROUPSBLOKTANK();  // 12 / 4 = 3
  setWindow(4.0f, 1, 3);
  // Freeing "ab" would lift the average above 3, yet "abc" goes too.
  EXPECT_EQ(REMOVEGROUPSFMWINDOW(), 3);
  EXPECT_EQ(occupiedSlots(), (std::vector<int32_t>{4}));

  store(5, "abcdefg");
  CONDXOFGROUPSBLOKTANK();  // 13 / 2 = 6.5
  setWindow(8.0f, 5, 12);
  EXPECT_EQ(REMOVEGROUPSFMWINDOW(), 0);  // free slots and one longer group: nothing
  EXPECT_EQ(occupiedSlots(), (std::vector<int32_t>{4, 5}));
}

// The removal replayed with a GCF3 of its own: windows are drawn in pairs
// until one narrower than LOBLOKSIZE frees a group.
TEST(Removal, RetriesCostTwoDrawsEach) {
  Session s;
  for (double x3 : {0.1, 0.2, 0.3, 0.4, 0.6, 0.7}) {
    tankOf(24);
    GEN.K1 = GEN.K2 = GEN.K3 = 3.99;
    GEN.X1 = GEN.X2 = 0.3;
    GEN.X3 = x3;
    GEN.HIGROUPSIZE = 9;
    INIT_GCF1_GCF2_GCF3();
    GEN.LOBLOKSIZE = 4;
    GEN.LOAVGGROUPSIZE = 5.0f;  // the average of 3 is too small
    storeAll({{2, "abcd"}, {9, "abcd"}, {15, "abcd"}, {16, "abcd"}, {20, "a"}});
    CONDXOFGROUPSBLOKTANK();
    double Y = GEN.Y3;
    int32_t IT = GEN.IT3, IG = GEN.IG3, CYCS = GEN.CYCS3;
    int32_t lo = 0, hi = 0, draws = 0;
    for (;;) {
      chaosDraw({Y, IT, IG, CYCS}, GEN.K3, 2.0f, 2.0f, 24, 0);
      lo = IG;
      chaosDraw({Y, IT, IG, CYCS}, GEN.K3, 2.0f, 2.0f, 24, 0);
      hi = IG;
      draws += 2;
      if (hi < lo) std::swap(lo, hi);
      if (hi - lo + 1 < 4 && lo <= 20 && 20 <= hi) break;  // only slot 20 qualifies
    }
    ASSERT_TRUE(REMOVEGROUPSFMBLOKTANK());
    EXPECT_GT(draws, 2) << "x3 " << x3;
    EXPECT_EQ(GEN.LOBLOKVECTOR, lo);
    EXPECT_EQ(GEN.HIBLOKVECTOR, hi);
    EXPECT_EQ(GEN.HILOBLOKVECTORSPAN, hi - lo + 1);
    EXPECT_EQ(GEN.Y3, Y);
    EXPECT_EQ(GEN.REMOVEDGROUPSCOUNT, 1);
    EXPECT_EQ(occupiedSlots(), (std::vector<int32_t>{2, 9, 15, 16}));
    EXPECT_EQ(GEN.PROGRESSINDICATOR, 4);
    EXPECT_EQ(GEN.AVGGROUPSIZE, 4.0f);
  }
}
