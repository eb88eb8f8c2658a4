// "P": the groups of a List reordered by pairwise swaps whose positions come
// from the chaos function, started from the K and X of the last run. The
// shuffle's chaos function has variables of its own: the run stays as made.
#include <utility>

#include "chaosrun/chaosfunction.hpp"
#include "shell/console.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "vocabutils/dialogue.hpp"
#include "vocabutils/listfile.hpp"
#include "vocabutils/transforms.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

// The chaos function of the shuffle, started as a run starts.
struct ShuffleChaos {
  double K, Y;
  int32_t IM, IT = 0, IG = 0, CYCS = 11;
  float A = 2.0f, B = 2.0f;

  ShuffleChaos(double k, double x, int32_t im) : K(k < 3.5 ? SHUFFLEDEFAULTK : k), Y(x), IM(im) {
    if (Y <= 0) Y = SHUFFLEDEFAULTX;
    MAPSTEP(Y, IT, K, A, B, IM);  // Y <- (X x K) x (1 - X); its candidate is not used
    IT = 0;
  }

  // One position 1..IM; false after maxRejections rejected candidates in a row.
  bool draw(long maxRejections, int32_t& position) {
    if (!chaosDraw({Y, IT, IG, CYCS}, K, A, B, IM, maxRejections)) return false;
    position = IT;
    return true;
  }
};

}  // namespace

bool chaoticShuffle(std::vector<std::string>& groups, double K, double X, int32_t nshuf, long maxRejections) {
  ShuffleChaos cf(K, X, static_cast<int32_t>(groups.size()));
  const int32_t swaps = 7 * nshuf;
  for (int32_t s = 0; s < swaps; ++s) {
    int32_t p1 = 0, p2 = 0;
    if (!cf.draw(maxRejections, p1) || !cf.draw(maxRejections, p2)) return false;
    std::swap(groups[static_cast<size_t>(p2 - 1)], groups[static_cast<size_t>(p1 - 1)]);
  }
  return true;
}

namespace {

void paintShuffleIntro() {
  con::cls();
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" (P)");
  con::color(SHELL.GNCOLOR);
  con::print(" Chaotically shuffle");
  printColoured(" the order of the groups (max 32000) in a ", SHELL.YLCOLOR, "List");
  con::printLine("/Exit    S/E : ");
  con::newLine();
  con::printLine(" The K and X parameters last used in the Main Menu [R]Run are used here. If [R] was not run");
  con::printLine(" since program sign-on, then K=4 and X=0.00000002 are used.");
  con::newLine();
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::printLine(SHELL.STR1);
  con::color(SHELL.NCOLOR);
}

void reportSeedWithoutPositions() {
  con::newLine();
  con::color(SHELL.RDCOLOR);
  con::printLine(" The K and X of the last run give no position in this List: " + asText(MAXREJECTEDCANDIDATES) +
                 " candidates were rejected in a row.");
  con::printLine(" Nothing saved.");
  con::color(SHELL.GNCOLOR);
  con::print(SHELL.STR1);
  TGETAKEY();
  con::color(SHELL.NCOLOR);
}

enum class ShuffleStep { Again, Done, ToMenu };

ShuffleStep shuffleList() {
  con::newLine();
  VOC.SOURCEFILENAME = typedName(" Enter List sourcefilename : ");
  VOC.DESTFILENAME = typedName(" Enter shuffled-list save-filename : ");
  ListReader list;
  if (!list.open(VOC.SOURCEFILENAME) || list.count() < 2) return ShuffleStep::Again;
  auto shufmax = static_cast<uint16_t>(list.count());
  con::newLine();
  con::printLine(" number of groups in the List = " + intForm(list.count()));
  con::newLine();
  con::printLine(" maximum allowed number of shuffles = " + unsignedForm(shufmax));
  con::newLine();
  con::newLine();
  LineFields f(con::input(" Enter number of shuffles ( => 2 ) : "));
  auto nshuf = f.nextInteger<uint16_t>();
  if (nshuf < 2 || nshuf > shufmax) return ShuffleStep::ToMenu;

  std::vector<std::string> groups = list.groups();
  if (!chaoticShuffle(groups, RUN.K, RUN.X, nshuf, MAXREJECTEDCANDIDATES)) {
    reportSeedWithoutPositions();
    return ShuffleStep::Again;
  }
  if (refusesToOverwriteCutSource(VOC.DESTFILENAME, {&list})) return ShuffleStep::Again;
  if (!writeListFile(VOC.DESTFILENAME, groups)) return ShuffleStep::Again;
  VOC.NLINES = list.count();
  VOC.SHUFMAX = shufmax;
  VOC.NSHUF = nshuf;
  fillListTable(VOC.FILELINESTANK, groups);
  return ShuffleStep::Done;
}

}  // namespace

void SHUFFLEGROUPSINLIST() {
  for (;;) {
    paintShuffleIntro();
    TGETAKEY();
    if (VOC.TKS != 'S') return;
    ShuffleStep step = shuffleList();
    if (step == ShuffleStep::ToMenu) return;
    if (step == ShuffleStep::Again) continue;
    con::newLine();
    con::color(SHELL.GNCOLOR);
    con::print(" Done! " + SHELL.STR1);
    TGETAKEY();
    con::color(SHELL.NCOLOR);
  }
}
