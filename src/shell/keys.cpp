#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include "shell/console.hpp"

namespace con {

// ---- Scripted keys -------------------------------------------------------------

void ScriptedKeys::type(std::string_view keys) {
  for (unsigned char c : keys) waits_.push_back(c == '\n' ? KEY_ENTER : c);
}

int32_t ScriptedKeys::wait() {
  if (waits_.empty()) throw EndOfInput{};
  int32_t k = waits_.front();
  waits_.pop_front();
  return k;
}

int32_t ScriptedKeys::poll() {
  if (polls_.empty()) return KEY_NONE;
  int32_t k = polls_.front();
  polls_.pop_front();
  return k;
}

TypedAheadKeys::TypedAheadKeys(std::string_view typed, std::unique_ptr<KeySource> then) : then_(std::move(then)) {
  for (unsigned char c : typed) typed_.push_back(c == '\n' ? KEY_ENTER : c);
}

int32_t TypedAheadKeys::wait() {
  if (typed_.empty()) return then_->wait();
  int32_t k = typed_.front();
  typed_.pop_front();
  return k;
}

int32_t TypedAheadKeys::poll() {
  int32_t k = then_->poll();
  return typed_.empty() || k == KEY_ESC ? k : KEY_NONE;
}

// ---- Piped keys ------------------------------------------------------------------

bool StreamKeys::refill() {
  ssize_t n;
  do {
    n = ::read(fd_, buf_, sizeof buf_);
  } while (n < 0 && errno == EINTR);
  if (n <= 0) {
    ended_ = true;
    return false;
  }
  have_ = static_cast<size_t>(n);
  next_ = 0;
  return true;
}

int StreamKeys::readByte() {
  if (next_ == have_ && (ended_ || !refill())) return -1;
  return buf_[next_++];
}

// Keys still to come belong to the prompts; only once the input has ended
// does a running loop hear Esc, so that it stops and the program can end.
int32_t StreamKeys::poll() {
  if (next_ < have_) return KEY_NONE;
  if (!ended_) {
    struct pollfd ready{fd_, POLLIN, 0};
    if (::poll(&ready, 1, 0) <= 0 || ready.revents == 0) return KEY_NONE;
    if (refill()) return KEY_NONE;
  }
  return KEY_ESC;
}

int32_t StreamKeys::wait() {
  for (;;) {
    int b = readByte();
    if (b < 0) throw EndOfInput{};
    bool lineFeedOfPair = afterCR_ && b == '\n';
    afterCR_ = b == '\r';
    if (lineFeedOfPair) continue;
    if (b == '\r' || b == '\n') return KEY_ENTER;
    if (b == 127) return KEY_BACKSPACE;
    return b;
  }
}

// ---- Terminal key decoding -----------------------------------------------------

namespace {

constexpr int ESCAPE_WAIT_MS = 50;

// Scan codes of the keys without a character.
int scanOfFinal(char final) {
  switch (final) {
    case 'A': return 72;  // up
    case 'B': return 80;  // down
    case 'C': return 77;  // right
    case 'D': return 75;  // left
    case 'H': return 71;  // home
    case 'F': return 79;  // end
    case 'P': return 59;  // F1
    case 'Q': return 60;  // F2
    case 'R': return 61;  // F3
    case 'S': return 62;  // F4
    default: return 0;
  }
}

int scanOfTilde(int number) {
  switch (number) {
    case 1: case 7: return 71;  // home
    case 4: case 8: return 79;  // end
    case 2: return 82;          // insert
    case 3: return 83;          // delete
    case 5: return 73;          // page up
    case 6: return 81;          // page down
    case 11: return 59; case 12: return 60; case 13: return 61; case 14: return 62;
    case 15: return 63; case 17: return 64; case 18: return 65; case 19: return 66;
    case 20: return 67; case 21: return 68; case 23: return 133; case 24: return 134;
    default: return 0;
  }
}

// The rest of "ESC [" or "ESC O": parameters, then a final byte.
int32_t decodeSequence(ByteReader& in, int introducer) {
  std::string params;
  for (;;) {
    int b = in.next(ESCAPE_WAIT_MS);
    if (b < 0) return specialKey(0);
    if (introducer == '[' && params.empty() && b == '[') {  // Linux console F1..F5: ESC [ [ A..E
      int f = in.next(ESCAPE_WAIT_MS);
      return specialKey(f >= 'A' && f <= 'E' ? 59 + (f - 'A') : 0);
    }
    if (b >= 0x40 && b <= 0x7E) {
      if (b == '~') return specialKey(scanOfTilde(std::atoi(params.c_str())));
      return specialKey(scanOfFinal(static_cast<char>(b)));
    }
    params += static_cast<char>(b);
  }
}

int32_t decodeUtf8(ByteReader& in, int first) {
  int extra = first >= 0xF0 ? 3 : first >= 0xE0 ? 2 : 1;
  char32_t cp = static_cast<char32_t>(first & (0x3F >> extra));
  for (int i = 0; i < extra; ++i) {
    int b = in.next(ESCAPE_WAIT_MS);
    if (b < 0 || (b & 0xC0) != 0x80) return KEY_NONE;
    cp = (cp << 6) | static_cast<char32_t>(b & 0x3F);
  }
  int byte = cp437Byte(cp);
  return byte < 0 ? KEY_NONE : byte;
}

}  // namespace

int32_t decodeKey(ByteReader& in, int first) {
  if (first == 27) {
    int b = in.next(ESCAPE_WAIT_MS);
    if (b == '[' || b == 'O') return decodeSequence(in, b);
    return KEY_ESC;  // a lone Esc (a following ordinary byte is dropped with it)
  }
  if (first == 127) return KEY_BACKSPACE;
  if (first == '\r' || first == '\n') return KEY_ENTER;
  if (first >= 0xC0) return decodeUtf8(in, first);
  if (first >= 0x80) return KEY_NONE;  // a stray continuation byte
  return first;
}

// ---- Terminal in raw mode ---------------------------------------------------------

namespace {

struct termios savedTermios;
std::atomic<bool> rawModeOn{false};
int rawFd = -1;
std::atomic<bool> windowChanged{false};

// Async-signal-safe: only tcsetattr and write.
void restoreTerminal() {
  if (rawModeOn.exchange(false)) {
    static const char reset[] = "\x1b[0m";
    ssize_t ignored = ::write(STDOUT_FILENO, reset, sizeof reset - 1);
    (void)ignored;
    tcsetattr(rawFd, TCSAFLUSH, &savedTermios);
  }
}

void onFatalSignal(int sig) {
  restoreTerminal();
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

void onWindowChange(int) { windowChanged = true; }

class FdReader : public ByteReader {
 public:
  explicit FdReader(int fd) : fd_(fd) {}
  int next(int timeoutMs) override {
    struct pollfd p{fd_, POLLIN, 0};
    int r;
    do {
      r = ::poll(&p, 1, timeoutMs);
    } while (r < 0 && errno == EINTR);
    if (r == 0) return TIMEOUT;
    unsigned char b;
    ssize_t n;
    do {
      n = ::read(fd_, &b, 1);
    } while (n < 0 && errno == EINTR);
    return n == 1 ? b : CLOSED;
  }

 private:
  int fd_;
};

}  // namespace

bool takeWindowChange() { return windowChanged.exchange(false); }

TerminalKeys::TerminalKeys(int fd) : fd_(fd) {
  if (tcgetattr(fd, &savedTermios) != 0) return;
  rawFd = fd;
  std::atexit(restoreTerminal);
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGABRT, SIGILL})
    std::signal(sig, onFatalSignal);
  std::signal(SIGWINCH, onWindowChange);
  struct termios raw = savedTermios;
  raw.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INPCK | ISTRIP | IXON);  // no CR->LF, no flow control
  raw.c_oflag &= ~static_cast<tcflag_t>(OPOST);  // the program writes CR LF itself
  raw.c_cflag |= CS8;
  raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | IEXTEN);  // ISIG stays: Ctrl-C ends the program
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  if (tcsetattr(fd, TCSAFLUSH, &raw) == 0) rawModeOn = true;
}

TerminalKeys::~TerminalKeys() { restoreTerminal(); }

int32_t TerminalKeys::wait() {
  FdReader in(fd_);
  for (;;) {
    int b = in.next(-1);
    if (b == ByteReader::CLOSED) throw EndOfInput{};
    if (b < 0) continue;
    int32_t k = decodeKey(in, b);
    if (k != KEY_NONE) return k;
  }
}

int32_t TerminalKeys::poll() {
  FdReader in(fd_);
  int b = in.next(0);
  if (b == ByteReader::CLOSED) throw EndOfInput{};
  if (b < 0) return KEY_NONE;
  return decodeKey(in, b);
}

}  // namespace con
