#pragma once
// Key state, lists and work tables of the vocabulary utilities.
#include <array>
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

  // Trim ("T") and sort ("S"): alphabets, the output list and its statistics.
  std::string ORIGINALSYMBOLSSTRING;  // the source alphabet, ascending codes
  int16_t SIZEOFORIGINALSYMBOLSALPHABET = 0;
  std::string SYMBOLSSTRING;  // the alphabet in position order, after the swap
  std::string ALLOWEDSYMBOLSSTRING;
  int32_t NALLOWEDSYMBOLS = 0;
  int32_t TRIMDVOKABN = 0;
  int32_t NSYMBOLS = 0;
  int32_t MAXGROUPSIZE = 0, MINGROUPSIZE = 0;  // group lengths held in 32 bits
  float AVGGROUPSIZE = 0.0f;
  int32_t MAXFREQ = 0;
  // The prime symbols and the prime permutation trigraphs: entry k of each
  // array is the variable numbered k (HFREQSYMBOL1 is HFREQSYMBOL[1]); entry
  // 0 is unused. An unset prime symbol is byte 0 with code 0.
  std::array<char, 4> HFREQSYMBOL{};
  std::array<int16_t, 4> HFSI{};
  std::array<std::string, 7> PRIMEPERMTRIGRAPH;
  std::array<int32_t, 7> PPTFREQ{};
  int32_t PPTTOTALFREQ = 0;
  float PRIMESYMBOLSTOTALFREQRATIO = 0.0f;
  float PPTTOTALFREQRATIO = 0.0f;
  double NSYMBOLSTOALPHABETRATIO = 0.0;
  float FREQSPERCENTAGE = 0.0f;

  // Digraph spectrum and n-graph counts ("N"). Spectrum indices, ranks and
  // counts reach 224 x 224 and are held in 32 bits.
  std::string NGRAF1;
  int32_t NGRAFSIZE = 0;
  int32_t COUNT = 0;
  uint32_t DIGRAFSPECTRUMBANDWIDTH = 0;
  uint32_t DIGRAFSN = 0;
  float DIGRAFSPECTRUMDENSITY = 0.0f;
  char SYMBOLOFRANK1 = 0, SYMBOLOFRANK2 = 0;
  // PPDIGRAF11, PPDIGRAF12, PPDIGRAF21, PPDIGRAF22 in this order, and their counts.
  std::array<std::string, 4> PPDIGRAF;
  std::array<uint32_t, 4> COUNTPPDIGRAF{};
  float PPDIGRAFSRATIO = 0.0f;

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
