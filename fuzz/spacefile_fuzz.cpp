// Space files of any bytes: each is expanded or refused with a SetupError;
// the first, a middle and the last point of a space are set-up texts whose
// lines are those of the space.
#include <cstddef>
#include <cstdint>
#include <string>

#include "setups/space.hpp"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

size_t lineCount(const std::string& text) {
  size_t n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  SweepSpace space;
  try {
    space = parseSpaceText(text, "fuzz.txt");
  } catch (const SetupError& e) {
    check(std::string(e.what()).rfind("fuzz.txt:", 0) == 0);
    return 0;
  }
  check(space.pointCount >= 1);
  for (const SpaceLine& line : space.lines) check(!line.values.empty());
  for (uint64_t point : {uint64_t{1}, space.pointCount / 2 + 1, space.pointCount}) {
    check(lineCount(pointSetupText(space, point)) == space.fileLines.size());
    try {
      pointSetup(space, point);
    } catch (const SetupError& e) {
      check(std::string(e.what()).rfind("fuzz.txt", 0) == 0);
    }
  }
  return 0;
}
