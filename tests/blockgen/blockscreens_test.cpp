// The block menu and the progress monitor on the screen model: texts,
// positions and colours (P = 14, KX = 35).
#include <gtest/gtest.h>

#include "blockgen/blockconsole.hpp"
#include "blockgen/blockscreens.hpp"
#include "blockgen/generation.hpp"
#include "blockgen/generationsetup.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "support.hpp"

namespace {

std::string cells(int r, int from, int count) { return cellsOf(con::screen(), r, from, count); }

void activate(std::initializer_list<int> sizes) {
  for (int s : sizes) GEN.ACTIVEGROUPSIZESTANK(s) = 1;
}

const std::string MENULINE10 =
    " (H) Generate  (I) Gen. single-step  (C) 32 0 Sep_Codes  (T) N #* Para-Trig  (W) N 38  Use symbols-map? (F) Freqs";

}  // namespace

TEST(BlockMenuScreen, StartValues) {
  Session s;
  con::cls();
  BLOKOFGROUPSMAINMENU();
  EXPECT_EQ(s.row(1), "");
  EXPECT_EQ(s.row(2), " PLOMAR : CHAOTIC GROUPS  *  A sequence of groups is chaotically generated to specifications.  (*)");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.VLCOLOR);
  EXPECT_EQ(s.colorAt(2, 11), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 96), SHELL.WBCOLOR);  // "(*)"
  EXPECT_EQ(s.row(3), " The program does not check, so if you command an impossible sequence, say groups of maximum length 4,");
  EXPECT_EQ(s.row(5), " Hence possibly-but-not-necessarily-impossible setups may be explored. Abort with the ESC key.");
  EXPECT_EQ(s.row(6), " Pause with P key. Narrower V ranges especially increase computation time.  (o)(k) more info");
  EXPECT_EQ(s.colorAt(6, 78), SHELL.WGCOLOR);
  EXPECT_EQ(s.row(7), "");

  EXPECT_EQ(cells(8, 90, 20), "OK-to-proceed flags:");
  EXPECT_EQ(s.colorAt(8, 90), SHELL.TQCOLOR);
  EXPECT_EQ(s.row(9), " (B) Block-size range  (G) Group-size activate  (V) Average-Group-size range  (X) Kn and Xn"
                      "     0 0 0 0");
  EXPECT_EQ(s.colorAt(9, 3), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(9, 6), SHELL.NCOLOR);
  for (int c = 96; c <= 103; ++c) EXPECT_EQ(s.colorAt(9, c), SHELL.BLCOLOR) << c;
  EXPECT_EQ(s.row(10), MENULINE10);
  EXPECT_EQ(s.colorAt(10, 105), SHELL.YLCOLOR);  // "(" of "(F)"
  EXPECT_EQ(s.colorAt(10, 106), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(10, 107), SHELL.YLCOLOR);
  EXPECT_EQ(s.row(11), " (K/f) Show groups   (M) Show mirrored  (R) Y Real-time Monitor  (S) Save  (U) Vocabularies"
                       "  (D) Dir  (E) Exit");
  EXPECT_EQ(s.colorAt(11, 22), SHELL.RDCOLOR);
  EXPECT_EQ(s.colorAt(11, 23), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(11, 24), SHELL.RDCOLOR);
  EXPECT_EQ(con::cursorRow(), 10);  // after the flags' line end
  EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);
}

