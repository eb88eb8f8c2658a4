// Whole-program sessions of the shell.
#include <gtest/gtest.h>

#include "e2e/harness.hpp"

TEST(ShellSession, SignOnMenusAndToggleThenEnd) {
  E2ESession s;
  E2EResult r = s.run("rT\nTE");
  const std::string& out = r.output;
  EXPECT_NE(out.find("V1.1 PLOMAR (c) the PLOMAR authors * (chaotic at K=4.0):  Y -> X   Y = KX(1 - X)\r\n"),
            std::string::npos);
  // The first menu, its one-time note, then the prompt line.
  std::string first =
      " [T]Fwd [R]Run [I]Integers [Z]Symbols [F]Freqs [S]Save {G}Groups-Block (L)Load Symbols |V|Vocab "
      "(D)Dir (E)End\r\n\r\n Note: Command-keys are case-sensitive\r\n\r\n Run: 0    Press a key to continue \r\n";
  size_t at = out.find(first);
  ASSERT_NE(at, std::string::npos) << out;
  // "r" and the line feed do nothing; "T" gives Rev, the next "T" Fwd again, "E" ends.
  std::string rest = out.substr(at + first.size());
  EXPECT_EQ(rest,
            "\r\n [T]Rev [R]Run [I]Integers [Z]Symbols [F]Freqs [S]Save {G}Groups-Block (L)Load Symbols "
            "|V|Vocab (D)Dir (E)End\r\n\r\n Run: 0    Press a key to continue \r\n"
            "\r\n [T]Fwd [R]Run [I]Integers [Z]Symbols [F]Freqs [S]Save {G}Groups-Block (L)Load Symbols "
            "|V|Vocab (D)Dir (E)End\r\n\r\n Run: 0    Press a key to continue \r\n");
  EXPECT_EQ(out.find("Note:", at + first.size()), std::string::npos);
}

TEST(ShellSession, EndOfPipedKeysEndsCleanly) {
  E2ESession s;
  E2EResult r = s.run("T");
  EXPECT_NE(r.output.find(" [T]Rev"), std::string::npos);
}

TEST(ShellSession, DirectoryListsOrdinaryFiles) {
  E2ESession s;
  s.addFile("alpha.txt", "a");
  s.addFile("beta.txt", "b");
  s.addFile(".hidden", "h");
  E2EResult r = s.run("DE");
  EXPECT_NE(r.output.find("\r\nalpha.txt                beta.txt\r\n\r\n 2 files\r\n"), std::string::npos)
      << r.output;
}
