// "N": the appearance count of any n-graph in a list (C), and the digraph
// spectrum upon the list's alphabet with its prime permutation digraphs (D).
#include <algorithm>
#include <utility>

#include "shell/console.hpp"
#include "shell/files.hpp"
#include "shell/numberforms.hpp"
#include "shell/report.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "vocabutils/dialogue.hpp"
#include "vocabutils/listfile.hpp"
#include "vocabutils/liststats.hpp"
#include "vocabutils/trimsort.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

// The colour stays TQCOLOR after the question, for the file-name dialogue.
void paintNgraphIntro() {
  con::cls();
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" (N)");
  con::color(SHELL.GNCOLOR);
  con::print(" Frequencies");
  printColoured(" of n-graphs in a ", SHELL.YLCOLOR, "List");
  printColoured(" or ", SHELL.YLCOLOR, "Vocabulary-List");
  printColoured(" (max 32000).             Important info (", SHELL.RDCOLOR, "I");
  con::printLine(")");
  con::color(SHELL.GNCOLOR);
  con::print(" Count");
  printColoured(" any n-graph, or disk-save ", SHELL.GNCOLOR, "digraphs spectrum");
  con::printLine(" with some data incl. pp-digraphs screen-displayed.");
  con::newLine();
  con::printLine(" If an n-graph appears more than once in a group, say as in hahahaaa, it is still counted only once.");
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::printLine(" Di-graphs spectrum/Count frequency of any n-graph/Exit   D/C/E ? :");
}

// Asks for the list's name and reads it; false after the file layer reported it.
bool readNamedList(ListReader& list, char operation) {
  con::newLine();
  con::print(std::string(" ") + operation + ": ");
  VOC.VOCABFILENAME1 = typedName(" Enter filename of List or Vocabulary-List : ");
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::printLine(" Wait for ... ");
  con::color(SHELL.NCOLOR);
  return list.open(VOC.VOCABFILENAME1);
}

// The list into FIRSTVOCABTANK, its size and its total of symbols, shown.
void takeList(const ListReader& list) {
  list.readInto(VOC.FIRSTVOCABTANK);
  VOC.FIRSTVOCABN = list.count();
  VOC.NSYMBOLS = 0;
  for (long i = 1; i <= VOC.FIRSTVOCABN; ++i) VOC.NSYMBOLS += static_cast<int32_t>(VOC.FIRSTVOCABTANK(i).size());
  con::newLine();
  con::print(" " + VOC.VOCABFILENAME1 + " contains : " + intForm(VOC.FIRSTVOCABN) + " groups,  and ");
  con::color(SHELL.BWCOLOR);
  con::print(intForm(VOC.NSYMBOLS));
  con::color(SHELL.NCOLOR);
  con::printLine(" total symbols");
}

// C: n-graph after n-graph, until an empty one or one longer than every group.
void countNgraphs() {
  size_t longest = 0;
  for (long i = 1; i <= VOC.FIRSTVOCABN; ++i) longest = std::max(longest, VOC.FIRSTVOCABTANK(i).size());
  VOC.MAXGROUPSIZE = static_cast<int32_t>(longest);
  con::newLine();
  con::printLine(" The longest group or word = " + intForm(VOC.MAXGROUPSIZE));
  for (;;) {
    con::newLine();
    VOC.NGRAF1 = typedName(" Enter n-graph (or just Enter to return to above) : ");
    VOC.NGRAFSIZE = static_cast<int32_t>(VOC.NGRAF1.size());
    if (VOC.NGRAFSIZE == 0 || VOC.NGRAFSIZE > VOC.MAXGROUPSIZE) return;
    VOC.COUNT = appearanceCount(VOC.FIRSTVOCABTANK, VOC.FIRSTVOCABN, VOC.NGRAF1);
    con::newLine();
    con::print(" Frequency of ");
    con::color(SHELL.TQCOLOR);
    con::print(VOC.NGRAF1);
    con::color(SHELL.NCOLOR);
    con::printLine(" = " + intForm(VOC.COUNT));
  }
}

