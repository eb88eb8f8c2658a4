#pragma once
// The one printed form of numbers, used by screens and files alike.
#include <cstdint>
#include <string>

// Signed integer: one blank before a non-negative value, "-" before a negative one.
std::string intForm(long long v);
// Unsigned 16-bit integer: decimal, no blank.
std::string unsignedForm(unsigned long long v);
// Integer inside messages and file names: no blank, "-" for negatives.
std::string asText(long long v);
// 32-bit float with 7 significant digits.
std::string floatForm(float v);
// 64-bit float with 16 significant digits.
std::string doubleForm(double v);
// The float rule for D significant digits (plain form for exponents -1..D-1,
// else d.ddde+NNN with at least three exponent digits).
std::string significantForm(double v, int digits);
// The command-line forms. Fixed style with 4 significant digits ("0.6667",
// "150.0", "0"), for aligned tables.
std::string fixedSignificant(double v);
// The shortest text that reads back as the same double, for CSV and JSON.
std::string fullPrecision(double value);
// Number of decimal digits of a non-negative integer's text form.
int digitCount(long long v);
