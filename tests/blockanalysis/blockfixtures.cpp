#include "blockanalysis/blockfixtures.hpp"

#include <cstdlib>

#include "blockanalysis/blockanalysis.hpp"
#include "blockgen/blocksetup.hpp"
#include "blockgen/generation.hpp"
#include "shell/shell.hpp"
#include "state/blockgenstate.hpp"

void constructBlock(const std::vector<std::string>& groups, const std::vector<std::string>& references) {
  const int32_t N = static_cast<int32_t>(groups.size());
  GEN.BLOKGROUPSTANK.resize(0, N);
  GEN.MIRRORBLOKGROUPSTANK.resize(0, N);
  GEN.IGNOREPHANTOMSBLOKGROUPSTANK.resize(0, N);
  for (int s = 0; s <= MAXGROUPSIZE; ++s) GEN.ACTIVEGROUPSIZESCOUNTSTANK(s) = 0;
  int32_t characters = 0;
  for (int32_t i = 1; i <= N; ++i) {
    const std::string& g = groups[static_cast<size_t>(i - 1)];
    GEN.BLOKGROUPSTANK(i) = g;
    GEN.MIRRORBLOKGROUPSTANK(N + 1 - i) = mirrored(g);
    GEN.IGNOREPHANTOMSBLOKGROUPSTANK(i) = references.empty() ? g : references[static_cast<size_t>(i - 1)];
    GEN.ACTIVEGROUPSIZESCOUNTSTANK(static_cast<long>(g.size())) += 1;
    characters += static_cast<int32_t>(g.size());
  }
  GEN.PROGRESSINDICATOR = N;
  GEN.BLOKGROUPSGRANDSIZE = characters;
  GEN.AVGGROUPSIZE = static_cast<float>(static_cast<long double>(characters) / N);
  TAKEBLOKSETUPSNAPSHOT();
  COLLECTUNIQUEGROUPSINBLOK();
  COLLECTVOCABULARYINBLOK();
  GEN.HAVEBLOKFLAG = 1;
}

void generateBlock(const GenSetup& setup) {
  applySetup(setup);
  TAKEBLOKSETUPSNAPSHOT();
  cancelAfterSteps(200'000'000);  // a set-up that cannot finish fails instead of hanging
  STARTBLOKGENERATION();
  for (;;) {
    GenAdvance a = ADVANCEBLOKGENERATION();
    if (a == GenAdvance::Complete) break;
    if (a == GenAdvance::Cancelled) std::abort();
  }
  FINISHBLOKGENERATION();
}

std::vector<std::string> crlfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      if (start < bytes.size()) lines.push_back(bytes.substr(start));
      return lines;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
}

std::vector<std::string> blockGroups(bool mirroredTable) {
  const Tank<Text31>& table = mirroredTable ? GEN.MIRRORBLOKGROUPSTANK : GEN.BLOKGROUPSTANK;
  std::vector<std::string> out;
  for (int32_t i = 1; i <= GEN.PROGRESSINDICATOR; ++i) out.push_back(table(i).str());
  return out;
}
