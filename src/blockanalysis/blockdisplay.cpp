// "K" and "M": the block on screen, forward or mirrored, with page pauses.
#include <string_view>
#include <unordered_set>

#include "blockanalysis/reports.hpp"
#include "shell/console.hpp"
#include "shell/shell.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"

namespace {

// A page holds 43 groups in one-group-per-line mode, else 3060 counted
// characters (each group its length plus 2, a paragraph break 180).
constexpr int32_t PAGELINES = 43;
constexpr int32_t PAGECHARS = 3060;
constexpr int32_t PARAGRAPHBREAKCHARS = 180;
constexpr int PAUSEROW = 52;
constexpr int32_t UNDERSCORE = 95;

struct Variant {
  bool mirroredText;
  const Tank<Text31>& groups;
  int16_t underscoreColor;
  int16_t pauseColor;
};

bool oneGroupPerLine() { return GEN.SHOWGROUPSFORMATFLAG != 0; }

void printParagraphBreak() {
  con::print("\r\n\n");
  SHELL.SCRNCHRSCOUNT += PARAGRAPHBREAKCHARS;
}

void printSeparator(int32_t code, const Variant& v) {
  if (code == UNDERSCORE) con::color(v.underscoreColor);
  if (code != 0) {
    con::print(std::string(1, static_cast<char>(code)));
    con::color(SHELL.NCOLOR);
  }
}

bool pageIsFull() {
  if (oneGroupPerLine()) return SHELL.SCRNLINESCOUNT >= PAGELINES;
  return SHELL.SCRNCHRSCOUNT >= PAGECHARS;
}

// On a window taller than the pause row, the next page goes back up over
// rows that still hold the end of this one: they are blanked first, so that
// no group shows beside fragments of others.
void blankRowsBelow(int row) {
  const int width = con::screen().width();
  for (int r = row + 1; r <= con::screen().height(); ++r) {
    con::locate(r, 1);
    con::print(std::string(static_cast<size_t>(width), ' '));
  }
  con::locate(row + 1, 1);
}

// True when the key at the pause was Esc.
bool pausePage(const Variant& v) {
  con::newLine();
  con::newLine();
  con::newLine();
  con::locate(PAUSEROW, 1);
  const bool wentUp = con::cursorRow() == PAUSEROW;
  con::color(v.pauseColor);
  con::print(SHELL.STR1);
  con::color(SHELL.NCOLOR);
  SHELL.SCRNCHRSCOUNT = 0;
  SHELL.SCRNLINESCOUNT = 0;
  GBGETAKEY();
  con::newLine();
  if (wentUp) blankRowsBelow(PAUSEROW);
  return SHELL.GBKSASC == con::KEY_ESC;
}

// One group with its paragraph break, colour and separators.
void showGroup(std::string_view group, const Variant& v, const std::unordered_set<std::string_view>& repeated) {
  ParagraphMark mark = oneGroupPerLine() ? ParagraphMark::None : paragraphMarkOf(group, v.mirroredText);
  if (mark == ParagraphMark::Ends) {
    con::print(group);
    printParagraphBreak();
  } else {
    if (mark == ParagraphMark::Starts) printParagraphBreak();
    if (repeated.contains(group)) con::color(SHELL.YLCOLOR);
    con::print(group);
    con::color(SHELL.NCOLOR);
    if (oneGroupPerLine()) {
      con::newLine();
      SHELL.SCRNLINESCOUNT += 1;
      return;
    }
    SHELL.SCRNCHRSCOUNT += static_cast<int32_t>(group.size()) + 2;
  }
  printSeparator(GEN.GROUPSEPCODE1, v);
  printSeparator(GEN.GROUPSEPCODE2, v);
}

// The non-unique group types, looked up once per group of the forward block.
std::unordered_set<std::string_view> repeatedGroups() {
  std::unordered_set<std::string_view> set;
  for (int32_t t = 1; t <= ANA.NONUNIQUEGROUPSTYPECOUNT; ++t) set.insert(ANA.NONUNIQUEGROUPSTYPESTANK(t).view());
  return set;
}

}  // namespace

void SHOWBLOKOFGROUPS() {
  if (GEN.HAVEBLOKFLAG == 0) return;
  const bool mirror = SHELL.GBKS == 'M';
  const Variant v = mirror ? Variant{true, GEN.MIRRORBLOKGROUPSTANK, SHELL.RDCOLOR, SHELL.RDCOLOR}
                           : Variant{false, GEN.BLOKGROUPSTANK, SHELL.TQCOLOR, SHELL.YLCOLOR};
  const std::unordered_set<std::string_view> repeated = mirror ? std::unordered_set<std::string_view>{} : repeatedGroups();
  con::locate(GEN.PROGMONSTARTSCREENROW + 14, 1);
  SHELL.SCRNCHRSCOUNT = 0;
  SHELL.SCRNLINESCOUNT = 0;
  for (int32_t i = 1; i <= GEN.PROGRESSINDICATOR; ++i) {
    showGroup(v.groups(i).view(), v, repeated);
    if (pageIsFull() && pausePage(v)) break;
  }
  GBCLOSINGPROMPT();
}
