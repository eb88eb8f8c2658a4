// "T" (trim a list to an allowed alphabet) and "S" (sort a list by group
// size): one pipeline of steps over the module state, from the source list to
// the List statistics file.
#include "vocabutils/trimsort.hpp"

#include <algorithm>
#include <utility>
#include <vector>

#include "shell/console.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "state/shellstate.hpp"
#include "vocabutils/dialogue.hpp"
#include "vocabutils/liststats.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

bool isTrimCommand() { return VOC.SROUTINGFLAG != 1; }

void paintProceedLine() {
  con::newLine();
  printColoured("     Proceed (P)    Important info (", SHELL.RDCOLOR, "I");
  con::printLine(")  :");
}

void paintTrimIntro() {
  con::cls();
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" (T)");
  printColoured(" A ", SHELL.YLCOLOR, "List");
  printColoured(" or ", SHELL.YLCOLOR, "Vocabulary-List");
  printColoured(" is ", SHELL.GNCOLOR, "trimmed");
  con::printLine(" according to a specified allowed Alphabet set. The output List");
  printColoured("     is ", SHELL.GNCOLOR, "sorted");
  printColoured(" by group-size. ", SHELL.GNCOLOR, "Basic statistics");
  con::printLine(" are provided, including pp-trigraph spectra.");
  paintProceedLine();
}

void paintSortIntro() {
  con::cls();
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" (S)");
  con::color(SHELL.GNCOLOR);
  con::print(" Sort");
  printColoured(" by group-size a G, L or X type ", SHELL.YLCOLOR, "List");
  printColoured(" file, and provide ", SHELL.GNCOLOR, "basic statistics");
  con::printLine(" incl. pp-trigraphs.");
  paintProceedLine();
}

// Paints an intro until its key is "P" (true) or neither "P" nor "I" (false);
// "I" shows the Important info screen in between.
bool introSaysProceed(void (*paintIntro)()) {
  for (;;) {
    paintIntro();
    TGETAKEY();
    if (VOC.TKS == 'I') {
      IMPTINFOABTPRIMESYMBOLS();
      continue;
    }
    return VOC.TKS == 'P';
  }
}

// Ranks 1..nRanks of a count table indexed by character code.
void storeRanking(const Tank<int32_t>& counts, long nRanks) {
  std::string ranks = frequencyRanking(countsOf(counts), nRanks);
  VOC.SYMBOLSFREQRANKSTANK.resize(0, nRanks);
  for (long r = 1; r <= nRanks; ++r) VOC.SYMBOLSFREQRANKSTANK(r) = ranks[static_cast<size_t>(r - 1)];
}

// "T" only: the save name and the allowed alphabet, typed under the source
// alphabet, which stands at column 56 right above the entry field. False for
// an empty entry.
bool askSaveNameAndAllowedAlphabet() {
  con::newLine();
  VOC.DESTFILENAME = typedName(" Enter save-filename for trimmed list : ");
  con::newLine();
  // The alphabet from column 56 and the entry row below it must fit above the
  // bottom of the window, or the screen would scroll under the noted row R.
  const int width = con::screen().width(), height = con::screen().height();
  const int needed = (55 + static_cast<int>(VOC.ORIGINALSYMBOLSSTRING.size()) + width - 1) / width + 1;
  const int spare = height - con::cursorRow() + 1;
  if (needed > spare) {
    for (int i = 0; i < needed - spare; ++i) con::newLine();
    con::locate(std::max(1, height - needed + 1), 1);
  }
  int row = con::cursorRow();
  con::locate(row, 56);
  con::print(VOC.ORIGINALSYMBOLSSTRING);
  con::locate(row + 1, 1);
  con::color(SHELL.YLCOLOR);
  VOC.ALLOWEDSYMBOLSSTRING = typedName(" Enter the allowed Alphabet as one continuous string : ");
  con::color(SHELL.NCOLOR);
  return !VOC.ALLOWEDSYMBOLSSTRING.empty();
}

void showResultLines() {
  con::newLine();
  con::newLine();
  con::printLine(" Prime Symbols Frequency Ratio = " + floatForm(VOC.PRIMESYMBOLSTOTALFREQRATIO));
  con::printLine(" Size of output List / Vocabulary-List = " + intForm(VOC.TRIMDVOKABN));
  con::printLine(" Prime Permutation Trigraphs Frequencies Ratio = " + floatForm(VOC.PPTTOTALFREQRATIO));
}

