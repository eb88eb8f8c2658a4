// The one instance of each subsystem's state.
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "state/vocabstate.hpp"

ShellState SHELL;
RunState RUN;
SymbolsState SYMB;
BlockGenState GEN;
BlockAnalysisState ANA;
VocabState VOC;
