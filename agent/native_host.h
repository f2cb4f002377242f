#pragma once
// The native-messaging host: reads request frames, checks them, starts one command, and
// writes one reply per process (its own, or the command's through the callback).
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "agent/command_base.h"
#include "platform/native_frames.h"

namespace agent {

using TCommandCreator = std::function<std::unique_ptr<TComunicacaoEsocial>(const TAppMessage&, TCommandCallback)>;

class TNativeMessagingHost {
 public:
  // Frames larger than this are drained unread and refused.
  static constexpr std::int32_t kMaxMessageLength = 16 * 1024 * 1024;
  static constexpr std::string_view kVersion = "1.7";

  explicit TNativeMessagingHost(platform::FrameChannel& channel, TCommandCreator creator = nullptr);
  ~TNativeMessagingHost();

  // Reads frames until a reply has been written or input ends. Does not wait for a started
  // command: call WaitForCommands() afterwards.
  void Listen();
  // Returns once every started command has ended (and so has written or dropped its reply).
  void WaitForCommands();
  // Writes one reply frame; false when a reply has already been written.
  bool WriteMessage(std::string_view utf8);

  // "NemboAgenteError_<command type>_<time>.txt" with the type made safe as a file name.
  static std::string ErrorFileName(std::string_view commandType, std::string_view time);
  static void WriteErrorFile(std::string_view commandType, std::string_view text);

 private:
  void Dispatch(const std::string& body);
  void SendResult(const TCallbackParams& params);

  platform::FrameChannel& FChannel;
  TCommandCreator FCreator;
  TCommandCallback FCallback;
  std::map<std::string, std::unique_ptr<TComunicacaoEsocial>> FRegistry;
};

// "<type name>: <message>" for the last-resort reply.
std::string DescribeException(const std::exception& e);

}  // namespace agent
