// "R": a text file copied byte by byte with its ASCII letters turned into
// upper or lower case; the copy is exactly as long as the source.
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/console.hpp"
#include "shell/files.hpp"
#include "shell/numberforms.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "vocabutils/dialogue.hpp"
#include "vocabutils/listfile.hpp"
#include "vocabutils/transforms.hpp"
#include "vocabutils/vocabutils.hpp"

unsigned char rectifiedByte(unsigned char c, char mode) {
  if (mode == 'U' && c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (mode == 'L' && c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  return c;
}

void rectifyBytes(std::string& bytes, char mode) {
  for (char& c : bytes) c = static_cast<char>(rectifiedByte(static_cast<unsigned char>(c), mode));
}

namespace {

constexpr size_t CHUNK = 1 << 16;

// A file descriptor closed on every way out.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now; the system's error code, or 0.
  int close() {
    int result = ::close(fd_) == 0 ? 0 : errno;
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// Reads up to `count` bytes, fewer only at the end of the file; the system's
// error code in *error (0 when none).
std::string readUpTo(int fd, uint64_t count, int* error) {
  std::string bytes;
  *error = 0;
  char buf[CHUNK];
  while (bytes.size() < count) {
    uint64_t want = count - bytes.size() < CHUNK ? count - bytes.size() : CHUNK;
    ssize_t n = ::read(fd, buf, static_cast<size_t>(want));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *error = errno;
      break;
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<size_t>(n));
  }
  return bytes;
}

// A refusal or a cut copy, in light red, then a key.
void reportLimit(const std::string& text) {
  int previous = con::currentColor();
  con::newLine();
  con::color(SHELL.RDCOLOR);
  con::printLine(text);
  con::color(SHELL.GNCOLOR);
  con::print(SHELL.STR1);
  con::color(previous);
  con::waitKey();
  con::newLine();
}

std::string limitText(uint64_t limit) { return asText(static_cast<long long>(limit)); }

// The source (a regular file of `size` bytes) is both input and output: read
// whole, then written over.
RectifyOutcome rectifyInPlace(Fd& in, const std::string& source, uint64_t size, char mode, uint64_t limit) {
  const std::string refusal = " " + source + " holds more than " + limitText(limit) +
                              " bytes: it is not overwritten, nothing saved.";
  if (size > limit) {
    reportLimit(refusal);
    return RectifyOutcome::Failed;
  }
  int error = 0;
  std::string bytes = readUpTo(in.get(), limit + 1, &error);
  if (error != 0) {
    FILEERROR(FileProblem::NotFound, source, error);
    return RectifyOutcome::Failed;
  }
  in.close();
  if (bytes.size() > limit) {
    reportLimit(refusal);
    return RectifyOutcome::Failed;
  }
  rectifyBytes(bytes, mode);
  // Written over from its start: the length stays, nothing is emptied first.
  Fd out(::open(source.c_str(), O_WRONLY));
  if (out.get() < 0) {
    FILEERROR(FileProblem::CannotCreate, source, errno);
    return RectifyOutcome::Failed;
  }
  int failure = writeAllBytes(out.get(), bytes);
  int closing = out.close();
  if (failure == 0) failure = closing;
  if (failure != 0) {
    FILEERROR(FileProblem::CannotCreate, source, failure);
    return RectifyOutcome::Failed;
  }
  return RectifyOutcome::Done;
}

// Chunk by chunk into another file.
RectifyOutcome rectifyStreaming(Fd& in, const std::string& source, const std::string& dest, char mode,
                                uint64_t limit) {
  Fd out(::open(dest.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
  if (out.get() < 0) {
    FILEERROR(FileProblem::CannotCreate, dest, errno);
    return RectifyOutcome::Failed;
  }
  uint64_t copied = 0;
  int readError = 0;
  int failure = 0;
  for (;;) {
    uint64_t want = limit - copied < CHUNK ? limit - copied : CHUNK;
    std::string bytes = readUpTo(in.get(), want, &readError);
    if (readError != 0) break;
    rectifyBytes(bytes, mode);
    failure = writeAllBytes(out.get(), bytes);
    copied += bytes.size();
    if (failure != 0 || bytes.size() < want || copied == limit) break;
  }
  bool cut = false;
  if (readError == 0 && failure == 0 && copied == limit) cut = !readUpTo(in.get(), 1, &readError).empty();
  struct stat st{};
  bool regular = fstat(out.get(), &st) == 0 && S_ISREG(st.st_mode);
  int closing = out.close();
  if (failure == 0) failure = closing;
  if (readError != 0 || failure != 0) {
    if (regular) ::unlink(dest.c_str());  // nothing half-written stays behind
    if (readError != 0) FILEERROR(FileProblem::NotFound, source, readError);
    else FILEERROR(FileProblem::CannotCreate, dest, failure);
    return RectifyOutcome::Failed;
  }
  if (cut) {
    reportLimit(" " + source + " holds more than " + limitText(limit) + " bytes: only the first " +
                limitText(limit) + " are rectified in " + dest + ".");
    return RectifyOutcome::Cut;
  }
  return RectifyOutcome::Done;
}

}  // namespace

RectifyOutcome rectifyFile(const std::string& source, const std::string& dest, char mode, uint64_t limit) {
  Fd in(::open(source.c_str(), O_RDONLY));
  if (in.get() < 0) {
    FILEERROR(FileProblem::NotFound, source, errno);
    return RectifyOutcome::Failed;
  }
  struct stat st{};
  if (fstat(in.get(), &st) != 0 || S_ISDIR(st.st_mode)) {
    FILEERROR(FileProblem::NotFound, source, S_ISDIR(st.st_mode) ? EISDIR : errno);
    return RectifyOutcome::Failed;
  }
  if (S_ISREG(st.st_mode) && sameFile(source, dest))
    return rectifyInPlace(in, source, static_cast<uint64_t>(st.st_size), mode, limit);
  return rectifyStreaming(in, source, dest, mode, limit);
}

void RECTIFYTEXTCASE() {
  con::cls();
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" (R)");
  con::color(SHELL.GNCOLOR);
  con::print(" Rectify");
  con::color(SHELL.YLCOLOR);
  con::print(" text-file");
  con::color(SHELL.NCOLOR);
  con::printLine(" to all Upper, all Lower-case letters, Exit   U/L/E : ");
  TGETAKEY();
  if (VOC.TKS != 'U' && VOC.TKS != 'L') return;
  const char mode = VOC.TKS;

  con::newLine();
  VOC.SOURCEFILENAME = typedName(" Enter text source-file name : ");
  con::newLine();
  VOC.DESTFILENAME = typedName(" Enter rectified save-file name : ");
  if (rectifyFile(VOC.SOURCEFILENAME, VOC.DESTFILENAME, mode) != RectifyOutcome::Done) return;

  con::newLine();
  con::print(" Done : ");
  con::color(SHELL.TQCOLOR);
  con::printLine(std::string(1, mode));
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::printLine(SHELL.STR1);
  con::color(SHELL.NCOLOR);
  con::waitKey();
}
