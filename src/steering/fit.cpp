// plomar fit: a set-up designed from the target, then searched for.
#include "steering/fit.hpp"

#include <fcntl.h>
#include <getopt.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "cli/options.hpp"
#include "cli/targetoptions.hpp"
#include "compare/statsinputs.hpp"
#include "compare/statsplot.hpp"
#include "compare/yardsticks.hpp"
#include "setups/setupfile.hpp"
#include "shell/files.hpp"
#include "shell/numberforms.hpp"
#include "steering/blockrow.hpp"
#include "steering/fitdesign.hpp"
#include "steering/fitfiles.hpp"
#include "steering/fitsearch.hpp"
#include "steering/progressbar.hpp"
#include "steering/sweeprunner.hpp"
#include "steering/sweeptable.hpp"

namespace {

// A printf format: the default budget of map steps goes in.
const char* const USAGE =
    "Usage: plomar fit (--target FILE | --target-words FILE | --target-list FILE |\n"
    "                   --target-block FILE) [OPTION]...\n"
    "       plomar fit --merge DIR... [--out DIR]\n"
    "Design a block set-up from the target (the units of the 38 rows, their map\n"
    "integers and W, the group sizes), then search for the set-up whose block\n"
    "comes closest to the target, within a budget of evaluations. An evaluation\n"
    "generates one block of a few comparison windows and measures it as\n"
    "'plomar sweep' measures a point.\n"
    "\n"
    "Target (one of them, read as 'plomar stats' reads its inputs):\n"
    "      --target FILE        an ordinary text\n"
    "      --target-words FILE  a transcription: words are runs of non-blanks\n"
    "      --target-list FILE   a List file, one token a line\n"
    "      --target-block FILE  a block report (CGB.txt)\n"
    "\n"
    "Comparison (as for 'plomar stats' and 'plomar sweep'):\n"
    "      --window N       window size in tokens (default 1000, at most 5000),\n"
    "                       lowered to half the target's tokens; a block holds\n"
    "                       4 windows and up to one more\n"
    "      --measures LIST  the measures of the comparison (default: all but h0)\n"
    "      --strip AB       in every line remove each stretch from an A to the next B\n"
    "      --drop CHARS     remove these characters\n"
    "  -u, --utf8           read the target as UTF-8 and count code points\n"
    "\n"
    "Search:\n"
    "      --budget N       evaluations, the design's included (default 500);\n"
    "                       0 writes the design only\n"
    "      --max-steps N    map steps an evaluation may take before it counts as\n"
    "                       the worst (default %llu per group of the largest\n"
    "                       block)\n"
    "      --seed S         the seed of the search (default 1)\n"
    "  -j, --jobs N         worker processes (default: the number of cores)\n"
    "  -o, --out DIR        the folder of the fit (default fit)\n"
    "      --resume         continue the fit in --out DIR after an interruption\n"
    "      --merge          keep the best of the fits in the folders DIR...\n"
    "  -h, --help           show this help and exit\n"
    "  -V, --version        show the version and exit\n"
    "\n"
    "The folder: design.txt and best.txt, set-up files for 'plomar block',\n"
    "'plomar keys' and 'plomar open' run in the folder, each with its\n"
    "symbols-map and phantoms files (designMAP.TXT, designPHNTM.TXT,\n"
    "bestMAP.TXT, bestPHNTM.TXT);\n"
    "evaluations.csv, one row per evaluation with the columns of the sweep's\n"
    "table and the generation of the search; fit.svg, the best distance per\n"
    "evaluation, the length distributions and rank-frequency curves of the\n"
    "target, the design and the best, and the z of every measure for the\n"
    "design and the best. dist is the comparison's: the root mean square of\n"
    "the z, each in units of the target's own spread between its windows.\n"
    "The search is a (3/2 + 10) evolution strategy with self-adaptive mutation\n"
    "strength and discrete recombination; the same command and seed give the\n"
    "same bytes on any machine and for any --jobs. After an interruption\n"
    "(Ctrl-C) every finished evaluation and the best so far are on disk, and\n"
    "the same command with --resume continues to the bytes of a fit never\n"
    "interrupted. --merge refuses fits of another target or comparison.\n"
    "\n"
    "Exit status: 0 on success, 1 when the fit fails or --merge refuses,\n"
    "2 on a usage error (a budget that is not a number, a target too short,\n"
    "an --out folder that holds a fit, without --resume).\n";

const char* const COMMAND = "fit";

constexpr uint64_t DEFAULT_BUDGET = 500;
constexpr uint64_t LARGEST_WINDOW = 5000;
constexpr int32_t BLOCK_WINDOWS = 4;
// Map steps an evaluation may take by default, per group of the largest
// block: designs take 100 to 400, a set-up that cannot complete goes on for ever.
constexpr uint64_t STEPS_PER_GROUP = 2000;

struct Settings {
  std::vector<std::string> arguments;  // the folders of --merge
  TargetOptions target;
  uint64_t budget = DEFAULT_BUDGET, seed = 1, maxSteps = 0;  // 0: by the block size
  int jobs = 0;
  std::string out = "fit";
  bool resume = false, merge = false, fitOptions = false;
  bool version = false;  // --version: nothing else is done
};

// Input the fit refuses (exit 2 as a usage error), in the form "FILE: problem".
struct RefusedInput {
  std::string text;
};

// Everything an evaluation needs; the workers inherit it when they are forked.
struct Fit {
  BlockMeasuring measuring;
  FitDesign design;
  uint64_t maxSteps = 0;
  std::string dir, header, field;
  std::string comparisonPrint;  // the fingerprint of the target and the comparison
  Yardsticks targetYardsticks;
  // The generation being evaluated: its set-ups and the number of its first evaluation.
  std::vector<FitSetup> generation;
  size_t generationNumber = 0;
  uint64_t firstEvaluation = 1;
};

// ---- options ----

enum OptionCode { MAXSTEPS = 256, BUDGET, SEED, RESUME, MERGE };

Settings parseSettings(int argc, char** argv, bool& help) {
  std::vector<option> options{
      {"max-steps", required_argument, nullptr, MAXSTEPS},
      {"budget", required_argument, nullptr, BUDGET},
      {"seed", required_argument, nullptr, SEED},
      {"jobs", required_argument, nullptr, 'j'},
      {"out", required_argument, nullptr, 'o'},
      {"resume", no_argument, nullptr, RESUME},
      {"merge", no_argument, nullptr, MERGE},
      {"help", no_argument, nullptr, 'h'},
      {"version", no_argument, nullptr, 'V'},
  };
  addTargetOptions(options);
  options.push_back({nullptr, 0, nullptr, 0});
  const uint64_t most = std::numeric_limits<uint32_t>::max();
  Settings s;
  opterr = 0;
  optind = 1;
  int opt;
  while ((opt = getopt_long(argc, argv, ":j:o:uhV", options.data(), nullptr)) != -1) {
    s.fitOptions = s.fitOptions || (opt != 'o' && opt != MERGE && opt != 'h' && opt != 'V');
    try {
      if (takeTargetOption(opt, optarg, s.target)) continue;
    } catch (const std::invalid_argument& e) {
      throw UsageProblem{e.what()};
    }
    switch (opt) {
      case MAXSTEPS: s.maxSteps = countOption("max-steps", optarg, 1, UINT64_MAX); break;
      case BUDGET: s.budget = countOption("budget", optarg, 0, 1'000'000); break;
      case SEED: s.seed = countOption("seed", optarg, 0, most); break;
      case 'j': s.jobs = static_cast<int>(countOption("jobs", optarg, 1, 1024)); break;
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
    if (s.arguments.empty()) throw UsageProblem{"--merge wants the folders of the fits"};
    if (s.fitOptions) throw UsageProblem{"--merge takes only --out and the folders"};
    return s;
  }
  if (!s.arguments.empty()) throw UsageProblem{"unexpected argument '" + s.arguments[0] + "'"};
  if (std::string problem = targetOptionsProblem(s.target); !problem.empty()) throw UsageProblem{problem};
  if (s.target.window > LARGEST_WINDOW)
    throw UsageProblem{"--window wants at most " + std::to_string(LARGEST_WINDOW) + " for a fit, not " +
                       std::to_string(s.target.window)};
  if (s.out.empty()) throw UsageProblem{"--out wants a folder"};
  return s;
}

// ---- the folder ----

bool exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

// The fit's files that the folder holds already.
std::vector<std::string> fitFilesIn(const std::string& dir) {
  std::vector<std::string> found;
  for (const std::string& name : fitFileNames())
    if (exists(dir + "/" + name)) found.push_back(name);
  return found;
}

void makeFolder(const std::string& dir) {
  if (mkdir(dir.c_str(), 0777) != 0 && errno != EEXIST)
    throw FitFileError("cannot create " + dir + ": " + std::strerror(errno));
  struct stat st {};
  if (stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) throw FitFileError(dir + ": not a folder");
}

// Rows go to the table one whole record per write.
class TableAppender {
 public:
  TableAppender(const std::string& path, size_t keepBytes) : path_(path) {
    fd_ = open(path.c_str(), O_WRONLY | O_CREAT, 0666);
    if (fd_ < 0 || ftruncate(fd_, static_cast<off_t>(keepBytes)) != 0 || lseek(fd_, 0, SEEK_END) < 0)
      throw FitFileError("cannot write " + path + ": " + std::strerror(errno));
  }
  ~TableAppender() { close(fd_); }
  void write(const std::string& text) {
    if (int failure = writeAllBytes(fd_, text)) throw FitFileError("cannot write " + path_ + ": " + std::strerror(failure));
  }

 private:
  std::string path_;
  int fd_ = -1;
};

// ---- evaluations ----

std::string evaluationRow(const Fit& f, uint64_t evaluation) {
  const FitSetup& s = f.generation.at(evaluation - f.firstEvaluation);
  applySetup(parseSetupText(fitSetupText(s, "", ""), "evaluation " + std::to_string(evaluation)));
  installUnits(s);
  HeadlessBlock block = generateHeadless(f.maxSteps);
  return std::to_string(evaluation) + "," + setupCell(evaluationSetupText(s)) + "," +
         measuredBlockRow(block, f.measuring).fields + "," + f.field + "," + std::to_string(f.generationNumber) + "\n";
}

// A block that did not complete or is shorter than a window is the worst.
double rowDistance(const SweepRow& row) { return row.complete ? row.distance : std::numeric_limits<double>::infinity(); }

// The fields of one row by column name.
struct RowFields {
  std::vector<std::string> names, values;
  std::string operator[](const std::string& name) const {
    auto at = std::find(names.begin(), names.end(), name);
    return at == names.end() ? "" : values[static_cast<size_t>(at - names.begin())];
  }
};

RowFields rowFields(const std::string& header, const std::string& row) {
  CsvRecords csv = readCsvRecords(header + row);
  RowFields f;
  if (csv.records.size() == 2) {
    f.names = csv.records[0];
    f.values = csv.records[1];
  }
  return f;
}

// What the fit keeps of its rows: each evaluation's distance and text.
struct Record {
  std::vector<SweepRow> rows;
  size_t best = 0;  // index of the best row so far (the first of equal distances)
  FitSetup bestSetup;
  bool improved(const SweepRow& row, const FitSetup& setup) {
    rows.push_back(row);
    if (rows.size() == 1 || rowDistance(row) < rowDistance(rows[best])) {
      best = rows.size() - 1;
      bestSetup = setup;
      return true;
    }
    return false;
  }
};

// The part of a row's distance that the lengths of its groups make: the
// sum of the squared z of the length measures (infinity for a block that
// did not complete).
double lengthsPart(const Fit& f, const SweepRow& row) {
  if (!std::isfinite(rowDistance(row))) return std::numeric_limits<double>::infinity();
  const RowFields fields = rowFields(f.header, row.text);
  double sum = 0;
  for (const std::string& measure : lengthMeasures()) {
    double z = 0;
    const std::string field = fields["z_" + measure];
    if (std::from_chars(field.data(), field.data() + field.size(), z).ec == std::errc{}) sum += z * z;
  }
  return sum;
}

std::string distanceText(double d) { return std::isfinite(d) ? fixedSignificant(d) : "out of steps"; }

// ---- the search ----

struct Outcome {
  bool interrupted = false;
  std::string problem;
};

Outcome search(Fit& f, const Settings& s, Record& record, const std::vector<SweepRow>& earlier,
               TableAppender& table) {
  FitSearch search(f.design, SearchSettings{s.budget, s.seed});
  ProgressBar progress(earlier.size(), s.budget, "evaluations");
  catchStopSignals();
  unsigned long cores = static_cast<unsigned long>(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
  for (std::vector<FitSetup> proposals = search.propose(); !proposals.empty(); proposals = search.propose()) {
    f.generation = proposals;
    f.generationNumber = search.generation();
    f.firstEvaluation = search.evaluations() + 1;
    std::vector<double> distances, lengths;
    std::vector<uint64_t> missing;
    for (size_t i = 0; i < proposals.size(); ++i) {
      uint64_t evaluation = f.firstEvaluation + i;
      if (evaluation > earlier.size()) {
        missing.push_back(evaluation);
        continue;
      }
      const SweepRow& row = earlier[evaluation - 1];
      if (setupCell(rowFields(f.header, row.text)["setup"]) != setupCell(evaluationSetupText(proposals[i])))
        throw FitFileError(f.dir + "/" + FIT_TABLE + ": evaluation " + std::to_string(evaluation) +
                           " is not this fit's (another version of the program?)");
      distances.push_back(rowDistance(row));
      lengths.push_back(lengthsPart(f, row));
      if (record.improved(row, proposals[i])) writeFitSetup(f.dir, "best", proposals[i]);
    }
    RunOutcome outcome = runPoints(
        missing, s.jobs > 0 ? s.jobs : static_cast<int>(cores), [&f](uint64_t e) { return evaluationRow(f, e); },
        [&](const std::string& text) {
          table.write(text);
          SweepRow row = readSweepTable(f.header + text, "row").rows.front();
          distances.push_back(rowDistance(row));
          lengths.push_back(lengthsPart(f, row));
          const FitSetup& setup = f.generation[row.point - f.firstEvaluation];
          if (record.improved(row, setup)) writeFitSetup(f.dir, "best", setup);
          progress.advance("best dist " + distanceText(rowDistance(record.rows[record.best])));
        });
    if (outcome.end == RunEnd::Interrupted) {
      progress.clear();
      return Outcome{true, ""};
    }
    if (outcome.end == RunEnd::Failed) {
      progress.clear();
      return Outcome{false, outcome.problem};
    }
    search.tell(distances, lengths);
  }
  progress.clear();
  return Outcome{};
}

// ---- the report ----

// The yardsticks and z of a set-up's block, generated again.
MeasuredInput measuredSetup(const Fit& f, const std::string& name, const FitSetup& s) {
  applySetup(parseSetupText(fitSetupText(s, "", ""), name));
  installUnits(s);
  MeasuredRow row = measuredBlockRow(generateHeadless(f.maxSteps), f.measuring);
  return MeasuredInput{name, row.yardsticks, row.comparison};
}

std::vector<std::string> distanceColumns(const RowFields& fields) {
  std::vector<std::string> names{"dist"};
  for (const std::string& n : fields.names)
    if (n.rfind("z_", 0) == 0) names.push_back(n);
  return names;
}

// A number of the table with 4 significant digits; empty for none.
std::string tableNumber(const std::string& field) {
  double v = 0;
  auto [end, problem] = std::from_chars(field.data(), field.data() + field.size(), v);
  return problem == std::errc{} && end == field.data() + field.size() && !field.empty() ? fixedSignificant(v) : field;
}

std::string resultTable(const Fit& f, const Record& record) {
  RowFields design = rowFields(f.header, record.rows.front().text);
  RowFields best = rowFields(f.header, record.rows[record.best].text);
  char line[160];
  std::string table;
  std::snprintf(line, sizeof line, "%-14s %10s %10s\n", "", "design", "best");
  table += line;
  for (const std::string& name : distanceColumns(best)) {
    std::snprintf(line, sizeof line, "%-14s %10s %10s\n", name.c_str(), tableNumber(design[name]).c_str(),
                  tableNumber(best[name]).c_str());
    table += line;
  }
  return table;
}

void writePicture(const Fit& f, const Record& record, const MeasuredInput& target, const FitSetup& best) {
  std::vector<std::pair<double, double>> curve;
  double lowest = std::numeric_limits<double>::infinity();
  for (size_t i = 0; i < record.rows.size(); ++i) {
    lowest = std::min(lowest, rowDistance(record.rows[i]));
    curve.emplace_back(static_cast<double>(i + 1), lowest);
  }
  std::vector<MeasuredInput> inputs{target, measuredSetup(f, "design", f.design.setup), measuredSetup(f, "best", best)};
  writeWholeFile(f.dir + "/" + FIT_PICTURE,
                 stackedSvg({curveSvg("Best dist so far", "evaluation", "dist", curve), comparisonSvg(inputs)}));
}

// ---- the command ----

std::string fitFingerprint(const Settings& s, uint64_t maxSteps, const std::string& comparison) {
  return comparison + "-" +
         fingerprintOf({"plomar fit search 1", std::to_string(s.seed), std::to_string(s.budget),
                        std::to_string(maxSteps)}) +
         "/" + std::to_string(s.budget);
}

// The folder's earlier rows (with --resume), checked to be this fit's.
std::vector<SweepRow> earlierRows(const Fit& f, const Settings& s, size_t& keepBytes) {
  keepBytes = 0;
  const std::string path = f.dir + "/" + FIT_TABLE;
  std::vector<std::string> present = fitFilesIn(f.dir);
  if (!s.resume) {
    if (!present.empty())
      throw RefusedInput{f.dir + ": holds a fit already (" + present.front() +
                         "); --resume continues it, another --out starts a new one"};
    return {};
  }
  if (!exists(path)) return {};  // interrupted before its first evaluation
  SweepTable table = readSweepTable(inputBytes(path), path);
  if (!table.header.empty() && table.header != f.header) throw RefusedInput{path + ": the table of another fit"};
  for (const SweepRow& row : table.rows)
    if (row.sweep != f.field) throw RefusedInput{path + ": the table of another fit (target, comparison or options)"};
  keepBytes = table.header.empty() ? 0 : table.completeBytes;
  return table.rows;
}

// The command that shows the best set-up of a fit's folder on screen, with
// the program's name as it was started (its set-up names its map and
// phantoms files from inside the folder).
std::string openBestLine(const std::string& dir) {
  return "cd " + shellWord(dir) + " && " + shellWord(programNameFromAnyFolder()) + " open best.txt";
}

int runFitOf(const Settings& s) {
  Fit f;
  f.dir = s.out;
  const SteeringTarget target = readSteeringTarget(s.target);
  if (!target.tooShort.empty()) throw RefusedInput{target.tooShort};
  const uint64_t window = target.window;
  const std::string& targetBytes = target.bytes;
  const std::vector<std::string>& tokens = target.tokens;
  f.measuring.reading = s.target.reading;
  const TokenSequence targetSequence = tokenSequence(tokens, s.target.reading.characters);
  f.targetYardsticks = measureSequence(targetSequence);
  f.measuring.target.emplace(targetSequence, target.window, s.target.measures);
  std::vector<std::string> comparison{"plomar fit comparison 1", std::to_string(static_cast<int>(s.target.kind)),
                                      targetBytes, std::to_string(window), "strip " + s.target.reading.strip,
                                      "drop " + s.target.reading.drop,
                                      s.target.reading.characters == Characters::Utf8 ? "utf8" : "bytes"};
  comparison.insert(comparison.end(), s.target.measures.begin(), s.target.measures.end());
  f.comparisonPrint = fingerprintOf(comparison);
  const int32_t blockLo = BLOCK_WINDOWS * static_cast<int32_t>(window);
  const int32_t blockHi = blockLo + static_cast<int32_t>(window) - 1;
  f.maxSteps = s.maxSteps > 0 ? s.maxSteps : STEPS_PER_GROUP * static_cast<uint64_t>(blockHi);
  f.field = fitFingerprint(s, f.maxSteps, f.comparisonPrint);
  const std::string sweepColumns = sweepHeader(s.target.measures);
  f.header = sweepColumns.substr(0, sweepColumns.size() - 1) + ",generation\n";

  size_t keepBytes = 0;
  std::vector<SweepRow> earlier = earlierRows(f, s, keepBytes);
  f.design = designFromTarget(tokens, blockLo, blockHi, s.target.reading.characters == Characters::Utf8, f.maxSteps);
  makeFolder(f.dir);
  writeFitSetup(f.dir, "design", f.design.setup);
  if (s.budget == 0) {
    std::printf("The design is in %s/design.txt (no evaluation with --budget 0).\n", f.dir.c_str());
    return 0;
  }
  TableAppender table(f.dir + "/" + FIT_TABLE, keepBytes);
  if (keepBytes == 0) table.write(f.header);

  Record record;
  Outcome outcome = search(f, s, record, earlier, table);
  if (outcome.interrupted) {
    std::fprintf(stderr, "plomar fit: interrupted after %zu of %llu evaluations; the same command with --resume continues %s\n",
                 record.rows.size(), static_cast<unsigned long long>(s.budget), f.dir.c_str());
    endByStopSignal();
  }
  if (!outcome.problem.empty()) {
    commandError(COMMAND, outcome.problem);
    return EXIT_FAILED;
  }
  writePicture(f, record, MeasuredInput{"target", f.targetYardsticks, {}}, record.bestSetup);
  std::printf("%s\nBest of %zu evaluations: evaluation %llu, dist %s. On screen:\n  %s\n", resultTable(f, record).c_str(),
              record.rows.size(), static_cast<unsigned long long>(record.rows[record.best].point),
              distanceText(rowDistance(record.rows[record.best])).c_str(), openBestLine(f.dir).c_str());
  return 0;
}

// ---- merge ----

struct FolderBest {
  std::string dir;
  std::string comparison;  // the comparison part of the fit's fingerprint
  double distance = std::numeric_limits<double>::infinity();
};

FolderBest bestOfFolder(const std::string& dir) {
  const std::string path = dir + "/" + FIT_TABLE;
  SweepTable table = readSweepTable(inputBytes(path), path);
  if (table.rows.empty()) throw FitFileError(path + ": no evaluation");
  if (!exists(dir + "/best.txt")) throw FitFileError(dir + ": no best.txt");
  FolderBest best{dir, table.rows.front().sweep.substr(0, table.rows.front().sweep.find('-'))};
  for (const SweepRow& row : table.rows) best.distance = std::min(best.distance, rowDistance(row));
  return best;
}

int runMerge(const Settings& s) {
  std::vector<FolderBest> folders;
  for (const std::string& dir : s.arguments) folders.push_back(bestOfFolder(dir));
  for (const FolderBest& b : folders)
    if (b.comparison != folders.front().comparison)
      throw FitFileError(b.dir + ": a fit of another target or comparison than " + folders.front().dir);
  std::vector<std::string> present = fitFilesIn(s.out);
  if (!present.empty()) throw RefusedInput{s.out + ": holds a fit already (" + present.front() + ")"};
  const FolderBest* best = &folders.front();
  for (const FolderBest& b : folders)
    if (b.distance < best->distance) best = &b;
  makeFolder(s.out);
  for (const std::string& name : fitFileNames())
    if (exists(best->dir + "/" + name)) writeWholeFile(s.out + "/" + name, inputBytes(best->dir + "/" + name));
  std::printf("Best of %zu fits: %s, dist %s. On screen:\n  %s\n", folders.size(), best->dir.c_str(),
              distanceText(best->distance).c_str(), openBestLine(s.out).c_str());
  return 0;
}

}  // namespace

int runFit(int argc, char** argv) {
  Settings settings;
  try {
    bool help = false;
    settings = parseSettings(argc, argv, help);
    if (answeredHelpOrVersion(help, settings.version,
                              [] { std::printf(USAGE, static_cast<unsigned long long>(STEPS_PER_GROUP)); }))
      return 0;
    return settings.merge ? runMerge(settings) : runFitOf(settings);
  } catch (const UsageProblem& p) {
    usageError(COMMAND, p.text);
    return EXIT_USAGE;
  } catch (const RefusedInput& r) {
    commandError(COMMAND, r.text);
    return EXIT_USAGE;
  } catch (const SetupError& e) {
    commandError(COMMAND, e.what());
    return EXIT_FAILED;
  } catch (const std::exception& e) {
    commandError(COMMAND, e.what());
    return EXIT_FAILED;
  }
}