// The spectrum upon the unswapped alphabet, its counts and its ranking.
void buildDigraphSpectrum() {
  const std::string& alphabet = VOC.ORIGINALSYMBOLSSTRING;
  const std::vector<std::string> spectrum = digraphSpectrum(alphabet);
  const std::vector<int32_t> counts = digraphAppearanceCounts(VOC.FIRSTVOCABTANK, VOC.FIRSTVOCABN, alphabet);
  const std::vector<uint32_t> ranked = rankedDigraphIndices(counts);
  const auto bandwidth = static_cast<uint32_t>(alphabet.size() * alphabet.size());
  VOC.DIGRAFSPECTRUMBANDWIDTH = bandwidth;
  VOC.DIGRAFSPECTRUMTANK.resize(0, bandwidth);
  VOC.DIGRAFSFREQSTANK.resize(0, bandwidth);
  VOC.DIGRAFSRANKSTANK.resize(0, bandwidth);
  for (uint32_t i = 1; i <= bandwidth; ++i) {
    VOC.DIGRAFSPECTRUMTANK(i) = spectrum[i];
    VOC.DIGRAFSFREQSTANK(i) = counts[i];
  }
  VOC.DIGRAFSN = static_cast<uint32_t>(ranked.size());
  VOC.RANKEDDIGRAFSTANK.resize(0, VOC.DIGRAFSN);
  for (uint32_t r = 1; r <= VOC.DIGRAFSN; ++r) {
    VOC.DIGRAFSRANKSTANK(r) = static_cast<int32_t>(ranked[r - 1]);
    VOC.RANKEDDIGRAFSTANK(r) = spectrum[ranked[r - 1]];
  }
}

// The spectrum index of a digraph of two alphabet symbols.
uint32_t spectrumIndex(const std::string& digraph) {
  const std::string& alphabet = VOC.ORIGINALSYMBOLSSTRING;
  const auto n = static_cast<uint32_t>(alphabet.size());
  const auto i = static_cast<uint32_t>(alphabet.find(digraph[0]));
  const auto j = static_cast<uint32_t>(alphabet.find(digraph[1]));
  return i * n + j + 1;
}

// The two most frequent symbols in position order (the swap decides equal
// counts) and their four digraphs. A list without symbols has none.
void findPrimeDigraphs() {
  VOC.SYMBOLOFRANK1 = VOC.SYMBOLOFRANK2 = 0;
  VOC.PPDIGRAF = {};
  VOC.COUNTPPDIGRAF = {};
  std::string positions;
  for (long p = 1; p <= VOC.SIZEOFORIGINALSYMBOLSALPHABET; ++p) positions.push_back(VOC.ALPHABETPOSITIONSTANK(p));
  const std::string primes = primeSymbols(positions, symbolCounts(VOC.FIRSTVOCABTANK, VOC.FIRSTVOCABN), 2);
  if (primes.empty()) return;
  VOC.SYMBOLOFRANK1 = primes[0];
  VOC.SYMBOLOFRANK2 = primes.size() > 1 ? primes[1] : primes[0];
  const char r1 = VOC.SYMBOLOFRANK1, r2 = VOC.SYMBOLOFRANK2;
  VOC.PPDIGRAF = {std::string{r1, r1}, std::string{r1, r2}, std::string{r2, r1}, std::string{r2, r2}};
  for (size_t k = 0; k < 4; ++k)
    VOC.COUNTPPDIGRAF[k] = static_cast<uint32_t>(VOC.DIGRAFSFREQSTANK(spectrumIndex(VOC.PPDIGRAF[k])));
}

bool hasPrimeDigraphs() { return VOC.SYMBOLOFRANK1 != 0; }

bool isPrimeDigraph(const std::string& digraph) {
  return hasPrimeDigraphs() && std::find(VOC.PPDIGRAF.begin(), VOC.PPDIGRAF.end(), digraph) != VOC.PPDIGRAF.end();
}

