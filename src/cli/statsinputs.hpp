#pragma once
// The three kinds of input that the yardsticks measure. Each reader returns
// the tokens in order, or throws InputError whose text names the file.
#include <stdexcept>
#include <string>
#include <vector>

struct InputError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

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
