#include "support.hpp"

#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "chaosrun/chaosfunction.hpp"
#include "shell/console.hpp"
#include "shell/shell.hpp"

namespace {

std::vector<std::filesystem::path>& directories() {
  static std::vector<std::filesystem::path> made;
  return made;
}

void removeDirectories() {
  for (const auto& dir : directories()) {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
}

}  // namespace

std::filesystem::path benchDirectory() {
  std::string dir = (std::filesystem::temp_directory_path() / "plomar-bench-XXXXXX").string();
  if (mkdtemp(dir.data()) == nullptr) std::abort();
  if (directories().empty()) std::atexit(removeDirectories);
  directories().emplace_back(dir);
  return dir;
}

void writeBenchFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary);
  f << bytes;
}

void runDialogue(benchmark::State& state, const std::filesystem::path& dir, const std::string& keys,
                 void (*utility)(), const char* saved) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  con::install(std::make_unique<con::PlainSink>(-1), std::make_unique<con::ScriptedKeys>(), 120, 60);
  SIZESTARTTABLES();
  INIT();
  auto& script = static_cast<con::ScriptedKeys&>(con::keys());
  std::filesystem::remove(saved);
  for (auto _ : state) {
    script.type(keys);
    utility();
  }
  if (!script.empty() || !std::filesystem::exists(saved)) state.SkipWithError("the dialogue saved nothing");
  std::filesystem::current_path(previous);
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Aligned as chaosDraw is, so that the yardstick does not depend on where the
// linker places it.
__attribute__((aligned(64))) double bareSteps(uint64_t steps) {
  double Y = (0.3 * 4.0) * (1 - 0.3);
  int32_t IT = 0;
  int64_t candidates = 0;
  Clock::time_point start = Clock::now();
  for (uint64_t i = 0; i < steps; ++i) {
    MAPSTEP(Y, IT, 4.0, 2.0f, 2.0f, 38);
    candidates += IT;
  }
  benchmark::DoNotOptimize(candidates);
  benchmark::DoNotOptimize(Y);
  return secondsSince(start);
}
