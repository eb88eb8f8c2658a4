#pragma once
// Block specifications, generator chaos functions, the groups-block tank,
// the generation loop, monitor and back door.
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "state/tank.hpp"

class OutputFile;

constexpr int MAXGROUPSIZE = 31;

// The set-up a block was generated with, taken when its generation starts:
// the reports describe the block by these values, not by values typed later.
struct BlockSetup {
  int32_t LOBLOKSIZE = 0, HIBLOKSIZE = 0;
  int16_t LOGROUPSIZE = 0, HIGROUPSIZE = 0;
  std::array<int16_t, MAXGROUPSIZE + 1> ACTIVEGROUPSIZES{};
  float LOAVGGROUPSIZE = 0, HIAVGGROUPSIZE = 0;
  double K1 = 0, X1 = 0, K2 = 0, X2 = 0, K3 = 0, X3 = 0;
  std::string USESYMBOLSMAPFLAG;
  int32_t HIGHESTOKMAPINTEGER = 0;
  std::string MAPSCANDIRECTION, MAPSCANRESUMEPOINT;
  std::string SYMBMAPDFILENAME, PHANTOMSSETDFILENAME;
};

// The texts the monitor's number fields show, so that a pass of a generation
// repaints only the fields that changed. An empty text is a blank field.
struct MonitorShown {
  std::string groups, size, group, average, grandSize;
  std::array<std::string, MAXGROUPSIZE + 1> counts;
};

// The generator functions computed ahead of the generation loop (see
// blockgen/drawsahead.hpp). One draw as the function's variables stand after
// it: an accepted integer, or CANCELLOOKSTEPS candidates rejected in a row
// (where the direct draw looks at the cancel hook).
struct AheadDraw {
  double Y = 0;
  int32_t IT = 0;       // the accepted integer, or the last rejected candidate
  int32_t CYCS = 0;
  uint32_t steps = 0;   // map steps since the draw before it
  bool accepted = false;
};

constexpr uint32_t AHEADDRAWS = 64;  // draws a stream holds ahead (a power of two)

// One function's chain of map steps and the draws it has made ahead, not yet
// taken (a ring of `count` draws from `first`).
struct AheadStream {
  double Y = 0, K = 0;
  float A = 0, B = 0;
  int32_t IM = 0, IT = 0, CYCS = 0;
  int32_t stepsLeft = 0;  // steps to the next candidate, that one included
  uint32_t steps = 0;     // steps since the last draw made
  int32_t rejected = 0;   // candidates rejected since the last draw made
  uint32_t first = 0, count = 0;
  // Filled up to this many draws: AHEADDRAWS, or fewer after a draw that is
  // not accepted (a function that never accepts is not run far ahead).
  uint32_t fillTo = AHEADDRAWS;
  std::array<AheadDraw, AHEADDRAWS> draws{};
};

struct DrawsAhead {
  bool on = false;
  int32_t symbolsFunction = 0;  // 1 (list rows) or 4 (map integers)
  // Slots (GCF3), sizes (GCF2), symbols (GCF1 or GCF4).
  std::array<AheadStream, 3> streams{};
};

struct BlockGenState {
  // Specifications.
  int16_t BLOKMAX = 0;
  float BLOKEXPANSIONFACTOR = 0;
  int32_t LOBLOKSIZE = 0, HIBLOKSIZE = 0, XHIBLOKSIZE = 0;
  Tank<int16_t> ACTIVEGROUPSIZESTANK{0, MAXGROUPSIZE};
  int16_t LOGROUPSIZE = 0, HIGROUPSIZE = 0;
  float LOAVGGROUPSIZE = 0, HIAVGGROUPSIZE = 0;
  double K1 = 0, X1 = 0, K2 = 0, X2 = 0, K3 = 0, X3 = 0;
  int32_t GROUPSEPCODE1 = 0, GROUPSEPCODE2 = 0;
  uint8_t SHOWGROUPSFORMATFLAG = 0;
  std::string PARAGRFDOFLAG, PARAGRFSTARTSYMBOL, PARAGRFENDSYMBOL;
  std::string USESYMBOLSMAPFLAG;
  int32_t HIGHESTOKMAPINTEGER = 0;
  int16_t OKTOMAKEGROUPSFLAG1 = 0, OKTOMAKEGROUPSFLAG2 = 0, OKTOMAKEGROUPSFLAG3 = 0,
          OKTOMAKEGROUPSFLAG4 = 0;

