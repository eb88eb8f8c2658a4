// The worker pool of sweeps, with a stand-in for the generation of a point.
#include "steering/sweeprunner.hpp"

#include <unistd.h>

#include <csignal>

#include <gtest/gtest.h>

namespace {

// A row that names its point; later points are quicker, so that the workers
// finish out of order.
std::string slowRow(uint64_t point) {
  usleep(static_cast<useconds_t>((10 - point % 10) * 300));
  return std::to_string(point) + "," + std::to_string(point * point) + "\n";
}

std::vector<std::string> rowsOf(const std::vector<uint64_t>& points, int jobs, const PointEvaluator& evaluate,
                                RunOutcome* outcome = nullptr) {
  std::vector<std::string> rows;
  RunOutcome o = runPoints(points, jobs, evaluate, [&rows](const std::string& row) { rows.push_back(row); });
  if (outcome != nullptr) *outcome = o;
  return rows;
}

std::vector<uint64_t> pointsFrom(uint64_t first, uint64_t count) {
  std::vector<uint64_t> points;
  for (uint64_t p = first; p < first + count; ++p) points.push_back(p);
  return points;
}

}  // namespace

TEST(SweepRunner, RowsComeInPointOrderWhateverTheNumberOfWorkers) {
  const std::vector<uint64_t> points = pointsFrom(3, 23);
  RunOutcome outcome;
  std::vector<std::string> one = rowsOf(points, 1, slowRow, &outcome);
  EXPECT_EQ(outcome.end, RunEnd::Done);
  EXPECT_EQ(outcome.rows, points.size());
  ASSERT_EQ(one.size(), points.size());
  EXPECT_EQ(one.front(), "3,9\n");
  EXPECT_EQ(one.back(), "25,625\n");
  EXPECT_EQ(rowsOf(points, 2, slowRow), one);
  EXPECT_EQ(rowsOf(points, 5, slowRow), one);
  EXPECT_EQ(rowsOf(points, 64, slowRow), one);
  EXPECT_TRUE(rowsOf({}, 2, slowRow).empty());
}

TEST(SweepRunner, TheWorkOfAPointIsDoneInAWorker) {
  const pid_t parent = getpid();
  std::vector<std::string> rows =
      rowsOf(pointsFrom(1, 4), 2, [parent](uint64_t p) { return std::to_string(getpid() != parent) + "," + std::to_string(p) + "\n"; });
  EXPECT_EQ(rows, (std::vector<std::string>{"1,1\n", "1,2\n", "1,3\n", "1,4\n"}));
}

TEST(SweepRunner, AFailedPointStopsTheSweepAfterTheRowsBeforeIt) {
  RunOutcome outcome;
  std::vector<std::string> rows = rowsOf(pointsFrom(1, 12), 2, [](uint64_t p) {
    if (p == 6) throw std::runtime_error("no block");
    return slowRow(p);
  }, &outcome);
  EXPECT_EQ(outcome.end, RunEnd::Failed);
  EXPECT_EQ(outcome.problem, "point 6: no block");
  // Rows of points still in progress elsewhere are not waited for.
  EXPECT_LE(rows.size(), 5u);
  EXPECT_EQ(outcome.rows, rows.size());
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], slowRow(i + 1));

  rows = rowsOf(pointsFrom(1, 12), 3, [](uint64_t p) {
    if (p == 4) _exit(3);
    return slowRow(p);
  }, &outcome);
  EXPECT_EQ(outcome.end, RunEnd::Failed);
  EXPECT_EQ(outcome.problem, "the worker for point 4 ended without a result");
  EXPECT_LE(rows.size(), 3u);
}

TEST(SweepRunner, AStopSignalEndsTheSweepBetweenRows) {
  catchStopSignals();
  std::vector<std::string> rows;
  RunOutcome outcome = runPoints(pointsFrom(1, 40), 2, slowRow, [&rows](const std::string& row) {
    rows.push_back(row);
    if (rows.size() == 3) std::raise(SIGINT);
  });
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  EXPECT_EQ(outcome.end, RunEnd::Interrupted);
  EXPECT_EQ(stopSignal(), SIGINT);
  // The rows that had come before the signal was seen are handed over whole.
  EXPECT_GE(rows.size(), 3u);
  EXPECT_LT(rows.size(), 40u);
  EXPECT_EQ(outcome.rows, rows.size());
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], slowRow(i + 1));
  catchStopSignals();  // clears the signal seen
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  EXPECT_EQ(stopSignal(), 0);
}

TEST(SweepRunner, RowsThatMustWaitAreHandedOverEarlyAndFewAreAhead) {
  // Point 1 is slow; the other worker finishes the points after it meanwhile.
  WorkerPool pool;
  std::string problem;
  ASSERT_EQ(pool.start(2, [](uint64_t p) {
    if (p == 1) usleep(300000);
    return std::to_string(p) + "\n";
  }, problem), 2);
  uint64_t next = 0;
  std::vector<uint64_t> early;
  std::vector<std::string> inOrder;
  size_t earlyBeforeFirst = 0;
  RowHandlers handlers;
  handlers.inOrder = [&](const std::string& row) {
    if (inOrder.empty()) earlyBeforeFirst = early.size();
    inOrder.push_back(row);
  };
  handlers.early = [&](uint64_t point, const std::string& row) {
    EXPECT_EQ(row, std::to_string(point) + "\n");
    early.push_back(point);
  };
  RunOutcome outcome = pool.run(
      [&next](uint64_t& point) {
        if (next == 100) return false;
        point = ++next;
        return true;
      },
      handlers);
  EXPECT_EQ(outcome.end, RunEnd::Done);
  ASSERT_EQ(inOrder.size(), 100u);
  for (size_t i = 0; i < 100; ++i) EXPECT_EQ(inOrder[i], std::to_string(i + 1) + "\n");
  // While point 1 ran, the points after it came early, but not all of them:
  // no more than a few per worker are handed out ahead of the oldest.
  EXPECT_GE(earlyBeforeFirst, 5u);
  EXPECT_LT(earlyBeforeFirst, 30u);
  EXPECT_EQ(early.front(), 2u);
}

TEST(SweepRunner, AProblemOfThePointSourceEndsTheRunAndItsWorkers) {
  WorkerPool pool;
  std::string problem;
  ASSERT_EQ(pool.start(3, slowRow, problem), 3);
  uint64_t next = 0;
  std::vector<std::string> rows;
  EXPECT_THROW(pool.run(
                   [&next](uint64_t& point) {
                     if (next == 5) throw std::runtime_error("point 6 is refused");
                     point = ++next;
                     return true;
                   },
                   RowHandlers{[&rows](const std::string& row) { rows.push_back(row); }, nullptr}),
               std::runtime_error);
  pool.stop();
  EXPECT_EQ(pool.size(), 0);
  EXPECT_LE(rows.size(), 5u);
}