// The pipeline of "T" and "S" from the source file to the saved statistics.
// A file that cannot be read or written leaves every table as it was.
void runTrimPipeline() {
  VocabState saved = VOC;
  ListReader source;
  if (!FINDOUTHOWMANYLINESINFILE(source)) return;
  GETTHELINESINTOFILELINESTANK(source);
  DETERMINEALPHABETOFUNTRIMDVOCAB();
  GETFREQSOFORIGINALSYMBOLSALPHABET();
  REPORTORIGINALSYMBOLSALPHABETANDITSFREQS();
  setAlphabetPositions();
  con::newLine();
  con::printLine(" The Alphabet of the source-list is : " + VOC.SYMBOLSSTRING);
  offerPositionSwap();
  if (!isTrimCommand()) PREPTODISKSAVEUNTRIMDVOCABSTATS();
  else if (!askSaveNameAndAllowedAlphabet()) return;
  TRIMTHEVOCABULARY();
  GETSIZEOFTRIMMEDVOCAB();
  COLLECTTRIMMEDVOCABINTRIMDVOCABTANK();
  SORTTRIMMEDVOCABBYSIZEFMLOTOHI();
  GETTRIMDVOCABGROUPFREQS();
  GETNSYMBOLSINTRIMDVOCAB();
  // An empty output list has the average 0.
  VOC.AVGGROUPSIZE =
      VOC.TRIMDVOKABN == 0 ? 0.0f : static_cast<float>(static_cast<long double>(VOC.NSYMBOLS) / VOC.TRIMDVOKABN);
  GETTRIMDVOCABSYMBOLSFREQS();
  GETPRIMEPERMUTATIONTRIGRAPHSNFREQS();
  showResultLines();
  if (refusesToOverwriteCutSource(VOC.DESTFILENAME, {&source}) || !WRITETRIMMEDVOCABTODISK()) {
    restoreVocabState(std::move(saved));
    return;
  }
  con::newLine();
  con::print(" Done!   ");
  con::color(SHELL.TQCOLOR);
  con::print(SHELL.STR1);
  con::color(SHELL.NCOLOR);
  TGETAKEY();
}

}  // namespace

// "T", and the pipeline driver of "S" (SROUTINGFLAG 1), which skips the intro.
void TRIMVOCABMAIN() {
  if (isTrimCommand()) {
    if (!introSaysProceed(paintTrimIntro)) return;
    con::newLine();
    VOC.SOURCEFILENAME = typedName(" Enter List source-filename for trim operation : ");
  }
  runTrimPipeline();
}

void SORTXNLFILESBYGROUPSIZE() {
  if (!introSaysProceed(paintSortIntro)) return;
  con::newLine();
  VOC.SOURCEFILENAME = typedName(" Enter List source-filename  : ");
  con::newLine();
  VOC.DESTFILENAME = typedName(" Enter save-filename : ");
  VOC.SROUTINGFLAG = 1;
  TRIMVOCABMAIN();
  VOC.SROUTINGFLAG = 0;
}

void IMPTINFOABTPRIMESYMBOLS() {
  con::cls();
  con::color(SHELL.TQCOLOR);
  con::newLine();
  con::printLine(" Important information about prime symbols and their derivative prime permutation n-graphs : ");
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::printLine(" It's possible, especially with very small source-lists, to have multiple equal-frequency prime symbols,");
  con::printLine(" making for equally-valid multiple prime permutation sets. This possibility will be immediately apparent");
  con::printLine(" from inspection of the symbols-frequencies table.");
  con::newLine();
  con::printLine(" During any one operation here involving prime symbols the program ignores this condition, and works with");
  con::printLine(" the first prime set it encounters. To process the multiple possibilities, the option is provided to swap");
  con::printLine(" the alphabet-positions of any pair of symbols, and re-compute the different pp-ngraphs spectra.");
  con::newLine();
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::print(SHELL.STR1);
  TGETAKEY();
  con::color(SHELL.NCOLOR);
}

