// The completion for bash, loaded in bash as bash-completion loads it.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/harness.hpp"

namespace {

const char* const BASHCOMPLETION = "/usr/share/bash-completion/bash_completion";

// What the completion offers for each command line (its last word being
// completed), one line each, with the program's folder first on PATH.
std::string completions(const E2ESession& s, const std::vector<std::string>& lines) {
  std::string script = std::string("source ") + BASHCOMPLETION + "\nsource '" + PLOMAR_SOURCE_DIR +
                       "/completion/plomar'\n"
                       "offer() { COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); COMP_LINE=\"$*\";\n"
                       "  COMP_POINT=${#COMP_LINE}; COMPREPLY=(); _plomar; echo \"${COMPREPLY[*]}\"; }\n";
  for (const std::string& l : lines) script += "offer " + l + "\n";
  const std::string path = std::filesystem::path(PLOMAR_BINARY).parent_path().string();
  CommandResult r = runProgram("/usr/bin/env", {"PATH=" + path + ":/usr/bin:/bin", "bash", "-c", script}, s.dir());
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  return r.out;
}

}  // namespace

TEST(BashCompletion, CompletesCommandsOptionsTheirArgumentsAndFileNames) {
  if (!std::filesystem::exists(BASHCOMPLETION)) GTEST_SKIP() << "bash-completion is not installed";
  E2ESession s;
  s.addFile("space.txt", "");
  s.addFile("spice.csv", "");
  const std::string offered = completions(s, {
                                                 "plomar sw",
                                                 "plomar ''",
                                                 "plomar sweep --target-",
                                                 "plomar sweep --target sp",
                                                 "plomar sweep --jobs ''",
                                                 "plomar stats --measures ttr,h",
                                                 "plomar block sp",
                                                 "plomar open --p",
                                             });
  EXPECT_EQ(offered,
            "sweep\n"
            "stats block keys sweep open fit --help --version\n"
            "--target-words --target-list --target-block\n"
            "space.txt spice.csv\n"
            "\n"  // a number of jobs: nothing to offer
            "ttr,hapax ttr,h1 ttr,h2\n"
            "space.txt spice.csv\n"
            "--point\n");
}
