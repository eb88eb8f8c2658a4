#pragma once
// Screen pieces shared by the utilities.
#include <string>
#include <string_view>
#include <vector>

#include "vocabutils/listfile.hpp"

// INPUT with the prompt, taking one text field (a file name).
std::string typedName(std::string_view prompt);

// Prints before in NCOLOR, then the word in the colour; back to NCOLOR.
void printColoured(std::string_view before, int colour, std::string_view word);

// After a list was saved: two empty lines, the done text, and in TQCOLOR the
// curve question, answered with XGETAKEY (the answer stays in XKS). True on "Y".
bool curveWanted(std::string_view doneText);

// Asks for the curve file's name (into DESTFILENAME), writes the size of each
// group, one per line, and pauses after " Curve saved!   ". A list cut at
// 32000 lines is not overwritten by the curve.
void SAVEGROUPSIZESCURVE(const std::vector<std::string>& groups, const ListReader* source);

// The group-sizes curve file: the length of each group as decimal digits.
bool writeCurveFile(const std::string& name, const std::vector<std::string>& groups);
