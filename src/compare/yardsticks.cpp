// The yardsticks of a token sequence, in one pass over the tokens for the
// counts and the byte stream, and the distance of two sets of yardsticks.
#include "compare/yardsticks.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

namespace {

// Counts of bytes and of adjacent byte pairs of the stream w1, blank, w2,
// blank, ..., wN, fed byte by byte.
class ByteStream {
 public:
  ByteStream() : pairs_(256 * 256, 0) {}

  void feed(unsigned char c) {
    ++bytes_[c];
    if (length_ > 0) ++pairs_[previous_ * 256u + c];
    previous_ = c;
    ++length_;
  }

  // log2 of the number of distinct bytes.
  double h0() const {
    auto distinct = std::count_if(bytes_.begin(), bytes_.end(), [](uint64_t n) { return n > 0; });
    return distinct > 0 ? std::log2(static_cast<double>(distinct)) : 0;
  }

  double h1() const {
    double h = 0;
    for (uint64_t n : bytes_)
      if (n > 0) h -= share(n, length_) * std::log2(share(n, length_));
    return h;
  }

  // The entropy of a byte given the byte before it.
  double h2() const {
    if (length_ < 2) return 0;
    double h = 0;
    for (unsigned a = 0; a < 256; ++a) {
      // m(a): the pairs that begin with a, i.e. every a but a last byte.
      uint64_t m = bytes_[a] - (a == previous_ ? 1 : 0);
      for (unsigned b = 0; b < 256; ++b) {
        uint64_t n = pairs_[a * 256 + b];
        if (n > 0) h -= share(n, length_ - 1) * std::log2(share(n, m));
      }
    }
    return h;
  }

 private:
  static double share(uint64_t part, uint64_t whole) { return static_cast<double>(part) / static_cast<double>(whole); }

  std::array<uint64_t, 256> bytes_{};
  std::vector<uint64_t> pairs_;
  uint64_t length_ = 0;
  unsigned previous_ = 0;
};

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

void measureLengths(const std::vector<std::string>& tokens, Yardsticks& y) {
  const size_t N = tokens.size();
  if (N == 0) return;
  size_t longest = 0;
  double sum = 0;
  for (const std::string& t : tokens) {
    longest = std::max(longest, t.size());
    sum += static_cast<double>(t.size());
  }
  y.len_mean = sum / static_cast<double>(N);
  double squares = 0;
  std::vector<size_t> counts(longest + 1, 0);
  for (const std::string& t : tokens) {
    double d = static_cast<double>(t.size()) - y.len_mean;
    squares += d * d;
    ++counts[t.size()];
  }
  y.len_sd = std::sqrt(squares / static_cast<double>(N));
  y.len_dist.resize(longest);
  for (size_t k = 1; k <= longest; ++k) y.len_dist[k - 1] = static_cast<double>(counts[k]) / static_cast<double>(N);
}

void measureEntropies(const std::vector<std::string>& tokens, Yardsticks& y) {
  ByteStream stream;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (i > 0) stream.feed(' ');
    for (char c : tokens[i]) stream.feed(static_cast<unsigned char>(c));
  }
  y.h0 = stream.h0();
  y.h1 = stream.h1();
  y.h2 = stream.h2();
}

void measureNeighbours(const std::vector<std::string>& tokens, Yardsticks& y) {
  if (tokens.size() < 2) return;
  size_t same = 0, near = 0;
  for (size_t i = 0; i + 1 < tokens.size(); ++i) {
    if (tokens[i] == tokens[i + 1]) ++same;
    else if (oneEditApart(tokens[i], tokens[i + 1])) ++near;
  }
  const double pairs = static_cast<double>(tokens.size() - 1);
  y.rep = static_cast<double>(same) / pairs;
  y.near = static_cast<double>(near) / pairs;
}

