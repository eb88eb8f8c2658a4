// The steering commands' progress bar.
#include "steering/progressbar.hpp"

#include <unistd.h>

#include <cstdio>

ProgressBar::ProgressBar(size_t done, size_t total, std::string unit)
    : shown_(isatty(STDERR_FILENO) == 1), first_(done), done_(done), total_(total), unit_(std::move(unit)) {}

void ProgressBar::advance(const std::string& note) {
  ++done_;
  auto now = std::chrono::steady_clock::now();
  if (shown_ && (done_ == total_ || now - drawn_ > std::chrono::milliseconds(200))) draw(now, note);
}

void ProgressBar::clear() {
  if (shown_) std::fprintf(stderr, "\r%*s\r", 100, "");
}

void ProgressBar::draw(std::chrono::steady_clock::time_point now, const std::string& note) {
  drawn_ = now;
  double seconds = std::chrono::duration<double>(now - start_).count();
  double rate = seconds > 0 ? static_cast<double>(done_ - first_) / seconds : 0;
  long left = rate > 0 ? static_cast<long>(static_cast<double>(total_ - done_) / rate) : 0;
  const int width = 30;
  int filled = total_ > 0 ? static_cast<int>(width * done_ / total_) : width;
  std::fprintf(stderr, "\r[%s%s] %zu/%zu %s, %.2f %s/s, %ld:%02ld:%02ld left%s%s ",
               std::string(static_cast<size_t>(filled), '#').c_str(),
               std::string(static_cast<size_t>(width - filled), '.').c_str(), done_, total_, unit_.c_str(), rate,
               unit_.c_str(), left / 3600, left / 60 % 60, left % 60, note.empty() ? "" : ", ", note.c_str());
}
