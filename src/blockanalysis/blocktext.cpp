// The block text: paragraph triggering and group separators.
#include "blockanalysis/reports.hpp"
#include "shell/files.hpp"
#include "state/blockgenstate.hpp"

namespace {

bool isSymbol(char c, std::string_view symbol) { return !symbol.empty() && c == symbol.front(); }

void appendCode(std::string& text, int32_t code) {
  if (code != 0) text += static_cast<char>(code);
}

}  // namespace

ParagraphMark paragraphMark(std::string_view group, std::string_view startSymbol, std::string_view endSymbol,
                            bool endSymbolFirst) {
  for (char c : group) {
    if (endSymbolFirst) {
      if (isSymbol(c, endSymbol)) return ParagraphMark::Ends;
      if (isSymbol(c, startSymbol)) return ParagraphMark::Starts;
    } else {
      if (isSymbol(c, startSymbol)) return ParagraphMark::Starts;
      if (isSymbol(c, endSymbol)) return ParagraphMark::Ends;
    }
  }
  return ParagraphMark::None;
}

ParagraphMark paragraphMarkOf(std::string_view group, bool mirroredText) {
  if (GEN.PARAGRFDOFLAG != "Y") return ParagraphMark::None;
  return paragraphMark(group, GEN.PARAGRFSTARTSYMBOL, GEN.PARAGRFENDSYMBOL, mirroredText);
}

std::string groupSeparators() {
  std::string text;
  appendCode(text, GEN.GROUPSEPCODE1);
  appendCode(text, GEN.GROUPSEPCODE2);
  return text;
}

std::string blockText(const Tank<Text31>& list, int32_t n, bool mirroredText) {
  const std::string separators = groupSeparators();
  std::string text;
  for (int32_t i = 1; i <= n; ++i) {
    std::string_view group = list(i).view();
    ParagraphMark mark = paragraphMarkOf(group, mirroredText);
    if (mark == ParagraphMark::Starts) text += "\r\n\r\n";
    text += group;
    if (mark == ParagraphMark::Ends) text += "\r\n\r\n";
    text += separators;
  }
  return text;
}

std::vector<std::string> readVocabularyFields(InputFile& file, size_t cap) {
  std::vector<std::string> fields;
  while (fields.size() < cap) {
    fields.push_back(file.nextText());
    if (file.eof()) break;
  }
  return fields;
}
