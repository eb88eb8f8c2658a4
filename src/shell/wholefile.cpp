// Whole files read into memory, for every reader of the program: bounded by
// the memory there is, so that no input ends the program.
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/files.hpp"

namespace {

// No input may take more than half of the machine's memory: a device that
// never ends (/dev/zero) is refused before it crowds out everything else.
size_t largestInput() {
  const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return SIZE_MAX;
  return static_cast<size_t>(pages) / 2 * static_cast<size_t>(pageSize);
}

// One allocation for a regular file of this size: 0, or ENOMEM.
int reserveForFile(std::string& bytes, uint64_t size) {
  if (size > largestInput()) return ENOMEM;
  try {
    bytes.reserve(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    return ENOMEM;
  }
  return 0;
}

// The rest of the descriptor appended to the bytes: 0, or the system's error code
// (ENOMEM when the bytes cannot be held in memory).
int appendAllBytes(int fd, std::string& bytes) {
  const size_t limit = largestInput();
  char buf[65536];
  try {
    for (;;) {
      ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return errno;
      if (n == 0) return 0;
      if (bytes.size() + static_cast<size_t>(n) > limit) return ENOMEM;
      bytes.append(buf, static_cast<size_t>(n));
    }
  } catch (const std::bad_alloc&) {
    return ENOMEM;
  }
}

}  // namespace

bool readWholeFile(const std::string& name, std::string& bytes, int& systemError) {
  int fd = ::open(name.c_str(), O_RDONLY);
  if (fd < 0) {
    systemError = errno;
    return false;
  }
  struct stat st{};
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    systemError = EISDIR;
    return false;
  }
  bytes.clear();
  systemError = S_ISREG(st.st_mode) ? reserveForFile(bytes, static_cast<uint64_t>(st.st_size)) : 0;
  if (systemError == 0) systemError = appendAllBytes(fd, bytes);
  ::close(fd);
  if (systemError == 0) return true;
  std::string().swap(bytes);  // what was read is given back at once
  return false;
}

bool readWholeInput(const std::string& name, std::string& bytes, int& systemError) {
  if (name != STANDARD_INPUT_NAME) return readWholeFile(name, bytes, systemError);
  bytes.clear();
  systemError = appendAllBytes(STDIN_FILENO, bytes);
  if (systemError == 0) return true;
  std::string().swap(bytes);
  return false;
}
