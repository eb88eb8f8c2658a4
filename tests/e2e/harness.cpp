#include "e2e/harness.hpp"

#include <algorithm>
#include <cstdio>

#include <gtest/gtest.h>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
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

void writeBytes(const std::filesystem::path& p, std::string_view bytes) {
  std::ofstream f(p, std::ios::binary);
  f << bytes;
  if (!f) throw std::runtime_error("cannot write " + p.string());
}

}  // namespace

CommandResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::filesystem::path& dir, std::string_view input, uint64_t addressSpace) {
  // Input and output go through files, so that no pipe can fill up and block.
  char pattern[] = "/tmp/plomar-run-XXXXXX";
  if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
  const std::filesystem::path io = pattern;
  writeBytes(io / "in", input);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = fork();
  if (pid == 0) {
    int in = open((io / "in").c_str(), O_RDONLY);
    int out = open((io / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = open((io / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0) _exit(125);
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    if (chdir(dir.c_str()) != 0) _exit(126);
    const rlimit limit{addressSpace, addressSpace};
    if (addressSpace != 0 && setrlimit(RLIMIT_AS, &limit) != 0) _exit(124);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  CommandResult result;
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = slurp(io / "out");
  result.err = slurp(io / "err");
  std::error_code ignored;
  std::filesystem::remove_all(io, ignored);
  return result;
}

E2ESession::E2ESession() {
  std::string pattern = (std::filesystem::temp_directory_path() / "plomar-e2e-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  dir_ = pattern;
}

E2ESession::~E2ESession() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void E2ESession::addFile(const std::string& name, std::string_view bytes) const { writeBytes(dir_ / name, bytes); }

E2EResult E2ESession::run(std::string_view keys) const {
  // Keys go through a file so that a large script cannot block on a full pipe.
  std::filesystem::path keysFile = dir_.parent_path() / (dir_.filename().string() + ".keys");
  {
    std::ofstream f(keysFile, std::ios::binary);
    f << keys;
  }
  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("pipe failed");
  pid_t pid = fork();
  if (pid == 0) {
    int in = open(keysFile.c_str(), O_RDONLY);
    dup2(in, STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    dup2(out[1], STDERR_FILENO);
    close(out[0]);
    if (chdir(dir_.c_str()) != 0) _exit(126);
    execl(PLOMAR_BINARY, PLOMAR_BINARY, static_cast<char*>(nullptr));
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
  EXPECT_EQ(result.exitStatus, 0) << result.output;
  return result;
}

std::string E2ESession::read(const std::string& name) const { return slurp(dir_ / name); }

CommandResult E2ESession::command(const std::string& arguments, std::string_view input) const {
  return limitedCommand(0, arguments, input);
}

CommandResult E2ESession::limitedCommand(uint64_t addressSpace, const std::string& arguments,
                                         std::string_view input) const {
  return runProgram("/bin/sh", {"-c", std::string("exec '") + PLOMAR_BINARY + "' " + arguments}, dir_, input,
                    addressSpace);
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

pid_t startProgram(const std::vector<std::string>& args, const std::filesystem::path& dir) {
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(dir.c_str()) != 0) _exit(126);
    int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>(PLOMAR_BINARY)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(PLOMAR_BINARY, argv.data());
    _exit(127);
  }
  return pid;
}
