#pragma once
// The columns of CSV tables of yardsticks and comparisons, for any command
// that writes rows of them with columns of its own before and after. The
// columns are the same for every input. Numbers are in full precision; a
// field holding a comma, a quote or a line end is quoted.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "compare/windows.hpp"
#include "compare/yardsticks.hpp"

// The column of the share of tokens longer than the last length column.
inline constexpr const char* LONGER_COLUMN = "len_32plus";

// The names of the yardstick columns, separated by commas: tokens, types,
// the scalar measures, len_1 .. len_31, len_32plus, top (the ten most
// frequent types as TYPE:COUNT joined by blanks, see topEntry).
std::string yardstickCsvHeader();
// The fields of those columns for one set of yardsticks.
std::string yardstickCsvFields(const Yardsticks& y);

// The comparison columns: window, z_MEASURE for each measure, dist.
std::string comparisonCsvHeader(const std::vector<std::string>& measures);
std::string comparisonCsvFields(const WindowedComparison& w);
// The same columns for a row without z (the target's, or with no
// comparison): the window when it is not 0, the rest empty.
std::string emptyComparisonCsvFields(size_t measures, size_t window);

// An entry of the top column: the type with every backslash, blank, colon
// and byte below 32 or 127 written \xNN (two hex digits), a colon, the count.
std::string topEntry(std::string_view type, size_t count);

// One CSV field: the text as it is, or quoted with its quotes doubled.
std::string csvField(std::string_view text);
