#pragma once
// Program-wide key state, colours and texts of the shell.
#include <cstdint>
#include <string>

struct ShellState {
  // Keys: the character and code of the last key of each reader.
  char KS = 0;
  int32_t KSASC = 0;
  char GBKS = 0;
  int32_t GBKSASC = 0;
  int32_t GOTTENKEYFLAG = 0;
  std::string CMDSSTRING = "okTRIZFSGLVDE*";
  uint8_t SIGNONFLAG = 0;
  std::string STR1;
  std::string VIDS;

  // Named colours, set once by INIT.
  int16_t WBCOLOR = 0, WGCOLOR = 0, WTCOLOR = 0, WRCOLOR = 0, NCOLOR = 0, BLCOLOR = 0,
          GNCOLOR = 0, TQCOLOR = 0, RDCOLOR = 0, VLCOLOR = 0, YLCOLOR = 0, BWCOLOR = 0;

  // Text work variables of the string mirror and the listings.
  std::string VSTR0, MVSTR0, VSTR1;
  int32_t SCRNCHRSCOUNT = 0;
  int32_t SCRNLINESCOUNT = 0;
  // Name of the file a command is writing (each report sets it).
  std::string DFILENAME;
};

extern ShellState SHELL;
