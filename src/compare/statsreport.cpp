// The table, CSV and JSON forms of a comparison of inputs.
#include "compare/statsreport.hpp"
#include "shell/numberforms.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "compare/statscsv.hpp"
#include "compare/utf8text.hpp"
#include "shell/console.hpp"

namespace {

size_t longestLength(const Comparison& c) {
  size_t longest = 0;
  for (const MeasuredInput& in : c.inputs) longest = std::max(longest, in.yardsticks.len_dist.size());
  return longest;
}

bool anyLonger(const Comparison& c) {
  return std::any_of(c.inputs.begin(), c.inputs.end(), [](const MeasuredInput& in) { return in.yardsticks.len_longer > 0; });
}

bool validUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    auto b = static_cast<unsigned char>(s[i]);
    size_t n = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : 99;
    if (n == 99 || i + n >= s.size()) return false;
    for (size_t k = 1; k <= n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n + 1;
  }
  return true;
}

}  // namespace

std::string nameText(const std::string& name) { return validUtf8(name) ? name : displayText(name); }

std::string displayText(std::string_view bytes) {
  std::string text;
  for (char ch : bytes) {
    auto b = static_cast<unsigned char>(ch);
    if (b >= 32 && b <= 126) text += ch;
    else text += con::utf8(con::cp437Glyph(b));
  }
  return text;
}

