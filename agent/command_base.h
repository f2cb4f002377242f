#pragma once
// Base of every command: runs the command's check and work on a worker thread of its own,
// collects the result and hands it to the host's callback once, as the worker's last act.
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "agent/native_messaging.h"
#include "agent/xdata_client.h"
#include "platform/log_output.h"

namespace agent {

class TCallbackParams {
 public:
  explicit TCallbackParams(std::string commandId) : FCommandId(std::move(commandId)) {}
  const std::string& CommandId() const { return FCommandId; }
  bool Success() const { return FSuccess; }
  const std::string& Message() const { return FMessage; }
  const std::string& Description() const { return FDescription; }
  void Set(bool success, std::string message, std::string description) {
    FSuccess = success;
    FMessage = std::move(message);
    FDescription = std::move(description);
  }

 private:
  std::string FCommandId;
  bool FSuccess = true;
  std::string FMessage;
  std::string FDescription;
};

using TCommandCallback = std::function<void(const TCallbackParams&)>;

class TComunicacaoEsocial {
 public:
  TComunicacaoEsocial(const TAppMessage& AppMessage, TCommandCallback ACallback);
  // Waits for the worker. The owner calls WaitFor() first: by the time this runs the
  // derived part is already gone.
  virtual ~TComunicacaoEsocial();
  TComunicacaoEsocial(const TComunicacaoEsocial&) = delete;
  TComunicacaoEsocial& operator=(const TComunicacaoEsocial&) = delete;

  // Starts the worker and returns at once.
  void Start();
  // Returns once the worker (if started) has ended, its callback included.
  void WaitFor();

  const TAppMessage& AppMessage() const { return FAppMessage; }
  const TCallbackParams& CallbackParameters() const { return FCallbackParameters; }

 protected:
  virtual void Validate() = 0;
  virtual void Execute() = 0;

  // The last result recorded before the callback decides the reply.
  void SetResult(bool success, const std::string& message, const std::string& description);
  void SetError(const std::string& message, const std::string& description);
  void SetSuccess(const std::string& message, const std::string& description);

  // A REST client for the company API, authorised with the request's token and the slug
  // read from it. Throws "Invalid token" when the token cannot be read.
  std::unique_ptr<TXDataClient> CreateXDataClient();

  platform::Logger* FLogger;
  const TAppMessage FAppMessage;

 private:
  void RunAndNotify();

  TCommandCallback FCallback;
  TCallbackParams FCallbackParameters;
  std::thread FWorker;
};

}  // namespace agent
