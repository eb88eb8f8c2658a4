// plomar open on a terminal, and the colours of the interactive program.
#include <gtest/gtest.h>

#include <regex>

#include "e2e/harness.hpp"
#include "e2e/terminal.hpp"

namespace {

const std::string SETUP =
    "# 20 to 30 groups of 3 to 6 symbols\n"
    "B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 4,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3\n";

// The block menu and the figures of the finished block of SETUP.
void expectBlockOnScreen(TerminalSession& t) {
  ASSERT_TRUE(t.waitFor("Total unique groups = 20")) << t.text();
  t.settle();  // the menu painted again after the save questions
  const std::string screen = t.screenText();
  EXPECT_EQ(screen.find("Save the"), std::string::npos) << screen;
  EXPECT_NE(screen.find("(H) Generate"), std::string::npos);
  EXPECT_NE(screen.find("OK-to-proceed flags:"), std::string::npos);
  EXPECT_NE(screen.find("1 1 1 1"), std::string::npos) << "all four specifications made";
  EXPECT_NE(screen.find("groups generated  =  20"), std::string::npos);
  EXPECT_NE(screen.find("last gen. group   = tmslfn"), std::string::npos);
}

// "E" at the block menu, then "E" at the main menu: the program ends.
void leaveThroughTheMainMenu(TerminalSession& t) {
  t.type("E");
  ASSERT_TRUE(t.waitFor("[T]Fwd [R]Run")) << t.screenText();
  EXPECT_EQ(t.screenText().find("OK-to-proceed"), std::string::npos) << "the block menu is gone";
  t.type("E");
  EXPECT_EQ(t.exitStatus(), 0);
}

bool hasColourCodes(const std::string& bytes) { return std::regex_search(bytes, std::regex("\x1b\\[[1-9][0-9]*m")); }

}  // namespace

TEST(OpenCommand, ShowsTheGeneratedBlockAtTheBlockMenuAndLeavesTheKeyboardToTheUser) {
  E2ESession s;
  s.addFile("setup.txt", SETUP);
  TerminalSession t(PLOMAR_BINARY, {"open", "setup.txt"}, s.dir());
  expectBlockOnScreen(t);
  // The user's keys work at the block menu: "K" shows the block itself.
  t.type("K");
  EXPECT_TRUE(t.waitFor("tmslfn")) << t.text();
  t.type(" ");
  leaveThroughTheMainMenu(t);
  // Both save questions were answered no: nothing was written.
  EXPECT_EQ(s.files(), std::vector<std::string>{"setup.txt"});
}

TEST(OpenCommand, TakesAPointOfASpaceAndASetUpFromStandardInput) {
  E2ESession s;
  s.addFile("space.txt", "B = 20,30 | 40,50\nG = 3,6,1\nV = 4,5\nX1 = 4,1e-15\nX2 = 3.9999,1e-22\n"
                         "X3 = 3.99999,0.3\n");
  {
    TerminalSession t(PLOMAR_BINARY, {"open", "space.txt", "--point", "1"}, s.dir());
    expectBlockOnScreen(t);
    leaveThroughTheMainMenu(t);
  }
  {
    s.addFile("setup.txt", SETUP);
    const std::string line = std::string("cat setup.txt | '") + PLOMAR_BINARY + "' open -";
    TerminalSession t("/bin/sh", {"-c", line}, s.dir());
    expectBlockOnScreen(t);
    leaveThroughTheMainMenu(t);
  }
}

TEST(OpenCommand, RefusesAWrongSetUpBeforeTheScreenStarts) {
  E2ESession s;
  s.addFile("bad.txt", "B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 4,1e-15\nX2 = 3.9999,1e-22\nX3 = 5,0.3\n");
  CommandResult r = s.command("open bad.txt");
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.rfind("plomar open: bad.txt:6: X3: refused", 0), 0u) << r.err;
  CommandResult usage = s.command("open");
  EXPECT_EQ(usage.exitStatus, 2);
  EXPECT_NE(usage.err.find("a set-up file is needed"), std::string::npos);
}

TEST(Colours, OffOnlyWhenNoColorHoldsAValue) {
  E2ESession s;
  const std::vector<std::pair<std::string, bool>> cases = {{"", true}, {"1", false}};
  for (const auto& [value, colours] : cases) {
    TerminalSession t(PLOMAR_BINARY, {}, s.dir(), {{"NO_COLOR", value}});
    ASSERT_TRUE(t.waitFor("[T]Fwd [R]Run")) << t.text();
    t.type("E");
    EXPECT_EQ(t.exitStatus(), 0);
    EXPECT_EQ(hasColourCodes(t.received()), colours) << "NO_COLOR='" << value << "'";
  }
  TerminalSession unset("/usr/bin/env", {"-u", "NO_COLOR", PLOMAR_BINARY}, s.dir());
  ASSERT_TRUE(unset.waitFor("[T]Fwd [R]Run"));
  unset.type("E");
  EXPECT_EQ(unset.exitStatus(), 0);
  EXPECT_TRUE(hasColourCodes(unset.received()));
}

TEST(OpenCommand, MakesTheBlockOfTheWholeSetUpWithTheMapAndItsScan) {
  E2ESession s;
  const std::string mapped = SETUP + "W = 38\nSCAN = R,L\n";
  s.addFile("mapped.txt", mapped);
  s.addFile("plain.txt", SETUP + "W = 38\n");
  ASSERT_EQ(s.command("block mapped.txt --prefix M").exitStatus, 0);
  ASSERT_EQ(s.command("block plain.txt --prefix P").exitStatus, 0);
  // Piped keys come after the block: "K" shows it, then the program ends.
  CommandResult opened = s.command("open mapped.txt", "K E");
  ASSERT_EQ(opened.exitStatus, 0) << opened.err;
  const std::vector<std::string> groups = linesOf(s.read("MGROUPS.txt")), other = linesOf(s.read("PGROUPS.txt"));
  ASSERT_GE(groups.size(), 20u);
  ASSERT_NE(groups, other) << "the scan controls make another block";
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_NE(opened.out.find(groups[i]), std::string::npos) << groups[i];
    EXPECT_EQ(opened.out.find(other[i]), std::string::npos) << other[i];
  }
}
