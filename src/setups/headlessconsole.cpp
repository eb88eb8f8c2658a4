#include "setups/headlessconsole.hpp"

#include <cstdio>
#include <memory>

#include "state/shellstate.hpp"

void HeadlessKeys::typeLine(std::string_view line) {
  if (keys_.empty()) linesRead_ = 0;
  for (char c : line) keys_.push_back(static_cast<unsigned char>(c));
  keys_.push_back(con::KEY_ENTER);
}

void HeadlessKeys::clear() {
  keys_.clear();
  linesRead_ = 0;
}

int32_t HeadlessKeys::wait() {
  if (keys_.empty()) return con::KEY_ENTER;
  int32_t key = keys_.front();
  keys_.pop_front();
  if (key == con::KEY_ENTER) ++linesRead_;
  return key;
}

namespace {
constexpr size_t LINEKEPT = 4096;
}

void HeadlessSink::put(unsigned char ch, uint8_t color) {
  if (line_.size() < LINEKEPT) line_ += static_cast<char>(ch);
  if (color == SHELL.RDCOLOR && redLine_.size() < LINEKEPT) redLine_ += static_cast<char>(ch);
}

void HeadlessSink::finish() {
  if (!lastLine_.empty()) std::fprintf(stderr, "plomar: %s\n", lastLine_.c_str());
}

void HeadlessSink::lineFeed() {
  if (!line_.empty()) lastLine_.swap(line_);
  line_.clear();
  if (redLine_.empty()) return;
  size_t first = redLine_.find_first_not_of(' ');
  lastError_ = first == std::string::npos ? std::string() : redLine_.substr(first);
  redLine_.clear();
}

HeadlessConsole headlessConsole() {
  auto* keys = dynamic_cast<HeadlessKeys*>(&con::keys());
  auto* sink = dynamic_cast<HeadlessSink*>(&con::sink());
  if (keys == nullptr || sink == nullptr) {
    auto newKeys = std::make_unique<HeadlessKeys>();
    auto newSink = std::make_unique<HeadlessSink>();
    keys = newKeys.get();
    sink = newSink.get();
    con::install(std::move(newSink), std::move(newKeys), 120, 60);
  }
  return {*keys, *sink};
}
