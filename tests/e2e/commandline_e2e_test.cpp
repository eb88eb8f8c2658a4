// The program's options and its installation, run as a user runs them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>
#include <sstream>

#include "e2e/harness.hpp"

namespace {

const std::string HINT = "Try 'plomar --help' for more information.\n";

}  // namespace

TEST(CommandLineOptions, HelpAndVersionPrintOnStandardOutputAndSucceed) {
  E2ESession s;
  for (const char* option : {"-h", "--help"}) {
    CommandResult r = s.command(option);
    EXPECT_EQ(r.exitStatus, 0) << option;
    EXPECT_EQ(r.out.rfind("Usage: plomar [OPTION]\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("  -V, --version"), std::string::npos);
    EXPECT_EQ(r.err, "");
  }
  for (const char* option : {"-V", "--version"}) {
    CommandResult r = s.command(option);
    EXPECT_EQ(r.exitStatus, 0) << option;
    EXPECT_EQ(r.out, std::string("plomar ") + PLOMAR_VERSION + "\n");
    EXPECT_EQ(r.err, "");
  }
  // Nothing of the interactive program ran: no sign-on, no file.
  EXPECT_TRUE(s.files().empty());
}

TEST(CommandLineOptions, UsageErrorsNameTheProblemOnStandardErrorWithStatus2) {
  E2ESession s;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"--frobnicate", "plomar: unrecognized option '--frobnicate'\n"},
      {"-x", "plomar: invalid option '-x'\n"},
      {"--version=2", "plomar: option '--version' does not take an argument\n"},
      {"frobnicate", "plomar: unknown command 'frobnicate'\n"},
      {"-- stray", "plomar: unexpected argument 'stray'\n"},
  };
  for (const auto& [args, line] : cases) {
    CommandResult r = s.command(args, "E");
    EXPECT_EQ(r.exitStatus, 2) << args;
    EXPECT_EQ(r.err, line + HINT);
    EXPECT_EQ(r.out, "") << "the interactive program must not start for " << args;
  }
}

TEST(CommandLineOptions, WithoutArgumentsTheInteractiveProgramRuns) {
  E2ESession s;
  CommandResult r = s.command("", "E");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_NE(r.out.find("V1.1 PLOMAR (c) the PLOMAR authors"), std::string::npos);
  EXPECT_EQ(r.err, "");
}

TEST(Installation, InstallsProgramAndManualPageIntoAPrefix) {
  E2ESession s;
  const std::string prefix = (s.dir() / "prefix").string();
  const std::string command =
      "cmake --install '" + std::string(PLOMAR_BUILD_DIR) + "' --prefix '" + prefix + "' >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const std::string program = prefix + "/bin/plomar";
  const std::string manual = prefix + "/share/man/man1/plomar.1";
  ASSERT_TRUE(std::filesystem::exists(program));
  ASSERT_TRUE(std::filesystem::exists(manual));
  EXPECT_EQ(fileBytes(prefix + "/share/bash-completion/completions/plomar"),
            fileBytes(std::string(PLOMAR_SOURCE_DIR) + "/completion/plomar"));
  CommandResult r = runProgram(program, {"--version"}, s.dir());
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out, std::string("plomar ") + PLOMAR_VERSION + "\n");
  // The manual page carries the version and the sections a reader looks for.
  const std::string page = fileBytes(manual);
  EXPECT_NE(page.find(std::string(".TH PLOMAR 1 \"December 2026\" \"plomar ") + PLOMAR_VERSION + "\""),
            std::string::npos);
  for (const char* section : {".SH SYNOPSIS", ".SH OPTIONS", ".SS Main menu", ".SS Block menu",
                              ".SS Vocabulary utilities", ".SH SCRIPTING", ".SH FILES", ".SH EXIT STATUS"})
    EXPECT_NE(page.find(section), std::string::npos) << section;
}

TEST(Installation, ManualPageFormatsWithoutWarnings) {
  if (std::system("command -v groff >/dev/null 2>&1") != 0) GTEST_SKIP() << "groff is not installed";
  const std::string page = std::string(PLOMAR_BUILD_DIR) + "/plomar.1";
  const std::string warnings = commandOutput("groff -ww -man -z '" + page + "' 2>&1");
  EXPECT_EQ(warnings, "");
  EXPECT_EQ(std::system(("groff -ww -man -z '" + page + "' 2>/dev/null").c_str()), 0);
}

