#pragma once
// A self-contained SVG picture of several inputs' yardsticks: the length
// distributions and the rank-frequency curves (log-log), overlaid in
// distinct colours, with a legend, axes and tick labels; when the inputs
// were compared on windows, also the z of every measure as bars.
#include <string>
#include <utility>
#include <vector>

#include "compare/statsreport.hpp"

std::string comparisonSvg(const std::vector<MeasuredInput>& inputs);

// A chart of one curve through (x, y) from x = 0, in a picture of its own
// (points with a y that is not finite are left out).
std::string curveSvg(const std::string& title, const std::string& xName, const std::string& yName,
                     const std::vector<std::pair<double, double>>& points);
