// The symbols-and-map editor, the phantoms editor and their files.
#include <gtest/gtest.h>

#include "shell/shell.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "support.hpp"
#include "symbols/editors.hpp"
#include "symbols/symbols.hpp"

namespace {

// Runs the map editor on these keys; the script ends with "e".
void edit(Session& s, std::string_view keys) {
  s.type(keys);
  LOADSYMBOLSANDMAP();
}

std::string symbols(int first, int last) {
  std::string out;
  for (int r = first; r <= last; ++r) out += SYMB.SYMBOLSTANK(r);
  return out;
}

}  // namespace

using EditorFiles = SessionTest;

TEST(MapEditor, ScreenLayoutAndColours) {
  Session s;
  SYMB.PHANTOMNGRAPHSSTATUSTANK(2) = 1;
  edit(s, "e");
  EXPECT_EQ(s.row(2), " 38 symbols may each be mapped to up to 5 different integers. A zero in the map = no symbol mapped therefrom.");
  EXPECT_EQ(s.row(3), " The manner of map-scanning affects results: (u) Map-scan direction priority: C  (i) Map-scan resume-point: B");
  EXPECT_EQ(s.colorAt(3, 79), SHELL.TQCOLOR);  // "C"
  EXPECT_EQ(s.colorAt(3, 78), SHELL.NCOLOR);
  EXPECT_EQ(s.row(8), " Index : Symbol : COL-1 : COL-2 : COL-3 : COL-4 : COL-5          last file-name:");
  EXPECT_EQ(s.row(10), "   01  :    _   : 1 :  1 :  1 :  1 :  1");
  EXPECT_EQ(s.row(47), "   38  :    *   : 38 :  38 :  38 :  38 :  38");
  EXPECT_EQ(s.colorAt(10, 1), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(14, 5), SHELL.YLCOLOR);   // row 5 label
  EXPECT_EQ(s.colorAt(14, 20), SHELL.YLCOLOR);  // row 5 map values
  EXPECT_EQ(s.colorAt(11, 13), SHELL.BLCOLOR);  // row 2: phantom active
  EXPECT_EQ(s.colorAt(10, 13), SHELL.NCOLOR);
}

TEST(MapEditor, ChangeSymbolsValidatesTheRange) {
  Session s;
  edit(s, "c3,5,x\nc0,5,y\nc5,3,y\nc3,40,y\ne");
  EXPECT_EQ(symbols(1, 6), "_exxxn");
  edit(s, "c6,6\ne");
  EXPECT_EQ(SYMB.SYMBOLSTANK(6), ' ');
  edit(s, "c7,7,\"\xE9\"\ne");  // a byte above 127 stays itself
  EXPECT_EQ(static_cast<unsigned char>(SYMB.SYMBOLSTANK(7)), 0xE9);
}

TEST(MapEditor, ChangeMappingRotateSwapAndToggles) {
  Session s;
  edit(s, "m2,3,9,8,7,6,5\nm1,1,1,1,1,1,-1\ne");
  EXPECT_EQ(SYMB.SYMBOLSMAPTANK(2, 1), 9);
  EXPECT_EQ(SYMB.SYMBOLSMAPTANK(3, 5), 5);
  EXPECT_EQ(SYMB.SYMBOLSMAPTANK(1, 5), 1);  // a negative value changes nothing
  edit(s, "te");
  EXPECT_EQ(symbols(1, 3), "*_e");
  edit(s, "w1,3\nw1,39\ne");
  EXPECT_EQ(symbols(1, 3), "e_*");
  edit(s, "uie");
  EXPECT_EQ(SYMB.MAPSCANDIRECTION, "R");
  EXPECT_EQ(SYMB.MAPSCANRESUMEPOINT, "L");
  edit(s, "m1,38,0,0,0,0,0\nre");
  EXPECT_EQ(SYMB.SYMBOLSMAPTANK(1, 1), 1);
  EXPECT_EQ(symbols(1, 3), "_et");
}

TEST(MapEditor, PromptsAtRow50) {
  Session big(120, 60);
  big.type("c1,1");  // the script ends inside the entry: look at the screen there
  EXPECT_THROW(LOADSYMBOLSANDMAP(), con::EndOfInput);
  EXPECT_EQ(big.row(50), " Enter index-range -start, -end, new symbol : 1,1");
}

TEST(MapEditor, SmallConsoleIgnoresThePosition) {
  Session small(80, 24);
  edit(small, "c1,1,q\ne");
  EXPECT_EQ(SYMB.SYMBOLSTANK(1), 'q');
  EXPECT_NE(small.output().find("   38  :    *   : 38 :  38 :  38 :  38 :  38\r\n"
                                "Enter index-range -start, -end, new symbol : 1,1,q"),
            std::string::npos);
}

TEST(MapEditor, DirectoryThenAKeyThatMayLeave) {
  Session s;
  TempDir dir;
  dir.write("a.txt", "");
  edit(s, "fe");  // "e" pressed after the listing leaves the editor at once
  EXPECT_GT(s.findRow(" 1 files"), 0);
  EXPECT_TRUE(s.keys().empty());
}

