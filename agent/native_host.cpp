#include "agent/native_host.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "agent/command_types.h"
#include "platform/date_time.h"
#include "platform/files.h"
#include "platform/text_encoding.h"

namespace agent {

namespace {
constexpr const char* kInvalid = "Mensagem inválida";
// Room for the prefix and the time stamp within the usual 255-byte name limit.
constexpr std::size_t kMaxTypeInFileName = 120;
}  // namespace

TNativeMessagingHost::TNativeMessagingHost(platform::FrameChannel& channel, TCommandCreator creator)
    : FChannel(channel), FCreator(std::move(creator)) {
  if (!FCreator)
    FCreator = [](const TAppMessage& m, TCommandCallback cb) { return CreateCommand(m, std::move(cb), kVersion); };
  FCallback = [this](const TCallbackParams& p) { SendResult(p); };
}

TNativeMessagingHost::~TNativeMessagingHost() { WaitForCommands(); }

void TNativeMessagingHost::Listen() {
  using R = platform::FrameChannel::ReadResult;
  while (!FChannel.Stopped()) {
    std::int32_t length = 0;
    if (FChannel.ReadLength(length) != R::Ok) break;
    if (length <= 0) continue;
    if (length > kMaxMessageLength) {
      if (FChannel.Skip(static_cast<std::size_t>(length)) == R::Stopped) break;
      WriteMessage(BuildErrorHostMessage("", kInvalid, "Mensagem maior que o limite de 16 MiB"));
      continue;
    }
    std::string body;
    R r = FChannel.ReadBytes(static_cast<std::size_t>(length), body);
    // A body cut short by the end of input is no frame, as a cut-short length is none.
    if (r != R::Ok) break;
    Dispatch(body);
  }
}

void TNativeMessagingHost::Dispatch(const std::string& body) {
  std::optional<TAppMessage> request;
  try {
    request = ParseAppMessage(body);
  } catch (const EAppMessageParse& e) {
    WriteMessage(BuildErrorHostMessage("", kInvalid, e.what()));
    return;
  }
  if (!request) {
    WriteMessage(BuildErrorHostMessage("", kInvalid, ""));
    return;
  }
  if (request->command_id.empty()) {
    WriteMessage(BuildErrorHostMessage("", kInvalid, "Identificador do comando não pode ser vazio"));
    return;
  }
  if (!FRegistry.empty()) {
    WriteMessage(BuildErrorHostMessage(request->command_id, kInvalid, "Já existe um comando em execução"));
    return;
  }
  try {
    auto command = FCreator(*request, FCallback);
    TComunicacaoEsocial* started = command.get();
    FRegistry.emplace(request->command_id, std::move(command));
    started->Start();
  } catch (const std::exception& e) {
    // A command that never started is no running command.
    FRegistry.erase(request->command_id);
    WriteErrorFile(request->command_type, e.what());
    WriteMessage(BuildErrorHostMessage(request->command_id, kInvalid, e.what()));
  }
}

void TNativeMessagingHost::WaitForCommands() {
  for (auto& [id, command] : FRegistry) command->WaitFor();
}

bool TNativeMessagingHost::WriteMessage(std::string_view utf8) { return FChannel.WriteFrame(utf8); }

void TNativeMessagingHost::SendResult(const TCallbackParams& p) {
  WriteMessage(BuildHostMessage(p.CommandId(), p.Success(), p.Message(), p.Description()));
}

std::string TNativeMessagingHost::ErrorFileName(std::string_view commandType, std::string_view time) {
  std::string safe;
  for (char ch : commandType) {
    unsigned char c = static_cast<unsigned char>(ch);
    bool bad = platform::IsControlChar(c) || std::string_view("/\\:*?\"<>|").find(ch) != std::string_view::npos;
    safe += bad ? '_' : ch;
  }
  return "NemboAgenteError_" + std::string(platform::Utf8Prefix(safe, kMaxTypeInFileName)) + "_" + std::string(time) +
         ".txt";
}

void TNativeMessagingHost::WriteErrorFile(std::string_view commandType, std::string_view text) {
  std::string time = platform::FormatDateTime("yyyy-mm-dd_hhnnss.zzz", platform::Now());
  auto path = platform::DocumentsFolder() / ErrorFileName(commandType, time);
  // One line, whatever line breaks the text (a command type, say) holds.
  std::string line(text);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  platform::WriteFileAtomically(path, line + "\r\n");
}

std::string DescribeException(const std::exception& e) {
  const char* mangled = typeid(e).name();
  int status = 0;
  char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string name = status == 0 && demangled ? demangled : mangled;
  std::free(demangled);
  return name + ": " + e.what();
}

}  // namespace agent
