#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

#include "shell/console.hpp"
#include "shell/numberforms.hpp"
#include "shell/shell.hpp"

std::vector<std::string> directoryFiles() {
  std::vector<std::string> names;
  DIR* dir = opendir(".");
  if (dir == nullptr) return names;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name.empty() || name[0] == '.') continue;  // hidden
    struct stat st{};
    if (stat(name.c_str(), &st) != 0) continue;
    if (!S_ISREG(st.st_mode)) continue;       // directories and special files
    if ((st.st_mode & 0222) == 0) continue;   // read-only
    names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

// Three names a line at columns 1, 26 and 52, then the count.
void SHOWDIRECTORY() {
  std::vector<std::string> names = directoryFiles();
  for (size_t i = 0; i < names.size(); ++i) {
    con::tab(static_cast<int>(i % 3) * 26);
    con::print(names[i]);
  }
  con::newLine();
  con::newLine();
  con::printLine(intForm(static_cast<long long>(names.size())) + " files");
}
