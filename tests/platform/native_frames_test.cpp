// The frame channel over a pipe in place of standard output.
#include "platform/native_frames.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST(FrameChannel, ConcurrentWritersLeaveOneWholeFrame) {
  int in[2], out[2];
  ASSERT_EQ(pipe(in), 0);
  ASSERT_EQ(pipe(out), 0);
  auto channel = std::make_unique<platform::FrameChannel>(in[0], out[1]);
  std::vector<std::thread> writers;
  std::atomic<int> written{0};
  for (int i = 0; i < 8; ++i)
    writers.emplace_back([&, i] {
      if (channel->WriteFrame(std::string(20000, static_cast<char>('a' + i)))) ++written;
    });
  for (auto& t : writers) t.join();
  EXPECT_EQ(written, 1);
  channel.reset();
  close(out[1]);
  std::string all;
  char buf[4096];
  ssize_t n;
  while ((n = read(out[0], buf, sizeof buf)) > 0) all.append(buf, static_cast<std::size_t>(n));
  for (int fd : {in[0], in[1], out[0]}) close(fd);
  ASSERT_EQ(all.size(), 20004u);
  EXPECT_EQ(all.find_first_not_of(all[4], 4), std::string::npos);
}

}  // namespace
