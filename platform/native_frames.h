#pragma once
// Native-messaging frames over a pair of file descriptors: a 32-bit little-endian length,
// then that many bytes. Reads wait on the input and on a wake-up pipe, so a thread that is
// blocked in a read returns as soon as another thread calls Stop().
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

namespace platform {

class FrameChannel {
 public:
  enum class ReadResult { Ok, EndOfInput, Stopped };

  FrameChannel(int inFd, int outFd);
  ~FrameChannel();
  FrameChannel(const FrameChannel&) = delete;
  FrameChannel& operator=(const FrameChannel&) = delete;

  // The process's own channel over standard input and output. On first use both move to
  // private descriptors (closed on exec); descriptor 1 is pointed at stderr and 0 at
  // /dev/null, so nothing a library prints can corrupt a frame and nothing else reads the
  // requests. SIGPIPE is ignored.
  static FrameChannel& Standard();

  // Reads exactly 4 bytes (fewer only at end of input) as a signed little-endian length.
  ReadResult ReadLength(std::int32_t& length);
  // Reads until `count` bytes have arrived or input ends; `out` holds what arrived.
  ReadResult ReadBytes(std::size_t count, std::string& out);
  // Reads and throws away `count` bytes without storing them.
  ReadResult Skip(std::size_t count);

  // Writes one whole frame under the channel's lock. Only the first frame is written: the
  // channel carries one reply; later calls return false and write nothing. Stops the channel.
  bool WriteFrame(std::string_view body);
  bool Written() const { return FWritten.load(); }

  // Wakes any reader; later reads return Stopped at once.
  void Stop();
  bool Stopped() const { return FStopped.load(); }

 private:
  // Reads up to n bytes into buf; 0 at end of input or on failure, -1 when stopped.
  long ReadSome(char* buf, std::size_t n);

  int FIn;
  int FOut;
  int FWake[2] = {-1, -1};
  std::mutex FWriteLock;
  std::atomic<bool> FWritten{false};
  std::atomic<bool> FStopped{false};
};

}  // namespace platform
