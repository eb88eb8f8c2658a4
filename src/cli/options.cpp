#include "cli/options.hpp"

#include <getopt.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdio_ext.h>
#include <unistd.h>

namespace {

// The length of the UTF-8 character at text[i], 0 when none starts there
// (a stray continuation byte, an overlong or cut sequence, a surrogate).
size_t utf8Length(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u; };
  const unsigned lead = byte(i);
  size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead <= 0xDF ? 2 : 0;
  if (lead >= 0xF5) length = 0;
  for (size_t k = 1; k < length; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  const unsigned second = byte(i + 1);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
      (lead == 0xF4 && second >= 0x90))
    return 0;
  return length;
}

std::string commandName(const std::string& command) { return command.empty() ? "plomar" : "plomar " + command; }

}  // namespace

std::string printableText(std::string_view text) {
  static const char HEX[] = "0123456789abcdef";
  std::string shown;
  for (size_t i = 0; i < text.size();) {
    const auto u = static_cast<unsigned char>(text[i]);
    const size_t length = u < 0x80 ? 1 : utf8Length(text, i);
    if (u == 0) {
      shown += "\\0";
    } else if (u < 32 || u == 127 || length == 0) {
      shown += {'\\', 'x', HEX[u >> 4], HEX[u & 15]};
    } else {
      shown += text.substr(i, length);
      i += length;
      continue;
    }
    ++i;
  }
  return shown;
}

#include "shell/shell.hpp"

void usageError(const std::string& command, const std::string& problem) {
  const std::string who = commandName(command);
  std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", who.c_str(), printableText(problem).c_str(),
               who.c_str());
}

void commandError(const std::string& command, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", commandName(command).c_str(), printableText(text).c_str());
}

void bufferStandardOutput() {
  // The stream keeps the buffer until it is closed, after the command.
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
}

int finishStandardOutput(const std::string& command, int status) {
  // A descriptor closed from the start is no fault when nothing was written
  // to it; every other failure of the last flush or of the close is.
  const bool pending = __fpending(stdout) != 0;
  const bool failedBefore = std::ferror(stdout) != 0;
  errno = 0;
  int reason = std::fflush(stdout) != 0 ? errno : 0;
  if (std::fclose(stdout) != 0 && reason == 0 && (pending || errno != EBADF)) reason = errno;
  if (reason == 0 && failedBefore) reason = EIO;  // a write of a larger output failed before
  if (reason == 0) return status;
  commandError(command, std::string("cannot write standard output: ") + std::strerror(reason));
  return status == 0 ? EXIT_FAILED : status;
}

void printVersion() { std::printf("plomar %s\n", PROGRAMVERSION); }

bool answeredHelpOrVersion(bool help, bool version, const std::function<void()>& printUsage) {
  if (help) printUsage();
  else if (version) printVersion();
  return help || version;
}

namespace {
std::string& nameStartedBy() {
  static std::string name = "plomar";
  return name;
}
}  // namespace

const std::string& programName() { return nameStartedBy(); }

std::string programNameFromAnyFolder() {
  const std::string& name = programName();
  if (name.find('/') == std::string::npos || name.front() == '/') return name;
  char folder[4096];
  if (getcwd(folder, sizeof folder) == nullptr) return name;
  return std::string(folder) + "/" + name;
}

void setProgramName(const std::string& name) {
  if (!name.empty()) nameStartedBy() = name;
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

uint64_t countOption(const char* name, const char* text, uint64_t least, std::optional<uint64_t> most) {
  uint64_t v = 0;
  if (parseCount(text, v) && v >= least && (!most || v <= *most)) return v;
  const std::string wanted = most ? "from " + std::to_string(least) + " to " + std::to_string(*most)
                                  : "of at least " + std::to_string(least);
  throw UsageProblem{std::string("--") + name + " wants a whole number " + wanted + ", not '" + text + "'"};
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
