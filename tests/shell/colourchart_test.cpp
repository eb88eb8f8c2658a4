// The colour chart routine shares its name with the test macro: this file
// uses GTEST_TEST and undefines TEST before declaring the routine.
#include <gtest/gtest.h>
#undef TEST

#include "shell/colourchart.hpp"
#include "state/shellstate.hpp"
#include "support.hpp"

GTEST_TEST(MainMenu, ColourChart) {
  Session s;
  s.type("x");
  TEST();
  EXPECT_EQ(s.row(1), "CF1 development test area");
  EXPECT_EQ(s.row(3), " 1\xDB");
  EXPECT_EQ(s.row(17), " 15\xDB");
  EXPECT_EQ(s.colorAt(3, 3), 1);
  EXPECT_EQ(s.colorAt(17, 4), 15);
  EXPECT_EQ(SHELL.KS, 'x');
}

