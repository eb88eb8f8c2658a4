// plomar sweep: the blocks of a whole space of set-ups, measured.
#include "steering/sweep.hpp"

#include <fcntl.h>
#include <getopt.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <chrono>
#include <cstdio>
#include <algorithm>
#include <cstring>
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
    "LO, HI and S have. Text in double quotes is taken as it is; the file names\n"
    "of MAP and PHNTM hold no ranges. The points are the cartesian product of\n"
    "the values, numbered from 1: the first KEY = value line of the file varies\n"
    "slowest, the last one fastest. 'plomar keys SPACE --point N' and\n"
    "'plomar block SPACE --point N' take the set-up of point N.\n"
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
    "and no z. Numbers\n"
    "are in full precision. Rows are written as their points complete: after an\n"
    "interruption (Ctrl-C) every row on disk is whole, and the same command with\n"
    "--resume computes only the missing points, to the same bytes as a run that\n"
    "was never interrupted. The tables of all shards, merged, are the bytes of\n"
    "the unsharded run; --merge refuses tables of different sweeps, a row cut\n"
    "off, two different rows of one point, and missing points.\n"
    "\n"
    "At the end the best 10 complete points (smallest distance) go to standard\n"
    "error, each with the command that prints its keys; a progress bar goes to\n"
    "standard error when it is a terminal. Nothing but the table goes to\n"
    "standard output.\n"
    "\n"
    "Exit status: 0 on success, 1 when the sweep fails or --merge refuses,\n"
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

struct UsageProblem {
  std::string text;
};

void setShard(Settings& s, const char* text) {
  std::string t = text;
  size_t slash = t.find('/');
  if (slash == std::string::npos || !parseCount(t.substr(0, slash).c_str(), s.shard) ||
      !parseCount(t.substr(slash + 1).c_str(), s.shards) || s.shard < 1 || s.shard > s.shards)
    throw UsageProblem{"--shard wants I/N with 1 <= I <= N, not '" + t + "'"};
}

uint64_t countOption(const char* name, const char* text, uint64_t least) {
  uint64_t v = 0;
  if (!parseCount(text, v) || v < least)
    throw UsageProblem{std::string("--") + name + " wants a whole number of at least " + std::to_string(least) +
                       ", not '" + text + "'"};
  return v;
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
  };
  addTargetOptions(options);
  options.push_back({nullptr, 0, nullptr, 0});
  Settings s;
  opterr = 0;
  optind = 1;
  int opt;
  while ((opt = getopt_long(argc, argv, ":j:o:hu", options.data(), nullptr)) != -1) {
    s.sweepOptions = s.sweepOptions || (opt != 'o' && opt != MERGE && opt != 'h');
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
  if (s.seeded && !s.sampled) throw UsageProblem{"--seed goes with --sample"};
  if (s.resume && s.out.empty()) throw UsageProblem{"--resume continues the table of --out FILE"};
  return s;
}

// ---- files ----

// Rows go to a file descriptor as whole records, each with one write.
class TableOutput {
 public:
  explicit TableOutput(std::string name) : name_(std::move(name)) {}
  ~TableOutput() {
    if (fd_ > STDOUT_FILENO) close(fd_);
  }
  void toStandardOutput() { fd_ = STDOUT_FILENO; }
  void open(int flags) {
    fd_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | flags, 0666);
    if (fd_ < 0) throw std::runtime_error("cannot create " + name_ + ": " + std::strerror(errno));
  }
  void write(const std::string& text) {
    if (int failure = writeAllBytes(fd_, text))
      throw std::runtime_error("cannot write " + name_ + ": " + std::strerror(failure));
  }

 private:
  std::string name_;
  int fd_ = -1;
};

// ---- the sweep ----

std::vector<uint64_t> pointsOfRun(const Settings& s, uint64_t count) {
  std::vector<uint64_t> points;
  for (uint64_t p : samplePoints(count, s.sampled ? s.sample : count, s.seed))
    if ((p - 1) % s.shards == s.shard - 1) points.push_back(p);
  return points;
}

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

void printBest(const std::vector<SweepRow>& rows, const std::string& spaceName) {
  std::vector<SweepRow> best = bestRows(rows, 10);
  if (best.empty()) {
    std::fprintf(stderr, "No point of the sweep completed.\n");
    return;
  }
  std::fprintf(stderr, "The best %zu of %zu points (smallest distance to the target):\n", best.size(), rows.size());
  for (size_t i = 0; i < best.size(); ++i)
    std::fprintf(stderr, "%3zu. point %-8llu distance %-12s plomar keys %s --point %llu\n", i + 1,
                 static_cast<unsigned long long>(best[i].point), significantForm(best[i].distance, 6).c_str(),
                 shellWord(spaceName).c_str(), static_cast<unsigned long long>(best[i].point));
}

