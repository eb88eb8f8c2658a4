#pragma once
// The three kinds of input that the yardsticks measure. Each reader returns
// the tokens in order, or throws InputError whose text names the file.
#include <stdexcept>
#include <string>
#include <vector>

struct InputError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The bytes of a file, or InputError naming it and the system's reason.
std::string inputBytes(const std::string& path);

enum class InputKind { Text, List, Block };

// The tokens of an input of that kind whose bytes are already read (`path`
// names it in errors), for a caller that also needs the bytes.
std::vector<std::string> tokensOfInput(InputKind kind, const std::string& bytes, const std::string& path);
// The same, reading the file.
std::vector<std::string> tokensOfInputFile(InputKind kind, const std::string& path);

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
