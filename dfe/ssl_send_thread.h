#pragma once
// One timed send: the exchange runs on its own thread with its own HTTP back end, under the
// facade's send lock, which the thread co-owns so that an abandoned send may outlive the call.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "dfe/ssl_backends.h"

namespace dfe {

class TDFeSendThread {
 public:
  // Raises "TDFeSendThread, parâmetros inválidos" without a facade, content or address.
  TDFeSendThread(TDFeSSL* aDFeSSL, TDFeSSLHttpClassClass classe, std::shared_ptr<std::mutex> sendLock,
                 const std::string& conteudoXML, const std::string& aURL, const std::string& aSoapAction,
                 const std::string& aMimeType);
  // Waits for the thread to end.
  ~TDFeSendThread();
  TDFeSendThread(const TDFeSendThread&) = delete;
  TDFeSendThread& operator=(const TDFeSendThread&) = delete;

  // Done: the thread has ended or was told to, or a response or an error arrived.
  bool Done() const;
  // Waits until Done or the deadline; returns Done.
  bool WaitDone(std::chrono::steady_clock::time_point deadline) const;
  bool Finished() const;
  std::string Response() const;
  std::string ExceptMessage() const;
  // Gives up on the send: asks a running exchange to stop.
  void Abort();

 private:
  void Run();
  bool DoneLocked() const { return FTerminated || !FResponse.empty() || !FExceptMessage.empty(); }

  std::unique_ptr<TDFeSSLHttpClass> FHttp;
  std::shared_ptr<std::mutex> FSendLock;
  std::string FConteudoXML, FURL, FSoapAction, FMimeType;

  mutable std::mutex FState;
  mutable std::condition_variable FChanged;
  std::string FResponse, FExceptMessage;
  bool FTerminated = false;
  bool FHttpDone = true;
  bool FFinished = false;
  std::thread FThread;
};

}  // namespace dfe
