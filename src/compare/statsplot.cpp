// The two charts of the yardsticks as SVG.
#include "compare/statsplot.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr const char* COLOURS[] = {"#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd",
                                   "#8c564b", "#e377c2", "#7f7f7f", "#bcbd22", "#17becf"};
constexpr size_t NCOLOURS = sizeof COLOURS / sizeof COLOURS[0];
// Up to this many lengths, every share of the length chart has its marker.
constexpr size_t MARKEDLENGTHS = 40;
// The first input's curves are solid, later ones dashed, each its own way,
// so that an input drawn over an equal one leaves it visible.
constexpr const char* DASHES[] = {"", "9,5", "3,4", "14,4,3,4", "6,3", "2,6"};
constexpr size_t NDASHES = sizeof DASHES / sizeof DASHES[0];
// The rank-frequency chart's axis starts half a decade below frequency 1,
// so that the tail of every curve (the types seen once) stands above the frame.
constexpr double BELOWONE = 0.3;

// Where a chart's plotting area stands in the picture.
struct Frame {
  double left, top, width, height;
  double xMin, xMax, yMin, yMax;  // the values at the edges
  double x(double v) const { return left + (v - xMin) / (xMax - xMin) * width; }
  double y(double v) const { return top + height - (v - yMin) / (yMax - yMin) * height; }
};

