#include "shell/console.hpp"

#include <cstdlib>
#include <sys/ioctl.h>
#include <unistd.h>

namespace con {

bool takeWindowChange();  // keys.cpp

namespace {

struct Console {
  ScreenModel model{80, 24};
  std::unique_ptr<Sink> sink = std::make_unique<PlainSink>(-1);
  std::unique_ptr<KeySource> keys = std::make_unique<ScriptedKeys>();
  uint8_t color = 7;
  bool terminalSize = false;
};

Console& console() {
  static Console c;
  return c;
}

bool windowSize(int fd, int& width, int& height) {
  struct winsize ws{};
  if (ioctl(fd, TIOCGWINSZ, &ws) != 0 || ws.ws_col == 0 || ws.ws_row == 0) return false;
  width = ws.ws_col;
  height = ws.ws_row;
  return true;
}

void followWindowSize() {
  Console& c = console();
  if (!c.terminalSize || !takeWindowChange()) return;
  int w, h;
  if (windowSize(STDOUT_FILENO, w, h)) c.model.resize(w, h);
}

}  // namespace

void print(std::string_view text) {
  Console& c = console();
  for (unsigned char ch : text) {
    if (ch == '\r') {
      c.model.carriageReturn();
      c.sink->carriageReturn();
    } else if (ch == '\n') {
      c.model.lineFeed();
      c.sink->lineFeed();
    } else {
      c.model.put(ch, c.color);
      c.sink->put(ch, c.color);
    }
  }
}

void printLine(std::string_view text) {
  print(text);
  newLine();
}

void newLine() { print("\r\n"); }

void color(int col) { console().color = static_cast<uint8_t>(col & 15); }

int currentColor() { return console().color; }

void cls() {
  Console& c = console();
  c.model.clear();
  c.sink->clear();
}

void locate(int row, int col) {
  Console& c = console();
  int fromRow = c.model.row();
  if (c.model.locate(row, col)) c.sink->moveTo(c.model.row(), c.model.col(), fromRow);
}

void tab(int n) {
  Console& c = console();
  if (n <= 0) {
    newLine();
    return;
  }
  int position = c.model.pendingWrap() ? c.model.width() + 1 : c.model.col();
  if (position > n) newLine();
  c.model.moveToColumn(n);
  c.sink->moveToColumn(c.model.col());
}

int cursorRow() { return console().model.row(); }

int cursorColumn() { return console().model.col(); }

void flush() { console().sink->flush(); }

int32_t waitKey() {
  followWindowSize();
  flush();
  return console().keys->wait();
}

int32_t pollKey() {
  followWindowSize();
  flush();
  return console().keys->poll();
}

std::string input(std::string_view prompt) {
  constexpr size_t LINEMAX = 8192;
  print(prompt);
  ScreenModel& m = console().model;
  std::string line;
  std::vector<std::pair<long, int>> echoed;  // row (counted across scrolling) and column of each character
  for (;;) {
    int32_t k = waitKey();
    if (k == KEY_ENTER) break;
    if (k == KEY_BACKSPACE) {
      if (line.empty()) continue;
      line.pop_back();
      auto [row, col] = echoed.back();
      echoed.pop_back();
      int r = static_cast<int>(row - m.scrolled());
      if (r >= 1) {
        locate(r, col);
        print(" ");
        locate(r, col);
      }
      continue;
    }
    bool typable = (k >= 32 && k <= 255) || k == '\t';
    if (!typable || line.size() >= LINEMAX) continue;
    line += static_cast<char>(k);
    char ch = static_cast<char>(k);
    print(std::string_view(&ch, 1));
    echoed.emplace_back(m.row() + m.scrolled(), m.pendingWrap() ? m.col() : m.col() - 1);
  }
  newLine();
  return line;
}

ScreenModel& screen() { return console().model; }

Sink& sink() { return *console().sink; }

KeySource& keys() { return *console().keys; }

void typeAhead(std::string_view keys) {
  Console& c = console();
  c.keys = std::make_unique<TypedAheadKeys>(keys, std::move(c.keys));
}

void install(std::unique_ptr<Sink> newSink, std::unique_ptr<KeySource> newKeys, int width, int height) {
  Console& c = console();
  c.sink = std::move(newSink);
  c.keys = std::move(newKeys);
  c.model = ScreenModel(width, height);
  c.color = 7;
  c.terminalSize = false;
}

bool coloursWanted(const char* noColor) { return noColor == nullptr || noColor[0] == '\0'; }

void setupStandardStreams() {
  Console& c = console();
  bool ttyOut = isatty(STDOUT_FILENO);
  int width = 80, height = 24;
  if (ttyOut) windowSize(STDOUT_FILENO, width, height);
  std::unique_ptr<Sink> out;
  if (ttyOut) {
    out = std::make_unique<AnsiSink>(STDOUT_FILENO, coloursWanted(std::getenv("NO_COLOR")));
  } else {
    out = std::make_unique<PlainSink>(STDOUT_FILENO);
  }
  std::unique_ptr<KeySource> in;
  if (isatty(STDIN_FILENO)) {
    in = std::make_unique<TerminalKeys>(STDIN_FILENO);
  } else {
    in = std::make_unique<StreamKeys>(STDIN_FILENO);
  }
  install(std::move(out), std::move(in), width, height);
  c.terminalSize = ttyOut;
}

void shutdown() {
  Console& c = console();
  c.sink->finish();
  c.sink->flush();
  c.keys.reset();  // gives the terminal back, even when no memory is left
  c.keys = std::make_unique<ScriptedKeys>();
}

}  // namespace con
