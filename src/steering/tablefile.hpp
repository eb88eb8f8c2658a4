#pragma once
// The file a sweep writes its table to (--out FILE), locked while the sweep
// runs, and its journal FILE.journal: rows that are finished before the row
// of an earlier point. The table holds whole rows in point order only; a row
// that must wait for its turn is in the journal at once, so that an
// interruption loses no finished point. The journal is removed whenever the
// table has caught up with it, and when the sweep is complete.
#include <sys/types.h>

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

// Another process holds the table's lock.
struct TableInUse : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class SweepTableFile {
 public:
  // Opens the table (created empty when missing) and locks it; throws
  // TableInUse, naming the process that holds the lock where the system
  // tells it, or std::runtime_error when it cannot be opened.
  explicit SweepTableFile(std::string name);
  // Unlocks; a table that this object created and never began is removed.
  ~SweepTableFile();
  SweepTableFile(const SweepTableFile&) = delete;
  SweepTableFile& operator=(const SweepTableFile&) = delete;

  const std::string& name() const { return name_; }
  std::string journalName() const { return name_ + ".journal"; }
  // The table's bytes and the journal's ("" when there is none).
  std::string contents() const;
  std::string journalContents() const;

  // The run can proceed: the table is cut to `keepBytes` (the header written
  // when that is 0); the journal holds `journalRows` (by point) alone, the
  // rows of an earlier run still to be written, or is removed when there are none.
  void begin(size_t keepBytes, const std::string& header, const std::map<uint64_t, std::string>& journalRows);
  // The row of `point`, in point order.
  void writeRow(uint64_t point, const std::string& row);
  // The row of a point that must wait for an earlier one.
  void writeEarly(uint64_t point, const std::string& row);
  // Points whose rows are in the journal but not yet in the table.
  size_t pendingRows() const { return pending_.size(); }
  // Every row is in the table: the journal goes.
  void finish();

 private:
  void openJournal();
  void removeJournal();

  std::string name_;
  int fd_ = -1;
  int journalFd_ = -1;
  bool created_ = false, begun_ = false;
  bool regular_ = true;  // a regular file, not a device or a pipe
  std::set<uint64_t> pending_;
};

// The process that holds a lock on the open file `fd`, from /proc/locks;
// 0 when the system does not tell.
pid_t lockHolder(int fd);