std::string number(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

std::string label(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

std::string xmlText(const std::string& raw) {
  const std::string text = nameText(raw);
  std::string out;
  for (char ch : text) {
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += static_cast<unsigned char>(ch) < 32 ? '?' : ch;
    }
  }
  return out;
}

// A step of 1, 2 or 5 times a power of ten that cuts 0..top into about five parts.
double tickStep(double top) {
  double raw = top / 5, magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  double norm = raw / magnitude;
  return (norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10) * magnitude;
}

std::string line(double x1, double y1, double x2, double y2, const char* style) {
  return "<line x1=\"" + number(x1) + "\" y1=\"" + number(y1) + "\" x2=\"" + number(x2) + "\" y2=\"" + number(y2) +
         "\" " + style + "/>\n";
}

std::string text(double x, double y, const std::string& content, const char* anchor, const char* extra = "") {
  return "<text x=\"" + number(x) + "\" y=\"" + number(y) + "\" text-anchor=\"" + anchor + "\" " + extra + ">" +
         content + "</text>\n";
}

// The multiples of step from low to high.
std::vector<double> ticks(double low, double high, double step) {
  std::vector<double> values;
  const auto first = static_cast<long>(std::ceil(low / step - 1e-9));
  const auto last = static_cast<long>(std::floor(high / step + 1e-9));
  for (long i = first; i <= last; ++i) values.push_back(static_cast<double>(i) * step);
  return values;
}

// The stroke of input i's lines: its colour, and its dashes after the first.
std::string strokeOf(size_t i, double width) {
  std::string s = "stroke=\"" + std::string(COLOURS[i % NCOLOURS]) + "\" stroke-width=\"" + number(width) + "\"";
  if (i % NDASHES != 0) s += " stroke-dasharray=\"" + std::string(DASHES[i % NDASHES]) + "\"";
  return s;
}

// Curves, like markers, grow thinner from input to input: a later curve
// drawn over an equal one leaves its edges showing.
double curveWidth(size_t i) { return std::max(1.5, 3.5 - static_cast<double>(i)); }

// Markers shrink from input to input, so that a later one drawn over an
// earlier one at the same place leaves a ring of it.
std::string marker(double x, double y, size_t i, const char* kind) {
  const double radius = std::max(1.5, 4.0 - 0.75 * static_cast<double>(i));
  return "<circle class=\"" + std::string(kind) + "\" cx=\"" + number(x) + "\" cy=\"" + number(y) + "\" r=\"" +
         number(radius) + "\" fill=\"" + COLOURS[i % NCOLOURS] + "\"/>\n";
}

// The frame, the title, the axis names and the ticks (none on x for an
// xStep of 0); `logarithmic` labels tick v as 10^v.
std::string axes(const Frame& f, const std::string& title, const std::string& xName, const std::string& yName,
                 double xStep, double yStep, bool logarithmic) {
  std::string s = "<rect class=\"frame\" x=\"" + number(f.left) + "\" y=\"" + number(f.top) + "\" width=\"" + number(f.width) +
                  "\" height=\"" + number(f.height) + "\" fill=\"none\" stroke=\"#000\"/>\n";
  s += text(f.left + f.width / 2, f.top - 14, title, "middle", "font-weight=\"bold\"");
  s += text(f.left + f.width / 2, f.top + f.height + 40, xName, "middle");
  s += "<text x=\"" + number(f.left - 48) + "\" y=\"" + number(f.top + f.height / 2) +
       "\" text-anchor=\"middle\" transform=\"rotate(-90 " + number(f.left - 48) + " " +
       number(f.top + f.height / 2) + ")\">" + yName + "</text>\n";
  auto tickLabel = [&](double v) { return logarithmic ? label(std::pow(10.0, v)) : label(v); };
  for (double v : xStep > 0 ? ticks(f.xMin, f.xMax, xStep) : std::vector<double>{}) {
    s += line(f.x(v), f.top + f.height, f.x(v), f.top + f.height + 5, "stroke=\"#000\"");
    s += line(f.x(v), f.top, f.x(v), f.top + f.height, "stroke=\"#ddd\"");
    s += text(f.x(v), f.top + f.height + 19, tickLabel(v), "middle");
  }
  for (double v : ticks(f.yMin, f.yMax, yStep)) {
    s += line(f.left - 5, f.y(v), f.left, f.y(v), "stroke=\"#000\"");
    s += line(f.left, f.y(v), f.left + f.width, f.y(v), "stroke=\"#ddd\"");
    s += text(f.left - 8, f.y(v) + 4, tickLabel(v), "end");
  }
  return s;
}

using Points = std::vector<std::pair<double, double>>;

// Points from left to right, one per half pixel at most (the first and the
// last always): enough for a curve, however many values it has.
Points thinned(const Points& points) {
  Points kept;
  for (size_t i = 0; i < points.size(); ++i)
    if (kept.empty() || i + 1 == points.size() || points[i].first - kept.back().first >= 0.5) kept.push_back(points[i]);
  return kept;
}

std::string polyline(const Points& points, size_t input, const char* kind) {
  if (points.empty()) return "";
  std::string s = "<polyline class=\"" + std::string(kind) + "\" fill=\"none\" " + strokeOf(input, curveWidth(input)) + " points=\"";
  for (const auto& [x, y] : points) s += number(x) + "," + number(y) + " ";
  return s + "\"/>\n";
}

std::string lengthChart(const std::vector<MeasuredInput>& inputs, Frame f) {
  size_t longest = 0;
  double highest = 0;
  for (const MeasuredInput& in : inputs) {
    longest = std::max(longest, in.yardsticks.len_dist.size());
    for (double share : in.yardsticks.len_dist) highest = std::max(highest, share);
  }
  f.xMin = 0;
  f.xMax = static_cast<double>(std::max<size_t>(longest, 2));
  const double yStep = tickStep(highest > 0 ? highest : 1);
  f.yMin = 0;
  f.yMax = std::ceil((highest > 0 ? highest : 1) / yStep) * yStep;
  const double xStep = longest <= 20 ? 1 : std::ceil(tickStep(static_cast<double>(longest)));
  std::string s = axes(f, "Token lengths", "length (bytes)", "share of tokens", xStep, yStep, false);
  for (size_t i = 0; i < inputs.size(); ++i) {
    Points points;
    const std::vector<double>& dist = inputs[i].yardsticks.len_dist;
    for (size_t k = 1; k <= dist.size(); ++k) points.emplace_back(f.x(static_cast<double>(k)), f.y(dist[k - 1]));
    points = thinned(points);
    s += polyline(points, i, "lengths");
    if (longest > MARKEDLENGTHS) continue;
    for (const auto& [x, y] : points) s += marker(x, y, i, "length");
  }
  return s;
}

std::string rankChart(const std::vector<MeasuredInput>& inputs, Frame f) {
  double ranks = 1, highest = 1;
  for (const MeasuredInput& in : inputs) {
    ranks = std::max(ranks, static_cast<double>(in.yardsticks.frequencies.size()));
    if (!in.yardsticks.frequencies.empty())
      highest = std::max(highest, static_cast<double>(in.yardsticks.frequencies.front()));
  }
  f.xMin = 0;
  f.yMin = -BELOWONE;
  f.xMax = std::max(1.0, std::ceil(std::log10(ranks)));
  f.yMax = std::max(1.0, std::ceil(std::log10(highest)));
  std::string s = axes(f, "Rank and frequency (log-log)", "rank", "frequency", std::ceil(f.xMax / 6),
                       std::ceil(f.yMax / 6), true);
  for (size_t i = 0; i < inputs.size(); ++i) {
    const std::vector<size_t>& freq = inputs[i].yardsticks.frequencies;
    Points points;
    for (size_t r = 1; r <= freq.size(); ++r)
      points.emplace_back(f.x(std::log10(static_cast<double>(r))), f.y(std::log10(static_cast<double>(freq[r - 1]))));
    s += polyline(thinned(points), i, "ranks");
    if (!points.empty()) s += marker(points.back().first, points.back().second, i, "tail");
  }
  return s;
}

// The z of every measure of each input after the first as bars, one group
// of bars per measure, over the band -2..2 shaded.
std::string zChart(const std::vector<MeasuredInput>& inputs, Frame f) {
  const std::vector<MeasureZ>& names = inputs[1].windowed.z;
  double largest = 3;
  for (size_t i = 1; i < inputs.size(); ++i)
    for (const MeasureZ& m : inputs[i].windowed.z) largest = std::max(largest, std::fabs(m.z));
  const double yStep = tickStep(largest);
  f.yMax = std::ceil(largest / yStep) * yStep;
  f.yMin = -f.yMax;
  f.xMin = 0;
  f.xMax = static_cast<double>(names.size());
  std::string s = "<rect x=\"" + number(f.left) + "\" y=\"" + number(f.y(2)) + "\" width=\"" + number(f.width) +
                  "\" height=\"" + number(f.y(-2) - f.y(2)) + "\" fill=\"#e8e8e8\"/>\n";
  s += axes(f, "z of each measure (the band: within 2 of the target's own spread)", "", "z", 0, yStep, false);
  s += line(f.left, f.y(0), f.left + f.width, f.y(0), "stroke=\"#000\"");
  const double slot = f.width / f.xMax, bar = slot * 0.8 / static_cast<double>(inputs.size() - 1);
  for (size_t m = 0; m < names.size(); ++m) {
    const double centre = f.x(static_cast<double>(m) + 0.5);
    s += "<text x=\"" + number(centre) + "\" y=\"" + number(f.top + f.height + 14) +
         "\" text-anchor=\"end\" transform=\"rotate(-40 " + number(centre) + " " + number(f.top + f.height + 14) +
         ")\">" + xmlText(names[m].measure) + "</text>\n";
    for (size_t i = 1; i < inputs.size(); ++i) {
      if (m >= inputs[i].windowed.z.size()) continue;
      const double z = inputs[i].windowed.z[m].z, x = f.x(static_cast<double>(m) + 0.1) + bar * static_cast<double>(i - 1);
      s += "<rect x=\"" + number(x) + "\" y=\"" + number(f.y(std::max(z, 0.0))) + "\" width=\"" + number(bar) +
           "\" height=\"" + number(std::fabs(f.y(z) - f.y(0))) + "\" fill=\"" + COLOURS[i % NCOLOURS] + "\"/>\n";
    }
  }
  return s;
}

std::string legend(const std::vector<MeasuredInput>& inputs, double left, double top) {
  std::string s;
  for (size_t i = 0; i < inputs.size(); ++i) {
    double y = top + 22 * static_cast<double>(i);
    s += line(left, y, left + 30, y, strokeOf(i, 3).c_str());
    s += text(left + 38, y + 4, xmlText(inputs[i].name), "start");
  }
  return s;
}

}  // namespace

