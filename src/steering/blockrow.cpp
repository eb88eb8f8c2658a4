// A generated block's fields in a table row.
#include "steering/blockrow.hpp"

#include <algorithm>

#include "compare/statscsv.hpp"
#include "shell/numberforms.hpp"
#include "steering/sweeptable.hpp"

MeasuredRow measuredBlockRow(const HeadlessBlock& block, const BlockMeasuring& measuring) {
  MeasuredRow row;
  row.complete = block.complete;
  row.fields = std::string(block.complete ? STATUS_COMPLETE : STATUS_OUT_OF_STEPS) + "," +
               std::to_string(block.groups) + "," + std::to_string(block.steps) + ",";
  if (block.complete) {
    Yardsticks y = measureTokens(finishedBlockGroups());
    std::vector<DistanceTerm> terms = distanceTerms(y, measuring.target, measuring.measures);
    row.distance = distanceOf(terms);
    row.fields += yardstickCsvFields(y, SWEEP_LENGTHS);
    for (const DistanceTerm& t : terms) row.fields += "," + fullPrecision(t.value);
    row.fields += "," + fullPrecision(row.distance);
  } else {
    const std::string yardsticks = yardstickCsvHeader(SWEEP_LENGTHS);
    size_t empty = static_cast<size_t>(std::count(yardsticks.begin(), yardsticks.end(), ',')) + 1 +
                   measuring.measures.size() + 1;
    row.fields += std::string(empty - 1, ',');
  }
  return row;
}

std::string setupCell(const std::string& setupText) {
  std::string cell = setupText;
  while (!cell.empty() && cell.back() == '\n') cell.pop_back();
  return csvField(cell);
}
