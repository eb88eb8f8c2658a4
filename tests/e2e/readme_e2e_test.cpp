// Every example of the README, run as written from the top folder of a copy
// of the sources after the program was built.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "e2e/harness.hpp"

namespace {

namespace fs = std::filesystem;

// An indented block of the README and the comment line just before it:
// "not run: REASON" (shown only), "file: PATH" (the contents of PATH),
// "writes: FILE..." (files it writes besides those its options name).
struct Example {
  int line = 0;
  std::string marker;
  std::string text;
};

std::string markerOf(const std::string& line) {
  const std::string open = "<!-- ", close = " -->";
  if (line.rfind(open, 0) != 0 || line.size() < open.size() + close.size() ||
      line.compare(line.size() - close.size(), close.size(), close) != 0)
    return "";
  return line.substr(open.size(), line.size() - open.size() - close.size());
}

std::vector<Example> examplesOf(const std::string& readme) {
  std::vector<std::string> lines;
  std::istringstream in(readme);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  std::vector<Example> examples;
  std::string lastText;  // the last non-empty line outside a block
  for (size_t i = 0; i < lines.size();) {
    if (lines[i].rfind("    ", 0) != 0) {
      if (!lines[i].empty()) lastText = lines[i];
      ++i;
      continue;
    }
    Example e{static_cast<int>(i + 1), markerOf(lastText), ""};
    size_t end = i;  // one past the last indented line of the block
    for (size_t j = i; j < lines.size() && (lines[j].empty() || lines[j].rfind("    ", 0) == 0); ++j)
      if (!lines[j].empty()) end = j + 1;
    for (size_t j = i; j < end; ++j) e.text += (lines[j].empty() ? "" : lines[j].substr(4)) + "\n";
    examples.push_back(e);
    lastText.clear();
    i = end;
  }
  return examples;
}

std::vector<std::string> wordsOf(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// The files (or folders, for a fit) that the commands of an example say
// they write: after --out, --plot and ">", and the files of `block` (and
// `keys`) under --prefix.
// Names made by the shell ($, {) are left out.
std::vector<std::string> claimedFiles(const Example& e) {
  std::vector<std::string> files;
  if (e.marker.rfind("writes: ", 0) == 0)
    for (const std::string& w : wordsOf(e.marker.substr(8))) files.push_back(w);
  std::istringstream in(e.text);
  for (std::string line; std::getline(in, line);) {
    const std::vector<std::string> w = wordsOf(line);
    const bool block = std::find(w.begin(), w.end(), "block") != w.end();
    const bool keys = std::find(w.begin(), w.end(), "keys") != w.end();
    for (size_t i = 0; i + 1 < w.size(); ++i) {
      const std::string& next = w[i + 1];
      if (next.find_first_of("${") != std::string::npos || next == "/dev/null") continue;
      if (w[i] == "--out" || w[i] == "--plot" || w[i] == ">") files.push_back(next);
      if (w[i] == "--prefix" && (block || keys))
        for (const char* suffix : {"IGB.txt", "VOCGB.txt", "CGB.txt"}) files.push_back(next + suffix);
      if (w[i] == "--prefix" && block) files.push_back(next + "GROUPS.txt");
    }
  }
  return files;
}

// Every "plomar" of the commands is the program in the tree, build/plomar.
bool runsFromTheTree(const std::string& text) {
  for (size_t at = text.find("plomar"); at != std::string::npos; at = text.find("plomar", at + 1))
    if (at < 6 || text.compare(at - 6, 6, "build/") != 0) return false;
  return true;
}

// The top folder after `make run`: the examples and build/plomar.
void layOutTree(const fs::path& root) {
  fs::copy(fs::path(PLOMAR_SOURCE_DIR) / "examples", root / "examples", fs::copy_options::recursive);
  fs::create_directory(root / "build");
  fs::create_symlink(PLOMAR_BINARY, root / "build" / "plomar");
}

}  // namespace

TEST(ReadmeExamples, EveryExampleRunsAsWrittenAndWritesTheFilesItNames) {
  const std::vector<Example> examples = examplesOf(fileBytes(std::string(PLOMAR_SOURCE_DIR) + "/README.md"));
  E2ESession s;
  layOutTree(s.dir());
  int ran = 0, shown = 0, files = 0;
  for (const Example& e : examples) {
    const std::string where = "README.md line " + std::to_string(e.line) + ":\n" + e.text;
    if (e.marker.rfind("not run: ", 0) == 0) {
      ++shown;
      continue;
    }
    if (e.marker.rfind("file: ", 0) == 0) {
      EXPECT_EQ(e.text, fileBytes(std::string(PLOMAR_SOURCE_DIR) + "/" + e.marker.substr(6))) << where;
      ++files;
      continue;
    }
    EXPECT_TRUE(runsFromTheTree(e.text)) << "plomar is build/plomar before installing: " << where;
    CommandResult r = runProgram("/bin/sh", {"-e", "-c", e.text}, s.dir());
    EXPECT_EQ(r.exitStatus, 0) << where << r.err;
    for (const std::string& name : claimedFiles(e)) {
      EXPECT_TRUE(s.exists(name)) << name << " not written by " << where;
      if (!s.exists(name)) continue;
      const fs::path path = s.dir() / name;
      const bool empty = fs::is_directory(path) ? fs::is_empty(path) : s.read(name).empty();
      EXPECT_FALSE(empty) << name << " is empty, written by " << where;
    }
    ++ran;
  }
  // The README has examples of every kind: a broken extraction shows here.
  EXPECT_GE(ran, 10);
  EXPECT_GE(shown, 4);
  EXPECT_EQ(files, 2);
}

TEST(ReadmeExamples, ClaimedFilesComeFromTheOptionsAndTheMarker) {
  Example e{1, "writes: run1CGR.txt", "build/plomar block s.txt --prefix P\nbuild/plomar stats a > t.csv\n"
                                      "build/plomar sweep x --out $f.csv --plot p.svg > /dev/null\n"};
  EXPECT_EQ(claimedFiles(e), (std::vector<std::string>{"run1CGR.txt", "PIGB.txt", "PVOCGB.txt", "PCGB.txt",
                                                         "PGROUPS.txt", "t.csv", "p.svg"}));
  const std::vector<Example> parsed = examplesOf("text\n<!-- not run: x -->\n\n    a\n\n    b\nafter\n\n    c\n");
  ASSERT_EQ(parsed.size(), 2u);
  EXPECT_EQ(parsed[0].marker, "not run: x");
  EXPECT_EQ(parsed[0].text, "a\n\nb\n");
  EXPECT_EQ(parsed[1].marker, "");
  EXPECT_EQ(parsed[1].text, "c\n");
}
