#pragma once
// The program on a pseudo-terminal, as a user at a console runs it: what it
// writes is read as the terminal receives it, and keys are typed into it.
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

class TerminalSession {
 public:
  // Starts `program args` in `dir` on a 120 x 60 terminal; each pair of
  // `environment` is set (an empty value set as empty) before it starts.
  TerminalSession(const std::string& program, const std::vector<std::string>& args, const std::filesystem::path& dir,
                  const std::vector<std::pair<std::string, std::string>>& environment = {});
  ~TerminalSession();

  // Reads until the screen (screenText) holds `text`;
  // false when it did not come within `seconds` or the program ended first.
  bool waitFor(const std::string& text, double seconds = 10);
  // Reads until nothing has come for `quietSeconds` (the program waits for a
  // key), within `seconds` at most.
  void settle(double quietSeconds = 0.3, double seconds = 10);
  void type(const std::string& keys);
  // The exit status once the program has ended (128 + s after signal s), or
  // -1 when it is still running after `seconds` (it is then killed).
  int exitStatus(double seconds = 10);

  // Every byte received so far, and the same without escape sequences.
  const std::string& received() const { return received_; }
  std::string text() const;
  // The window as it stands: its 60 rows, trailing blanks removed.
  std::vector<std::string> screen() const;
  // The screen's rows joined by line feeds.
  std::string screenText() const;

 private:
  bool readSome(int timeoutMs);
  pid_t pid_ = -1;
  int master_ = -1;
  std::string received_;
};

// The text without the terminal's escape sequences (ESC [ ... final byte).
std::string withoutEscapes(const std::string& bytes);

// The rows of a width x height window after these bytes: characters (UTF-8
// ones take one cell), CR, LF, and the escape sequences the program sends
// (cursor to row;col, to a column, clear); colours are ignored.
std::vector<std::string> screenAfter(const std::string& bytes, int width, int height);
