#include "support/peer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testsupport {

Peer::Peer(const std::string& script, const std::vector<std::string>& args, std::chrono::seconds startTimeout) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  std::string path = std::string(NEMBO_PEERS_DIR) + "/" + script;
  FPid = fork();
  if (FPid < 0) throw std::runtime_error("fork failed");
  if (FPid == 0) {
    dup2(out[1], 1);
    std::vector<std::string> all{Python(), "-u", path};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(out[1]);
  std::string line;
  auto deadline = std::chrono::steady_clock::now() + startTimeout;
  while (line.find('\n') == std::string::npos) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd p{out[0], POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
    char c;
    if (read(out[0], &c, 1) != 1) break;
    line += c;
  }
  close(out[0]);
  if (line.rfind("READY ", 0) != 0) {
    Stop();
    throw std::runtime_error("stand-in " + script + " did not start: " + line);
  }
  FPort = std::atoi(line.c_str() + 6);
}

Peer::~Peer() { Stop(); }

int Peer::Stop() {
  if (FPid <= 0) return 0;
  kill(FPid, SIGTERM);
  int status = 0;
  waitpid(FPid, &status, 0);
  FPid = -1;
  return status;
}

namespace {
std::vector<std::string>& tempDirs() {
  static std::vector<std::string> dirs;
  return dirs;
}
void removeTempDirs() {
  std::error_code ec;
  if (std::getenv("NEMBO_KEEP_TEST_FILES")) return;
  for (auto& d : tempDirs()) fs::remove_all(d, ec);
}
}  // namespace

std::string MakeTempDir(const std::string& prefix) {
  static std::once_flag once;
  // The list must exist before the handler is registered, so that it outlives the handler.
  std::call_once(once, [] {
    tempDirs();
    std::atexit(removeTempDirs);
  });
  std::string templ = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (!mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
  tempDirs().push_back(templ);
  return templ;
}

int RunCommand(const std::string& command, std::string* output) {
  std::string cmd = command + " 2>&1";
  FILE* f = popen(cmd.c_str(), "r");
  if (!f) return -1;
  char buf[4096];
  std::size_t n;
  std::string all;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) all.append(buf, n);
  int status = pclose(f);
  if (output) *output = all;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string& Python() {
  static const std::string python = access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
  return python;
}

const std::string& PkiDir() {
  static const std::string dir = [] {
    std::string d = (fs::temp_directory_path() / "nembo-test-pki").string();
    // pki.py marks a finished PKI; one made since pki.py last changed is used as it is, which
    // spares every test process a Python start.
    std::string script = std::string(NEMBO_PEERS_DIR) + "/pki.py";
    std::error_code ec1, ec2;
    auto made = fs::last_write_time(d + "/.complete", ec1);
    auto changed = fs::last_write_time(script, ec2);
    if (!ec1 && !ec2 && made > changed) return d;
    std::string out;
    if (RunCommand(Python() + " " + std::string(NEMBO_PEERS_DIR) + "/pki.py " + d, &out) != 0)
      throw std::runtime_error("pki.py failed: " + out);
    return d;
  }();
  return dir;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace testsupport
