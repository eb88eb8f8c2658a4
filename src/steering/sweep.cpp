// plomar sweep: the blocks of a whole space of set-ups, measured.
#include "steering/sweep.hpp"

#include <getopt.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <chrono>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/options.hpp"
#include "cli/targetoptions.hpp"
#include "setups/setupfile.hpp"
#include "setups/space.hpp"
#include "compare/statscsv.hpp"
#include "compare/statsinputs.hpp"
#include "compare/windows.hpp"
#include "steering/blockrow.hpp"
#include "steering/progressbar.hpp"
#include "steering/sweeprunner.hpp"
#include "steering/sweeptable.hpp"
#include "steering/tablefile.hpp"
#include "compare/yardsticks.hpp"
#include "shell/files.hpp"
#include "shell/numberforms.hpp"

namespace {

// A printf format: the default budget of map steps goes in.
const char* const USAGE =
    "Usage: plomar sweep SPACE (--target FILE | --target-words FILE |\n"
    "                           --target-list FILE | --target-block FILE) [OPTION]...\n"
    "       plomar sweep --merge [--out FILE] TABLE...\n"
    "Generate the block of every set-up of SPACE, measure its groups with the\n"
    "yardsticks of 'plomar stats', and write one CSV row per point with its\n"
    "comparison with the target on windows, as 'plomar stats' compares.\n"
    "\n"
    "SPACE is a set-up file (as for 'plomar block') whose values may hold\n"
    "alternatives, separated by '|', and ranges LO..HI step S for any number:\n"
    "  B = 10000,12000 | 20000,22000     two alternatives\n"
    "  X1 = 3.9..4.0 step 0.05, 0.3      3.9, 3.95 and 4 (LO + i*S up to HI)\n"
    "A range's values are exact decimals, written with no more decimals than\n"
    "LO, HI and S have (5e-2 is 0.05); a range holds at most 1000000 values.\n"
    "Text in double quotes is taken as it is; the file names of MAP and PHNTM\n"
    "hold no ranges. The points are the cartesian product of\n"
    "the values, numbered from 1: the first KEY = value line of the file varies\n"
    "slowest, the last one fastest. 'plomar keys SPACE --point N',\n"
    "'plomar block SPACE --point N' and 'plomar open SPACE --point N' take the\n"
    "set-up of point N.\n"
    "\n"
    "Target (one of them, read as 'plomar stats' reads its inputs):\n"
    "      --target FILE        an ordinary text\n"
    "      --target-words FILE  a transcription: runs of bytes other than blanks\n"
    "      --target-list FILE   a List file, one token a line\n"
    "      --target-block FILE  a block report (CGB.txt)\n"
    "\n"
    "Comparison (as for 'plomar stats'; strip and drop apply to the target and\n"
    "to the groups of every point):\n"
    "      --window N       window size in tokens (default 1000), lowered to half\n"
    "                       the target's tokens; below 50 the sweep is refused\n"
    "      --measures LIST  the measures of the comparison, separated by commas\n"
    "                       (default: all of them)\n"
    "      --strip AB       in every line remove each stretch from an A to the next B\n"
    "      --drop CHARS     remove these characters\n"
    "  -u, --utf8           read the target as UTF-8 and count code points\n"
    "\n"
    "Options:\n"
    "      --max-steps N    map steps a point may take before it is out of steps\n"
    "                       (default %llu, as for 'plomar block')\n"
    "      --sample M       only M distinct points, chosen at random but the same\n"
    "                       for the same seed on every machine\n"
    "      --seed S         the seed of --sample (default 1)\n"
    "      --shard I/N      only the points p with (p - 1) mod N = I - 1\n"
    "  -j, --jobs N         worker processes (default: the number of cores)\n"
    "  -o, --out FILE       the table goes to FILE (default: standard output)\n"
    "      --resume         continue the table in --out FILE after an interruption\n"
    "      --merge          join the tables of the shards of one sweep\n"
    "  -h, --help           show this help and exit\n"
    "  -V, --version        show the version and exit\n"
    "\n"
    "The table: a header line, then one row per point, in point order whatever\n"
    "--jobs is: point; setup (the point's set-up in file syntax, KEY = value\n"
    "lines in one quoted field); status (complete, or out of steps); groups\n"
    "reached; map_steps used; the yardsticks of 'plomar stats --csv' (len_1 ..\n"
    "len_31, len_32plus); window, the window size; z_MEASURE, the z of each\n"
    "measure; dist, the distance; sweep (a fingerprint of the space, target and\n"
    "options, and the number of points of the sweep). The target's windows are\n"
    "measured once; every point's groups are cut into windows of the same size.\n"
    "An out-of-steps point leaves the yardsticks and the distance empty; a point\n"
    "whose block is shorter than a window has the status 'shorter than a window'\n"
    "and no z. Numbers are in full precision. Rows are written as their points\n"
    "complete (a row finished before an earlier point's goes to FILE.journal\n"
    "until its turn): after an interruption (Ctrl-C, SIGTERM, SIGHUP) every\n"
    "finished row is on disk, whole, and the same command with --resume\n"
    "computes only the missing points, to the same bytes as a run that was\n"
    "never interrupted; it refuses a file that is not this sweep's table. The\n"
    "table is locked while a sweep writes it. The tables of all shards, merged,\n"
    "are the bytes of the unsharded run; --merge refuses tables of different\n"
    "sweeps, a row cut off, two different rows of one point, and missing points\n"
    "(tables that hold only their headers as well).\n"
    "\n"
    "At the end the best 10 complete points (smallest distance) go to standard\n"
    "error, each with the command that opens it on screen; a progress bar goes to\n"
    "standard error when it is a terminal. Nothing but the table goes to\n"
    "standard output.\n"
    "\n"
    "Exit status: 0 on success, 1 when the sweep fails, its table is in use or\n"
    "not its own, or --merge refuses,\n"
    "2 on a usage error or a bad space file.\n";

const char* const COMMAND = "sweep";

struct Settings {
  std::vector<std::string> arguments;  // SPACE, or the tables of --merge
  TargetOptions target;
  uint64_t maxSteps = DEFAULT_MAX_STEPS;
  uint64_t sample = 0, seed = 1;  // sample 0: every point
  bool sampled = false, seeded = false;
  uint64_t shard = 1, shards = 1;
  int jobs = 0;  // 0: one per core
  std::string out;
  bool resume = false, merge = false;
  bool version = false;  // --version: nothing else is done
  bool sweepOptions = false;  // an option of a sweep (not of --merge) was given
};

// Everything a point's row needs; workers inherit it when they are forked.
struct Sweep {
  SweepSpace space;
  std::string spaceText;
  BlockMeasuring measuring;
  std::vector<std::string> measures;
  uint64_t maxSteps = 0;
  std::string header, sweep;
};

// ---- options ----

void setShard(Settings& s, const char* text) {
  std::string t = text;
  size_t slash = t.find('/');
  if (slash == std::string::npos || !parseCount(t.substr(0, slash).c_str(), s.shard) ||
      !parseCount(t.substr(slash + 1).c_str(), s.shards) || s.shard < 1 || s.shard > s.shards)
    throw UsageProblem{"--shard wants I/N with 1 <= I <= N, not '" + t + "'"};
}

enum OptionCode { MAXSTEPS = 256, SAMPLE, SEED, SHARD, RESUME, MERGE };

// The settings, or a UsageProblem; `help` is set for --help.
Settings parseSettings(int argc, char** argv, bool& help) {
  std::vector<option> options{
      {"max-steps", required_argument, nullptr, MAXSTEPS},
      {"sample", required_argument, nullptr, SAMPLE},
      {"seed", required_argument, nullptr, SEED},
      {"shard", required_argument, nullptr, SHARD},
      {"jobs", required_argument, nullptr, 'j'},
      {"out", required_argument, nullptr, 'o'},
      {"resume", no_argument, nullptr, RESUME},
      {"merge", no_argument, nullptr, MERGE},
      {"help", no_argument, nullptr, 'h'},
      {"version", no_argument, nullptr, 'V'},
  };
  addTargetOptions(options);
  options.push_back({nullptr, 0, nullptr, 0});
  Settings s;
  opterr = 0;
  optind = 1;
  int opt;
  while ((opt = getopt_long(argc, argv, ":j:o:hVu", options.data(), nullptr)) != -1) {
    s.sweepOptions = s.sweepOptions || (opt != 'o' && opt != MERGE && opt != 'h' && opt != 'V');
    try {
      if (takeTargetOption(opt, optarg, s.target)) continue;
    } catch (const std::invalid_argument& e) {
      throw UsageProblem{e.what()};
    }
    switch (opt) {
      case MAXSTEPS: s.maxSteps = countOption("max-steps", optarg, 1); break;
      case SAMPLE: s.sample = countOption("sample", optarg, 1); s.sampled = true; break;
      case SEED: s.seed = countOption("seed", optarg, 0); s.seeded = true; break;
      case SHARD: setShard(s, optarg); break;
      case 'j': s.jobs = static_cast<int>(std::min<uint64_t>(countOption("jobs", optarg, 1), 1024)); break;
      case 'o': s.out = optarg; break;
      case RESUME: s.resume = true; break;
      case MERGE: s.merge = true; break;
      case 'h': help = true; return s;
      case 'V': s.version = true; return s;
      default: throw UsageProblem{refusedOptionText(opt, argv)};
    }
  }
  for (int i = optind; i < argc; ++i) s.arguments.emplace_back(argv[i]);
  if (s.merge) {
    if (s.arguments.empty()) throw UsageProblem{"--merge wants the tables to join"};
    if (s.sweepOptions) throw UsageProblem{"--merge takes only --out and the tables"};
    return s;
  }
  if (s.arguments.size() != 1) throw UsageProblem{s.arguments.empty() ? "no space file" : "one space file only"};
  if (std::string problem = targetOptionsProblem(s.target); !problem.empty()) throw UsageProblem{problem};
  if (s.arguments[0] == STANDARD_INPUT_NAME && s.target.path == STANDARD_INPUT_NAME)
    throw UsageProblem{"standard input (-) can be read only once"};
  if (s.seeded && !s.sampled) throw UsageProblem{"--seed goes with --sample"};
  if (s.resume && s.out.empty()) throw UsageProblem{"--resume continues the table of --out FILE"};
  return s;
}

// ---- files ----

// Rows go to standard output as whole records, each with one write (a table
// file is a SweepTableFile).
void writeStandardOutput(const std::string& text) {
  if (int failure = writeAllBytes(STDOUT_FILENO, text))
    throw std::runtime_error(std::string("cannot write standard output: ") + std::strerror(failure));
}

// ---- the sweep ----

PointChoice choiceOf(const Settings& s) { return PointChoice{s.sampled ? s.sample : 0, s.seed, s.shard, s.shards}; }

// The target's kind as the fingerprint has always named it.
const char* kindName(InputKind kind) {
  switch (kind) {
    case InputKind::List: return "list";
    case InputKind::Block: return "block";
    case InputKind::Words: return "words";
    case InputKind::Text: break;
  }
  return "text";
}

// Everything that decides the rows: the space and the files it names, the
// target, and the options that change a row or the set of points.
std::string fingerprintOfSweep(const Sweep& w, const Settings& s, const std::string& targetBytes) {
  std::vector<std::string> parts{"plomar sweep 2", w.spaceText, kindName(s.target.kind), targetBytes,
                                 std::to_string(s.maxSteps)};
  for (const std::string& m : w.measures) parts.push_back(m);
  parts.push_back("window " + std::to_string(w.measuring.target->window()));
  parts.push_back("strip " + s.target.reading.strip);
  parts.push_back("drop " + s.target.reading.drop);
  parts.push_back(s.target.reading.characters == Characters::Utf8 ? "utf8" : "bytes");
  if (s.sampled) parts.push_back("sample " + std::to_string(s.sample) + " seed " + std::to_string(s.seed));
  for (const SpaceLine& line : w.space.lines)
    if (line.key == "MAP" || line.key == "PHNTM")
      for (const std::string& name : line.values) {
        std::string bytes;
        int ignored = 0;
        parts.push_back(readWholeFile(name, bytes, ignored) ? bytes : "");
      }
  return fingerprintOf(parts);
}


std::string pointRow(const Sweep& w, uint64_t point) {
  BlockSetupFile setup = pointSetup(w.space, point);
  applySetup(setup);
  HeadlessBlock block = generateHeadless(w.maxSteps);
  return std::to_string(point) + "," + setupCell(setupFileText(setup)) + "," +
         measuredBlockRow(block, w.measuring).fields + "," + w.sweep + "\n";
}

void printBest(const std::vector<SweepRow>& best, size_t rows, const std::string& spaceName) {
  if (best.empty()) {
    std::fprintf(stderr, "No point of the sweep completed.\n");
    return;
  }
  std::fprintf(stderr, "The best %zu of %zu points (smallest distance to the target):\n", best.size(), rows);
  for (size_t i = 0; i < best.size(); ++i)
    std::fprintf(stderr, "%3zu. point %-8llu distance %-12s %s open %s --point %llu\n", i + 1,
                 static_cast<unsigned long long>(best[i].point), significantForm(best[i].distance, 6).c_str(),
                 shellWord(programName()).c_str(), shellWord(spaceName).c_str(),
                 static_cast<unsigned long long>(best[i].point));
}

SetupError atPoint(const SetupError& e, uint64_t point) {
  return SetupError(std::string(e.what()) + " (point " + std::to_string(point) + ")");
}

// Every value of every line is checked once before the first block, with the
// other lines at their first values; whatever depends on several lines is
// checked point by point as the points are handed out (pointChecked).
void checkPoint(const SweepSpace& space, uint64_t point);

void checkValues(const SweepSpace& space) {
  size_t total = 1;
  for (const SpaceLine& line : space.lines) total += line.values.size() - 1;
  ProgressBar progress(0, total, "values", "checking ");
  checkPoint(space, 1);  // every line at its first value (a space of no lines too)
  progress.advance();
  std::vector<size_t> indices(space.lines.size(), 0);
  for (size_t j = 0; j < space.lines.size(); ++j) {
    for (size_t v = 1; v < space.lines[j].values.size(); ++v) {
      indices[j] = v;
      try {
        applySetup(parseSetupText(setupTextOfIndices(space, indices), space.fileName));
      } catch (const SetupError& e) {
        progress.clear();
        throw atPoint(e, pointOfIndices(space, indices));
      }
      progress.advance();
    }
    indices[j] = 0;
  }
  progress.clear();
}

void checkPoint(const SweepSpace& space, uint64_t point) {
  try {
    applySetup(pointSetup(space, point));
  } catch (const SetupError& e) {
    throw atPoint(e, point);
  }
}

// The best complete rows seen, kept few.
class BestRows {
 public:
  void add(SweepRow row) {
    ++seen_;
    row.text.clear();
    if (!row.complete) return;
    best_.push_back(std::move(row));
    if (best_.size() >= 1000) best_ = bestRows(best_, SHOWN);
  }
  void print(const std::string& spaceName) const { printBest(bestRows(best_, SHOWN), seen_, spaceName); }

