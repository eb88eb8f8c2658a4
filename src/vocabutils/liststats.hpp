#pragma once
// Statistics of a list held in a list table (groups 1..n), apart from the
// screens: symbol counts, the alphabet, prime symbols, appearance counts and
// the digraph spectrum. "T", "S" and "N" build their figures from these.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/tank.hpp"

// Occurrences of every byte, indexed by its code.
using SymbolCounts = std::array<int32_t, 256>;

SymbolCounts symbolCounts(const Tank<std::string>& groups, long n);
SymbolCounts countsOf(const Tank<int32_t>& table);  // entries 0..255 of a count table

// The alphabet of a list: every code 32..255 that occurs, once, ascending.
// Codes below 32 (the tab among them) never belong to an alphabet.
std::string alphabetOf(const SymbolCounts& counts);

// The frequency ranking of codes 32..255: nRanks symbols, the highest count
// first, among equal counts the lower code first; a symbol of count 0 never
// ranks, so ranks after the last counted symbol hold byte 0 ("no symbol").
std::string frequencyRanking(const SymbolCounts& counts, long nRanks);

// Prime symbols: up to `howMany` symbols of the position string chosen one
// after another, each the highest count among the positions not yet taken,
// equal counts going to the earlier position.
std::string primeSymbols(std::string_view positions, const SymbolCounts& counts, size_t howMany);

// The six prime permutation trigraphs of the prime symbols p1 p2 p3, in the
// order 123, 132, 231, 213, 312, 321.
std::array<std::string, 6> primePermutationTrigraphs(std::string_view primes);

// Appearance count: the number of groups 1..n that hold the n-graph at least
// once. An empty n-graph appears nowhere.
int32_t appearanceCount(const Tank<std::string>& groups, long n, std::string_view ngraph);

// The digraph spectrum upon an alphabet a(1)..a(k): a(i) a(j) has index
// (i - 1) k + j. Entry 0 of the result is unused, entry i is the digraph of
// index i.
std::vector<std::string> digraphSpectrum(std::string_view alphabet);

// The appearance count of every digraph of the spectrum upon the alphabet
// (entry 0 unused): one scan of the groups, each digraph counted once per group.
std::vector<int32_t> digraphAppearanceCounts(const Tank<std::string>& groups, long n, std::string_view alphabet);

// The ranking of the spectrum: the indices of the non-zero counts (entry 0 of
// the counts unused), the highest count first, equal counts in index order.
std::vector<uint32_t> rankedDigraphIndices(const std::vector<int32_t>& counts);

// A non-negative number with leading zeros to `digits` digits.
std::string zeroPadded(long long v, int digits);
