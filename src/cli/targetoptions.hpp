#pragma once
// The options of the commands that compare blocks with a target (the sweep
// and the fit): which file is the target, of which kind, and how it and the
// blocks are read and compared.
#include <getopt.h>

#include <cstdint>
#include <string>
#include <vector>

#include "compare/statsinputs.hpp"
#include "compare/windows.hpp"
#include "compare/yardsticks.hpp"

struct TargetOptions {
  bool given = false;
  InputKind kind = InputKind::Text;
  std::string path;
  std::vector<std::string> measures = comparisonMeasureNames();
  ReadingOptions reading;
  uint64_t window = DEFAULT_WINDOW;
};

// --target, --target-words, --target-list, --target-block, --window,
// --measures, --strip, --drop and --utf8 (-u), appended to a getopt_long table
// (before its end marker); their codes lie from 1000 up, and 'u'.
void addTargetOptions(std::vector<option>& table);

// Takes the option when it is one of them (true, false for any other); a value
// it refuses throws std::invalid_argument with the problem, e.g. "give one
// target only" (a window that is not a count: UsageProblem).
bool takeTargetOption(int opt, const char* value, TargetOptions& t);

// After all options: why the target cannot be used (no target, reading
// options that do not go), or empty text.
std::string targetOptionsProblem(const TargetOptions& t);

// The target of a steering command, read once: its bytes (for the command's
// fingerprint), its tokens, and the window of the comparison.
struct SteeringTarget {
  std::string bytes;
  std::vector<std::string> tokens;
  size_t window = 0;
  std::string tooShort;  // "FILE: problem" when no window fits, else empty
};

// Throws InputError for a target that cannot be read.
SteeringTarget readSteeringTarget(const TargetOptions& t);
