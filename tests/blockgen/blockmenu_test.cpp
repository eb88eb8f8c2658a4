// The block generator's command loop driven by scripted keys: the key order
// and the pass-through rule, generation refused, pause, single-step, abort,
// completion and the monitor's cost per pass.
#include <gtest/gtest.h>

#include "blockgen/blockconsole.hpp"
#include "blockgen/blockgen.hpp"
#include "blockgen/generation.hpp"
#include "blockgen/generationsetup.hpp"
#include "shell/console.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "support.hpp"

namespace {

const std::string STR1 = " Press a key to continue ";

std::vector<std::string> blockGroups() {
  std::vector<std::string> groups;
  for (int32_t i = 1; i <= GEN.PROGRESSINDICATOR; ++i) groups.push_back(GEN.BLOKGROUPSTANK(i).str());
  return groups;
}

// The block the engine makes from the set-up now in force, driven directly.
std::vector<std::string> engineBlock() {
  STARTBLOKGENERATION();
  GenAdvance a;
  while ((a = ADVANCEBLOKGENERATION()) != GenAdvance::Complete)
    if (a == GenAdvance::Cancelled) return {};
  FINISHBLOKGENERATION();
  std::vector<std::string> groups = blockGroups();
  GEN.HAVEBLOKFLAG = 0;
  return groups;
}

bool shows(const WaitSnapshot& w, int r, int col, const std::string& text) {
  return cellsOf(w.screen, r, col, static_cast<int>(text.size())) == text;
}

// The block menu's console, with a valid default set-up in force.
class GenerationFromMenu : public testing::Test {
 protected:
  void SetUp() override { applySetup(GenSetup{}); }
  BlockConsole c;
};

}  // namespace

TEST(BlockCommandLoop, KeysPassOnToLaterChecksOnly) {
  {
    BlockConsole c;
    c.type("ok E");  // "o" shows its screen, its key "k" shows the map-scan screen
    MAKESPECIFIEDBLOCKOFGROUPS();
    ASSERT_EQ(c.waits().size(), 4u);
    EXPECT_NE(c.waits()[1].row(2).find("more INFORMATION"), std::string::npos);
    EXPECT_NE(c.waits()[2].row(2).find("are first of all integer-generators"), std::string::npos);
    EXPECT_EQ(c.row(2), "");  // "E" clears the screen
  }
  {
    BlockConsole c;
    c.type("koE");  // "o" comes before "k": the key read by "k" is not looked at again
    MAKESPECIFIEDBLOCKOFGROUPS();
    ASSERT_EQ(c.waits().size(), 3u);
    EXPECT_NE(c.waits()[2].row(2).find("CHAOTIC GROUPS"), std::string::npos);
  }
  {
    BlockConsole c;
    applySetup(GenSetup{});
    c.type("oHNNE");  // "o" then "H" generates
    MAKESPECIFIEDBLOCKOFGROUPS();
    EXPECT_EQ(GEN.HAVEBLOKFLAG, 1);
    EXPECT_EQ(c.waits().size(), 5u);
  }
}