 private:
  static constexpr size_t SHOWN = 10;
  std::vector<SweepRow> best_;
  size_t seen_ = 0;
};

int runMerge(const Settings& s) {
  std::vector<std::string> contents;
  for (const std::string& name : s.arguments) contents.push_back(inputBytes(name));
  std::string merged = mergeSweepTables(contents, s.arguments);
  if (s.out.empty()) {
    writeStandardOutput(merged);
  } else {
    std::optional<SweepTableFile> inUse;  // a table that a sweep is writing is not replaced
    if (access(s.out.c_str(), F_OK) == 0) inUse.emplace(s.out);
    OutputFile file;
    int problem = 0;
    if (!file.openQuietly(s.out, &problem)) throw std::runtime_error("cannot create " + s.out + ": " + std::strerror(problem));
    file.print(merged);
    if (!file.closeQuietly(&problem)) throw std::runtime_error("cannot write " + s.out + ": " + std::strerror(problem));
  }
  std::vector<SweepRow> rows = readSweepTable(merged, "merged").rows;
  printBest(bestRows(rows, 10), rows.size(), "SPACE");
  return 0;
}

Sweep prepareSweep(const Settings& s) {
  Sweep w;
  w.spaceText = inputBytes(s.arguments[0]);
  w.space = parseSpaceText(w.spaceText, s.arguments[0]);
  SteeringTarget target = readSteeringTarget(s.target);
  if (!target.tooShort.empty()) throw std::runtime_error(target.tooShort);
  w.measuring.reading = s.target.reading;
  w.measures = s.target.measures;
  w.measuring.target.emplace(tokenSequence(std::move(target.tokens), s.target.reading.characters), target.window,
                             s.target.measures);
  w.maxSteps = s.maxSteps;
  w.header = sweepHeader(w.measures);
  w.sweep = sweepField(fingerprintOfSweep(w, s, target.bytes), s.sampled ? std::min(s.sample, w.space.pointCount)
                                                                           : w.space.pointCount);
  return w;
}

// What an earlier run left: the rows kept in the table, and the rows of its
// journal after them.
struct EarlierRun {
  ResumePlan plan;
  std::map<uint64_t, std::string> journal;
};

EarlierRun readEarlierRun(const SweepTableFile& file, const Sweep& w, PointSequence& sequence) {
  EarlierRun earlier;
  earlier.plan = planResume(file.contents(), file.name(), w.header, w.sweep,
                            [&sequence](uint64_t& p) { return sequence.next(p); });
  earlier.journal = readJournalRows(file.journalContents(), file.journalName(), w.header, w.sweep);
  if (!earlier.plan.rows.empty())  // rows of the journal that reached the table
    earlier.journal.erase(earlier.journal.begin(), earlier.journal.upper_bound(earlier.plan.rows.back().point));
  return earlier;
}

// As many workers as asked for (one per core by default, no more than there
// are points left), or as many as the system lets start, saying so.
void startWorkers(WorkerPool& pool, const Settings& s, bool sequenceTotalKnown, uint64_t pointsLeft, const Sweep& w) {
  long cores = std::max(1L, sysconf(_SC_NPROCESSORS_ONLN));
  uint64_t wanted = s.jobs > 0 ? static_cast<uint64_t>(s.jobs) : static_cast<uint64_t>(cores);
  if (sequenceTotalKnown) wanted = std::min(wanted, std::max<uint64_t>(pointsLeft, 1));
  std::string problem;
  int started = pool.start(static_cast<int>(wanted), [&w](uint64_t p) { return pointRow(w, p); }, problem);
  if (started == 0) throw std::runtime_error("cannot start a worker (" + problem + ")");
  if (static_cast<uint64_t>(started) < wanted)
    std::fprintf(stderr, "plomar sweep: started %d of %llu workers (%s); going on with %d\n", started,
                 static_cast<unsigned long long>(wanted), problem.c_str(), started);
}

// The point number of a row of this sweep.
SweepRow rowOf(const Sweep& w, const std::string& row) { return readSweepTable(w.header + row, "row").rows.front(); }

// One run of a sweep: its points handed to the workers, its rows to the
// table in point order, rows an earlier run left in the journal taken as
// their turn comes instead of being computed again.
class SweepRun {
 public:
  SweepRun(const Settings& s, const Sweep& w, PointSequence& sequence, SweepTableFile* file, EarlierRun earlier)
      : s_(s), w_(w), sequence_(sequence), file_(file), earlier_(std::move(earlier)),
        done_(earlier_.plan.pointsDone), progress_(done_, sequence.total()) {
    for (SweepRow& r : earlier_.plan.rows) best_.add(std::move(r));
  }

