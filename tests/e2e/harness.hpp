#pragma once
// Whole-program sessions: build/plomar runs in a fresh temporary directory with
// the keys piped into it; the files it writes are compared with expected files
// kept beside this harness (tests/e2e/expected/).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support.hpp"

struct E2EResult {
  int exitStatus = -1;
  std::string output;  // what the program printed (plain text)
  std::string errors;  // its standard error, when kept apart (runCommand)
};

class E2ESession {
 public:
  E2ESession();
  ~E2ESession();

  // Puts a file into the session's directory before the run.
  void addFile(const std::string& name, std::string_view bytes) const;
  // Runs the program with these keys on its standard input; every session
  // must end with status 0 (checked here).
  E2EResult run(std::string_view keys) const;
  // Runs `plomar ARGS...` with these keys on its standard input, standard
  // error kept apart; any exit status is returned.
  E2EResult runCommand(const std::vector<std::string>& args, std::string_view keys = {}) const;
  std::string read(const std::string& name) const;
  // Runs `plomar ARGUMENTS` (a shell word list) in the session's directory
  // with nothing on standard input.
  struct CommandResult {
    int exitStatus = -1;
    std::string out, err;
  };
  CommandResult command(const std::string& arguments) const;
  bool exists(const std::string& name) const;
  std::vector<std::string> files() const;
  const std::filesystem::path& dir() const { return dir_; }

 private:
  E2EResult execute(const std::vector<std::string>& args, std::string_view keys, bool separateErrors) const;
  std::filesystem::path dir_;
};

// "G" and the block specification of the expected block files: 20 to 30
// groups of sizes 3 to 6, average 4 to 5, and three K, X pairs.
inline const std::string BLOCKSPECIFICATION = "GB20,30\nG3,6,1\nV4,5\nX4,1e-15\n3.9999,1e-22\n3.99999,0.3\n";

// The expected file tests/e2e/expected/<name>.
std::string expectedFile(const std::string& name);

// The bytes of a file anywhere.
std::string fileBytes(const std::string& path);
// What a shell command prints on its standard output.
std::string commandOutput(const std::string& command);
// LF line ends made CR LF.
std::string withCrLf(const std::string& text);
// Compares two texts line by line, so that a difference names its line.
void expectSameLines(const std::string& actual, const std::string& expected);
