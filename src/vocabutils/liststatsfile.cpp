// The List statistics file of "T" and "S": header, summary statistics, the
// group-size and symbol frequency tables, the prime section, then the sorted
// list itself, so that the file is both a report and a list.
#include "shell/files.hpp"
#include "shell/numberforms.hpp"
#include "state/vocabstate.hpp"
#include "vocabutils/liststats.hpp"
#include "vocabutils/trimsort.hpp"

namespace {

void writeStatisticsHeader(OutputFile& file) {
  file.newLine();
  file.printLine(" PLOMAR Vocabulary Utilities");
  file.newLine();
  file.printLine(std::string(" ") + VOC.SAVMAINCMD + " Command operation on file : " + VOC.SOURCEFILENAME);
  file.newLine();
  file.newLine();
  file.printLine(" Alphabet of the original list = " + VOC.SYMBOLSSTRING);
  file.printLine(" Size of this alphabet = " + intForm(VOC.SIZEOFORIGINALSYMBOLSALPHABET));
  file.newLine();
  if (VOC.SAVMAINCMD == 'T') {
    file.printLine(" Allowed Alphabet for trim op. = " + VOC.ALLOWEDSYMBOLSSTRING);
    file.printLine(" Size of this alphabet = " + intForm(VOC.NALLOWEDSYMBOLS));
    file.newLine();
  }
  // "T" measures the symbols against the allowed alphabet, "S" against the source's.
  const long double alphabetSize = VOC.SAVMAINCMD == 'T' ? VOC.NALLOWEDSYMBOLS : VOC.SIZEOFORIGINALSYMBOLSALPHABET;
  // An empty alphabet (a source without symbols) gives the ratio 0.
  VOC.NSYMBOLSTOALPHABETRATIO = alphabetSize == 0 ? 0.0 : static_cast<double>(VOC.NSYMBOLS / alphabetSize);
  file.printLine(" No. of Groups = " + intForm(VOC.TRIMDVOKABN));
  file.printLine(" Total no. of symbols = " + intForm(VOC.NSYMBOLS));
  file.printLine(" Average Group-size = " + floatForm(VOC.AVGGROUPSIZE));
  file.printLine(" Total-Symbols-to-Alphabet Ratio = " + doubleForm(VOC.NSYMBOLSTOALPHABETRATIO));
  file.newLine();
  file.printLine(" The longest group-size  = " + intForm(VOC.MAXGROUPSIZE));
  file.printLine(" The shortest group-size = " + intForm(VOC.MINGROUPSIZE));
  file.newLine();
}

// Sizes 01..09, then 10, 11 and on; sizes without a group have no line.
void writeGroupSizeTable(OutputFile& file) {
  file.printLine(" Frequencies of the groups :");
  file.newLine();
  file.printLine(" group-size : frequency");
  file.newLine();
  for (long s = 1; s <= VOC.MAXGROUPSIZE; ++s) {
    if (VOC.GROUPSIZEFREQSTANK(s) == 0) continue;
    file.printLine(" " + zeroPadded(s, 2) + " : " + intForm(VOC.GROUPSIZEFREQSTANK(s)));
  }
  file.newLine();
  file.newLine();
}

// One row per rank of the source alphabet; the percentages line up at column
// D + 13, D being the digits of the top frequency. A rank without a symbol
// shows byte 0 with frequency 0.
void writeSymbolTable(OutputFile& file) {
  file.printLine(" Frequencies of the symbols :");
  file.newLine();
  file.printLine(" Rank : Symbol : Frequency : Frequency-percentage");
  file.newLine();
  const auto nRanks = static_cast<long>(VOC.SYMBOLSSTRING.size());
  const int rankDigits = digitCount(nRanks);
  const int percentColumn = digitCount(VOC.MAXFREQ) + 13;
  for (long r = 1; r <= nRanks; ++r) {
    const char symbol = VOC.SYMBOLSFREQRANKSTANK(r);
    const int32_t frequency = VOC.TRIMDVOCABSYMBOLSFREQSTANK(static_cast<unsigned char>(symbol));
    // An empty output list has the percentage 0 throughout.
    VOC.FREQSPERCENTAGE =
        VOC.NSYMBOLS == 0 ? 0.0f : static_cast<float>(static_cast<long double>(frequency) / VOC.NSYMBOLS * 100);
    file.print(" " + zeroPadded(r, rankDigits) + " : " + std::string(1, symbol) + " : " + intForm(frequency));
    file.tab(percentColumn);
    file.printLine(" : " + floatForm(VOC.FREQSPERCENTAGE));
  }
}

void writePrimeSection(OutputFile& file) {
  file.newLine();
  file.newLine();
  file.printLine(" ( The Prime [three most frequent] symbols frequencies total ) / ( Total no. of symbols) :");
  file.printLine(" Prime Symbols Frequency Ratio = " + floatForm(VOC.PRIMESYMBOLSTOTALFREQRATIO));
  file.newLine();
  file.newLine();
  file.printLine(" The Prime Permutation Trigraphs and their frequencies (each counted once/group-appearance) are:");
  file.newLine();
  for (size_t k = 1; k <= 6; ++k) file.printLine(" " + VOC.PRIMEPERMTRIGRAPH[k] + " : " + intForm(VOC.PPTFREQ[k]));
  file.newLine();
  file.printLine(" ( 3 x the total of these counts ) / ( total number of symbols ) :");
  file.printLine(" Prime Permutation Trigraphs Frequencies Ratio = " + floatForm(VOC.PPTTOTALFREQRATIO));
}

// Where the prime section would stand, the open cases say why it is not there.
void writePrimeSectionOrItsAbsence(OutputFile& file) {
  if (VOC.TRIMDVOKABN == 0) {
    file.newLine();
    file.newLine();
    file.printLine(" The output List is empty: its figures are given as 0, and it has no prime symbols or pp-trigraphs.");
  } else if (VOC.NALLOWEDSYMBOLS >= 3 && VOC.SIZEOFORIGINALSYMBOLSALPHABET < 3) {
    file.newLine();
    file.newLine();
    file.printLine(" The alphabet of the original list has fewer than three symbols: no prime symbols or pp-trigraphs.");
  } else if (VOC.NALLOWEDSYMBOLS >= 3) {
    writePrimeSection(file);
  }
}

}  // namespace

bool WRITETRIMMEDVOCABTODISK() {
  OutputFile file;
  if (!file.open(VOC.DESTFILENAME)) return false;
  writeStatisticsHeader(file);
  writeGroupSizeTable(file);
  writeSymbolTable(file);
  writePrimeSectionOrItsAbsence(file);
  file.newLine();
  file.newLine();
  file.printLine(" The List or Vocabulary-List :");
  file.newLine();
  for (long i = 1; i <= VOC.TRIMDVOKABN; ++i) file.printLine(VOC.TRIMDVOCABTANK(i));
  return file.close();
}
