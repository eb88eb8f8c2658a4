#pragma once
// The three runtime errors that end the program. Errors 4 and 6 mean a defect;
// a file that cannot be opened is reported by the file layer and does not end it.
#include <source_location>

constexpr int ERR_FILENOTFOUND = 2;
constexpr int ERR_OUTOFMEMORY = 4;
constexpr int ERR_OUTOFBOUNDS = 6;

// Prints "Aborting due to runtime error N (text) at line L of unit::ROUTINE()",
// restores the terminal and exits with N.
[[noreturn]] void RUNTIMEERROR(int number,
                               const std::source_location& where = std::source_location::current());

// The report text, kept apart so that tests can check it.
#include <string>
std::string runtimeErrorReport(int number, const std::source_location& where);
