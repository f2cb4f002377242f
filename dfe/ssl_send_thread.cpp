#include "dfe/ssl_send_thread.h"

namespace dfe {

TDFeSendThread::TDFeSendThread(TDFeSSL* aDFeSSL, TDFeSSLHttpClassClass classe, std::shared_ptr<std::mutex> sendLock,
                               const std::string& conteudoXML, const std::string& aURL, const std::string& aSoapAction,
                               const std::string& aMimeType) {
  if (aDFeSSL == nullptr || conteudoXML.empty() || aURL.empty() || classe == nullptr || !sendLock)
    throw ETrivoDFeException("TDFeSendThread, parâmetros inválidos");
  FSendLock = std::move(sendLock);
  FHttp = classe(*aDFeSSL);
  FConteudoXML = conteudoXML;
  FURL = aURL;
  FSoapAction = aSoapAction;
  FMimeType = aMimeType;
  FThread = std::thread([this] { Run(); });
}

TDFeSendThread::~TDFeSendThread() {
  {
    std::lock_guard lock(FState);
    FHttpDone = true;
  }
  if (FThread.joinable()) FThread.join();
}

void TDFeSendThread::Run() {
  try {
    std::lock_guard send(*FSendLock);
    {
      std::lock_guard lock(FState);
      // Given up before the lock came free: nothing is sent.
      if (FTerminated) throw ETrivoDFeException("");
      FHttpDone = false;
      FResponse.clear();
      FExceptMessage.clear();
    }
    std::string resposta = FHttp->Enviar(FConteudoXML, FURL, true, "", FMimeType, FSoapAction);
    std::lock_guard lock(FState);
    FResponse = std::move(resposta);
    FHttpDone = true;
  } catch (const std::exception& e) {
    std::lock_guard lock(FState);
    FExceptMessage = e.what();
    FHttpDone = true;
  } catch (...) {
    std::lock_guard lock(FState);
    FExceptMessage = "?";
    FHttpDone = true;
  }
  std::lock_guard lock(FState);
  FTerminated = true;
  FFinished = true;
  FChanged.notify_all();
}

bool TDFeSendThread::Done() const {
  std::lock_guard lock(FState);
  return DoneLocked();
}

bool TDFeSendThread::WaitDone(std::chrono::steady_clock::time_point deadline) const {
  std::unique_lock lock(FState);
  return FChanged.wait_until(lock, deadline, [this] { return DoneLocked(); });
}

bool TDFeSendThread::Finished() const {
  std::lock_guard lock(FState);
  return FFinished;
}

std::string TDFeSendThread::Response() const {
  std::lock_guard lock(FState);
  return FResponse;
}

std::string TDFeSendThread::ExceptMessage() const {
  std::lock_guard lock(FState);
  return FExceptMessage;
}

void TDFeSendThread::Abort() {
  bool running;
  {
    std::lock_guard lock(FState);
    FTerminated = true;
    running = !FHttpDone;
    FHttpDone = true;
    FChanged.notify_all();
  }
  // The back end lives until this object is destroyed, after the thread has ended.
  if (running) FHttp->Abortar();
}

}  // namespace dfe
