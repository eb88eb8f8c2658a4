#pragma once
// Text read as UTF-8 with the C library's UTF-8 locale: decoding, checking
// and the classes of characters that make words.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The code points of valid UTF-8 text (see firstInvalidUtf8).
std::vector<char32_t> codePointsOf(std::string_view utf8);

// Where the first byte that does not begin a valid UTF-8 character stands,
// or std::string_view::npos when the whole text is valid.
size_t firstInvalidUtf8(std::string_view text);

// The words of valid UTF-8 text, as UTF-8: the runs of characters that the
// locale calls alphanumeric, and the apostrophes (' and its typographic
// form U+2019).
std::vector<std::string> utf8Words(std::string_view utf8);

// Each byte as the code point of the same number (ISO 8859-1), in UTF-8:
// bytes above 127 become two bytes, the text's bytes are given back exactly
// by encoding it as Latin-1.
std::string latin1AsUtf8(std::string_view bytes);

// The characters of valid UTF-8 text, each as its bytes.
std::vector<std::string> utf8Characters(std::string_view utf8);

// True when the C library has a UTF-8 locale to decode with.
bool utf8LocaleAvailable();
