#include "vocabutils/liststats.hpp"

#include <algorithm>

SymbolCounts symbolCounts(const Tank<std::string>& groups, long n) {
  SymbolCounts counts{};
  for (long i = 1; i <= n; ++i)
    for (char ch : groups(i)) ++counts[static_cast<unsigned char>(ch)];
  return counts;
}

SymbolCounts countsOf(const Tank<int32_t>& table) {
  SymbolCounts counts{};
  for (int c = 0; c <= 255; ++c) counts[static_cast<size_t>(c)] = table(c);
  return counts;
}

std::string alphabetOf(const SymbolCounts& counts) {
  std::string alphabet;
  for (int c = 32; c <= 255; ++c)
    if (counts[static_cast<size_t>(c)] != 0) alphabet.push_back(static_cast<char>(c));
  return alphabet;
}

std::string frequencyRanking(const SymbolCounts& counts, long nRanks) {
  SymbolCounts work = counts;
  std::string ranks;
  for (long r = 1; r <= nRanks; ++r) {
    int best = 0;
    int32_t bestCount = 0;
    for (int c = 32; c <= 255; ++c) {
      if (work[static_cast<size_t>(c)] > bestCount) {
        best = c;
        bestCount = work[static_cast<size_t>(c)];
      }
    }
    ranks.push_back(static_cast<char>(best));
    work[static_cast<size_t>(best)] = 0;
  }
  return ranks;
}

std::string primeSymbols(std::string_view positions, const SymbolCounts& counts, size_t howMany) {
  auto countOf = [&counts](char symbol) { return counts[static_cast<unsigned char>(symbol)]; };
  std::vector<bool> taken(positions.size(), false);
  std::string primes;
  while (primes.size() < howMany) {
    size_t best = positions.size();
    for (size_t p = 0; p < positions.size(); ++p) {
      if (taken[p]) continue;
      if (best == positions.size() || countOf(positions[p]) > countOf(positions[best])) best = p;
    }
    if (best == positions.size()) break;
    taken[best] = true;
    primes.push_back(positions[best]);
  }
  return primes;
}

std::array<std::string, 6> primePermutationTrigraphs(std::string_view primes) {
  auto trigraph = [primes](int a, int b, int c) {
    return std::string{primes[static_cast<size_t>(a)], primes[static_cast<size_t>(b)], primes[static_cast<size_t>(c)]};
  };
  return {trigraph(0, 1, 2), trigraph(0, 2, 1), trigraph(1, 2, 0), trigraph(1, 0, 2), trigraph(2, 0, 1),
          trigraph(2, 1, 0)};
}

int32_t appearanceCount(const Tank<std::string>& groups, long n, std::string_view ngraph) {
  if (ngraph.empty()) return 0;
  int32_t count = 0;
  for (long i = 1; i <= n; ++i)
    if (groups(i).find(ngraph) != std::string::npos) ++count;
  return count;
}

std::vector<std::string> digraphSpectrum(std::string_view alphabet) {
  std::vector<std::string> spectrum(1);
  spectrum.reserve(alphabet.size() * alphabet.size() + 1);
  for (char first : alphabet)
    for (char second : alphabet) spectrum.push_back(std::string{first, second});
  return spectrum;
}

std::vector<int32_t> digraphAppearanceCounts(const Tank<std::string>& groups, long n, std::string_view alphabet) {
  const uint32_t k = static_cast<uint32_t>(alphabet.size());
  // Alphabet position of each code, 0 for a code outside the alphabet.
  std::array<uint32_t, 256> position{};
  for (uint32_t p = 0; p < k; ++p) position[static_cast<unsigned char>(alphabet[p])] = p + 1;
  std::vector<int32_t> counts(static_cast<size_t>(k) * k + 1, 0);
  // The last group that counted each digraph, so that a group counts it once.
  std::vector<long> lastGroup(counts.size(), 0);
  for (long g = 1; g <= n; ++g) {
    const std::string& group = groups(g);
    for (size_t c = 1; c < group.size(); ++c) {
      uint32_t i = position[static_cast<unsigned char>(group[c - 1])];
      uint32_t j = position[static_cast<unsigned char>(group[c])];
      if (i == 0 || j == 0) continue;
      size_t index = static_cast<size_t>(i - 1) * k + j;
      if (lastGroup[index] == g) continue;
      lastGroup[index] = g;
      ++counts[index];
    }
  }
  return counts;
}

std::vector<uint32_t> rankedDigraphIndices(const std::vector<int32_t>& counts) {
  std::vector<uint32_t> ranked;
  for (size_t i = 1; i < counts.size(); ++i)
    if (counts[i] != 0) ranked.push_back(static_cast<uint32_t>(i));
  std::stable_sort(ranked.begin(), ranked.end(), [&counts](uint32_t a, uint32_t b) { return counts[a] > counts[b]; });
  return ranked;
}

std::string zeroPadded(long long v, int digits) {
  std::string text = std::to_string(v);
  if (static_cast<int>(text.size()) < digits) text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
  return text;
}
