#pragma once
// The field rules of line entry (INPUT), shared by the keyboard and by the
// files that are read item by item.
//
// A line is split into fields at commas. Leading blanks and tabs are skipped.
// A text field ends at a comma or the line end and keeps the blanks inside and
// after it; a numeric field ends at a comma, a blank or the line end, and the
// rest up to the next comma is ignored. A field enclosed in double quotes may
// hold commas; it loses its quotes, text after the closing quote up to the next
// comma is ignored, and an unclosed quote ends at the line end. A field holds at
// most 67 characters for numbers and 4096 for text. A number is read up to the
// first character that cannot belong to it ("12ab" is 12, "ab" is 0); "d" is an
// exponent letter like "e"; "inf", "nan" and hexadecimal forms read as 0.
// Missing fields give 0 or empty text.
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

constexpr size_t NUMBERFIELDMAX = 67;
constexpr size_t TEXTFIELDMAX = 4096;

// The longest prefix of a field that reads as a decimal number, in the form
// that strtod understands ("1d3" gives "1e3"); empty when the field holds none.
std::string numberPrefix(std::string_view field);

// True when the text, leading and trailing blanks and tabs aside, is one number
// and nothing more: "12", " -3.5", "1d3"; not "", "12ab", "x1", "1 2", "1,2",
// "inf" or "0x1F". Such a text reads at a prompt as the number it shows.
bool isWholeNumber(std::string_view text);
// The text without its leading and trailing blanks and tabs.
std::string_view withoutBlanks(std::string_view text);

long double fieldToLongDouble(std::string_view field);
double fieldToDouble(std::string_view field);
float fieldToFloat(std::string_view field);

// Rounded to the nearest integer (ties to even) and held at the limits of the
// type, so that a typed value out of range is never wrapped into a valid one.
template <class I>
I fieldToInteger(std::string_view field) {
  long double v = std::nearbyint(fieldToLongDouble(field));
  if (v >= static_cast<long double>(std::numeric_limits<I>::max())) return std::numeric_limits<I>::max();
  if (v <= static_cast<long double>(std::numeric_limits<I>::min())) return std::numeric_limits<I>::min();
  return static_cast<I>(v);
}

// Scans one field from a source of characters. The source offers:
//   int peek()        next character of the current line, or -1 at its end
//   void advance()    consumes that character
//   void endItem()    consumes the comma or the line end that ended the item
template <class Source>
std::string scanField(Source& src, bool numeric) {
  auto isBlank = [](int c) { return c == ' ' || c == '\t'; };
  while (isBlank(src.peek())) src.advance();
  std::string field;
  if (src.peek() == '"') {
    src.advance();
    while (src.peek() != -1 && src.peek() != '"') {
      field.push_back(static_cast<char>(src.peek()));
      src.advance();
    }
    if (src.peek() == '"') src.advance();
  } else {
    while (src.peek() != -1 && src.peek() != ',' && !(numeric && isBlank(src.peek()))) {
      field.push_back(static_cast<char>(src.peek()));
      src.advance();
    }
  }
  while (src.peek() != -1 && src.peek() != ',') src.advance();
  src.endItem();
  size_t limit = numeric ? NUMBERFIELDMAX : TEXTFIELDMAX;
  if (field.size() > limit) field.resize(limit);
  return field;
}

// The fields of one typed line, taken in order.
class LineFields {
 public:
  explicit LineFields(std::string line) : line_(std::move(line)) {}

  std::string nextText() { return scanField(*this, false); }
  double nextDouble() { return fieldToDouble(scanField(*this, true)); }
  float nextFloat() { return fieldToFloat(scanField(*this, true)); }
  template <class I>
  I nextInteger() { return fieldToInteger<I>(scanField(*this, true)); }

  // Source interface of scanField.
  int peek() const { return pos_ < line_.size() ? static_cast<unsigned char>(line_[pos_]) : -1; }
  void advance() { ++pos_; }
  void endItem() { if (pos_ < line_.size()) ++pos_; }

 private:
  std::string line_;
  size_t pos_ = 0;
};
