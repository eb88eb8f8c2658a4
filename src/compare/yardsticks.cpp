// The yardsticks of a run of tokens: types, lengths, the character stream
// (the tokens joined by blanks), neighbours, and characters inside tokens.
#include "compare/yardsticks.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <string_view>

namespace {

double share(uint64_t part, uint64_t whole) {
  return whole == 0 ? 0 : static_cast<double>(part) / static_cast<double>(whole);
}

// Least-squares slope of log10 f on log10 rank, the frequencies in
// descending order.
double zipfSlope(const std::vector<size_t>& frequencies) {
  const size_t V = frequencies.size();
  if (V < 2) return 0;
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (size_t r = 1; r <= V; ++r) {
    double x = std::log10(static_cast<double>(r)), y = std::log10(static_cast<double>(frequencies[r - 1]));
    sx += x;
    sy += y;
    sxx += x * x;
    sxy += x * y;
  }
  const double n = static_cast<double>(V);
  return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

// The entropy of a character given the k - 1 before it (k = 2, 3), from the
// counts of the k-grams over the stream's `grams` positions and those of the
// (k - 1)-grams; a context's count leaves out the last (k - 1)-gram of the
// stream, which no character follows. A k-gram's key is its context's key
// times the alphabet plus its last character.
double conditionalEntropy(const GramCounter& grams, const GramCounter& contexts, uint64_t lastContext,
                          uint64_t alphabet, uint64_t positions) {
  double h = 0;
  grams.forEach([&](uint64_t key, uint32_t n) {
    const uint64_t context = key / alphabet;
    const uint64_t m = contexts.count(context) - (context == lastContext ? 1 : 0);
    h -= share(n, positions) * std::log2(share(n, m));
  });
  return h;
}

// The entropy of the shares of the counts, whose sum is `total`.
double entropyOfCounts(const GramCounter& counts, uint64_t total) {
  double h = 0;
  counts.forEach([&](uint64_t, uint32_t n) { h -= share(n, total) * std::log2(share(n, total)); });
  return h;
}

}  // namespace

RunMeasurer::RunMeasurer(const TokenSequence& s)
    : s_(s),
      typeCounts_(s.types.size(), 0),
      singles_(s.alphabet, s.chars.size() + s.size()),
      pairs_(uint64_t{s.alphabet} * s.alphabet, s.chars.size() + s.size()),
      triples_(uint64_t{s.alphabet} * s.alphabet * s.alphabet, s.chars.size() + s.size()),
      places_(uint64_t{s.alphabet} * 3, s.chars.size()),
      placedCharacters_(s.alphabet, s.chars.size()) {}

Yardsticks RunMeasurer::measure(size_t from, size_t to, bool withTop) {
  Yardsticks y;
  y.tokens = to - from;
  measureTypes(from, to, withTop, y);
  measureLengths(from, to, y);
  measureStream(from, to, y);
  measureNeighbours(from, to, y);
  measureInsideTokens(from, to, y);
  return y;
}

void RunMeasurer::measureTypes(size_t from, size_t to, bool withTop, Yardsticks& y) {
  typesSeen_.clear();
  for (size_t i = from; i < to; ++i)
    if (typeCounts_[s_.typeOf[i]]++ == 0) typesSeen_.push_back(s_.typeOf[i]);
  const size_t V = typesSeen_.size();
  y.types = V;
  y.ttr = share(V, y.tokens);
  y.hapax = share(std::count_if(typesSeen_.begin(), typesSeen_.end(), [&](uint32_t t) { return typeCounts_[t] == 1; }), V);
  std::vector<uint32_t> order = typesSeen_;
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return typeCounts_[a] > typeCounts_[b]; });
  y.frequencies.resize(V);
  for (size_t r = 0; r < V; ++r) y.frequencies[r] = typeCounts_[order[r]];
  y.zipf = zipfSlope(y.frequencies);
  if (withTop) {
    for (size_t r = 0; r < std::min<size_t>(V, 10); ++r) y.top.emplace_back(s_.types[order[r]], typeCounts_[order[r]]);
  } else {
    y.frequencies.clear();
  }
  for (uint32_t t : typesSeen_) typeCounts_[t] = 0;
}