bool FINDOUTHOWMANYLINESINFILE(ListReader& source) {
  if (!source.open(VOC.SOURCEFILENAME)) return false;
  VOC.NLINES = source.count();
  con::newLine();
  con::printLine(" Size of sourcefile List or Vocabulary-List = " + intForm(VOC.NLINES));
  return true;
}

void GETTHELINESINTOFILELINESTANK(const ListReader& source) { source.readInto(VOC.FILELINESTANK); }

void DETERMINEALPHABETOFUNTRIMDVOCAB() {
  SymbolCounts counts = symbolCounts(VOC.FILELINESTANK, VOC.NLINES);
  for (int c = 1; c <= 255; ++c)
    VOC.ALPHABETSYMBOLSTANK(c) = counts[static_cast<size_t>(c)] != 0 ? static_cast<char>(c) : 0;
  VOC.ORIGINALSYMBOLSSTRING = alphabetOf(counts);
  VOC.SIZEOFORIGINALSYMBOLSALPHABET = static_cast<int16_t>(VOC.ORIGINALSYMBOLSSTRING.size());
}

void GETFREQSOFORIGINALSYMBOLSALPHABET() {
  SymbolCounts counts = symbolCounts(VOC.FILELINESTANK, VOC.NLINES);
  for (int c = 1; c <= 255; ++c) VOC.ORIGINALSYMBOLSFREQSTANK(c) = 0;
  for (int c = 32; c <= 255; ++c)
    if (VOC.ALPHABETSYMBOLSTANK(c) != 0) VOC.ORIGINALSYMBOLSFREQSTANK(c) = counts[static_cast<size_t>(c)];
  storeRanking(VOC.ORIGINALSYMBOLSFREQSTANK, static_cast<long>(VOC.ORIGINALSYMBOLSSTRING.size()));
}

void REPORTORIGINALSYMBOLSALPHABETANDITSFREQS() {
  con::newLine();
  con::printLine(" The printable symbols Alphabet of the source-file is : " + VOC.ORIGINALSYMBOLSSTRING);
  con::newLine();
  con::printLine(" The number of symbols in this original Alphabet = " + intForm(VOC.SIZEOFORIGINALSYMBOLSALPHABET));
  con::newLine();
  con::newLine();
  con::printLine(" Rank : Symbol : Frequency in original List / Vocabulary-List source-file");
  con::newLine();
  const int digits = digitCount(VOC.SIZEOFORIGINALSYMBOLSALPHABET);
  for (long r = 1; r <= VOC.SIZEOFORIGINALSYMBOLSALPHABET; ++r) {
    char symbol = VOC.SYMBOLSFREQRANKSTANK(r);
    con::printLine(" " + zeroPadded(r, digits) + " : " + std::string(1, symbol) + " : " +
                   intForm(VOC.ORIGINALSYMBOLSFREQSTANK(static_cast<unsigned char>(symbol))));
  }
}

void setAlphabetPositions() {
  VOC.SYMBOLSSTRING = VOC.ORIGINALSYMBOLSSTRING;
  const auto size = static_cast<long>(VOC.SYMBOLSSTRING.size());
  VOC.ALPHABETPOSITIONSTANK.resize(0, size);
  for (long p = 1; p <= size; ++p) VOC.ALPHABETPOSITIONSTANK(p) = VOC.SYMBOLSSTRING[static_cast<size_t>(p - 1)];
}

void offerPositionSwap() {
  con::newLine();
  con::printLine(" Swap symbols-positions in the Alphabet-string ?  Y/N :");
  TGETAKEY();
  if (VOC.TKS != 'Y') return;
  con::newLine();
  LineFields f(con::input(" Enter two alphabet-symbols to position-swap : "));
  std::string us = f.nextText().substr(0, 1);
  std::string zs = f.nextText().substr(0, 1);
  const auto size = static_cast<long>(VOC.SYMBOLSSTRING.size());
  auto firstPositionOf = [size](const std::string& symbol) {
    for (long p = 1; p <= size; ++p)
      if (!symbol.empty() && VOC.ALPHABETPOSITIONSTANK(p) == symbol[0]) return p;
    return 0L;
  };
  long first = firstPositionOf(us);
  if (first == 0) return;
  long second = firstPositionOf(zs);
  if (second == 0) return;
  std::swap(VOC.ALPHABETPOSITIONSTANK(first), VOC.ALPHABETPOSITIONSTANK(second));
  VOC.SYMBOLSSTRING.clear();
  for (long p = 1; p <= size; ++p) VOC.SYMBOLSSTRING.push_back(VOC.ALPHABETPOSITIONSTANK(p));
  con::newLine();
  con::printLine(" Alphabet = " + VOC.SYMBOLSSTRING);
}

