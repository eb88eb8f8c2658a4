#include "blockgen/blockconsole.hpp"

#include <memory>

#include "state/blockgenstate.hpp"
#include "support.hpp"

int32_t WatchingKeys::wait() {
  snapshots.push_back(WaitSnapshot{con::screen(), GEN.TANKOCCUPIEDSLOTS});
  int32_t key = ScriptedKeys::wait();
  auto polls = pollsAfterWait.find(snapshots.size() - 1);
  if (polls != pollsAfterWait.end())
    for (int32_t code : polls->second) pressDuringPoll(code);
  return key;
}

void RecordingSink::flush() {
  if (!pending().empty()) flushes.push_back(pending());
  AnsiSink::flush();
}

BlockConsole::BlockConsole(int width, int height) {
  auto keys = std::make_unique<WatchingKeys>();
  auto sink = std::make_unique<RecordingSink>();
  keys_ = keys.get();
  sink_ = sink.get();
  con::install(std::move(sink), std::move(keys), width, height);
  resetProgramState();
}

BlockConsole::~BlockConsole() {
  con::install(std::make_unique<con::PlainSink>(-1), std::make_unique<con::ScriptedKeys>(), 80, 24);
}

std::string BlockConsole::output() const {
  std::string all;
  for (const std::string& f : sink_->flushes) all += f;
  return all + sink_->pending();
}

std::string cellsOf(const con::ScreenModel& screen, int r, int from, int count) {
  std::string text;
  for (int c = from; c < from + count; ++c) text += static_cast<char>(screen.charAt(r, c));
  return text;
}
