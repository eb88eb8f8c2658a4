#pragma once
// The forms in which the yardsticks of several inputs are shown side by
// side: an aligned table, CSV and JSON. When the first input is the target,
// every later input also gets its distance to it, term by term.
#include <string>
#include <string_view>
#include <vector>

#include "compare/yardsticks.hpp"

struct MeasuredInput {
  std::string name;  // as given on the command line
  Yardsticks yardsticks;
};

struct Comparison {
  std::vector<MeasuredInput> inputs;
  bool firstIsTarget = true;          // false when the target could not be read
  std::vector<std::string> measures;  // those that enter the distance
  bool hasDistances() const { return firstIsTarget && inputs.size() > 1; }
};

// One column per input headed by its name, one row per measure, numbers
// with 4 significant digits in fixed style. Bytes outside 32..126 of the
// tokens show as the console's glyphs (UTF-8).
std::string comparisonTable(const Comparison& c);

// A header row and one row per input; full precision; tokens as they are.
std::string comparisonCsv(const Comparison& c);

// A JSON array of one object per input; full precision; the bytes of the
// tokens outside 32..126 as the console's glyphs.
std::string comparisonJson(const Comparison& c);

// The bytes outside 32..126 as the glyphs the console shows for them (UTF-8).
std::string displayText(std::string_view bytes);

// A file name as UTF-8: as given when it is valid UTF-8, otherwise its
// bytes outside 32..126 as the console's glyphs.
std::string nameText(const std::string& name);

