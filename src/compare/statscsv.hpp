#pragma once
// The yardstick columns of a CSV table, for any command that writes rows of
// yardsticks with columns of its own before and after them. Numbers are in
// full precision; a field holding a comma, a quote or a line end is quoted.
#include <cstddef>
#include <string>
#include <string_view>

#include "compare/yardsticks.hpp"

// The names of the yardstick columns, separated by commas: tokens, types,
// ttr, hapax, len_mean, len_sd, h0, h1, h2, zipf, rep, near, len_1 ..
// len_<lengths>, top (the ten most frequent types as "type:count" joined by
// blanks).
std::string yardstickCsvHeader(size_t lengths);

// The fields of those columns for one set of yardsticks (shares of lengths
// beyond its own longest token are 0).
std::string yardstickCsvFields(const Yardsticks& y, size_t lengths);

// One CSV field: the text as it is, or quoted with its quotes doubled.
std::string csvField(std::string_view text);
