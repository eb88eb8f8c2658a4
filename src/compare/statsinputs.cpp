// Reading the inputs of the yardsticks: texts, List files and block reports.
#include "compare/statsinputs.hpp"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>
#include <utility>

#include "compare/utf8text.hpp"
#include "shell/files.hpp"
#include "vocabutils/listfile.hpp"
#include "vocabutils/listops.hpp"

namespace {

// The position just after the next line end at or after pos (the end of the
// text when there is none).
size_t afterLineEnd(std::string_view text, size_t pos) {
  size_t lf = text.find('\n', pos);
  return lf == std::string_view::npos ? text.size() : lf + 1;
}

// Where a line that begins with the label stands, or npos.
size_t lineWith(std::string_view report, std::string_view label, size_t from = 0) {
  if (from == 0 && report.substr(0, label.size()) == label) return 0;
  std::string line = "\n" + std::string(label);
  size_t at = report.find(line, from);
  return at == std::string_view::npos ? at : at + 1;
}

// The rest of the line that begins with the label, without its line end.
std::string_view lineValue(std::string_view report, std::string_view label, const std::string& path) {
  size_t at = lineWith(report, label);
  if (at == std::string_view::npos) throw InputError(path + ": not a block report (no line '" + std::string(label) + "')");
  size_t from = at + label.size();
  size_t end = report.find_first_of("\r\n", from);
  return report.substr(from, (end == std::string_view::npos ? report.size() : end) - from);
}

// The integer that a value begins with (after blanks); fails unless the
// whole value is taken.
long integerOf(std::string_view value, const std::string& path, std::string_view what) {
  std::string text(value);
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  while (end != nullptr && *end == ' ') ++end;
  if (end == text.c_str() || *end != '\0') throw InputError(path + ": unreadable " + std::string(what) + " '" + text + "'");
  return v;
}

// The characters written after every group: code 1, then code 2, each
// only when not 0.
std::string separatorsOf(std::string_view value, const std::string& path) {
  size_t comma = value.find(',');
  if (comma == std::string_view::npos) throw InputError(path + ": unreadable separation codes '" + std::string(value) + "'");
  std::string separators;
  for (std::string_view code : {value.substr(0, comma), value.substr(comma + 1)}) {
    long c = integerOf(code, path, "separation code");
    if (c < 0 || c > 255) throw InputError(path + ": separation code out of range '" + std::string(code) + "'");
    if (c != 0) separators += static_cast<char>(c);
  }
  return separators;
}

// The forward block text: from the line after the empty line below its
// heading to the three line ends before the mirrored text's heading.
std::string_view forwardText(std::string_view report, const std::string& path) {
  size_t heading = lineWith(report, " Generated Block of Groups FORWARD-sequenced : ");
  if (heading == std::string_view::npos) throw InputError(path + ": not a block report (no forward block text)");
  size_t from = afterLineEnd(report, afterLineEnd(report, heading));
  size_t next = lineWith(report, " Generated Block of Groups MIRROR-sequenced : ", from);
  if (next == std::string_view::npos) throw InputError(path + ": the forward block text has no end");
  std::string_view text = report.substr(from, next - from);
  for (int lineEnds = 0; lineEnds < 3 && !text.empty() && text.back() == '\n'; ++lineEnds) {
    text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  }
  return text;
}

// A paragraph break is two line ends before or after a group.
std::string_view withoutLineEnds(std::string_view piece) {
  size_t first = piece.find_first_not_of("\r\n");
  if (first == std::string_view::npos) return {};
  size_t last = piece.find_last_not_of("\r\n");
  return piece.substr(first, last - first + 1);
}

// Every group of the text is followed by the separators; no group is empty.
std::vector<std::string> splitGroups(std::string_view text, const std::string& separators, bool paragraphs) {
  std::vector<std::string> groups;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t at = text.find(separators, pos);
    if (at == std::string_view::npos) at = text.size();
    std::string_view piece = text.substr(pos, at - pos);
    if (paragraphs) piece = withoutLineEnds(piece);
    if (!piece.empty()) groups.emplace_back(piece);
    pos = at + separators.size();
  }
  return groups;
}

// The groups of a block report's forward block text.
std::vector<std::string> blockReportGroups(std::string_view report, const std::string& path) {
  const std::string separators = separatorsOf(lineValue(report, " Groups separation codes : ", path), path);
  if (separators.empty())
    throw InputError(path + ": the groups of this block were written with no separator and cannot be split");
  const bool paragraphs = lineValue(report, " Paragraph triggering : ", path).substr(0, 1) == "Y";
  const long recorded = integerOf(lineValue(report, " Generated Block-size, no. of groups = ", path), path, "group count");
  std::vector<std::string> groups = splitGroups(forwardText(report, path), separators, paragraphs);
  if (static_cast<long>(groups.size()) != recorded)
    throw InputError(path + ": the block text splits into " + std::to_string(groups.size()) +
                     " groups but the report records " + std::to_string(recorded) +
                     " (the separators occur inside groups)");
  return groups;
}

// The characters of an option's text: bytes, or UTF-8 characters.
std::vector<std::string> charactersOf(const std::string& text, Characters characters) {
  if (characters == Characters::Utf8) return utf8Characters(text);
  std::vector<std::string> bytes;
  for (char c : text) bytes.emplace_back(1, c);
  return bytes;
}

