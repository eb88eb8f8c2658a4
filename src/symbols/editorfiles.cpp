// MAP.TXT and PHNTM.TXT. Symbol and phantom lines are read back as whole
// lines, so that a blank, comma or quote symbol and a phantom's leading blank
// survive a save and load. A file is read whole into scratch tables and
// installed only when every record is there and every number in it is one the
// editors accept at their prompts.
#include "symbols/editorfiles.hpp"

#include "shell/files.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "state/symbolsstate.hpp"
#include "symbols/editors.hpp"

namespace {

constexpr int MAPRECORDLINES = 2 + MAPCOLUMNS + 1;
constexpr int PHANTOMRECORDLINES = 5;
constexpr size_t EXCERPTMAX = 20;

char symbolOfLine(const std::string& line) { return line.empty() ? '\0' : line[0]; }

bool isEmptyLine(const std::string& line) { return withoutBlanks(line).empty(); }

// A line as a message shows it: quoted, at most 20 characters, control bytes as "?".
std::string excerpt(const std::string& line) {
  std::string shown;
  for (char c : line.substr(0, EXCERPTMAX)) {
    unsigned char u = static_cast<unsigned char>(c);
    shown += (u < 32 || u == 127) ? '?' : c;
  }
  return "'" + shown + (line.size() > EXCERPTMAX ? "...'" : "'");
}

// The lines of a file of 38 records, taken one after the other. The first
// problem found is kept; after it every line reads as empty and every number
// as 0, so a loader can read on without checking after each item.
class RecordLines {
 public:
  RecordLines(InputFile& file, int lines) : file_(file), lines_(lines) {}

  bool ok() const { return problem_.empty(); }
  const std::string& problem() const { return problem_; }

  std::string text() {
    if (!ok()) return {};
    if (file_.eof()) {
      problem_ = number_ == 0 ? "is empty" : "ends after line " + asText(number_) + " of " + asText(lines_);
      return {};
    }
    ++number_;
    last_ = file_.readLine();
    return last_;
  }

  // A line holding one number and nothing more, read as a prompt reads it.
  template <class I>
  I number() {
    std::string line = text();
    if (ok() && !isWholeNumber(line)) refuse("is not a number");
    return ok() ? fieldToInteger<I>(withoutBlanks(line)) : 0;
  }

  void rowNumber(int row) {
    if (number<int32_t>() != row && ok()) refuse("is not the row number " + asText(row));
  }

  void emptyLine() {
    if (!isEmptyLine(text()) && ok()) refuse("stands where an empty line belongs");
  }

  // After the last record (whose empty line may be missing) only empty lines.
  void emptyLinesToTheEnd() {
    while (ok() && !file_.eof()) emptyLine();
  }

  // The last line read does not pass: "line 7: 'x1' is not a number".
  void refuse(const std::string& why) {
    if (ok()) problem_ = "line " + asText(number_) + ": " + excerpt(last_) + " " + why;
  }

 private:
  InputFile& file_;
  int lines_;
  int number_ = 0;
  std::string last_;
  std::string problem_;
};

std::string openProblem(const std::string& fileName, int systemError) {
  return fileProblemText(FileProblem::NotFound, fileName, systemError);
}

}  // namespace

std::string loadProblemMessage(const std::string& fileName, const std::string& problem) {
  return problem.starts_with(FILENOTFOUNDTEXT) ? problem : fileName + ": " + problem;
}

bool saveMapFile(const std::string& name) {
  OutputFile file;
  if (!file.open(name)) return false;
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    file.printLine(intForm(r));
    file.printLine(std::string(1, SYMB.SYMBOLSTANK(r)));
    for (int c = 1; c <= MAPCOLUMNS; ++c) file.printLine(intForm(SYMB.SYMBOLSMAPTANK(r, c)));
    file.newLine();
  }
  return file.close();
}

std::string loadSymbolsMapFile(const std::string& fileName) {
  InputFile file;
  int systemError = 0;
  if (!file.openQuietly(fileName, &systemError)) return openProblem(fileName, systemError);
  RecordLines lines(file, SYMBOLROWS * MAPRECORDLINES);
  Tank<char> symbols = SYMB.SYMBOLSTANK;
  Tank2<int32_t> map = SYMB.SYMBOLSMAPTANK;
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    if (r > 1) lines.emptyLine();
    lines.rowNumber(r);
    symbols(r) = symbolOfLine(lines.text());
    for (int c = 1; c <= MAPCOLUMNS; ++c) {
      map(r, c) = lines.number<int32_t>();
      if (!validMapValue(map(r, c))) lines.refuse("is negative");
    }
  }
  lines.emptyLinesToTheEnd();
  if (!lines.ok()) return lines.problem();
  SYMB.SYMBOLSTANK = symbols;
  SYMB.SYMBOLSMAPTANK = map;
  SYMB.I0 = SYMBOLROWS;
  SYMB.SYMBMAPDFILENAME = fileName;
  return "";
}

bool savePhantomsFile(const std::string& name) {
  OutputFile file;
  if (!file.open(name)) return false;
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    file.printLine(intForm(r));
    file.printLine(std::string(1, SYMB.SYMBOLSTANK(r)));
    file.printLine(intForm(SYMB.PHANTOMNGRAPHSSTATUSTANK(r)));
    file.printLine(SYMB.PHANTOMNGRAPHSTANK(r));
    file.newLine();
  }
  return file.close();
}

std::string loadPhantomsFile(const std::string& fileName) {
  InputFile file;
  int systemError = 0;
  if (!file.openQuietly(fileName, &systemError)) return openProblem(fileName, systemError);
  RecordLines lines(file, SYMBOLROWS * PHANTOMRECORDLINES);
  Tank<int32_t> statuses = SYMB.PHANTOMNGRAPHSSTATUSTANK;
  Tank<std::string> phantoms = SYMB.PHANTOMNGRAPHSTANK;
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    if (r > 1) lines.emptyLine();
    lines.rowNumber(r);
    lines.text();  // the symbol, written for reference only
    statuses(r) = phantomStatusOf(lines.number<int64_t>());
    phantoms(r) = lines.text();
    if (!validPhantomText(phantoms(r))) lines.refuse("is longer than " + asText(PHANTOMMAX) + " characters");
  }
  lines.emptyLinesToTheEnd();
  if (!lines.ok()) return lines.problem();
  SYMB.PHANTOMNGRAPHSSTATUSTANK = statuses;
  SYMB.PHANTOMNGRAPHSTANK = phantoms;
  SYMB.I0 = SYMBOLROWS;
  SYMB.PHANTOMSSETDFILENAME = fileName;
  return "";
}
