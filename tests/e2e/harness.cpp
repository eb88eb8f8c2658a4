#include "e2e/harness.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string slurp(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + p.string());
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

}  // namespace

E2ESession::E2ESession() {
  std::string pattern = (std::filesystem::temp_directory_path() / "plomar-e2e-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  dir_ = pattern;
}

E2ESession::~E2ESession() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void E2ESession::addFile(const std::string& name, std::string_view bytes) const {
  std::ofstream f(dir_ / name, std::ios::binary);
  f << bytes;
}

E2EResult E2ESession::run(std::string_view keys) const {
  E2EResult result = execute({}, keys, false);
  EXPECT_EQ(result.exitStatus, 0) << result.output;
  return result;
}

E2EResult E2ESession::runCommand(const std::vector<std::string>& args, std::string_view keys) const {
  return execute(args, keys, true);
}

E2EResult E2ESession::execute(const std::vector<std::string>& args, std::string_view keys,
                              bool separateErrors) const {
  // Keys go through a file so that a large script cannot block on a full pipe.
  std::filesystem::path keysFile = dir_.parent_path() / (dir_.filename().string() + ".keys");
  {
    std::ofstream f(keysFile, std::ios::binary);
    f << keys;
  }
  std::filesystem::path errorsFile = dir_.parent_path() / (dir_.filename().string() + ".errors");
  std::vector<char*> argv{const_cast<char*>(PLOMAR_BINARY)};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("pipe failed");
  pid_t pid = fork();
  if (pid == 0) {
    int in = open(keysFile.c_str(), O_RDONLY);
    dup2(in, STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    if (separateErrors) {
      int err = open(errorsFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      dup2(err, STDERR_FILENO);
    } else {
      dup2(out[1], STDERR_FILENO);
    }
    close(out[0]);
    if (chdir(dir_.c_str()) != 0) _exit(126);
    execv(PLOMAR_BINARY, argv.data());
    _exit(127);
  }
  close(out[1]);
  E2EResult result;
  char buf[65536];
  ssize_t n;
  while ((n = ::read(out[0], buf, sizeof buf)) > 0) result.output.append(buf, static_cast<size_t>(n));
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::filesystem::remove(keysFile);
  if (separateErrors) {
    result.errors = slurp(errorsFile);
    std::filesystem::remove(errorsFile);
  }
  return result;
}

std::string E2ESession::read(const std::string& name) const { return slurp(dir_ / name); }

E2ESession::CommandResult E2ESession::command(const std::string& arguments) const {
  const std::filesystem::path out = dir_ / ".stdout", err = dir_ / ".stderr";
  std::string line = "cd '" + dir_.string() + "' && " PLOMAR_BINARY " " + arguments + " </dev/null >'" + out.string() +
                     "' 2>'" + err.string() + "'";
  int status = std::system(line.c_str());
  CommandResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return result;
}

bool E2ESession::exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }

std::vector<std::string> E2ESession::files() const {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir_)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string expectedFile(const std::string& name) {
  return slurp(std::filesystem::path(PLOMAR_E2E_DIR) / "expected" / name);
}

std::string fileBytes(const std::string& path) { return slurp(path); }

std::string commandOutput(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  pclose(pipe);
  return out;
}

std::string withCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

void expectSameLines(const std::string& actual, const std::string& expected) {
  std::vector<std::string> a = linesOf(actual), e = linesOf(expected);
  for (size_t i = 0; i < std::min(a.size(), e.size()); ++i) EXPECT_EQ(a[i], e[i]) << "line " << i + 1;
  EXPECT_EQ(a.size(), e.size());
  EXPECT_EQ(actual, expected);
}
