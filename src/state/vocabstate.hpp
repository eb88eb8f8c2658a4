#pragma once
// Key state, lists and work tables of the vocabulary utilities.
#include <cstdint>
#include <string>

#include "state/tank.hpp"

struct VocabState {
  char XKS = 0;
  int32_t XKSASC = 0;
  char SAVMAINCMD = 0;
  char TKS = 0;
  int32_t TKSASC = 0;
  int16_t SROUTINGFLAG = 0;

  Tank<std::string> FILELINESTANK;
  Tank<std::string> FIRSTVOCABTANK;
  Tank<std::string> SECONDVOCABTANK;
  int32_t NLINES = 0, FIRSTVOCABN = 0, SECONDVOCABN = 0;

  // File names typed in the utilities' dialogues (the matches and remainders
  // files of "M" and "Z" are named in SHELL.DFILENAME).
  std::string SOURCEFILENAME, DESTFILENAME;
  std::string VOCABFILENAME1, VOCABFILENAME2;

  // Matches ("M") and subtraction ("Z").
  int32_t MAXPOSSIBLEVOCABMATCHESN = 0;  // room made for the matches
  int32_t VOCABMATCHESN = 0;
  int32_t SUBREMAINDERSN = 0;

  // Transcription edits ("Y"): the symbols typed for D and W, each empty or
  // one character (an empty symbol matches nothing).
  std::string STARTSYMBOL, ENDSYMBOL, XS;
  // List into block ("B") and chaotic shuffle ("P").
  std::string FORMATFILENAME;
  int32_t NGROUPS = 0, FNLINES = 0;
  uint16_t SHUFMAX = 0, NSHUF = 0;

  // Lists from texts ("L", "G") and from a concordance ("X").
  int32_t VOKABN = 0;
  float VOCABULARYRATIO = 0.0f;
  int16_t ASCSTART = 0, ASCEND = 0, ASCSTATUS = 0;  // the range typed for "C"

  Tank<char> ALPHABETSYMBOLSTANK;
  Tank<char> ALPHABETPOSITIONSTANK;
  Tank<int32_t> ORIGINALSYMBOLSFREQSTANK;
  Tank<std::string> DIGRAFSPECTRUMTANK;
  Tank<std::string> RANKEDDIGRAFSTANK;
  Tank<int32_t> DIGRAFSFREQSTANK;
  Tank<int32_t> DIGRAFSRANKSTANK;
  Tank<char> ALLOWEDSYMBOLSTANK;
  Tank<char> SYMBOLSFREQRANKSTANK;
  Tank<std::string> TRIMDVOCABTANK;
  Tank<int32_t> GROUPSIZEFREQSTANK;
  Tank<int32_t> TRIMDVOCABSYMBOLSFREQSTANK;
};

extern VocabState VOC;
