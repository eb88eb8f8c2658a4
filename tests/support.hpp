#pragma once
// Test support: a scripted console with a screen model, fresh program state,
// and temporary directories.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "shell/console.hpp"

// Built with AddressSanitizer (make sanitize): its shadow memory cannot live
// under an address-space limit, so tests of such limits are skipped there.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool SANITIZED_BUILD = true;
#else
inline constexpr bool SANITIZED_BUILD = false;
#endif

// How many times the needle stands in the text (overlapping places count).
size_t occurrences(std::string_view text, std::string_view needle);

// A run set up by hand, as "R" would leave it: the integers, their count and
// average, and the run flag.
void setRun(int32_t IM, const std::vector<int32_t>& integers);

// Zeros every cell of the symbols map: no integer maps to a symbol.
void clearSymbolsMap();

// The lines of a text, each without its line end (and a last piece without one).
std::vector<std::string> linesOf(const std::string& text, const std::string& end = "\r\n");

// The lines joined, each ended by CR LF.
std::string crlfText(const std::vector<std::string>& lines);

// Fresh state of every subsystem: tables sized as at start, then INIT.
void resetProgramState();

// A console of the given size whose keys come from a script and whose output
// is kept as plain text; the program state is reset.
class Session {
 public:
  explicit Session(int width = 120, int height = 60);
  ~Session();

  void type(std::string_view keys) { keys_->type(keys); }
  void press(int32_t code) { keys_->press(code); }
  con::ScriptedKeys& keys() { return *keys_; }
  std::string output() const { return out_->text(); }
  std::string row(int r) const { return con::screen().rowText(r); }
  int colorAt(int r, int c) const { return con::screen().colorAt(r, c); }
  // The first row whose text contains the needle, or 0.
  int findRow(std::string_view needle) const;

 private:
  con::ScriptedKeys* keys_;
  con::PlainSink* out_;
};

// Creates a fresh directory, makes it current, and removes it afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::filesystem::path& path() const { return path_; }
  void write(const std::string& name, std::string_view bytes) const;
  std::string read(const std::string& name) const;
  static std::string readFile(const std::string& path);

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

// A test with a fresh console and program state, in a fresh current
// directory for the files it reads and writes.
class SessionTest : public testing::Test {
 protected:
  Session s;
  TempDir dir;
};
