// native.app.nembo: the native-messaging host that a browser extension starts.
#include <cstdio>
#include <memory>

#include "agent/native_host.h"
#include "agent/native_messaging.h"
#include "platform/log_output.h"
#include "platform/native_frames.h"

int main() {
  platform::FrameChannel* channel = nullptr;
  try {
    channel = &platform::FrameChannel::Standard();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "native.app.nembo: %s\n", e.what());
    return 1;
  }
  agent::TNativeMessagingHost host(*channel);
  try {
    platform::RegisterLogOutput(std::make_unique<platform::TextFileLogOutput>("native.app.nembo.log"));
    host.Listen();
  } catch (const std::exception& e) {
    host.WriteMessage(agent::BuildErrorHostMessage("", "Erro inesperado", agent::DescribeException(e)));
  } catch (...) {
    host.WriteMessage(agent::BuildErrorHostMessage("", "Erro inesperado", "unknown: unknown error"));
  }
  // A started command may be between sending to the government and reporting to the API:
  // it always finishes before the process ends.
  host.WaitForCommands();
  return 0;
}
