// The generator chaos functions: their own state, GCF4 on GCF1's parameters,
// the map route to a list row, and the look at the cancel hook.
#include <vector>

#include <gtest/gtest.h>

#include "blockgen/generatorchaos.hpp"
#include "chaosrun/chaosfunction.hpp"
#include "state/blockgenstate.hpp"
#include "state/symbolsstate.hpp"
#include "support.hpp"
#include "symbols/mapscan.hpp"

namespace {

struct Stream {
  double Y;
  int32_t IT = 0, IG = 0, CYCS = 11;
  double K;
  int32_t IM;
  Stream(double X, double K_, int32_t IM_) : Y(static_cast<double>((static_cast<long double>(X) * K_) * (1.0L - X))), K(K_), IM(IM_) {}
  int32_t next() {
    chaosDraw({Y, IT, IG, CYCS}, K, 2.0f, 2.0f, IM, 0);
    return IG;
  }
};

void specs() {
  GEN.K1 = 4.0; GEN.X1 = 0.123;
  GEN.K2 = 3.95; GEN.X2 = 0.456;
  GEN.K3 = 3.9; GEN.X3 = 1e-15;
  GEN.HIGROUPSIZE = 9;
  GEN.XHIBLOKSIZE = 1200;
  GEN.HIGHESTOKMAPINTEGER = 38;
}

std::vector<uint64_t> hookCallSteps;
int hookCallsBeforeStop = 0;
bool recordingHook() {
  hookCallSteps.push_back(MAPSTEPCOUNT);
  return static_cast<int>(hookCallSteps.size()) >= hookCallsBeforeStop && hookCallsBeforeStop > 0;
}

}  // namespace

TEST(GeneratorFunctions, EachKeepsItsOwnStream) {
  Session s;
  specs();
  INIT_GCF1_GCF2_GCF3();
  EXPECT_EQ(GEN.IM1, 38);
  EXPECT_EQ(GEN.IM2, 9);
  EXPECT_EQ(GEN.IM3, 1200);
  Stream symbols(GEN.X1, GEN.K1, 38), sizes(GEN.X2, GEN.K2, 9), slots(GEN.X3, GEN.K3, 1200);
  EXPECT_EQ(GEN.Y1, symbols.Y);
  for (int i = 0; i < 300; ++i) {
    // Interleaved in an irregular pattern: no function disturbs another.
    if (i % 3 != 1) {
      ASSERT_TRUE(GENERATEBLOKVECTOR());
      ASSERT_EQ(GEN.BLOKVECTOR, slots.next()) << i;
    }
    ASSERT_TRUE(GENERATEPROTOGROUPSIZE());
    ASSERT_EQ(GEN.PROTOGROUPSIZE, sizes.next()) << i;
    if (i % 5 == 0) {
      ASSERT_TRUE(GENERATESYMBOLSVECTOR());
      ASSERT_EQ(GEN.SYMBOLSVECTOR, symbols.next()) << i;
    }
  }
}

TEST(GeneratorFunctions, MapRouteWithTheDefaultMapRepeatsTheDirectSymbols) {
  Session s;
  specs();
  GEN.A4 = 3.0f;  // never used: GCF4 steps with A1 and B1
  GEN.B4 = 7.0f;
  INIT_GCF1_GCF2_GCF3();
  INIT_GCF4();
  EXPECT_EQ(GEN.Y4, GEN.Y1);
  EXPECT_EQ(GEN.IM4, 38);
  std::vector<int32_t> direct, mapped;
  for (int i = 0; i < 500; ++i) {
    ASSERT_TRUE(GENERATESYMBOLSVECTOR());
    direct.push_back(GEN.SYMBOLSVECTOR);
    ASSERT_TRUE(GENERATESYMBOLSMAPINTEGER());
    GENERATESYMBOLSVECTORFROMSYMBOLSMAPINTEGER();
    mapped.push_back(GEN.SYMBOLSVECTOR);
  }
  EXPECT_EQ(direct, mapped);
}

TEST(GeneratorFunctions, TwoSizesOnlyEverGiveOne) {
  Session s;
  specs();
  GEN.HIGROUPSIZE = 2;
  INIT_GCF1_GCF2_GCF3();
  for (int i = 0; i < 1000; ++i) {
    ASSERT_TRUE(GENERATEPROTOGROUPSIZE());
    ASSERT_EQ(GEN.PROTOGROUPSIZE, 1);
  }
}

TEST(GeneratorFunctions, MapIntegerNotFoundFromTheResumePoint) {
  Session s;
  SYMB.MAPSCANRESUMEPOINT = "L";
  RESETMAPSCANRESUMEPOINT();
  GEN.SYMBOLSMAPINTEGER = 10;
  GENERATESYMBOLSVECTORFROMSYMBOLSMAPINTEGER();
  EXPECT_EQ(GEN.SYMBOLSVECTOR, 10);
  EXPECT_EQ(SYMB.RESUMEMAPROWSTART, 11);
  GEN.SYMBOLSMAPINTEGER = 3;
  GENERATESYMBOLSVECTORFROMSYMBOLSMAPINTEGER();
  EXPECT_EQ(GEN.SYMBOLSVECTOR, 0);
  EXPECT_EQ(SYMB.RESUMEMAPROWSTART, 1);
  EXPECT_EQ(SYMB.RESUMEMAPCOLSTART, 1);
}

TEST(CancelLook, AFunctionThatNeverAcceptsCanBeStopped) {
  Session s;
  specs();
  GEN.X1 = 0.5;  // K1 = 4: the orbit falls to 0, every candidate is 1
  INIT_GCF1_GCF2_GCF3();
  hookCallSteps.clear();
  hookCallsBeforeStop = 3;
  GEN.CANCELHOOK = recordingHook;
  RESETCANCELLOOK();
  uint64_t before = MAPSTEPCOUNT;
  EXPECT_FALSE(GENERATESYMBOLSVECTOR());
  EXPECT_EQ(hookCallSteps.size(), 3u);
  // 5,000 rejected candidates between looks, of at most 12 steps each.
  EXPECT_LE(MAPSTEPCOUNT - before, 3u * CANCELLOOKSTEPS * 12);
}

TEST(CancelLook, AskedRegularlyAndWithoutChangingADraw) {
  Session s;
  specs();
  INIT_GCF1_GCF2_GCF3();
  Stream reference(GEN.X1, GEN.K1, 38);
  hookCallSteps.clear();
  hookCallsBeforeStop = 0;  // never stops
  GEN.CANCELHOOK = recordingHook;
  RESETCANCELLOOK();
  uint64_t start = MAPSTEPCOUNT;
  for (int i = 0; i < 100000; ++i) {
    ASSERT_TRUE(GENERATESYMBOLSVECTOR());
    ASSERT_EQ(GEN.SYMBOLSVECTOR, reference.next());
  }
  ASSERT_GT(hookCallSteps.size(), 10u);
  uint64_t previous = start;
  for (uint64_t at : hookCallSteps) {
    EXPECT_GE(at - previous, static_cast<uint64_t>(CANCELLOOKSTEPS));
    EXPECT_LT(at - previous, 2u * CANCELLOOKSTEPS);
    previous = at;
  }
}
