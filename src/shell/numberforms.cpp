#include "shell/numberforms.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::string withoutTrailingZeros(std::string s) {
  while (!s.empty() && s.back() == '0') s.pop_back();
  return s;
}

}  // namespace

std::string intForm(long long v) { return (v < 0 ? "" : " ") + std::to_string(v); }

std::string unsignedForm(unsigned long long v) { return std::to_string(v); }

std::string asText(long long v) { return std::to_string(v); }

std::string significantForm(double v, int digits) {
  if (v == 0) return " 0";  // negative zero too
  const char* sign = std::signbit(v) ? "-" : " ";
  if (!std::isfinite(v)) return std::string(sign) + (std::isnan(v) ? "nan" : "inf");

  // Round to D significant digits first; the exponent after rounding decides the form.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, std::fabs(v));
  std::string text(buf);
  auto e = text.find('e');
  std::string mantissa = text.substr(0, 1) + (digits > 1 ? text.substr(2, e - 2) : "");
  int exponent = std::atoi(text.c_str() + e + 1);

  std::string body;
  if (exponent >= -1 && exponent <= digits - 1) {
    std::string whole, fraction;
    if (exponent >= 0) {
      whole = mantissa.substr(0, exponent + 1);
      fraction = mantissa.substr(exponent + 1);
    } else {
      whole = "0";
      fraction = mantissa;
    }
    fraction = withoutTrailingZeros(fraction);
    body = fraction.empty() ? whole : whole + "." + fraction;
  } else {
    char exp[16];
    std::snprintf(exp, sizeof exp, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
    body = mantissa.substr(0, 1) + "." + withoutTrailingZeros(mantissa.substr(1)) + exp;
  }
  return sign + body;
}

std::string floatForm(float v) { return significantForm(static_cast<double>(v), 7); }

std::string doubleForm(double v) { return significantForm(v, 16); }

int digitCount(long long v) { return static_cast<int>(asText(v < 0 ? -v : v).size()); }

std::string fullPrecision(double value) {
  char buf[64];
  auto result = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, result.ptr);
}

std::string fixedSignificant(double v) {
  if (v == 0 || !std::isfinite(v)) return v == 0 ? "0" : fullPrecision(v);
  // The exponent after rounding to 4 significant digits decides the decimals.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3e", v);
  int exponent = std::atoi(std::strchr(buf, 'e') + 1);
  std::snprintf(buf, sizeof buf, "%.*f", std::max(0, 3 - exponent), v);
  return buf;
}
