#include "cli/options.hpp"

#include <getopt.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdio_ext.h>

void usageError(const std::string& command, const std::string& problem) {
  const std::string who = command.empty() ? "plomar" : "plomar " + command;
  std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", who.c_str(), problem.c_str(),
               who.c_str());
}

void commandError(const std::string& command, const std::string& text) {
  const std::string who = command.empty() ? "plomar" : "plomar " + command;
  std::fprintf(stderr, "%s: %s\n", who.c_str(), text.c_str());
}

int finishStandardOutput(const std::string& command, int status) {
  // A descriptor closed from the start is no fault when nothing was written
  // to it; every other failure of the last flush or of the close is.
  const bool pending = __fpending(stdout) != 0;
  const bool failedBefore = std::ferror(stdout) != 0;
  errno = 0;
  int reason = std::fflush(stdout) != 0 ? errno : 0;
  if (std::fclose(stdout) != 0 && reason == 0 && (pending || errno != EBADF)) reason = errno;
  if (reason == 0 && failedBefore) reason = EIO;
  if (reason == 0) return status;
  commandError(command, std::string("cannot write standard output: ") + std::strerror(reason));
  return status == 0 ? EXIT_FAILED : status;
}

std::string refusedOptionText(int opt, char** argv) {
  // optind already stands after the word that held the refused option.
  const std::string word = argv[optind - 1] != nullptr ? argv[optind - 1] : "";
  const bool longForm = word.rfind("--", 0) == 0;
  const std::string name = longForm ? word.substr(0, word.find('=')) : std::string("-") + static_cast<char>(optopt);
  if (opt == ':') return "option '" + name + "' needs an argument";
  if (longForm && optopt != 0) return "option '" + name + "' does not take an argument";
  return (longForm ? "unrecognized option '" : "invalid option '") + name + "'";
}

bool parseCount(const char* text, uint64_t& value) {
  if (text == nullptr || *text < '0' || *text > '9') return false;
  errno = 0;
  char* end = nullptr;
  unsigned long long v = std::strtoull(text, &end, 10);
  if (errno != 0 || *end != '\0') return false;
  value = v;
  return true;
}
