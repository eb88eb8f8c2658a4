#pragma once
// A console without a screen or a keyboard, for the commands that drive the
// interactive program's routines: what they print is dropped (but for the
// last light red line, the file layer's error message, and the last line,
// a runtime error's report), and the keys they wait for come from typed
// lines.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "shell/console.hpp"

class HeadlessKeys : public con::KeySource {
 public:
  // Each byte is one key, then Enter.
  void typeLine(std::string_view line);
  // Lines whose Enter has been read since the last typeLine on an empty queue.
  int linesRead() const { return linesRead_; }
  void clear();
  // With nothing typed, a wait gets Enter: it answers a "Press a key" pause
  // and ends any prompt, so no routine can wait for ever.
  int32_t wait() override;
  int32_t poll() override { return con::KEY_NONE; }

 private:
  std::deque<int32_t> keys_;
  int linesRead_ = 0;
};

class HeadlessSink : public con::Sink {
 public:
  void put(unsigned char ch, uint8_t color) override;
  void carriageReturn() override {}
  void lineFeed() override;
  void clear() override {}
  void moveTo(int, int, int) override {}
  void moveToColumn(int) override {}
  void flush() override {}
  // The console ends only when a runtime error ends the program: its report,
  // the last line printed, goes to standard error, as every command's
  // problems do.
  void finish() override;
  // The last line printed in light red (a file that could not be read or
  // created), without its leading blank.
  const std::string& lastErrorLine() const { return lastError_; }
  void forgetError() { lastError_.clear(); }

 private:
  std::string line_, lastLine_;
  std::string redLine_, lastError_;
};

struct HeadlessConsole {
  HeadlessKeys& keys;
  HeadlessSink& sink;
};

// Installs the headless console unless it is installed already.
HeadlessConsole headlessConsole();
