#include "blockanalysis/setuplines.hpp"

#include "shell/files.hpp"
#include "shell/numberforms.hpp"
#include "state/blockgenstate.hpp"

namespace {

std::string activatedSizes(const BlockSetup& b) {
  std::string sizes;
  for (int s = b.LOGROUPSIZE; s <= b.HIGROUPSIZE; ++s)
    if (s >= 0 && s <= MAXGROUPSIZE && b.ACTIVEGROUPSIZES[static_cast<size_t>(s)] != 0) sizes += asText(s) + ",";
  return sizes;
}

void writeChaosPair(OutputFile& f, int n, double k, double x) {
  f.printLine(" K" + asText(n) + " , X" + asText(n) + " : " + doubleForm(k) + " , " + doubleForm(x));
}

}  // namespace

void writeEmptyLines(OutputFile& f, int count) {
  for (int i = 0; i < count; ++i) f.newLine();
}

void writeBlockSetupRanges(OutputFile& f, bool emptyLineBeforeAverage) {
  const BlockSetup& b = GEN.BLOKSETUP;
  f.printLine(" Block size range : " + intForm(b.LOBLOKSIZE) + " - " + intForm(b.HIBLOKSIZE));
  f.newLine();
  f.printLine(" Group size range : " + intForm(b.LOGROUPSIZE) + " - " + intForm(b.HIGROUPSIZE));
  f.printLine(" Activated group-sizes in the range : " + activatedSizes(b));
  if (emptyLineBeforeAverage) f.newLine();
  f.printLine(" Average Group-size range : " + floatForm(b.LOAVGGROUPSIZE) + " - " + floatForm(b.HIAVGGROUPSIZE));
  f.newLine();
  writeChaosPair(f, 1, b.K1, b.X1);
  writeChaosPair(f, 2, b.K2, b.X2);
  writeChaosPair(f, 3, b.K3, b.X3);
  f.newLine();
}

void writeBlockSetupMap(OutputFile& f) {
  const BlockSetup& b = GEN.BLOKSETUP;
  f.printLine(" Use symbols-map ? : " + b.USESYMBOLSMAPFLAG + intForm(b.HIGHESTOKMAPINTEGER));
  if (b.USESYMBOLSMAPFLAG != "N") {
    f.printLine(" Map-scan direction priority: " + b.MAPSCANDIRECTION);
    f.printLine(" Map-scan resume point: " + b.MAPSCANRESUMEPOINT);
  }
  f.newLine();
  f.printLine(" last Symbols-map  filename : " + b.SYMBMAPDFILENAME);
  f.printLine(" last Phantoms-set filename : " + b.PHANTOMSSETDFILENAME);
}