void RunMeasurer::measureLengths(size_t from, size_t to, Yardsticks& y) const {
  const size_t N = to - from;
  if (N == 0) return;
  y.len_mean = share(s_.starts[to] - s_.starts[from], N);
  double squares = 0, products = 0;
  for (size_t i = from; i < to; ++i) {
    const double d = static_cast<double>(s_.length(i)) - y.len_mean;
    squares += d * d;
    if (i + 1 < to) products += d * (static_cast<double>(s_.length(i + 1)) - y.len_mean);
  }
  y.len_sd = std::sqrt(squares / static_cast<double>(N));
  // Moran's I of the chain of tokens.
  if (N >= 2 && squares > 0) y.len_ac = static_cast<double>(N) / static_cast<double>(N - 1) * products / squares;
  std::vector<double> classes = lengthClassesOf(s_, from, to);
  y.len_longer = classes[LENGTH_COLUMNS];
  classes.pop_back();
  while (!classes.empty() && classes.back() == 0) classes.pop_back();
  y.len_dist = std::move(classes);
}

// The stream is the characters of the run's tokens with a blank (0) between
// two tokens.
void RunMeasurer::measureStream(size_t from, size_t to, Yardsticks& y) {
  singles_.clear();
  pairs_.clear();
  triples_.clear();
  const uint64_t A = s_.alphabet;
  uint64_t length = 0, previous = 0, beforePrevious = 0;
  auto feed = [&](uint64_t c) {
    singles_.add(c);
    if (length >= 1) pairs_.add(previous * A + c);
    if (length >= 2) triples_.add((beforePrevious * A + previous) * A + c);
    beforePrevious = previous;
    previous = c;
    ++length;
  };
  for (size_t i = from; i < to; ++i) {
    if (i > from) feed(0);
    for (size_t j = s_.starts[i]; j < s_.starts[i + 1]; ++j) feed(s_.chars[j]);
  }
  if (length == 0) return;
  y.h0 = std::log2(static_cast<double>(singles_.distinct()));
  y.h1 = entropyOfCounts(singles_, length);
  if (length >= 2) y.h2 = conditionalEntropy(pairs_, singles_, previous, A, length - 1);
  if (length >= 3) y.h3 = conditionalEntropy(triples_, pairs_, beforePrevious * A + previous, A, length - 2);
}

void RunMeasurer::measureNeighbours(size_t from, size_t to, Yardsticks& y) const {
  const size_t N = to - from;
  if (N < 2) return;
  size_t same = 0, near = 0, triples = 0;
  for (size_t i = from; i + 1 < to; ++i) {
    same += s_.neighbours[i] == Neighbours::Same;
    near += s_.neighbours[i] == Neighbours::OneEditApart;
    if (i > from && s_.neighbours[i - 1] == Neighbours::Same && s_.neighbours[i] == Neighbours::Same) ++triples;
  }
  y.rep = share(same, N - 1);
  y.near = share(near, N - 1);
  if (N >= 3) y.rep3 = share(triples, N - 2);
}

// Doubled and tripled characters, and how a character's place in its token
// (first, inside, last) depends on the character.
void RunMeasurer::measureInsideTokens(size_t from, size_t to, Yardsticks& y) {
  places_.clear();
  placedCharacters_.clear();
  uint64_t pairs = 0, doubled = 0, runs = 0, tripled = 0, placed = 0;
  uint64_t classes[3] = {0, 0, 0};
  const uint32_t* c = s_.chars.data();
  for (size_t i = from; i < to; ++i) {
    const size_t begin = s_.starts[i], end = s_.starts[i + 1], l = end - begin;
    for (size_t j = begin + 1; j < end; ++j) {
      ++pairs;
      doubled += c[j] == c[j - 1];
      if (j >= begin + 2) {
        ++runs;
        tripled += c[j] == c[j - 1] && c[j] == c[j - 2];
      }
    }
    if (l < 2) continue;
    for (size_t j = begin; j < end; ++j) {
      const uint64_t place = j == begin ? 0 : j + 1 == end ? 2 : 1;
      ++classes[place];
      places_.add(uint64_t{c[j]} * 3 + place);
      placedCharacters_.add(c[j]);
      ++placed;
    }
  }
  y.chr_rep = share(doubled, pairs);
  y.chr_rep3 = share(tripled, runs);
  double hClass = 0;
  for (uint64_t n : classes)
    if (n > 0) hClass -= share(n, placed) * std::log2(share(n, placed));
  if (hClass <= 0) return;
  // H(class | character) = H(character, class) - H(character).
  const double hGiven = entropyOfCounts(places_, placed) - entropyOfCounts(placedCharacters_, placed);
  y.pos_bias = (hClass - hGiven) / hClass;
}