TEST(BlockMenuScreen, FlagsAndSettingsFollowTheState) {
  Session s;
  GEN.OKTOMAKEGROUPSFLAG1 = 1;
  GEN.OKTOMAKEGROUPSFLAG3 = 1;
  GEN.GROUPSEPCODE1 = 13;
  GEN.GROUPSEPCODE2 = 10;
  GEN.PARAGRFDOFLAG = "Y";
  GEN.PARAGRFSTARTSYMBOL = "a";
  GEN.PARAGRFENDSYMBOL = "b";
  GEN.USESYMBOLSMAPFLAG = "Y";
  GEN.HIGHESTOKMAPINTEGER = 500;
  TOGLRTMONITOR();
  GEN.BDSTATUSCOLOR = SHELL.VLCOLOR;
  con::cls();
  BLOKOFGROUPSMAINMENU();
  EXPECT_EQ(cells(9, 96, 8), " 1 0 1 0");
  EXPECT_EQ(s.colorAt(9, 97), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(9, 99), SHELL.BLCOLOR);
  EXPECT_EQ(s.colorAt(9, 101), SHELL.GNCOLOR);
  EXPECT_NE(s.row(10).find("  (C) 13 10 Sep_Codes  (T) Y ab Para-Trig  (W) Y 500  Use symbols-map? (F) Freqs"),
            std::string::npos);
  EXPECT_NE(s.row(11).find("(R) N Real-time Monitor"), std::string::npos);
  EXPECT_EQ(s.colorAt(2, 96), SHELL.VLCOLOR);
}

TEST(MonitorSwitch, ToggleAndNotice) {
  Session s;
  TOGLRTMONITOR();
  EXPECT_EQ(GEN.RT_MONITORFLAG, 0);
  EXPECT_EQ(GEN.RT_MONITORYORN, "N");
  TOGLRTMONITOR();
  EXPECT_EQ(GEN.RT_MONITORYORN, "Y");
  RTMONITOROFFNOTICE();
  EXPECT_EQ(s.row(29), " The Real-time Monitor is OFF : generating is now much faster. Use Pause to check on progress.");
  EXPECT_EQ(s.colorAt(29, 2), SHELL.RDCOLOR);
  EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);
}

TEST(ProgressMonitor, LabelsRangesAndChaosValues) {
  Session s;
  GEN.LOBLOKSIZE = 20;
  GEN.HIBLOKSIZE = 30;
  GEN.LOGROUPSIZE = 3;
  GEN.HIGROUPSIZE = 21;
  GEN.LOAVGGROUPSIZE = 4;
  GEN.HIAVGGROUPSIZE = 5.5f;
  GEN.K1 = 4;    GEN.X1 = 0.1;
  GEN.K2 = 3.4;  GEN.X2 = 1;
  GEN.K3 = 3.5;  GEN.X3 = 1e-15;
  activate({3, 4, 5, 6, 12, 21});
  con::cls();
  SCRNSHOWGROUPSBLOKPROGRESSA();

  EXPECT_EQ(cells(14, 1, 24), " Generating in progress:");
  EXPECT_EQ(s.colorAt(14, 2), SHELL.GNCOLOR);
  EXPECT_EQ(cells(14, 63, 47), "Activated group sizes (need min. 2 to generate)");
  EXPECT_EQ(s.colorAt(14, 63), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(14, 85), SHELL.WGCOLOR);
  EXPECT_EQ(cells(16, 1, 18), " B range:  20 - 30");
  EXPECT_EQ(cells(17, 1, 21), " groups generated  = ");
  EXPECT_EQ(cells(19, 1, 17), " G range:  3 - 21");
  EXPECT_EQ(cells(20, 1, 21), " last group's size = ");
  EXPECT_EQ(cells(21, 1, 21), " last gen. group   = ");
  EXPECT_EQ(cells(23, 1, 18), " V range:  4 - 5.5");
  EXPECT_EQ(cells(24, 1, 21), " current average   = ");

  // K outside 3.5..4 and X outside the open interval 0..1 in WRCOLOR.
  const std::pair<int, std::string> values[] = {{15, "K1 =  4"},   {16, "X1 =  0.1"}, {17, "K2 =  3.4"},
                                                {18, "X2 =  1"},   {19, "K3 =  3.5"}, {20, "X3 =  1.e-015"}};
  for (const auto& [row, text] : values) EXPECT_EQ(cells(row, 35, static_cast<int>(text.size())), text);
  EXPECT_EQ(s.colorAt(15, 35), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(17, 35), SHELL.WRCOLOR);
  EXPECT_EQ(s.colorAt(17, 41), SHELL.WRCOLOR);
  EXPECT_EQ(s.colorAt(18, 35), SHELL.WRCOLOR);
  EXPECT_EQ(s.colorAt(19, 35), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(20, 35), SHELL.NCOLOR);

  // Size labels: 1..10 at column 65, 11..20 at 77, 21..31 at 89.
  EXPECT_EQ(cells(22, 65, 3), " 7:");
  EXPECT_EQ(s.colorAt(22, 66), SHELL.WBCOLOR);
  EXPECT_EQ(cells(18, 65, 3), " 3:");
  EXPECT_EQ(s.colorAt(18, 66), SHELL.GNCOLOR);
  EXPECT_EQ(cells(17, 77, 3), "12:");
  EXPECT_EQ(s.colorAt(17, 77), SHELL.GNCOLOR);
  EXPECT_EQ(cells(16, 89, 3), "21:");
  EXPECT_EQ(s.colorAt(16, 89), SHELL.GNCOLOR);
  EXPECT_EQ(cells(26, 89, 3), "31:");
  EXPECT_EQ(s.colorAt(26, 89), SHELL.WBCOLOR);
  EXPECT_EQ(cells(25, 44, 13), "Total Symbols");
  EXPECT_EQ(s.colorAt(25, 44), SHELL.YLCOLOR);
  EXPECT_EQ(cells(27, 58, 22), "Total unique groups = ");
  EXPECT_EQ(s.colorAt(27, 58), SHELL.TQCOLOR);
  EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);
}

