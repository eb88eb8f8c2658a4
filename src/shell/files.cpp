#include "shell/files.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/console.hpp"
#include "state/shellstate.hpp"

int writeAllBytes(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : ENOSPC;
    done += static_cast<size_t>(n);
  }
  return 0;
}

std::string fileProblemText(FileProblem problem, const std::string& name, int systemError) {
  std::string what = problem == FileProblem::NotFound ? FILENOTFOUNDTEXT : "cannot create: ";
  return what + name + " (" + std::strerror(systemError) + ")";
}

void FILEERROR(FileProblem problem, const std::string& name, int systemError) {
  showFileProblem(fileProblemText(problem, name, systemError));
}

void showFileProblem(const std::string& message) {
  int previous = con::currentColor();
  con::newLine();
  con::color(SHELL.RDCOLOR);
  con::printLine(" " + message);
  con::color(SHELL.GNCOLOR);
  con::print(SHELL.STR1);
  con::color(previous);
  con::waitKey();
  con::newLine();
}

// ---- Output ------------------------------------------------------------------

// The text goes into a hidden file beside the target, which takes the
// target's name only when everything was written: a failed write leaves the
// earlier file of that name as it was. Special files (devices, pipes) are
// written directly.
OutputFile::~OutputFile() {
  if (fd_ < 0) return;
  ::close(fd_);
  if (!direct_) ::unlink(tempName_.c_str());
}

bool OutputFile::open(const std::string& name) {
  int problem = 0;
  if (openQuietly(name, &problem)) return true;
  FILEERROR(FileProblem::CannotCreate, name, problem);
  return false;
}

bool OutputFile::openQuietly(const std::string& name, int* systemError) {
  name_ = name;
  text_.clear();
  column_ = 1;
  struct stat st{};
  bool exists = ::stat(name.c_str(), &st) == 0;
  direct_ = exists && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
  int problem = 0;
  if (direct_) {
    fd_ = ::open(name.c_str(), O_WRONLY | O_TRUNC);
    if (fd_ < 0) problem = errno;
  } else if (exists && S_ISDIR(st.st_mode)) {
    problem = EISDIR;
  } else if (exists && ::access(name.c_str(), W_OK) != 0) {
    problem = errno;
  } else {
    auto slash = name.find_last_of('/');
    std::string dir = slash == std::string::npos ? "." : name.substr(0, slash + 1);
    tempName_ = dir + (slash == std::string::npos ? "/" : "") + ".plomar-XXXXXX";
    fd_ = ::mkstemp(tempName_.data());
    if (fd_ < 0) {
      problem = errno;
    } else {
      mode_t mask = ::umask(0);
      ::umask(mask);
      ::fchmod(fd_, exists ? (st.st_mode & 07777) : (0666 & ~mask));
    }
  }
  if (problem != 0) {
    fd_ = -1;
    if (systemError != nullptr) *systemError = problem;
    return false;
  }
  return true;
}

bool OutputFile::close() {
  int failure = 0;
  if (closeQuietly(&failure)) return true;
  if (failure != 0) FILEERROR(FileProblem::CannotCreate, name_, failure);
  return false;
}

bool OutputFile::closeQuietly(int* systemError) {
  if (systemError != nullptr) *systemError = 0;
  if (fd_ < 0) return false;
  int failure = writeAllBytes(fd_, text_);
  if (::close(fd_) != 0 && failure == 0) failure = errno;
  fd_ = -1;
  if (!direct_) {
    if (failure == 0 && ::rename(tempName_.c_str(), name_.c_str()) != 0) failure = errno;
    if (failure != 0) ::unlink(tempName_.c_str());
  }
  if (systemError != nullptr) *systemError = failure;
  return failure == 0;
}

void OutputFile::print(std::string_view text) {
  text_ += text;
  for (char c : text) column_ = (c == '\n') ? 1 : (c == '\r' ? 1 : column_ + 1);
}

void OutputFile::printLine(std::string_view text) {
  print(text);
  newLine();
}

void OutputFile::newLine() { print("\r\n"); }

void OutputFile::tab(int n) {
  if (n <= 0) {
    newLine();
    return;
  }
  if (column_ > n) newLine();
  text_.append(static_cast<size_t>(n - column_), ' ');
  column_ = n;
}

// ---- Input -------------------------------------------------------------------

bool InputFile::openQuietly(const std::string& name, int* systemError) {
  name_ = name;
  pos_ = 0;
  int err = 0;
  bool ok = readWholeFile(name, bytes_, err);
  if (!ok) bytes_.clear();
  if (systemError != nullptr) *systemError = err;
  return ok;
}

bool InputFile::open(const std::string& name) {
  int err = 0;
  if (openQuietly(name, &err)) return true;
  FILEERROR(FileProblem::NotFound, name, err);
  return false;
}

std::string InputFile::readLine() {
  std::string line;
  while (pos_ < bytes_.size() && bytes_[pos_] != '\r' && bytes_[pos_] != '\n') line += bytes_[pos_++];
  endItem();
  return line;
}

std::string InputFile::readChars(size_t count) {
  std::string s = bytes_.substr(pos_, count);
  pos_ += s.size();
  return s;
}

int InputFile::peek() const {
  if (pos_ >= bytes_.size()) return -1;
  char c = bytes_[pos_];
  if (c == '\r' || c == '\n') return -1;
  return static_cast<unsigned char>(c);
}

// Consumes the comma, or the line end (CR, LF or CR LF), that ended an item.
void InputFile::endItem() {
  if (pos_ >= bytes_.size()) return;
  char c = bytes_[pos_];
  if (c == ',') {
    ++pos_;
  } else if (c == '\r') {
    ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
  } else if (c == '\n') {
    ++pos_;
  }
}