  // The generator chaos functions: GCF1 symbols (list rows), GCF2 group
  // sizes, GCF3 tank slots, GCF4 map integers (stepped with K1, A1, B1).
  float A1 = 0, B1 = 0, A2 = 0, B2 = 0, A3 = 0, B3 = 0, A4 = 0, B4 = 0;
  double Y1 = 0, Y2 = 0, Y3 = 0, Y4 = 0;
  int32_t IT1 = 0, IT2 = 0, IT3 = 0, IT4 = 0;
  int32_t IM1 = 0, IM2 = 0, IM3 = 0, IM4 = 0;
  int32_t IG1 = 0, IG2 = 0, IG3 = 0, IG4 = 0;
  int32_t CYCS1 = 0, CYCS2 = 0, CYCS3 = 0, CYCS4 = 0;
  int32_t SYMBOLSVECTOR = 0;     // list row of the symbol just drawn; 0 = map integer not found
  int32_t PROTOGROUPSIZE = 0;    // size drawn for the group being built
  int32_t BLOKVECTOR = 0;        // tank slot just drawn
  int32_t SYMBOLSMAPINTEGER = 0; // map integer just drawn

  // The tank and the finished block. The reference forms (one reference
  // symbol per generating step) are not cut to 31 characters: NUL symbols and
  // empty phantoms make them longer than their groups, and every step counts.
  Tank<Text31> GROUPSBLOKTANK;
  Tank<Text31> BLOKGROUPSTANK;
  Tank<Text31> MIRRORBLOKGROUPSTANK;
  Tank<std::string> IGNOREPHANTOMSGROUPSBLOKTANK;
  Tank<std::string> IGNOREPHANTOMSBLOKGROUPSTANK;
  Tank<int32_t> ACTIVEGROUPSIZESCOUNTSTANK{0, MAXGROUPSIZE};
  int32_t PROGRESSINDICATOR = 0;     // occupied slots as of the last recount
  int32_t BLOKGROUPSGRANDSIZE = 0;   // characters in the occupied slots
  float AVGGROUPSIZE = 0;
  int32_t REMOVEDGROUPSCOUNT = 0;
  int32_t LOBLOKVECTOR = 0, HIBLOKVECTOR = 0, HILOBLOKVECTORSPAN = 0;
  // Kept up to date by every store and free, so that a recount needs no rescan.
  int32_t TANKOCCUPIEDSLOTS = 0;
  int32_t TANKOCCUPIEDCHARS = 0;

  // Generation loop.
  std::string PROTOGROUP;                // the group being built, phantoms substituted
  std::string IGNOREPHANTOMSPROTOGROUP;  // the same in reference symbols
  int32_t GROWNTOSIZE = 0;
  int16_t HAVEBLOKFLAG = 0;
  uint8_t GENERATINGBLOKINPROGRESSFLAG = 0;
  int16_t SINGLESTEPFLAG = 0;
  int32_t ASCGBKS = 0;
  bool FIRSTPASSPENDING = false;  // the first pass of a generation makes no recount of its own

  // Way out of the draws: the command loop sets CANCELHOOK (true = stop); the
  // engine asks it every CANCELLOOKSTEPS map steps inside its draw loops.
  bool (*CANCELHOOK)() = nullptr;
  uint64_t STEPSATLASTCANCELLOOK = 0;
  // The functions a generation draws from, computed ahead side by side.
  DrawsAhead drawsAhead;
  // A generation without keyboard stops once the map step count passes this.
  uint64_t stepBudgetEnd = 0;
  // Keys other than Esc read by the keyboard cancel hook, kept for the
  // per-group poll.
  std::deque<int32_t> KEPTGBKEYS;

  // The set-up of the block in the block tables (or of the generation running).
  BlockSetup BLOKSETUP;

  // Monitor and back door.
  uint8_t RT_MONITORFLAG = 0;
  std::string RT_MONITORYORN;
  int16_t PROGMONSTARTSCREENROW = 0, PROGMONKXSCREENCOLUMN = 0;
  MonitorShown MONITORSHOWN;
  uint8_t BACKDOORACCESSFLAG = 0;
  int16_t BDSTATUSCOLOR = 0;
  double BACKDOORACCESSKEY = 0;
  double UTILDOUBLE1 = 0, UTILDOUBLE2 = 0;
  std::string VNOSFILEPREFIX, VNOSSAVEFILENAME;
  // File number 2 of a generation while the back door records.
  std::shared_ptr<OutputFile> BACKDOORRECORDFILE;

  // The generating-integers file of a finished block.
  int32_t NUMBEROFGROUPSBLOKSAVENUMBERS = 0;
  int32_t COUNTDOWN = 0;
};

extern BlockGenState GEN;