TEST(BlockCommandLoop, GenerateRefusedWhileASpecificationIsMissing) {
  for (int missing = 1; missing <= 4; ++missing) {
    BlockConsole c;
    applySetup(GenSetup{});
    int16_t* flags[] = {&GEN.OKTOMAKEGROUPSFLAG1, &GEN.OKTOMAKEGROUPSFLAG2, &GEN.OKTOMAKEGROUPSFLAG3,
                        &GEN.OKTOMAKEGROUPSFLAG4};
    *flags[missing - 1] = 0;
    c.type("HIE");
    MAKESPECIFIEDBLOCKOFGROUPS();
    EXPECT_EQ(c.waits().size(), 3u) << missing;
    EXPECT_EQ(GEN.HAVEBLOKFLAG, 0) << missing;
    EXPECT_EQ(GEN.SINGLESTEPFLAG, 0) << missing;
    EXPECT_EQ(GEN.BLOKSETUP.LOBLOKSIZE, 0) << missing;       // no snapshot taken
    EXPECT_EQ(GEN.GROUPSBLOKTANK.hi(), 32767) << missing;     // the tank untouched
    EXPECT_EQ(c.waits()[1].screen.rowText(17), c.waits()[0].screen.rowText(17));
  }
  // Single-step needs the monitor.
  BlockConsole c;
  applySetup(GenSetup{});
  c.type("RIE");
  MAKESPECIFIEDBLOCKOFGROUPS();
  EXPECT_EQ(c.waits().size(), 3u);
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 0);
  EXPECT_EQ(GEN.GROUPSBLOKTANK.hi(), 32767);
  EXPECT_NE(c.waits()[1].row(11).find("(R) N Real-time Monitor"), std::string::npos);
}

TEST_F(GenerationFromMenu, CompletesWithDoneAndTwoQuestions) {
  TempDir dir;
  std::vector<std::string> expected = engineBlock();
  ANA.GBLOKVOCABALPHABETSYMBOLSN = 3;  // "F" figures of an earlier block
  ANA.GBVSMAXFREQ = 9;
  c.type("HyyB50,60\nE");  // lowercase "y" is no
  MAKESPECIFIEDBLOCKOFGROUPS();
  EXPECT_EQ(blockGroups(), expected);
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 1);
  EXPECT_EQ(GEN.GENERATINGBLOKINPROGRESSFLAG, 0);
  EXPECT_EQ(ANA.GBLOKVOCABALPHABETSYMBOLSN, 0);
  EXPECT_EQ(ANA.GBVSMAXFREQ, 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  // The set-up of the block is the one of "H", not the later "B".
  EXPECT_EQ(GEN.BLOKSETUP.LOBLOKSIZE, 20);
  EXPECT_EQ(GEN.LOBLOKSIZE, 50);

  ASSERT_GE(c.waits().size(), 3u);
  const WaitSnapshot& first = c.waits()[1];
  EXPECT_EQ(first.row(27).substr(0, 34), "Done !    Press a key to continue ");
  EXPECT_EQ(first.screen.colorAt(27, 1), SHELL.GNCOLOR);
  EXPECT_TRUE(shows(first, 27, 79, " " + std::to_string(ANA.UNIQUEGROUPSCOUNT) + " "));
  EXPECT_EQ(first.row(29), " Save the integers-sequence which generated this block of groups  Y/N ? :");
  EXPECT_EQ(first.screen.colorAt(29, 2), SHELL.YLCOLOR);
  EXPECT_TRUE(shows(first, 17, 1, " groups generated  =  20 "));
  const WaitSnapshot& second = c.waits()[2];
  EXPECT_EQ(second.row(31), " Save the generated  " + std::to_string(ANA.VOCABN) +
                                "  Vocabulary as a list-file  Y/N ? :");
  EXPECT_EQ(second.screen.colorAt(31, 2), SHELL.RDCOLOR);
  EXPECT_EQ(second.screen.colorAt(31, 22), SHELL.TQCOLOR);
  EXPECT_EQ(second.screen.colorAt(31, 26), SHELL.RDCOLOR);
}