Yardsticks measureSequence(const TokenSequence& s) { return RunMeasurer(s).measure(0, s.size(), true); }

Yardsticks measureTokens(const std::vector<std::string>& tokens) { return measureSequence(tokenSequence(tokens)); }

std::vector<double> lengthClassesOf(const TokenSequence& s, size_t from, size_t to) {
  std::vector<size_t> counts(LENGTH_COLUMNS + 2, 0);
  for (size_t i = from; i < to; ++i) ++counts[std::min(s.length(i), LENGTH_COLUMNS + 1)];
  std::vector<double> classes(LENGTH_COLUMNS + 1, 0);
  for (size_t k = 1; k <= LENGTH_COLUMNS + 1; ++k) classes[k - 1] = share(counts[k], to - from);
  return classes;
}

std::vector<double> lengthClasses(const Yardsticks& y) {
  std::vector<double> classes(LENGTH_COLUMNS + 1, 0);
  std::copy(y.len_dist.begin(), y.len_dist.end(), classes.begin());
  classes[LENGTH_COLUMNS] = y.len_longer;
  return classes;
}

double totalVariation(const std::vector<double>& a, const std::vector<double>& b) {
  double sum = 0;
  for (size_t k = 0; k < std::max(a.size(), b.size()); ++k)
    sum += std::fabs((k < a.size() ? a[k] : 0) - (k < b.size() ? b[k] : 0));
  return sum / 2;
}

bool oneEditApart(const std::string& a, const std::string& b) {
  const std::string& shorter = a.size() <= b.size() ? a : b;
  const std::string& longer = a.size() <= b.size() ? b : a;
  if (longer.size() - shorter.size() > 1) return false;
  size_t i = 0;
  while (i < shorter.size() && shorter[i] == longer[i]) ++i;
  if (shorter.size() == longer.size()) {
    // One replaced byte: the rest after the first difference is equal.
    return i < shorter.size() && shorter.compare(i + 1, std::string::npos, longer, i + 1) == 0;
  }
  // One inserted byte: the longer one without its byte i is the shorter one.
  return shorter.compare(i, std::string::npos, longer, i + 1) == 0;
}

const std::vector<ScalarMeasure>& scalarMeasures() {
  static const std::vector<ScalarMeasure> measures = {
      {"ttr", &Yardsticks::ttr},         {"hapax", &Yardsticks::hapax}, {"len_mean", &Yardsticks::len_mean},
      {"len_sd", &Yardsticks::len_sd},   {"h0", &Yardsticks::h0},       {"h1", &Yardsticks::h1},
      {"h2", &Yardsticks::h2},           {"h3", &Yardsticks::h3},       {"zipf", &Yardsticks::zipf},
      {"rep", &Yardsticks::rep},         {"near", &Yardsticks::near},   {"len_ac", &Yardsticks::len_ac},
      {"rep3", &Yardsticks::rep3},       {"chr_rep", &Yardsticks::chr_rep},
      {"chr_rep3", &Yardsticks::chr_rep3}, {"pos_bias", &Yardsticks::pos_bias},
  };
  return measures;
}

const std::vector<std::string>& comparisonMeasureNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const ScalarMeasure& m : scalarMeasures())
      if (std::string_view(m.name) != "h0") n.emplace_back(m.name);
    n.emplace_back("len_dist");
    return n;
  }();
  return names;
}

std::vector<std::string> measuresOfList(const std::string& list) {
  std::vector<std::string> named;
  for (size_t pos = 0; pos <= list.size();) {
    size_t comma = std::min(list.find(',', pos), list.size());
    named.push_back(list.substr(pos, comma - pos));
    pos = comma + 1;
  }
  const std::vector<std::string>& known = comparisonMeasureNames();
  for (const std::string& name : named)
    if (std::find(known.begin(), known.end(), name) == known.end())
      throw std::invalid_argument("unknown measure '" + name + "'");
  std::vector<std::string> chosen;
  for (const std::string& name : known)
    if (std::find(named.begin(), named.end(), name) != named.end()) chosen.push_back(name);
  return chosen;
}
