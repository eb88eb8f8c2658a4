// The block text: paragraph triggering and group separators.
#include "blockanalysis/reports.hpp"
#include "state/blockgenstate.hpp"

namespace {

bool isSymbol(char c, std::string_view symbol) { return !symbol.empty() && c == symbol.front(); }

// GROUPSEPCODE1, then GROUPSEPCODE2, each only when not 0.
std::string groupSeparators() {
  std::string text;
  if (GEN.GROUPSEPCODE1 != 0) text += static_cast<char>(GEN.GROUPSEPCODE1);
  if (GEN.GROUPSEPCODE2 != 0) text += static_cast<char>(GEN.GROUPSEPCODE2);
  return text;
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
