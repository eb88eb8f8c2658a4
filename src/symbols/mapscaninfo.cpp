// "k": the screen that explains how integers become symbols.
#include <vector>

#include "shell/console.hpp"
#include "shell/shell.hpp"
#include "state/shellstate.hpp"
#include "symbols/symbols.hpp"

namespace {

// Colour roles of the pieces: the run key, the block generator's key, the
// control names and settings, and plain text.
enum class Role { Plain, RunKey, GeneratorKey, Control };

struct Piece {
  Role role;
  const char* text;
};

struct InfoLine {
  std::vector<Piece> pieces;
  int emptyLinesAfter;
};

constexpr Role P = Role::Plain, R = Role::RunKey, G = Role::GeneratorKey, C = Role::Control;

const std::vector<InfoLine>& infoLines() {
  static const std::vector<InfoLine> lines = {
      {{{P, " Both "}, {R, "[R] "}, {P, "and "}, {G, "{G} "},
        {P, "are first of all integer-generators. Mapping turns the integers into symbols sequences:"}}, 1},
      {{{P, " The Symbols-List is a  38 rows x 1 column  array. The Symbols-Map is a  38 rows x 5 columns  array."}}, 0},
      {{{P, " Only symbols may be changed in the Symbols-List. Only map-integers may be changed in the Symbols-Map."}}, 1},
      {{{P, " During generating, the chaotic machinery generates an integer and scans the list and map looking for it."}}, 0},
      {{{P, " The Block-generator "}, {G, "{G} "},
        {P, "may be commanded to scan only the Symbols-List's index-integers. To achieve the"}}, 0},
      {{{P, " same effect with "}, {R, "[R] "},
        {P, "the default Symbols-Map or a similar one must be used. The Symbols-Map, via its"}}, 0},
      {{{P, " plugged-in map-integers, greatly expands beyond 1-38 the integers which may be scanned for: 1-32000"}}, 1},
      {{{P, " If the integer is found, the Symbols-List ROW / INDEX (1-38) at which it is found determines"}}, 0},
      {{{P, " the symbol, there in the Symbols-List, which becomes mapped."}}, 1},
      {{{P, " If that symbol's n-graph phantom is set active, then that phantom is substituted for the symbol."}}, 1},
      {{{P, " In "}, {R, "[R] "},
        {P, "if the generated integer's match is not found, then a single NUL character is mapped for output."}}, 1},
      {{{P, " In "}, {G, "{G} "},
        {P, "if the integer is not found, or the integer is greater than the allowed highest active-integer"}}, 0},
      {{{P, " specified by the (W) command in the generating set-up, then another integer is generated and"}}, 0},
      {{{P, " map-scanning for it resumes."}}, 1},
      {{{P, " How the Symbols-Map is scanned is determined by two controls, each with two settings."}}, 2},
      {{{P, " The "}, {C, "Map-scan direction priority "}, {P, "control works as follows :"}}, 1},
      {{{P, " Map-scan direction priority = "}, {C, "R"},
        {P, "     scanning proceeds along a ROW after ROW after ROW ..."}}, 1},
      {{{P, " Map-scan direction priority = "}, {C, "C"},
        {P, "     scanning proceeds down a COLUMN after COLUMN after COLUMN ..."}}, 1},
      {{{P, " From the above it can be seen that if the same map-integer is installed more than once in the map,"}}, 0},
      {{{P, " its effects on the output symbols-sequence will in general differ depending on the Map-scan direction,"}}, 0},
      {{{P, " and depending on the generating set-up, it might have a critical effect in "}, {C, "R "},
        {P, "while having no effect"}}, 0},
      {{{P, " at all in "}, {C, "C "}, {P, "and vice versa."}}, 2},
      {{{P, " The "}, {C, "Map-scan resume-point "}, {P, "control works as follows :"}}, 1},
      {{{P, " Map-scan resume-point = "}, {C, "B"},
        {P, "    for each new integer-search the scan starts at the BEGINNING of the Symbols-Map"}}, 1},
      {{{P, " Map-scan resume-point = "}, {C, "L"},
        {P, "    for each new integer-search the scan continues onward from where the LAST ended"}}, 1},
      {{{P, " Depending on generating set-up and the loading of the Symbols-List and Map, the effects of this control can"}}, 0},
      {{{P, " be complicated. For example, it is possible to set up a generating scenario so that in the output symbols-"}}, 0},
      {{{P, " sequence the chances of occurrences of immediate repititions like  ii  are favored by "}, {C, "B "},
        {P, "but suppressed by "}, {C, "L"}}, 0},
  };
  return lines;
}

int colorOf(Role role) {
  switch (role) {
    case Role::RunKey: return SHELL.YLCOLOR;
    case Role::GeneratorKey: return SHELL.GNCOLOR;
    case Role::Control: return SHELL.TQCOLOR;
    case Role::Plain: break;
  }
  return SHELL.NCOLOR;
}

}  // namespace

void MAPSCANINFO() {
  con::cls();
  con::newLine();
  for (const InfoLine& line : infoLines()) {
    for (const Piece& piece : line.pieces) {
      con::color(colorOf(piece.role));
      con::print(piece.text);
    }
    con::color(SHELL.NCOLOR);
    con::newLine();
    for (int e = 0; e < line.emptyLinesAfter; ++e) con::newLine();
  }
  con::newLine();
  con::newLine();
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::printLine(SHELL.STR1);
  con::color(SHELL.NCOLOR);
  GBGETAKEY();
}
