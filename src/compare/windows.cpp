// Measures on windows, the target's spread, z and the distance.
#include "compare/windows.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

const ScalarMeasure* scalarNamed(const std::string& name) {
  for (const ScalarMeasure& m : scalarMeasures())
    if (name == m.name) return &m;
  return nullptr;
}

double meanOf(const std::vector<double>& values) {
  double sum = 0;
  for (double v : values) sum += v;
  return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

// Sample standard deviation (divisor: count - 1).
double sampleSd(const std::vector<double>& values, double mean) {
  if (values.size() < 2) return 0;
  double squares = 0;
  for (double v : values) squares += (v - mean) * (v - mean);
  return std::sqrt(squares / static_cast<double>(values.size() - 1));
}

}  // namespace

WindowPlan planWindow(size_t asked, const std::vector<size_t>& tokenCounts) {
  WindowPlan plan;
  if (tokenCounts.empty()) return plan;
  plan.window = std::min(asked, tokenCounts[0] / 2);
  size_t limiting = 0;
  for (size_t i = 1; i < tokenCounts.size(); ++i)
    if (tokenCounts[i] < plan.window) {
      plan.window = tokenCounts[i];
      limiting = i;
    }
  if (plan.window < LEAST_WINDOW) plan.tooShort = tokenCounts[0] / 2 < LEAST_WINDOW ? 0 : limiting;
  return plan;
}

std::string tooShortText(size_t tokens, bool target) {
  return std::to_string(tokens) + (tokens == 1 ? " token" : " tokens") + ", too few for " +
         (target ? "two windows of " : "a window of ") + std::to_string(LEAST_WINDOW) + " tokens";
}

WindowedTarget::WindowedTarget(const TokenSequence& target, size_t window, std::vector<std::string> measures)
    : window_(window), windows_(window > 0 ? target.size() / window : 0), measures_(std::move(measures)) {
  if (window_ == 0 || windows_ < 2) throw std::invalid_argument("the target has fewer than two windows");
  for (const std::string& m : measures_)
    if (m != "len_dist" && scalarNamed(m) == nullptr) throw std::invalid_argument("unknown measure '" + m + "'");
  pooledLengths_ = lengthClassesOf(target, 0, windows_ * window_);
  for (const std::vector<double>& values : windowValues(target, windows_)) {
    means_.push_back(meanOf(values));
    units_.push_back(std::max(sampleSd(values, means_.back()), 1.0 / static_cast<double>(window_)));
  }
}

std::vector<std::vector<double>> WindowedTarget::windowValues(const TokenSequence& s, size_t windows) const {
  std::vector<std::vector<double>> values(measures_.size(), std::vector<double>(windows, 0));
  RunMeasurer measurer(s);
  for (size_t w = 0; w < windows; ++w) {
    const Yardsticks y = measurer.measure(w * window_, (w + 1) * window_, false);
    for (size_t m = 0; m < measures_.size(); ++m) {
      const ScalarMeasure* scalar = scalarNamed(measures_[m]);
      values[m][w] = scalar != nullptr ? y.*scalar->member : totalVariation(lengthClasses(y), pooledLengths_);
    }
  }
  return values;
}

WindowedComparison WindowedTarget::compare(const TokenSequence& input) const {
  WindowedComparison c;
  c.window = window_;
  c.windows = input.size() / window_;
  if (c.windows == 0) throw std::invalid_argument("the input is shorter than a window");
  const std::vector<std::vector<double>> values = windowValues(input, c.windows);
  for (size_t m = 0; m < measures_.size(); ++m)
    c.z.push_back({measures_[m], (meanOf(values[m]) - means_[m]) / units_[m]});
  c.dist = distanceOfZ(c.z);
  return c;
}

double distanceOfZ(const std::vector<MeasureZ>& z) {
  if (z.empty()) return 0;
  double squares = 0;
  for (const MeasureZ& m : z) squares += m.z * m.z;
  return std::sqrt(squares / static_cast<double>(z.size()));
}