void PREPTODISKSAVEUNTRIMDVOCABSTATS() { VOC.ALLOWEDSYMBOLSSTRING = VOC.SYMBOLSSTRING; }

// A group is kept whole or emptied whole: one symbol outside the allowed
// alphabet discards it.
void TRIMTHEVOCABULARY() {
  VOC.NALLOWEDSYMBOLS = static_cast<int32_t>(VOC.ALLOWEDSYMBOLSSTRING.size());
  std::array<bool, 256> allowed{};
  for (char ch : VOC.ALLOWEDSYMBOLSSTRING) {
    auto code = static_cast<unsigned char>(ch);
    VOC.ALLOWEDSYMBOLSTANK(code) = ch;
    allowed[code] = true;
  }
  for (long i = 1; i <= VOC.NLINES; ++i) {
    std::string& line = VOC.FILELINESTANK(i);
    for (char ch : line) {
      if (!allowed[static_cast<unsigned char>(ch)]) {
        line.clear();
        break;
      }
    }
  }
}

void GETSIZEOFTRIMMEDVOCAB() {
  VOC.TRIMDVOKABN = 0;
  for (long i = 1; i <= VOC.NLINES; ++i)
    if (!VOC.FILELINESTANK(i).empty()) ++VOC.TRIMDVOKABN;
}

void COLLECTTRIMMEDVOCABINTRIMDVOCABTANK() {
  VOC.TRIMDVOCABTANK.resize(0, VOC.TRIMDVOKABN);
  long next = 1;
  for (long i = 1; i <= VOC.NLINES; ++i)
    if (!VOC.FILELINESTANK(i).empty()) VOC.TRIMDVOCABTANK(next++) = VOC.FILELINESTANK(i);
}

// Ascending group size; groups of one size keep their file order (a stable
// sort, no alphabetical order). FILELINESTANK is the emptied work copy.
void SORTTRIMMEDVOCABBYSIZEFMLOTOHI() {
  const long n = VOC.TRIMDVOKABN;
  size_t longest = 0, shortest = 0;
  for (long i = 1; i <= n; ++i) {
    size_t size = VOC.TRIMDVOCABTANK(i).size();
    if (i == 1 || size > longest) longest = size;
    if (i == 1 || size < shortest) shortest = size;
  }
  VOC.MAXGROUPSIZE = static_cast<int32_t>(longest);
  VOC.MINGROUPSIZE = static_cast<int32_t>(shortest);
  VOC.FILELINESTANK.resize(0, n);
  for (long i = 1; i <= n; ++i) std::swap(VOC.FILELINESTANK(i), VOC.TRIMDVOCABTANK(i));
  // The first output position of each size, then every group to its place.
  std::vector<long> nextPosition(longest - shortest + 2, 0);
  for (long i = 1; i <= n; ++i) ++nextPosition[VOC.FILELINESTANK(i).size() - shortest + 1];
  nextPosition[0] = 1;
  for (size_t s = 1; s < nextPosition.size(); ++s) nextPosition[s] += nextPosition[s - 1];
  for (long i = 1; i <= n; ++i) {
    std::string& group = VOC.FILELINESTANK(i);
    std::swap(VOC.TRIMDVOCABTANK(nextPosition[group.size() - shortest]++), group);
  }
}

void GETTRIMDVOCABGROUPFREQS() {
  VOC.GROUPSIZEFREQSTANK.resize(0, VOC.MAXGROUPSIZE);
  for (long i = 1; i <= VOC.TRIMDVOKABN; ++i) ++VOC.GROUPSIZEFREQSTANK(static_cast<long>(VOC.TRIMDVOCABTANK(i).size()));
}

