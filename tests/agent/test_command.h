#pragma once
// A command whose check and work a test gives, the request it runs for, and what its callback
// received: shared by the tests of the command base, the command types and the host.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "agent/command_base.h"

namespace agenttest {

// A gate a test command waits at until the test opens it.
struct Gate {
  std::mutex m;
  std::condition_variable cv;
  bool open = false;
  void Open() {
    std::lock_guard<std::mutex> l(m);
    open = true;
    cv.notify_all();
  }
  void Wait() {
    std::unique_lock<std::mutex> l(m);
    cv.wait(l, [this] { return open; });
  }
};

class TestCommand : public agent::TComunicacaoEsocial {
 public:
  using Work = std::function<void(TestCommand&)>;
  TestCommand(const agent::TAppMessage& m, agent::TCommandCallback cb, Work validate, Work work)
      : TComunicacaoEsocial(m, std::move(cb)), FValidate(std::move(validate)), FWork(std::move(work)) {}
  using TComunicacaoEsocial::CreateXDataClient;
  using TComunicacaoEsocial::SetError;
  using TComunicacaoEsocial::SetSuccess;
  std::atomic<bool> executed{false};

 protected:
  void Validate() override {
    if (FValidate) FValidate(*this);
  }
  void Execute() override {
    executed = true;
    if (FWork) FWork(*this);
  }

 private:
  Work FValidate, FWork;
};

inline agent::TAppMessage Request(const std::string& id = "c1", const std::string& token = "") {
  return agent::TAppMessage{id, "teste_1.7", token, std::nullopt};
}

struct Results {
  std::mutex m;
  std::condition_variable cv;
  std::vector<agent::TCallbackParams> got;
  std::thread::id thread;
  agent::TCommandCallback Callback() {
    return [this](const agent::TCallbackParams& p) {
      std::lock_guard<std::mutex> l(m);
      got.push_back(p);
      thread = std::this_thread::get_id();
      cv.notify_all();
    };
  }
};

}  // namespace agenttest
