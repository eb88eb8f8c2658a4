#pragma once
// What every command of the command-line side shares: the usage error line
// and the name of the option that getopt_long refused.
#include <cstdint>
#include <string>

// Exit statuses of the command-line side, after the GNU conventions.
inline constexpr int EXIT_FAILED = 1;
inline constexpr int EXIT_USAGE = 2;

// One line naming the problem, then the usage hint, on standard error.
// `command` is empty for the program's own options ("plomar: ..."),
// otherwise the command's name ("plomar stats: ...").
void usageError(const std::string& command, const std::string& problem);

// Every other error line of a command, on standard error, in one form:
// "plomar COMMAND: FILE: problem" (text is "FILE: problem", with the
// system's reason where there is one).
void commandError(const std::string& command, const std::string& text);

// After getopt_long returned '?' or ':' (with opterr = 0): which option was
// refused and why, e.g. "unrecognized option '--frob'", "option '-o' needs
// an argument".
std::string refusedOptionText(int opt, char** argv);

// A whole number written in decimal digits only (no sign, no blanks), as
// options take counts; false for anything else or a value above 2^64 - 1.
bool parseCount(const char* text, uint64_t& value);

// The text as one word for a shell command line: as it is when it holds only
// letters, digits and ._/-+=:, otherwise in single quotes.
std::string shellWord(const std::string& text);
