#pragma once
// The agent run as a process, driven through its standard input and output.
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace e2e {

// One length-prefixed frame.
std::string Frame(const std::string& body);
std::string LengthBytes(std::int32_t length);

class AgentProcess {
 public:
  // env: variables set (or, with an empty value, left as set here) for the agent; program:
  // the agent binary to run (a copy of it has a program folder of its own).
  explicit AgentProcess(const std::map<std::string, std::string>& env, const std::string& program = NEMBO_AGENT_BIN);
  ~AgentProcess();

  void Write(const std::string& bytes);
  void CloseInput();
  // Reads one frame's body; no value when output ends or the time-out passes first.
  std::optional<std::string> ReadFrame(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // Everything left on standard output until it closes.
  std::string ReadRest(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // The exit code; -1 when the process has not ended within the time-out (it is then killed).
  int Wait(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // Whether the process is still running after the given time.
  bool StillRunningAfter(std::chrono::milliseconds wait);
  void Signal(int signal);
  // The signal that ended the process (known once Wait saw it end); 0 when it exited.
  int EndingSignal() const;
  // The most memory the process held at once, in KiB; known once it has ended.
  long PeakRssKiB() const { return FPeakRssKiB; }
  // User and system CPU time the process used, in seconds; known once it has ended.
  double CpuSeconds() const { return FCpuSeconds; }

 private:
  bool ReadBytes(std::string& out, std::size_t n, std::chrono::steady_clock::time_point deadline);
  // Collects the ended process (waitpid options); false when it has not ended.
  bool Reap(int options);

  int FPid = -1;
  int FIn = -1;
  int FOut = -1;
  int FStatus = 0;
  bool FExited = false;
  long FPeakRssKiB = 0;
  double FCpuSeconds = 0;
};

// Sends the frames, closes the input, collects every reply and the exit code.
struct RunResult {
  std::string Output;  // raw standard output
  int ExitCode = -1;
  long PeakRssKiB = 0;
  double CpuSeconds = 0;
};
RunResult RunAgent(const std::string& input, const std::map<std::string, std::string>& env,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10),
                   const std::string& program = NEMBO_AGENT_BIN);

}  // namespace e2e
