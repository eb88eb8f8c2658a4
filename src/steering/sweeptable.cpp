// Reading, joining and continuing the CSV tables of sweeps.
#include "steering/sweeptable.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>

#include "compare/statscsv.hpp"

namespace {

// A field of a record (an index past the end gives empty text).
const std::string& field(const std::vector<std::string>& record, size_t index) {
  static const std::string none;
  return index < record.size() ? record[index] : none;
}

size_t columnOf(const std::vector<std::string>& header, const char* name) {
  auto it = std::find(header.begin(), header.end(), name);
  return static_cast<size_t>(it - header.begin());
}

bool parseNumber(const std::string& text, uint64_t& value) {
  auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
  return problem == std::errc{} && end == text.data() + text.size() && !text.empty();
}

bool parseNumber(const std::string& text, double& value) {
  auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
  return problem == std::errc{} && end == text.data() + text.size() && !text.empty();
}

// "NAME: row R" (the header is row 0).
std::string where(const std::string& name, size_t row) { return name + ": row " + std::to_string(row); }

}  // namespace

std::string sweepHeader(const std::vector<std::string>& measures) {
  return "point,setup,status,groups,map_steps," + yardstickCsvHeader() + "," + comparisonCsvHeader(measures) +
         ",sweep\n";
}

std::string fingerprintOf(const std::vector<std::string>& parts) {
  uint64_t hash = 14695981039346656037ULL;
  auto add = [&hash](unsigned char byte) {
    hash ^= byte;
    hash *= 1099511628211ULL;
  };
  for (const std::string& part : parts) {
    for (char c : part) add(static_cast<unsigned char>(c));
    add(0);
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

std::string sweepField(const std::string& fingerprint, uint64_t points) {
  return fingerprint + "/" + std::to_string(points);
}

CsvRecords readCsvRecords(std::string_view bytes) {
  CsvRecords out;
  std::vector<std::string> record{""};
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (quoted) {
      if (c != '"') {
        record.back() += c;
      } else if (i + 1 < bytes.size() && bytes[i + 1] == '"') {
        record.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      record.emplace_back();
    } else if (c == '\n') {
      if (!record.back().empty() && record.back().back() == '\r') record.back().pop_back();
      out.records.push_back(std::move(record));
      out.texts.emplace_back(bytes.substr(start, i + 1 - start));
      record.assign(1, "");
      start = i + 1;
      out.completeBytes = start;
    } else {
      record.back() += c;
    }
  }
  return out;
}

SweepTable readSweepTable(std::string_view bytes, const std::string& name) {
  CsvRecords csv = readCsvRecords(bytes);
  SweepTable table;
  table.completeBytes = csv.completeBytes;
  if (csv.records.empty()) return table;
  table.header = csv.texts[0];
  const std::vector<std::string>& header = csv.records[0];
  const size_t point = columnOf(header, "point"), status = columnOf(header, "status"),
               distance = columnOf(header, "dist"), sweep = columnOf(header, "sweep");
  if (point == header.size() || sweep == header.size()) throw SweepTableError(name + ": not the table of a sweep");
  for (size_t r = 1; r < csv.records.size(); ++r) {
    const std::vector<std::string>& record = csv.records[r];
    SweepRow row;
    if (record.size() != header.size()) throw SweepTableError(where(name, r) + " has " + std::to_string(record.size()) +
                                                              " fields, the header " + std::to_string(header.size()));
    if (!parseNumber(field(record, point), row.point)) throw SweepTableError(where(name, r) + " has no point number");
    row.complete = field(record, status) == STATUS_COMPLETE;
    if (row.complete && !parseNumber(field(record, distance), row.distance))
      throw SweepTableError(where(name, r) + " has no distance");
    row.sweep = field(record, sweep);
    row.text = csv.texts[r];
    table.rows.push_back(std::move(row));
  }
  return table;
}

std::string mergeSweepTables(const std::vector<std::string>& contents, const std::vector<std::string>& names) {
  std::string header, sweep;
  std::map<uint64_t, std::string> rows;
  for (size_t f = 0; f < contents.size(); ++f) {
    const std::string& name = names[f];
    SweepTable table = readSweepTable(contents[f], name);
    if (table.header.empty()) throw SweepTableError(name + ": no header line");
    if (table.completeBytes != contents[f].size())
      throw SweepTableError(name + ": the last row is cut off (finish the shard with --resume)");
    if (header.empty()) header = table.header;
    if (table.header != header) throw SweepTableError(name + ": other columns than " + names[0]);
    for (const SweepRow& row : table.rows) {
      if (sweep.empty()) sweep = row.sweep;
      if (row.sweep != sweep) throw SweepTableError(name + ": point " + std::to_string(row.point) + " belongs to another sweep");
      auto [it, added] = rows.emplace(row.point, row.text);
      if (!added && it->second != row.text)
        throw SweepTableError(name + ": point " + std::to_string(row.point) + " differs from an earlier file's");
    }
  }
  if (sweep.empty()) throw SweepTableError("the files hold no row (only headers: every shard is empty)");
  uint64_t points = 0;
  parseNumber(sweep.substr(sweep.find('/') + 1), points);
  if (rows.size() != points)
    throw SweepTableError("the files hold " + std::to_string(rows.size()) + " of the sweep's " + std::to_string(points) +
                          " points (a shard is missing)");
  std::string merged = header;
  for (const auto& [point, text] : rows) merged += text;
  return merged;
}

namespace {

// After the whole rows of a table: nothing, or the start of a row (its point
// number, then the rest of the row), cut off.
bool looksLikeRowCutOff(std::string_view rest) {
  size_t digits = rest.find_first_not_of("0123456789");
  if (digits == std::string_view::npos) return true;
  return digits > 0 && rest[digits] == ',';
}

[[noreturn]] void notThisTable(const std::string& name, const std::string& why) {
  throw SweepTableError(name + ": " + why + "; it is left as it is");
}

}  // namespace

ResumePlan planResume(std::string_view bytes, const std::string& name, const std::string& header,
                      const std::string& sweep, const std::function<bool(uint64_t&)>& nextPoint) {
  ResumePlan plan;
  if (std::string_view(header).substr(0, bytes.size()) == bytes) return plan;  // empty, or the header cut off
  SweepTable table;
  try {
    table = readSweepTable(bytes, name);
  } catch (const SweepTableError&) {
    notThisTable(name, "not the table of a sweep");
  }
  if (table.header.empty()) notThisTable(name, "not the table of a sweep");
  if (table.header != header) notThisTable(name, "the columns are not those of this sweep");
  if (!looksLikeRowCutOff(bytes.substr(table.completeBytes))) notThisTable(name, "it ends in text that is not a row");
  for (const SweepRow& row : table.rows) {
    if (row.sweep != sweep) notThisTable(name, "point " + std::to_string(row.point) + " belongs to another sweep");
    uint64_t point = 0;
    if (!nextPoint(point)) notThisTable(name, "more rows than this sweep has points");
    if (row.point != point)
      notThisTable(name, "point " + std::to_string(row.point) + " stands where this run has point " +
                             std::to_string(point));
  }
  plan.keepBytes = table.completeBytes;
  plan.pointsDone = table.rows.size();
  plan.rows = std::move(table.rows);
  return plan;
}

std::map<uint64_t, std::string> readJournalRows(std::string_view bytes, const std::string& name,
                                                const std::string& header, const std::string& sweep) {
  std::map<uint64_t, std::string> rows;
  for (SweepRow& row : readSweepTable(header + std::string(bytes), name).rows) {
    if (row.sweep != sweep) throw SweepTableError(name + ": point " + std::to_string(row.point) + " belongs to another sweep");
    rows.emplace(row.point, std::move(row.text));
  }
  return rows;
}

std::vector<SweepRow> bestRows(const std::vector<SweepRow>& rows, size_t count) {
  std::vector<SweepRow> best;
  for (const SweepRow& row : rows)
    if (row.complete) best.push_back(row);
  auto better = [](const SweepRow& a, const SweepRow& b) {
    return a.distance != b.distance ? a.distance < b.distance : a.point < b.point;
  };
  size_t kept = std::min(count, best.size());
  std::partial_sort(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(kept), best.end(), better);
  best.resize(kept);
  return best;
}
