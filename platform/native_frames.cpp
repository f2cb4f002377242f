#include "platform/native_frames.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

namespace platform {

FrameChannel::FrameChannel(int inFd, int outFd) : FIn(inFd), FOut(outFd) {
  if (pipe2(FWake, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
}

FrameChannel::~FrameChannel() {
  close(FWake[0]);
  close(FWake[1]);
}

namespace {
void RedirectToNull(int fd, int flags) {
  int null = open("/dev/null", flags | O_CLOEXEC);
  if (null < 0) return;
  dup2(null, fd);
  close(null);
}
}  // namespace

FrameChannel& FrameChannel::Standard() {
  static FrameChannel channel = [] {
    signal(SIGPIPE, SIG_IGN);
    std::fflush(stdout);
    // The frames get private descriptors; 0 and 1 are pointed elsewhere so that no library
    // output and no child process can touch them.
    int frames = fcntl(1, F_DUPFD_CLOEXEC, 3);
    int requests = fcntl(0, F_DUPFD_CLOEXEC, 3);
    if (frames < 0 || requests < 0) throw std::runtime_error("standard input or output is not open");
    if (dup2(2, 1) < 0) RedirectToNull(1, O_WRONLY);
    RedirectToNull(0, O_RDONLY);
    return FrameChannel(requests, frames);
  }();
  return channel;
}

long FrameChannel::ReadSome(char* buf, std::size_t n) {
  for (;;) {
    if (FStopped.load()) return -1;
    pollfd fds[2] = {{FIn, POLLIN, 0}, {FWake[0], POLLIN, 0}};
    int r = poll(fds, 2, -1);
    if (r < 0) {
      if (errno == EINTR) continue;
      return 0;
    }
    if (fds[1].revents != 0 || FStopped.load()) return -1;
    if (fds[0].revents == 0) continue;
    ssize_t got = read(FIn, buf, n);
    if (got < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return 0;
    }
    return static_cast<long>(got);
  }
}

FrameChannel::ReadResult FrameChannel::ReadLength(std::int32_t& length) {
  unsigned char b[4];
  std::size_t have = 0;
  while (have < 4) {
    long got = ReadSome(reinterpret_cast<char*>(b) + have, 4 - have);
    if (got < 0) return ReadResult::Stopped;
    // A length cut short by the end of input is no frame at all.
    if (got == 0) return ReadResult::EndOfInput;
    have += static_cast<std::size_t>(got);
  }
  std::uint32_t v =
      std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
  length = static_cast<std::int32_t>(v);
  return ReadResult::Ok;
}

FrameChannel::ReadResult FrameChannel::ReadBytes(std::size_t count, std::string& out) {
  out.clear();
  out.resize(count);
  std::size_t have = 0;
  while (have < count) {
    long got = ReadSome(out.data() + have, count - have);
    if (got < 0) {
      out.resize(have);
      return ReadResult::Stopped;
    }
    if (got == 0) {
      out.resize(have);
      return ReadResult::EndOfInput;
    }
    have += static_cast<std::size_t>(got);
  }
  return ReadResult::Ok;
}

FrameChannel::ReadResult FrameChannel::Skip(std::size_t count) {
  char buf[65536];
  while (count > 0) {
    long got = ReadSome(buf, count < sizeof buf ? count : sizeof buf);
    if (got < 0) return ReadResult::Stopped;
    if (got == 0) return ReadResult::EndOfInput;
    count -= static_cast<std::size_t>(got);
  }
  return ReadResult::Ok;
}

bool FrameChannel::WriteFrame(std::string_view body) {
  std::lock_guard<std::mutex> lock(FWriteLock);
  if (FWritten.load()) return false;
  std::uint32_t n = static_cast<std::uint32_t>(body.size());
  std::string frame;
  frame.reserve(body.size() + 4);
  for (int i = 0; i < 4; ++i) frame += static_cast<char>((n >> (8 * i)) & 0xFF);
  frame.append(body);
  std::size_t done = 0;
  while (done < frame.size()) {
    ssize_t w = write(FOut, frame.data() + done, frame.size() - done);
    if (w < 0 && errno == EINTR) continue;
    // A browser that has gone away cannot be told anything more.
    if (w <= 0) break;
    done += static_cast<std::size_t>(w);
  }
  FWritten.store(true);
  Stop();
  return true;
}

void FrameChannel::Stop() {
  if (FStopped.exchange(true)) return;
  char c = 1;
  ssize_t ignored = write(FWake[1], &c, 1);
  (void)ignored;
}

}  // namespace platform
