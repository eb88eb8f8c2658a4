#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

#include "shell/console.hpp"
#include "shell/files.hpp"

namespace con {

// ---- Screen model ----------------------------------------------------------

ScreenModel::ScreenModel(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)),
      cells_(static_cast<size_t>(width_ * height_)) {}

void ScreenModel::put(unsigned char ch, uint8_t color) {
  if (pendingWrap_) {
    pendingWrap_ = false;
    col_ = 1;
    lineFeed();
  }
  cell(row_, col_) = Cell{ch, color};
  if (col_ == width_) {
    pendingWrap_ = true;
  } else {
    ++col_;
  }
}

void ScreenModel::carriageReturn() {
  col_ = 1;
  pendingWrap_ = false;
}

void ScreenModel::lineFeed() {
  pendingWrap_ = false;
  if (row_ == height_) {
    scrollUp();
  } else {
    ++row_;
  }
}

void ScreenModel::scrollUp() {
  std::move(cells_.begin() + width_, cells_.end(), cells_.begin());
  std::fill(cells_.end() - width_, cells_.end(), Cell{});
  ++scrolled_;
}

void ScreenModel::clear() {
  std::fill(cells_.begin(), cells_.end(), Cell{});
  row_ = col_ = 1;
  pendingWrap_ = false;
}

bool ScreenModel::locate(int row, int col) {
  if (row == 0) row = row_;
  if (col == 0) col = col_;
  if (row < 1 || row > height_ || col < 1 || col > width_) return false;
  row_ = row;
  col_ = col;
  pendingWrap_ = false;
  return true;
}

void ScreenModel::moveToColumn(int col) {
  col_ = std::clamp(col, 1, width_);
  pendingWrap_ = false;
}

void ScreenModel::resize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  std::vector<Cell> fresh(static_cast<size_t>(width * height));
  for (int r = 1; r <= std::min(height, height_); ++r)
    for (int c = 1; c <= std::min(width, width_); ++c)
      fresh[static_cast<size_t>((r - 1) * width + (c - 1))] = cell(r, c);
  cells_.swap(fresh);
  width_ = width;
  height_ = height;
  row_ = std::min(row_, height_);
  col_ = std::min(col_, width_);
}

unsigned char ScreenModel::charAt(int row, int col) const { return cell(row, col).ch; }

uint8_t ScreenModel::colorAt(int row, int col) const { return cell(row, col).color; }

std::string ScreenModel::rowText(int row) const {
  std::string s;
  for (int c = 1; c <= width_; ++c) s += static_cast<char>(cell(row, c).ch);
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// ---- Sinks -------------------------------------------------------------------

namespace {

// A terminal that has gone leaves nothing sensible to do about a failure.
void writeAll(int fd, const std::string& bytes) { writeAllBytes(fd, bytes); }

// Palette numbers count blue as bit 0 and red as bit 2; ANSI the other way round.
int ansiColor(int palette) {
  int base = ((palette & 1) << 2) | (palette & 2) | ((palette & 4) >> 2);
  return (palette & 8) ? 90 + base : 30 + base;
}

}  // namespace

// Every escape sequence the program sends:
//   ESC [ 3n m / ESC [ 9n m   foreground colour (normal / bright)
//   ESC [ 0 m                 attributes reset when the program ends
//   ESC [ H ESC [ 2 J         cursor home, clear the window
//   ESC [ row ; col H         cursor position
//   ESC [ col G               cursor to a column of the current row
AnsiSink::AnsiSink(int fd, bool useColor) : fd_(fd), useColor_(useColor) {}

void AnsiSink::put(unsigned char ch, uint8_t color) {
  static const auto glyphs = [] {
    std::array<std::string, 256> g;
    for (int b = 0; b < 256; ++b) g[static_cast<size_t>(b)] = utf8(cp437Glyph(static_cast<unsigned char>(b)));
    return g;
  }();
  if (useColor_ && color != emittedColor_) {
    buffer_ += "\x1b[";
    buffer_ += std::to_string(ansiColor(color));
    buffer_ += 'm';
    emittedColor_ = color;
  }
  if (ch >= 32 && ch < 127) {
    buffer_ += static_cast<char>(ch);
  } else {
    buffer_ += glyphs[ch];
  }
}

void AnsiSink::clear() { buffer_ += "\x1b[H\x1b[2J"; }

void AnsiSink::moveTo(int row, int col, int) {
  buffer_ += "\x1b[" + std::to_string(row) + ";" + std::to_string(col) + "H";
}

void AnsiSink::moveToColumn(int col) { buffer_ += "\x1b[" + std::to_string(col) + "G"; }

void AnsiSink::flush() {
  if (fd_ >= 0) writeAll(fd_, buffer_);
  buffer_.clear();
}

void AnsiSink::finish() {
  if (useColor_) buffer_ += "\x1b[0m";
  emittedColor_ = -1;
  flush();
}

void PlainSink::put(unsigned char ch, uint8_t) {
  buffer_ += static_cast<char>(ch == 0 ? ' ' : ch);
  ++column_;
}

void PlainSink::breakLine() {
  if (column_ != 1) {
    buffer_ += "\r\n";
    column_ = 1;
  }
}

void PlainSink::clear() { breakLine(); }

void PlainSink::moveTo(int row, int, int fromRow) {
  if (row != fromRow) breakLine();
}

void PlainSink::moveToColumn(int col) {
  if (column_ > col) breakLine();
  buffer_.append(static_cast<size_t>(col - column_), ' ');
  column_ = col;
}

void PlainSink::flush() {
  if (fd_ < 0) return;
  writeAll(fd_, buffer_);
  buffer_.clear();
}

}  // namespace con
