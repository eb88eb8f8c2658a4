// The locked table file of a sweep and its journal.
#include "steering/tablefile.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "shell/files.hpp"

namespace {

[[noreturn]] void systemFailure(const std::string& what, const std::string& name) {
  throw std::runtime_error(what + " " + name + ": " + std::strerror(errno));
}

// The bytes of an open file from its start.
std::string bytesOf(int fd, const std::string& name) {
  std::string bytes;
  char buffer[65536];
  for (off_t at = 0;;) {
    ssize_t n = pread(fd, buffer, sizeof buffer, at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) systemFailure("cannot read", name);
    if (n == 0) return bytes;
    bytes.append(buffer, static_cast<size_t>(n));
    at += n;
  }
}

void writeTo(int fd, const std::string& name, const std::string& text) {
  if (int failure = writeAllBytes(fd, text)) {
    errno = failure;
    systemFailure("cannot write", name);
  }
}

}  // namespace

pid_t lockHolder(int fd) {
  struct stat st {};
  if (fstat(fd, &st) != 0) return 0;
  char device[64];
  std::snprintf(device, sizeof device, "%02x:%02x:%llu", major(st.st_dev), minor(st.st_dev),
                static_cast<unsigned long long>(st.st_ino));
  // "1: FLOCK  ADVISORY  WRITE 4711 08:02:1234567 0 EOF"
  std::ifstream locks("/proc/locks");
  std::string line;
  while (std::getline(locks, line)) {
    std::istringstream fields(line);
    std::string number, kind, mode, access, file;
    long pid = 0;
    if (fields >> number >> kind >> mode >> access >> pid >> file && kind == "FLOCK" && file == device && pid > 0)
      return static_cast<pid_t>(pid);
  }
  return 0;
}

SweepTableFile::SweepTableFile(std::string name) : name_(std::move(name)) {
  fd_ = open(name_.c_str(), O_RDWR | O_CLOEXEC);
  if (fd_ < 0 && errno == ENOENT) {
    fd_ = open(name_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    created_ = fd_ >= 0;
  }
  if (fd_ < 0) systemFailure("cannot open", name_);
  if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    int problem = errno;
    pid_t holder = problem == EWOULDBLOCK ? lockHolder(fd_) : 0;
    close(fd_);
    fd_ = -1;
    if (problem != EWOULDBLOCK) {
      errno = problem;
      systemFailure("cannot lock", name_);
    }
    throw TableInUse(name_ + ": another sweep is writing it (" +
                     (holder > 0 ? "process " + std::to_string(holder) : std::string("its process is not known")) +
                     "); it is left as it is");
  }
}

SweepTableFile::~SweepTableFile() {
  if (created_ && !begun_) unlink(name_.c_str());
  if (journalFd_ >= 0) close(journalFd_);
  if (fd_ >= 0) close(fd_);  // and the lock with it
}

std::string SweepTableFile::contents() const { return bytesOf(fd_, name_); }

std::string SweepTableFile::journalContents() const {
  std::string bytes;
  int problem = 0;
  if (!readWholeFile(journalName(), bytes, problem) && problem != ENOENT) {
    errno = problem;
    systemFailure("cannot read", journalName());
  }
  return bytes;
}

void SweepTableFile::begin(size_t keepBytes, const std::string& header,
                           const std::map<uint64_t, std::string>& journalRows) {
  begun_ = true;
  struct stat st {};
  regular_ = fstat(fd_, &st) == 0 && S_ISREG(st.st_mode);
  if (regular_) {  // not /dev/null or a pipe, which have no journal either
    if (ftruncate(fd_, static_cast<off_t>(keepBytes)) != 0) systemFailure("cannot cut", name_);
    if (lseek(fd_, 0, SEEK_END) < 0) systemFailure("cannot write", name_);
  }
  if (keepBytes == 0) writeTo(fd_, name_, header);
  removeJournal();
  // The rows kept are written afresh: a row cut off in the old journal
  // cannot run into the rows that follow.
  for (const auto& [point, row] : journalRows) writeEarly(point, row);
}

void SweepTableFile::openJournal() {
  journalFd_ = open(journalName().c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (journalFd_ < 0) systemFailure("cannot create", journalName());
}

void SweepTableFile::removeJournal() {
  if (!regular_) return;
  if (journalFd_ >= 0) {
    close(journalFd_);
    journalFd_ = -1;
  }
  if (unlink(journalName().c_str()) != 0 && errno != ENOENT) systemFailure("cannot remove", journalName());
}

void SweepTableFile::writeRow(uint64_t point, const std::string& row) {
  writeTo(fd_, name_, row);
  if (pending_.erase(point) > 0 && pending_.empty()) removeJournal();
}

void SweepTableFile::writeEarly(uint64_t point, const std::string& row) {
  if (!regular_) return;  // it cannot be resumed
  if (journalFd_ < 0) openJournal();
  writeTo(journalFd_, journalName(), row);
  pending_.insert(point);
}

void SweepTableFile::finish() { removeJournal(); }
