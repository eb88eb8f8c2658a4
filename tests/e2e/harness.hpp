#pragma once
#include <sys/types.h>
// Whole-program sessions: build/plomar runs in a fresh temporary directory with
// the keys piped into it; the files it writes are compared with expected files
// kept beside this harness (tests/e2e/expected/).
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support.hpp"

struct E2EResult {
  int exitStatus = -1;
  std::string output;  // what the program printed (plain text)
};

// A program run with arguments: its exit status and what it wrote on its
// standard output and standard error, kept apart.
struct CommandResult {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

// Runs `program` with `args` in directory `dir`, with `input` on its standard
// input. The exit status of a program killed by signal s is 128 + s. A
// non-zero `addressSpace` limits the program's address space to that many
// bytes (setrlimit in the child).
CommandResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::filesystem::path& dir, std::string_view input = "", uint64_t addressSpace = 0);

// Starts the program with command-line arguments in `dir` and returns at once
// (its standard output and error dropped); the caller signals and waits for it.
pid_t startProgram(const std::vector<std::string>& args, const std::filesystem::path& dir);

class E2ESession {
 public:
  E2ESession();
  ~E2ESession();

  // Puts a file into the session's directory before the run.
  void addFile(const std::string& name, std::string_view bytes) const;
  // Runs the program with these keys on its standard input; every session
  // must end with status 0 (checked here).
  E2EResult run(std::string_view keys) const;
  std::string read(const std::string& name) const;
  // Runs the program with command-line arguments, a shell word list
  // ("stats a.txt *.csv") split and expanded by /bin/sh; its exit status is
  // the caller's to check.
  CommandResult command(const std::string& arguments, std::string_view input = "") const;
  // The same with the program's address space limited to that many bytes.
  CommandResult limitedCommand(uint64_t addressSpace, const std::string& arguments, std::string_view input = "") const;
  bool exists(const std::string& name) const;
  std::vector<std::string> files() const;
  const std::filesystem::path& dir() const { return dir_; }

 private:
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