TEST_F(GenerationFromMenu, SingleStepStoresOneGroupPerKeyAndEscAborts) {
  c.type("I     ");
  c.press(con::KEY_ESC);
  c.type("E");
  MAKESPECIFIEDBLOCKOFGROUPS();
  ASSERT_EQ(c.waits().size(), 8u);
  for (size_t k = 1; k <= 6; ++k) {
    const WaitSnapshot& w = c.waits()[k];
    EXPECT_EQ(w.storedGroups, static_cast<int32_t>(k));
    EXPECT_EQ(cellsOf(w.screen, 26, 1, 25), STR1);
    EXPECT_EQ(w.screen.colorAt(26, 2), SHELL.GNCOLOR);
  }
  // The monitor shows the numbers from before the pass that stored the group.
  EXPECT_EQ(cellsOf(c.waits()[1].screen, 17, 22, 13), std::string(13, ' '));
  EXPECT_TRUE(shows(c.waits()[4], 17, 1, " groups generated  =  3 "));
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 0);
  EXPECT_EQ(GEN.SINGLESTEPFLAG, 0);
  EXPECT_EQ(GEN.GENERATINGBLOKINPROGRESSFLAG, 0);
  EXPECT_EQ(cellsOf(c.waits()[7].screen, 17, 22, 13), std::string(13, ' '));  // no block: no numbers
}

TEST_F(GenerationFromMenu, SingleStepToTheEndErasesThePrompt) {
  std::vector<std::string> expected = engineBlock();
  c.type("I" + std::string(19, ' ') + "NNE");  // 20 groups, no removal
  MAKESPECIFIEDBLOCKOFGROUPS();
  ASSERT_EQ(c.waits().size(), 23u);
  EXPECT_EQ(blockGroups(), expected);
  EXPECT_EQ(cellsOf(c.waits()[20].screen, 26, 1, 25), std::string(25, ' '));
  EXPECT_EQ(GEN.SINGLESTEPFLAG, 0);
}

TEST_F(GenerationFromMenu, PauseShowsTheNumbersAndAnyKeyResumes) {
  for (bool monitor : {true, false}) {
    for (int32_t resume : {int32_t{'x'}, con::KEY_ESC}) {
      BlockConsole c;
      applySetup(GenSetup{});
      std::vector<std::string> expected = engineBlock();
      if (!monitor) c.type("R");
      c.type("H");
      c.pressDuringPoll('P');
      c.press(resume);
      c.type("NNE");
      MAKESPECIFIEDBLOCKOFGROUPS();
      const WaitSnapshot& pause = c.waits()[monitor ? 1 : 2];
      EXPECT_EQ(pause.storedGroups, 1);
      EXPECT_EQ(cellsOf(pause.screen, 26, 1, 25), STR1);
      EXPECT_EQ(pause.screen.colorAt(26, 2), SHELL.GNCOLOR);
      EXPECT_TRUE(shows(pause, 17, 1, " groups generated  =  1 ")) << monitor;  // even with the monitor off
      EXPECT_EQ(GEN.HAVEBLOKFLAG, 1) << monitor << resume;  // Esc at a pause only resumes
      EXPECT_EQ(blockGroups(), expected);
      EXPECT_EQ(c.waits().size(), monitor ? 5u : 6u);
    }
  }
}

TEST_F(GenerationFromMenu, IAtAPauseContinuesInSingleStepWithTheMonitorAsItWas) {
  c.type("RH");
  c.pressDuringPoll('P');
  c.type("I  ");
  c.press(con::KEY_ESC);
  c.type("E");
  MAKESPECIFIEDBLOCKOFGROUPS();
  ASSERT_EQ(c.waits().size(), 7u);
  const std::vector<WaitSnapshot>& w = c.waits();
  EXPECT_EQ(w[2].storedGroups, 1);  // the pause
  for (size_t k = 3; k <= 5; ++k) {
    EXPECT_EQ(w[k].storedGroups, static_cast<int32_t>(k - 1));
    EXPECT_EQ(cellsOf(w[k].screen, 26, 1, 25), STR1);
    EXPECT_TRUE(shows(w[k], 17, 1, " groups generated  =  1 "));  // the monitor stays off
  }
  EXPECT_EQ(GEN.RT_MONITORFLAG, 0);
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 0);
  EXPECT_EQ(GEN.SINGLESTEPFLAG, 0);
}

