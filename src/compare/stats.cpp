// plomar stats: reads every input, measures it, and shows the yardsticks
// side by side as a table, CSV or JSON, and on request as an SVG picture.
#include "compare/stats.hpp"

#include <getopt.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/options.hpp"
#include "compare/statsinputs.hpp"
#include "compare/statsplot.hpp"
#include "compare/statsreport.hpp"
#include "compare/utf8text.hpp"
#include "shell/files.hpp"

namespace {

const char* const USAGE =
    "Usage: plomar stats [OPTION]... [TEXT]... [--words FILE]... [--list FILE]...\n"
    "                    [--block FILE]...\n"
    "Measure texts, lists and blocks with the same yardsticks and show them side by\n"
    "side, one column per input in the order given. When there is more than one\n"
    "input, every input after the first (the target) is also compared with it on\n"
    "windows of equal size: its z of each measure and its distance.\n"
    "\n"
    "Inputs:\n"
    "  TEXT               an ordinary text: its tokens are the runs of letters, digits\n"
    "                     and apostrophes, as the utilities' list of groups takes them\n"
    "  -w, --words FILE   a transcription: its tokens are the runs of bytes other\n"
    "                     than blank, tab, CR and LF, exactly as written\n"
    "  -l, --list FILE    a List file, one token a line (no limit of lines; empty\n"
    "                     lines are skipped)\n"
    "  -b, --block FILE   a block report (CGB.txt): the groups of its forward block\n"
    "\n"
    "Reading (every input, before its tokens are made; --strip first):\n"
    "      --strip AB     in every line, remove each stretch from an A to the next\n"
    "                     B, both included (--strip '<>' removes <12v.P3.4>)\n"
    "      --drop CHARS   remove these characters (--drop '!*')\n"
    "  -u, --utf8         read the inputs as UTF-8: a character is a code point, a\n"
    "                     text's words are runs of letters and digits of any script\n"
    "                     (and apostrophes); lengths and the character measures count\n"
    "                     code points. An input that is not valid UTF-8 is refused.\n"
    "                     Without it a character is a byte.\n"
    "\n"
    "Comparison:\n"
    "      --window N     the window size in tokens (default 1000), lowered to half\n"
    "                     the target's tokens and to the smallest other input's\n"
    "  -m, --measures LIST  the measures of the comparison, separated by commas\n"
    "                     (default all): ttr,hapax,len_mean,len_sd,h1,h2,h3,zipf,\n"
    "                     rep,near,len_ac,rep3,chr_rep,chr_rep3,pos_bias,len_dist\n"
    "\n"
    "Output (an aligned table with 4 significant digits by default):\n"
    "  -c, --csv          one row per input with a header row, full precision; the\n"
    "                     columns are the same for every run with the same measures\n"
    "  -j, --json         one object per input, full precision\n"
    "  -p, --plot FILE    also write an SVG picture of the length distributions,\n"
    "                     the rank-frequency curves and the z of every input\n"
    "      --title TEXT   a title above the picture\n"
    "      --size WxH     the picture's size in pixels (default 1000 wide, as high\n"
    "                     as its charts and legend need)\n"
    "  -h, --help         show this help and exit\n"
    "  -V, --version      show the version and exit\n"
    "\n"
    "Measures: tokens, types, ttr (types/tokens), hapax (share of types seen once),\n"
    "len_mean and len_sd (token lengths in characters), len_k (share of tokens of\n"
    "length k, k = 1..31; len_32plus: longer ones), h0, h1, h2, h3 (bits per\n"
    "character of the tokens joined by blanks: alphabet, single characters, a\n"
    "character given the one or two before it), zipf (slope of log frequency on\n"
    "log rank), rep and near (share of neighbour pairs that are equal, or one byte\n"
    "apart), len_ac (autocorrelation of successive lengths), rep3 (share of three\n"
    "equal tokens in a row), chr_rep and chr_rep3 (doubled and tripled characters\n"
    "inside tokens), pos_bias (how much a character's value tells of its place in\n"
    "the token: 0 none, 1 all), top (the ten most frequent types).\n"
    "\n"
    "Windows and z: every input is cut into windows of n tokens from its start\n"
    "(the tokens after the last whole window are left out) and each measure is\n"
    "averaged over the windows. z_MEASURE is the difference of an input's average\n"
    "from the target's, in units of the target's own standard deviation between\n"
    "its windows; that of len_dist compares the distances of the windows' length\n"
    "distributions to the target's. dist is the root mean square of the z: below\n"
    "about 1 to 2 the input differs from the target no more than the target's own\n"
    "windows differ from each other; large values mean the text is unlike it.\n"
    "A window below 50 tokens is refused: the input too short is named.\n"
    "\n"
    "Exit status: 0 on success, 1 when an input could not be read, the inputs were\n"
    "too short to compare or the picture could not be written (what could be\n"
    "measured is still shown), 2 on a usage error.\n";

struct Input {
  InputKind kind;
  std::string path;
};

enum class Form { Table, Csv, Json };

struct Settings {
  std::vector<Input> inputs;
  Form form = Form::Table;
  std::string plot;
  PlotLook look;
  bool looked = false;  // --title or --size given
  std::vector<std::string> measures = comparisonMeasureNames();
  ReadingOptions reading;
  size_t window = DEFAULT_WINDOW;
};

enum OptionCode { WINDOW = 256, DROP, STRIP, TITLE, SIZE };

// WxH: two whole numbers of pixels, 1 to 100000 each.
bool parseSize(const std::string& text, PlotLook& look) {
  const size_t x = text.find('x');
  uint64_t w = 0, h = 0;
  if (x == std::string::npos || !parseCount(text.substr(0, x).c_str(), w) ||
      !parseCount(text.substr(x + 1).c_str(), h) || w < 1 || h < 1 || w > 100000 || h > 100000)
    return false;
  look.width = static_cast<int>(w);
  look.height = static_cast<int>(h);
  return true;
}

// The chosen measures in their fixed order; empty after a usage error.
std::vector<std::string> measuresOf(const std::string& list) {
  try {
    return measuresOfList(list);
  } catch (const std::invalid_argument& e) {
    usageError("stats", std::string(e.what()) + " in --measures");
    return {};
  }
}

// False after a usage error was shown; *help when --help was asked, *version
// for --version.
bool parse(int argc, char** argv, Settings& s, bool* help, bool* version) {
  static const option LONGOPTIONS[] = {
      {"help", no_argument, nullptr, 'h'},          {"csv", no_argument, nullptr, 'c'},
      {"json", no_argument, nullptr, 'j'},          {"plot", required_argument, nullptr, 'p'},
      {"measures", required_argument, nullptr, 'm'}, {"list", required_argument, nullptr, 'l'},
      {"block", required_argument, nullptr, 'b'},   {"words", required_argument, nullptr, 'w'},
      {"utf8", no_argument, nullptr, 'u'},          {"window", required_argument, nullptr, WINDOW},
      {"drop", required_argument, nullptr, DROP},   {"strip", required_argument, nullptr, STRIP},
      {"version", no_argument, nullptr, 'V'},       {"title", required_argument, nullptr, TITLE},
      {"size", required_argument, nullptr, SIZE},
      {nullptr, 0, nullptr, 0},
  };
  opterr = 0;
  optind = 1;
  bool csv = false, json = false;
  int opt;
  uint64_t window = 0;
  // "-": the text files come in order among the options.
  while ((opt = getopt_long(argc, argv, "-:hVcjp:m:l:b:w:u", LONGOPTIONS, nullptr)) != -1) {
    switch (opt) {
      case 1: s.inputs.push_back({InputKind::Text, optarg}); break;
      case 'w': s.inputs.push_back({InputKind::Words, optarg}); break;
      case 'l': s.inputs.push_back({InputKind::List, optarg}); break;
      case 'b': s.inputs.push_back({InputKind::Block, optarg}); break;
      case 'c': csv = true; break;
      case 'j': json = true; break;
      case 'p': s.plot = optarg; break;
      case TITLE:
        s.look.title = optarg;
        s.looked = true;
        break;
      case SIZE:
        s.looked = true;
        if (parseSize(optarg, s.look)) break;
        usageError("stats", std::string("--size wants WIDTHxHEIGHT in pixels, such as 800x600, not '") + optarg + "'");
        return false;
      case 'u': s.reading.characters = Characters::Utf8; break;
      case DROP: s.reading.drop = optarg; break;
      case STRIP: s.reading.strip = optarg; break;
      case WINDOW:
        if (!parseCount(optarg, window) || window < 1) {
          usageError("stats", std::string("--window wants a whole number of tokens, not '") + optarg + "'");
          return false;
        }
        s.window = static_cast<size_t>(window);
        break;
      case 'm':
        s.measures = measuresOf(optarg);
        if (s.measures.empty()) return false;
        break;
      case 'h': *help = true; return true;
      case 'V': *version = true; return true;
      default: usageError("stats", refusedOptionText(opt, argv)); return false;
    }
  }
  for (int i = optind; i < argc; ++i) s.inputs.push_back({InputKind::Text, argv[i]});  // after "--"
  if (csv && json) {
    usageError("stats", "--csv and --json exclude each other");
    return false;
  }
  if (const std::string problem = readingOptionsProblem(s.reading); !problem.empty()) {
    usageError("stats", problem);
    return false;
  }
  if (s.reading.characters == Characters::Utf8 && !utf8LocaleAvailable()) {
    commandError("stats", "--utf8: the C library has no UTF-8 locale");
    return false;
  }
  if (s.inputs.empty()) {
    usageError("stats", "no input given");
    return false;
  }
  if (std::count_if(s.inputs.begin(), s.inputs.end(), [](const Input& in) { return in.path == STANDARD_INPUT_NAME; }) > 1) {
    usageError("stats", "standard input (-) can be read only once");
    return false;
  }
  if (s.looked && s.plot.empty()) {
    usageError("stats", "--title and --size go with --plot");
    return false;
  }
  s.form = csv ? Form::Csv : json ? Form::Json : Form::Table;
  return true;
}

// Measures every input that can be read; each that cannot is one line on
// standard error. The sequences are kept for the comparison (an input that
// could not be read has none). False when any failed.
bool measureAll(const Settings& s, Comparison& c, std::vector<TokenSequence>& sequences, bool& targetRead) {
  bool allRead = true;
  for (size_t i = 0; i < s.inputs.size(); ++i) {
    try {
      TokenSequence sequence = sequenceOfInputFile(s.inputs[i].kind, s.inputs[i].path, s.reading);
      MeasuredInput measured{s.inputs[i].path, measureSequence(sequence), {}};
      sequences.push_back(std::move(sequence));
      c.inputs.push_back(std::move(measured));
    } catch (const InputError& e) {
      commandError("stats", e.what());
      allRead = false;
      if (i == 0) targetRead = false;
    } catch (const std::bad_alloc&) {
      commandError("stats", s.inputs[i].path + ": too large to be held in memory");
      allRead = false;
      if (i == 0) targetRead = false;
    }
  }
  return allRead;
}

// Compares every input after the target with it on windows; false (with the
// line naming the input too short) when the window would be too small.
bool compareOnWindows(const Settings& s, Comparison& c, const std::vector<TokenSequence>& sequences) {
  std::vector<size_t> counts;
  for (const TokenSequence& seq : sequences) counts.push_back(seq.size());
  const WindowPlan plan = planWindow(s.window, counts);
  if (plan.refused()) {
    commandError("stats", c.inputs[plan.tooShort].name + ": " + tooShortText(counts[plan.tooShort], plan.tooShort == 0) +
                              "; no comparison");
    return false;
  }
  try {
    const WindowedTarget target(sequences[0], plan.window, c.measures);
    for (size_t i = 1; i < c.inputs.size(); ++i) c.inputs[i].windowed = target.compare(sequences[i]);
  } catch (const std::bad_alloc&) {
    commandError("stats", c.inputs[0].name + ": too large to be compared in memory; no comparison");
    return false;
  }
  c.window = plan.window;
  return true;
}

bool writePlot(const std::string& path, const std::vector<MeasuredInput>& inputs, const PlotLook& look) {
  OutputFile file;
  int systemError = 0;
  if (file.openQuietly(path, &systemError)) {
    file.print(comparisonSvg(inputs, look));
    if (file.closeQuietly(&systemError)) return true;
  }
  commandError("stats", "cannot write " + path + ": " + std::strerror(systemError));
  return false;
}

}  // namespace

int runStats(int argc, char** argv) {
  Settings s;
  bool help = false, version = false;
  if (!parse(argc, argv, s, &help, &version)) return EXIT_USAGE;
  // parse stops at the first of the two, so only one is set.
  if (answeredHelpOrVersion(help, version, [] { std::fputs(USAGE, stdout); })) return 0;
  Comparison c;
  c.measures = s.measures;
  c.characters = s.reading.characters;
  std::vector<TokenSequence> sequences;
  bool targetRead = true;
  bool ok = measureAll(s, c, sequences, targetRead);
  if (c.inputs.empty()) return EXIT_FAILED;
  if (targetRead && c.inputs.size() > 1 && !compareOnWindows(s, c, sequences)) ok = false;
  sequences.clear();
  const std::string out = s.form == Form::Csv    ? comparisonCsv(c)
                          : s.form == Form::Json ? comparisonJson(c)
                                                 : comparisonTable(c);
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (!s.plot.empty() && !writePlot(s.plot, c.inputs, s.look)) ok = false;
  return ok ? 0 : EXIT_FAILED;
}
