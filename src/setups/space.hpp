#pragma once
// A sweep space: a set-up file whose values may hold alternatives and
// numeric ranges, standing for every set-up of their cartesian product.
//
//   B = 10000,12000 | 20000,22000      two alternatives
//   X1 = 3.9..4.0 step 0.05, 0.3       a range for a number: 3.9, 3.95, 4
//
// A value is split into alternatives at `|`; in an alternative, any number
// written `LO..HI step S` takes the values LO, LO + S, LO + 2S, ... up to HI
// (inclusive), each computed as LO + i*S in decimal without rounding error
// and written in the shortest form with no more decimals than LO, HI and S
// have. Several ranges in one alternative give all their combinations, the
// first varying slowest. Text inside double quotes is taken as it is; the
// file names of MAP and PHNTM hold no ranges.
//
// Points are numbered from 1. The first KEY = value line of the file varies
// slowest and the last one fastest, so point 1 takes the first value of
// every line and point 2 the second value of the last line.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "setups/setupfile.hpp"

struct SpaceLine {
  std::string key;
  int lineNumber = 0;
  std::vector<std::string> values;  // the values this line takes, in order
};

struct SweepSpace {
  std::string fileName;
  std::vector<std::string> fileLines;  // every line of the file, without its line end
  std::vector<SpaceLine> lines;        // the KEY = value lines
  uint64_t pointCount = 1;
};

// Throws SetupError ("FILE:LINE: KEY: problem") for a range or alternative
// that cannot be expanded, or a space of more than 2^62 points.
SweepSpace parseSpaceText(const std::string& text, const std::string& fileName);
// Also throws SetupError for a file that cannot be read.
SweepSpace readSpaceFile(const std::string& path);

// The set-up file text of point `point` (1..pointCount): the space file with
// each value replaced by the point's value, comments and empty lines kept,
// so that its line numbers are those of the space file.
std::string pointSetupText(const SweepSpace& space, uint64_t point);

// The parsed set-up of a point (syntax and keys checked, throws SetupError;
// a point outside 1..pointCount is also a SetupError).
BlockSetupFile pointSetup(const SweepSpace& space, uint64_t point);

// The values of `LO..HI step S` as texts, from the three numbers' texts.
// Throws std::invalid_argument naming the problem.
std::vector<std::string> rangeValues(const std::string& lo, const std::string& hi, const std::string& step);

// The value index of each line at point `point` (1..pointCount), the last
// line fastest, and back.
std::vector<size_t> valueIndices(const SweepSpace& space, uint64_t point);
uint64_t pointOfIndices(const SweepSpace& space, const std::vector<size_t>& indices);
// The set-up file text of the point with these value indices.
std::string setupTextOfIndices(const SweepSpace& space, const std::vector<size_t>& indices);

// Which points of a space a run takes: all of them, or `sample` of them
// (0: all) drawn with `seed`; of those only the points p of shard `shard` of
// `shards`, (p - 1) mod shards = shard - 1.
struct PointChoice {
  uint64_t sample = 0, seed = 1;
  uint64_t shard = 1, shards = 1;
};

// The points of a run one at a time, in increasing order, without listing
// the space. A sample is `wanted` distinct numbers of 1..count chosen by a
// 64-bit Mersenne Twister seeded with the seed (the same on every machine):
// a sample of up to 2^20 points is drawn whole (Floyd's selection, one draw
// per point), a larger one is chosen point by point in order (selection
// sampling, one draw per point of the space, so it starts at once); every
// subset of that size is equally likely either way.
class PointSequence {
 public:
  PointSequence(uint64_t count, const PointChoice& choice);
  // The next point; false after the last one.
  bool next(uint64_t& point);
  // How many points the sequence gives; 0 when only its end can tell (a
  // shard of a large sample).
  uint64_t total() const { return total_; }

 private:
  bool nextOfSpace(uint64_t& point);
  bool inShard(uint64_t point) const { return (point - 1) % choice_.shards == choice_.shard - 1; }

  uint64_t count_;
  PointChoice choice_;
  uint64_t total_ = 0;
  uint64_t position_ = 0;          // the last point of the space looked at
  bool drawnWhole_ = false;        // a small sample, drawn when the sequence is made
  std::vector<uint64_t> drawn_;    // its points, increasing
  bool selecting_ = false;         // a large sample, chosen as the points go by
  uint64_t stillWanted_ = 0;
  std::mt19937_64 generator_;
};

// `wanted` distinct numbers of 1..count, in increasing order, as the
// sequence of a sample draws them; all of 1..count when wanted >= count.
std::vector<uint64_t> samplePoints(uint64_t count, uint64_t wanted, uint64_t seed);
