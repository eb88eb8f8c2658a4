// "S": the run report file and its dialogue.
#include <filesystem>

#include <gtest/gtest.h>

#include "chaosrun/chaosrun.hpp"
#include "shell/shell.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "support.hpp"

namespace {

// run() sets up the run 3, 1, 2, 3 with IM = 3 (average 2.25) made with K = 4
// from X = 0.3.
class RunReport : public SessionTest {
 protected:
  void run() {
    RUN.K = 4.0;
    RUN.X = 0.3;
    setRun(3, {3, 1, 2, 3});
  }
};

// Integer 2 maps to nothing, "t" has the active phantom "the", the scan goes
// row after row, and the map and phantoms come from named files.
void setSymbols() {
  for (int c = 1; c <= MAPCOLUMNS; ++c) SYMB.SYMBOLSMAPTANK(2, c) = 0;
  SYMB.PHANTOMNGRAPHSTANK(3) = "the";
  SYMB.PHANTOMNGRAPHSSTATUSTANK(3) = 1;
  SYMB.MAPSCANDIRECTION = "R";
  SYMB.SYMBMAPDFILENAME = "aMAP.TXT";
  SYMB.PHANTOMSSETDFILENAME = "bPHNTM.TXT";
}

// The report of the run 3, 1, 2, 3 with IM = 3, worked out by hand.
std::string expectedReport(const std::string& name) {
  std::string e;
  auto line = [&e](const std::string& text) { e += text + "\r\n"; };
  line("");
  line(" V1.1");
  line("");
  line(std::string(" PLOMAR Chaotically generated groups program * ") + AUTHORSHIPNOTICE);
  line("");
  line(" Chaos-function 1 (chaotic at K=4.0):   Y -> X    Y = K * X * ( 1 - X )");
  line(" Btwn successive integer outputs, the fct is variously cycled.");
  line("");
  line("");
  line(" K =  4");
  line(" seed X =  0.3");
  line(" maximum possible integer =  3");
  line(" number of generated integers =  4");
  line(" Average of this run =  2.25");
  line("");
  line("");
  line(" INTEGERS SEQUENCE of this run in 3 different formats :");
  line("");
  line("");
  line("(( 3 )) (( 1 ))  2 (( 3 )) ");
  line("");
  line("1:  3 +");
  line("2:  1 -");
  line("3:  2");
  line("4:  3 +");
  line("");
  line("");
  line("3");
  line("1");
  line("2");
  line("3");
  line("");
  line("");
  line(" FREQUENCIES");
  line("");
  line(" (Freqs. accurate only for integers, incl. index; symbols listed for convenience)");
  line("");
  line("");
  line(" Min/Max Frequency Ratio =  0.5");
  line("");
  line("");
  line(" Int: Symb Freq Freq%");
  line("");
  line(" 01:   _   1   25");
  line(" 02:   e   1   25");
  line(" 03:   t   2   50");
  line("");
  line("");
  line(" INTEGERS MAPPED TO SYMBOLS AND N-GRAPH PHANTOMS");
  line("");
  line(" last Symbols-map  filename : aMAP.TXT");
  line(" last Phantoms-set filename : bPHNTM.TXT");
  line(" Map-scan direction priority: R");
  line(" Map-scan resume point: B");
  line("");
  line("");
  line(" FORWARD  sequence :");
  line("");
  line(std::string("the_\0the", 8));
  line("");
  line("");
  line(" REVERSED  sequence :");
  line("");
  line(std::string("eht\0_eht", 8));
  line("");
  line("");
  line(" eof: " + name);
  line(std::string(50, '-'));
  return e;
}

}  // namespace

TEST_F(RunReport, WritesEveryLineOfTheRun) {
  run();
  setSymbols();
  RUN.SEQDIRFLAG = "Rev";  // both sequences are written whatever the direction
  s.type("t1\n ");
  SAVECHAOSRUN();
  EXPECT_EQ(dir.read("t1CGR.txt"), expectedReport("t1CGR.txt"));
  EXPECT_EQ(SHELL.DFILENAME, "t1CGR.txt");
  // The report leaves the frequencies and the symbols of this run behind.
  EXPECT_EQ(RUN.CF1FREQSTANK(3), 2);
  EXPECT_EQ(RUN.MINMAXFREQRATIO, 0.5f);
  EXPECT_EQ(SYMB.SYMBOLSSEQUENCETANK(3), '\0');
  EXPECT_EQ(RUN.SAVERUNFREQSFLAG, 0);
  EXPECT_EQ(SYMB.SAVERUNMAKESYMBSSEQFLAG, 0);
}

TEST_F(RunReport, Dialogue) {
  run();
  SHELL.KS = 'S';
  s.type("run 1\nx");
  SAVECHAOSRUN();
  EXPECT_EQ(s.row(1), "");
  EXPECT_EQ(s.row(2), " This run will be saved as a .txt file in current directory.");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.YLCOLOR);
  EXPECT_EQ(s.row(3), "");
  EXPECT_EQ(s.row(4), " Enter a valid filename prefix for  prefixCGR.txt : run 1");
  EXPECT_EQ(s.colorAt(4, 2), SHELL.YLCOLOR);
  EXPECT_EQ(s.row(5), "");  // from the silent mapping
  EXPECT_EQ(s.row(6), "Done !    Press a key to continue");
  EXPECT_EQ(s.colorAt(6, 1), SHELL.GNCOLOR);
  EXPECT_EQ(con::cursorRow(), 7);
  EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);
  EXPECT_EQ(SHELL.GBKS, 'x');
  EXPECT_EQ(SHELL.KS, 'S');
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "run 1CGR.txt"));
}

TEST_F(RunReport, NothingBeforeARun) {
  s.type("t1\n ");
  SAVECHAOSRUN();
  EXPECT_EQ(s.output(), "");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(RunReport, AFileThatCannotBeCreatedChangesNothing) {
  run();
  s.type("no/such/dir/t\n ");
  SAVECHAOSRUN();
  EXPECT_NE(s.output().find(" cannot create: no/such/dir/tCGR.txt"), std::string::npos);
  EXPECT_EQ(s.output().find("Done"), std::string::npos);
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(RUN.CF1FREQPERCENTSTANK.hi(), 100);  // as sized at start: "F" never ran
  EXPECT_EQ(SYMB.SYMBOLSSEQUENCETANK.hi(), 1015777);
}

TEST_F(RunReport, AFailedWriteIsReportedAndTheTablesRestored) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  run();
  std::filesystem::create_symlink("/dev/full", dir.path() / "fullCGR.txt");
  s.type("full\n ");
  SAVECHAOSRUN();
  EXPECT_NE(s.output().find(" cannot create: fullCGR.txt"), std::string::npos);
  EXPECT_EQ(s.output().find("Done"), std::string::npos);
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(RUN.CF1FREQPERCENTSTANK.hi(), 100);
  EXPECT_EQ(RUN.MINMAXFREQRATIO, 0.0f);
  EXPECT_EQ(SYMB.SYMBOLSSEQUENCETANK.hi(), 1015777);
}
