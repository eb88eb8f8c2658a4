#include "shell/inputfields.hpp"

#include <cstring>
#include <cstdlib>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string numberPrefix(std::string_view field) {
  std::string out;
  size_t i = 0;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) out.push_back(field[i++]);
  bool digits = false;
  while (i < field.size() && isDigit(field[i])) { out.push_back(field[i++]); digits = true; }
  if (i < field.size() && field[i] == '.') {
    out.push_back(field[i++]);
    while (i < field.size() && isDigit(field[i])) { out.push_back(field[i++]); digits = true; }
  }
  if (!digits) return "";
  if (i < field.size() && std::strchr("eEdD", field[i]) != nullptr) {
    size_t j = i + 1;
    std::string exp = "e";
    if (j < field.size() && (field[j] == '+' || field[j] == '-')) exp.push_back(field[j++]);
    bool expDigits = false;
    while (j < field.size() && isDigit(field[j])) { exp.push_back(field[j++]); expDigits = true; }
    if (expDigits) out += exp;
  }
  return out;
}

std::string_view withoutBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// numberPrefix keeps the length of what it read ("1d3" becomes "1e3").
bool isWholeNumber(std::string_view text) {
  std::string_view field = withoutBlanks(text);
  return !field.empty() && numberPrefix(field).size() == field.size();
}

long double fieldToLongDouble(std::string_view field) {
  std::string n = numberPrefix(field);
  return n.empty() ? 0.0L : std::strtold(n.c_str(), nullptr);
}

double fieldToDouble(std::string_view field) {
  std::string n = numberPrefix(field);
  return n.empty() ? 0.0 : std::strtod(n.c_str(), nullptr);
}

float fieldToFloat(std::string_view field) {
  std::string n = numberPrefix(field);
  return n.empty() ? 0.0f : std::strtof(n.c_str(), nullptr);
}
