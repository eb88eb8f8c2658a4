#pragma once
// A self-contained SVG picture of several inputs' yardsticks: the length
// distributions and the rank-frequency curves (log-log), overlaid in
// distinct colours, with a legend, axes and tick labels.
#include <string>
#include <vector>

#include "compare/statsreport.hpp"

std::string comparisonSvg(const std::vector<MeasuredInput>& inputs);
