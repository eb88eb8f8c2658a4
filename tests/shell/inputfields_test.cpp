#include <cstdint>

#include <gtest/gtest.h>

#include "shell/files.hpp"
#include "shell/inputfields.hpp"
#include "support.hpp"

TEST(InputFields, RunPromptExample) {
  LineFields f("3.9, .5,100,2000");
  EXPECT_EQ(f.nextDouble(), 3.9);
  EXPECT_EQ(f.nextDouble(), 0.5);
  EXPECT_EQ(f.nextInteger<int32_t>(), 100);
  EXPECT_EQ(f.nextInteger<int32_t>(), 2000);
}

TEST(InputFields, MissingFieldsAreZeroOrEmpty) {
  LineFields f("4");
  EXPECT_EQ(f.nextDouble(), 4.0);
  EXPECT_EQ(f.nextDouble(), 0.0);
  EXPECT_EQ(f.nextInteger<int32_t>(), 0);
  EXPECT_EQ(f.nextText(), "");
}

TEST(InputFields, IntegersRoundToNearestEven) {
  EXPECT_EQ(fieldToInteger<int32_t>("2.6"), 3);
  EXPECT_EQ(fieldToInteger<int32_t>("2.5"), 2);
  EXPECT_EQ(fieldToInteger<int32_t>("3.5"), 4);
  EXPECT_EQ(fieldToInteger<int32_t>("-2.6"), -3);
  EXPECT_EQ(fieldToInteger<int32_t>("1e3"), 1000);
  EXPECT_EQ(fieldToInteger<int32_t>("1d3"), 1000);
}

TEST(InputFields, OutOfRangeIsHeldNotWrapped) {
  EXPECT_EQ(fieldToInteger<int16_t>("70000"), 32767);
  EXPECT_EQ(fieldToInteger<int16_t>("-70000"), -32768);
  EXPECT_EQ(fieldToInteger<int32_t>("99999999999"), 2147483647);
  EXPECT_EQ(fieldToInteger<uint8_t>("256"), 255);
}

TEST(InputFields, NumberStopsAtTheFirstForeignCharacter) {
  EXPECT_EQ(fieldToDouble("12abc"), 12.0);
  EXPECT_EQ(fieldToDouble("abc"), 0.0);
  EXPECT_EQ(fieldToDouble("inf"), 0.0);
  EXPECT_EQ(fieldToDouble("nan"), 0.0);
  EXPECT_EQ(fieldToDouble("0x1p3"), 0.0);
  EXPECT_EQ(fieldToDouble("1e"), 1.0);
  EXPECT_EQ(fieldToDouble("1e+"), 1.0);
  EXPECT_EQ(fieldToDouble("-.5"), -0.5);
  EXPECT_EQ(fieldToDouble("+7"), 7.0);
  EXPECT_EQ(fieldToDouble("."), 0.0);
  EXPECT_EQ(fieldToDouble("1.45e-11"), 1.45e-11);
  EXPECT_EQ(fieldToFloat("1.001"), 1.001f);
}

TEST(InputFields, WholeNumbers) {
  for (const char* number : {"12", " 38", "-3", "+7", "-.5", "5.", "1d3", "1.45e-11", "7 \t"})
    EXPECT_TRUE(isWholeNumber(number)) << number;
  for (const char* other : {"", "  ", "x1", "12ab", "1e", "1e+", ".", "1 2", "1,2", "inf", "nan", "0x1F", "\"5\""})
    EXPECT_FALSE(isWholeNumber(other)) << other;
  EXPECT_EQ(withoutBlanks("\t a b "), "a b");
}

TEST(InputFields, BlanksQuotesAndCommas) {
  LineFields numbers("10 5, 7");
  EXPECT_EQ(numbers.nextInteger<int32_t>(), 10);
  EXPECT_EQ(numbers.nextInteger<int32_t>(), 7);

  LineFields text("  run 1  ,\t\"a,b\"tail, \"open");
  EXPECT_EQ(text.nextText(), "run 1  ");
  EXPECT_EQ(text.nextText(), "a,b");
  EXPECT_EQ(text.nextText(), "open");
  EXPECT_EQ(text.nextText(), "");

  LineFields quotedBlank("3,5,\" \"");
  EXPECT_EQ(quotedBlank.nextInteger<int16_t>(), 3);
  EXPECT_EQ(quotedBlank.nextInteger<int16_t>(), 5);
  EXPECT_EQ(quotedBlank.nextText(), " ");
}

TEST(InputFields, FieldLimits) {
  std::string longNumber = "1" + std::string(100, '0');
  EXPECT_EQ(scanField(*std::make_unique<LineFields>(longNumber), true).size(), NUMBERFIELDMAX);
  std::string longText(5000, 'x');
  LineFields f(longText);
  EXPECT_EQ(f.nextText().size(), TEXTFIELDMAX);
}

TEST(InputFields, FileItemsEndAtCommasAndLineEnds) {
  TempDir dir;
  dir.write("items.txt", "te\r\nxx,ka\n\n \"q,r\" \rlast");
  InputFile f;
  ASSERT_TRUE(f.open("items.txt"));
  EXPECT_EQ(f.nextText(), "te");
  EXPECT_EQ(f.nextText(), "xx");
  EXPECT_EQ(f.nextText(), "ka");
  EXPECT_EQ(f.nextText(), "");
  EXPECT_EQ(f.nextText(), "q,r");
  EXPECT_FALSE(f.eof());
  EXPECT_EQ(f.nextText(), "last");
  EXPECT_TRUE(f.eof());
}

TEST(InputFields, FileLinesAndNumbers) {
  TempDir dir;
  dir.write("map.txt", " 1\r\n_\r\n 7\r\n-3\r\n\r\n");
  InputFile f;
  ASSERT_TRUE(f.open("map.txt"));
  EXPECT_EQ(f.nextInteger<int32_t>(), 1);
  EXPECT_EQ(f.readLine(), "_");
  EXPECT_EQ(f.nextInteger<int32_t>(), 7);
  EXPECT_EQ(f.nextInteger<int32_t>(), -3);
  EXPECT_EQ(f.readLine(), "");
  EXPECT_TRUE(f.eof());
}