  // Ends the program when a stop signal came.
  int run(WorkerPool& pool) {
    if (file_ != nullptr) {
      file_->begin(earlier_.plan.keepBytes, w_.header, earlier_.journal);
    } else {
      writeStandardOutput(w_.header);
    }
    RowHandlers handlers;
    handlers.inOrder = [this](const std::string& row) { inOrder(row); };
    if (file_ != nullptr)
      handlers.early = [this](uint64_t point, const std::string& row) {
        file_->writeEarly(point, row);
        early_.insert(point);
      };
    catchStopSignals();
    RunOutcome outcome = pool.run([this](uint64_t& point) { return nextPoint(point); }, handlers);
    if (outcome.end == RunEnd::Done) {
      writeJournalRowsBefore(UINT64_MAX);
      if (file_ != nullptr) file_->finish();
    }
    progress_.clear();
    if (outcome.end == RunEnd::Interrupted) {
      pool.stop();
      interrupted();
    }
    if (outcome.end == RunEnd::Failed) {
      commandError("sweep", outcome.problem);
      return EXIT_FAILED;
    }
    if (refused_) throw *refused_;
    best_.print(s_.arguments[0]);
    return 0;
  }

 private:
  // The next point to compute. A point the block menu refuses ends the
  // sweep after the points before it.
  bool nextPoint(uint64_t& point) {
    while (!refused_ && sequence_.next(point)) {
      if (earlier_.journal.count(point) == 0) {
        try {
          checkPoint(w_.space, point);
        } catch (const SetupError& e) {
          refused_ = e;
          return false;
        }
        return true;
      }
      reached_.insert(point);  // finished before: not computed again
    }
    return false;
  }

