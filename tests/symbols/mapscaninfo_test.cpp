// "k": the map-scan explanation screen.
#include <gtest/gtest.h>

#include "state/shellstate.hpp"
#include "support.hpp"
#include "symbols/symbols.hpp"

namespace {

// The screen rows as they must appear (row 1 is empty).
const std::vector<std::string> EXPECTEDROWS = {
    "",
    " Both [R] and {G} are first of all integer-generators. Mapping turns the integers into symbols sequences:",
    "",
    " The Symbols-List is a  38 rows x 1 column  array. The Symbols-Map is a  38 rows x 5 columns  array.",
    " Only symbols may be changed in the Symbols-List. Only map-integers may be changed in the Symbols-Map.",
    "",
    " During generating, the chaotic machinery generates an integer and scans the list and map looking for it.",
    " The Block-generator {G} may be commanded to scan only the Symbols-List's index-integers. To achieve the",
    " same effect with [R] the default Symbols-Map or a similar one must be used. The Symbols-Map, via its",
    " plugged-in map-integers, greatly expands beyond 1-38 the integers which may be scanned for: 1-32000",
    "",
    " If the integer is found, the Symbols-List ROW / INDEX (1-38) at which it is found determines",
    " the symbol, there in the Symbols-List, which becomes mapped.",
    "",
    " If that symbol's n-graph phantom is set active, then that phantom is substituted for the symbol.",
    "",
    " In [R] if the generated integer's match is not found, then a single NUL character is mapped for output.",
    "",
    " In {G} if the integer is not found, or the integer is greater than the allowed highest active-integer",
    " specified by the (W) command in the generating set-up, then another integer is generated and",
    " map-scanning for it resumes.",
    "",
    " How the Symbols-Map is scanned is determined by two controls, each with two settings.",
    "",
    "",
    " The Map-scan direction priority control works as follows :",
    "",
    " Map-scan direction priority = R     scanning proceeds along a ROW after ROW after ROW ...",
    "",
    " Map-scan direction priority = C     scanning proceeds down a COLUMN after COLUMN after COLUMN ...",
    "",
    " From the above it can be seen that if the same map-integer is installed more than once in the map,",
    " its effects on the output symbols-sequence will in general differ depending on the Map-scan direction,",
    " and depending on the generating set-up, it might have a critical effect in R while having no effect",
    " at all in C and vice versa.",
    "",
    "",
    " The Map-scan resume-point control works as follows :",
    "",
    " Map-scan resume-point = B    for each new integer-search the scan starts at the BEGINNING of the Symbols-Map",
    "",
    " Map-scan resume-point = L    for each new integer-search the scan continues onward from where the LAST ended",
    "",
    " Depending on generating set-up and the loading of the Symbols-List and Map, the effects of this control can",
    " be complicated. For example, it is possible to set up a generating scenario so that in the output symbols-",
    " sequence the chances of occurrences of immediate repititions like  ii  are favored by B but suppressed by L",
    "",
    "",
    "",
    " Press a key to continue",
};

// Colour of the first character of `piece` within screen row r.
int colorOfPiece(const Session& s, int r, const std::string& piece, size_t from = 0) {
  size_t at = s.row(r).find(piece, from);
  if (at == std::string::npos) return -1;
  return s.colorAt(r, static_cast<int>(at) + 1);
}

}  // namespace

TEST(MapScanInfo, EveryLineInItsPlaceAndColour) {
  Session s(120, 60);
  SHELL.KS = 'k';
  s.type("x");
  MAPSCANINFO();
  for (size_t i = 0; i < EXPECTEDROWS.size(); ++i) EXPECT_EQ(s.row(static_cast<int>(i) + 1), EXPECTEDROWS[i]) << i + 1;
  EXPECT_EQ(s.row(static_cast<int>(EXPECTEDROWS.size()) + 1), "");
  // The key is read by the block reader: the main menu's key stays.
  EXPECT_EQ(SHELL.KS, 'k');
  EXPECT_EQ(SHELL.GBKS, 'x');
  EXPECT_TRUE(s.keys().empty());

  EXPECT_EQ(colorOfPiece(s, 2, "Both"), SHELL.NCOLOR);
  EXPECT_EQ(colorOfPiece(s, 2, "[R] "), SHELL.YLCOLOR);
  EXPECT_EQ(colorOfPiece(s, 2, "] and"), SHELL.YLCOLOR);
  EXPECT_EQ(colorOfPiece(s, 2, "and {"), SHELL.NCOLOR);
  EXPECT_EQ(colorOfPiece(s, 2, "{G} "), SHELL.GNCOLOR);
  EXPECT_EQ(colorOfPiece(s, 2, "are first"), SHELL.NCOLOR);
  EXPECT_EQ(colorOfPiece(s, 19, "{G}"), SHELL.GNCOLOR);
  EXPECT_EQ(colorOfPiece(s, 26, "Map-scan direction priority "), SHELL.TQCOLOR);
  EXPECT_EQ(colorOfPiece(s, 26, "control"), SHELL.NCOLOR);
  EXPECT_EQ(colorOfPiece(s, 28, "Map-scan"), SHELL.NCOLOR);
  EXPECT_EQ(colorOfPiece(s, 28, "R     "), SHELL.TQCOLOR);
  EXPECT_EQ(colorOfPiece(s, 28, "ROW"), SHELL.NCOLOR);
  EXPECT_EQ(colorOfPiece(s, 34, " while"), SHELL.TQCOLOR);  // "R " keeps its blank
  EXPECT_EQ(colorOfPiece(s, 34, "while"), SHELL.NCOLOR);
  EXPECT_EQ(colorOfPiece(s, 46, "but"), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(46, static_cast<int>(s.row(46).size())), SHELL.TQCOLOR);  // the final "L"
  EXPECT_EQ(colorOfPiece(s, 50, "Press"), SHELL.GNCOLOR);
  EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);
}