void GETNSYMBOLSINTRIMDVOCAB() {
  VOC.NSYMBOLS = 0;
  for (long i = 1; i <= VOC.TRIMDVOKABN; ++i) VOC.NSYMBOLS += static_cast<int32_t>(VOC.TRIMDVOCABTANK(i).size());
}

// Counts of the allowed symbols in the output list, ranked with as many ranks
// as the source alphabet has symbols.
void GETTRIMDVOCABSYMBOLSFREQS() {
  SymbolCounts counts = symbolCounts(VOC.TRIMDVOCABTANK, VOC.TRIMDVOKABN);
  for (int c = 1; c <= 255; ++c) VOC.TRIMDVOCABSYMBOLSFREQSTANK(c) = 0;
  for (int c = 32; c <= 255; ++c) {
    if (VOC.ALLOWEDSYMBOLSTANK(c) == static_cast<char>(c))
      VOC.TRIMDVOCABSYMBOLSFREQSTANK(c) = counts[static_cast<size_t>(c)];
  }
  const auto nRanks = static_cast<long>(VOC.SYMBOLSSTRING.size());
  storeRanking(VOC.TRIMDVOCABSYMBOLSFREQSTANK, nRanks);
  const auto topCode = nRanks == 0 ? 0 : static_cast<unsigned char>(VOC.SYMBOLSFREQRANKSTANK(1));
  VOC.MAXFREQ = VOC.TRIMDVOCABSYMBOLSFREQSTANK(topCode);
}

// With fewer than three allowed symbols, fewer than three source symbols or
// an empty output list there are no prime symbols: every prime figure is 0.
void GETPRIMEPERMUTATIONTRIGRAPHSNFREQS() {
  VOC.HFREQSYMBOL = {};
  VOC.HFSI = {};
  VOC.PRIMEPERMTRIGRAPH = {};
  VOC.PPTFREQ = {};
  VOC.PPTTOTALFREQ = 0;
  VOC.PRIMESYMBOLSTOTALFREQRATIO = 0.0f;
  VOC.PPTTOTALFREQRATIO = 0.0f;
  if (VOC.NALLOWEDSYMBOLS < 3 || VOC.SIZEOFORIGINALSYMBOLSALPHABET < 3 || VOC.TRIMDVOKABN == 0) return;

  std::string positions;
  for (long p = 1; p <= VOC.SIZEOFORIGINALSYMBOLSALPHABET; ++p) positions.push_back(VOC.ALPHABETPOSITIONSTANK(p));
  const SymbolCounts counts = countsOf(VOC.TRIMDVOCABSYMBOLSFREQSTANK);
  const std::string primes = primeSymbols(positions, counts, 3);
  int32_t primesTotal = 0;
  for (size_t k = 1; k <= 3; ++k) {
    VOC.HFREQSYMBOL[k] = primes[k - 1];
    VOC.HFSI[k] = static_cast<unsigned char>(primes[k - 1]);
    primesTotal += counts[static_cast<unsigned char>(primes[k - 1])];
  }
  VOC.PRIMESYMBOLSTOTALFREQRATIO = static_cast<float>(static_cast<long double>(primesTotal) / VOC.NSYMBOLS);

  const std::array<std::string, 6> trigraphs = primePermutationTrigraphs(primes);
  for (size_t k = 1; k <= 6; ++k) {
    VOC.PRIMEPERMTRIGRAPH[k] = trigraphs[k - 1];
    VOC.PPTFREQ[k] = appearanceCount(VOC.TRIMDVOCABTANK, VOC.TRIMDVOKABN, trigraphs[k - 1]);
    VOC.PPTTOTALFREQ += VOC.PPTFREQ[k];
  }
  // The quotient first, then the factor 3.
  long double share = static_cast<long double>(VOC.PPTTOTALFREQ) / VOC.NSYMBOLS;
  VOC.PPTTOTALFREQRATIO = static_cast<float>(share * 3.0L);
}

void restoreVocabState(VocabState saved) {
  saved.XKS = VOC.XKS;
  saved.XKSASC = VOC.XKSASC;
  saved.SAVMAINCMD = VOC.SAVMAINCMD;
  saved.TKS = VOC.TKS;
  saved.TKSASC = VOC.TKSASC;
  VOC = std::move(saved);
}
