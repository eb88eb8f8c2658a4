#include "vocabutils/listfile.hpp"

#include <sys/stat.h>

#include "shell/console.hpp"
#include "state/shellstate.hpp"

std::vector<std::string> listGroups(std::string_view bytes, size_t cap, bool* more) {
  std::vector<std::string> groups;
  size_t pos = 0;
  do {
    size_t end = bytes.find('\n', pos);
    size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    else if (end > pos && bytes[end - 1] == '\r') --end;
    groups.emplace_back(bytes.substr(pos, end - pos));
    pos = next;
  } while (pos < bytes.size() && groups.size() < cap);
  if (more != nullptr) *more = pos < bytes.size();
  return groups;
}

void fillListTable(Tank<std::string>& table, const std::vector<std::string>& groups) {
  table.resize(0, static_cast<long>(groups.size()));
  for (size_t i = 0; i < groups.size(); ++i) table(static_cast<long>(i) + 1) = groups[i];
}

bool ListReader::open(const std::string& name) {
  InputFile file;
  if (!file.open(name)) return false;
  name_ = name;
  groups_ = listGroups(file.bytes(), LISTMAXGROUPS, &capped_);
  return true;
}

namespace {

// Entries 1..n of a list held from its first element.
struct FromFirst {
  const std::vector<std::string>& groups;
  const std::string& operator()(long i) const { return groups[static_cast<size_t>(i - 1)]; }
};

}  // namespace

bool writeListFile(const std::string& name, const std::vector<std::string>& groups) {
  return writeListFile(name, FromFirst{groups}, static_cast<long>(groups.size()));
}

bool sameFile(const std::string& a, const std::string& b) {
  struct stat sa{}, sb{};
  if (stat(a.c_str(), &sa) != 0 || stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool refusesToOverwriteCutSource(const std::string& dest, const std::vector<const ListReader*>& sources) {
  for (const ListReader* source : sources) {
    if (!source->capped() || !sameFile(dest, source->name())) continue;
    int previous = con::currentColor();
    con::newLine();
    con::color(SHELL.RDCOLOR);
    con::printLine(" " + dest + " holds more than 32000 lines, of which only the first 32000 were read:");
    con::printLine(" it is not overwritten, nothing saved.");
    con::color(SHELL.GNCOLOR);
    con::print(SHELL.STR1);
    con::color(previous);
    con::waitKey();
    con::newLine();
    return true;
  }
  return false;
}
