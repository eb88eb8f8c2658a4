#pragma once
// What every command of the command-line side shares: the usage error line
// and the name of the option that getopt_long refused.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Exit statuses of the command-line side, after the GNU conventions.
inline constexpr int EXIT_FAILED = 1;
inline constexpr int EXIT_USAGE = 2;

// The text as it can be shown on a terminal: byte 0 as \0, the other
// control characters, DEL and bytes that are not part of a UTF-8 character
// as \xNN (two hexadecimal digits); everything else as it is.
std::string printableText(std::string_view text);

// One line naming the problem, then the usage hint, on standard error.
// `command` is empty for the program's own options ("plomar: ..."),
// otherwise the command's name ("plomar stats: ...").
void usageError(const std::string& command, const std::string& problem);

// Every other error line of a command, on standard error, in one form:
// "plomar COMMAND: FILE: problem" (text is "FILE: problem", with the
// system's reason where there is one). Both lines show their text as
// printableText does.
void commandError(const std::string& command, const std::string& text);

// The program's name and version line on standard output, as every
// command prints it for --version.
void printVersion();
// --help (the usage, printed by `printUsage`) or else --version answered on
// standard output; true when one was, and the command ends with status 0.
bool answeredHelpOrVersion(bool help, bool version, const std::function<void()>& printUsage);

// The name the program was started by (argv[0]), for the command lines it
// prints for the user to run; "plomar" until commandLineMain sets it.
const std::string& programName();
void setProgramName(const std::string& name);
// The same, working from any folder: a relative path such as build/plomar
// gets the current folder before it (a bare name is looked up on PATH).
std::string programNameFromAnyFolder();
// The first step of every command: standard output gets a buffer large
// enough for a usage text or a table, so that a failed write is seen, with
// its reason, when finishStandardOutput flushes it.
void bufferStandardOutput();

// The last step of every command: standard output flushed and closed, and
// a write that failed (a full disk, a closed descriptor) reported as
// "plomar COMMAND: cannot write standard output: REASON". Returns the
// command's status, or EXIT_FAILED when it was 0 and the output failed.
int finishStandardOutput(const std::string& command, int status);

// After getopt_long returned '?' or ':' (with opterr = 0): which option was
// refused and why, e.g. "unrecognized option '--frob'", "option '-o' needs
// an argument".
std::string refusedOptionText(int opt, char** argv);

// A usage problem found while reading a command's options: its text goes
// to usageError (exit 2).
struct UsageProblem {
  std::string text;
};

// The value of option --NAME, a whole number of at least `least` (and at most
// `most`, when given), or a UsageProblem naming the option and the text.
uint64_t countOption(const char* name, const char* text, uint64_t least, std::optional<uint64_t> most = std::nullopt);

// A whole number written in decimal digits only (no sign, no blanks), as
// options take counts; false for anything else or a value above 2^64 - 1.
bool parseCount(const char* text, uint64_t& value);

// The text as one word for a shell command line: as it is when it holds only
// letters, digits and ._/-+=:, otherwise in single quotes.
std::string shellWord(const std::string& text);
