// A generated block's fields in a table row.
#include "steering/blockrow.hpp"

#include <algorithm>

#include "compare/statscsv.hpp"
#include "steering/sweeptable.hpp"

MeasuredRow measuredBlockRow(const HeadlessBlock& block, const BlockMeasuring& measuring) {
  const WindowedTarget& target = *measuring.target;
  const std::string reached = "," + std::to_string(block.groups) + "," + std::to_string(block.steps) + ",";
  MeasuredRow row;
  if (!block.complete) {
    const std::string empty = yardstickCsvHeader() + "," + comparisonCsvHeader(target.measures());
    row.fields = STATUS_OUT_OF_STEPS + reached + std::string(static_cast<size_t>(std::count(empty.begin(), empty.end(), ',')), ',');
    return row;
  }
  const TokenSequence groups =
      tokenSequence(cleanedTokens(finishedBlockGroups(), measuring.reading), measuring.reading.characters);
  row.yardsticks = measureSequence(groups);
  const std::string yardsticks = yardstickCsvFields(row.yardsticks) + ",";
  row.compared = groups.size() >= target.window();
  if (!row.compared) {
    row.fields = STATUS_TOO_SHORT + reached + yardsticks + emptyComparisonCsvFields(target.measures().size(), target.window());
    return row;
  }
  row.comparison = target.compare(groups);
  row.fields = STATUS_COMPLETE + reached + yardsticks + comparisonCsvFields(row.comparison);
  return row;
}

std::string setupCell(const std::string& setupText) {
  std::string cell = setupText;
  while (!cell.empty() && cell.back() == '\n') cell.pop_back();
  return csvField(cell);
}