// Types in order of first appearance with their counts.
void measureTypes(const std::vector<std::string>& tokens, Yardsticks& y) {
  std::unordered_map<std::string_view, size_t> index;
  index.reserve(tokens.size());
  std::vector<size_t> counts;
  std::vector<const std::string*> types;
  for (const std::string& t : tokens) {
    auto [it, fresh] = index.try_emplace(t, counts.size());
    if (fresh) {
      counts.push_back(0);
      types.push_back(&t);
    }
    ++counts[it->second];
  }
  const size_t V = counts.size();
  y.types = V;
  if (y.tokens > 0) y.ttr = static_cast<double>(V) / static_cast<double>(y.tokens);
  if (V > 0) y.hapax = static_cast<double>(std::count(counts.begin(), counts.end(), 1)) / static_cast<double>(V);

  std::vector<size_t> order(V);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return counts[a] > counts[b]; });
  y.frequencies.resize(V);
  for (size_t r = 0; r < V; ++r) y.frequencies[r] = counts[order[r]];
  for (size_t r = 0; r < std::min<size_t>(V, 10); ++r) y.top.emplace_back(*types[order[r]], counts[order[r]]);
  y.zipf = zipfSlope(y.frequencies);
}

// Half the sum of the absolute differences of the shares, the shorter
// distribution taken as 0 beyond its end.
double totalVariation(const std::vector<double>& a, const std::vector<double>& b) {
  double sum = 0;
  for (size_t k = 0; k < std::max(a.size(), b.size()); ++k)
    sum += std::fabs((k < a.size() ? a[k] : 0) - (k < b.size() ? b[k] : 0));
  return sum / 2;
}

}  // namespace

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

Yardsticks measureTokens(const std::vector<std::string>& tokens) {
  Yardsticks y;
  y.tokens = tokens.size();
  measureTypes(tokens, y);
  measureLengths(tokens, y);
  measureEntropies(tokens, y);
  measureNeighbours(tokens, y);
  return y;
}

const std::vector<ScalarMeasure>& scalarMeasures() {
  static const std::vector<ScalarMeasure> measures = {
      {"ttr", &Yardsticks::ttr}, {"hapax", &Yardsticks::hapax}, {"len_mean", &Yardsticks::len_mean},
      {"len_sd", &Yardsticks::len_sd}, {"h0", &Yardsticks::h0}, {"h1", &Yardsticks::h1},
      {"h2", &Yardsticks::h2}, {"zipf", &Yardsticks::zipf}, {"rep", &Yardsticks::rep},
      {"near", &Yardsticks::near},
  };
  return measures;
}

// Every scalar but h0, then the length distribution.
const std::vector<std::string>& distanceMeasureNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const ScalarMeasure& m : scalarMeasures())
      if (std::string_view(m.name) != "h0") n.emplace_back(m.name);
    n.emplace_back("len_dist");
    return n;
  }();
  return names;
}

std::vector<DistanceTerm> distanceTerms(const Yardsticks& trial, const Yardsticks& target,
                                        const std::vector<std::string>& measures) {
  const std::vector<std::string>& names = distanceMeasureNames();
  for (const std::string& m : measures)
    if (std::find(names.begin(), names.end(), m) == names.end())
      throw std::invalid_argument("unknown measure '" + m + "'");
  auto chosen = [&](const char* name) { return std::find(measures.begin(), measures.end(), name) != measures.end(); };
  std::vector<DistanceTerm> terms;
  for (const ScalarMeasure& m : scalarMeasures()) {
    if (!chosen(m.name)) continue;
    double t = target.*m.member, a = trial.*m.member;
    terms.push_back({m.name, std::fabs(a - t) / std::max(std::fabs(t), 0.01)});
  }
  if (chosen("len_dist")) terms.push_back({"len_dist", totalVariation(trial.len_dist, target.len_dist)});
  return terms;
}

double distanceOf(const std::vector<DistanceTerm>& terms) {
  double sum = 0;
  for (const DistanceTerm& t : terms) sum += t.value;
  return sum;
}

std::vector<std::string> measuresOfList(const std::string& list) {
  std::vector<std::string> named;
  for (size_t pos = 0; pos <= list.size();) {
    size_t comma = std::min(list.find(',', pos), list.size());
    named.push_back(list.substr(pos, comma - pos));
    pos = comma + 1;
  }
  const std::vector<std::string>& known = distanceMeasureNames();
  for (const std::string& name : named)
    if (std::find(known.begin(), known.end(), name) == known.end())
      throw std::invalid_argument("unknown measure '" + name + "'");
  std::vector<std::string> chosen;
  for (const std::string& name : known)
    if (std::find(named.begin(), named.end(), name) != named.end()) chosen.push_back(name);
  return chosen;
}
