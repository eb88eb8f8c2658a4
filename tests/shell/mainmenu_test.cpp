// The main menu, its key readers and the small shared routines.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "shell/files.hpp"
#include "shell/shell.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "support.hpp"

using Directory = SessionTest;
using FileErrors = SessionTest;
using OutputFiles = SessionTest;

TEST(MainMenu, SignOnAndFirstMenuColours) {
  Session s;
  SIGNON();
  MAINMENU();
  EXPECT_EQ(s.row(2), "V1.1 PLOMAR (c) the PLOMAR authors * (chaotic at K=4.0):  Y -> X   Y = KX(1 - X)");
  EXPECT_EQ(s.colorAt(2, 6), SHELL.VLCOLOR);   // "PLOMAR"
  EXPECT_EQ(s.colorAt(2, 1), SHELL.NCOLOR);
  int more = s.findRow(" For more information ");
  ASSERT_GT(more, 0);
  EXPECT_EQ(s.row(more), " For more information (o)(k) see:  Wendmark  Vol. IV");
  EXPECT_EQ(s.colorAt(more, 23), SHELL.WGCOLOR);
  int menu = s.findRow(" [T]Fwd ");
  ASSERT_GT(menu, 0);
  EXPECT_EQ(s.colorAt(menu, 2), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(menu, 5), SHELL.BLCOLOR);  // "Fwd"
  int g = static_cast<int>(s.row(menu).find("{G}")) + 1;
  EXPECT_EQ(s.colorAt(menu, g), SHELL.GNCOLOR);
  int v = static_cast<int>(s.row(menu).find("|V|")) + 1;
  EXPECT_EQ(s.colorAt(menu, v), SHELL.BWCOLOR);
  EXPECT_EQ(s.row(menu + 2), " Note: Command-keys are case-sensitive");
  EXPECT_EQ(s.colorAt(menu + 2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(SHELL.SIGNONFLAG, 0);
}

TEST(MainMenu, ReversedDirectionShowsInRed) {
  Session s;
  SHELL.SIGNONFLAG = 0;
  RUN.SEQDIRFLAG = "Rev";
  MAINMENU();
  EXPECT_EQ(s.row(1).substr(0, 8), " [T]Rev ");
  EXPECT_EQ(s.colorAt(1, 5), SHELL.RDCOLOR);
}

TEST(MainMenu, InvalidKeysAreIgnoredSilently) {
  Session s;
  s.type("rx\x1bT");
  s.press(con::specialKey(72));
  s.type("TE");
  MAINLOOP();
  EXPECT_EQ(RUN.SEQDIRFLAG, "Fwd");  // "T" twice
  // Three menus: before the first T, before the second, before E.
  EXPECT_EQ(occurrences(s.output(), " Run: 0"), 3u);
}

TEST(MainMenu, KeyReadInsideACommandActsOnTheLaterCommands) {
  Session s;
  TempDir dir;
  // "D" pressed at the colour chart comes too late for the "D" comparison of
  // that pass; "E" pressed there ends the program in the same pass.
  s.type("*D*E");
  MAINLOOP();
  std::string out = s.output();
  EXPECT_EQ(out.find(" files"), std::string::npos);
  size_t secondChart = out.rfind("CF1 development test area");
  ASSERT_NE(secondChart, std::string::npos);
  EXPECT_EQ(out.find(" Run:", secondChart), std::string::npos);  // no menu after the last chart
  EXPECT_TRUE(s.keys().empty());
}

TEST(MainMenu, KeyReadersKeepTheirOwnKeys) {
  Session s;
  s.type("R");
  s.press(con::specialKey(80));
  GETAKEY();
  GBGETAKEY();
  EXPECT_EQ(SHELL.KS, 'R');
  EXPECT_EQ(SHELL.KSASC, 'R');
  EXPECT_EQ(SHELL.GBKSASC, con::specialKey(80));
  EXPECT_EQ(static_cast<unsigned char>(SHELL.GBKS), 255);
  SHELL.KS = 'r';
  CHECKGOTTENKEY();
  EXPECT_EQ(SHELL.GOTTENKEYFLAG, 0);
  SHELL.KS = '*';
  CHECKGOTTENKEY();
  EXPECT_EQ(SHELL.GOTTENKEYFLAG, 1);
}

TEST(MirrorString, ReversesText) {
  SHELL.VSTR0 = "abc";
  MIRRORSTRING();
  EXPECT_EQ(SHELL.MVSTR0, "cba");
  SHELL.VSTR0 = "";
  MIRRORSTRING();
  EXPECT_EQ(SHELL.MVSTR0, "");
}

TEST_F(Directory, ThreeNamesALineThenTheCount) {
  dir.write("delta.txt", "");
  dir.write("alpha.txt", "");
  dir.write("charlie-has-a-long-name.txt", "");
  dir.write("bravo.txt", "");
  dir.write(".hidden", "");
  dir.write("readonly.txt", "");
  chmod("readonly.txt", 0444);
  std::filesystem::create_directory(dir.path() / "subdir");
  SHOWDIRECTORY();
  EXPECT_EQ(s.row(1), "");
  EXPECT_EQ(s.row(2), "alpha.txt" + std::string(16, ' ') + "bravo.txt" + std::string(17, ' ') +
                          "charlie-has-a-long-name.txt");
  EXPECT_EQ(s.row(3), "delta.txt");
  EXPECT_EQ(s.row(4), "");
  EXPECT_EQ(s.row(5), " 4 files");
}

TEST_F(Directory, ALongNamePushesTheNextOntoANewLine) {
  dir.write("a-name-of-exactly-thirty-chars", "");
  dir.write("b.txt", "");
  SHOWDIRECTORY();
  EXPECT_EQ(s.row(2), "a-name-of-exactly-thirty-chars");
  EXPECT_EQ(s.row(3), std::string(25, ' ') + "b.txt");
}

TEST_F(FileErrors, CannotCreateIsReportedAndTheCommandGoesOn) {
  s.type("k");
  OutputFile f;
  EXPECT_FALSE(f.open("no-such-dir/x.txt"));
  int r = s.findRow("cannot create: no-such-dir/x.txt (No such file or directory)");
  ASSERT_GT(r, 0);
  EXPECT_EQ(s.colorAt(r, 2), SHELL.RDCOLOR);
  EXPECT_FALSE(std::filesystem::exists("no-such-dir"));
  EXPECT_EQ(SHELL.KS, 0);  // the key of the error wait is nobody's command

  s.type("k");
  InputFile in;
  EXPECT_FALSE(in.open("missing.txt"));
  EXPECT_GT(s.findRow("file not found: missing.txt"), 0);
  EXPECT_FALSE(std::filesystem::exists("missing.txt"));
}

TEST_F(FileErrors, AFailedWriteIsNotReportedAsDone) {
  s.type("k");
  OutputFile f;
  ASSERT_TRUE(f.open("/dev/full"));
  f.printLine("x");
  EXPECT_FALSE(f.close());
  EXPECT_GT(s.findRow("cannot create: /dev/full (No space left on device)"), 0);
}

// A write cut short (a file size limit stands in for a full disk) leaves no
// new file and keeps an earlier file of the same name as it was.
TEST(FileErrorsDeathTest, AHalfWrittenFileIsRemoved) {
  TempDir dir;
  auto writeTooMuch = [] {
    Session s;
    s.type("kk");  // one key for each reported failure
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit{16, 16};
    setrlimit(RLIMIT_FSIZE, &limit);
    OutputFile f;
    if (!f.open("old.txt")) std::_Exit(1);
    f.print(std::string(100, 'x'));
    bool closed = f.close();
    OutputFile g;
    if (!g.open("big.txt")) std::_Exit(1);
    g.print(std::string(100, 'x'));
    bool closedToo = g.close();
    bool oldKept = TempDir::readFile("old.txt") == "earlier";
    if (closed || closedToo) std::_Exit(2);
    if (!oldKept) std::_Exit(3);
    if (std::filesystem::exists("big.txt")) std::_Exit(4);
    std::_Exit(std::filesystem::directory_iterator(".")->path().filename() == "old.txt" ? 0 : 5);
  };
  dir.write("old.txt", "earlier");
  EXPECT_EXIT(writeTooMuch(), testing::ExitedWithCode(0), "");
}

TEST_F(OutputFiles, LineEndsAndTabs) {
  OutputFile f;
  ASSERT_TRUE(f.open("t.txt"));
  f.print("ab");
  f.tab(10);
  f.print("c");
  f.tab(5);
  f.printLine("d");
  ASSERT_TRUE(f.close());
  EXPECT_EQ(dir.read("t.txt"), "ab       c\r\n    d\r\n");
}