std::string comparisonSvg(const std::vector<MeasuredInput>& inputs, const PlotLook& look) {
  const double chartWidth = 380, chartHeight = 320, width = 1000;
  const double titleSpace = look.title.empty() ? 0 : 36, top = 50 + titleSpace, legendTop = 460 + titleSpace;
  const bool compared = inputs.size() > 1 && !inputs[1].windowed.z.empty();
  const double zTop = legendTop + 22 * static_cast<double>(inputs.size()) + 40, zHeight = 280;
  const double height = compared ? zTop + zHeight + 90 : legendTop + 22 * static_cast<double>(inputs.size()) + 20;
  // The picture is drawn at its own size and shown at the size asked for.
  const std::string shown = look.width > 0 ? "width=\"" + std::to_string(look.width) + "\" height=\"" +
                                                 std::to_string(look.height) + "\""
                                           : "width=\"" + number(width) + "\" height=\"" + number(height) + "\"";
  std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" " + shown + " viewBox=\"0 0 " + number(width) + " " +
                  number(height) + "\" font-family=\"sans-serif\" font-size=\"12\">\n"
                  "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  if (!look.title.empty())
    s += "<text class=\"title\" x=\"" + number(width / 2) + "\" y=\"36\" text-anchor=\"middle\" font-size=\"20\">" +
         xmlText(look.title) + "</text>\n";
  s += lengthChart(inputs, Frame{80, top, chartWidth, chartHeight, 0, 1, 0, 1});
  s += rankChart(inputs, Frame{80 + chartWidth + 110, top, chartWidth, chartHeight, 0, 1, 0, 1});
  s += legend(inputs, 80, legendTop);
  if (compared) s += zChart(inputs, Frame{80, zTop, 2 * chartWidth + 110, zHeight, 0, 1, 0, 1});
  return s + "</svg>\n";
}

std::string curveSvg(const std::string& title, const std::string& xName, const std::string& yName,
                     const std::vector<std::pair<double, double>>& points) {
  double xMax = 1, yMax = 0;
  for (const auto& [x, y] : points) {
    xMax = std::max(xMax, x);
    if (std::isfinite(y)) yMax = std::max(yMax, y);
  }
  Frame f{80, 50, 840, 260, 0, 1, 0, 1};
  const double xStep = tickStep(xMax), yStep = tickStep(yMax > 0 ? yMax : 1);
  f.xMax = std::ceil(xMax / xStep) * xStep;
  f.yMax = std::ceil((yMax > 0 ? yMax : 1) / yStep) * yStep;
  std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1000\" height=\"370\" viewBox=\"0 0 1000 370\" "
                  "font-family=\"sans-serif\" font-size=\"12\">\n<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  s += axes(f, xmlText(title), xmlText(xName), xmlText(yName), xStep, yStep, false);
  Points shown;
  for (const auto& [x, y] : points)
    if (std::isfinite(y)) shown.emplace_back(f.x(x), f.y(y));
  s += polyline(thinned(shown), 0, "curve");
  return s + "</svg>\n";
}
