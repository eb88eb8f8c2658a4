// Options of the program and the dispatch to its commands.
#include "cli/commandline.hpp"

#include <getopt.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "setups/blockcommands.hpp"
#include "cli/options.hpp"
#include "compare/stats.hpp"
#include "steering/fit.hpp"
#include "steering/sweep.hpp"
#include "shell/shell.hpp"

namespace {

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);  // argv[0] is the command's name
  const char* summary;
};

// The non-interactive commands, each in a file of its own.
constexpr Command COMMANDS[] = {
    {"stats", runStats, "yardsticks of texts, lists and blocks side by side"},
    {"block", runBlockCommand, "generate the block of a set-up file and write its files"},
    {"keys", runKeysCommand, "print the keys that replay a set-up file in the program"},
    {"sweep", runSweep, "generate and measure every set-up of a space against a target"},
    {"open", runOpenCommand, "the program on the terminal with the block of a set-up file made"},
    {"fit", runFit, "design a set-up from a target and search for the closest one"},
};

const Command* findCommand(const char* name) {
  for (const Command& c : COMMANDS)
    if (c.name != nullptr && std::strcmp(c.name, name) == 0) return &c;
  return nullptr;
}

void printUsage(std::FILE* out) {
  std::fputs(
      "Usage: plomar [OPTION]\n"
      "       plomar COMMAND [ARGUMENT]...\n"
      "Generate synthetic text by deterministic chaos and measure texts with the same\n"
      "yardsticks. Without arguments plomar is the interactive console program: every\n"
      "command is one key, and piped standard input is read as keys.\n"
      "\n"
      "Options:\n"
      "  -h, --help     show this help and exit\n"
      "  -V, --version  show the version and exit\n",
      out);
  bool heading = false;
  for (const Command& c : COMMANDS) {
    if (c.name == nullptr) continue;
    if (!heading) std::fputs("\nCommands (plomar COMMAND --help tells more):\n", out);
    heading = true;
    std::fprintf(out, "  %-9s%s\n", c.name, c.summary);
  }
  std::fputs("\nExit status: 0 on success, 1 when a command fails, 2 on a usage error.\n", out);
}

// A command run to its end: memory that runs out anywhere in it is one error
// line and exit status 1, never an abort; its standard output is checked.
int runCommand(const Command& c, int argc, char** argv) {
  bufferStandardOutput();
  int status;
  try {
    status = c.run(argc, argv);
  } catch (const std::bad_alloc&) {
    commandError(c.name, "out of memory");
    status = EXIT_FAILED;
  }
  return finishStandardOutput(c.name, status);
}

// The program's own options (--help, --version) when no command is named.
int runProgramOptions(int argc, char** argv) {
  static const option LONGOPTIONS[] = {
      {"help", no_argument, nullptr, 'h'},
      {"version", no_argument, nullptr, 'V'},
      {nullptr, 0, nullptr, 0},
  };
  opterr = 0;
  optind = 1;
  int opt;
  while ((opt = getopt_long(argc, argv, "+:hV", LONGOPTIONS, nullptr)) != -1) {
    switch (opt) {
      case 'h':
        printUsage(stdout);
        return 0;
      case 'V':
        printVersion();
        return 0;
      default:
        usageError("", refusedOptionText(opt, argv));
        return EXIT_USAGE;
    }
  }
  usageError("", std::string("unexpected argument '") + argv[optind] + "'");
  return EXIT_USAGE;
}

}  // namespace

int commandLineMain(int argc, char** argv) {
  if (argc <= 1) return programMain();
  setProgramName(argv[0]);
  if (argv[1][0] != '-') {
    if (const Command* c = findCommand(argv[1])) return runCommand(*c, argc - 1, argv + 1);
    usageError("", std::string("unknown command '") + argv[1] + "'");
    return EXIT_USAGE;
  }
  bufferStandardOutput();
  return finishStandardOutput("", runProgramOptions(argc, argv));
}
