#pragma once
// Block specifications, generator chaos functions, the groups-block tank,
// monitor and back door.
#include <cstdint>
#include <string>

#include "state/tank.hpp"

constexpr int MAXGROUPSIZE = 31;

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

  // Scaling constants of the generator chaos functions.
  float A1 = 0, B1 = 0, A2 = 0, B2 = 0, A3 = 0, B3 = 0, A4 = 0, B4 = 0;

  // The tank and the finished block.
  Tank<Text31> GROUPSBLOKTANK;
  Tank<Text31> BLOKGROUPSTANK;
  Tank<Text31> MIRRORBLOKGROUPSTANK;
  Tank<Text31> IGNOREPHANTOMSGROUPSBLOKTANK;
  Tank<Text31> IGNOREPHANTOMSBLOKGROUPSTANK;
  Tank<int32_t> ACTIVEGROUPSIZESCOUNTSTANK{0, MAXGROUPSIZE};

  // Generation loop, monitor and back door.
  int16_t HAVEBLOKFLAG = 0;
  int16_t SINGLESTEPFLAG = 0;
  uint8_t RT_MONITORFLAG = 0;
  std::string RT_MONITORYORN;
  int16_t PROGMONSTARTSCREENROW = 0, PROGMONKXSCREENCOLUMN = 0;
  uint8_t BACKDOORACCESSFLAG = 0;
  int16_t BDSTATUSCOLOR = 0;
};

extern BlockGenState GEN;
