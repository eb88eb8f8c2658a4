// UTF-8 through mbrtowc and iswalnum in the C library's UTF-8 locale, made
// the calling thread's locale only while it is needed.
#include "compare/utf8text.hpp"

#include <locale.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace {

locale_t utf8Locale() {
  static const locale_t locale = [] {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8", "en_GB.UTF-8"})
      if (locale_t l = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr))) return l;
    return static_cast<locale_t>(nullptr);
  }();
  return locale;
}

// The thread's locale is the UTF-8 one while this lives.
class InUtf8Locale {
 public:
  InUtf8Locale() : previous_(utf8Locale() != nullptr ? uselocale(utf8Locale()) : nullptr) {}
  ~InUtf8Locale() {
    if (previous_ != nullptr) uselocale(previous_);
  }
  InUtf8Locale(const InUtf8Locale&) = delete;
  InUtf8Locale& operator=(const InUtf8Locale&) = delete;

 private:
  locale_t previous_;
};

// Decodes the character at `at`: its code point and its length in bytes, or
// a length of 0 when the bytes there are not a valid character. Byte 0 is
// the character U+0000 of length 1.
size_t decodeAt(std::string_view text, size_t at, char32_t& c) {
  const auto first = static_cast<unsigned char>(text[at]);
  if (first < 0x80) {  // a byte below 128 is the character of its number
    c = first;
    return 1;
  }
  std::mbstate_t state{};
  wchar_t w = 0;
  const size_t n = std::mbrtowc(&w, text.data() + at, text.size() - at, &state);
  if (n == static_cast<size_t>(-1) || n == static_cast<size_t>(-2)) return 0;
  c = static_cast<char32_t>(w);
  return n == 0 ? 1 : n;
}

// With the UTF-8 locale in use.
bool wordCharacterInLocale(char32_t c) {
  return c == U'\'' || c == U'\u2019' || std::iswalnum(static_cast<wint_t>(c)) != 0;
}

}  // namespace

bool utf8LocaleAvailable() { return utf8Locale() != nullptr; }

size_t firstInvalidUtf8(std::string_view text) {
  InUtf8Locale utf8;
  char32_t c = 0;
  for (size_t at = 0; at < text.size();) {
    const size_t n = decodeAt(text, at, c);
    if (n == 0) return at;
    at += n;
  }
  return std::string_view::npos;
}

std::vector<char32_t> codePointsOf(std::string_view utf8) {
  InUtf8Locale inLocale;
  std::vector<char32_t> points;
  char32_t c = 0;
  for (size_t at = 0; at < utf8.size();) {
    const size_t n = decodeAt(utf8, at, c);
    if (n == 0) {  // not expected of checked text: the byte as it is
      c = static_cast<unsigned char>(utf8[at]);
      points.push_back(c);
      ++at;
      continue;
    }
    points.push_back(c);
    at += n;
  }
  return points;
}

std::vector<std::string> utf8Words(std::string_view utf8) {
  InUtf8Locale inLocale;
  std::vector<std::string> words;
  size_t start = std::string_view::npos;
  char32_t c = 0;
  for (size_t at = 0; at < utf8.size();) {
    size_t n = decodeAt(utf8, at, c);
    if (n == 0) {
      n = 1;
      c = 0;
    }
    const bool inWord = wordCharacterInLocale(c);
    if (inWord && start == std::string_view::npos) start = at;
    if (!inWord && start != std::string_view::npos) {
      words.emplace_back(utf8.substr(start, at - start));
      start = std::string_view::npos;
    }
    at += n;
  }
  if (start != std::string_view::npos) words.emplace_back(utf8.substr(start));
  return words;
}

std::vector<std::string> utf8Characters(std::string_view utf8) {
  InUtf8Locale inLocale;
  std::vector<std::string> characters;
  char32_t c = 0;
  for (size_t at = 0; at < utf8.size();) {
    const size_t n = std::max<size_t>(decodeAt(utf8, at, c), 1);
    characters.emplace_back(utf8.substr(at, n));
    at += n;
  }
  return characters;
}

std::string latin1AsUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      text += ch;
    } else {
      text += static_cast<char>(0xC0 | (b >> 6));
      text += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return text;
}
