#include "chaosrun/chaosrun.hpp"
#include "state/runstate.hpp"

// "T": the order in which "I", "Z" and the report present the run.
void TOGGLESEQUENCINGDIRECTION() { RUN.SEQDIRFLAG = RUN.SEQDIRFLAG == "Fwd" ? "Rev" : "Fwd"; }
