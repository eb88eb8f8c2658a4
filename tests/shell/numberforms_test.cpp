#include <cmath>
#include <cstdlib>
#include <limits>

#include <gtest/gtest.h>

#include "shell/numberforms.hpp"

TEST(NumberForms, Integers) {
  EXPECT_EQ(intForm(0), " 0");
  EXPECT_EQ(intForm(38), " 38");
  EXPECT_EQ(intForm(-5), "-5");
  EXPECT_EQ(intForm(2147483647), " 2147483647");
  EXPECT_EQ(unsignedForm(65535), "65535");
  EXPECT_EQ(asText(38), "38");
  EXPECT_EQ(asText(-5), "-5");
}

TEST(NumberForms, DoublePlainForms) {
  EXPECT_EQ(doubleForm(2.0), " 2");
  EXPECT_EQ(doubleForm(1.25), " 1.25");
  EXPECT_EQ(doubleForm(0.5), " 0.5");
  EXPECT_EQ(doubleForm(100.0), " 100");
  EXPECT_EQ(doubleForm(0.1), " 0.1");
  EXPECT_EQ(doubleForm(123456789.0), " 123456789");
  EXPECT_EQ(doubleForm(-2.5), "-2.5");
  EXPECT_EQ(doubleForm(100.0 / 3.0), " 33.33333333333334");
}

TEST(NumberForms, DoubleExponentForms) {
  EXPECT_EQ(doubleForm(0.09), " 9.e-002");
  EXPECT_EQ(doubleForm(0.05), " 5.e-002");
  EXPECT_EQ(doubleForm(0.0125), " 1.25e-002");
  EXPECT_EQ(doubleForm(1e-15), " 1.e-015");
  EXPECT_EQ(doubleForm(-1e-15), "-1.e-015");
  EXPECT_EQ(doubleForm(1e16), " 1.e+016");
  EXPECT_EQ(doubleForm(1e300), " 1.e+300");
}

TEST(NumberForms, FormIsChosenAfterRounding) {
  // The float just below 1e-32 rounds to 7 digits as 1.000000e-32.
  EXPECT_EQ(floatForm(std::nextafter(1e-32f, 0.0f)), " 1.e-032");
  // 9.9999999e6 is stored as the float 1e7: eight digits, so exponent form.
  EXPECT_EQ(floatForm(9.9999999e6f), " 1.e+007");
  EXPECT_EQ(floatForm(9999999.0f), " 9999999");
  // The double just below 0.1 keeps 16 nines: its 16-digit rounding does not carry.
  EXPECT_EQ(doubleForm(std::nextafter(0.1, 0.0)), " 9.999999999999999e-002");
  EXPECT_EQ(doubleForm(9999999999999999.0), " 1.e+016");
  EXPECT_EQ(doubleForm(999999999999999.9), " 999999999999999.9");
}

TEST(NumberForms, Floats) {
  EXPECT_EQ(floatForm(1.2f), " 1.2");
  EXPECT_EQ(floatForm(12345678.0f), " 1.234568e+007");
  EXPECT_EQ(floatForm(2.0f / 3.0f), " 0.6666667");
  EXPECT_EQ(floatForm(0.125f), " 0.125");
  EXPECT_EQ(floatForm(4.5f), " 4.5");
  EXPECT_EQ(floatForm(-0.5f), "-0.5");
}

TEST(NumberForms, ZeroAndNegativeZero) {
  EXPECT_EQ(doubleForm(0.0), " 0");
  EXPECT_EQ(doubleForm(-0.0), " 0");
  EXPECT_EQ(floatForm(-0.0f), " 0");
}

TEST(NumberForms, DigitCount) {
  EXPECT_EQ(digitCount(0), 1);
  EXPECT_EQ(digitCount(7), 1);
  EXPECT_EQ(digitCount(123), 3);
  EXPECT_EQ(digitCount(4711), 4);
}

TEST(FixedSignificant, FourSignificantDigitsWithoutExponent) {
  EXPECT_EQ(fixedSignificant(0), "0");
  EXPECT_EQ(fixedSignificant(0.123456), "0.1235");
  EXPECT_EQ(fixedSignificant(12.3456), "12.35");
  EXPECT_EQ(fixedSignificant(1234.56), "1235");
  EXPECT_EQ(fixedSignificant(123456.7), "123457");
  EXPECT_EQ(fixedSignificant(0.000123456), "0.0001235");
  EXPECT_EQ(fixedSignificant(9.99996), "10.00");  // rounding carries into a new digit
  EXPECT_EQ(fixedSignificant(-0.5), "-0.5000");
  EXPECT_EQ(fixedSignificant(1), "1.000");
}

TEST(FullPrecision, ShortestTextThatReadsBack) {
  EXPECT_EQ(fullPrecision(0.1), "0.1");
  EXPECT_EQ(fullPrecision(0), "0");
  EXPECT_EQ(fullPrecision(-2.5), "-2.5");
  EXPECT_EQ(fullPrecision(1.0 / 3), "0.3333333333333333");
  for (double v : {1.0 / 3, 2.0 / 3, std::sqrt(2.0), 1e-300, 123456789.123, -0.670672})
    EXPECT_EQ(std::strtod(fullPrecision(v).c_str(), nullptr), v);
}