// Every point of the run must make a set-up that the block menu accepts,
// before the first block is generated.
void checkPoints(const SweepSpace& space, const std::vector<uint64_t>& points) {
  for (uint64_t p : points) {
    try {
      applySetup(pointSetup(space, p));
    } catch (const SetupError& e) {
      throw SetupError(std::string(e.what()) + " (point " + std::to_string(p) + ")");
    }
  }
}

int runMerge(const Settings& s) {
  std::vector<std::string> contents;
  for (const std::string& name : s.arguments) contents.push_back(inputBytes(name));
  std::string merged = mergeSweepTables(contents, s.arguments);
  if (s.out.empty()) {
    TableOutput out("standard output");
    out.toStandardOutput();
    out.write(merged);
  } else {
    OutputFile file;
    int problem = 0;
    if (!file.openQuietly(s.out, &problem)) throw std::runtime_error("cannot create " + s.out + ": " + std::strerror(problem));
    file.print(merged);
    if (!file.closeQuietly(&problem)) throw std::runtime_error("cannot write " + s.out + ": " + std::strerror(problem));
  }
  std::vector<SweepRow> rows = readSweepTable(merged, "merged").rows;
  printBest(rows, "SPACE");
  return 0;
}

// The target measured on its windows, or a refusal naming it.
WindowedTarget windowedTarget(const Settings& s, const TokenSequence& target) {
  const WindowPlan plan = planWindow(static_cast<size_t>(std::min<uint64_t>(s.target.window, SIZE_MAX)), {target.size()});
  if (plan.refused()) throw std::runtime_error(s.target.path + ": " + tooShortText(target.size(), true));
  return WindowedTarget(target, plan.window, s.target.measures);
}

int runSweepOf(const Settings& s) {
  Sweep w;
  w.spaceText = inputBytes(s.arguments[0]);
  w.space = parseSpaceText(w.spaceText, s.arguments[0]);
  std::string targetBytes = inputBytes(s.target.path);
  w.measuring.reading = s.target.reading;
  w.measures = s.target.measures;
  w.measuring.target = windowedTarget(s, tokenSequence(tokensOfInput(s.target.kind, targetBytes, s.target.path, s.target.reading),
                                             s.target.reading.characters));
  w.maxSteps = s.maxSteps;
  w.header = sweepHeader(w.measures);
  std::vector<uint64_t> points = pointsOfRun(s, w.space.pointCount);
  w.sweep = sweepField(fingerprintOfSweep(w, s, targetBytes), s.sampled ? std::min(s.sample, w.space.pointCount)
                                                                           : w.space.pointCount);
  checkPoints(w.space, points);

  TableOutput out(s.out.empty() ? "standard output" : s.out);
  ResumePlan plan;
  if (s.out.empty()) {
    out.toStandardOutput();
  } else if (s.resume && access(s.out.c_str(), F_OK) == 0) {
    plan = planResume(inputBytes(s.out), s.out, w.header, w.sweep, points);
    if (truncate(s.out.c_str(), static_cast<off_t>(plan.keepBytes)) != 0)
      throw std::runtime_error("cannot cut " + s.out + ": " + std::strerror(errno));
    out.open(O_APPEND);
  } else {
    out.open(O_TRUNC);
  }
  if (plan.keepBytes == 0) out.write(w.header);

  std::vector<SweepRow> rows = std::move(plan.rows);
  for (SweepRow& r : rows) r.text.clear();
  std::vector<uint64_t> rest(points.begin() + static_cast<std::ptrdiff_t>(plan.pointsDone), points.end());
  ProgressBar progress(plan.pointsDone, points.size(), "points");
  catchStopSignals();
  unsigned long cores = static_cast<unsigned long>(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
  RunOutcome outcome = runPoints(
      rest, s.jobs > 0 ? s.jobs : static_cast<int>(cores), [&w](uint64_t p) { return pointRow(w, p); },
      [&](const std::string& row) {
        out.write(row);
        rows.push_back(readSweepTable(w.header + row, "row").rows.front());
        rows.back().text.clear();
        progress.advance();
      });
  progress.clear();
  if (outcome.end == RunEnd::Interrupted) {
    std::fprintf(stderr, "plomar sweep: interrupted after %zu of %zu points%s\n", rows.size(), points.size(),
                 s.out.empty() ? "" : ("; the same command with --resume continues " + s.out).c_str());
    endByStopSignal();
  }
  if (outcome.end == RunEnd::Failed) {
    std::fprintf(stderr, "plomar sweep: %s\n", outcome.problem.c_str());
    return EXIT_FAILED;
  }
  printBest(rows, s.arguments[0]);
  return 0;
}

}  // namespace

int runSweep(int argc, char** argv) {
  Settings settings;
  try {
    bool help = false;
    settings = parseSettings(argc, argv, help);
    if (help) {
      std::printf(USAGE, static_cast<unsigned long long>(DEFAULT_MAX_STEPS));
      return 0;
    }
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
