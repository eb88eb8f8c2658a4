// The files offered when a block is complete: the generating integers
// (prefix + "IGB.txt") and the vocabulary (prefix + "VOCGB.txt").
#include <filesystem>

#include <gtest/gtest.h>

#include "blockgen/blockconsole.hpp"
#include "blockgen/blockgen.hpp"
#include "blockgen/blockmenu.hpp"
#include "blockgen/generationsetup.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "support.hpp"

using IntegersFile = SessionTest;

namespace {

const std::string HEADER =
    "\r\n V1.1\r\n\r\n PLOMAR Chaotically generated groups program * (c) the PLOMAR authors\r\n\r\n\r\n"
    " GENERATING-INTEGERS FORWARD-SEQUENCE FOR THE BLOCK OF GROUPS\r\n\r\n"
    " - The number 0 separates the groups -\r\n\r\n";

std::string trailer(const std::string& name) {
  return "\r\n\r\n\r\n eof: " + name + "\r\n" + std::string(50, '-') + "\r\n";
}

void setReferenceForms(const std::vector<std::string>& forms) {
  GEN.PROGRESSINDICATOR = static_cast<int32_t>(forms.size());
  GEN.IGNOREPHANTOMSBLOKGROUPSTANK.resize(0, GEN.PROGRESSINDICATOR);
  for (size_t i = 0; i < forms.size(); ++i) GEN.IGNOREPHANTOMSBLOKGROUPSTANK(static_cast<long>(i + 1)) = forms[i];
}

}  // namespace

TEST_F(IntegersFile, StepsAsReferenceNumbersGroupsSeparatedByZero) {
  // Default list "_etaon...": e is 2, o is 5, t is 3, _ is 1.
  setReferenceForms({"eo", "tt_"});
  SHELL.DFILENAME = "twoIGB.txt";
  ASSERT_TRUE(RECOVERBLOKGENERATINGINTEGERS());
  EXPECT_EQ(dir.read("twoIGB.txt"), HEADER +
                                        " Number of groups        =  2\r\n"
                                        " Number of integers      =  5\r\n"
                                        " Total numbers incl. 0's =  6\r\n\r\n\r\n"
                                        "2\r\n5\r\n0\r\n3\r\n3\r\n1\r\n" +
                                        trailer("twoIGB.txt"));
  EXPECT_EQ(GEN.NUMBEROFGROUPSBLOKSAVENUMBERS, 6);
  EXPECT_EQ(s.row(45), " Wait .....    0");
  EXPECT_EQ(GEN.COUNTDOWN, 0);

  // One group: no "0"; a reference symbol found in no row gives 39.
  setReferenceForms({"e\x01"});
  SHELL.DFILENAME = "oneIGB.txt";
  ASSERT_TRUE(RECOVERBLOKGENERATINGINTEGERS());
  EXPECT_EQ(dir.read("oneIGB.txt"), HEADER +
                                        " Number of groups        =  1\r\n"
                                        " Number of integers      =  2\r\n"
                                        " Total numbers incl. 0's =  2\r\n\r\n\r\n"
                                        "2\r\n39\r\n" +
                                        trailer("oneIGB.txt"));
}

TEST_F(IntegersFile, ExplanationDoneAndAFileThatCannotBeCreated) {
  setReferenceForms({"eo", "tt_"});
  s.type("blk\n ");
  SAVEGROUPSBLOKINTEGERSSEQUENCE();
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "blkIGB.txt"));
  EXPECT_EQ(SHELL.DFILENAME, "blkIGB.txt");
  EXPECT_EQ(s.row(2), " Review of generating-integers in Block computation:");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.row(10), " group-symbol versus generating-integer.");
  EXPECT_EQ(s.row(12), " The present version of this program provides resolution only to the 1-38 level, which saved could > 1 MB.");
  EXPECT_EQ(s.row(14), " Enter a valid save-filename prefix for prefixIGB.txt : blk");
  EXPECT_EQ(s.colorAt(14, 2), SHELL.YLCOLOR);
  EXPECT_EQ(s.row(45), " Wait .....    0        Done !    Press a key to continue");
  EXPECT_EQ(s.colorAt(45, 25), SHELL.GNCOLOR);
  EXPECT_TRUE(s.keys().empty());

  Session t;
  setReferenceForms({"eo"});
  t.type("nodir/x\n ");  // the key for the failure report
  SAVEGROUPSBLOKINTEGERSSEQUENCE();
  EXPECT_NE(t.output().find(" cannot create: nodir/xIGB.txt"), std::string::npos);
  EXPECT_EQ(t.output().find("Done !"), std::string::npos);
  EXPECT_TRUE(t.keys().empty());
}

// A whole block saved from the completion questions: its integers give the
// block back through the symbols list (no phantom active), and the vocabulary
// file holds the vocabulary table line by line.
TEST(BlockFiles, SavedFromTheCompletionQuestions) {
  TempDir dir;
  BlockConsole c;
  applySetup(GenSetup{});
  c.type("HYb1\n Yb1\n E");
  MAKESPECIFIEDBLOCKOFGROUPS();
  ASSERT_EQ(GEN.HAVEBLOKFLAG, 1);

  std::vector<std::string> lines = linesOf(dir.read("b1IGB.txt"));
  ASSERT_GT(lines.size(), 21u);
  const int32_t N = GEN.PROGRESSINDICATOR;
  EXPECT_EQ(lines[10], " Number of groups        =  " + std::to_string(N));
  std::vector<std::string> decoded(1);
  for (size_t i = 15; i < lines.size() - 5; ++i) {
    int k = std::stoi(lines[i]);
    if (k == 0) {
      decoded.emplace_back();
    } else {
      decoded.back() += SYMB.SYMBOLSTANK(k);
    }
  }
  ASSERT_EQ(decoded.size(), static_cast<size_t>(N));
  for (int32_t i = 1; i <= N; ++i) EXPECT_EQ(decoded[static_cast<size_t>(i - 1)], GEN.BLOKGROUPSTANK(i).str()) << i;

  lines = linesOf(dir.read("b1VOCGB.txt"));
  ASSERT_EQ(lines.size(), static_cast<size_t>(ANA.VOCABN));
  for (int32_t v = 1; v <= ANA.VOCABN; ++v) EXPECT_EQ(lines[static_cast<size_t>(v - 1)], ANA.GBLOKVOCABTANK(v).str());
  EXPECT_EQ(SHELL.DFILENAME, "b1VOCGB.txt");
  const WaitSnapshot& done = c.waits()[c.waits().size() - 2];
  EXPECT_NE(done.row(done.screen.row()).find("Done !    Press a key to continue"), std::string::npos);
}

TEST(BlockFiles, VocabularyFileThatCannotBeCreated) {
  TempDir dir;
  BlockConsole c;
  applySetup(GenSetup{});
  c.type("HNYnodir/x\n E");  // the blank answers the failure report
  MAKESPECIFIEDBLOCKOFGROUPS();
  EXPECT_NE(c.output().find(" cannot create: nodir/xVOCGB.txt"), std::string::npos);
  const std::string out = c.output();
  EXPECT_EQ(out.find("Done !", out.find("Done !") + 1), std::string::npos);  // only the completion's
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 1);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
