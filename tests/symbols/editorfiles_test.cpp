// Loading MAP.TXT and PHNTM.TXT: complete, valid files are installed; any other
// file is refused with its first problem and changes nothing.
#include <gtest/gtest.h>

#include <random>

#include "shell/numberforms.hpp"
#include "shell/shell.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "support.hpp"
#include "symbols/editors.hpp"
#include "symbols/mapscan.hpp"
#include "symbols/symbols.hpp"

namespace {

// Everything a load may change, and the scan controls, as one comparable text.
std::string tables() {
  std::string out = SYMB.MAPSCANDIRECTION + SYMB.MAPSCANRESUMEPOINT + "|" + SYMB.SYMBMAPDFILENAME + "|" +
                    SYMB.PHANTOMSSETDFILENAME + "\n";
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    out += std::string(1, SYMB.SYMBOLSTANK(r)) + intForm(SYMB.PHANTOMNGRAPHSSTATUSTANK(r)) + " " +
           SYMB.PHANTOMNGRAPHSTANK(r);
    for (int c = 1; c <= MAPCOLUMNS; ++c) out += intForm(SYMB.SYMBOLSMAPTANK(r, c));
    out += "\n";
  }
  return out;
}

std::string firstLines(const std::string& text, size_t count) {
  auto lines = linesOf(text);
  lines.resize(count);
  return crlfText(lines);
}

std::string repeatedLine(const std::string& line, size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += line + "\r\n";
  return text;
}

std::string garbage(size_t size) {
  std::mt19937 random(17);
  std::string bytes;
  for (size_t i = 0; i < size; ++i) bytes += static_cast<char>(random() & 0xFF);
  return bytes;
}

// Edited tables, saved under xMAP.TXT and xPHNTM.TXT, then the defaults back
// with the scan controls switched: what a refused load must leave alone.
class EditorFileLoading : public SessionTest {
 protected:
  void SetUp() override {
    SYMB.SYMBOLSTANK(4) = 'Q';
    SYMB.SYMBOLSMAPTANK(4, 3) = 77;
    SYMB.PHANTOMNGRAPHSTANK(4) = "qq";
    SYMB.PHANTOMNGRAPHSSTATUSTANK(4) = 1;
    saveMapFile("xMAP.TXT");
    savePhantomsFile("xPHNTM.TXT");
    map = dir.read("xMAP.TXT");
    phantoms = dir.read("xPHNTM.TXT");
    INSTALLDEFAULTSYMBOLSMAP();
    INSTALLDEFAULTPHANTOMS();
    TOGLMAPSCANDIRECTION();
    SYMB.SYMBMAPDFILENAME = "beforeMAP.TXT";
    SYMB.PHANTOMSSETDFILENAME = "beforePHNTM.TXT";
    before = tables();
  }

  // Loads the bytes as a map file, expects this problem and no change at all.
  void expectMapRefused(const std::string& bytes, const std::string& problem) {
    dir.write("badMAP.TXT", bytes);
    EXPECT_EQ(loadSymbolsMapFile("badMAP.TXT"), problem);
    EXPECT_EQ(tables(), before);
  }
  void expectPhantomsRefused(const std::string& bytes, const std::string& problem) {
    dir.write("badPHNTM.TXT", bytes);
    EXPECT_EQ(loadPhantomsFile("badPHNTM.TXT"), problem);
    EXPECT_EQ(tables(), before);
  }

  // The saved map with line n (from 1) replaced.
  std::string mapWithLine(size_t n, const std::string& line) {
    auto lines = linesOf(map);
    lines.at(n - 1) = line;
    return crlfText(lines);
  }

  std::string map, phantoms, before;
};

}  // namespace

TEST_F(EditorFileLoading, EmptyCutAndGarbageFilesAreRefused) {
  expectMapRefused("", "is empty");
  expectMapRefused(firstLines(map, 20), "ends after line 20 of 304");   // inside the map of row 3
  expectMapRefused(firstLines(map, 18), "ends after line 18 of 304");   // at the symbol of row 3
  expectPhantomsRefused("", "is empty");
  expectPhantomsRefused(phantoms.substr(0, 13), "ends after line 4 of 190");  // inside the first phantom
  std::string noise = garbage(3000);
  dir.write("noiseMAP.TXT", noise);
  dir.write("noisePHNTM.TXT", noise);
  EXPECT_EQ(loadSymbolsMapFile("noiseMAP.TXT").substr(0, 8), "line 1: ");
  EXPECT_EQ(loadPhantomsFile("noisePHNTM.TXT").substr(0, 8), "line 1: ");
  EXPECT_EQ(tables(), before);
}

TEST_F(EditorFileLoading, ItemsTheEditorWouldNotAcceptAreRefused) {
  expectMapRefused(mapWithLine(7, "x1"), "line 7: 'x1' is not a number");
  expectMapRefused(mapWithLine(12, "-3"), "line 12: '-3' is negative");
  expectMapRefused(mapWithLine(9, " 3"), "line 9: ' 3' is not the row number 2");
  expectMapRefused(mapWithLine(16, " 5"), "line 16: ' 5' stands where an empty line belongs");
  expectMapRefused(map + "\r\n 39\r\n", "line 306: ' 39' stands where an empty line belongs");
  expectMapRefused(mapWithLine(1, std::string(30, '\x01')), "line 1: '????????????????????...' is not a number");
  std::string longPhantom = std::string(" 1\r\n_\r\n 0\r\n") + std::string(31, 'p') + "\r\n";
  expectPhantomsRefused(longPhantom + phantoms.substr(17),
                        "line 4: 'pppppppppppppppppppp...' is longer than 30 characters");
  expectPhantomsRefused(" 1\r\n_\r\non\r\n" + phantoms.substr(11), "line 3: 'on' is not a number");
}