TEST_F(GenerationFromMenu, IWhileFreeRunningSwitchesToSingleStepWithTheMonitorOn) {
  c.type("RH");
  c.pressDuringPoll('I');
  c.type("  ");
  c.press(con::KEY_ESC);
  c.type("E");
  MAKESPECIFIEDBLOCKOFGROUPS();
  ASSERT_EQ(c.waits().size(), 6u);
  const WaitSnapshot& step = c.waits()[2];
  EXPECT_EQ(step.storedGroups, 1);
  EXPECT_NE(step.row(2).find("CHAOTIC GROUPS"), std::string::npos);
  EXPECT_NE(step.row(11).find("(R) Y Real-time Monitor"), std::string::npos);
  EXPECT_TRUE(shows(step, 17, 1, " groups generated  =  1 "));
  EXPECT_EQ(cellsOf(step.screen, 26, 1, 25), STR1);
  EXPECT_TRUE(shows(c.waits()[4], 17, 1, " groups generated  =  2 "));
  EXPECT_EQ(GEN.RT_MONITORFLAG, 1);
  EXPECT_EQ(GEN.RT_MONITORYORN, "Y");
}

TEST_F(GenerationFromMenu, OnlyUppercaseIAndPAct) {
  c.type("H");
  for (int32_t key : {int32_t{'p'}, int32_t{'i'}, con::specialKey('P'), con::specialKey('I'), 255})
    c.pressDuringPoll(key);
  c.type("NNE");
  MAKESPECIFIEDBLOCKOFGROUPS();
  EXPECT_EQ(c.waits().size(), 4u);  // menu, the two questions, menu
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 1);
}

TEST_F(GenerationFromMenu, EscAbortsAndWithdrawsTheLastBlock) {
  c.type("HNNHE");
  c.pressDuringPollAfterWait(3, con::KEY_ESC);
  MAKESPECIFIEDBLOCKOFGROUPS();
  ASSERT_EQ(c.waits().size(), 5u);
  EXPECT_TRUE(shows(c.waits()[3], 17, 1, " groups generated  =  20 "));  // the block's numbers
  EXPECT_EQ(cellsOf(c.waits()[4].screen, 17, 22, 13), std::string(13, ' '));
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 0);
  EXPECT_EQ(GEN.GENERATINGBLOKINPROGRESSFLAG, 0);
}

// Only 1- and 2-character sizes, every row's phantom 2 or more characters
// long: the first group can never be built. Esc still ends the generation.
TEST_F(GenerationFromMenu, EscStopsAGroupThatCanNeverBeBuilt) {
  applySetup({.activeSizes = {1, 2}, .loAvg = 1.001f, .hiAvg = 2.0f});
  for (int r = 1; r <= SYMBOLROWS; ++r) SYMB.PHANTOMNGRAPHSSTATUSTANK(r) = 1;
  c.type("HE");
  c.pressDuringPoll(con::KEY_ESC);
  MAKESPECIFIEDBLOCKOFGROUPS();
  EXPECT_EQ(c.waits().size(), 2u);
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 0);
  EXPECT_EQ(GEN.TANKOCCUPIEDSLOTS, 0);
  EXPECT_EQ(GEN.CANCELHOOK, nullptr);
}

// With the monitor off every pass after the first writes one line end at the
// top of the screen, and nothing else.
TEST_F(GenerationFromMenu, MonitorOffPassWritesOneLineEnd) {
  c.type("RHNNE");
  MAKESPECIFIEDBLOCKOFGROUPS();
  ASSERT_EQ(GEN.HAVEBLOKFLAG, 1);
  // 20 passes, no removal; the last line end goes out with the completion.
  int passesAlone = 0;
  for (const std::string& f : c.flushes()) passesAlone += f == "\x1b[1;1H\r\n";
  EXPECT_EQ(passesAlone, 18);
  EXPECT_EQ(occurrences(c.output(), "\x1b[1;1H\r\n"), 19u);
  EXPECT_EQ(c.waits()[2].row(29), " Save the integers-sequence which generated this block of groups  Y/N ? :");
}
