#include "support.hpp"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

#include "shell/shell.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "state/vocabstate.hpp"

size_t occurrences(std::string_view text, std::string_view needle) {
  size_t count = 0;
  for (size_t at = text.find(needle); at != std::string_view::npos; at = text.find(needle, at + 1)) ++count;
  return count;
}

void setRun(int32_t IM, const std::vector<int32_t>& integers) {
  RUN.IM = IM;
  RUN.N = static_cast<int32_t>(integers.size());
  RUN.CF1INTEGERSTANK.resize(0, RUN.N);
  long double sum = 0;
  for (int32_t i = 1; i <= RUN.N; ++i) {
    RUN.CF1INTEGERSTANK(i) = integers[static_cast<size_t>(i - 1)];
    sum += integers[static_cast<size_t>(i - 1)];
  }
  RUN.RUNAVG = RUN.N > 0 ? static_cast<double>(sum / RUN.N) : 0.0;
  RUN.RUNFLAG = 1;
}

void clearSymbolsMap() {
  for (int r = 1; r <= SYMBOLROWS; ++r)
    for (int c = 1; c <= MAPCOLUMNS; ++c) SYMB.SYMBOLSMAPTANK(r, c) = 0;
}

std::vector<std::string> linesOf(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t at = text.find(end); at != std::string::npos; at = text.find(end, from)) {
    lines.push_back(text.substr(from, at - from));
    from = at + end.size();
  }
  if (from < text.size()) lines.push_back(text.substr(from));
  return lines;
}

std::string crlfText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

void resetProgramState() { resetToStartState(); }

Session::Session(int width, int height) {
  auto keys = std::make_unique<con::ScriptedKeys>();
  auto out = std::make_unique<con::PlainSink>(-1);
  keys_ = keys.get();
  out_ = out.get();
  con::install(std::move(out), std::move(keys), width, height);
  resetProgramState();
}

Session::~Session() {
  con::install(std::make_unique<con::PlainSink>(-1), std::make_unique<con::ScriptedKeys>(), 80, 24);
}

int Session::findRow(std::string_view needle) const {
  for (int r = 1; r <= con::screen().height(); ++r)
    if (row(r).find(needle) != std::string::npos) return r;
  return 0;
}

TempDir::TempDir() {
  previous_ = std::filesystem::current_path();
  std::string pattern = (std::filesystem::temp_directory_path() / "plomar-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  std::filesystem::current_path(path_);
}

TempDir::~TempDir() {
  std::filesystem::current_path(previous_);
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempDir::write(const std::string& name, std::string_view bytes) const {
  std::ofstream f(path_ / name, std::ios::binary);
  f << bytes;
}

std::string TempDir::read(const std::string& name) const { return readFile((path_ / name).string()); }

std::string TempDir::readFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}
