#pragma once
// Comparison on windows of equal size. Every input is cut into consecutive
// windows of n tokens from its start (tokens after the last whole window
// take no part); every measure is computed on each window and an input's
// value of a measure is its mean over its windows. A measure's unit is the
// target's own spread: the sample standard deviation of the measure over
// the target's windows (at least 1/n). For the length distribution, each
// window's value is the total variation distance of its length classes to
// those of all the target's windows together.
#include <cstddef>
#include <string>
#include <vector>

#include "compare/tokensequence.hpp"
#include "compare/yardsticks.hpp"

inline constexpr size_t DEFAULT_WINDOW = 1000;
// Below this many tokens a window is too small to compare with.
inline constexpr size_t LEAST_WINDOW = 50;

// The window of a comparison: the size asked for, lowered to half the
// target's token count (so that it has two windows at least) and to the
// smallest token count of the other inputs.
struct WindowPlan {
  size_t window = 0;
  // When the window would be below LEAST_WINDOW: the input that is too
  // short (0 the target), otherwise npos.
  size_t tooShort = static_cast<size_t>(-1);
  bool refused() const { return tooShort != static_cast<size_t>(-1); }
};
// tokenCounts[0] is the target's.
WindowPlan planWindow(size_t asked, const std::vector<size_t>& tokenCounts);

// The one-line reason why an input of `tokens` tokens (the target or not)
// cannot be compared on windows, e.g. "60 tokens, too few for two windows of
// 50 tokens".
std::string tooShortText(size_t tokens, bool target);

struct MeasureZ {
  std::string measure;
  double z;
};

struct WindowedComparison {
  size_t window = 0;    // n
  size_t windows = 0;   // the input's windows
  std::vector<MeasureZ> z;  // one per measure of the comparison, in its order
  double dist = 0;      // the root of the mean of the z squared
};

// The target measured on its windows once; any token sequence is then
// compared with it.
class WindowedTarget {
 public:
  // measures: names from comparisonMeasureNames(), in that order. The
  // target must have two windows: window >= 1 and 2 * window <= its size.
  WindowedTarget(const TokenSequence& target, size_t window, std::vector<std::string> measures);

  size_t window() const { return window_; }
  size_t windows() const { return windows_; }
  const std::vector<std::string>& measures() const { return measures_; }
  // The target's mean and unit (standard deviation, at least 1/n) of each
  // measure, in the order of measures().
  const std::vector<double>& means() const { return means_; }
  const std::vector<double>& units() const { return units_; }

  // z of every measure and the distance. The input must hold one window
  // at least (std::invalid_argument otherwise).
  WindowedComparison compare(const TokenSequence& input) const;

 private:
  // Each window's value of each measure: values[m][w].
  std::vector<std::vector<double>> windowValues(const TokenSequence& s, size_t windows) const;

  size_t window_, windows_;
  std::vector<std::string> measures_;
  std::vector<double> pooledLengths_;  // the length classes of all the target's windows together
  std::vector<double> means_, units_;
};

// The distance that the z of a comparison make: sqrt(mean of z^2), 0 for none.
double distanceOfZ(const std::vector<MeasureZ>& z);
