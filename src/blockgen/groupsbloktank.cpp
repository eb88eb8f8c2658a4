#include "blockgen/groupsbloktank.hpp"

#include <memory>

#include "blockgen/generatorchaos.hpp"
#include "shell/files.hpp"
#include "shell/numberforms.hpp"
#include "shell/shell.hpp"
#include "state/blockgenstate.hpp"

void INIT_GROUPSBLOKTANK() {
  GEN.GROUPSBLOKTANK.resize(0, GEN.XHIBLOKSIZE);
  GEN.IGNOREPHANTOMSGROUPSBLOKTANK.resize(0, GEN.XHIBLOKSIZE);
  GEN.TANKOCCUPIEDSLOTS = 0;
  GEN.TANKOCCUPIEDCHARS = 0;
}

void RESETACTIVEGROUPSIZESCOUNTS() {
  for (int s = 1; s <= MAXGROUPSIZE; ++s) GEN.ACTIVEGROUPSIZESCOUNTSTANK(s) = 0;
}

void CONDXOFGROUPSBLOKTANK() {
  GEN.PROGRESSINDICATOR = GEN.TANKOCCUPIEDSLOTS;
  if (GEN.PROGRESSINDICATOR > 0) {
    GEN.BLOKGROUPSGRANDSIZE = GEN.TANKOCCUPIEDCHARS;
    GEN.AVGGROUPSIZE = static_cast<float>(static_cast<long double>(GEN.BLOKGROUPSGRANDSIZE) /
                                          static_cast<long double>(GEN.PROGRESSINDICATOR));
    if (GEN.BACKDOORACCESSFLAG == 1 && GEN.BACKDOORRECORDFILE)
      GEN.BACKDOORRECORDFILE->printLine(floatForm(GEN.AVGGROUPSIZE));
  } else {
    GEN.BLOKGROUPSGRANDSIZE = 0;
    GEN.AVGGROUPSIZE = 0;
  }
}

void STOREGROUPINBLOKTANK(int32_t slot, std::string_view group, std::string_view reference) {
  GEN.GROUPSBLOKTANK(slot) = group;
  GEN.IGNOREPHANTOMSGROUPSBLOKTANK(slot) = reference;
  GEN.TANKOCCUPIEDSLOTS += 1;
  GEN.TANKOCCUPIEDCHARS += static_cast<int32_t>(GEN.GROUPSBLOKTANK(slot).size());
}

void FREEBLOKTANKSLOT(int32_t slot) {
  int32_t length = static_cast<int32_t>(GEN.GROUPSBLOKTANK(slot).size());
  GEN.GROUPSBLOKTANK(slot).clear();
  GEN.IGNOREPHANTOMSGROUPSBLOKTANK(slot).clear();
  GEN.ACTIVEGROUPSIZESCOUNTSTANK(length) -= 1;
  GEN.TANKOCCUPIEDSLOTS -= 1;
  GEN.TANKOCCUPIEDCHARS -= length;
}

int32_t REMOVEGROUPSFMWINDOW() {
  GEN.REMOVEDGROUPSCOUNT = 0;
  const float average = GEN.AVGGROUPSIZE;
  const bool tooLarge = average >= GEN.LOAVGGROUPSIZE;
  for (int32_t s = GEN.LOBLOKVECTOR; s <= GEN.HIBLOKVECTOR; ++s) {
    int32_t length = static_cast<int32_t>(GEN.GROUPSBLOKTANK(s).size());
    if (length == 0) continue;
    bool remove = tooLarge ? length >= average : length <= average;
    if (!remove) continue;
    FREEBLOKTANKSLOT(s);
    GEN.REMOVEDGROUPSCOUNT += 1;
  }
  return GEN.REMOVEDGROUPSCOUNT;
}

namespace {

// Two GCF3 draws give the window, in ascending order.
bool drawRemovalWindow() {
  if (!GENERATEBLOKVECTOR()) return false;
  GEN.LOBLOKVECTOR = GEN.BLOKVECTOR;
  if (!GENERATEBLOKVECTOR()) return false;
  GEN.HIBLOKVECTOR = GEN.BLOKVECTOR;
  if (GEN.HIBLOKVECTOR < GEN.LOBLOKVECTOR) std::swap(GEN.LOBLOKVECTOR, GEN.HIBLOKVECTOR);
  GEN.HILOBLOKVECTORSPAN = GEN.HIBLOKVECTOR - GEN.LOBLOKVECTOR + 1;
  return true;
}

bool windowHoldsAGroup() {
  for (int32_t s = GEN.LOBLOKVECTOR; s <= GEN.HIBLOKVECTOR; ++s)
    if (!GEN.GROUPSBLOKTANK(s).empty()) return true;
  return false;
}

}  // namespace

// Windows are drawn until one narrower than the smallest acceptable block
// frees a group; every retry costs two GCF3 draws.
bool REMOVEGROUPSFMBLOKTANK() {
  GEN.REMOVEDGROUPSCOUNT = 0;
  for (;;) {
    if (!drawRemovalWindow()) return false;
    if (GEN.HILOBLOKVECTORSPAN >= GEN.LOBLOKSIZE) continue;
    if (!windowHoldsAGroup()) continue;
    if (REMOVEGROUPSFMWINDOW() == 0) continue;
    CONDXOFGROUPSBLOKTANK();
    return true;
  }
}

void COLLECTGROUPSINBLOK() {
  const int32_t N = GEN.PROGRESSINDICATOR;
  GEN.BLOKGROUPSTANK.resize(0, N);
  GEN.IGNOREPHANTOMSBLOKGROUPSTANK.resize(0, N);
  GEN.MIRRORBLOKGROUPSTANK.resize(0, N);
  int32_t i = 0;
  for (int32_t s = 1; s <= GEN.XHIBLOKSIZE; ++s) {
    if (GEN.GROUPSBLOKTANK(s).empty()) continue;
    ++i;
    GEN.BLOKGROUPSTANK(i) = GEN.GROUPSBLOKTANK(s);
    GEN.IGNOREPHANTOMSBLOKGROUPSTANK(i) = GEN.IGNOREPHANTOMSGROUPSBLOKTANK(s);
  }
  for (i = 1; i <= N; ++i) GEN.MIRRORBLOKGROUPSTANK(N + 1 - i) = mirrored(GEN.BLOKGROUPSTANK(i).view());
}

bool OPENBACKDOORRECORDFILE(const std::string& name) {
  auto file = std::make_shared<OutputFile>();
  if (!file->open(name)) {
    GEN.BACKDOORRECORDFILE.reset();
    return false;
  }
  GEN.BACKDOORRECORDFILE = std::move(file);
  return true;
}

bool CLOSEBACKDOORRECORDFILE() {
  if (!GEN.BACKDOORRECORDFILE) return true;
  bool closed = GEN.BACKDOORRECORDFILE->close();
  GEN.BACKDOORRECORDFILE.reset();
  return closed;
}
