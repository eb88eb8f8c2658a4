// The yardstick and comparison columns of CSV tables.
#include "compare/statscsv.hpp"
#include "shell/numberforms.hpp"

#include <cstdio>

namespace {

std::string topField(const Yardsticks& y) {
  std::string text;
  for (const auto& [type, count] : y.top) text += (text.empty() ? "" : " ") + topEntry(type, count);
  return csvField(text);
}

}  // namespace

std::string topEntry(std::string_view type, size_t count) {
  std::string entry;
  for (char ch : type) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 32 || b == 127 || ch == ' ' || ch == ':' || ch == '\\') {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", b);
      entry += escaped;
    } else {
      entry += ch;
    }
  }
  return entry + ":" + std::to_string(count);
}

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string yardstickCsvHeader() {
  std::string header = "tokens,types";
  for (const ScalarMeasure& m : scalarMeasures()) header += std::string(",") + m.name;
  for (size_t k = 1; k <= LENGTH_COLUMNS; ++k) header += ",len_" + std::to_string(k);
  return header + "," + LONGER_COLUMN + ",top";
}

std::string yardstickCsvFields(const Yardsticks& y) {
  std::string row = std::to_string(y.tokens) + "," + std::to_string(y.types);
  for (const ScalarMeasure& m : scalarMeasures()) row += "," + fullPrecision(y.*m.member);
  for (double share : lengthClasses(y)) row += "," + fullPrecision(share);
  return row + "," + topField(y);
}

std::string comparisonCsvHeader(const std::vector<std::string>& measures) {
  std::string header = "window";
  for (const std::string& m : measures) header += ",z_" + m;
  return header + ",dist";
}

std::string comparisonCsvFields(const WindowedComparison& w) {
  std::string row = std::to_string(w.window);
  for (const MeasureZ& m : w.z) row += "," + fullPrecision(m.z);
  return row + "," + fullPrecision(w.dist);
}

std::string emptyComparisonCsvFields(size_t measures, size_t window) {
  return (window > 0 ? std::to_string(window) : "") + std::string(measures + 1, ',');
}
