// Sweep tables: records, merging shards, continuing an interrupted table.
#include "steering/sweeptable.hpp"

#include <memory>

#include <gtest/gtest.h>

namespace {

const std::string HEADER = "point,setup,status,dist,sweep\n";

std::string row(uint64_t point, const std::string& distance, const std::string& sweep = "abc/4") {
  std::string status = distance.empty() ? "out of steps" : "complete";
  return std::to_string(point) + ",\"B = 2,4\nG = 1,3,1\"," + status + "," + distance + "," + sweep + "\n";
}

std::string table(const std::vector<std::string>& rows) {
  std::string t = HEADER;
  for (const std::string& r : rows) t += r;
  return t;
}

std::string mergeProblem(const std::vector<std::string>& contents) {
  std::vector<std::string> names;
  for (size_t i = 0; i < contents.size(); ++i) names.push_back("t" + std::to_string(i + 1) + ".csv");
  try {
    mergeSweepTables(contents, names);
  } catch (const SweepTableError& e) {
    return e.what();
  }
  return "";
}

// The points of a run, given one at a time as the run's sequence gives them.
std::function<bool(uint64_t&)> pointsOf(std::vector<uint64_t> points) {
  auto next = std::make_shared<size_t>(0);
  return [points, next](uint64_t& point) {
    if (*next == points.size()) return false;
    point = points[(*next)++];
    return true;
  };
}

std::string resumeProblem(const std::string& bytes) {
  try {
    planResume(bytes, "notes.csv", HEADER, "abc/4", pointsOf({2, 5, 7, 9}));
  } catch (const SweepTableError& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(SweepCsv, QuotedFieldsHoldCommasQuotesAndLineEnds) {
  CsvRecords csv = readCsvRecords("a,\"x, \"\"y\"\"\nz\",\r\n2,\"\",end\n3,\"cut");
  ASSERT_EQ(csv.records.size(), 2u);
  EXPECT_EQ(csv.records[0], (std::vector<std::string>{"a", "x, \"y\"\nz", ""}));
  EXPECT_EQ(csv.records[1], (std::vector<std::string>{"2", "", "end"}));
  EXPECT_EQ(csv.texts[1], "2,\"\",end\n");
  EXPECT_EQ(csv.completeBytes, 26u);
}

TEST(SweepCsv, AFingerprintChangesWithAnyPartAndItsBoundaries) {
  std::string f = fingerprintOf({"space", "target"});
  EXPECT_EQ(f.size(), 16u);
  EXPECT_EQ(fingerprintOf({"space", "target"}), f);
  EXPECT_NE(fingerprintOf({"space", "targeT"}), f);
  EXPECT_NE(fingerprintOf({"spacet", "arget"}), f);
  EXPECT_EQ(sweepField(f, 12), f + "/12");
}

TEST(SweepTableRead, RowsWithTheirPointStatusAndDistance) {
  SweepTable t = readSweepTable(table({row(3, "0.25"), row(7, "")}) + "9,\"B = 2", "t.csv");
  EXPECT_EQ(t.header, HEADER);
  ASSERT_EQ(t.rows.size(), 2u);
  EXPECT_EQ(t.rows[0].point, 3u);
  EXPECT_TRUE(t.rows[0].complete);
  EXPECT_EQ(t.rows[0].distance, 0.25);
  EXPECT_EQ(t.rows[0].sweep, "abc/4");
  EXPECT_EQ(t.rows[0].text, row(3, "0.25"));
  EXPECT_FALSE(t.rows[1].complete);
  EXPECT_EQ(t.completeBytes, table({row(3, "0.25"), row(7, "")}).size());
  EXPECT_THROW(readSweepTable(HEADER + "1,x,complete,0.5\n", "t.csv"), SweepTableError);
  EXPECT_THROW(readSweepTable(HEADER + "one,x,complete,0.5,s\n", "t.csv"), SweepTableError);
  EXPECT_THROW(readSweepTable("a,b\n1,2\n", "t.csv"), SweepTableError);
}

TEST(SweepMerge, ShardsJoinInPointOrder) {
  std::string whole = table({row(1, "0.5"), row(2, ""), row(3, "0.25"), row(4, "1")});
  std::string odd = table({row(1, "0.5"), row(3, "0.25")}), even = table({row(2, ""), row(4, "1")});
  EXPECT_EQ(mergeSweepTables({even, odd}, {"even.csv", "odd.csv"}), whole);
  // A shard with no points of its own, and a row given twice, change nothing.
  EXPECT_EQ(mergeSweepTables({odd, HEADER, even, odd}, {"a", "b", "c", "d"}), whole);
}

TEST(SweepMerge, RefusesWhatIsNotOneWholeSweep) {
  std::string odd = table({row(1, "0.5"), row(3, "0.25")}), even = table({row(2, ""), row(4, "1")});
  EXPECT_EQ(mergeProblem({odd, table({row(2, "", "abd/4"), row(4, "1", "abd/4")})}),
            "t2.csv: point 2 belongs to another sweep");
  EXPECT_EQ(mergeProblem({odd}), "the files hold 2 of the sweep's 4 points (a shard is missing)");
  // Empty shards alone are no sweep; beside full ones they add nothing.
  EXPECT_EQ(mergeProblem({HEADER, HEADER}), "the files hold no row (only headers: every shard is empty)");
  EXPECT_EQ(mergeProblem({odd, HEADER}), "the files hold 2 of the sweep's 4 points (a shard is missing)");
  EXPECT_EQ(mergeProblem({HEADER, odd, even}), "");
  EXPECT_EQ(mergeProblem({odd, even.substr(0, even.size() - 5)}),
            "t2.csv: the last row is cut off (finish the shard with --resume)");
  EXPECT_EQ(mergeProblem({odd, table({row(2, ""), row(3, "0.5")})}), "t2.csv: point 3 differs from an earlier file's");
  EXPECT_EQ(mergeProblem({odd, "point,setup,status,dist,sweep,extra\n"}), "t2.csv: other columns than t1.csv");
}

TEST(SweepResume, KeepsTheWholeRowsThatBeginTheRun) {
  const std::vector<uint64_t> points{2, 5, 7, 9};
  std::string done = table({row(2, "0.5"), row(5, "")});
  auto next = pointsOf(points);
  ResumePlan plan = planResume(done + "7,\"B = 2,4\nG", "out.csv", HEADER, "abc/4", next);
  EXPECT_EQ(plan.keepBytes, done.size());
  EXPECT_EQ(plan.pointsDone, 2u);
  ASSERT_EQ(plan.rows.size(), 2u);
  EXPECT_EQ(plan.rows[1].point, 5u);
  uint64_t following = 0;
  ASSERT_TRUE(next(following));  // the kept rows' points were taken from the run
  EXPECT_EQ(following, 7u);
  // Not even the header was written, or nothing at all: start from the beginning.
  for (const std::string bytes : {"point,se", ""}) {
    plan = planResume(bytes, "out.csv", HEADER, "abc/4", pointsOf(points));
    EXPECT_EQ(plan.keepBytes, 0u);
    EXPECT_EQ(plan.pointsDone, 0u);
  }
}

TEST(SweepResume, RefusesTheTableOfAnotherRun) {
  EXPECT_EQ(resumeProblem(table({row(2, "0.5", "abd/4")})), "notes.csv: point 2 belongs to another sweep; it is left as it is");
  EXPECT_EQ(resumeProblem(table({row(5, "0.5")})),
            "notes.csv: point 5 stands where this run has point 2; it is left as it is");
  EXPECT_EQ(resumeProblem("point,status,distance,sweep\n"),
            "notes.csv: the columns are not those of this sweep; it is left as it is");
  EXPECT_EQ(resumeProblem(table({row(2, ""), row(5, ""), row(7, ""), row(9, ""), row(11, "")})),
            "notes.csv: more rows than this sweep has points; it is left as it is");
}

TEST(SweepResume, RefusesWhatIsNotATableAtAll) {
  const std::string notTable = "notes.csv: not the table of a sweep; it is left as it is";
  EXPECT_EQ(resumeProblem("Things to try next week, in no order"), notTable);  // no line end
  EXPECT_EQ(resumeProblem("\"an unclosed quote\nand more text\n"), notTable);
  EXPECT_EQ(resumeProblem("a,b\n1,2\n"), notTable);
  // The header of this sweep, then text that no row begins with.
  EXPECT_EQ(resumeProblem(table({row(2, "0.5")}) + "see the notes below"),
            "notes.csv: it ends in text that is not a row; it is left as it is");
  EXPECT_EQ(resumeProblem(table({row(2, "0.5")}) + "5,\"B = 2"), "");
}

TEST(SweepJournal, RowsByPointOfThisSweepOnly) {
  std::map<uint64_t, std::string> rows =
      readJournalRows(row(7, "0.5") + row(5, "") + "9,\"B =", "t.csv.journal", HEADER, "abc/4");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows.begin()->first, 5u);
  EXPECT_EQ(rows.at(7), row(7, "0.5"));
  EXPECT_TRUE(readJournalRows("", "j", HEADER, "abc/4").empty());
  EXPECT_THROW(readJournalRows(row(7, "0.5", "abd/4"), "j", HEADER, "abc/4"), SweepTableError);
}

TEST(SweepBest, SmallestDistancesOfCompletePointsFirst) {
  SweepTable t = readSweepTable(table({row(1, "0.5"), row(2, ""), row(3, "0.25"), row(4, "0.5"), row(5, "2")}), "t");
  std::vector<SweepRow> best = bestRows(t.rows, 3);
  ASSERT_EQ(best.size(), 3u);
  EXPECT_EQ(best[0].point, 3u);
  EXPECT_EQ(best[1].point, 1u);
  EXPECT_EQ(best[2].point, 4u);
  EXPECT_EQ(bestRows(t.rows, 10).size(), 4u);
}
