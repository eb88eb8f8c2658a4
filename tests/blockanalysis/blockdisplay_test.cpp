// "K" and "M": the block on screen, and the block text rules they share with
// the report.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "blockanalysis/blockfixtures.hpp"
#include "blockanalysis/reports.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "support.hpp"

namespace {

using Groups = std::vector<std::string>;

const Groups PARAGRAPHBLOCK{"ka", "#ab", "mo", "cd*", "ka", "te"};

// Distinct groups: the prefix followed by two letters counting up.
Groups distinctGroups(int count, const std::string& prefix, const std::string& suffix = "") {
  Groups out;
  for (int i = 0; i < count; ++i)
    out.push_back(prefix + static_cast<char>('a' + i / 26) + static_cast<char>('a' + i % 26) + suffix);
  return out;
}

void useSizes(std::vector<int> sizes) { applySetup({.activeSizes = std::move(sizes)}); }

// Groups of size 3 separated by CR LF: one group a line.
void oneGroupPerLine() {
  useSizes({3});
  GEN.GROUPSEPCODE1 = 13;
  GEN.GROUPSEPCODE2 = 10;
  GEN.SHOWGROUPSFORMATFLAG = 1;
}

void show(char key) {
  SHELL.GBKS = key;
  SHOWBLOKOFGROUPS();
}

size_t at(const std::string& text, const std::string& needle, size_t from = 0) {
  size_t p = text.find(needle, from);
  EXPECT_NE(p, std::string::npos) << needle;
  return p;
}

TEST(ParagraphMark, FirstTriggeringCharacterDecides) {
  EXPECT_EQ(paragraphMark("#ab", "#", "*", false), ParagraphMark::Starts);
  EXPECT_EQ(paragraphMark("ab*", "#", "*", false), ParagraphMark::Ends);
  EXPECT_EQ(paragraphMark("a*#", "#", "*", false), ParagraphMark::Ends);
  EXPECT_EQ(paragraphMark("ab", "#", "*", true), ParagraphMark::None);
  // One symbol for both: the forward text starts, the mirrored text ends.
  EXPECT_EQ(paragraphMark("a#b", "#", "#", false), ParagraphMark::Starts);
  EXPECT_EQ(paragraphMark("a#b", "#", "#", true), ParagraphMark::Ends);
  // An empty symbol matches nothing, not even a group holding character 0.
  EXPECT_EQ(paragraphMark(std::string("a\0b", 3), "", "", false), ParagraphMark::None);
  EXPECT_EQ(paragraphMark("ab*", "", "*", true), ParagraphMark::Ends);
}

TEST(BlockDisplay, ForwardShowsRepeatedGroupsInYellowAndParagraphs) {
  Session s;
  useSizes({2, 3});
  GEN.PARAGRFDOFLAG = "Y";
  constructBlock(PARAGRAPHBLOCK);
  s.type("x");
  show('K');
  EXPECT_EQ(s.row(28), "ka");
  EXPECT_EQ(s.row(29), "");
  EXPECT_EQ(s.row(30), "#ab mo cd*");
  EXPECT_EQ(s.row(31), "");
  EXPECT_EQ(s.row(32), " ka te");
  EXPECT_EQ(s.colorAt(28, 1), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(28, 2), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(30, 1), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(32, 2), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(32, 5), SHELL.NCOLOR);
  EXPECT_EQ(s.row(34), " Press a key to continue");
  EXPECT_EQ(s.colorAt(34, 2), SHELL.GNCOLOR);
  EXPECT_EQ(con::cursorRow(), 36);
  EXPECT_TRUE(s.keys().empty());
}

TEST(BlockDisplay, UnderscoreSeparatorColours) {
  Session s;
  useSizes({2, 3});
  GEN.GROUPSEPCODE1 = 95;
  constructBlock({"ka", "mo", "ka"});
  s.type("xx");
  show('K');
  EXPECT_EQ(s.row(28), "ka_mo_ka_");
  EXPECT_EQ(s.colorAt(28, 3), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(28, 4), SHELL.NCOLOR);
  con::cls();
  show('M');
  EXPECT_EQ(s.row(28), "ak_om_ak_");
  EXPECT_EQ(s.colorAt(28, 3), SHELL.RDCOLOR);
  EXPECT_EQ(s.colorAt(28, 1), SHELL.NCOLOR);  // no repeated group in yellow
}

// Keys that keep the screen rows as they stand at each key wait.
class ScreenAtEachKey : public con::ScriptedKeys {
 public:
  std::vector<std::vector<std::string>> screens;
  int32_t wait() override {
    std::vector<std::string> rows(1);
    for (int r = 1; r <= con::screen().height(); ++r) rows.push_back(con::screen().rowText(r));
    screens.push_back(rows);
    return ScriptedKeys::wait();
  }
};

TEST(BlockDisplay, OneGroupPerLineIgnoresParagraphsAndPausesAfter43Lines) {
  Session s;
  auto keys = std::make_unique<ScreenAtEachKey>();
  ScreenAtEachKey& screens = *keys;
  con::install(std::make_unique<con::PlainSink>(-1), std::move(keys), 120, 60);
  oneGroupPerLine();
  GEN.PARAGRFDOFLAG = "Y";
  constructBlock(distinctGroups(43, "#"));
  screens.type("xx");
  show('K');
  ASSERT_EQ(screens.screens.size(), 2u);
  // At the pause: from row 28, one group a row; group 33 reached the last
  // row, and the line ends after groups 33 to 43 and the three before the
  // pause scrolled 14 rows. The prompt is at row 52 over group 39.
  const std::vector<std::string>& pause = screens.screens[0];
  EXPECT_EQ(pause[18], "#ae");
  EXPECT_EQ(pause[51], "#bl");
  EXPECT_EQ(pause[52], " Press a key to continue");
  EXPECT_EQ(pause[53], "#bn");
  EXPECT_EQ(pause[56], "#bq");
  EXPECT_EQ(pause[57], "");
  EXPECT_EQ(s.colorAt(52, 2), SHELL.YLCOLOR);
  // After the key the rows below the prompt are blanked for the next page;
  // here the closing prompt follows.
  const std::vector<std::string>& closing = screens.screens[1];
  EXPECT_EQ(closing[52], " Press a key to continue");
  EXPECT_EQ(closing[53], "");
  EXPECT_EQ(closing[55], " Press a key to continue");
  EXPECT_EQ(closing[56], "");
  EXPECT_EQ(s.colorAt(55, 2), SHELL.GNCOLOR);
}

TEST(BlockDisplay, EscAtAPauseEndsTheListingWithTheClosingPrompt) {
  Session s;
  oneGroupPerLine();
  constructBlock(distinctGroups(50, "x"));
  s.press(con::KEY_ESC);
  s.type("x");
  show('K');
  std::string out = s.output();
  EXPECT_LT(at(out, "xbq"), at(out, " Press a key to continue "));
  EXPECT_EQ(out.find("xbr"), std::string::npos);
  EXPECT_EQ(occurrences(out, " Press a key to continue "), 2u);
  EXPECT_TRUE(s.keys().empty());
}

TEST(BlockDisplay, CharacterPagesCountGroupsAndParagraphBreaks) {
  Session s;
  useSizes({3});
  // 612 groups of 3 characters count 3060.
  constructBlock(distinctGroups(620, "a"));
  s.type("xx");
  show('K');
  std::string out = s.output();
  size_t pause = at(out, " Press a key to continue ");
  EXPECT_LT(at(out, "axn "), pause);  // group 612
  EXPECT_GT(at(out, "axo "), pause);  // group 613
  EXPECT_TRUE(s.keys().empty());
}

TEST(BlockDisplay, ParagraphBreaksCount180AndEndGroupsNoLength) {
  Session s;
  useSizes({3});
  GEN.PARAGRFDOFLAG = "Y";
  // Starting groups count 185 each: the 17th reaches 3145.
  constructBlock(distinctGroups(20, "#"));
  s.type("xx");
  show('K');
  std::string out = s.output();
  size_t pause = at(out, " Press a key to continue ");
  EXPECT_LT(at(out, "#aq "), pause);
  EXPECT_GT(at(out, "#ar "), pause);

  // Ending groups count 180 each: the 17th reaches 3060.
  Session t;
  useSizes({3});
  GEN.PARAGRFDOFLAG = "Y";
  constructBlock(distinctGroups(20, "", "*"));
  t.type("xx");
  show('K');
  out = t.output();
  pause = at(out, " Press a key to continue ");
  EXPECT_LT(at(out, "aq*"), pause);
  EXPECT_GT(at(out, "ar*"), pause);
}

TEST(BlockDisplay, MirroredPausesInRedAndKeepsItsVariantAfterTheKey) {
  Session s;
  oneGroupPerLine();
  constructBlock(distinctGroups(45, "x"));
  s.type("Kx");
  show('M');
  EXPECT_EQ(SHELL.GBKS, 'x');
  std::string out = s.output();
  size_t pause = at(out, " Press a key to continue ");
  EXPECT_LT(at(out, "cax"), pause);  // mirrored group 43: block group 3 "xac" reversed
  EXPECT_GT(at(out, "bax"), pause);  // group 44 still mirrored
  EXPECT_EQ(out.find("xab"), std::string::npos);
  EXPECT_EQ(s.colorAt(52, 2), SHELL.RDCOLOR);
}

TEST(BlockDisplay, NothingWithoutABlock) {
  Session s;
  show('K');
  show('M');
  EXPECT_EQ(s.output(), "");
}

}  // namespace
