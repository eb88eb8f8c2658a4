// plomar stats: reads every input, measures it, and shows the yardsticks
// side by side as a table, CSV or JSON, and on request as an SVG picture.
#include "compare/stats.hpp"

#include <getopt.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/options.hpp"
#include "compare/statsinputs.hpp"
#include "compare/statsplot.hpp"
#include "compare/statsreport.hpp"
#include "shell/files.hpp"

namespace {

const char* const USAGE =
    "Usage: plomar stats [OPTION]... [TEXT]... [--list FILE]... [--block FILE]...\n"
    "Measure texts, lists and blocks with the same yardsticks and show them side by\n"
    "side, one column per input in the order given. When there is more than one\n"
    "input, every input after the first also gets its distance to the first (the\n"
    "target), term by term.\n"
    "\n"
    "Inputs:\n"
    "  TEXT               an ordinary text: its tokens are the runs of letters, digits\n"
    "                     and apostrophes, as the utilities' list of groups takes them\n"
    "  -l, --list FILE    a List file, one token a line (no limit of lines; empty\n"
    "                     lines are skipped)\n"
    "  -b, --block FILE   a block report (CGB.txt): the groups of its forward block\n"
    "\n"
    "Output (an aligned table with 4 significant digits by default):\n"
    "  -c, --csv          one row per input with a header row, full precision\n"
    "  -j, --json         one object per input, full precision\n"
    "  -p, --plot FILE    also write an SVG picture of the length distributions and\n"
    "                     the rank-frequency curves of all inputs\n"
    "  -m, --measures LIST  the measures that enter the distance, separated by commas\n"
    "                     (default all): ttr,hapax,len_mean,len_sd,h1,h2,zipf,rep,\n"
    "                     near,len_dist\n"
    "  -h, --help         show this help and exit\n"
    "\n"
    "Measures: tokens, types, ttr (types/tokens), hapax (share of types seen once),\n"
    "len_mean and len_sd (token lengths in bytes), len_k (share of tokens of length\n"
    "k), h0, h1, h2 (bits per byte of the tokens joined by blanks: alphabet, single\n"
    "bytes, a byte given the one before), zipf (slope of log frequency on log rank),\n"
    "rep and near (share of neighbour pairs that are equal, or one byte apart), top\n"
    "(the ten most frequent types). A distance term is |trial - target| /\n"
    "max(|target|, 0.01); that of len_dist is the total variation distance.\n"
    "\n"
    "Exit status: 0 on success, 1 when an input could not be read or the picture\n"
    "could not be written (the other inputs are still measured), 2 on a usage error.\n";

struct Input {
  InputKind kind;
  std::string path;
};

enum class Form { Table, Csv, Json };

struct Settings {
  std::vector<Input> inputs;
  Form form = Form::Table;
  std::string plot;
  std::vector<std::string> measures = distanceMeasureNames();
};

// The chosen measures in their fixed order; empty after a usage error.
std::vector<std::string> measuresOf(const std::string& list) {
  try {
    return measuresOfList(list);
  } catch (const std::invalid_argument& e) {
    usageError("stats", std::string(e.what()) + " in --measures");
    return {};
  }
}

// False after a usage error was shown; *help when --help was asked.
bool parse(int argc, char** argv, Settings& s, bool* help) {
  static const option LONGOPTIONS[] = {
      {"help", no_argument, nullptr, 'h'},          {"csv", no_argument, nullptr, 'c'},
      {"json", no_argument, nullptr, 'j'},          {"plot", required_argument, nullptr, 'p'},
      {"measures", required_argument, nullptr, 'm'}, {"list", required_argument, nullptr, 'l'},
      {"block", required_argument, nullptr, 'b'},   {nullptr, 0, nullptr, 0},
  };
  opterr = 0;
  optind = 1;
  bool csv = false, json = false;
  int opt;
  // "-": the text files come in order among the options.
  while ((opt = getopt_long(argc, argv, "-:hcjp:m:l:b:", LONGOPTIONS, nullptr)) != -1) {
    switch (opt) {
      case 1: s.inputs.push_back({InputKind::Text, optarg}); break;
      case 'l': s.inputs.push_back({InputKind::List, optarg}); break;
      case 'b': s.inputs.push_back({InputKind::Block, optarg}); break;
      case 'c': csv = true; break;
      case 'j': json = true; break;
      case 'p': s.plot = optarg; break;
      case 'm':
        s.measures = measuresOf(optarg);
        if (s.measures.empty()) return false;
        break;
      case 'h': *help = true; return true;
      default: usageError("stats", refusedOptionText(opt, argv)); return false;
    }
  }
  for (int i = optind; i < argc; ++i) s.inputs.push_back({InputKind::Text, argv[i]});  // after "--"
  if (csv && json) {
    usageError("stats", "--csv and --json exclude each other");
    return false;
  }
  if (s.inputs.empty()) {
    usageError("stats", "no input given");
    return false;
  }
  s.form = csv ? Form::Csv : json ? Form::Json : Form::Table;
  return true;
}

// Measures every input that can be read; each that cannot is one line on
// standard error. False when any failed.
bool measureAll(const Settings& s, Comparison& c) {
  bool allRead = true;
  for (size_t i = 0; i < s.inputs.size(); ++i) {
    try {
      c.inputs.push_back({s.inputs[i].path, measureTokens(tokensOfInputFile(s.inputs[i].kind, s.inputs[i].path))});
    } catch (const InputError& e) {
      commandError("stats", e.what());
      allRead = false;
    } catch (const std::bad_alloc&) {
      commandError("stats", s.inputs[i].path + ": the input cannot be held in memory");
      allRead = false;
    }
    if (i == 0 && c.inputs.empty()) c.firstIsTarget = false;
  }
  return allRead;
}

bool writePlot(const std::string& path, const std::vector<MeasuredInput>& inputs) {
  OutputFile file;
  int systemError = 0;
  if (file.openQuietly(path, &systemError)) {
    file.print(comparisonSvg(inputs));
    if (file.closeQuietly(&systemError)) return true;
  }
  commandError("stats", "cannot write " + path + ": " + std::strerror(systemError));
  return false;
}

}  // namespace

int runStats(int argc, char** argv) {
  Settings s;
  bool help = false;
  if (!parse(argc, argv, s, &help)) return EXIT_USAGE;
  if (help) {
    std::fputs(USAGE, stdout);
    return 0;
  }
  Comparison c;
  c.measures = s.measures;
  bool ok = measureAll(s, c);
  if (c.inputs.empty()) return EXIT_FAILED;
  const std::string out = s.form == Form::Csv    ? comparisonCsv(c)
                          : s.form == Form::Json ? comparisonJson(c)
                                                 : comparisonTable(c);
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (!s.plot.empty() && !writePlot(s.plot, c.inputs)) ok = false;
  return ok ? 0 : EXIT_FAILED;
}
