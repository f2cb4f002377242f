#include "e2e/agent_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

namespace e2e {

std::string LengthBytes(std::int32_t length) {
  auto v = static_cast<std::uint32_t>(length);
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

std::string Frame(const std::string& body) { return LengthBytes(static_cast<std::int32_t>(body.size())) + body; }

AgentProcess::AgentProcess(const std::map<std::string, std::string>& env, const std::string& program) {
  int in[2], out[2];
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  signal(SIGPIPE, SIG_IGN);
  FPid = fork();
  if (FPid < 0) throw std::runtime_error("fork failed");
  if (FPid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    for (const auto& [k, v] : env) setenv(k.c_str(), v.c_str(), 1);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  FIn = in[1];
  FOut = out[0];
}

AgentProcess::~AgentProcess() {
  CloseInput();
  if (!FExited && FPid > 0) {
    kill(FPid, SIGKILL);
    Reap(0);
  }
  if (FOut >= 0) close(FOut);
}

void AgentProcess::Write(const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t w = write(FIn, bytes.data() + done, bytes.size() - done);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) throw std::runtime_error("agent input closed");
    done += static_cast<std::size_t>(w);
  }
}

void AgentProcess::CloseInput() {
  if (FIn >= 0) close(FIn);
  FIn = -1;
}

bool AgentProcess::ReadBytes(std::string& out, std::size_t n, std::chrono::steady_clock::time_point deadline) {
  while (out.size() < n) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd p{FOut, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
    char buf[65536];
    std::size_t want = n - out.size() < sizeof buf ? n - out.size() : sizeof buf;
    ssize_t got = read(FOut, buf, want);
    if (got <= 0) return false;
    out.append(buf, static_cast<std::size_t>(got));
  }
  return true;
}

std::optional<std::string> AgentProcess::ReadFrame(std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  std::string len;
  if (!ReadBytes(len, 4, deadline)) return std::nullopt;
  std::uint32_t n = 0;
  for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(len[i]);
  std::string body;
  if (!ReadBytes(body, n, deadline)) return std::nullopt;
  return body;
}

std::string AgentProcess::ReadRest(std::chrono::milliseconds timeout) {
  std::string all;
  ReadBytes(all, static_cast<std::size_t>(-1), std::chrono::steady_clock::now() + timeout);
  return all;
}

bool AgentProcess::Reap(int options) {
  rusage usage{};
  if (wait4(FPid, &FStatus, options, &usage) != FPid) return false;
  FExited = true;
  FPeakRssKiB = usage.ru_maxrss;
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  FCpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  return true;
}

int AgentProcess::Wait(std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!FExited) {
    if (Reap(WNOHANG)) break;
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(FPid, SIGKILL);
      Reap(0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return WIFEXITED(FStatus) ? WEXITSTATUS(FStatus) : -1;
}

bool AgentProcess::StillRunningAfter(std::chrono::milliseconds wait) {
  auto deadline = std::chrono::steady_clock::now() + wait;
  while (std::chrono::steady_clock::now() < deadline) {
    if (Reap(WNOHANG)) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

void AgentProcess::Signal(int signal) {
  if (!FExited) kill(FPid, signal);
}

int AgentProcess::EndingSignal() const { return FExited && WIFSIGNALED(FStatus) ? WTERMSIG(FStatus) : 0; }

RunResult RunAgent(const std::string& input, const std::map<std::string, std::string>& env,
                   std::chrono::milliseconds timeout, const std::string& program) {
  AgentProcess agent(env, program);
  agent.Write(input);
  agent.CloseInput();
  RunResult r;
  r.Output = agent.ReadRest(timeout);
  r.ExitCode = agent.Wait(timeout);
  r.PeakRssKiB = agent.PeakRssKiB();
  r.CpuSeconds = agent.CpuSeconds();
  return r;
}

}  // namespace e2e