TEST(ProgressMonitor, NumbersInTheirFieldsWipedAndBlanked) {
  Session s;
  activate({3, 4, 5, 12, 21});
  GEN.ACTIVEGROUPSIZESCOUNTSTANK(3) = 7;
  GEN.ACTIVEGROUPSIZESCOUNTSTANK(5) = 11;
  GEN.ACTIVEGROUPSIZESCOUNTSTANK(12) = 100;
  GEN.ACTIVEGROUPSIZESCOUNTSTANK(21) = 3;
  GEN.ACTIVEGROUPSIZESCOUNTSTANK(30) = 99;  // not activated: not shown
  GEN.PROGRESSINDICATOR = 1234567;
  GEN.PROTOGROUP = std::string(31, 'w');
  GEN.AVGGROUPSIZE = 12.34567f;
  GEN.BLOKGROUPSGRANDSIZE = 5678;
  ANA.UNIQUEGROUPSCOUNT = 10;
  ANA.UNIQUEGROUPSPERCENTAGE = 12.5f;
  SCRNSHOWGROUPSBLOKPROGRESSB();
  EXPECT_EQ(cells(27, 79, 11), " 10  12.5 %");
  EXPECT_EQ(s.colorAt(27, 80), SHELL.TQCOLOR);
  EXPECT_EQ(con::cursorRow(), 27);
  EXPECT_EQ(con::cursorColumn(), 90);

  // Shorter numbers blank what the longer ones left.
  GEN.PROGRESSINDICATOR = 25;
  GEN.PROTOGROUPSIZE = 5;
  GEN.PROTOGROUP = "abcde";
  GEN.AVGGROUPSIZE = 4.5f;
  GEN.GENERATINGBLOKINPROGRESSFLAG = 1;  // the unique groups stay as they are
  ANA.UNIQUEGROUPSCOUNT = 99;
  SCRNSHOWGROUPSBLOKPROGRESSB();
  EXPECT_EQ(cells(17, 22, 13), " 25" + std::string(10, ' '));
  EXPECT_EQ(cells(20, 22, 13), " 5" + std::string(11, ' '));
  EXPECT_EQ(cells(21, 22, 31), "abcde" + std::string(26, ' '));
  EXPECT_EQ(s.colorAt(21, 22), SHELL.TQCOLOR);
  EXPECT_EQ(cells(24, 22, 13), " 4.5" + std::string(9, ' '));
  EXPECT_EQ(cells(18, 68, 6), " 7    ");
  EXPECT_EQ(s.colorAt(18, 69), SHELL.NCOLOR);
  EXPECT_EQ(cells(19, 68, 6), " 0    ");
  EXPECT_EQ(cells(20, 68, 6), " 11   ");
  EXPECT_EQ(cells(17, 80, 6), " 100  ");
  EXPECT_EQ(cells(16, 92, 6), " 3    ");
  EXPECT_EQ(cells(25, 92, 6), "      ");  // size 30
  EXPECT_EQ(cells(26, 47, 13), " 5678        ");
  EXPECT_EQ(s.colorAt(26, 48), SHELL.YLCOLOR);
  EXPECT_EQ(cells(27, 79, 11), " 10  12.5 %");
  EXPECT_EQ(con::cursorRow(), 26);
  EXPECT_EQ(con::cursorColumn(), 52);
  EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);

  WIPEOLDPROGRESSNUMBERSFMSCRN();
  for (int r : {17, 20, 24}) EXPECT_EQ(cells(r, 22, 13), std::string(13, ' ')) << r;
  EXPECT_EQ(cells(21, 22, 31), std::string(31, ' '));
  for (int r = 16; r <= 26; ++r)
    for (int col : {68, 80, 92}) EXPECT_EQ(cells(r, col, 6), std::string(6, ' ')) << r << ", " << col;
  EXPECT_EQ(cells(26, 47, 11), std::string(11, ' '));
  EXPECT_EQ(cells(27, 79, 26), std::string(26, ' '));
}