// In every line, each stretch from `from` to the next `to` removed. In
// valid UTF-8 a character's bytes are found only where it stands.
std::string stripped(std::string_view text, const std::string& from, const std::string& to) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t lineEnd = afterLineEnd(text, pos);
    std::string_view line = text.substr(pos, lineEnd - pos);
    size_t at = 0;
    for (size_t a; (a = line.find(from, at)) != std::string_view::npos;) {
      const size_t b = line.find(to, a + from.size());
      if (b == std::string_view::npos) break;
      out.append(line.substr(at, a - at));
      at = b + to.size();
    }
    out.append(line.substr(at));
    pos = lineEnd;
  }
  return out;
}

// Every occurrence of the characters removed.
std::string dropped(std::string_view text, const std::vector<std::string>& characters) {
  bool first[256] = {};
  for (const std::string& c : characters) first[static_cast<unsigned char>(c[0])] = true;
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    size_t skip = 0;
    if (first[static_cast<unsigned char>(text[i])])
      for (const std::string& c : characters)
        if (text.compare(i, c.size(), c) == 0) skip = c.size();
    if (skip == 0) out += text[i++];
    else i += skip;
  }
  return out;
}

std::string cleaned(std::string_view text, const ReadingOptions& options) {
  std::string out(text);
  if (!options.strip.empty()) {
    std::vector<std::string> ab = charactersOf(options.strip, options.characters);
    out = stripped(out, ab[0], ab[1]);
  }
  if (!options.drop.empty()) out = dropped(out, charactersOf(options.drop, options.characters));
  return out;
}

bool changesText(const ReadingOptions& options) { return !options.strip.empty() || !options.drop.empty(); }

// Runs of bytes other than blank, tab, CR and LF.
std::vector<std::string> blankSeparatedWords(std::string_view text) {
  std::vector<std::string> words;
  size_t pos = 0;
  while ((pos = text.find_first_not_of(" \t\r\n", pos)) != std::string_view::npos) {
    size_t end = std::min(text.find_first_of(" \t\r\n", pos), text.size());
    words.emplace_back(text.substr(pos, end - pos));
    pos = end;
  }
  return words;
}

std::vector<std::string> tokensOfCleanText(InputKind kind, const std::string& text, Characters characters) {
  switch (kind) {
    case InputKind::List: {
      // An empty line of a list holds no token (and an empty file no line).
      std::vector<std::string> tokens = listGroups(text, std::numeric_limits<size_t>::max());
      std::erase_if(tokens, [](const std::string& t) { return t.empty(); });
      return tokens;
    }
    case InputKind::Words: return blankSeparatedWords(text);
    case InputKind::Text:
    case InputKind::Block: break;
  }
  return characters == Characters::Utf8 ? utf8Words(text) : textGroups(text, defaultAllowedSet());
}

}  // namespace

std::string readingOptionsProblem(const ReadingOptions& options) {
  const bool utf8 = options.characters == Characters::Utf8;
  for (const auto& [name, text] : {std::pair{"--strip", &options.strip}, std::pair{"--drop", &options.drop}})
    if (utf8 && firstInvalidUtf8(*text) != std::string_view::npos)
      return std::string(name) + " '" + *text + "' is not valid UTF-8 (--utf8 is given)";
  if (!options.strip.empty() && charactersOf(options.strip, options.characters).size() != 2)
    return "--strip wants two characters A and B, not '" + options.strip + "'";
  return "";
}

std::string inputBytes(const std::string& path) {
  std::string bytes;
  int systemError = 0;
  if (!readWholeInput(path, bytes, systemError)) throw InputError(path + ": " + std::strerror(systemError));
  return bytes;
}

std::vector<std::string> tokensOfInput(InputKind kind, const std::string& bytes, const std::string& path,
                                       const ReadingOptions& options) {
  if (options.characters == Characters::Utf8) {
    const size_t bad = firstInvalidUtf8(bytes);
    if (bad != std::string_view::npos) throw InputError(path + ": not valid UTF-8 at byte offset " + std::to_string(bad));
  }
  if (kind == InputKind::Block) return cleanedTokens(blockReportGroups(bytes, path), options);
  if (!changesText(options)) return tokensOfCleanText(kind, bytes, options.characters);
  return tokensOfCleanText(kind, cleaned(bytes, options), options.characters);
}

std::vector<std::string> cleanedTokens(std::vector<std::string> tokens, const ReadingOptions& options) {
  if (!changesText(options)) return tokens;
  for (std::string& t : tokens) t = cleaned(t, options);
  std::erase_if(tokens, [](const std::string& t) { return t.empty(); });
  return tokens;
}

std::vector<std::string> tokensOfInputFile(InputKind kind, const std::string& path, const ReadingOptions& options) {
  return tokensOfInput(kind, inputBytes(path), path, options);
}

TokenSequence sequenceOfInputFile(InputKind kind, const std::string& path, const ReadingOptions& options) {
  return tokenSequence(tokensOfInputFile(kind, path, options), options.characters);
}

std::vector<std::string> tokensOfTextFile(const std::string& path) { return tokensOfInputFile(InputKind::Text, path); }

std::vector<std::string> tokensOfListFile(const std::string& path) { return tokensOfInputFile(InputKind::List, path); }

std::vector<std::string> tokensOfBlockReport(const std::string& path) {
  return tokensOfInputFile(InputKind::Block, path);
}
