// Expansion of a sweep space into its points.
#include "setups/space.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <random>
#include <set>
#include <stdexcept>

#include "shell/files.hpp"
#include "shell/inputfields.hpp"

namespace {

constexpr uint64_t MAXPOINTS = uint64_t{1} << 62;
// Samples up to this size are drawn whole.
constexpr uint64_t FLOYDLIMIT = uint64_t{1} << 20;
constexpr size_t MAXLINEVALUES = 1'000'000;
// A range's numbers have at most this many decimals (1e-18 and 18 digits
// after the point still fit the 62 bits of a range's numbers).
constexpr int MAXDECIMALS = 18;

// ---- decimal numbers of ranges ----

struct Decimal {
  long long scaled = 0;  // the value times 10^decimals
  int decimals = 0;
};

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The length of the decimal number at text[pos] ("-1", "3.95", ".5",
// "5e-2"), 0 when none starts there.
size_t numberLength(const std::string& text, size_t pos) {
  size_t i = pos;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  size_t digits = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  bool whole = i > digits;
  if (i + 1 < text.size() && text[i] == '.' && isDigit(text[i + 1])) {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i;
  } else if (!whole) {
    return 0;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t e = i + 1;
    if (e < text.size() && (text[e] == '-' || text[e] == '+')) ++e;
    if (e < text.size() && isDigit(text[e])) {
      i = e;
      while (i < text.size() && isDigit(text[i])) ++i;
    }
  }
  return i - pos;
}

[[noreturn]] void tooManyDigits(const std::string& text) {
  throw std::invalid_argument("'" + text + "' has too many digits for a range");
}

// scaled * 10 with the check that it stays within the ranges' limits.
long long timesTen(long long scaled, const std::string& text) {
  constexpr long long LIMIT = static_cast<long long>(MAXPOINTS / 10);
  if (scaled > LIMIT || scaled < -LIMIT) tooManyDigits(text);
  return scaled * 10;
}

// "3.95" is 395 with 2 decimals; "5e-2" is 5 with 2, "1.5e3" 1500 with 0.
Decimal parseDecimal(const std::string& text) {
  if (text.empty() || numberLength(text, 0) != text.size())
    throw std::invalid_argument("'" + text + "' is not a decimal number");
  size_t mark = text.find_first_of("eE");
  const std::string mantissa = text.substr(0, mark);
  Decimal d;
  bool fraction = false;
  for (char c : mantissa) {
    if (c == '.') {
      fraction = true;
    } else if (isDigit(c)) {
      d.scaled = timesTen(d.scaled, text) + (c - '0');
      if (fraction) ++d.decimals;
    }
  }
  if (mark != std::string::npos) {
    const std::string exponent = text.substr(mark + 1);
    size_t digits = exponent.find_first_not_of("+-");
    if (exponent.size() - digits > 3) tooManyDigits(text);
    int e = std::stoi(exponent);
    for (; e > 0 && d.decimals > 0; --e) --d.decimals;
    for (; e > 0; --e) d.scaled = timesTen(d.scaled, text);
    d.decimals -= e;
    if (d.decimals > MAXDECIMALS) tooManyDigits(text);
  }
  if (mantissa[0] == '-') d.scaled = -d.scaled;
  return d;
}

long long rescaled(const Decimal& d, int decimals, const std::string& text) {
  long long v = d.scaled;
  for (int i = d.decimals; i < decimals; ++i) v = timesTen(v, text);
  return v;
}

// The shortest text of scaled / 10^decimals: trailing zeros of the fraction
// and a bare point dropped.
std::string decimalText(long long scaled, int decimals) {
  bool negative = scaled < 0;
  std::string digits = std::to_string(negative ? -scaled : scaled);
  if (digits.size() <= static_cast<size_t>(decimals)) digits.insert(0, decimals + 1 - digits.size(), '0');
  std::string whole = digits.substr(0, digits.size() - decimals);
  std::string fraction = digits.substr(digits.size() - decimals);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return (negative ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

// ---- alternatives and the ranges inside them ----

// An alternative as literal pieces between ranges: text[0] range[0] text[1] ...
struct Template {
  std::vector<std::string> texts{""};
  std::vector<std::vector<std::string>> ranges;
};

size_t skipBlanks(const std::string& s, size_t i) {
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  return i;
}

bool isWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.'; }

// The number of `length` characters at s[i], which must not run on into
// letters or digits ("5e", "2x"): those are refused, never glued on.
std::string wholeNumber(const std::string& s, size_t i, size_t length) {
  size_t end = i + length;
  if (end < s.size() && isWordCharacter(s[end]) && s.compare(end, 2, "..") != 0) {
    while (end < s.size() && isWordCharacter(s[end])) ++end;
    throw std::invalid_argument("'" + s.substr(i, end - i) + "' is not a number");
  }
  return s.substr(i, length);
}

// Reads `LO..HI step S` whose LO has `loLength` characters at `pos`; returns
// the position after it and adds the range's values to the template.
size_t readRange(const std::string& s, size_t pos, size_t loLength, Template& t) {
  std::string lo = s.substr(pos, loLength);
  size_t i = skipBlanks(s, skipBlanks(s, pos + loLength) + 2);
  size_t hiLength = numberLength(s, i);
  if (hiLength == 0) throw std::invalid_argument("a range needs a number after '..'");
  std::string hi = wholeNumber(s, i, hiLength);
  i = skipBlanks(s, i + hiLength);
  if (s.compare(i, 4, "step") != 0) throw std::invalid_argument("the range " + lo + ".." + hi + " needs 'step S'");
  i = skipBlanks(s, i + 4);
  size_t stepLength = numberLength(s, i);
  if (stepLength == 0) throw std::invalid_argument("the range " + lo + ".." + hi + " needs a number after 'step'");
  t.ranges.push_back(rangeValues(lo, hi, wholeNumber(s, i, stepLength)));
  t.texts.emplace_back();
  return i + stepLength;
}

bool startsNumber(const std::string& s, size_t i) {
  if (i > 0) {
    unsigned char before = static_cast<unsigned char>(s[i - 1]);
    if (std::isalnum(before) || before == '.') return false;
  }
  return numberLength(s, i) > 0;
}

Template parseAlternative(const std::string& s, bool withRanges) {
  Template t;
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] == '"') {
      size_t close = s.find('"', i + 1);
      size_t end = close == std::string::npos ? s.size() : close + 1;
      t.texts.back() += s.substr(i, end - i);
      i = end;
      continue;
    }
    if (withRanges && startsNumber(s, i)) {
      size_t length = numberLength(s, i);
      size_t after = skipBlanks(s, i + length);
      if (s.compare(after, 2, "..") == 0) {
        i = readRange(s, i, length, t);
      } else {
        t.texts.back() += s.substr(i, length);
        i += length;
      }
      continue;
    }
    t.texts.back() += s[i++];
  }
  return t;
}

// Every value of a template, its first range varying slowest.
void expand(const Template& t, size_t range, std::string prefix, std::vector<std::string>& out) {
  prefix += t.texts[range];
  if (range == t.ranges.size()) {
    if (out.size() >= MAXLINEVALUES) throw std::invalid_argument("more than 1000000 values");
    out.push_back(prefix);
    return;
  }
  for (const std::string& v : t.ranges[range]) expand(t, range + 1, prefix + v, out);
}

// The alternatives of a value, split at `|` outside double quotes.
std::vector<std::string> alternatives(const std::string& value) {
  std::vector<std::string> parts{""};
  bool quoted = false;
  for (char c : value) {
    if (c == '"') quoted = !quoted;
    if (c == '|' && !quoted) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  for (std::string& p : parts) {
    p = std::string(withoutBlanks(p));
    if (p.empty() && parts.size() > 1) throw std::invalid_argument("an alternative is empty");
  }
  return parts;
}

std::vector<std::string> lineValues(const std::string& key, const std::string& value) {
  bool withRanges = key != "MAP" && key != "PHNTM";
  std::vector<std::string> values;
  for (const std::string& alternative : alternatives(value)) expand(parseAlternative(alternative, withRanges), 0, "", values);
  return values;
}

[[noreturn]] void fail(const std::string& fileName, int line, const std::string& key, const std::string& problem) {
  throw setupLineError(fileName, line, key, problem);
}

// A uniform number of 0..n-1 (n > 0) from the generator's 64-bit outputs,
// by rejection, so that every platform draws the same numbers.
uint64_t uniformBelow(std::mt19937_64& generator, uint64_t n) {
  const uint64_t limit = UINT64_MAX - UINT64_MAX % n;
  uint64_t x;
  do x = generator();
  while (x >= limit);
  return x % n;
}

// Floyd's selection of `wanted` (< count) distinct numbers of 1..count,
// in increasing order: one draw per number, each subset equally likely.
std::vector<uint64_t> floydSample(std::mt19937_64& generator, uint64_t count, uint64_t wanted) {
  std::set<uint64_t> chosen;
  for (uint64_t j = count - wanted + 1; j <= count; ++j) {
    uint64_t t = 1 + uniformBelow(generator, j);
    chosen.insert(chosen.count(t) ? j : t);
  }
  return {chosen.begin(), chosen.end()};
}

}  // namespace

std::vector<std::string> rangeValues(const std::string& lo, const std::string& hi, const std::string& step) {
  Decimal l = parseDecimal(lo), h = parseDecimal(hi), s = parseDecimal(step);
  int decimals = std::max({l.decimals, h.decimals, s.decimals});
  long long first = rescaled(l, decimals, lo), last = rescaled(h, decimals, hi), by = rescaled(s, decimals, step);
  if (by <= 0) throw std::invalid_argument("the step " + step + " is not positive");
  if (last < first) throw std::invalid_argument("the range " + lo + ".." + hi + " is empty");
  // In 128 bits, the span of two 62-bit numbers cannot overflow.
  const __int128 count = (static_cast<__int128>(last) - first) / by + 1;
  if (count > static_cast<__int128>(MAXLINEVALUES)) throw std::invalid_argument("more than 1000000 values");
  std::vector<std::string> values;
  for (__int128 i = 0; i < count; ++i) values.push_back(decimalText(static_cast<long long>(first + i * by), decimals));
  return values;
}

SweepSpace parseSpaceText(const std::string& text, const std::string& fileName) {
  SweepSpace space;
  space.fileName = fileName;
  checkSetupText(text, fileName);
  space.fileLines = setupFileLines(text);
  for (size_t n = 0; n < space.fileLines.size(); ++n) {
    const std::string line(withoutBlanks(space.fileLines[n]));
    size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;  // the set-up syntax judges these
    SpaceLine s{std::string(withoutBlanks(line.substr(0, equals))), static_cast<int>(n + 1), {}};
    try {
      s.values = lineValues(s.key, std::string(withoutBlanks(line.substr(equals + 1))));
    } catch (const std::invalid_argument& e) {
      fail(fileName, s.lineNumber, s.key, e.what());
    }
    if (space.pointCount > MAXPOINTS / s.values.size()) fail(fileName, s.lineNumber, s.key, "the space has more than 2^62 points");
    space.pointCount *= s.values.size();
    space.lines.push_back(std::move(s));
  }
  return space;
}

SweepSpace readSpaceFile(const std::string& path) { return parseSpaceText(readSetupBytes(path, "space"), path); }

std::vector<size_t> valueIndices(const SweepSpace& space, uint64_t point) {
  std::vector<size_t> indices(space.lines.size());
  uint64_t rest = point - 1;
  for (size_t j = space.lines.size(); j-- > 0;) {
    uint64_t n = space.lines[j].values.size();
    indices[j] = static_cast<size_t>(rest % n);
    rest /= n;
  }
  return indices;
}

uint64_t pointOfIndices(const SweepSpace& space, const std::vector<size_t>& indices) {
  uint64_t point = 0;
  for (size_t j = 0; j < space.lines.size(); ++j) point = point * space.lines[j].values.size() + indices[j];
  return point + 1;
}

std::string setupTextOfIndices(const SweepSpace& space, const std::vector<size_t>& indices) {
  std::vector<std::string> lines = space.fileLines;
  for (size_t j = 0; j < space.lines.size(); ++j) {
    const SpaceLine& s = space.lines[j];
    lines[s.lineNumber - 1] = s.key + " = " + s.values[indices[j]];
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::string pointSetupText(const SweepSpace& space, uint64_t point) {
  return setupTextOfIndices(space, valueIndices(space, point));
}

BlockSetupFile pointSetup(const SweepSpace& space, uint64_t point) {
  if (point < 1 || point > space.pointCount)
    throw SetupError(space.fileName + ": no point " + std::to_string(point) + " (the space has " +
                     std::to_string(space.pointCount) + ")");
  return parseSetupText(pointSetupText(space, point), space.fileName);
}

PointSequence::PointSequence(uint64_t count, const PointChoice& choice)
    : count_(count), choice_(choice), generator_(choice.seed) {
  if (choice_.shards == 0) choice_.shards = 1;
  if (choice_.sample == 0 || choice_.sample >= count_) {
    total_ = count_ >= choice_.shard ? (count_ - choice_.shard) / choice_.shards + 1 : 0;
  } else if (choice_.sample <= FLOYDLIMIT) {
    drawnWhole_ = true;
    drawn_ = floydSample(generator_, count_, choice_.sample);
    std::reverse(drawn_.begin(), drawn_.end());  // taken from the back
    total_ = static_cast<uint64_t>(std::count_if(drawn_.begin(), drawn_.end(), [this](uint64_t p) { return inShard(p); }));
  } else {
    selecting_ = true;
    stillWanted_ = choice_.sample;
    total_ = choice_.shards == 1 ? choice_.sample : 0;
  }
}

bool PointSequence::nextOfSpace(uint64_t& point) {
  if (drawnWhole_) {
    if (drawn_.empty()) return false;
    point = drawn_.back();
    drawn_.pop_back();
    return true;
  }
  // Selection sampling: point p is taken with the chance (points still
  // wanted) / (points left), which gives every subset the same chance.
  while (position_ < count_) {
    ++position_;
    if (!selecting_) {
      point = position_;
      return true;
    }
    if (stillWanted_ == 0) return false;
    if (uniformBelow(generator_, count_ - position_ + 1) < stillWanted_) {
      --stillWanted_;
      point = position_;
      return true;
    }
  }
  return false;
}

bool PointSequence::next(uint64_t& point) {
  if (!drawnWhole_ && !selecting_) {
    // Every point of the shard, without looking at the others.
    uint64_t candidate = position_ == 0 ? choice_.shard : position_ + choice_.shards;
    if (candidate > count_ || (position_ != 0 && candidate < position_)) return false;
    point = position_ = candidate;
    return true;
  }
  while (nextOfSpace(point))
    if (inShard(point)) return true;
  return false;
}

std::vector<uint64_t> samplePoints(uint64_t count, uint64_t wanted, uint64_t seed) {
  PointSequence sequence(count, PointChoice{wanted, seed, 1, 1});
  std::vector<uint64_t> points;
  for (uint64_t p = 0; sequence.next(p);) points.push_back(p);
  return points;
}
