#pragma once
// The CSV table of a sweep: a header line, then one row per point in the
// order of the points. Every row ends with the column `sweep`, which names
// the sweep it belongs to: a fingerprint of everything that decides the
// rows (space file, target, options) and the number of points of the whole
// sweep, e.g. "3f09c2d18e77a0b4/120". Records end with LF; a field holding
// a comma, a quote or a line end is quoted.
#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A table that cannot be used (another sweep, a broken row, ...).
struct SweepTableError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline constexpr const char* STATUS_COMPLETE = "complete";
inline constexpr const char* STATUS_OUT_OF_STEPS = "out of steps";
// A complete block with fewer groups than a window: no z, no distance.
inline constexpr const char* STATUS_TOO_SHORT = "shorter than a window";

// The header line (with its LF) for the measures of the comparison given.
std::string sweepHeader(const std::vector<std::string>& measures);

// 64-bit FNV-1a of the parts, each followed by a 0 byte, as 16 hex digits.
std::string fingerprintOf(const std::vector<std::string>& parts);
// The value of the `sweep` column.
std::string sweepField(const std::string& fingerprint, uint64_t points);

struct CsvRecords {
  std::vector<std::vector<std::string>> records;  // the complete records
  std::vector<std::string> texts;                 // each record's bytes with its line end
  size_t completeBytes = 0;                       // where the complete records end
};
// The records of CSV text after RFC 4180; bytes after the last line end
// outside quotes (a row cut off) are left out.
CsvRecords readCsvRecords(std::string_view bytes);

struct SweepRow {
  uint64_t point = 0;
  bool complete = false;
  double distance = 0;  // when complete
  std::string sweep;    // the `sweep` column
  std::string text;     // the record's bytes with its line end
};

struct SweepTable {
  std::string header;  // with its LF; empty when the text had no whole line
  std::vector<SweepRow> rows;
  size_t completeBytes = 0;  // where the last whole row ends
};
// Reads a sweep table (`name` names it in errors). A row cut off at the end
// is left out; a row with another number of fields than the header, or
// without a point number, is an error.
SweepTable readSweepTable(std::string_view bytes, const std::string& name);

// The rows of shard tables joined in point order: the bytes of the sweep
// run whole. Refuses tables with different headers or of different sweeps,
// a table whose last row was cut off, two different rows of one point, and
// missing points (fewer rows than the sweep has points). The same row in
// two tables is taken once.
std::string mergeSweepTables(const std::vector<std::string>& contents, const std::vector<std::string>& names);

// What --resume keeps of an earlier table: its rows must be the first rows
// of this run (same header, same sweep, points in the run's order). Only
// this sweep's table, an empty file or a header cut off may be continued;
// anything else is refused (SweepTableError) before it is touched.
struct ResumePlan {
  size_t keepBytes = 0;   // the file is cut here (a row cut off is dropped)
  size_t pointsDone = 0;  // rows kept; the run continues after them
  std::vector<SweepRow> rows;
};
// `nextPoint` gives the points of the run in order; those of the kept rows
// are taken from it.
ResumePlan planResume(std::string_view bytes, const std::string& name, const std::string& header,
                      const std::string& sweep, const std::function<bool(uint64_t&)>& nextPoint);

// The rows of a journal (rows without a header, in any order; a row cut off
// at the end is left out) by point; rows of another sweep are refused.
std::map<uint64_t, std::string> readJournalRows(std::string_view bytes, const std::string& name,
                                                const std::string& header, const std::string& sweep);

// The `count` complete rows of smallest distance (ties: the smaller point).
std::vector<SweepRow> bestRows(const std::vector<SweepRow>& rows, size_t count);
