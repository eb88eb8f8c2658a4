#include <gtest/gtest.h>

#include "cli/options.hpp"

TEST(PrintableText, ControlBytesAndBrokenUtf8AreEscaped) {
  using namespace std::string_literals;
  EXPECT_EQ(printableText("plain text, 3.5 | x"), "plain text, 3.5 | x");
  EXPECT_EQ(printableText("W\0 = 3"s), "W\\0 = 3");
  EXPECT_EQ(printableText("a\tb\nc\rd\x1b[31m\x7f"), "a\\x09b\\x0ac\\x0dd\\x1b[31m\\x7f");
  // Whole UTF-8 characters stay as they are; a byte of none is escaped.
  EXPECT_EQ(printableText("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"), "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80");
  EXPECT_EQ(printableText("\xe9t\xe9"), "\\xe9t\\xe9");              // code page bytes
  EXPECT_EQ(printableText("\xc3"), "\\xc3");                        // cut at the end
  EXPECT_EQ(printableText("\xe2\x82"), "\\xe2\\x82");
  EXPECT_EQ(printableText("\x80\xbf"), "\\x80\\xbf");               // stray continuations
  EXPECT_EQ(printableText("\xc0\xaf"), "\\xc0\\xaf");               // overlong
  EXPECT_EQ(printableText("\xed\xa0\x80"), "\\xed\\xa0\\x80");      // a surrogate
  EXPECT_EQ(printableText("\xf4\x90\x80\x80"), "\\xf4\\x90\\x80\\x80");  // beyond U+10FFFF
  EXPECT_EQ(printableText("\xff"), "\\xff");
}