  void inOrder(const std::string& row) {
    uint64_t point = rowOf(w_, row).point;
    writeJournalRowsBefore(point);
    write(point, row);
  }

  void writeJournalRowsBefore(uint64_t point) {
    while (!reached_.empty() && *reached_.begin() < point) {
      uint64_t p = *reached_.begin();
      write(p, earlier_.journal[p]);
      reached_.erase(reached_.begin());
    }
  }

  void write(uint64_t point, const std::string& row) {
    if (file_ != nullptr) {
      file_->writeRow(point, row);
    } else {
      writeStandardOutput(row);
    }
    best_.add(rowOf(w_, row));
    early_.erase(point);
    ++done_;
    progress_.advance();
  }

  [[noreturn]] void interrupted() {
    const size_t finished = done_ + early_.size() + reached_.size();
    const uint64_t total = sequence_.total();
    std::string of = total > 0 ? " of " + std::to_string(total) : "";
    std::fprintf(stderr, "plomar sweep: interrupted after %zu%s points%s\n", finished, of.c_str(),
                 s_.out.empty() ? "" : ("; the same command with --resume continues " + s_.out).c_str());
    endByStopSignal();
  }

  const Settings& s_;
  const Sweep& w_;
  PointSequence& sequence_;
  SweepTableFile* file_;  // null: the table goes to standard output
  EarlierRun earlier_;
  size_t done_;
  ProgressBar progress_;
  BestRows best_;
  std::set<uint64_t> reached_;  // points of the journal that the run has come to
  std::set<uint64_t> early_;    // rows of this run waiting in the journal
  std::optional<SetupError> refused_;
};

int runSweepOf(const Settings& s) {
  Sweep w = prepareSweep(s);
  checkValues(w.space);
  PointSequence sequence(w.space.pointCount, choiceOf(s));
  std::optional<SweepTableFile> file;  // locked, but not touched before the run can proceed
  if (!s.out.empty()) file.emplace(s.out);
  EarlierRun earlier;
  if (file && s.resume) earlier = readEarlierRun(*file, w, sequence);
  const uint64_t total = sequence.total(), done = earlier.plan.pointsDone;
  WorkerPool pool;
  startWorkers(pool, s, total > 0, total > done ? total - done : 0, w);
  SweepRun run(s, w, sequence, file ? &*file : nullptr, std::move(earlier));
  return run.run(pool);
}

}  // namespace

int runSweep(int argc, char** argv) {
  Settings settings;
  try {
    bool help = false;
    settings = parseSettings(argc, argv, help);
    if (answeredHelpOrVersion(help, settings.version,
                              [] { std::printf(USAGE, static_cast<unsigned long long>(DEFAULT_MAX_STEPS)); }))
      return 0;
  } catch (const UsageProblem& p) {
    usageError(COMMAND, p.text);
    return EXIT_USAGE;
  }
  try {
    return settings.merge ? runMerge(settings) : runSweepOf(settings);
  } catch (const SetupError& e) {
    commandError(COMMAND, e.what());  // FILE:LINE: KEY: problem, as for a set-up file
    return EXIT_USAGE;
  } catch (const std::exception& e) {
    commandError(COMMAND, e.what());
    return EXIT_FAILED;
  }
}
