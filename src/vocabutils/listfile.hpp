#pragma once
// List files: one group per line, no header, no count, no trailer. Every
// vocabulary utility reads and writes its lists here, and the block generator
// writes its vocabulary file "VOCGB.txt" with the same writer.
//
// Reading: a line ends at a line feed; a carriage return right before it is
// dropped, a lone carriage return stays in the group. A last line without a
// line end is a group; a line end at the very end of the file adds no group.
// An empty file is one empty group. At most 32000 groups are read.
// Writing: every group followed by CR LF.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/files.hpp"
#include "state/tank.hpp"

constexpr int32_t LISTMAXGROUPS = 32000;

// The groups of a List file's bytes, at most `cap` of them; *more tells
// whether lines remain after the last group taken.
std::vector<std::string> listGroups(std::string_view bytes, size_t cap = LISTMAXGROUPS, bool* more = nullptr);

// Resizes a list table to 0..n and puts the groups into entries 1..n.
void fillListTable(Tank<std::string>& table, const std::vector<std::string>& groups);

// The list reading: the whole file is read on opening (the counting pass),
// then the groups go into a table (the reading pass).
class ListReader {
 public:
  bool open(const std::string& name);  // false after the file layer reported it
  int32_t count() const { return static_cast<int32_t>(groups_.size()); }
  // The file holds more than the 32000 lines that were read.
  bool capped() const { return capped_; }
  const std::vector<std::string>& groups() const { return groups_; }
  const std::string& name() const { return name_; }
  void readInto(Tank<std::string>& table) const { fillListTable(table, groups_); }

 private:
  std::string name_;
  std::vector<std::string> groups_;
  bool capped_ = false;
};

inline std::string_view listGroupText(const std::string& group) { return group; }
inline std::string_view listGroupText(const Text31& group) { return group.view(); }

// The list writing: groups 1..n of a table (variable-length texts or block
// cells), each followed by CR LF. False after the file layer reported a file
// that could not be created or written.
template <class Table>
bool writeListFile(const std::string& name, const Table& table, long n) {
  OutputFile file;
  if (!file.open(name)) return false;
  for (long i = 1; i <= n; ++i) file.printLine(listGroupText(table(i)));
  return file.close();
}

// The same for a list held in order from its first element.
bool writeListFile(const std::string& name, const std::vector<std::string>& groups);

// True when both names lead to one existing file.
bool sameFile(const std::string& a, const std::string& b);

// A list cut at 32000 lines is never written back over its own file, which
// would lose the lines that were not read. When `dest` is such a source, the
// refusal is shown (light red, then a key) and the result is true.
bool refusesToOverwriteCutSource(const std::string& dest, const std::vector<const ListReader*>& sources);
