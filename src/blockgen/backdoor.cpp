// "*": the developer's back door. A key derived from the last run's frequency
// figures arms a record of the next generation's average group sizes.
#include "blockgen/blockmenu.hpp"
#include "chaosrun/chaosrun.hpp"
#include "shell/console.hpp"
#include "shell/inputfields.hpp"
#include "shell/shell.hpp"
#include "state/blockgenstate.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"

double backDoorAccessKey() {
  // Figures left by an earlier "F" may belong to another run: computed afresh.
  const int32_t quiet = RUN.SAVERUNFREQSFLAG;
  RUN.SAVERUNFREQSFLAG = 1;
  CF1FREQUENCIES();
  RUN.SAVERUNFREQSFLAG = quiet;
  if (RUN.MINFREQ == RUN.MAXFREQ) return RUN.MAXFREQPERCENT;
  GEN.UTILDOUBLE1 = RUN.MINFREQPERCENT;
  for (int32_t i = 1; i <= RUN.IM; ++i) {
    GEN.UTILDOUBLE2 = RUN.CF1FREQPERCENTSTANK(i);
    if (GEN.UTILDOUBLE2 > GEN.UTILDOUBLE1 && GEN.UTILDOUBLE2 < RUN.MAXFREQPERCENT) GEN.UTILDOUBLE1 = GEN.UTILDOUBLE2;
  }
  return GEN.UTILDOUBLE1;
}

namespace {

bool accessGranted() {
  if (RUN.RUNFLAG == 0 || GEN.BACKDOORACCESSKEY <= 0) return false;
  return GEN.BACKDOORACCESSKEY == backDoorAccessKey();
}

void explainRecording() {
  con::newLine();
  con::color(SHELL.NCOLOR);
  con::printLine(" OK, we're in through the Back-Door.");
  con::newLine();
  con::printLine(" In the current version only one back-door feature is available: the next groups-block generating's");
  con::printLine(" dynamic AvgGroupSize numbers will be recorded, in real-time, on a diskfile. The file will open");
  con::printLine(" just before generating starts, and close just after it finishes. And the BackDoorAccessFlag will reset.");
  con::printLine(" It will work with either Real-time Monitor set to OFF or ON. ");
  con::newLine();
}

}  // namespace

void BACKDOOR() {
  con::locate(GEN.PROGMONSTARTSCREENROW + 17, 1);
  con::color(SHELL.BLCOLOR);
  con::printLine(" Developer's BACK DOOR :");
  con::newLine();
  con::printLine(" If Access is obtained and a valid command is issued, the asterisk will change color.");
  con::newLine();
  LineFields key(con::input(" Enter the Back-Door Access-Key in Quellinese : "));
  GEN.BACKDOORACCESSKEY = key.nextDouble();
  if (!accessGranted()) {
    con::color(SHELL.NCOLOR);
    return;
  }
  GEN.BACKDOORACCESSFLAG = 1;
  explainRecording();
  LineFields prefix(con::input(" Enter disk save-filename prefix for  prefixVGB.TXT : "));
  GEN.VNOSFILEPREFIX = prefix.nextText();
  GEN.VNOSSAVEFILENAME = GEN.VNOSFILEPREFIX + "VGB.TXT";
  con::color(SHELL.VLCOLOR);
  con::newLine();
  con::printLine(SHELL.STR1);
  GEN.BDSTATUSCOLOR = SHELL.VLCOLOR;
  GBGETAKEY();
  con::color(SHELL.NCOLOR);
}
