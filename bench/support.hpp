#pragma once
// What the utility benchmarks share: a directory of inputs and whole
// dialogues run through a scripted console.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

// A fresh directory for a benchmark's inputs, removed when the program ends.
std::filesystem::path benchDirectory();
void writeBenchFile(const std::filesystem::path& path, const std::string& bytes);

// Runs a utility with the keys of its whole dialogue once per iteration, in
// `dir`, on fresh tables and a fresh console; the working directory is given
// back. A dialogue that went out of step or did not save `saved` is reported
// as an error.
void runDialogue(benchmark::State& state, const std::filesystem::path& dir, const std::string& keys,
                 void (*utility)(), const char* saved);

// ---- The yardstick of the generators ------------------------------------------

using Clock = std::chrono::steady_clock;
double secondsSince(Clock::time_point start);

// Seconds taken by this many bare map steps, each with its integer candidate
// (summed, so that the compiler cannot leave out the candidates of all but
// the last step).
double bareSteps(uint64_t steps);
