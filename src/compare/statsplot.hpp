#pragma once
// A self-contained SVG picture of several inputs' yardsticks: the length
// distributions and the rank-frequency curves (log-log), overlaid in
// distinct colours, with a legend, axes and tick labels; when the inputs
// were compared on windows, also the z of every measure as bars.
#include <string>
#include <utility>
#include <vector>

#include "compare/statsreport.hpp"

// How the picture looks beyond its data: a title above the charts (none
// when empty) and the size it is shown at, in pixels (0: its own size,
// 1000 wide and as high as its charts need; the drawing is scaled to fit).
struct PlotLook {
  std::string title;
  int width = 0, height = 0;
};

// The first input's curves are solid and later ones dashed and thinner;
// every rank-frequency curve ends in a marker at its last rank, and the
// frequency axis starts below 1, so that the tail stands clear of the frame.
std::string comparisonSvg(const std::vector<MeasuredInput>& inputs, const PlotLook& look = {});

// A chart of one curve through (x, y) from x = 0, in a picture of its own
// (points with a y that is not finite are left out).
std::string curveSvg(const std::string& title, const std::string& xName, const std::string& yName,
                     const std::vector<std::pair<double, double>>& points);
