// The steering commands' progress bar.
#include "steering/progressbar.hpp"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

ProgressBar::ProgressBar(size_t done, size_t total, const char* what, const char* doing)
    : shown_(isatty(STDERR_FILENO) == 1), what_(what), doing_(doing), first_(done), done_(done), total_(total) {}

void ProgressBar::advance(const std::string& note) {
  ++done_;
  auto now = std::chrono::steady_clock::now();
  if (shown_ && (done_ == total_ || now - drawn_ > std::chrono::milliseconds(200))) draw(now, note);
}

void ProgressBar::clear() {
  if (shown_ && width_ > 0) std::fprintf(stderr, "\r%*s\r", width_, "");
  width_ = 0;
}

void ProgressBar::draw(std::chrono::steady_clock::time_point now, const std::string& note) {
  drawn_ = now;
  double seconds = std::chrono::duration<double>(now - start_).count();
  double rate = seconds > 0 ? static_cast<double>(done_ - first_) / seconds : 0;
  const std::string tail = note.empty() ? "" : ", " + note;
  int width = 0;
  if (total_ == 0) {
    width = std::fprintf(stderr, "\r%s%zu %s, %.2f %s/s%s ", doing_, done_, what_, rate, what_, tail.c_str());
  } else {
    long left = rate > 0 ? static_cast<long>(static_cast<double>(total_ - done_) / rate) : 0;
    const int bar = 30;
    int filled = static_cast<int>(static_cast<double>(bar) * static_cast<double>(done_) / static_cast<double>(total_));
    width = std::fprintf(stderr, "\r%s[%s%s] %zu/%zu %s, %.2f %s/s, %ld:%02ld:%02ld left%s ", doing_,
                         std::string(static_cast<size_t>(filled), '#').c_str(),
                         std::string(static_cast<size_t>(bar - filled), '.').c_str(), done_, total_, what_, rate, what_,
                         left / 3600, left / 60 % 60, left % 60, tail.c_str());
  }
  width_ = std::max(width_, width - 1);
}
