#include "shell/fatal.hpp"

#include <cstdlib>
#include <unistd.h>
#include <string_view>

#include "shell/console.hpp"
#include "shell/files.hpp"

namespace {

const char* errorText(int number) {
  switch (number) {
    case ERR_FILENOTFOUND: return "file not found";
    case ERR_OUTOFMEMORY: return "out of memory";
    case ERR_OUTOFBOUNDS: return "out of bounds array access";
    default: return "runtime error";
  }
}

// "src/chaosrun/run.cpp" gives "run".
std::string unitName(std::string_view path) {
  auto slash = path.find_last_of('/');
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  auto dot = path.find('.');
  return std::string(path.substr(0, dot));
}

// "void DOCHAOSRUN()" gives "DOCHAOSRUN"; "T& Tank<T>::at(long)" gives "at".
std::string routineName(std::string_view signature) {
  auto paren = signature.find('(');
  std::string_view head = signature.substr(0, paren);
  auto start = head.find_last_of(" :*&");
  if (start != std::string_view::npos) head.remove_prefix(start + 1);
  return std::string(head);
}

}  // namespace

std::string runtimeErrorReport(int number, const std::source_location& where) {
  std::string text = "\r\nAborting due to runtime error " + std::to_string(number) + " (" +
                     errorText(number) + ") at line " + std::to_string(where.line()) + " of " +
                     unitName(where.file_name()) + "::" + routineName(where.function_name()) +
                     "()\r\n\r\n";
  return text;
}

void RUNTIMEERROR(int number, const std::source_location& where) {
  std::string report;
  try {
    report = runtimeErrorReport(number, where);
    con::print(report);
    con::shutdown();
  } catch (...) {
    // Memory ran out again while the console took the report: the terminal
    // is given back and the report goes straight to standard output.
    try {
      con::shutdown();
    } catch (...) {
    }
    const std::string_view shown = report.empty() ? std::string_view("\r\nAborting due to runtime error\r\n\r\n") : report;
    writeAllBytes(STDOUT_FILENO, shown);
  }
  std::_Exit(number);
}
