// Unique groups, non-unique occurrences and non-unique types of a block.
#include <string_view>
#include <unordered_map>
#include <vector>

#include "blockanalysis/blockanalysis.hpp"
#include "blockanalysis/sizeorder.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"

namespace {

struct Occurrences {
  int32_t count = 0;
  bool listedAsType = false;
};

}  // namespace

void COLLECTUNIQUEGROUPSINBLOK() {
  const int32_t N = GEN.PROGRESSINDICATOR;
  std::unordered_map<std::string_view, Occurrences> seen;
  seen.reserve(static_cast<size_t>(N) * 2);
  for (int32_t i = 1; i <= N; ++i) seen[GEN.BLOKGROUPSTANK(i).view()].count += 1;

  std::vector<std::string_view> unique, nonUnique, types;
  for (int32_t i = 1; i <= N; ++i) {
    std::string_view group = GEN.BLOKGROUPSTANK(i).view();
    Occurrences& o = seen[group];
    if (o.count == 1) {
      unique.push_back(group);
      continue;
    }
    nonUnique.push_back(group);
    if (!o.listedAsType) {
      o.listedAsType = true;
      types.push_back(group);
    }
  }

  const int32_t U = static_cast<int32_t>(unique.size());
  ANA.UNIQUEGROUPSCOUNT = U;
  ANA.UNIQUEGROUPSPERCENTAGE =
      N == 0 ? 0.0f : static_cast<float>((static_cast<double>(U) / static_cast<double>(N)) * 100.0);
  fillInSizeOrder(ANA.UNIQUEGROUPSTANK, unique);

  ANA.NONUNIQUEGROUPSCOUNT = N - U;
  ANA.NONUNIQUEGROUPSTANK.resize(0, ANA.NONUNIQUEGROUPSCOUNT);
  for (int32_t i = 1; i <= ANA.NONUNIQUEGROUPSCOUNT; ++i)
    ANA.NONUNIQUEGROUPSTANK(i) = nonUnique[static_cast<size_t>(i - 1)];

  const int32_t T = static_cast<int32_t>(types.size());
  ANA.NONUNIQUEGROUPSTYPECOUNT = T;
  fillInSizeOrder(ANA.NONUNIQUEGROUPSTYPESTANK, types);
  ANA.NONUNIQUEHIFREQ = 0;
  for (int32_t t = 1; t <= T; ++t) {
    int32_t frequency = seen[ANA.NONUNIQUEGROUPSTYPESTANK(t).view()].count;
    ANA.NONUNIQUEGROUPSTYPESFREQSTANK(t) = frequency;
    if (frequency > ANA.NONUNIQUEHIFREQ) ANA.NONUNIQUEHIFREQ = frequency;
  }
  ANA.NONUNIQUELOFREQ = ANA.NONUNIQUEHIFREQ;
  for (int32_t t = 1; t <= T; ++t)
    if (ANA.NONUNIQUEGROUPSTYPESFREQSTANK(t) < ANA.NONUNIQUELOFREQ)
      ANA.NONUNIQUELOFREQ = ANA.NONUNIQUEGROUPSTYPESFREQSTANK(t);
  ANA.NONTOUNIQUETYPESRATIO =
      U == 0 ? 0.0f : static_cast<float>(static_cast<long double>(T) / static_cast<long double>(U));
}
