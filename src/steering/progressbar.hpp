#pragma once
// The progress bar of the steering commands on standard error, when it is a
// terminal: done and total, the rate, the time left and a note of the
// caller's; redrawn at most five times a second.
#include <chrono>
#include <cstddef>
#include <string>

class ProgressBar {
 public:
  // `done` of `total` are done already (before this run); `unit` names them ("points").
  ProgressBar(size_t done, size_t total, std::string unit);
  void advance(const std::string& note = "");
  void clear();

 private:
  void draw(std::chrono::steady_clock::time_point now, const std::string& note);

  bool shown_;
  size_t first_, done_, total_;
  std::string unit_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now(), drawn_{};
};
