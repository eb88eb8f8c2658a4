#pragma once
// The measured part of a row of the sweep's and the fit's tables: a block
// generated headless, compared with the target's windows.
#include <optional>
#include <string>
#include <vector>

#include "compare/statsinputs.hpp"
#include "compare/windows.hpp"
#include "setups/setupfile.hpp"

// What a block is measured against.
struct BlockMeasuring {
  std::optional<WindowedTarget> target;  // the target measured on its windows once
  ReadingOptions reading;                // applied to the groups as to the target
};

struct MeasuredRow {
  std::string fields;  // status, groups, map_steps, the yardsticks, window, the z and dist
  Yardsticks yardsticks;          // of a complete block
  bool compared = false;
  WindowedComparison comparison;  // when compared
};

// After generateHeadless: the fields of the block that it made (the groups of
// the finished block), or of a block out of steps or shorter than a window
// (its measures, or its z and dist, left empty).
MeasuredRow measuredBlockRow(const HeadlessBlock& block, const BlockMeasuring& measuring);

// A set-up's text as one CSV field, without its last line end.
std::string setupCell(const std::string& setupText);