namespace {

// The commands that `plomar --help` lists.
std::vector<std::string> listedCommands(const std::string& help) {
  std::vector<std::string> commands;
  const size_t from = help.find("\nCommands");
  std::istringstream in(help.substr(from == std::string::npos ? help.size() : from + 1));
  std::string line;
  std::getline(in, line);  // the heading
  while (std::getline(in, line) && line.rfind("  ", 0) == 0) commands.push_back(line.substr(2, line.find(' ', 2) - 2));
  return commands;
}

// Every option a usage text names: a word that begins with - or -- and a
// letter, after a blank, a comma, a bracket or a quote.
std::set<std::string> namedOptions(const std::string& usage) {
  std::set<std::string> options;
  const std::regex option("(^|[\\s,\\[\\(|'])(--?[A-Za-z][A-Za-z-]*)");
  for (auto it = std::sregex_iterator(usage.begin(), usage.end(), option); it != std::sregex_iterator(); ++it)
    options.insert((*it)[2]);
  return options;
}

// An option as the manual page's source writes it: every - as \-.
std::string inManualSource(const std::string& option) {
  std::string out;
  for (char c : option) out += c == '-' ? std::string("\\-") : std::string(1, c);
  return out;
}

}  // namespace

TEST(Manual, NamesEveryOptionThatTheHelpOfEveryCommandNames) {
  E2ESession s;
  const std::string page = fileBytes(std::string(PLOMAR_BUILD_DIR) + "/plomar.1");
  std::vector<std::string> commands = listedCommands(s.command("--help").out);
  EXPECT_EQ(commands, (std::vector<std::string>{"stats", "block", "keys", "sweep", "open", "fit"}));
  commands.insert(commands.begin(), "");  // the program's own options
  size_t checked = 0;
  for (const std::string& command : commands) {
    CommandResult help = s.command(command + " --help");
    ASSERT_EQ(help.exitStatus, 0) << command;
    EXPECT_NE(page.find(".B plomar " + command), std::string::npos) << "no synopsis of " << command;
    for (const std::string& option : namedOptions(help.out)) {
      EXPECT_NE(page.find(inManualSource(option)), std::string::npos) << option << " of plomar " << command;
      ++checked;
    }
  }
  EXPECT_GT(checked, 30u);
  for (const char* section : {".SH ENVIRONMENT", ".B NO_COLOR", ".SH EXAMPLES", ".SH SEE ALSO", ".SH SET\\-UP FILES",
                              ".SH SPACES", ".SS plomar open", ".SS plomar fit"})
    EXPECT_NE(page.find(section), std::string::npos) << section;
}

TEST(Manual, TheOptionFinderFindsOptionsAndNotHyphenatedWords) {
  EXPECT_EQ(namedOptions("  -p, --prefix P   a set-up file (--max-steps N) [-V] 'plomar keys --point N'"),
            (std::set<std::string>{"-p", "--prefix", "--max-steps", "-V", "--point"}));
  EXPECT_EQ(inManualSource("--max-steps"), "\\-\\-max\\-steps");
}

TEST(CommandLineOptions, EveryCommandAnswersVersionAndReadsStandardInputForDash) {
  E2ESession s;
  for (const char* command : {"stats", "block", "keys", "sweep", "open", "fit"}) {
    CommandResult r = s.command(std::string(command) + " --version");
    EXPECT_EQ(r.exitStatus, 0) << command;
    EXPECT_EQ(r.out, std::string("plomar ") + PLOMAR_VERSION + "\n") << command;
  }
  const std::string text = "the cat and the dog and the cat\n";
  s.addFile("text.txt", text);
  CommandResult fromFile = s.command("stats --csv text.txt");
  CommandResult fromInput = s.command("stats --csv -", text);
  ASSERT_EQ(fromInput.exitStatus, 0) << fromInput.err;
  EXPECT_EQ(fromInput.out.substr(fromInput.out.find('\n')), fromFile.out.substr(fromFile.out.find('\n')).replace(1, 8, "-"))
      << "the same row, named -";
  const std::string setup = "B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 4,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3\n";
  s.addFile("setup.txt", setup);
  ASSERT_EQ(s.command("block setup.txt --prefix F").exitStatus, 0);
  CommandResult block = s.command("block - --prefix I", setup);
  ASSERT_EQ(block.exitStatus, 0) << block.err;
  EXPECT_EQ(s.read("IGROUPS.txt"), s.read("FGROUPS.txt"));
  EXPECT_EQ(s.command("keys -", setup).out, s.command("keys setup.txt").out);
  for (const char* twice : {"stats - --list -", "sweep - --target -"}) {
    CommandResult r = s.command(twice, text);
    EXPECT_EQ(r.exitStatus, 2) << twice;
    EXPECT_NE(r.err.find(": standard input (-) can be read only once\n"), std::string::npos) << r.err;
  }
}
