// "D" and "S": the directory, and the block report prefix + "CGB.txt".
#include <array>

#include "blockanalysis/blockanalysis.hpp"
#include "blockanalysis/reports.hpp"
#include "blockanalysis/setuplines.hpp"
#include "shell/console.hpp"
#include "shell/files.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "shell/report.hpp"
#include "shell/shell.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"

namespace {

void writeSpecifications(OutputFile& f) {
  f.newLine();
  f.printLine(" SPECIFICATIONS for generating the Block of Groups :");
  f.newLine();
  writeBlockSetupRanges(f, true);
  f.printLine(" Groups separation codes : " + intForm(GEN.GROUPSEPCODE1) + "," + intForm(GEN.GROUPSEPCODE2));
  f.printLine(" Paragraph triggering : " + GEN.PARAGRFDOFLAG + GEN.PARAGRFSTARTSYMBOL + GEN.PARAGRFENDSYMBOL);
  writeBlockSetupMap(f);
  writeEmptyLines(f, 3);
}

void writeGroupStatistics(OutputFile& f) {
  f.printLine(" RESULTS :   ( generating-integers, and Vocabulary tests, optionally saved in separate files )");
  f.newLine();
  f.printLine(" Generated Block-size, no. of groups = " + intForm(GEN.PROGRESSINDICATOR));
  f.printLine("                no. of unique groups = " + intForm(ANA.UNIQUEGROUPSCOUNT));
  f.printLine("                     % unique groups = " + floatForm(ANA.UNIQUEGROUPSPERCENTAGE));
  f.newLine();
  f.printLine("              Block Vocabulary Ratio = " + floatForm(ANA.BLOKVOCABRATIO));
  f.newLine();
  f.printLine("       no. of Non-unique group-Types = " + intForm(ANA.NONUNIQUEGROUPSTYPECOUNT) +
              "         Ratio Non-U/U = " + floatForm(ANA.NONTOUNIQUETYPESRATIO));
  f.newLine();
  f.printLine(" Non-Unique group-types : and their frequencies : ");
  f.newLine();
  for (int32_t t = 1; t <= ANA.NONUNIQUEGROUPSTYPECOUNT; ++t)
    f.printLine(" " + ANA.NONUNIQUEGROUPSTYPESTANK(t).str() + "  : " + intForm(ANA.NONUNIQUEGROUPSTYPESFREQSTANK(t)));
  writeEmptyLines(f, 2);
}

void writeSizeCounts(OutputFile& f) {
  const BlockSetup& b = GEN.BLOKSETUP;
  f.printLine(" Number of groups vs group-size :");
  f.printLine(" group-size : count");
  for (int s = b.LOGROUPSIZE; s <= b.HIGROUPSIZE; ++s) {
    if (s < 1 || s > MAXGROUPSIZE || b.ACTIVEGROUPSIZES[static_cast<size_t>(s)] == 0) continue;
    f.tab(10);
    f.printLine((s < 10 ? " " : "") + asText(s) + " :" + intForm(GEN.ACTIVEGROUPSIZESCOUNTSTANK(s)));
  }
  f.newLine();
  f.printLine(" Generated total no. of symbols = " + intForm(GEN.BLOKGROUPSGRANDSIZE));
  f.printLine(" Generated average group-size = " + floatForm(GEN.AVGGROUPSIZE));
  writeEmptyLines(f, 2);
}

// The "F" figures as they stand: possibly of an earlier block, possibly none;
// the fraction is always over the characters of the current block.
void writeSymbolFrequencies(OutputFile& f) {
  f.printLine(" Symbol : Freq. : Freq.-fraction   for the VOCABULARY [1] :");
  f.newLine();
  std::array<int, 256> codeOfRank{};
  for (int c = 0; c <= 255; ++c) {
    int32_t r = ANA.GBVSYMBSFREQSRANKSTANK(c);
    if (r >= 1 && r <= 255) codeOfRank[static_cast<size_t>(r)] = c;
  }
  const int column = digitCount(ANA.GBVSMAXFREQ) + 6;
  for (int32_t r = 1; r <= ANA.GBLOKVOCABALPHABETSYMBOLSN && r <= 255; ++r) {
    int c = codeOfRank[static_cast<size_t>(r)];
    ANA.GBSYMBFREQRATIO = SYMBOLFREQFRACTION(c);
    f.print(" " + std::string(1, static_cast<char>(c)) + " :" + intForm(ANA.GBLOKVOCABSYMBOLSFREQSTANK(c)));
    f.tab(column);
    f.printLine(" : " + floatForm(ANA.GBSYMBFREQRATIO));
  }
  f.newLine();
  f.printLine(" Alphabet of the Vocabulary and Groups-Block [1] :");
  f.printLine(" " + ANA.GBLOKVOCABALPHABETWORD);
  writeEmptyLines(f, 2);
}

void writeBlockTexts(OutputFile& f) {
  const int32_t N = GEN.PROGRESSINDICATOR;
  f.printLine(" Generated Block of Groups FORWARD-sequenced : ");
  f.newLine();
  f.print(blockText(GEN.BLOKGROUPSTANK, N, false));
  writeEmptyLines(f, 3);
  f.printLine(" Generated Block of Groups MIRROR-sequenced : ");
  f.newLine();
  f.print(blockText(GEN.MIRRORBLOKGROUPSTANK, N, true));
  writeEmptyLines(f, 3);
  f.printLine(" [1] this data prints out here only if the  (F) Freqs  command in {G} Menu has been used.");
  f.newLine();
}

}  // namespace

bool writeBlockReport(const std::string& name) {
  OutputFile f;
  if (!f.open(name)) return false;
  writeReportHeader(f);
  writeSpecifications(f);
  writeGroupStatistics(f);
  writeSizeCounts(f);
  writeSymbolFrequencies(f);
  writeBlockTexts(f);
  writeReportTrailer(f);
  return f.close();
}

void DIRANDSAVEFORBLOCKOFGROUPS() {
  const char command = SHELL.GBKS;
  con::locate(GEN.PROGMONSTARTSCREENROW + 14, 1);
  SHOWDIRECTORY();
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::printLine(SHELL.STR1);
  con::color(SHELL.NCOLOR);
  GBGETAKEY();
  if (command == 'D' || GEN.HAVEBLOKFLAG == 0) return;

  con::newLine();
  con::color(SHELL.GNCOLOR);
  LineFields prefix(con::input(" Enter a valid save-filename prefix for prefixCGB.txt : "));
  SHELL.DFILENAME = prefix.nextText() + "CGB.txt";
  if (!writeBlockReport(SHELL.DFILENAME)) {
    con::color(SHELL.NCOLOR);
    return;
  }
  con::newLine();
  con::newLine();
  con::print("Done !   " + SHELL.STR1);
  GBGETAKEY();
  con::color(SHELL.NCOLOR);
}
