#pragma once
// The measured part of a row of the sweep's and the fit's tables: a block
// generated headless, measured against the target.
#include <string>
#include <vector>

#include "compare/yardsticks.hpp"
#include "setups/setupfile.hpp"

// What a block is measured against.
struct BlockMeasuring {
  Yardsticks target;
  std::vector<std::string> measures;  // those that enter the distance
};

struct MeasuredRow {
  std::string fields;    // status, groups, map_steps, the yardsticks, the terms and dist
  bool complete = false;
  double distance = 0;   // when complete
};

// After generateHeadless: the fields of the block that it made (the groups of
// the finished block), or of a block out of steps (its measures left empty).
MeasuredRow measuredBlockRow(const HeadlessBlock& block, const BlockMeasuring& measuring);

// A set-up's text as one CSV field, without its last line end.
std::string setupCell(const std::string& setupText);
