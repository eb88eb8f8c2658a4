// The locked table file of a sweep and its journal.
#include "steering/tablefile.hpp"

#include <unistd.h>


#include <gtest/gtest.h>

#include "e2e/harness.hpp"

namespace {

class TableFileTest : public testing::Test {
 protected:
  std::string path(const std::string& name) const { return (session.dir() / name).string(); }
  std::string read(const std::string& name) const { return session.read(name); }
  bool exists(const std::string& name) const { return session.exists(name); }

  E2ESession session;
};

}  // namespace

TEST_F(TableFileTest, RowsWaitInTheJournalUntilTheTableHasCaughtUp) {
  SweepTableFile table(path("t.csv"));
  table.begin(0, "h\n", {});
  table.writeRow(1, "1\n");
  EXPECT_FALSE(exists("t.csv.journal"));
  table.writeEarly(3, "3\n");
  table.writeEarly(4, "4\n");
  EXPECT_EQ(read("t.csv.journal"), "3\n4\n");
  EXPECT_EQ(table.pendingRows(), 2u);
  table.writeRow(2, "2\n");
  table.writeRow(3, "3\n");
  EXPECT_TRUE(exists("t.csv.journal"));  // row 4 is still only there
  table.writeRow(4, "4\n");
  EXPECT_FALSE(exists("t.csv.journal"));
  table.writeEarly(6, "6\n");
  table.writeRow(5, "5\n");
  table.writeRow(6, "6\n");
  table.finish();
  EXPECT_EQ(read("t.csv"), "h\n1\n2\n3\n4\n5\n6\n");
  EXPECT_FALSE(exists("t.csv.journal"));
}

TEST_F(TableFileTest, BeginKeepsWhatTheRunContinuesAndRewritesTheJournal) {
  session.addFile("t.csv", "h\n1\n2\n3,cut");
  session.addFile("t.csv.journal", "5\n4\n6,cu");
  SweepTableFile table(path("t.csv"));
  EXPECT_EQ(table.contents(), "h\n1\n2\n3,cut");
  EXPECT_EQ(table.journalContents(), "5\n4\n6,cu");
  // Nothing is touched before begin.
  EXPECT_EQ(read("t.csv"), "h\n1\n2\n3,cut");
  table.begin(6, "h\n", {{4, "4\n"}, {5, "5\n"}});
  EXPECT_EQ(read("t.csv"), "h\n1\n2\n");
  EXPECT_EQ(read("t.csv.journal"), "4\n5\n");
  EXPECT_EQ(table.pendingRows(), 2u);
  table.writeRow(3, "3\n");
  table.writeRow(4, "4\n");
  table.writeRow(5, "5\n");
  EXPECT_FALSE(exists("t.csv.journal"));
  EXPECT_EQ(read("t.csv"), "h\n1\n2\n3\n4\n5\n");
}

TEST_F(TableFileTest, ALockedTableIsRefusedAndAnUnusedNewOneRemoved) {
  {
    SweepTableFile first(path("t.csv"));
    EXPECT_TRUE(exists("t.csv"));
    try {
      SweepTableFile second(path("t.csv"));
      ADD_FAILURE() << "the lock was taken twice";
    } catch (const TableInUse& e) {
      EXPECT_EQ(std::string(e.what()), path("t.csv") + ": another sweep is writing it (process " +
                                           std::to_string(getpid()) + "); it is left as it is");
    }
  }
  EXPECT_FALSE(exists("t.csv"));  // created for a run that never began
  session.addFile("old.csv", "h\n1\n");
  { SweepTableFile unused(path("old.csv")); }
  EXPECT_EQ(read("old.csv"), "h\n1\n");
  EXPECT_THROW(SweepTableFile(path("no/such/dir.csv")), std::runtime_error);
}
