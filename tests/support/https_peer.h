#pragma once
// An HTTPS stand-in of tests/peers (tls_server.py, or soap_server.py built on it): started
// with its record and script files, read back as JSON. Starting one makes the test PKI's CA
// trusted for the eSocial services in this process (NEMBO_ESOCIAL_CA_FILE).
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "support/peer.h"

namespace testhttp {

struct HttpsPeer {
  // extra: arguments after the PKI, the record and the script files.
  explicit HttpsPeer(std::vector<std::string> extra = {}, const std::string& standIn = "tls_server.py") {
    setenv("NEMBO_ESOCIAL_CA_FILE", (testsupport::PkiDir() + "/ca.crt").c_str(), 1);
    dir = testsupport::MakeTempDir("https-peer");
    record = dir + "/record.jsonl";
    script = dir + "/script.json";
    std::vector<std::string> args{testsupport::PkiDir(), record, "--script", script, "--lifetime", "60"};
    args.insert(args.end(), extra.begin(), extra.end());
    peer = std::make_unique<testsupport::Peer>(standIn, args);
    if (std::filesystem::exists(record + ".ports"))
      ports = nlohmann::json::parse(testsupport::ReadFile(record + ".ports"));
  }
  std::string Url(const std::string& path = "/ws") const { return UrlOn(peer->Port(), path); }
  static std::string UrlOn(int port, const std::string& path) {
    return "https://127.0.0.1:" + std::to_string(port) + path;
  }
  // The listener of "--second" and the proxy of "--proxy" in the same process.
  int SecondPort() const { return ports.at("second").get<int>(); }
  int ProxyPort() const { return ports.at("proxy").get<int>(); }
  std::string ProxyRecord() const { return testsupport::ReadFile(record + ".proxy"); }
  void Script(const nlohmann::json& replies) const { testsupport::WriteFile(script, replies.dump()); }
  // The recorded requests; with a port, only those that listener took.
  std::vector<nlohmann::json> Requests(int port = 0) const {
    std::vector<nlohmann::json> out;
    std::string text = testsupport::ReadFile(record);
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string::npos) break;
      auto entry = nlohmann::json::parse(text.substr(start, end - start));
      if (port == 0 || entry["port"].get<int>() == port) out.push_back(std::move(entry));
      start = end + 1;
    }
    return out;
  }
  // Waits (bounded) until the stand-in has recorded n requests.
  bool WaitRequests(std::size_t n) const {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (Requests().size() < n) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
  }
  std::string dir, record, script;
  std::unique_ptr<testsupport::Peer> peer;
  nlohmann::json ports;
};

// Header values of one recorded request, in received order.
inline std::vector<std::string> HeaderValues(const nlohmann::json& req, const std::string& name) {
  std::vector<std::string> v;
  for (const auto& h : req["headers"])
    if (h[0].get<std::string>() == name) v.push_back(h[1].get<std::string>());
  return v;
}

}  // namespace testhttp
