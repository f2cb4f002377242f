#include "agent/command_base.h"

#include <cstdio>

#include "agent/token_helper.h"

namespace agent {

TComunicacaoEsocial::TComunicacaoEsocial(const TAppMessage& AppMessage, TCommandCallback ACallback)
    : FLogger(&platform::DefaultLogger()),
      FAppMessage(AppMessage),
      FCallback(std::move(ACallback)),
      FCallbackParameters(AppMessage.command_id) {}

TComunicacaoEsocial::~TComunicacaoEsocial() { WaitFor(); }

void TComunicacaoEsocial::Start() {
  FWorker = std::thread([this] { RunAndNotify(); });
}

void TComunicacaoEsocial::WaitFor() {
  if (FWorker.joinable() && FWorker.get_id() != std::this_thread::get_id()) FWorker.join();
}

void TComunicacaoEsocial::SetResult(bool success, const std::string& message, const std::string& description) {
  FCallbackParameters.Set(success, message, description);
}

void TComunicacaoEsocial::SetError(const std::string& message, const std::string& description) {
  SetResult(false, message, description);
}

void TComunicacaoEsocial::SetSuccess(const std::string& message, const std::string& description) {
  SetResult(true, message, description);
}

void TComunicacaoEsocial::RunAndNotify() {
  auto fail = [this](const std::string& text) {
    SetError("Erro ao processar o comando. command_id: " + FAppMessage.command_id +
                 ", command_type: " + FAppMessage.command_type,
             text);
  };
  try {
    Validate();
    Execute();
  } catch (const std::exception& e) {
    fail(e.what());
  } catch (...) {
    fail("Unknown error");
  }
  try {
    if (FCallback) FCallback(FCallbackParameters);
  } catch (const std::exception& e) {
    // Nothing is left to tell the browser through; the reason goes to stderr.
    std::fprintf(stderr, "native.app.nembo: reply failed: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "native.app.nembo: reply failed\n");
  }
}

std::unique_ptr<TXDataClient> TComunicacaoEsocial::CreateXDataClient() {
  TTokenHelper token(FAppMessage.token);
  const std::string& slug = token.Slug();
  auto client = std::make_unique<TXDataClient>(ApiBaseAddress());
  client->SetAuthorization(token.Token(), slug);
  return client;
}

}  // namespace agent
