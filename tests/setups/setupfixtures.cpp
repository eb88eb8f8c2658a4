#include "setups/setupfixtures.hpp"

#include <string>

namespace {

const std::string SYMBOLS = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKL";

std::string number(int n) { return " " + std::to_string(n) + "\r\n"; }

}  // namespace

std::string testMapFileText() {
  std::string text;
  for (int r = 1; r <= 38; ++r) {
    text += number(r) + SYMBOLS.substr(static_cast<size_t>(r - 1), 1) + "\r\n";
    text += number(r) + number(77 - r) + number(r + 76) + number(0) + number(0) + "\r\n";
  }
  return text;
}

std::string testPhantomsFileText() {
  std::string text;
  for (int r = 1; r <= 38; ++r) {
    bool active = r == 1 || r == 5;
    std::string phantom = r == 1 ? "qu" : r == 5 ? "ee" : "zz";
    text += number(r) + SYMBOLS.substr(static_cast<size_t>(r - 1), 1) + "\r\n";
    text += number(active ? 1 : 0) + phantom + "\r\n\r\n";
  }
  return text;
}
