#pragma once
// Worker processes for a sweep: each point is computed by one of N forked
// workers, fed point numbers through a pipe and answering through another;
// the rows come back to the caller in the order of the points, whatever N is.
#include <csignal>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The row of a point (a whole CSV record with its line end). Runs inside a
// worker; an exception stops the sweep with its text.
using PointEvaluator = std::function<std::string(uint64_t point)>;
// Called with each row in the order of the points.
using RowSink = std::function<void(const std::string& row)>;

enum class RunEnd { Done, Interrupted, Failed };

struct RunOutcome {
  RunEnd end = RunEnd::Done;
  size_t rows = 0;      // rows handed to the sink
  std::string problem;  // when Failed: what went wrong
};

// Computes `points` on `jobs` workers (at least 1, at most one per point).
// Stops early, after the rows already handed over, when SIGINT or SIGTERM
// arrived (see catchStopSignals) or a worker failed; the workers are ended
// and waited for in every case.
RunOutcome runPoints(const std::vector<uint64_t>& points, int jobs, const PointEvaluator& evaluate,
                     const RowSink& sink);

// From now on SIGINT and SIGTERM only set stopSignal, which starts at 0 (the workers ignore
// SIGINT, so that a Ctrl-C reaches the sweep through its main process).
void catchStopSignals();
// The stop signal that arrived, 0 when none.
int stopSignal();
// Ends the program by the stop signal's default action.
[[noreturn]] void endByStopSignal();
