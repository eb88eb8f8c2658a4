// Forked workers and the ordering of their rows.
#include "steering/sweeprunner.hpp"
#include "shell/files.hpp"

#include <poll.h>
#ifdef __linux__
#include <sys/prctl.h>
#else
#include <chrono>
#include <thread>
#endif
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <map>

namespace {

volatile std::sig_atomic_t caughtSignal = 0;

void onStopSignal(int signal) { caughtSignal = signal; }

// Messages on the pipes: a point number (8 bytes) to a worker; back, a kind
// byte ('R' row, 'E' error text), its length (8 bytes) and the text.
bool writeAll(int fd, const void* data, size_t size) {
  return writeAllBytes(fd, std::string_view(static_cast<const char*>(data), size)) == 0;
}

// False at the end of the stream or on an error before `size` bytes.
bool readAll(int fd, void* data, size_t size) {
  char* p = static_cast<char*>(data);
  while (size > 0) {
    ssize_t n = read(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool sendMessage(int fd, char kind, const std::string& text) {
  uint64_t size = text.size();
  return writeAll(fd, &kind, 1) && writeAll(fd, &size, sizeof size) && writeAll(fd, text.data(), text.size());
}

bool receiveMessage(int fd, char& kind, std::string& text) {
  uint64_t size = 0;
  if (!readAll(fd, &kind, 1) || !readAll(fd, &size, sizeof size)) return false;
  text.resize(size);
  return readAll(fd, text.data(), size);
}

}  // namespace

struct PoolWorker {
  pid_t pid = -1;
  int toWorker = -1;    // the parent writes point numbers here
  int fromWorker = -1;  // and reads the answers here
  bool busy = false;
  size_t index = 0;    // of the point in progress, in the order of the run
  uint64_t point = 0;  // the point in progress
};

namespace {

// In a new worker: nothing of the parent's files but the two pipes (a table
// it had locked stays the parent's alone).
void closeOtherDescriptors(int keepA, int keepB) {
  const unsigned low = static_cast<unsigned>(std::min(keepA, keepB)), high = static_cast<unsigned>(std::max(keepA, keepB));
#ifdef __linux__
  const unsigned first = STDERR_FILENO + 1;
  if (first < low) close_range(first, low - 1, 0);
  if (low + 1 < high) close_range(low + 1, high - 1, 0);
  close_range(high + 1, ~0U, 0);
#else
  long open = sysconf(_SC_OPEN_MAX);
  int last = open > 0 && open < 65536 ? static_cast<int>(open) : 65536;
  for (int fd = STDERR_FILENO + 1; fd < last; ++fd)
    if (fd != keepA && fd != keepB) close(fd);
#endif
}

// A worker dies with the process that started it, even in the middle of a
// point.
void endWithParent(pid_t parent) {
#ifdef __linux__
  prctl(PR_SET_PDEATHSIG, SIGKILL);
#else
  // Without the kernel's help a watcher looks five times a second.
  std::thread([parent] {
    while (getppid() == parent) std::this_thread::sleep_for(std::chrono::milliseconds(200));
    _exit(0);
  }).detach();
#endif
  if (getppid() != parent) _exit(0);  // it died before the line above
}

[[noreturn]] void workerLoop(int in, int out, const PointEvaluator& evaluate) {
  std::signal(SIGINT, SIG_IGN);
  std::signal(SIGHUP, SIG_IGN);
  std::signal(SIGTERM, SIG_DFL);
  uint64_t point = 0;
  while (readAll(in, &point, sizeof point)) {
    bool sent;
    try {
      sent = sendMessage(out, 'R', evaluate(point));
    } catch (const std::exception& e) {
      sent = sendMessage(out, 'E', e.what());
    }
    if (!sent) break;
  }
  _exit(0);
}

class IgnoredBrokenPipes {
 public:
  IgnoredBrokenPipes() { previous_ = std::signal(SIGPIPE, SIG_IGN); }
  ~IgnoredBrokenPipes() { std::signal(SIGPIPE, previous_); }

 private:
  void (*previous_)(int);
};

// Hands out points in order and gives back the rows in order.
class Scheduler {
 public:
  Scheduler(const PointSource& source, const RowHandlers& handlers, size_t window)
      : source_(source), handlers_(handlers), window_(window) {}

  // Gives the worker its next point, if there is one it may take now; false
  // when the worker cannot be reached.
  bool assign(PoolWorker& w) {
    if (exhausted_ || next_ - written_ >= window_) return true;
    if (!source_(w.point)) {
      exhausted_ = true;
      return true;
    }
    w.index = next_++;
    w.busy = true;
    return writeAll(w.toWorker, &w.point, sizeof w.point);
  }

  void arrived(const PoolWorker& w, std::string row) {
    if (w.index != written_ && handlers_.early) handlers_.early(w.point, row);
    waiting_.emplace(w.index, std::move(row));
    while (!waiting_.empty() && waiting_.begin()->first == written_) {
      handlers_.inOrder(waiting_.begin()->second);
      waiting_.erase(waiting_.begin());
      ++written_;
    }
  }

  bool finished() const { return exhausted_ && written_ == next_; }
  size_t written() const { return written_; }

 private:
  const PointSource& source_;
  const RowHandlers& handlers_;
  const size_t window_;
  bool exhausted_ = false;
  size_t next_ = 0;
  size_t written_ = 0;
  std::map<size_t, std::string> waiting_;
};

// One answer of a busy worker: false (with the problem) when it failed.
bool collect(PoolWorker& w, Scheduler& scheduler, std::string& problem) {
  char kind = 0;
  std::string text;
  const std::string point = std::to_string(w.point);
  if (!receiveMessage(w.fromWorker, kind, text)) {
    problem = "the worker for point " + point + " ended without a result";
    return false;
  }
  if (kind != 'R') {
    problem = "point " + point + ": " + text;
    return false;
  }
  w.busy = false;
  scheduler.arrived(w, std::move(text));
  return true;
}

// Every idle worker gets a point if one may be handed out.
bool assignIdle(std::vector<PoolWorker>& workers, Scheduler& scheduler, std::string& problem) {
  for (PoolWorker& w : workers)
    if (!w.busy && !scheduler.assign(w)) {
      problem = "cannot reach a worker";
      return false;
    }
  return true;
}

std::string systemProblem(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

WorkerPool::WorkerPool() = default;
WorkerPool::~WorkerPool() { stop(); }

int WorkerPool::size() const { return static_cast<int>(workers_.size()); }

int WorkerPool::start(int jobs, const PointEvaluator& evaluate, std::string& problem) {
  std::fflush(nullptr);  // nothing buffered may be written twice
  const pid_t parent = getpid();
  for (int i = 0; i < std::max(jobs, 1); ++i) {
    int down[2], up[2];
    if (pipe(down) != 0) {
      problem = systemProblem("cannot make a pipe");
      break;
    }
    if (pipe(up) != 0) {
      problem = systemProblem("cannot make a pipe");
      close(down[0]);
      close(down[1]);
      break;
    }
    pid_t pid = fork();
    if (pid < 0) {
      problem = systemProblem("cannot start a worker");
      for (int fd : {down[0], down[1], up[0], up[1]}) close(fd);
      break;
    }
    if (pid == 0) {
      endWithParent(parent);
      closeOtherDescriptors(down[0], up[1]);
      workerLoop(down[0], up[1], evaluate);
    }
    close(down[0]);
    close(up[1]);
    workers_.push_back(PoolWorker{pid, down[1], up[0]});
  }
  return size();
}

void WorkerPool::stop() {
  for (PoolWorker& w : workers_) {
    if (w.busy) kill(w.pid, SIGKILL);
    close(w.toWorker);
    close(w.fromWorker);
    int status;
    while (waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  workers_.clear();
}

RunOutcome WorkerPool::run(const PointSource& source, const RowHandlers& handlers) {
  RunOutcome outcome;
  IgnoredBrokenPipes ignored;  // a worker that died is seen as a failure, not as SIGPIPE
  Scheduler scheduler(source, handlers, 8 * workers_.size() + 8);
  auto fail = [&](RunEnd end) {
    outcome.end = end;
    outcome.rows = scheduler.written();
    return outcome;
  };
  if (workers_.empty()) {
    outcome.problem = "no worker";
    return fail(RunEnd::Failed);
  }
  std::vector<pollfd> fds;
  std::vector<PoolWorker*> polled;
  while (true) {
    if (caughtSignal != 0) return fail(RunEnd::Interrupted);
    if (!assignIdle(workers_, scheduler, outcome.problem)) return fail(RunEnd::Failed);
    if (scheduler.finished()) break;
    fds.clear();
    polled.clear();
    for (PoolWorker& w : workers_)
      if (w.busy) {
        fds.push_back(pollfd{w.fromWorker, POLLIN, 0});
        polled.push_back(&w);
      }
    // A short timeout: a stop signal between the test above and the poll is
    // seen within a tenth of a second.
    int ready = poll(fds.data(), fds.size(), 100);
    if (ready < 0 && errno != EINTR) {
      outcome.problem = systemProblem("poll");
      return fail(RunEnd::Failed);
    }
    for (size_t i = 0; ready > 0 && i < fds.size(); ++i)
      if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0 && !collect(*polled[i], scheduler, outcome.problem))
        return fail(RunEnd::Failed);
  }
  outcome.rows = scheduler.written();
  return outcome;
}

RunOutcome runPoints(const std::vector<uint64_t>& points, int jobs, const PointEvaluator& evaluate,
                     const RowSink& sink) {
  if (points.empty()) return RunOutcome{};
  WorkerPool pool;
  RunOutcome outcome;
  if (pool.start(std::min<size_t>(static_cast<size_t>(std::max(jobs, 1)), points.size()), evaluate, outcome.problem) == 0) {
    outcome.end = RunEnd::Failed;
    return outcome;
  }
  size_t next = 0;
  return pool.run(
      [&](uint64_t& point) {
        if (next == points.size()) return false;
        point = points[next++];
        return true;
      },
      RowHandlers{sink, nullptr});
}

void catchStopSignals() {
  caughtSignal = 0;
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a waiting poll returns at once
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}

int stopSignal() { return caughtSignal; }

void endByStopSignal() {
  int signal = caughtSignal != 0 ? caughtSignal : SIGINT;
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  std::_Exit(128 + signal);
}
