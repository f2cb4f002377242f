#pragma once
// The fake REST API (tests/peers/fake_api.py) for a test: scripted replies per route, and
// the requests it recorded. Sets NEMBO_API_URL and SSL_CERT_FILE (the test CA) for the
// process and for agents it starts.
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/peer.h"

namespace testsupport {

struct RecordedRequest {
  std::string Method, Path, Body;
  std::vector<std::pair<std::string, std::string>> Headers;

  // Value of the first header of that name (case-insensitive); empty optional when absent.
  const std::string* Header(const std::string& name) const {
    for (const auto& [k, v] : Headers) {
      if (k.size() != name.size()) continue;
      bool same = true;
      for (std::size_t i = 0; i < k.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(k[i])) != std::tolower(static_cast<unsigned char>(name[i])))
          same = false;
      if (same) return &v;
    }
    return nullptr;
  }
};

class FakeApi {
 public:
  FakeApi() : FDir(MakeTempDir("nembo-api")) {
    SetRoutes(nlohmann::json::object());
    FPeer = std::make_unique<Peer>("fake_api.py",
                                   std::vector<std::string>{"--pki", PkiDir(), "--script", Script(), "--record",
                                                            FDir + "/record.jsonl", "--lifetime", "120"});
    setenv("NEMBO_API_URL", Url().c_str(), 1);
    setenv("SSL_CERT_FILE", (PkiDir() + "/ca.crt").c_str(), 1);
  }

  std::string Url() const { return "https://127.0.0.1:" + std::to_string(FPeer->Port()); }
  std::string Script() const { return FDir + "/script.json"; }

  // routes: {"/empresa/...": [reply, ...]} in the form fake_api.py reads.
  void SetRoutes(const nlohmann::json& routes) { WriteFile(Script(), nlohmann::json{{"routes", routes}}.dump()); }
  void Route(const std::string& path, const nlohmann::json& reply) {
    FRoutes[path] = nlohmann::json::array({reply});
    SetRoutes(FRoutes);
  }

  std::vector<RecordedRequest> Requests() const {
    std::vector<RecordedRequest> out;
    std::istringstream in(ReadFile(FDir + "/record.jsonl"));
    std::string line;
    while (std::getline(in, line)) {
      auto j = nlohmann::json::parse(line);
      RecordedRequest r{j["method"], j["path"], j["body"], {}};
      for (const auto& h : j["headers"]) r.Headers.emplace_back(h[0], h[1]);
      out.push_back(std::move(r));
    }
    return out;
  }

 private:
  std::string FDir;
  nlohmann::json FRoutes = nlohmann::json::object();
  std::unique_ptr<Peer> FPeer;
};

}  // namespace testsupport
