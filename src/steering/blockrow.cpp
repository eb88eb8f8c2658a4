// A generated block's fields in a table row.
#include "steering/blockrow.hpp"

#include <algorithm>

#include "compare/statscsv.hpp"
#include "steering/sweeptable.hpp"

MeasuredRow measuredBlockRow(const HeadlessBlock& block, const BlockMeasuring& measuring) {
  const WindowedTarget& target = *measuring.target;
  MeasuredRow row;
  row.fields = std::string(block.complete ? STATUS_COMPLETE : STATUS_OUT_OF_STEPS) + "," +
               std::to_string(block.groups) + "," + std::to_string(block.steps) + ",";
  if (!block.complete) {
    const std::string empty = yardstickCsvHeader() + "," + comparisonCsvHeader(target.measures());
    row.fields += std::string(static_cast<size_t>(std::count(empty.begin(), empty.end(), ',')), ',');
    return row;
  }
  const TokenSequence groups =
      tokenSequence(cleanedTokens(finishedBlockGroups(), measuring.reading), measuring.reading.characters);
  row.compared = groups.size() >= target.window();
  if (!row.compared) row.fields.replace(0, std::string(STATUS_COMPLETE).size(), STATUS_TOO_SHORT);
  row.yardsticks = measureSequence(groups);
  row.fields += yardstickCsvFields(row.yardsticks) + ",";
  if (row.compared) row.comparison = target.compare(groups);
  row.fields += row.compared ? comparisonCsvFields(row.comparison)
                             : emptyComparisonCsvFields(target.measures().size(), target.window());
  return row;
}

std::string setupCell(const std::string& setupText) {
  std::string cell = setupText;
  while (!cell.empty() && cell.back() == '\n') cell.pop_back();
  return csvField(cell);
}
