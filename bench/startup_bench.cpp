// Start-up of the whole program: build/plomar started with only "E" piped in,
// against starting /bin/true the same way (the cost of a process start on
// this machine, measured in the same run). The goal is a median under 10 ms.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "support.hpp"

namespace {

// Starts `program` with the file `input` on its standard input and its output
// thrown away, and waits for it; false when it did not end with status 0.
bool startAndWait(const char* program, const std::string& input) {
  pid_t pid = fork();
  if (pid == 0) {
    int in = open(input.c_str(), O_RDONLY);
    int out = open("/dev/null", O_WRONLY);
    if (in < 0 || out < 0) _exit(125);
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double secondsToStart(const char* program, const std::string& input) {
  const auto begin = std::chrono::steady_clock::now();
  const bool ok = startAndWait(program, input);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
  return ok ? took.count() : -1;
}

}  // namespace

// Each iteration starts the program once (the timed part) and /bin/true once;
// the counter vs_bin_true is the ratio of their total times.
static void BM_Startup_PlomarToMenuAndEnd(benchmark::State& state) {
  const std::string input = (benchDirectory() / "end-keys").string();
  writeBenchFile(input, "E");
  double program = 0, yardstick = 0;
  for (auto _ : state) {
    const double p = secondsToStart(PLOMAR_BINARY, input);
    const double t = secondsToStart("/bin/true", input);
    if (p < 0 || t < 0) {
      state.SkipWithError("a start did not end with status 0");
      return;
    }
    state.SetIterationTime(p);
    program += p;
    yardstick += t;
  }
  state.counters["vs_bin_true"] = program / yardstick;
}
BENCHMARK(BM_Startup_PlomarToMenuAndEnd)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
