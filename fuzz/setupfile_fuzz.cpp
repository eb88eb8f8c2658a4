// Set-up files of any bytes: each is read or refused with a SetupError, and
// what is read writes back to a text that reads as the same set-up.
#include <cstddef>
#include <cstdint>
#include <string>

#include "setups/setupfile.hpp"

namespace {

void check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const std::string& line : setupFileLines(text)) check(line.find_first_of("\r\n") == std::string::npos);
  BlockSetupFile setup;
  try {
    setup = parseSetupText(text, "fuzz.txt");
  } catch (const SetupError& e) {
    check(std::string(e.what()).rfind("fuzz.txt:", 0) == 0);
    return 0;
  }
  const std::string written = setupFileText(setup);
  check(setupFileText(parseSetupText(written, "again.txt")) == written);
  return 0;
}
