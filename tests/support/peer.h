#pragma once
// Starts a stand-in from tests/peers as a child process and stops it at the end of scope.
// A stand-in prints "READY <port>" as its first line on stdout once it listens.
#include <chrono>
#include <string>
#include <vector>

namespace testsupport {

class Peer {
 public:
  // script: file name under tests/peers; args: its arguments.
  Peer(const std::string& script, const std::vector<std::string>& args,
       std::chrono::seconds startTimeout = std::chrono::seconds(20));
  ~Peer();
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;

  int Port() const { return FPort; }
  // Sends SIGTERM and waits; returns the exit status (as from waitpid).
  int Stop();

 private:
  int FPid = -1;
  int FPort = 0;
};

// The Debian interpreter when present: a version-manager shim on PATH costs a second a start.
const std::string& Python();
// Folder with the test PKI of tests/peers/pki.py (made once, shared by every test).
const std::string& PkiDir();
// A fresh, empty folder under the system temporary folder, removed at process exit.
std::string MakeTempDir(const std::string& prefix);
// Runs a command through /bin/sh; returns its exit code and fills output with stdout+stderr.
int RunCommand(const std::string& command, std::string* output = nullptr);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace testsupport