std::string primeDigraphsText() {
  return VOC.PPDIGRAF[0] + " " + VOC.PPDIGRAF[1] + " " + VOC.PPDIGRAF[2] + " " + VOC.PPDIGRAF[3];
}

// Without symbols the density and the ratio are 0.
void computeDigraphRatios() {
  uint32_t primeTotal = 0;
  for (uint32_t count : VOC.COUNTPPDIGRAF) primeTotal += count;
  VOC.PPDIGRAFSRATIO = VOC.NSYMBOLS == 0 ? 0.0f : static_cast<float>(2.0L * primeTotal / VOC.NSYMBOLS);
  const long double bandwidth = VOC.DIGRAFSPECTRUMBANDWIDTH;
  VOC.DIGRAFSPECTRUMDENSITY = bandwidth == 0 ? 0.0f : static_cast<float>(VOC.DIGRAFSN / bandwidth);
}

void showDigraphResults() {
  con::newLine();
  if (hasPrimeDigraphs()) {
    con::print(" Regardless of activity in the List, ");
    con::color(SHELL.YLCOLOR);
    con::print(" by its Alphabet the 4 prime permutation digraphs are: ");
    con::color(SHELL.VLCOLOR);
    con::printLine(primeDigraphsText());
  } else {
    con::color(SHELL.YLCOLOR);
    con::printLine(" The List has no symbols: no digraph spectrum and no prime permutation digraphs.");
  }
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::printLine(" The number of non-zero-frequency digraphs = " + unsignedForm(VOC.DIGRAFSN) +
                 "       Digraph Spectrum density =" + floatForm(VOC.DIGRAFSPECTRUMDENSITY));
  con::newLine();
  for (uint32_t r = 1; r <= VOC.DIGRAFSN; ++r) {
    const std::string& digraph = VOC.RANKEDDIGRAFSTANK(r);
    con::color(SHELL.WGCOLOR);
    con::print("[");
    con::color(isPrimeDigraph(digraph) ? SHELL.VLCOLOR : SHELL.YLCOLOR);
    con::print(digraph + " ");
    con::color(SHELL.NCOLOR);
    con::print(unsignedForm(static_cast<uint32_t>(VOC.DIGRAFSFREQSTANK(VOC.DIGRAFSRANKSTANK(r)))));
    con::color(SHELL.WGCOLOR);
    con::print("]");
    con::color(SHELL.NCOLOR);
  }
  con::newLine();
  con::newLine();
  con::color(SHELL.YLCOLOR);
  con::print(" Prime permutation digraphs frequencies Ratio = ");
  con::color(SHELL.NCOLOR);
  con::printLine(floatForm(VOC.PPDIGRAFSRATIO));
}

// "digits" wide number, ": ", the digraph, " : ", its count, " *" for a pp-digraph.
std::string spectrumLine(uint32_t number, int digits, uint32_t index) {
  const std::string& digraph = VOC.DIGRAFSPECTRUMTANK(index);
  return zeroPadded(number, digits) + ": " + digraph + " : " +
         unsignedForm(static_cast<uint32_t>(VOC.DIGRAFSFREQSTANK(index))) + (isPrimeDigraph(digraph) ? " *" : "");
}

