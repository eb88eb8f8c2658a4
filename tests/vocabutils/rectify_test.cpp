// "R": ASCII letters to upper or lower case, byte for byte.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>

#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/transforms.hpp"
#include "vocabutils/vocabutils.hpp"

TEST(RectifyCase, OnlyAsciiLettersChange) {
  for (int c = 0; c < 256; ++c) {
    auto b = static_cast<unsigned char>(c);
    bool upper = c >= 'A' && c <= 'Z', lower = c >= 'a' && c <= 'z';
    EXPECT_EQ(rectifiedByte(b, 'U'), lower ? c - 32 : c) << c;
    EXPECT_EQ(rectifiedByte(b, 'L'), upper ? c + 32 : c) << c;
  }
  std::string text = "ROSE [^_`] \xc9";
  rectifyBytes(text, 'L');
  EXPECT_EQ(text, "rose [^_`] \xc9");
}

TEST(RectifyCase, SessionWritesExactlyTheSourceLength) {
  Session s;
  TempDir dir;
  dir.write("t.txt", "Ab c-z!\r\n");
  dir.write("out.txt", "01234567890123456789");
  s.type("Ut.txt\nout.txt\n ");
  RECTIFYTEXTCASE();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(dir.read("out.txt"), "AB C-Z!\r\n");
  EXPECT_EQ(s.row(2), " (R) Rectify text-file to all Upper, all Lower-case letters, Exit   U/L/E :");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(2, 6), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(2, 14), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 24), SHELL.NCOLOR);
  int done = s.findRow(" Done : U");
  ASSERT_NE(done, 0);
  EXPECT_EQ(s.colorAt(done, 9), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(done + 2, 2), SHELL.GNCOLOR);
  EXPECT_EQ(s.output().substr(s.output().find(" Enter text")),
            " Enter text source-file name : t.txt\r\n\r\n"
            " Enter rectified save-file name : out.txt\r\n\r\n"
            " Done : U\r\n\r\n Press a key to continue \r\n");
  s.type("E");  // another key leaves at once
  RECTIFYTEXTCASE();
  EXPECT_EQ(s.output().find("Enter text", s.output().find("U/L/E", s.output().find("Done"))), std::string::npos);
}

// A missing source is reported and creates nothing, neither the source nor
// the destination; a destination or source that cannot be used is reported.
TEST(RectifyCase, FilesThatCannotBeUsed) {
  Session s;
  TempDir dir;
  dir.write("t.txt", "ab");
  std::filesystem::create_directory("sub");
  s.type("Unone.txt\nout.txt\n Ut.txt\nsub\n Usub\nout.txt\n Ut.txt\n/dev/full\n ");
  for (int i = 0; i < 4; ++i) RECTIFYTEXTCASE();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_FALSE(std::filesystem::exists("none.txt"));
  EXPECT_FALSE(std::filesystem::exists("out.txt"));
  EXPECT_NE(s.output().find(" file not found: none.txt (No such file or directory)"), std::string::npos);
  EXPECT_EQ(s.colorAt(s.findRow(" cannot create: /dev/full"), 2), SHELL.RDCOLOR);  // the last screen
  EXPECT_NE(s.output().find(" file not found: sub"), std::string::npos);
  EXPECT_NE(s.output().find(" cannot create: sub"), std::string::npos);
  EXPECT_NE(s.output().find(" cannot create: /dev/full (No space left on device)"), std::string::npos);
  EXPECT_EQ(s.output().find("Done"), std::string::npos);
}

// The byte limit, made small: a longer source is reported as cut, and as its
// own destination it is not touched.
TEST(RectifyCase, SourcesBeyondTheLimit) {
  Session s;
  TempDir dir;
  dir.write("t.txt", "abcdefghij");
  s.type("  ");
  EXPECT_EQ(rectifyFile("t.txt", "out.txt", 'U', 4), RectifyOutcome::Cut);
  EXPECT_EQ(dir.read("out.txt"), "ABCD");
  EXPECT_NE(s.output().find(" t.txt holds more than 4 bytes: only the first 4 are rectified in out.txt."),
            std::string::npos);
  EXPECT_EQ(rectifyFile("t.txt", "t.txt", 'U', 9), RectifyOutcome::Failed);
  EXPECT_EQ(dir.read("t.txt"), "abcdefghij");
  EXPECT_NE(s.output().find(" t.txt holds more than 9 bytes: it is not overwritten, nothing saved."),
            std::string::npos);
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(rectifyFile("t.txt", "t.txt", 'U', 10), RectifyOutcome::Done);
  EXPECT_EQ(dir.read("t.txt"), "ABCDEFGHIJ");
}

// A source larger than one read is streamed whole; a copy that fails half-way
// (here at a file-size limit) is removed.
TEST(RectifyCase, LargeFilesStreamedAndFailedCopiesRemoved) {
  Session s;
  TempDir dir;
  std::string text;
  for (int i = 0; i < 50000; ++i) text += "Line " + std::to_string(i) + " of Text\r\n";
  dir.write("big.txt", text);
  EXPECT_EQ(rectifyFile("big.txt", "low.txt", 'L'), RectifyOutcome::Done);
  std::string low = dir.read("low.txt");
  ASSERT_EQ(low.size(), text.size());
  EXPECT_EQ(low.substr(low.size() - 20), "line 49999 of text\r\n");

  struct rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 200000;
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  s.type(" ");
  RectifyOutcome outcome = rectifyFile("big.txt", "cut.txt", 'L');
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(outcome, RectifyOutcome::Failed);
  EXPECT_FALSE(std::filesystem::exists("cut.txt"));
  EXPECT_NE(s.output().find(" cannot create: cut.txt (File too large)"), std::string::npos);
}
