// The yardstick columns of CSV tables.
#include "compare/statscsv.hpp"
#include "shell/numberforms.hpp"

namespace {

std::string topField(const Yardsticks& y) {
  std::string text;
  for (const auto& [type, count] : y.top) text += (text.empty() ? "" : " ") + type + ":" + std::to_string(count);
  return csvField(text);
}

}  // namespace

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string yardstickCsvHeader(size_t lengths) {
  std::string header = "tokens,types";
  for (const ScalarMeasure& m : scalarMeasures()) header += std::string(",") + m.name;
  for (size_t k = 1; k <= lengths; ++k) header += ",len_" + std::to_string(k);
  return header + ",top";
}

std::string yardstickCsvFields(const Yardsticks& y, size_t lengths) {
  std::string row = std::to_string(y.tokens) + "," + std::to_string(y.types);
  for (const ScalarMeasure& m : scalarMeasures()) row += "," + fullPrecision(y.*m.member);
  for (size_t k = 1; k <= lengths; ++k) row += "," + fullPrecision(k <= y.len_dist.size() ? y.len_dist[k - 1] : 0.0);
  return row + "," + topField(y);
}
