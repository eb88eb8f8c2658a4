#pragma once
// A console for the block generator's command loop: scripted keys with a
// snapshot of the screen before every wait, and a terminal sink (without
// colour codes) that keeps what each flush wrote. Program state is reset.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "shell/console.hpp"

// The screen and the generation's counters at the moment a key was awaited.
struct WaitSnapshot {
  con::ScreenModel screen;
  int32_t storedGroups = 0;  // groups in the tank
  std::string row(int r) const { return screen.rowText(r); }
};

class WatchingKeys : public con::ScriptedKeys {
 public:
  int32_t wait() override;
  std::vector<WaitSnapshot> snapshots;
  // Keys offered to the polls once the wait numbered `wait` (from 0) has
  // returned: the polls of a later generation, not of an earlier one.
  std::map<size_t, std::vector<int32_t>> pollsAfterWait;
};

class RecordingSink : public con::AnsiSink {
 public:
  RecordingSink() : AnsiSink(-1, false) {}
  void flush() override;
  std::vector<std::string> flushes;  // one entry per flush that wrote something
};

class BlockConsole {
 public:
  explicit BlockConsole(int width = 120, int height = 60);
  ~BlockConsole();

  void type(std::string_view keys) { keys_->type(keys); }
  void press(int32_t code) { keys_->press(code); }
  void pressDuringPoll(int32_t code) { keys_->pressDuringPoll(code); }
  void pressDuringPollAfterWait(size_t wait, int32_t code) { keys_->pollsAfterWait[wait].push_back(code); }
  const std::vector<WaitSnapshot>& waits() const { return keys_->snapshots; }
  const std::vector<std::string>& flushes() const { return sink_->flushes; }
  // Everything written so far, cursor movements included.
  std::string output() const;

  std::string row(int r) const { return con::screen().rowText(r); }
  int colorAt(int r, int c) const { return con::screen().colorAt(r, c); }

 private:
  WatchingKeys* keys_;
  RecordingSink* sink_;
};

// The text of row r of a screen from column `from`, `count` characters.
std::string cellsOf(const con::ScreenModel& screen, int r, int from, int count);