bool writeDigraphSpectrumFile() {
  OutputFile file;
  if (!file.open(SHELL.DFILENAME)) return false;
  file.newLine();
  file.printLine(" PLOMAR Vocabulary Utilities:  di-graphs results for file : " + VOC.VOCABFILENAME1);
  file.newLine();
  file.printLine(" Alphabet : " + VOC.SYMBOLSSTRING);
  file.newLine();
  file.printLine(" Number of groups = " + intForm(VOC.FIRSTVOCABN));
  file.newLine();
  file.printLine(" Digraph Spectrum bandwidth = " + unsignedForm(VOC.DIGRAFSPECTRUMBANDWIDTH));
  file.printLine(" Number of non-zero-frequency digraphs = " + unsignedForm(VOC.DIGRAFSN));
  file.printLine(" Digraph Spectrum density = " + floatForm(VOC.DIGRAFSPECTRUMDENSITY));
  file.newLine();
  file.printLine(" Regardless of activity in the List or Vocabulary-List,");
  if (hasPrimeDigraphs())
    file.printLine(" by its Alphabet the 4 prime permutation digraphs * are:  " + primeDigraphsText());
  else
    file.printLine(" the List has no symbols: no prime permutation digraphs; the density and the Ratio are given as 0.");
  file.newLine();
  file.printLine(" Prime permutation digraphs frequencies Ratio = " + floatForm(VOC.PPDIGRAFSRATIO));
  if (hasPrimeDigraphs()) {
    file.newLine();
    file.printLine(" Prime permutation digraphs Spectrum :");
    file.newLine();
    for (size_t k = 0; k < 4; ++k) file.printLine(" " + VOC.PPDIGRAF[k] + " : " + unsignedForm(VOC.COUNTPPDIGRAF[k]));
  }
  file.newLine();
  file.newLine();
  file.printLine(" The non-zero-frequency digraphs and their frequencies in rank-order : ");
  file.newLine();
  const int rankDigits = digitCount(VOC.DIGRAFSN);
  for (uint32_t r = 1; r <= VOC.DIGRAFSN; ++r)
    file.printLine(spectrumLine(r, rankDigits, static_cast<uint32_t>(VOC.DIGRAFSRANKSTANK(r))));
  file.newLine();
  file.newLine();
  file.printLine(" The digraph SPECTRUM upon the Alphabet :");
  file.newLine();
  const int indexDigits = digitCount(VOC.DIGRAFSPECTRUMBANDWIDTH);
  for (uint32_t i = 1; i <= VOC.DIGRAFSPECTRUMBANDWIDTH; ++i) file.printLine(spectrumLine(i, indexDigits, i));
  file.newLine();
  file.newLine();
  writeReportTrailer(file);
  return file.close();
}

// D: the list's alphabet, the optional swap, the spectrum, the prime digraphs,
// the screen and the file. A file that cannot be written leaves every table
// as it was.
void digraphSpectrumOperation(const ListReader& list, VocabState saved) {
  VOC.NLINES = VOC.FIRSTVOCABN;
  list.readInto(VOC.FILELINESTANK);
  DETERMINEALPHABETOFUNTRIMDVOCAB();
  buildDigraphSpectrum();
  setAlphabetPositions();
  con::newLine();
  con::printLine(" The Alphabet of " + VOC.VOCABFILENAME1 + " is : " + VOC.SYMBOLSSTRING);
  offerPositionSwap();
  con::newLine();
  con::color(SHELL.TQCOLOR);
  SHELL.DFILENAME = typedName(" Enter save-filename for di-graphs spectrum : ");
  con::color(SHELL.NCOLOR);
  findPrimeDigraphs();
  computeDigraphRatios();
  showDigraphResults();
  if (refusesToOverwriteCutSource(SHELL.DFILENAME, {&list}) || !writeDigraphSpectrumFile()) {
    restoreVocabState(std::move(saved));
    return;
  }
  con::newLine();
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::print("Done! disk-saving digraphs spectrum data.   " + SHELL.STR1);
  TGETAKEY();
  con::color(SHELL.NCOLOR);
}

}  // namespace

void COUNTNGRAPHSINVOCABULARY() {
  for (;;) {
    paintNgraphIntro();
    TGETAKEY();
    if (VOC.TKS == 'I') {
      IMPTINFOABTPRIMESYMBOLS();
      continue;
    }
    if (VOC.TKS != 'C' && VOC.TKS != 'D') break;
    const char operation = VOC.TKS;
    ListReader list;
    if (!readNamedList(list, operation)) break;
    if (operation == 'C') {
      takeList(list);
      countNgraphs();
      continue;
    }
    VocabState saved = VOC;
    takeList(list);
    digraphSpectrumOperation(list, std::move(saved));
    break;
  }
  con::color(SHELL.NCOLOR);
}
