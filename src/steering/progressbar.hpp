#pragma once
// The progress bar of the steering commands on standard error, when it is a
// terminal: done and total, the rate, the time left (a count alone when the
// total is not known) and a note of the caller's; redrawn at most five times
// a second.
#include <chrono>
#include <cstddef>
#include <string>

class ProgressBar {
 public:
  // `done` of `total` are done already (before this run); `what` counts them
  // ("points"), `doing` goes before the bar ("checking ").
  ProgressBar(size_t done, size_t total, const char* what = "points", const char* doing = "");
  void advance(const std::string& note = "");
  void clear();

 private:
  void draw(std::chrono::steady_clock::time_point now, const std::string& note);

  bool shown_;
  const char* what_;
  const char* doing_;
  size_t first_, done_, total_;
  int width_ = 0;  // of the longest line drawn
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now(), drawn_{};
};
