// Forked workers and the ordering of their rows.
#include "steering/sweeprunner.hpp"
#include "shell/files.hpp"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

struct Worker {
  pid_t pid = -1;
  int toWorker = -1;    // the parent writes point numbers here
  int fromWorker = -1;  // and reads the answers here
  bool busy = false;
  size_t index = 0;  // of the point in progress
};

[[noreturn]] void workerLoop(int in, int out, const PointEvaluator& evaluate) {
  std::signal(SIGINT, SIG_IGN);
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

class WorkerPool {
 public:
  ~WorkerPool() { stop(); }

  bool start(int count, const PointEvaluator& evaluate, std::string& problem) {
    std::fflush(nullptr);  // nothing buffered may be written twice
    for (int i = 0; i < count; ++i) {
      int down[2], up[2];
      if (pipe(down) != 0 || pipe(up) != 0) return failed("cannot make a pipe", problem);
      pid_t pid = fork();
      if (pid < 0) return failed("cannot start a worker", problem);
      if (pid == 0) {
        for (const Worker& w : workers_) {
          close(w.toWorker);
          close(w.fromWorker);
        }
        close(down[1]);
        close(up[0]);
        workerLoop(down[0], up[1], evaluate);
      }
      close(down[0]);
      close(up[1]);
      workers_.push_back(Worker{pid, down[1], up[0]});
    }
    return true;
  }

  std::vector<Worker>& workers() { return workers_; }

  // Closes the pipes (an idle worker then ends by itself), ends busy workers
  // and waits for all of them.
  void stop() {
    for (Worker& w : workers_) {
      if (w.busy) kill(w.pid, SIGKILL);
      close(w.toWorker);
      close(w.fromWorker);
      int status;
      while (waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
      }
    }
    workers_.clear();
  }

 private:
  bool failed(const char* what, std::string& problem) {
    problem = std::string(what) + ": " + std::strerror(errno);
    return false;
  }

  std::vector<Worker> workers_;
};

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
  Scheduler(const std::vector<uint64_t>& points, const RowSink& sink) : points_(points), sink_(sink) {}

  bool assign(Worker& w) {
    if (next_ >= points_.size()) return true;
    w.index = next_++;
    w.busy = true;
    return writeAll(w.toWorker, &points_[w.index], sizeof(uint64_t));
  }

  void arrived(size_t index, std::string row) {
    waiting_.emplace(index, std::move(row));
    while (!waiting_.empty() && waiting_.begin()->first == written_) {
      sink_(waiting_.begin()->second);
      waiting_.erase(waiting_.begin());
      ++written_;
    }
  }

  bool finished() const { return written_ == points_.size(); }
  size_t written() const { return written_; }
  uint64_t point(size_t index) const { return points_[index]; }

 private:
  const std::vector<uint64_t>& points_;
  const RowSink& sink_;
  size_t next_ = 0;
  size_t written_ = 0;
  std::map<size_t, std::string> waiting_;
};

// One answer of a busy worker: false (with the problem) when it failed.
bool collect(Worker& w, Scheduler& scheduler, std::string& problem) {
  char kind = 0;
  std::string text;
  const std::string point = std::to_string(scheduler.point(w.index));
  if (!receiveMessage(w.fromWorker, kind, text)) {
    problem = "the worker for point " + point + " ended without a result";
    return false;
  }
  if (kind != 'R') {
    problem = "point " + point + ": " + text;
    return false;
  }
  w.busy = false;
  scheduler.arrived(w.index, std::move(text));
  if (!scheduler.assign(w)) {
    problem = "cannot reach a worker";
    return false;
  }
  return true;
}

}  // namespace

RunOutcome runPoints(const std::vector<uint64_t>& points, int jobs, const PointEvaluator& evaluate,
                     const RowSink& sink) {
  RunOutcome outcome;
  if (points.empty()) return outcome;
  if (jobs < 1) jobs = 1;
  if (static_cast<size_t>(jobs) > points.size()) jobs = static_cast<int>(points.size());
  IgnoredBrokenPipes ignored;  // a worker that died is seen as a failure, not as SIGPIPE
  WorkerPool pool;
  Scheduler scheduler(points, sink);
  auto fail = [&](RunEnd end) {
    outcome.end = end;
    outcome.rows = scheduler.written();
    return outcome;
  };
  if (!pool.start(jobs, evaluate, outcome.problem)) return fail(RunEnd::Failed);
  for (Worker& w : pool.workers())
    if (!scheduler.assign(w)) {
      outcome.problem = "cannot reach a worker";
      return fail(RunEnd::Failed);
    }
  std::vector<pollfd> fds;
  std::vector<Worker*> polled;
  while (!scheduler.finished()) {
    if (caughtSignal != 0) return fail(RunEnd::Interrupted);
    fds.clear();
    polled.clear();
    for (Worker& w : pool.workers())
      if (w.busy) {
        fds.push_back(pollfd{w.fromWorker, POLLIN, 0});
        polled.push_back(&w);
      }
    // A short timeout: a stop signal between the test above and the poll is
    // seen within a tenth of a second.
    int ready = poll(fds.data(), fds.size(), 100);
    if (ready < 0 && errno != EINTR) {
      outcome.problem = std::string("poll: ") + std::strerror(errno);
      return fail(RunEnd::Failed);
    }
    for (size_t i = 0; ready > 0 && i < fds.size(); ++i)
      if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0 && !collect(*polled[i], scheduler, outcome.problem))
        return fail(RunEnd::Failed);
  }
  outcome.rows = scheduler.written();
  return outcome;
}

void catchStopSignals() {
  caughtSignal = 0;
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a waiting poll returns at once
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

int stopSignal() { return caughtSignal; }

void endByStopSignal() {
  int signal = caughtSignal != 0 ? caughtSignal : SIGINT;
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  std::_Exit(128 + signal);
}
