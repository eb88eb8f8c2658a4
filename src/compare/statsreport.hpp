#pragma once
// The forms in which the yardsticks of several inputs are shown side by
// side: an aligned table, CSV and JSON. When the inputs were compared on
// windows, every input after the first (the target) also gets its z of
// each measure and its distance.
#include <string>
#include <string_view>
#include <vector>

#include "compare/windows.hpp"
#include "compare/yardsticks.hpp"

struct MeasuredInput {
  std::string name;  // as given on the command line
  Yardsticks yardsticks;
  WindowedComparison windowed;  // for an input after the target, when compared
};

struct Comparison {
  std::vector<MeasuredInput> inputs;
  std::vector<std::string> measures;  // those of the comparison
  size_t window = 0;                  // 0: the inputs were not compared
  Characters characters = Characters::Bytes;
  bool compared() const { return window > 0; }
};

// One column per input headed by its name, one row per measure, numbers
// with 4 significant digits in fixed style. Bytes outside 32..126 of the
// tokens show as the console's glyphs (UTF-8).
std::string comparisonTable(const Comparison& c);

// A header row and one row per input; full precision; tokens as they are.
// The columns are the same for every comparison with the same measures.
std::string comparisonCsv(const Comparison& c);

// A JSON array of one object per input; full precision. Tokens are UTF-8:
// the characters themselves when they are code points, otherwise each byte
// as the Latin-1 character of its number ("encoding" says which).
std::string comparisonJson(const Comparison& c);

// The bytes outside 32..126 as the glyphs the console shows for them (UTF-8).
std::string displayText(std::string_view bytes);

// A file name as UTF-8: as given when it is valid UTF-8, otherwise its
// bytes outside 32..126 as the console's glyphs.
std::string nameText(const std::string& name);

