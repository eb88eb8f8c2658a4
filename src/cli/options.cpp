#include "cli/options.hpp"

#include <getopt.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

void usageError(const std::string& command, const std::string& problem) {
  const std::string who = command.empty() ? "plomar" : "plomar " + command;
  std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", who.c_str(), problem.c_str(),
               who.c_str());
}

void commandError(const std::string& command, const std::string& text) {
  std::fprintf(stderr, "plomar %s: %s\n", command.c_str(), text.c_str());
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

std::string shellWord(const std::string& text) {
  if (!text.empty() && text.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._/-+=:,") ==
                           std::string::npos)
    return text;
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}
