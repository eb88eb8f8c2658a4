#pragma once
// A self-contained SVG picture of several inputs' yardsticks: the length
// distributions and the rank-frequency curves (log-log), overlaid in
// distinct colours, with a legend, axes and tick labels; when the inputs
// were compared on windows, also the z of every measure as bars.
#include <string>
#include <vector>

#include "compare/statsreport.hpp"

std::string comparisonSvg(const std::vector<MeasuredInput>& inputs);