TEST_F(EditorFileLoading, AHundredThousandLines) {
  expectMapRefused(map + repeatedLine(" 1", 100000 - 304), "line 305: ' 1' stands where an empty line belongs");
  expectMapRefused(repeatedLine(" 1", 100000), "line 8: ' 1' stands where an empty line belongs");
  dir.write("longMAP.TXT", map + repeatedLine("", 100000 - 304));
  EXPECT_EQ(loadSymbolsMapFile("longMAP.TXT"), "");
  EXPECT_EQ(SYMB.SYMBOLSMAPTANK(4, 3), 77);
}

TEST_F(EditorFileLoading, CompleteFilesLoadWithTheirNameAndNothingElse) {
  dir.write("tMAP.TXT", map + "\r\n  \r\n\r\n");  // trailing empty lines
  ASSERT_EQ(loadSymbolsMapFile("tMAP.TXT"), "");
  EXPECT_EQ(SYMB.SYMBOLSTANK(4), 'Q');
  EXPECT_EQ(SYMB.SYMBOLSMAPTANK(4, 3), 77);
  EXPECT_EQ(SYMB.SYMBMAPDFILENAME, "tMAP.TXT");
  EXPECT_EQ(SYMB.MAPSCANDIRECTION, "R");  // not part of the file
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(4), "er");
  EXPECT_EQ(SYMB.PHANTOMSSETDFILENAME, "beforePHNTM.TXT");

  // Edited by hand: LF line ends, a blank, a comma and a quote as symbols,
  // numbers with blanks or in other forms, no empty line after the last record.
  std::string edited = mapWithLine(2, " ");
  auto lines = linesOf(edited);
  lines[9] = ",";
  lines[17] = "\"";
  lines[10] = "7.0 ";
  lines[11] = "\t1d1";
  lines.pop_back();
  std::string lf;
  for (const std::string& line : lines) lf += line + "\n";
  dir.write("hMAP.TXT", lf);
  ASSERT_EQ(loadSymbolsMapFile("hMAP.TXT"), "");
  EXPECT_EQ(std::string() + SYMB.SYMBOLSTANK(1) + SYMB.SYMBOLSTANK(2) + SYMB.SYMBOLSTANK(3), " ,\"");
  EXPECT_EQ(SYMB.SYMBOLSMAPTANK(2, 1), 7);
  EXPECT_EQ(SYMB.SYMBOLSMAPTANK(2, 2), 10);

  // Phantoms with leading blanks; statuses as the editor takes them.
  std::string set = " 1\r\n_\r\n 256\r\n  two blanks\r\n\r\n 2\r\ne\r\n-1\r\n" + phantoms.substr(28);
  dir.write("pPHNTM.TXT", set);
  ASSERT_EQ(loadPhantomsFile("pPHNTM.TXT"), "");
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(1), "  two blanks");
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSSTATUSTANK(1), 0);
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSSTATUSTANK(2), 255);
  EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(4), "qq");
  EXPECT_EQ(SYMB.PHANTOMSSETDFILENAME, "pPHNTM.TXT");
  EXPECT_EQ(SYMB.SYMBOLSTANK(2), ',');  // the symbols of a phantoms file are not read
}

TEST_F(EditorFileLoading, FilesThatCannotBeOpened) {
  EXPECT_EQ(loadSymbolsMapFile("noneMAP.TXT"), "file not found: noneMAP.TXT (No such file or directory)");
  std::filesystem::create_directory("dirPHNTM.TXT");
  EXPECT_EQ(loadPhantomsFile("dirPHNTM.TXT"), "file not found: dirPHNTM.TXT (Is a directory)");
  EXPECT_EQ(tables(), before);
  EXPECT_EQ(loadProblemMessage("noneMAP.TXT", "file not found: noneMAP.TXT (x)"), "file not found: noneMAP.TXT (x)");
  EXPECT_EQ(loadProblemMessage("aMAP.TXT", "is empty"), "aMAP.TXT: is empty");
}

TEST_F(EditorFileLoading, TheEditorShowsTheProblemAndGoesOnAfterAKey) {
  dir.write("cutMAP.TXT", firstLines(map, 20));
  s.type("dcut\n");  // the script ends at the pause: look at the screen there
  EXPECT_THROW(LOADSYMBOLSANDMAP(), con::EndOfInput);
  int row = s.findRow("cutMAP.TXT: ends after line 20 of 304");
  ASSERT_GT(row, 50);
  EXPECT_EQ(s.row(row), " cutMAP.TXT: ends after line 20 of 304");
  EXPECT_EQ(s.colorAt(row, 2), SHELL.RDCOLOR);
  EXPECT_EQ(s.findRow("Press a key to continue"), row + 1);

  s.type("dcut\nue");  // "u" answers the pause and is not taken as a command
  LOADSYMBOLSANDMAP();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(tables(), before);
  EXPECT_NE(s.row(8).find("last file-name: beforeMAP.TXT"), std::string::npos);

  dir.write("cutPHNTM.TXT", firstLines(phantoms, 7));
  s.type("dcut\nue");
  CONTROLPHANTOMS();
  size_t message = s.output().find(" cutPHNTM.TXT: ends after line 7 of 190");
  ASSERT_NE(message, std::string::npos);
  EXPECT_GT(message, s.output().find("PHNTM.TXT  disk-load"));
  EXPECT_EQ(tables(), before);
}