TEST(PhantomsEditor, ScreenAndExitBackToTheMapEditor) {
  Session s;
  SYMB.PHANTOMNGRAPHSSTATUSTANK(2) = 1;
  s.type("pe");
  s.type("e");
  LOADSYMBOLSANDMAP();
  EXPECT_TRUE(s.keys().empty());  // "e" of the phantoms editor did not leave the map editor
  // The map editor was drawn last; draw the phantoms editor again to look at it.
  s.type("e");
  CONTROLPHANTOMS();
  EXPECT_EQ(SHELL.KS, '+');
  EXPECT_EQ(s.row(6), " (c) Change phantoms   (t) Rotate phantoms   (1) Change status   (m) Mirror   (f) Directory   (e) Exit");
  EXPECT_EQ(s.row(8), " Index : Symbol : Status : Phantom                               last file-name:");
  EXPECT_EQ(s.row(10), "   01  :    _   :    0   :   __");
  EXPECT_EQ(s.row(11), "   02  :    e   :    1   :   en");
  EXPECT_EQ(s.colorAt(11, 13), SHELL.BLCOLOR);
  EXPECT_EQ(s.colorAt(11, 22), SHELL.RDCOLOR);
  EXPECT_EQ(s.colorAt(14, 30), SHELL.YLCOLOR);  // row 5
  EXPECT_EQ(s.row(45), "   36  :    9   :    0   :    e = 2.718...");
}

TEST(PhantomsEditor, ChangeStatusMirrorRotateSwap) {
  Session s;
  s.type("c2,2,1,the\nc3,3,1," + std::string(31, 'x') + "\nc4,4,1," + std::string(30, 'y') + "\ne");
  CONTROLPHANTOMS();
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(2), "the");
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSSTATUSTANK(2), 1);
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(3), "re");  // 31 characters refused
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(4), std::string(30, 'y'));
  s.type("11,38,256\n15,5,-1\nm21,21\ne");
  CONTROLPHANTOMS();
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSSTATUSTANK(2), 0);    // 256 keeps its low 8 bits
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSSTATUSTANK(5), 255);  // active, not highlighted
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(21), "eht");
  s.type("tw1,2\nw0,2\ne");
  CONTROLPHANTOMS();
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(1), "__");
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(2), "_Wendmark_");
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSSTATUSTANK(5), 255);  // statuses do not move
  s.type("re");
  CONTROLPHANTOMS();
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(1), "__");
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSSTATUSTANK(5), 0);
}

TEST_F(EditorFiles, DefaultMapFileBytes) {
  s.type("s  my\ne");
  LOADSYMBOLSANDMAP();
  EXPECT_EQ(SYMB.SYMBMAPDFILENAME, "myMAP.TXT");
  std::string text = dir.read("myMAP.TXT");
  EXPECT_EQ(text.substr(0, 29), " 1\r\n_\r\n 1\r\n 1\r\n 1\r\n 1\r\n 1\r\n\r\n");
  EXPECT_EQ(occurrences(text, "\r\n"), 304u);
  EXPECT_EQ(text.substr(text.size() - 35), " 38\r\n*\r\n 38\r\n 38\r\n 38\r\n 38\r\n 38\r\n\r\n");
}

TEST_F(EditorFiles, MapAndPhantomsSurviveASaveAndLoad) {
  SYMB.SYMBOLSTANK(1) = ' ';
  SYMB.SYMBOLSTANK(2) = ',';
  SYMB.SYMBOLSTANK(3) = '"';
  SYMB.SYMBOLSTANK(4) = '\0';
  SYMB.SYMBOLSMAPTANK(5, 2) = 31999;
  SYMB.PHANTOMNGRAPHSTANK(7) = "a, \"b\"";
  SYMB.PHANTOMNGRAPHSSTATUSTANK(7) = 1;
  ASSERT_TRUE(saveMapFile("xMAP.TXT"));
  ASSERT_TRUE(savePhantomsFile("xPHNTM.TXT"));
  SymbolsState saved = SYMB;
  INSTALLDEFAULTSYMBOLSMAP();
  INSTALLDEFAULTPHANTOMS();
  ASSERT_EQ(loadSymbolsMapFile("xMAP.TXT"), "");
  ASSERT_EQ(loadPhantomsFile("xPHNTM.TXT"), "");
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    EXPECT_EQ(SYMB.SYMBOLSTANK(r), saved.SYMBOLSTANK(r)) << r;
    for (int c = 1; c <= MAPCOLUMNS; ++c) EXPECT_EQ(SYMB.SYMBOLSMAPTANK(r, c), saved.SYMBOLSMAPTANK(r, c));
    EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(r), saved.PHANTOMNGRAPHSTANK(r)) << r;
    EXPECT_EQ(SYMB.PHANTOMNGRAPHSSTATUSTANK(r), saved.PHANTOMNGRAPHSSTATUSTANK(r));
  }
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(36), " e = 2.718...");
  std::string phantoms = dir.read("xPHNTM.TXT");
  EXPECT_EQ(phantoms.substr(0, 17), " 1\r\n \r\n 0\r\n__\r\n\r\n");
}

TEST_F(EditorFiles, AMissingFileChangesNothing) {
  s.type("dnone\nk");  // the key answers the file error
  s.type("e");
  SYMB.SYMBOLSTANK(1) = 'q';
  LOADSYMBOLSANDMAP();
  EXPECT_EQ(SYMB.SYMBOLSTANK(1), 'q');
  EXPECT_EQ(SYMB.SYMBMAPDFILENAME, "");
  EXPECT_NE(s.output().find("file not found: noneMAP.TXT"), std::string::npos);
  s.type("s no-such-dir/p\nke");
  CONTROLPHANTOMS();
  EXPECT_EQ(SYMB.PHANTOMSSETDFILENAME, "");
  EXPECT_FALSE(std::filesystem::exists("no-such-dir"));
}