namespace {

// ---- Table -------------------------------------------------------------------

using Row = std::vector<std::string>;  // the label, then one cell per input

size_t displayWidth(const std::string& utf8Text) {
  return static_cast<size_t>(std::count_if(utf8Text.begin(), utf8Text.end(),
                                           [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

void addRow(std::vector<Row>& rows, const std::string& label, const Comparison& c,
            std::string (*cell)(const Comparison&, size_t, size_t), size_t arg) {
  Row row{label};
  for (size_t i = 0; i < c.inputs.size(); ++i) row.push_back(cell(c, i, arg));
  rows.push_back(row);
}

std::string scalarCell(const Comparison& c, size_t i, size_t measure) {
  return fixedSignificant(c.inputs[i].yardsticks.*scalarMeasures()[measure].member);
}

std::string lengthCell(const Comparison& c, size_t i, size_t k) {
  return fixedSignificant(lengthClasses(c.inputs[i].yardsticks)[k - 1]);
}

// A type longer than this shows in the table by its beginning and an ellipsis.
constexpr size_t TOPCELLBYTES = 24;

std::string topCell(const Comparison& c, size_t i, size_t rank) {
  const auto& top = c.inputs[i].yardsticks.top;
  if (rank > top.size()) return "";
  std::string_view type = top[rank - 1].first;
  std::string shown = type.size() <= TOPCELLBYTES ? displayText(type)
                                                  : displayText(type.substr(0, TOPCELLBYTES - 1)) + "\u2026";
  return shown + " " + std::to_string(top[rank - 1].second);
}

std::string windowCell(const Comparison& c, size_t, size_t) { return std::to_string(c.window); }

std::string zCell(const Comparison& c, size_t i, size_t m) {
  if (i == 0) return "-";
  return fixedSignificant(c.inputs[i].windowed.z[m].z);
}

std::string distanceCell(const Comparison& c, size_t i, size_t) {
  if (i == 0) return "-";
  return fixedSignificant(c.inputs[i].windowed.dist);
}

std::vector<Row> tableRows(const Comparison& c) {
  std::vector<Row> rows;
  Row heading{""}, tokens{"tokens"}, types{"types"};
  for (const MeasuredInput& in : c.inputs) {
    heading.push_back(in.name);
    tokens.push_back(std::to_string(in.yardsticks.tokens));
    types.push_back(std::to_string(in.yardsticks.types));
  }
  rows = {heading, tokens, types};
  for (size_t m = 0; m < scalarMeasures().size(); ++m) addRow(rows, scalarMeasures()[m].name, c, scalarCell, m);
  for (size_t k = 1; k <= longestLength(c); ++k) addRow(rows, "len_" + std::to_string(k), c, lengthCell, k);
  if (anyLonger(c)) addRow(rows, LONGER_COLUMN, c, lengthCell, LENGTH_COLUMNS + 1);
  for (size_t r = 1; r <= 10; ++r) addRow(rows, "top_" + std::to_string(r), c, topCell, r);
  if (c.compared()) {
    addRow(rows, "window", c, windowCell, 0);
    for (size_t m = 0; m < c.measures.size(); ++m) addRow(rows, "z_" + c.measures[m], c, zCell, m);
    addRow(rows, "dist", c, distanceCell, 0);
  }
  return rows;
}

// ---- JSON --------------------------------------------------------------------

std::string jsonString(std::string_view utf8Text) {
  std::string s = "\"";
  for (char ch : utf8Text) {
    if (ch == '"' || ch == '\\') s += '\\';
    if (static_cast<unsigned char>(ch) < 32) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(ch));
      s += buf;
    } else {
      s += ch;
    }
  }
  return s + "\"";
}

// A token as UTF-8 text: as it is when its characters are code points,
// otherwise every byte as the Latin-1 character of its number.
std::string tokenText(const Comparison& c, const std::string& token) {
  return c.characters == Characters::Utf8 ? token : latin1AsUtf8(token);
}

std::string jsonObject(const Comparison& c, size_t i) {
  const Yardsticks& y = c.inputs[i].yardsticks;
  std::string o = "{\"file\": " + jsonString(nameText(c.inputs[i].name)) + ", \"tokens\": " + std::to_string(y.tokens) +
                  ", \"types\": " + std::to_string(y.types);
  for (const ScalarMeasure& m : scalarMeasures()) o += ", \"" + std::string(m.name) + "\": " + fullPrecision(y.*m.member);
  const std::vector<double> lengths = lengthClasses(y);
  o += ", \"len_dist\": [";
  for (size_t k = 0; k < LENGTH_COLUMNS; ++k) o += (k > 0 ? ", " : "") + fullPrecision(lengths[k]);
  o += "], \"" + std::string(LONGER_COLUMN) + "\": " + fullPrecision(y.len_longer);
  o += std::string(", \"encoding\": ") + (c.characters == Characters::Utf8 ? "\"utf-8\"" : "\"latin-1\"");
  o += ", \"top\": [";
  for (size_t r = 0; r < y.top.size(); ++r)
    o += (r > 0 ? ", [" : "[") + jsonString(tokenText(c, y.top[r].first)) + ", " + std::to_string(y.top[r].second) + "]";
  o += "]";
  if (c.compared()) {
    o += ", \"window\": " + std::to_string(c.window);
    if (i > 0) {
      const WindowedComparison& w = c.inputs[i].windowed;
      o += ", \"z\": {";
      for (size_t m = 0; m < w.z.size(); ++m) o += (m > 0 ? ", \"" : "\"") + w.z[m].measure + "\": " + fullPrecision(w.z[m].z);
      o += "}, \"dist\": " + fullPrecision(w.dist);
    }
  }
  return o + "}";
}

}  // namespace

std::string comparisonTable(const Comparison& c) {
  const std::vector<Row> rows = tableRows(c);
  std::vector<size_t> widths(rows.front().size(), 0);
  for (const Row& row : rows)
    for (size_t col = 0; col < row.size(); ++col) widths[col] = std::max(widths[col], displayWidth(row[col]));
  std::string table;
  for (const Row& row : rows) {
    std::string line = row[0] + std::string(widths[0] - displayWidth(row[0]), ' ');
    for (size_t col = 1; col < row.size(); ++col)
      line += "  " + std::string(widths[col] - displayWidth(row[col]), ' ') + row[col];
    line.erase(line.find_last_not_of(' ') + 1);
    table += line + "\n";
  }
  return table;
}

std::string comparisonCsv(const Comparison& c) {
  std::string csv = "file," + yardstickCsvHeader() + "," + comparisonCsvHeader(c.measures) + "\n";
  for (size_t i = 0; i < c.inputs.size(); ++i) {
    csv += csvField(c.inputs[i].name) + "," + yardstickCsvFields(c.inputs[i].yardsticks) + ",";
    if (c.compared() && i > 0) csv += comparisonCsvFields(c.inputs[i].windowed);
    else csv += emptyComparisonCsvFields(c.measures.size(), c.window);
    csv += "\n";
  }
  return csv;
}

std::string comparisonJson(const Comparison& c) {
  std::string json = "[";
  for (size_t i = 0; i < c.inputs.size(); ++i) json += (i > 0 ? ",\n  " : "\n  ") + jsonObject(c, i);
  return json + "\n]\n";
}
