// Set-up and space files as text: their lines, the KEY = value syntax, the
// keys and how often each may be given, and the error lines that name them.
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "setups/setupfile.hpp"
#include "shell/files.hpp"
#include "shell/inputfields.hpp"

namespace {

struct KeyRule {
  const char* name;
  bool required;
  bool repeatable;
};

// The keys in the order of setupFileText.
constexpr std::array<KeyRule, 12> KEYS{{
    {"B", true, false},
    {"G", true, true},
    {"V", true, false},
    {"X1", true, false},
    {"X2", true, false},
    {"X3", true, false},
    {"C", false, false},
    {"T", false, false},
    {"W", false, false},
    {"MAP", false, false},
    {"PHNTM", false, false},
    {"SCAN", false, false},
}};

const char* const KEYLIST = "B, G, V, X1, X2, X3, C, T, W, MAP, PHNTM, SCAN";

const std::string_view BYTEORDERMARK = "\xEF\xBB\xBF";

// A share of control characters above this makes a file binary, not text.
constexpr size_t CONTROLSHAREPERCENT = 10;

const KeyRule* findRule(const std::string& key) {
  for (const KeyRule& r : KEYS)
    if (key == r.name) return &r;
  return nullptr;
}

// Bytes that no text line holds: the control characters other than the tab,
// the line ends and the form feed, and DEL.
bool isControlByte(unsigned char u) { return (u < 32 && u != '\t' && u != '\n' && u != '\r' && u != '\f') || u == 127; }

// Bytes that a prompt would take as editing keys or drop: control characters
// other than the tab, and DEL.
bool holdsControlCharacter(const std::string& value) {
  return std::any_of(value.begin(), value.end(), [](char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u < 32 && u != '\t') || u == 127;
  });
}

SetupLine parseLine(const std::string& text, const std::string& fileName, int lineNumber) {
  size_t equals = text.find('=');
  if (equals == std::string::npos) throw setupLineError(fileName, lineNumber, text, "not a KEY = value line");
  SetupLine line{std::string(withoutBlanks(text.substr(0, equals))),
                 std::string(withoutBlanks(text.substr(equals + 1))),
                 lineNumber};
  if (findRule(line.key) == nullptr)
    throw setupLineError(fileName, lineNumber, line.key, std::string("unknown key (the keys are ") + KEYLIST + ")");
  if (holdsControlCharacter(line.value))
    throw setupLineError(fileName, lineNumber, line.key, "the value holds a control character");
  return line;
}

void checkKeyCounts(const BlockSetupFile& setup, int lastLine) {
  for (const KeyRule& r : KEYS) {
    const SetupLine* first = findSetupLine(setup, r.name);
    if (first == nullptr) {
      if (r.required)
        throw setupLineError(setup.fileName, lastLine, r.name, "missing (B, G, V, X1, X2, X3 are required)");
      continue;
    }
    if (r.repeatable) continue;
    for (const SetupLine& l : setup.lines)
      if (l.key == r.name && &l != first)
        throw setupLineError(setup.fileName, l.lineNumber, l.key,
                             "given twice (first at line " + std::to_string(first->lineNumber) + ")");
  }
}

}  // namespace

std::string excerpt(const std::string& text) {
  if (text.size() <= EXCERPTLENGTH) return text;
  return text.substr(0, EXCERPTLENGTH) + "...";
}

SetupError setupLineError(const std::string& file, int line, const std::string& key, const std::string& problem) {
  return SetupError(file + ":" + std::to_string(line) + ": " + excerpt(key) + ": " + problem);
}

const SetupLine* findSetupLine(const BlockSetupFile& setup, const std::string& key) {
  for (const SetupLine& l : setup.lines)
    if (l.key == key) return &l;
  return nullptr;
}

void checkSetupText(const std::string& text, const std::string& fileName) {
  const size_t nul = text.find('\0');
  if (nul != std::string::npos) {
    const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(nul), '\n');
    throw SetupError(fileName + ": not a text file (a NUL byte on line " + std::to_string(line) + ")");
  }
  const auto controls =
      static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return isControlByte(static_cast<unsigned char>(c)); }));
  if (controls * 100 > text.size() * CONTROLSHAREPERCENT)
    throw SetupError(fileName + ": not a text file (" + std::to_string(controls) + " of its " +
                     std::to_string(text.size()) + " bytes are control characters)");
}

std::vector<std::string> setupFileLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = text.compare(0, BYTEORDERMARK.size(), BYTEORDERMARK) == 0 ? BYTEORDERMARK.size() : 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    // CR LF, LF and a lone CR each end a line.
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

BlockSetupFile parseSetupText(const std::string& text, const std::string& fileName) {
  checkSetupText(text, fileName);
  BlockSetupFile setup{fileName, {}};
  const std::vector<std::string> lines = setupFileLines(text);
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string content(withoutBlanks(lines[n]));
    if (content.empty() || content[0] == '#') continue;
    setup.lines.push_back(parseLine(content, fileName, static_cast<int>(n + 1)));
  }
  checkKeyCounts(setup, static_cast<int>(lines.size()));
  return setup;
}

std::string readSetupBytes(const std::string& path, const std::string& kind) {
  std::string bytes;
  int systemError = 0;
  if (!readWholeInput(path, bytes, systemError))
    throw SetupError(path + ": cannot read the " + kind + " file (" + std::strerror(systemError) + ")");
  return bytes;
}

BlockSetupFile readSetupFile(const std::string& path) { return parseSetupText(readSetupBytes(path, "set-up"), path); }

std::string setupFileText(const BlockSetupFile& setup) {
  std::string text;
  for (const KeyRule& r : KEYS)
    for (const SetupLine& l : setup.lines)
      if (l.key == r.name) text += l.key + " = " + l.value + "\n";
  return text;
}