// During a generation a pass paints only the numbers that changed; the screen
// must still show what a full repaint shows.
TEST(ProgressMonitor, ChangedNumbersShowWhatAFullRepaintShows) {
  Session s;
  applySetup({.loBlock = 30, .hiBlock = 40, .activeSizes = {1, 2, 3, 4, 5, 6, 7, 8}, .loAvg = 6.0f, .hiAvg = 6.2f});
  con::cls();
  STARTBLOKGENERATION();
  WIPEOLDPROGRESSNUMBERSFMSCRN();
  SCRNSHOWGROUPSBLOKPROGRESSA();
  int removals = 0;
  for (int pass = 1; pass <= 400; ++pass) {
    GenAdvance a = ADVANCEBLOKGENERATION();
    ASSERT_NE(a, GenAdvance::Cancelled);
    removals += a == GenAdvance::Removed;
    REPAINTCHANGEDPROGRESSNUMBERS();
    if (pass % 5 == 0 || a == GenAdvance::Complete) {
      con::ScreenModel changed = con::screen();
      SCRNSHOWGROUPSBLOKPROGRESSB();
      for (int r = 14; r <= 27; ++r) ASSERT_EQ(changed.rowText(r), s.row(r)) << "pass " << pass << " row " << r;
      ASSERT_EQ(changed.row(), con::cursorRow());
      ASSERT_EQ(changed.col(), con::cursorColumn());
    }
    if (a == GenAdvance::Complete) break;
  }
  EXPECT_GT(removals, 0);
}

// What a pass writes: the one count that changed, never an unchanged size.
TEST(ProgressMonitor, APassWritesOnlyTheChangedFields) {
  BlockConsole c;
  applySetup(GenSetup{});
  STARTBLOKGENERATION();
  WIPEOLDPROGRESSNUMBERSFMSCRN();
  SCRNSHOWGROUPSBLOKPROGRESSA();
  con::flush();
  ASSERT_EQ(ADVANCEBLOKGENERATION(), GenAdvance::Stored);
  REPAINTCHANGEDPROGRESSNUMBERS();  // the first pass fills every field
  con::flush();
  int32_t lastSize = GEN.PROTOGROUPSIZE;
  for (int pass = 2; pass <= 15; ++pass) {
    ASSERT_EQ(ADVANCEBLOKGENERATION(), GenAdvance::Stored);
    size_t before = c.flushes().size();
    REPAINTCHANGEDPROGRESSNUMBERS();
    con::flush();
    ASSERT_EQ(c.flushes().size(), before + 1);
    const std::string& written = c.flushes().back();
    size_t countFields = 0;
    for (const char* column : {";68H", ";80H", ";92H"}) countFields += occurrences(written, column);
    EXPECT_EQ(countFields, 1u) << "pass " << pass << ": " << written;
    bool sizeWritten = written.find("\x1b[20;22H") != std::string::npos;
    EXPECT_EQ(sizeWritten, GEN.PROTOGROUPSIZE != lastSize) << "pass " << pass;
    lastSize = GEN.PROTOGROUPSIZE;
  }
}
