// The list operations behind the utilities: repeats, matches, subtraction,
// groups of a text and of a concordance line.
#include <gtest/gtest.h>

#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/listops.hpp"
#include "vocabutils/vocabutils.hpp"

using Groups = std::vector<std::string>;

TEST(ListOps, LaterRepeatsAreEmptiedFirstOccurrencesStay) {
  Groups g{"a", "b", "a", "", "c", "b", "", "A"};
  emptyLaterRepeats(g);
  EXPECT_EQ(g, (Groups{"a", "b", "", "", "c", "", "", "A"}));
  EXPECT_EQ(nonEmptyGroups(g), (Groups{"a", "b", "c", "A"}));
}

TEST(ListOps, MatchesKeepFirstListOrderAndItsRepeats) {
  EXPECT_EQ(listMatches({"ka", "mo", "te"}, {"te", "ka"}), (Groups{"ka", "te"}));
  EXPECT_EQ(listMatches({"ka", "ka", "ka"}, {"ka"}), (Groups{"ka", "ka", "ka"}));
  EXPECT_EQ(listMatches({"ka"}, {"ka", "ka"}), (Groups{"ka"}));  // once per first-list group
  EXPECT_EQ(listMatches({"", "x"}, {"y", ""}), (Groups{""}));    // the empty group matches too
  EXPECT_EQ(listMatches({"Ka"}, {"ka"}), Groups{});               // case matters
}

TEST(ListOps, SubtractionRemovesTheEarliestOccurrenceEachTime) {
  Groups first{"ka", "mo", "ka", "te"};
  subtractList(first, {"ka"});
  EXPECT_EQ(nonEmptyGroups(first), (Groups{"mo", "ka", "te"}));
  first = {"ka", "mo", "ka", "te"};
  subtractList(first, {"ka", "ka"});
  EXPECT_EQ(nonEmptyGroups(first), (Groups{"mo", "te"}));
  first = {"ka", "mo", "ka", "te"};
  subtractList(first, {"ka", "ka", "ka", "xx"});  // more than the first list holds
  EXPECT_EQ(first, (Groups{"", "mo", "", "te"}));
  first = {"ka", "", "mo"};
  subtractList(first, {"", "mo"});
  EXPECT_EQ(nonEmptyGroups(first), (Groups{"ka"}));
}

TEST(ListOps, DefaultAllowedSetAndTextGroups) {
  Session s;
  LOADDEFAULTALLOWEDSYMBOLS();
  AllowedSet allowed = allowedSet(VOC.ALLOWEDSYMBOLSTANK);
  EXPECT_TRUE(allowed['\'']);
  EXPECT_TRUE(allowed['0'] && allowed['9'] && allowed['A'] && allowed['Z'] && allowed['a'] && allowed['z']);
  EXPECT_FALSE(allowed[' '] || allowed[','] || allowed['-'] || allowed[127] || allowed[200] || allowed['\n']);
  EXPECT_TRUE(allowed[0]);
  EXPECT_EQ(textGroups("Don't stop,\r\n", allowed), (Groups{"Don't", "stop"}));
  EXPECT_EQ(textGroups("a b a c b", allowed), (Groups{"a", "b", "a", "c", "b"}));
  EXPECT_EQ(textGroups("  end", allowed), (Groups{"end"}));  // the last group without a line end
  EXPECT_EQ(textGroups(" ,.;\r\n", allowed), Groups{});
  // Byte 0 is allowed and adds nothing: it joins, and alone makes an empty group.
  EXPECT_EQ(textGroups(std::string("ab\0cd \0 x", 9), allowed), (Groups{"abcd", "", "x"}));
}

TEST(ListOps, ConcordanceGroupIsTheTextBeforeTheFirstComma) {
  EXPECT_EQ(concordanceGroup("kor,1.1"), "kor");
  EXPECT_EQ(concordanceGroup(" or ,x"), " or ");
  EXPECT_EQ(concordanceGroup(",x"), "");
  EXPECT_EQ(concordanceGroup("nocomma"), "nocomma");
  std::string longLine(300, 'q');
  EXPECT_EQ(concordanceGroup(longLine), std::string(255, 'q'));
  EXPECT_EQ(concordanceGroup(std::string(255, 'q') + ",x"), std::string(255, 'q'));
  EXPECT_EQ(concordanceGroup(std::string(256, 'q') + ",x"), std::string(255, 'q'));  // comma not seen
}
