#pragma once
// The block's displays and files.
#include <cstdint>
#include <string>
#include <string_view>

#include "state/tank.hpp"

class OutputFile;

// "K" / "M": the block forward or mirrored on screen (variant from GBKS).
void SHOWBLOKOFGROUPS();
// "D" / "S": the directory, and for "S" the block report prefix + "CGB.txt".
void DIRANDSAVEFORBLOCKOFGROUPS();
// The block report of "S" under this name. False after the file layer
// reported a file that could not be created or written.
bool writeBlockReport(const std::string& name);
// "U": the block vocabulary compared with a vocabulary file, and on request
// the matches file prefix + "MVOCGB.txt".
void COMPAREFORMATCHINGVOCABULARIES();
// The integer sequences of the matching groups VOCABMATCHESTANK(1..M), one
// number a line, a "0" line between two groups, into the open matches file.
void RECOVERMATCHINGVOCABSINTGRSEQS(OutputFile& file);

// The generating number of a reference symbol: the first position 1..38 of the
// reference symbols list holding it, or 39 when none does.
int referenceNumber(char symbol);

// ---- Block text --------------------------------------------------------------

// Paragraph triggering: the first character of the group that equals the
// start or the end symbol decides. The forward text compares each character
// with the start symbol first, the mirrored text with the end symbol first.
// An empty symbol matches nothing.
enum class ParagraphMark { None, Starts, Ends };
ParagraphMark paragraphMark(std::string_view group, std::string_view startSymbol, std::string_view endSymbol,
                            bool endSymbolFirst);
// The same with the current settings; None when triggering is off.
ParagraphMark paragraphMarkOf(std::string_view group, bool mirroredText);

// The block text of the report: groups 1..n of the list, each with its
// paragraph line ends and separators, no line end of its own.
std::string blockText(const Tank<Text31>& list, int32_t n, bool mirroredText);
