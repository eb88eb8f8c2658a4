// The List file: reading with its counting rules and cap, writing with CR LF.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support.hpp"
#include "vocabutils/listfile.hpp"

using ListWriting = SessionTest;

using Groups = std::vector<std::string>;

TEST(ListReading, LineEndsAndTheLastLine) {
  EXPECT_EQ(listGroups("ka\r\nmo\r\nte"), (Groups{"ka", "mo", "te"}));  // last line without line end
  EXPECT_EQ(listGroups("ka\nmo\nte\n"), (Groups{"ka", "mo", "te"}));    // LF only reads the same
  EXPECT_EQ(listGroups("ka\r\nmo\r\nte\r\n"), (Groups{"ka", "mo", "te"}));
  EXPECT_EQ(listGroups("ka\n\nte\n"), (Groups{"ka", "", "te"}));        // an empty line is a group
  EXPECT_EQ(listGroups("ka\n\n"), (Groups{"ka", ""}));
  EXPECT_EQ(listGroups("ab cd\tx\n"), (Groups{"ab cd\tx"}));           // nothing is trimmed
  EXPECT_EQ(listGroups("a\rb\r\nc\r"), (Groups{"a\rb", "c\r"}));       // a lone CR stays in its group
  EXPECT_EQ(listGroups(std::string("a\0b\n", 4)), (Groups{std::string("a\0b", 3)}));
}

TEST(ListReading, AnEmptyFileOrOneEmptyLineIsOneEmptyGroup) {
  EXPECT_EQ(listGroups(""), (Groups{""}));
  EXPECT_EQ(listGroups("\r\n"), (Groups{""}));
  EXPECT_EQ(listGroups("\n"), (Groups{""}));
}

TEST(ListReading, AtMost32000Groups) {
  std::string exact, longer;
  for (int i = 1; i <= 32000; ++i) exact += "g" + std::to_string(i) + "\r\n";
  longer = exact + "g32001\r\ng32002";
  bool more = true;
  Groups g = listGroups(exact, LISTMAXGROUPS, &more);
  EXPECT_EQ(g.size(), 32000u);
  EXPECT_FALSE(more);
  g = listGroups(longer, LISTMAXGROUPS, &more);
  ASSERT_EQ(g.size(), 32000u);
  EXPECT_EQ(g.back(), "g32000");
  EXPECT_TRUE(more);
  // A final line end after the 32000th line leaves nothing more to read.
  g = listGroups(exact.substr(0, exact.size() - 2), LISTMAXGROUPS, &more);
  EXPECT_FALSE(more);
}

TEST(ListReading, ReaderFillsATableFromEntryOne) {
  Session s;
  TempDir dir;
  dir.write("l.txt", "ka\nmo");
  ListReader list;
  ASSERT_TRUE(list.open("l.txt"));
  EXPECT_EQ(list.count(), 2);
  EXPECT_FALSE(list.capped());
  Tank<std::string> table(0, 1000);
  list.readInto(table);
  EXPECT_EQ(table.hi(), 2);
  EXPECT_EQ(table(0), "");
  EXPECT_EQ(table(1), "ka");
  EXPECT_EQ(table(2), "mo");
}

TEST(ListReading, AMissingFileIsReportedAndNotFatal) {
  Session s;
  TempDir dir;
  s.type(" ");
  ListReader list;
  EXPECT_FALSE(list.open("absent.txt"));
  EXPECT_NE(s.output().find(" file not found: absent.txt"), std::string::npos);
  EXPECT_TRUE(s.keys().empty());  // the report waited for its key
}

TEST_F(ListWriting, EveryGroupWithCrLf) {
  ASSERT_TRUE(writeListFile("w.txt", Groups{"ka", "", "a b"}));
  EXPECT_EQ(dir.read("w.txt"), "ka\r\n\r\na b\r\n");
  ASSERT_TRUE(writeListFile("none.txt", Groups{}));
  EXPECT_EQ(dir.read("none.txt"), "");
  // Block cells are written the same way, entries 1..n only.
  Tank<Text31> cells(0, 5);
  cells(0) = "zero";
  cells(1) = "qo";
  cells(2) = "dy";
  cells(3) = "unused";
  ASSERT_TRUE(writeListFile("cells.txt", cells, 2));
  EXPECT_EQ(dir.read("cells.txt"), "qo\r\ndy\r\n");
  // What is written reads back as the same list.
  ListReader back;
  ASSERT_TRUE(back.open("w.txt"));
  EXPECT_EQ(back.groups(), (Groups{"ka", "", "a b"}));
}

TEST_F(ListWriting, AFileThatCannotBeCreatedIsReported) {
  s.type(" ");
  EXPECT_FALSE(writeListFile("no-such-dir/w.txt", Groups{"ka"}));
  EXPECT_NE(s.output().find(" cannot create: no-such-dir/w.txt"), std::string::npos);
}

TEST_F(ListWriting, ACutSourceIsNeverOverwritten) {
  std::string big;
  for (int i = 0; i < 32001; ++i) big += "x\n";
  dir.write("big.txt", big);
  dir.write("small.txt", "x\n");
  ListReader cut, whole;
  ASSERT_TRUE(cut.open("big.txt"));
  ASSERT_TRUE(whole.open("small.txt"));
  EXPECT_TRUE(cut.capped());
  EXPECT_FALSE(refusesToOverwriteCutSource("other.txt", {&cut, &whole}));
  EXPECT_FALSE(refusesToOverwriteCutSource("small.txt", {&cut, &whole}));  // read whole
  s.type(" ");
  EXPECT_TRUE(refusesToOverwriteCutSource("./big.txt", {&whole, &cut}));   // same file, other name
  EXPECT_NE(s.output().find("only the first 32000 were read"), std::string::npos);
  EXPECT_EQ(dir.read("big.txt"), big);
  EXPECT_TRUE(sameFile("big.txt", "./big.txt"));
  EXPECT_FALSE(sameFile("big.txt", "small.txt"));
  EXPECT_FALSE(sameFile("big.txt", "absent.txt"));
}
