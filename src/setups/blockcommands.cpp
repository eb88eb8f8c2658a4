#include "setups/blockcommands.hpp"

#include <fcntl.h>
#include <getopt.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "cli/options.hpp"
#include "setups/setupfile.hpp"
#include "setups/space.hpp"
#include "shell/files.hpp"
#include "shell/inputfields.hpp"
#include "shell/shell.hpp"

namespace {

const char* const SETUPSYNTAX =
    "A set-up file holds one KEY = value line for each block menu entry; the value\n"
    "is exactly the line typed at that key's prompt (blanks around '=' and at both\n"
    "ends of the value are dropped). A line whose first non-blank character is '#'\n"
    "is a comment; empty lines are ignored.\n"
    "  B = MIN,MAX          block size range (required)\n"
    "  G = LO,HI,1|0        group sizes activated or not (required; repeatable,\n"
    "                       applied in order)\n"
    "  V = MIN,MAX          average group size range (required, after G)\n"
    "  X1 = K1,X1           the three lines of the X key (all required)\n"
    "  X2 = K2,X2\n"
    "  X3 = K3,X3\n"
    "  C = CODE1,CODE2      group separation codes (default 32,0)\n"
    "  T = Y|N,START,END    paragraph triggering (default N,#,*)\n"
    "  W = N                the symbols map on, N its highest active integer\n"
    "                       (default: the map off)\n"
    "  MAP = NAMEMAP.TXT    a symbols list and map to load (default: built in)\n"
    "  PHNTM = NAMEPHNTM.TXT  phantoms to load (default: built in)\n"
    "A wrong key, a key given twice, a value its prompt refuses or a missing\n"
    "required key is one error line FILE:LINE: KEY: problem, with exit status 2.\n";

void printBlockUsage() {
  std::printf(
      "Usage: plomar block SETUP [--prefix P] [--max-steps N]\n"
      "       plomar block SPACE --point N [--prefix P] [--max-steps N]\n"
      "Generate the block of the set-up file SETUP without a screen and write the\n"
      "files the program writes after generating it, saving the integers and the\n"
      "vocabulary, then \"F\" and \"S\" at the block menu: PIGB.txt, PVOCGB.txt and\n"
      "PCGB.txt, and the block's groups in block order as the list file PGROUPS.txt.\n"
      "`plomar keys SETUP --prefix P | plomar` writes the same first three files.\n"
      "\n"
      "Options:\n"
      "  -p, --prefix P      the prefix of the file names (default: none)\n"
      "      --point N       SETUP is the space of a sweep: take its point N\n"
      "  -n, --max-steps N   the budget of map steps of all chaos functions together\n"
      "                      (default %llu); a block that does not complete within\n"
      "                      it writes no file and exits with status 1\n"
      "  -h, --help          show this help and exit\n"
      "  -V, --version       show the version and exit\n"
      "\n%s"
      "\nExit status: 0 when the files are written, 1 when the block did not complete\n"
      "or a file could not be written, 2 for a wrong set-up file or usage.\n",
      static_cast<unsigned long long>(DEFAULT_MAX_STEPS), SETUPSYNTAX);
}

void printOpenUsage() {
  std::printf(
      "Usage: plomar open SETUP\n"
      "       plomar open SPACE --point N\n"
      "Start the interactive program with the entries of the set-up file SETUP made\n"
      "at the block menu, generate its block on screen, answer \"N\" to both save\n"
      "questions, and leave the block menu with the block to you: every key of the\n"
      "menu works from there (\"E\" returns to the main menu). SETUP - reads the\n"
      "set-up from standard input and the keys from the terminal.\n"
      "\n"
      "Options:\n"
      "      --point N   SETUP is the space of a sweep: take its point N\n"
      "  -h, --help      show this help and exit\n"
      "  -V, --version   show the version and exit\n"
      "\n%s"
      "\nExit status: 0 when the program ends, 2 for a wrong set-up file or usage.\n",
      SETUPSYNTAX);
}

void printKeysUsage() {
  std::printf(
      "Usage: plomar keys SETUP [--prefix P]\n"
      "       plomar keys SPACE --point N [--prefix P]\n"
      "Print the keys that make the program, reading them from a pipe, generate the\n"
      "block of the set-up file SETUP and write PIGB.txt, PVOCGB.txt and PCGB.txt:\n"
      "  plomar keys SETUP --prefix P | plomar\n"
      "\n"
      "Options:\n"
      "  -p, --prefix P  the prefix of the file names (default: none)\n"
      "      --point N   SETUP is the space of a sweep: take its point N\n"
      "  -h, --help      show this help and exit\n"
      "  -V, --version   show the version and exit\n"
      "\n%s"
      "\nExit status: 0 on success, 2 for a wrong set-up file or usage.\n",
      SETUPSYNTAX);
}

struct BlockOptions {
  std::string setupPath;
  std::string prefix;
  uint64_t maxSteps = DEFAULT_MAX_STEPS;
  uint64_t point = 0;  // 0: the file is a set-up, else a space and its point
  bool help = false;
  bool version = false;
};

// The prefix is typed at the program's prompts, which read a text field:
// leading blanks, commas and quotes would not arrive as given.
bool typableAsPrefix(const std::string& prefix) {
  for (char c : prefix)
    if (static_cast<unsigned char>(c) < 32 || c == 127) return false;
  return LineFields(prefix).nextText() == prefix;
}

// A count of at least 1.
bool parsePositive(const char* text, uint64_t& value) { return parseCount(text, value) && value > 0; }

const option BLOCKOPTIONS[] = {
    {"version", no_argument, nullptr, 'V'},
    {"prefix", required_argument, nullptr, 'p'},
    {"max-steps", required_argument, nullptr, 'n'},
    {"point", required_argument, nullptr, 'P'},
    {"help", no_argument, nullptr, 'h'},
    {nullptr, 0, nullptr, 0},
};
const option KEYSOPTIONS[] = {
    {"version", no_argument, nullptr, 'V'},
    {"prefix", required_argument, nullptr, 'p'},
    {"point", required_argument, nullptr, 'P'},
    {"help", no_argument, nullptr, 'h'},
    {nullptr, 0, nullptr, 0},
};
const option OPENOPTIONS[] = {
    {"version", no_argument, nullptr, 'V'},
    {"point", required_argument, nullptr, 'P'},
    {"help", no_argument, nullptr, 'h'},
    {nullptr, 0, nullptr, 0},
};

// What tells the three commands apart on their command lines.
struct CommandForm {
  const char* name;
  const char* shortOptions;
  const option* longOptions;
  void (*printUsage)();
};

const CommandForm BLOCKFORM{"block", ":p:n:hV", BLOCKOPTIONS, printBlockUsage};
const CommandForm KEYSFORM{"keys", ":p:hV", KEYSOPTIONS, printKeysUsage};
const CommandForm OPENFORM{"open", ":hV", OPENOPTIONS, printOpenUsage};

// False after a usage error was reported.
bool parseOptions(const CommandForm& form, int argc, char** argv, BlockOptions& o) {
  const char* command = form.name;
  opterr = 0;
  optind = 1;
  int opt;
  while ((opt = getopt_long(argc, argv, form.shortOptions, form.longOptions, nullptr)) != -1) {
    switch (opt) {
      case 'h': o.help = true; return true;
      case 'V': o.version = true; return true;
      case 'p': o.prefix = optarg; break;
      case 'n':
        if (parsePositive(optarg, o.maxSteps)) break;
        usageError(command, std::string("--max-steps wants a positive whole number, not '") + optarg + "'");
        return false;
      case 'P':
        if (parsePositive(optarg, o.point)) break;
        usageError(command, std::string("--point wants a point number from 1, not '") + optarg + "'");
        return false;
      default: usageError(command, refusedOptionText(opt, argv)); return false;
    }
  }
  if (argc - optind != 1) {
    usageError(command, argc - optind == 0 ? "a set-up file is needed" : "only one set-up file is taken");
    return false;
  }
  o.setupPath = argv[optind];
  if (!typableAsPrefix(o.prefix)) {
    usageError(command, "the prefix '" + o.prefix + "' cannot be typed at a prompt (leading blanks, commas, quotes)");
    return false;
  }
  return true;
}

// The sweep's syntax that a value may hold outside double quotes: "|"
// between alternatives, and ranges "LO..HI step S" where numbers are typed
// (the file names of MAP and PHNTM hold none); empty when there is none.
std::string spaceSyntaxOf(const SetupLine& line) {
  const bool ranges = line.key != "MAP" && line.key != "PHNTM";
  bool quoted = false;
  for (size_t i = 0; i < line.value.size(); ++i) {
    if (line.value[i] == '"') quoted = !quoted;
    if (quoted) continue;
    if (line.value[i] == '|') return "|";
    if (ranges && line.value.compare(i, 2, "..") == 0) return "..";
    if (ranges && line.value.compare(i, 4, "step") == 0) return "step";
  }
  return "";
}

// A set-up given without --point must not be a sweep space: its values
// would be typed at the prompts with the space's syntax in them.
void refuseSpaceSyntax(const BlockSetupFile& setup) {
  for (const SetupLine& l : setup.lines)
    if (const std::string syntax = spaceSyntaxOf(l); !syntax.empty())
      throw setupLineError(setup.fileName, l.lineNumber, l.key,
                           "'" + syntax + "' belongs to a sweep space; give --point N to take one of its points");
}

// The set-up read (of a space's point when one is given) and applied; false
// after its error line was printed.
bool loadSetup(const char* command, const BlockOptions& o, BlockSetupFile& setup) {
  try {
    if (o.point == 0) {
      setup = readSetupFile(o.setupPath);
      refuseSpaceSyntax(setup);
    } else {
      setup = pointSetup(readSpaceFile(o.setupPath), o.point);
    }
    applySetup(setup);
    return true;
  } catch (const SetupError& e) {
    commandError(command, e.what());
    return false;
  }
}

// Options, help and the set-up of the three commands: -1 when the command
// goes on, otherwise its exit status.
int startCommand(const CommandForm& form, int argc, char** argv, BlockOptions& o, BlockSetupFile& setup) {
  if (!parseOptions(form, argc, argv, o)) return EXIT_USAGE;
  if (answeredHelpOrVersion(o.help, o.version, form.printUsage)) return 0;
  return loadSetup(form.name, o, setup) ? -1 : EXIT_USAGE;
}

// After a set-up was read from standard input, the keys come from the
// terminal, as they would for a set-up file.
void keysFromTerminal() {
  if (isatty(STDIN_FILENO)) return;
  int tty = ::open("/dev/tty", O_RDONLY);
  if (tty < 0) return;  // no terminal: the keys end where the input ended
  dup2(tty, STDIN_FILENO);
  ::close(tty);
}

}  // namespace

