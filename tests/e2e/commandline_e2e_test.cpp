// The program's options and its installation, run as a user runs them.
#include <gtest/gtest.h>

#include <cstdlib>

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
