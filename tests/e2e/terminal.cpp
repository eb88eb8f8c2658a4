#include "e2e/terminal.hpp"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsLeft(Clock::time_point end) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

Clock::time_point after(double seconds) {
  return Clock::now() + std::chrono::milliseconds(static_cast<long>(seconds * 1000));
}

}  // namespace

TerminalSession::TerminalSession(const std::string& program, const std::vector<std::string>& args,
                                 const std::filesystem::path& dir,
                                 const std::vector<std::pair<std::string, std::string>>& environment) {
  struct winsize size{};
  size.ws_col = 120;
  size.ws_row = 60;
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_ = forkpty(&master_, nullptr, nullptr, &size);
  if (pid_ < 0) throw std::runtime_error("forkpty failed");
  if (pid_ == 0) {
    for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
    if (chdir(dir.c_str()) != 0) _exit(126);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
}

TerminalSession::~TerminalSession() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (master_ >= 0) close(master_);
}

bool TerminalSession::readSome(int timeoutMs) {
  struct pollfd p{master_, POLLIN, 0};
  if (poll(&p, 1, timeoutMs) <= 0) return true;  // nothing yet (or a signal): still running
  char buf[65536];
  ssize_t n = read(master_, buf, sizeof buf);
  if (n <= 0) return false;  // the program has closed the terminal
  received_.append(buf, static_cast<size_t>(n));
  return true;
}

bool TerminalSession::waitFor(const std::string& wanted, double seconds) {
  const Clock::time_point end = after(seconds);
  while (screenText().find(wanted) == std::string::npos) {
    int left = millisecondsLeft(end);
    if (left == 0 || !readSome(left)) return screenText().find(wanted) != std::string::npos;
  }
  return true;
}

void TerminalSession::settle(double quietSeconds, double seconds) {
  const Clock::time_point end = after(seconds);
  while (millisecondsLeft(end) > 0) {
    const size_t before = received_.size();
    if (!readSome(static_cast<int>(quietSeconds * 1000)) || received_.size() == before) return;
  }
}

void TerminalSession::type(const std::string& keys) {
  if (write(master_, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size()))
    throw std::runtime_error("cannot type into the terminal");
}

int TerminalSession::exitStatus(double seconds) {
  const Clock::time_point end = after(seconds);
  for (;;) {
    int status = 0;
    pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    if (millisecondsLeft(end) == 0) return -1;
    readSome(50);  // keeps the terminal drained, so the program can finish writing
  }
}

std::string TerminalSession::text() const { return withoutEscapes(received_); }

std::string withoutEscapes(const std::string& bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\x1b' && i + 1 < bytes.size() && bytes[i + 1] == '[') {
      i += 2;
      while (i < bytes.size() && !(bytes[i] >= '@' && bytes[i] <= '~')) ++i;
      continue;
    }
    text += bytes[i];
  }
  return text;
}

std::vector<std::string> TerminalSession::screen() const { return screenAfter(received_, 120, 60); }

std::string TerminalSession::screenText() const {
  std::string text;
  for (const std::string& row : screen()) text += row + "\n";
  return text;
}

namespace {

// A window of cells, each holding the bytes of one character.
class Window {
 public:
  Window(int width, int height)
      : width_(width), height_(height), cells_(static_cast<size_t>(height), std::vector<std::string>(width, " ")) {}

  void put(const std::string& character) {
    if (col_ > width_) {  // the deferred wrap of the last column
      col_ = 1;
      lineFeed();
    }
    cells_[static_cast<size_t>(row_ - 1)][static_cast<size_t>(col_ - 1)] = character;
    ++col_;
  }
  void carriageReturn() { col_ = 1; }
  void lineFeed() {
    if (row_ < height_) {
      ++row_;
      return;
    }
    cells_.erase(cells_.begin());
    cells_.emplace_back(static_cast<size_t>(width_), " ");
  }
  void clear() {
    for (auto& r : cells_)
      for (std::string& c : r) c.assign(1, ' ');  // (a literal here trips a false -Wrestrict in GCC 12)
    row_ = col_ = 1;
  }
  void moveTo(int row, int col) {
    row_ = std::clamp(row, 1, height_);
    col_ = std::clamp(col, 1, width_);
  }
  void moveToColumn(int col) { col_ = std::clamp(col, 1, width_); }
  int row() const { return row_; }

  std::vector<std::string> rows() const {
    std::vector<std::string> out;
    for (const auto& r : cells_) {
      std::string line;
      for (const std::string& c : r) line += c;
      line.erase(line.find_last_not_of(' ') + 1);
      out.push_back(line);
    }
    return out;
  }

 private:
  int width_, height_, row_ = 1, col_ = 1;
  std::vector<std::vector<std::string>> cells_;
};

// The numbers of a control sequence's parameters ("12;40" gives 12, 40).
std::vector<int> parameters(const std::string& text) {
  std::vector<int> numbers{0};
  for (char c : text) {
    if (c == ';') numbers.push_back(0);
    if (c >= '0' && c <= '9') numbers.back() = numbers.back() * 10 + (c - '0');
  }
  return numbers;
}

void controlSequence(Window& w, const std::string& params, char final) {
  std::vector<int> n = parameters(params);
  if (final == 'H') w.moveTo(std::max(n[0], 1), n.size() > 1 ? std::max(n[1], 1) : 1);
  if (final == 'G') w.moveToColumn(std::max(n[0], 1));
  if (final == 'J' && n[0] == 2) w.clear();
}

}  // namespace

std::vector<std::string> screenAfter(const std::string& bytes, int width, int height) {
  Window w(width, height);
  for (size_t i = 0; i < bytes.size(); ++i) {
    unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (b == '\x1b' && i + 1 < bytes.size() && bytes[i + 1] == '[') {
      size_t end = i + 2;
      while (end < bytes.size() && !(bytes[end] >= '@' && bytes[end] <= '~')) ++end;
      if (end < bytes.size()) controlSequence(w, bytes.substr(i + 2, end - i - 2), bytes[end]);
      i = end;
    } else if (b == '\r') {
      w.carriageReturn();
    } else if (b == '\n') {
      w.lineFeed();
    } else if (b >= 32) {
      size_t length = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
      w.put(bytes.substr(i, length));
      i += length - 1;
    }
  }
  return w.rows();
}
