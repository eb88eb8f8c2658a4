#include "blockanalysis/blockfixtures.hpp"

#include <cstdlib>

#include "blockanalysis/blockanalysis.hpp"
#include "blockanalysis/reports.hpp"
#include "blockgen/blocksetup.hpp"
#include "blockgen/generation.hpp"
#include "shell/shell.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"

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

void analysedBlock(const std::vector<std::string>& groups) {
  const int32_t N = static_cast<int32_t>(groups.size());
  GEN.PROGRESSINDICATOR = N;
  GEN.BLOKGROUPSTANK.resize(0, N);
  GEN.BLOKGROUPSGRANDSIZE = 0;
  for (int s = 1; s <= MAXGROUPSIZE; ++s) GEN.ACTIVEGROUPSIZESTANK(s) = 0;
  for (int32_t i = 1; i <= N; ++i) {
    const std::string& g = groups[static_cast<size_t>(i - 1)];
    GEN.BLOKGROUPSTANK(i) = g;
    GEN.BLOKGROUPSGRANDSIZE += static_cast<int32_t>(g.size());
    GEN.ACTIVEGROUPSIZESTANK(static_cast<long>(g.size())) = 1;
  }
  FINDACTIVELOANDHIGROUPSIZES();
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

GenSetup smallSetup() {
  return {.loBlock = 4, .hiBlock = 8, .activeSizes = {2, 3}, .loAvg = 2.0f, .hiAvg = 3.0f,
          .k1 = 4.0, .x1 = 0.1, .k2 = 3.99, .x2 = 0.2, .k3 = 3.98, .x3 = 0.3};
}

std::string saveReport(Session& s, const std::string& prefix) {
  s.type("x" + prefix + "\nx");
  SHELL.GBKS = 'S';
  DIRANDSAVEFORBLOCKOFGROUPS();
  return TempDir::readFile(prefix + "CGB.txt");
}

std::vector<std::string> blockGroups(bool mirroredTable) {
  const Tank<Text31>& table = mirroredTable ? GEN.MIRRORBLOKGROUPSTANK : GEN.BLOKGROUPSTANK;
  std::vector<std::string> out;
  for (int32_t i = 1; i <= GEN.PROGRESSINDICATOR; ++i) out.push_back(table(i).str());
  return out;
}