int runBlockCommand(int argc, char** argv) {
  BlockOptions o;
  BlockSetupFile setup;
  if (int status = startCommand(BLOCKFORM, argc, argv, o, setup); status >= 0) return status;
  HeadlessBlock block = generateHeadless(o.maxSteps);
  if (!block.complete) {
    commandError("block", o.setupPath + ": out of map steps: the block did not complete within " +
                              std::to_string(o.maxSteps) + " steps (" + std::to_string(block.groups) +
                              " groups stored)");
    return EXIT_FAILED;
  }
  std::string problem;
  if (!writeBlockFiles(o.prefix, problem)) {
    commandError("block", problem);
    return EXIT_FAILED;
  }
  return 0;
}

int runKeysCommand(int argc, char** argv) {
  BlockOptions o;
  BlockSetupFile setup;
  if (int status = startCommand(KEYSFORM, argc, argv, o, setup); status >= 0) return status;
  std::fputs(pipedKeys(setup, o.prefix).c_str(), stdout);
  return 0;
}

int runOpenCommand(int argc, char** argv) {
  BlockOptions o;
  BlockSetupFile setup;
  if (int status = startCommand(OPENFORM, argc, argv, o, setup); status >= 0) return status;
  if (o.setupPath == STANDARD_INPUT_NAME) keysFromTerminal();
  return programMainTypedAhead(openingKeys());
}
