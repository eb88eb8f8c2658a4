#pragma once
// The kinds of input that the yardsticks measure and how they are read.
// Each reader returns the tokens in order, or throws InputError whose text
// names the file.
#include <stdexcept>
#include <string>
#include <vector>

#include "compare/tokensequence.hpp"

struct InputError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The bytes of a file, or InputError naming it and the system's reason.
std::string inputBytes(const std::string& path);

// Text: runs of letters, digits and apostrophes. Words: runs of bytes
// other than blank, tab, CR and LF, as written (a transcription's words).
// List: one token a line. Block: the groups of a block report.
enum class InputKind { Text, Words, List, Block };

// What is done to every input before its tokens are made.
struct ReadingOptions {
  // Two characters A and B: in every line, every stretch from an A to the
  // next B, both included, is removed (empty: nothing is).
  std::string strip;
  // These characters are removed (after strip).
  std::string drop;
  // With Utf8 the input must be valid UTF-8, a character is a code point,
  // and a text's words are runs of what the C library's UTF-8 locale calls
  // alphanumeric, and apostrophes.
  Characters characters = Characters::Bytes;
};
// Why the options cannot be used ("--strip wants two characters, ..."),
// or empty text when they can.
std::string readingOptionsProblem(const ReadingOptions& options);

// The tokens of an input of that kind whose bytes are already read (`path`
// names it in errors), for a caller that also needs the bytes. For a block
// report, strip and drop apply to each group.
std::vector<std::string> tokensOfInput(InputKind kind, const std::string& bytes, const std::string& path,
                                       const ReadingOptions& options = {});
// The same, reading the file.
std::vector<std::string> tokensOfInputFile(InputKind kind, const std::string& path, const ReadingOptions& options = {});
// Tokens (such as a block's groups) with strip and drop applied to each;
// those left empty are left out.
std::vector<std::string> cleanedTokens(std::vector<std::string> tokens, const ReadingOptions& options);

// The tokens of a file ready to be measured.
TokenSequence sequenceOfInputFile(InputKind kind, const std::string& path, const ReadingOptions& options = {});

// An ordinary text: maximal runs of the default allowed characters (the
// apostrophe, digits and letters), in text order, as the utilities' list of
// groups from a text makes them.
std::vector<std::string> tokensOfTextFile(const std::string& path);

// A List file, one token a line, read as the utilities read lists but with
// no cap on the number of lines.
std::vector<std::string> tokensOfListFile(const std::string& path);

// A block report: the groups of its forward block text, split by the
// separation codes and paragraph symbols that the report records.
std::vector<std::string> tokensOfBlockReport(const std::string& path);
