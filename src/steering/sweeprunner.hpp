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
// Gives the next point to compute; false when there is none. Runs in the
// caller's process; an exception it throws ends the run (the workers are
// ended) and reaches the caller of run().
using PointSource = std::function<bool(uint64_t& point)>;

struct RowHandlers {
  RowSink inOrder;  // every row, in the order of the points
  // When set: a row that came before the row of an earlier point, at once
  // (it is handed to inOrder as well, when its turn comes).
  std::function<void(uint64_t point, const std::string& row)> early;
};

enum class RunEnd { Done, Interrupted, Failed };

struct RunOutcome {
  RunEnd end = RunEnd::Done;
  size_t rows = 0;      // rows handed to inOrder
  std::string problem;  // when Failed: what went wrong
};

struct PoolWorker;

// Forked worker processes that compute points. Workers end with the pool, and
// also with the process that started them (on Linux they get SIGKILL when it
// dies; elsewhere a watcher looks for it five times a second, and an idle
// worker ends as soon as its pipe closes). They ignore
// SIGINT and SIGHUP, so that those reach the run through the main process.
class WorkerPool {
 public:
  WorkerPool();
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // Starts up to `jobs` workers (at least 1), as many as the system lets
  // start; returns how many started. When fewer than `jobs` started,
  // `problem` says why (none started: the pool cannot run).
  int start(int jobs, const PointEvaluator& evaluate, std::string& problem);
  int size() const;

  // Computes the points of `source` on the workers. Hands out no point more
  // than a few per worker ahead of the oldest unfinished one, so that rows
  // waiting for their turn stay few. Stops early, after the rows already
  // handed over, when a stop signal arrived (see catchStopSignals) or a
  // worker failed.
  RunOutcome run(const PointSource& source, const RowHandlers& handlers);

  // Ends busy workers, closes the pipes (an idle worker then ends by itself)
  // and waits for all of them.
  void stop();

 private:
  std::vector<PoolWorker> workers_;
};

// Computes `points` on `jobs` workers (at least 1, at most one per point),
// handing the rows to `sink` in point order; the workers are ended and
// waited for in every case.
RunOutcome runPoints(const std::vector<uint64_t>& points, int jobs, const PointEvaluator& evaluate,
                     const RowSink& sink);

// From now on SIGINT, SIGTERM and SIGHUP only set stopSignal, which starts at 0.
void catchStopSignals();
// The stop signal that arrived, 0 when none.
int stopSignal();
// Ends the program by the stop signal's default action.
[[noreturn]] void endByStopSignal();
